#pragma once

class QPoint;
class QWidget;

// The chrome of the borderless dialogs: a painted caption bar, a raised border
// and dragging by the caption bar. Each dialog calls the painters from its
// paint events and MoveForm from the caption bar's mouse events (ChromeDialog
// does all three).
namespace ui {

// Paints `form`'s caption (icon and title on the active-caption gradient)
// across `picCaption`, framed by a raised outer edge. Failures are ignored.
void DrawFormCaption(QWidget &form, QWidget &picCaption);

// Paints a raised inner edge around `form`'s client area. Failures are ignored.
void DrawFormBorder(QWidget &form);

// Moves `form` by the mouse: the window manager takes the drag over where the
// platform allows it (true then); otherwise the window is put so that the
// press point `grab` (in form coordinates) stays under `globalPos`. A failure
// passes on with " General.MoveForm() ".
bool MoveForm(QWidget &form, const QPoint &grab, const QPoint &globalPos);

} // namespace ui
