#include "scripttext.h"

#include "scriptpane.h"

void setScriptText(ScriptPane *pane, const QString &text)
{
    pane->script().load(text);
    pane->moveCursor(QTextCursor::Start);
}

void replaceScriptText(ScriptPane *pane, const QString &text)
{
    pane->script().replace(text);
    pane->moveCursor(QTextCursor::Start);
}

QString scriptText(const ScriptPane *pane)
{
    return pane->script().text();
}
