#pragma once

#include "scriptdialect.h"
#include "tokenclass.h"
#include "tokensink.h"

#include <QStringView>

#include <vector>

namespace colorizer {

// A coloured run of a scanned text: its offset and length in the text.
struct TokenSpan
{
    qsizetype start = 0;
    qsizetype length = 0;
    TokenClass tokenClass = TokenClass::Plain;
};

// Collects the spans of the tokens that have a colour; plain tokens and white
// space only move the offset on.
class TokenSpans : public TokenSink
{
public:
    void write(TokenClass tokenClass, QStringView text) override;
    void writeSpace(QStringView text) override;

    const std::vector<TokenSpan> &spans() const { return m_spans; }

private:
    std::vector<TokenSpan> m_spans;
    qsizetype m_offset = 0;
};

// What a line leaves open for the next one. VBScript closes everything on its
// line; JScript may go on inside a /* comment */ or a `template string`.
enum class LineState : unsigned char { Closed, InComment, InTemplate };

struct LineSpans
{
    std::vector<TokenSpan> spans; // offsets into the line
    LineState endState = LineState::Closed;
};

// The spans of one line (no line break in it) that starts in `startState`.
// A line scanned on its own gets the same classes as inside the whole text,
// as long as the state carried from line to line is the one returned here.
LineSpans scanLine(QStringView line, ScriptDialect dialect, LineState startState);

// The spans of a whole text.
std::vector<TokenSpan> scanText(QStringView text, ScriptDialect dialect);

} // namespace colorizer
