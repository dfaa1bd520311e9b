#pragma once

#include <QWidget>

class ScriptPane;

// The strip left of a script pane's text with the line numbers; the pane
// paints it (it knows where its lines are).
class PaneGutter : public QWidget
{
    Q_OBJECT

public:
    explicit PaneGutter(ScriptPane *pane);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ScriptPane *m_pane;
};
