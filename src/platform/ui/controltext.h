#pragma once

#include <QString>

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
// Any other object is left as it is.
namespace ui {

void setControlText(QObject &control, const QString &text);

// Widens a label to its text when the text (another language's) is longer
// than the label; a label is never narrowed.
void fitToText(QLabel &label);

} // namespace ui
