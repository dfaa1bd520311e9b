#include "controlcolors.h"

#include <QAbstractButton>
#include <QColor>
#include <QPalette>
#include <QWidget>

namespace ui {

void setBackColor(QWidget &control, const QColor &color)
{
    QPalette palette = control.palette();
    palette.setColor(QPalette::Window, color);
    if (qobject_cast<QAbstractButton *>(&control))
        palette.setColor(QPalette::Button, color);
    palette.setColor(control.backgroundRole(), color);
    control.setPalette(palette);
    control.setAutoFillBackground(true);
}

void setForeColor(QWidget &control, const QColor &color)
{
    QPalette palette = control.palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::ButtonText, color);
    palette.setColor(control.foregroundRole(), color);
    control.setPalette(palette);
}

} // namespace ui
