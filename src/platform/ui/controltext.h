#pragma once

#include <QString>

class QKeySequence;
class QLabel;
class QObject;

// The text a language file gives a control, put where that kind of control
// shows it:
//   a picture button (a tool button showing only its icon)  its tool tip;
//   another button, a check box                             its caption;
//   a label                                                 its text;
//   a frame with a title (group box)                        its title;
//   a drop-down list                                        its tool tip;
//   a tool of a tool bar (an action)                        its text and tool tip,
//                                                           and a widget it shows as above.
// A tool tip names the key that does the same: an action's shortcut, or a
// picture button's kKeysProperty.
// Any other object is left as it is.
namespace ui {

void setControlText(QObject &control, const QString &text);

// The property (a QKeySequence) by which a button that has no shortcut of
// its own names the key that does what it does.
constexpr const char *kKeysProperty = "keys";
// "Cut (Ctrl+X)": a caption without its mnemonic '&', and the keys when there are any.
QString tipWithKeys(const QString &text, const QKeySequence &keys);

// Widens a label to its text when the text (another language's) is longer
// than the label, and makes it tall enough for the font's descenders; a
// label is never made smaller.
void fitToText(QLabel &label);

} // namespace ui
