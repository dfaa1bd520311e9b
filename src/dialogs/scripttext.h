#pragma once

#include <QString>

// The text without its leading and trailing spaces; only the blank (U+0020)
// counts, so a text of line breaks or tabs stays as it is.
inline QString trimSpaces(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

class QPlainTextEdit;

// A script pane keeps the line breaks of the script it was given: a text
// with "\r\n" is shown with plain line breaks and given back with "\r\n"
// again, so a script comes back as it was loaded unless it was edited.
void setScriptText(QPlainTextEdit *pane, const QString &text);
QString scriptText(const QPlainTextEdit *pane);
