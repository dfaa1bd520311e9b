#pragma once

#include <QTextEdit>

namespace host {
class Colorizer;
}

// The script pane of the editor's four panes and of the Events editor: plain
// text in "Courier New" 9 pt (or the closest fixed-pitch family), tab stops
// of four blanks, no wrapping and no context menu of its own.
class ScriptPane : public QTextEdit
{
    Q_OBJECT

public:
    explicit ScriptPane(QWidget *parent = nullptr);
};

// The pane operations, on any pane. A missing clipboard raises 521.

// Replaces the pane's content by the rich text that `colorizer` makes of its
// plain text and puts the caret back at its former character offset. A
// failing colouriser raises and leaves the pane as it was.
void colorizeScript(QTextEdit &pane, host::Colorizer &colorizer);
// The selected text onto the clipboard as plain text.
void copyScript(const QTextEdit &pane);
// The same, then the selection is deleted.
void cutScript(QTextEdit &pane);
// The selection is replaced by the clipboard's plain text.
void pasteScript(QTextEdit &pane);
