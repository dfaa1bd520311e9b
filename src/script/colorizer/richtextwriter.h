#pragma once

#include "tokensink.h"

#include <QRgb>
#include <QString>
#include <QStringView>

namespace colorizer {

// Builds the rich text of a colourised script in one QString.
//
// The dialect is the HTML subset QTextEdit::setHtml reads: a body with a
// monospaced font and `white-space: pre-wrap` (spaces and tabs kept as they
// are), one `<p>` per source line, and a `<span style="color:#rrggbb;">` per
// coloured run. An empty line is Qt's own empty paragraph
// (`-qt-paragraph-type:empty` holding a `<br />`): a bare line break at the
// start or end of a paragraph is dropped by Qt's importer, an empty
// paragraph is not.
//
// Line ends: "\r\n", "\n" and a lone "\r" each end one line, so the
// document's plain text is the input with every line end turned into "\n",
// which is what a QTextEdit holds after setPlainText of the same input.
// Every other character is kept; `<`, `>` and `&` are written as entities.
class RichTextWriter : public TokenSink
{
public:
    // `sourceLength` sizes the buffer once.
    explicit RichTextWriter(qsizetype sourceLength);

    // Appends a token. Line breaks inside it (a block comment, a string
    // continued over lines) end the paragraph and reopen the colour after it.
    void write(TokenClass tokenClass, QStringView text) override;

    // Appends spaces, tabs and line breaks; whatever colour is open stays
    // open across them, so "End Function" is one span.
    void writeSpace(QStringView text) override;

    // The finished document; the writer is empty afterwards.
    QString finish();

private:
    void append(QStringView text, bool colourRun, TokenClass tokenClass);
    void closeSpan();
    void endLine();

    QString m_html;
    TokenClass m_openSpan = TokenClass::Plain; // Plain: no span open
    bool m_lineHasText = false;
    bool m_afterCarriageReturn = false; // a "\n" right after "\r" is the same line end
};

// The "#rrggbb" colour of a token class; Plain has none (empty).
const char *colorOf(TokenClass tokenClass);
// The same colour as a QRgb, opaque; 0 for Plain.
QRgb rgbOf(TokenClass tokenClass);

} // namespace colorizer
