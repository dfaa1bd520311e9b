#pragma once

#include "twips.h"

#include <QString>
#include <QToolBar>
#include <QWidget>

// Building a window from its design table: each control gets the name the
// system gives it (its objectName, by which tests and hosts find it and its
// language key) and its design position in twips, relative to its container.
namespace ui {

template <class Control>
Control *placed(Control *control, const char *name, int left, int top, int width, int height)
{
    control->setObjectName(QLatin1String(name));
    control->setGeometry(twipsRect(left, top, width, height));
    return control;
}

// The design position of a control given its size from a layout step.
inline void place(QWidget *control, int left, int top, int width, int height)
{
    control->setGeometry(twipsRect(left, top, width, height));
}

// A control's geometry in twips.
inline QRect twipsOf(const QWidget *control)
{
    const QRect g = control->geometry();
    return {pixelsToTwips(g.x()), pixelsToTwips(g.y()), pixelsToTwips(g.width()), pixelsToTwips(g.height())};
}

// A tool bar as the designs have them: named, its tools' pictures (16 by 16)
// with their texts beside them, fixed in place, on a background of its own.
inline QToolBar *toolBar(QWidget *parent, const char *name, const QString &title = QString())
{
    auto *bar = new QToolBar(title, parent);
    bar->setObjectName(QLatin1String(name));
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->setIconSize(QSize(16, 16));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setAutoFillBackground(true);
    return bar;
}

} // namespace ui
