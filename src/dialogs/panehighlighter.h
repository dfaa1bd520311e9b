#pragma once

#include "host/colorizer.h"
#include "script/colorizer/scriptdialect.h"
#include "script/colorizer/tokenclass.h"

#include <QObject>
#include <QTextCharFormat>

#include <array>

class QPalette;
class QPlainTextEdit;
class QTextBlock;
class QTextDocument;

// Colours a script pane as it is typed, from the colouriser's scanners, one
// line (text block) at a time and only the lines that come into view: a
// big script costs nothing until it is scrolled to. A line's colours are
// layout formats, never character formats, so they are not part of the
// text, the undo history or the text typed next to them.
//
// Each block keeps in its user state what it was coloured from: the state
// the line above left open (a JScript comment or template string going on),
// the state it leaves itself, and whether its formats are current. An edit
// forgets the edited blocks; a new dialect or palette forgets them all.
//
// A colouriser's colours for the whole text (Colorize) are laid over the
// lines: a line shows them until it is edited, then its scanned colours
// again. A line keeps them (as block user data) only where they differ from
// its scanned colours; the colouriser's standard token colours show as this
// pane's colours of their class (lighter ones on a dark background).
class PaneHighlighter : public QObject
{
    Q_OBJECT

public:
    explicit PaneHighlighter(QPlainTextEdit *pane);

    colorizer::ScriptDialect dialect() const { return m_dialect; }
    void setDialect(colorizer::ScriptDialect dialect);
    // The token colours that read on the pane's background (its base colour).
    void setPanePalette(const QPalette &palette);

    // Colours the lines from `first` to `last` (text blocks in view) and
    // works out the state of the lines above them.
    void highlight(const QTextBlock &first, const QTextBlock &last);
    // Forgets every line's colours; they are made again when next in view.
    void rehighlight();
    // Lays a colouriser's runs (positions in the document) over the lines.
    void setGivenColours(const std::vector<host::ColourRun> &runs);

    // The token class whose colour the character at `position` shows; Plain
    // when it has none or its line has not been coloured.
    colorizer::TokenClass classAt(int position) const;
    // The text colour the character at `position` shows; invalid when none.
    QColor colourAt(int position) const;

private:
    void contentsChanged(int position, int removed, int added);
    int colour(const QTextBlock &block, int startState, bool apply);
    QTextCharFormat formatAt(int position) const;
    QTextCharFormat formatOf(const QColor &colour) const;

    QPlainTextEdit *m_pane;
    QTextDocument *m_document;
    colorizer::ScriptDialect m_dialect = colorizer::ScriptDialect::VBScript;
    std::array<QTextCharFormat, 6> m_formats;
    int m_generation = 1;
    int m_statesKnownBefore = 0; // blocks above this number have a known state
};
