#include "controlcolors.h"

#include <QAbstractButton>
#include <QColor>
#include <QWidget>

namespace ui {
namespace {

std::optional<QPalette> &windowPalette()
{
    static std::optional<QPalette> palette;
    return palette;
}

} // namespace

void setTextColor(QPalette &palette, QPalette::ColorRole role, const QColor &color)
{
    palette.setColor(QPalette::Active, role, color);
    palette.setColor(QPalette::Inactive, role, color);
    QColor dimmed = color;
    dimmed.setAlphaF(0.5f);
    palette.setColor(QPalette::Disabled, role, dimmed);
}

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
    setTextColor(palette, QPalette::WindowText, color);
    setTextColor(palette, QPalette::ButtonText, color);
    setTextColor(palette, control.foregroundRole(), color);
    control.setPalette(palette);
}

void setWindowPalette(const std::optional<QPalette> &palette)
{
    windowPalette() = palette;
}

void applyWindowPalette(QWidget &window)
{
    const std::optional<QPalette> &palette = windowPalette();
    if (!palette)
        return;
    QPalette merged = window.palette().resolve(*palette);
    merged.setResolveMask(~QPalette::ResolveMask(0));   // every role is the window's own now
    window.setPalette(merged);
}

} // namespace ui
