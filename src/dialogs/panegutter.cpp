#include "panegutter.h"

#include "scriptpane.h"

PaneGutter::PaneGutter(ScriptPane *pane) : QWidget(pane), m_pane(pane)
{
    setObjectName(QStringLiteral("paneGutter"));
}

QSize PaneGutter::sizeHint() const
{
    return {m_pane->gutterWidth(), 0};
}

void PaneGutter::paintEvent(QPaintEvent *event)
{
    m_pane->paintGutter(event);
}
