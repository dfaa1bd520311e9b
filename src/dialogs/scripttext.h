#pragma once

#include <QString>

class ScriptPane;

// A script in and out of a pane, every line with the end it was loaded with
// (see ScriptDocument), so a script comes back as it was wherever it was not
// edited. Loading starts the pane's undo history afresh; replacing is one
// step of it, which Ctrl+Z takes back. The caret goes to the start.
void setScriptText(ScriptPane *pane, const QString &text);
void replaceScriptText(ScriptPane *pane, const QString &text);
QString scriptText(const ScriptPane *pane);
