#pragma once

#include <QString>

class QPlainTextEdit;

// A script pane keeps the line breaks of the script it was given: a text
// with "\r\n" is shown with plain line breaks and given back with "\r\n"
// again, so a script comes back as it was loaded unless it was edited.
void setScriptText(QPlainTextEdit *pane, const QString &text);
QString scriptText(const QPlainTextEdit *pane);
