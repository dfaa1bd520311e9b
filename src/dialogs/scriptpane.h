#pragma once

#include "host/colorizer.h"
#include "panetexts.h"
#include "script/colorizer/scriptdialect.h"
#include "script/colorizer/tokenclass.h"
#include "script/engine/scripterrorinfo.h"
#include "tools/scriptdocument.h"

#include <QPlainTextEdit>

class PaneFindBar;
class PaneGutter;
class PaneHighlighter;
class QLabel;

namespace host {
class Colorizer;
}

// The script pane of the editor's four panes and of the Events editor: plain
// text in "Courier New" 9 pt (or the closest fixed-pitch family), tab stops
// of four blanks, no wrapping and no context menu of its own; line numbers
// in a gutter, the current line shaded, the text coloured as it is typed in
// the pane's dialect (see PaneHighlighter).
//
// Its text logic (line ends as loaded, find and replace, indenting) is a
// ScriptDocument over its document; the text of a script goes in and out
// through setScriptText, replaceScriptText and scriptText (scripttext.h).
//
// Keys of its own: Ctrl+F find, Ctrl+H replace, Ctrl+G go to line, F3 find
// again; Tab and Shift+Tab indent and unindent the selected lines; Enter
// (with or without Shift: a script has no soft line breaks) starts the new
// line with the blanks the line before starts with;
// Ctrl+Y redo; Ctrl+= and Ctrl+- (or Ctrl+wheel) zoom, Ctrl+0 back to 9 pt.
// Ctrl+Tab is left to the window.
//
// A status line under the text shows a short note (the outcome of a check, an
// error's place); a line can be marked (an error's), until the next edit.
class ScriptPane : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit ScriptPane(QWidget *parent = nullptr);

    colorizer::ScriptDialect dialect() const;
    void setDialect(colorizer::ScriptDialect dialect);
    // The dialect of a language list's text ("VBScript", "JScript"); any
    // other name leaves the dialect as it is.
    void setLanguageName(const QString &name);
    // The token class of the colour the character at `position` shows once
    // the lines in view are coloured (those lines are coloured first).
    colorizer::TokenClass colourAt(int position);
    // The same character's text colour; invalid when it has none.
    QColor textColourAt(int position);
    // Colours the lines with a colouriser's runs (see PaneHighlighter).
    void setGivenColours(const std::vector<host::ColourRun> &runs);

    ScriptDocument &script() { return m_script; }
    const ScriptDocument &script() const { return m_script; }

    // Puts the caret on `line` (from 1) and `column` (the script host's,
    // characters before the caret; clamped to the text),
    // marks the line and shows `note` in the status line.
    void markLine(int line, int column, const QString &note);
    void clearMark();
    // The marked line (from 1), 0 when none is.
    int markedLine() const { return m_markedLine; }
    // The status line's text; an empty text hides the status line.
    void showStatus(const QString &text);
    QString statusText() const;

    // Selects the next match of `text` (case-insensitive) after the caret, or
    // the one before it, going round the end; false when there is none.
    bool findNext(const QString &text, bool backward = false);
    // Replaces the selection when it is a match of `text`, then finds the next.
    bool replaceNext(const QString &text, const QString &with);
    // Replaces every match in one step of the undo history; returns the count.
    int replaceAll(const QString &text, const QString &with);
    // The caret to the start of `line` (from 1, clamped), in view.
    void goToLine(int line);
    PaneFindBar *findBar() const { return m_findBar; }

    const PaneTexts &texts() const { return m_texts; }
    void setTexts(const PaneTexts &texts);

    // Zoom by whole points; 0 steps back to the pane's own size.
    void zoomBy(int points);

    // For the gutter and the find bar.
    int gutterWidth() const;
    void paintGutter(QPaintEvent *event);
    void placeFindBar();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void highlightView();
    void updateMargins();
    void placeChildren();
    void updateExtraSelections();
    void textEdited(int position, int removed, int added);

    PaneHighlighter *m_highlighter;
    PaneGutter *m_gutter;
    PaneFindBar *m_findBar;
    QLabel *m_status;
    PaneTexts m_texts;
    ScriptDocument m_script;
    int m_markedLine = 0;
    qreal m_basePointSize = 9;
};

// The pane operations, on any pane. A missing clipboard raises 521.

// Marks the line of a script error and puts the caret at its place, with
// "WHO: Line L, column C: description" in the status line (line and column
// as the error report gives them; only the description when the host gives
// no line), its passwords masked, and gives the pane the focus.
void showScriptError(ScriptPane &pane, const QString &who, const ScriptErrorInfo &error);

// Asks `colorizer` for the colours of the pane's text (its rich text, or its
// runs when it offers them) and lays them over the lines; then puts the
// caret back at its former character offset, nothing selected. A failing
// colouriser, or one whose text is not the pane's, raises and leaves the
// pane as it was. The text and its undo history stay as they are. Counts as
// a change of the pane (textChanged), as replacing the text always did for
// the host.
void colorizeScript(ScriptPane &pane, host::Colorizer &colorizer);
// The selected text onto the clipboard as plain text.
void copyScript(const QPlainTextEdit &pane);
// The same, then the selection is deleted.
void cutScript(QPlainTextEdit &pane);
// The selection is replaced by the clipboard's plain text.
void pasteScript(QPlainTextEdit &pane);
