#include "scripttext.h"

#include <QPlainTextEdit>

namespace {
const char *const crLfProperty = "scriptUsesCrLf";
}

void setScriptText(QPlainTextEdit *pane, const QString &text)
{
    pane->setProperty(crLfProperty, text.contains(QLatin1String("\r\n")));
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    pane->setPlainText(shown);
}

QString scriptText(const QPlainTextEdit *pane)
{
    QString text = pane->toPlainText();
    if (pane->property(crLfProperty).toBool())
        text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}
