#pragma once

#include "twips.h"

#include <QString>
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

} // namespace ui
