#pragma once

class QColor;
class QWidget;

// A control's colours as a skin sets them.
namespace ui {

// The background: the window colour, the control's own background role and,
// for a button, its face; the control fills its background from then on.
void setBackColor(QWidget &control, const QColor &color);

// The text: the window text, the control's own text role and the button text.
void setForeColor(QWidget &control, const QColor &color);

} // namespace ui
