#pragma once

#include <QPalette>
#include <optional>

class QColor;
class QWidget;

// A control's colours as a skin sets them.
namespace ui {

// The background: the window colour, the control's own background role and,
// for a button, its face; the control fills its background from then on.
void setBackColor(QWidget &control, const QColor &color);

// The text: the window text, the control's own text role and the button text.
void setForeColor(QWidget &control, const QColor &color);

// A text role: `color` in an active and an inactive window; the same colour
// half transparent for a disabled control, so that its text shows dimmed
// over whatever background it is drawn on.
void setTextColor(QPalette &palette, QPalette::ColorRole role, const QColor &color);

// The palette of the windows that the seams open (message boxes, modal
// dialogs): a skin's whole scheme, or none for the designed look.
void setWindowPalette(const std::optional<QPalette> &palette);
// Gives `window` that palette; the roles the window set itself stay.
void applyWindowPalette(QWidget &window);

// Sets a control's palette for a skin, remembering the designed one so that
// the next applyWindowScheme on its window puts it back.
void setSkinPalette(QWidget &control, const QPalette &palette);

// Puts a window in a skin's scheme: every palette a previous skin set in it
// goes back to the designed one; then, with a scheme, the window and its
// menus (windows of their own, which inherit nothing) take it. The windows
// the seams open afterwards take the same palette (none: the designed look),
// and the window's icons are fitted to its background.
void applyWindowScheme(QWidget &window, const std::optional<QPalette> &scheme);

// Gives the buttons and tools inside `window` icons that read on its
// background: on a dark window their dark strokes are lightened (hue kept,
// light parts unchanged); on a light one the designed icons come back.
// Check boxes and radio buttons on a dark window get outlined indicators.
void fitIconsToBackground(QWidget &window);

} // namespace ui
