#include "tokenspans.h"

#include "jscriptscanner.h"
#include "vbscriptscanner.h"

#include <QString>

namespace colorizer {

void TokenSpans::write(TokenClass tokenClass, QStringView text)
{
    if (tokenClass != TokenClass::Plain)
        m_spans.push_back({m_offset, text.size(), tokenClass});
    m_offset += text.size();
}

void TokenSpans::writeSpace(QStringView text)
{
    m_offset += text.size();
}

namespace {

void scan(QStringView text, ScriptDialect dialect, TokenSink &out)
{
    if (dialect == ScriptDialect::JScript)
        scanJScript(text, out);
    else
        scanVBScript(text, out);
}

// The opener that puts the scanner back where the previous line left it.
QStringView reopener(LineState state)
{
    switch (state) {
    case LineState::InComment: return u"/*";
    case LineState::InTemplate: return u"`";
    case LineState::Closed: break;
    }
    return {};
}

// Whether the last span, reaching the end of `text`, is still open there.
LineState stateAfter(QStringView text, const std::vector<TokenSpan> &spans)
{
    if (spans.empty())
        return LineState::Closed;
    const TokenSpan &last = spans.back();
    if (last.start + last.length != text.size())
        return LineState::Closed;
    const QStringView token = text.sliced(last.start, last.length);
    if (last.tokenClass == TokenClass::Comment && token.startsWith(u"/*"))
        return token.size() >= 4 && token.endsWith(u"*/") ? LineState::Closed : LineState::InComment;
    // A piece of a template string starts with "`" or right after the "}"
    // that closes one of its ${…} parts; quoted strings and regular
    // expressions start with their own quote or slash.
    const bool templatePiece = token.startsWith(u'`')
        || (last.tokenClass == TokenClass::String && last.start > 0 && text[last.start - 1] == u'}'
            && !token.startsWith(u'"') && !token.startsWith(u'\'') && !token.startsWith(u'/'));
    if (last.tokenClass == TokenClass::String && templatePiece) {
        const qsizetype minimum = token.startsWith(u'`') ? 2 : 1;
        const bool closed = token.size() >= minimum && token.endsWith(u'`') && !token.endsWith(u"\\`");
        return closed ? LineState::Closed : LineState::InTemplate;
    }
    return LineState::Closed;
}

} // namespace

LineSpans scanLine(QStringView line, ScriptDialect dialect, LineState startState)
{
    const QStringView opener = dialect == ScriptDialect::JScript ? reopener(startState) : QStringView();
    TokenSpans collected;
    LineSpans result;
    if (opener.isEmpty()) {
        scan(line, dialect, collected);
        result.spans = collected.spans();
        result.endState = dialect == ScriptDialect::JScript ? stateAfter(line, result.spans) : LineState::Closed;
        std::erase_if(result.spans, [](const TokenSpan &span) { return span.length <= 0; });
        return result;
    }
    QString text;
    text.reserve(opener.size() + line.size());
    text.append(opener).append(line);
    scan(text, dialect, collected);
    result.endState = stateAfter(text, collected.spans());
    result.spans = collected.spans();
    for (TokenSpan &span : result.spans) {
        const qsizetype start = qMax<qsizetype>(span.start - opener.size(), 0);
        span.length -= start - (span.start - opener.size());
        span.start = start;
    }
    std::erase_if(result.spans, [](const TokenSpan &span) { return span.length <= 0; });
    return result;
}

std::vector<TokenSpan> scanText(QStringView text, ScriptDialect dialect)
{
    TokenSpans collected;
    scan(text, dialect, collected);
    return collected.spans();
}

} // namespace colorizer
