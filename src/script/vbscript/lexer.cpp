#include "lexer.h"

#include "errors.h"
#include "locale.h"
#include "runguard.h"
#include "text.h"
#include "variant.h"

#include <cmath>
#include <unordered_map>

namespace vbs {

namespace {

bool isLetter(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= 0xC0 && c != 0xD7 && c != 0xF7 && c < 0x2000) ||
           (c >= 0x3040 && c <= 0xFFEF && !(c >= 0xD800 && c <= 0xDFFF));
}
bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool isIdentChar(char16_t c) { return isLetter(c) || isDigit(c) || c == u'_'; }
bool isSpace(char16_t c) { return c == u' ' || c == u'\t' || c == 0xA0 || c == 0x3000 || c == 0xFEFF || c == u'\f' || c == u'\v'; }

const std::unordered_map<std::u16string, Tok> &keywords()
{
    static const std::unordered_map<std::u16string, Tok> map = {
        {u"and", Tok::KwAnd}, {u"byref", Tok::KwByRef}, {u"byval", Tok::KwByVal}, {u"call", Tok::KwCall},
        {u"case", Tok::KwCase}, {u"class", Tok::KwClass}, {u"const", Tok::KwConst}, {u"dim", Tok::KwDim},
        {u"do", Tok::KwDo}, {u"each", Tok::KwEach}, {u"else", Tok::KwElse}, {u"elseif", Tok::KwElseIf},
        {u"empty", Tok::KwEmpty}, {u"end", Tok::KwEnd}, {u"eqv", Tok::KwEqv}, {u"erase", Tok::KwErase},
        {u"exit", Tok::KwExit}, {u"false", Tok::KwFalse}, {u"for", Tok::KwFor}, {u"function", Tok::KwFunction},
        {u"goto", Tok::KwGoTo}, {u"if", Tok::KwIf}, {u"imp", Tok::KwImp}, {u"in", Tok::KwIn}, {u"is", Tok::KwIs},
        {u"let", Tok::KwLet}, {u"loop", Tok::KwLoop}, {u"me", Tok::KwMe}, {u"mod", Tok::KwMod}, {u"new", Tok::KwNew},
        {u"next", Tok::KwNext}, {u"not", Tok::KwNot}, {u"nothing", Tok::KwNothing}, {u"null", Tok::KwNull},
        {u"on", Tok::KwOn}, {u"option", Tok::KwOption}, {u"or", Tok::KwOr}, {u"private", Tok::KwPrivate},
        {u"property", Tok::KwProperty}, {u"public", Tok::KwPublic}, {u"redim", Tok::KwReDim},
        {u"select", Tok::KwSelect}, {u"set", Tok::KwSet}, {u"sub", Tok::KwSub}, {u"then", Tok::KwThen},
        {u"to", Tok::KwTo}, {u"true", Tok::KwTrue}, {u"until", Tok::KwUntil}, {u"wend", Tok::KwWend},
        {u"while", Tok::KwWhile}, {u"with", Tok::KwWith}, {u"xor", Tok::KwXor},
    };
    return map;
}

} // namespace

Lexer::Lexer(std::u16string_view source) : m_src(source) {}

std::u16string Lexer::lineText(std::u16string_view source, int line)
{
    std::size_t p = 0;
    for (int l = 1; l < line && p < source.size(); ++p) {
        if (source[p] == u'\r') {
            if (p + 1 < source.size() && source[p + 1] == u'\n')
                ++p;
            ++l;
        } else if (source[p] == u'\n') {
            ++l;
        }
    }
    std::size_t e = p;
    while (e < source.size() && source[e] != u'\r' && source[e] != u'\n')
        ++e;
    return std::u16string(source.substr(p, e - p));
}

void Lexer::fail(CompileError number, int line, int column) const
{
    raiseCompileError(number, line, column, lineText(m_src, line));
}

bool Lexer::atLineEnd(std::size_t p) const
{
    return p >= m_src.size() || m_src[p] == u'\r' || m_src[p] == u'\n';
}

// Before each token: charges the room of the next one (the vector doubles
// ahead of time, so pushing never reallocates uncharged) and the text of the
// last, and counts the source read as work.
void Lexer::account(std::vector<Token> &out)
{
    if (out.size() > m_counted) {
        const Token &last = out.back(); // a string's text is charged as it is read
        if (last.kind != Tok::String && last.text.capacity() > 7)
            m_textBytes += last.text.capacity() * sizeof(char16_t);
        m_counted = out.size();
    }
    std::size_t capacity = out.capacity();
    if (out.size() == capacity)
        capacity = capacity < 64 ? 64 : capacity * 2;
    m_memory.resize(capacity * sizeof(Token) + m_textBytes);
    if (capacity != out.capacity())
        out.reserve(capacity);
    work(m_pos - m_polled + 1);
    m_polled = m_pos;
}

std::vector<Token> Lexer::tokenize()
{
    std::vector<Token> out;
    bool space = true;
    bool continued = false; // a line continuation went before: "obj _ NL .Member" is one member access
    while (true) {
        account(out);
        while (m_pos < m_src.size() && isSpace(m_src[m_pos])) {
            ++m_pos;
            space = !continued;
        }
        continued = false;
        Token t;
        t.line = m_line;
        t.column = static_cast<int>(m_pos - m_lineStart);
        t.spaceBefore = space;
        space = false;
        if (m_pos >= m_src.size()) {
            t.kind = Tok::End;
            out.push_back(std::move(t));
            return out;
        }
        const char16_t c = m_src[m_pos];
        if (c == u'\r' || c == u'\n') {
            ++m_pos;
            if (c == u'\r' && m_pos < m_src.size() && m_src[m_pos] == u'\n')
                ++m_pos;
            t.kind = Tok::NewLine;
            out.push_back(std::move(t));
            ++m_line;
            m_lineStart = m_pos;
            space = true;
            continue;
        }
        if (c == u'\'') {
            while (!atLineEnd(m_pos))
                ++m_pos;
            continue;
        }
        if (c == u'_') {
            // Line continuation: '_' then only spaces up to the line end.
            std::size_t p = m_pos + 1;
            while (p < m_src.size() && isSpace(m_src[p]))
                ++p;
            if (p < m_src.size() && (m_src[p] == u'\r' || m_src[p] == u'\n')) {
                if (m_src[p] == u'\r' && p + 1 < m_src.size() && m_src[p + 1] == u'\n')
                    ++p;
                m_pos = p + 1;
                ++m_line;
                m_lineStart = m_pos;
                space = false;
                continued = true;
                continue;
            }
            fail(CompileError::InvalidCharacter, t.line, t.column);
        }
        if (isLetter(c)) {
            lexIdentifier(t);
            // "Rem" starts a comment, except as a member name: "obj.rem".
            const bool member = !out.empty() && out.back().kind == Tok::Dot && !t.spaceBefore;
            if (t.kind == Tok::Identifier && !member && equalsNoCase(t.text, u"rem") &&
                (atLineEnd(m_pos) || isSpace(m_src[m_pos]) || m_src[m_pos] == u':')) {
                while (!atLineEnd(m_pos))
                    ++m_pos;
                continue;
            }
            out.push_back(std::move(t));
            continue;
        }
        if (isDigit(c) || (c == u'.' && m_pos + 1 < m_src.size() && isDigit(m_src[m_pos + 1]) &&
                           (out.empty() || t.spaceBefore ||
                            (out.back().kind != Tok::Identifier && out.back().kind != Tok::RParen)))) {
            lexNumber(t);
            out.push_back(std::move(t));
            continue;
        }
        switch (c) {
        case u'"': lexString(t); out.push_back(std::move(t)); continue;
        case u'#': lexDate(t); out.push_back(std::move(t)); continue;
        case u'[': {
            std::size_t p = m_pos + 1;
            while (p < m_src.size() && m_src[p] != u']' && m_src[p] != u'\r' && m_src[p] != u'\n')
                ++p;
            if (p >= m_src.size() || m_src[p] != u']')
                fail(CompileError::ExpectedCloseBracket, t.line, static_cast<int>(p - m_lineStart));
            t.kind = Tok::Identifier;
            t.text = std::u16string(m_src.substr(m_pos + 1, p - m_pos - 1));
            if (t.text.size() > 255)
                fail(CompileError::IdentifierTooLong, t.line, t.column);
            m_pos = p + 1;
            out.push_back(std::move(t));
            continue;
        }
        case u'&':
            if (startsRadixLiteral()) {
                lexHexOctal(t);
                out.push_back(std::move(t));
                continue;
            }
            t.kind = Tok::Amp;
            break;
        case u':': t.kind = Tok::Colon; break;
        case u'(': t.kind = Tok::LParen; break;
        case u')': t.kind = Tok::RParen; break;
        case u',': t.kind = Tok::Comma; break;
        case u'.': t.kind = Tok::Dot; break;
        case u'+': t.kind = Tok::Plus; break;
        case u'-': t.kind = Tok::Minus; break;
        case u'*': t.kind = Tok::Star; break;
        case u'/': t.kind = Tok::Slash; break;
        case u'\\': t.kind = Tok::Backslash; break;
        case u'^': t.kind = Tok::Caret; break;
        case u'=':
            t.kind = Tok::Eq;
            if (m_pos + 1 < m_src.size() && m_src[m_pos + 1] == u'<') {
                t.kind = Tok::Le;
                ++m_pos;
            } else if (m_pos + 1 < m_src.size() && m_src[m_pos + 1] == u'>') {
                t.kind = Tok::Ge;
                ++m_pos;
            }
            break;
        case u'<':
            t.kind = Tok::Lt;
            if (m_pos + 1 < m_src.size() && m_src[m_pos + 1] == u'>') {
                t.kind = Tok::Ne;
                ++m_pos;
            } else if (m_pos + 1 < m_src.size() && m_src[m_pos + 1] == u'=') {
                t.kind = Tok::Le;
                ++m_pos;
            }
            break;
        case u'>':
            t.kind = Tok::Gt;
            if (m_pos + 1 < m_src.size() && m_src[m_pos + 1] == u'=') {
                t.kind = Tok::Ge;
                ++m_pos;
            } else if (m_pos + 1 < m_src.size() && m_src[m_pos + 1] == u'<') {
                t.kind = Tok::Ne;
                ++m_pos;
            }
            break;
        default: fail(CompileError::InvalidCharacter, t.line, t.column);
        }
        ++m_pos;
        out.push_back(std::move(t));
    }
}

void Lexer::lexIdentifier(Token &t)
{
    const std::size_t start = m_pos;
    while (m_pos < m_src.size() && isIdentChar(m_src[m_pos]))
        ++m_pos;
    t.text = std::u16string(m_src.substr(start, m_pos - start));
    if (t.text.size() > 255)
        fail(CompileError::IdentifierTooLong, t.line, t.column);
    std::u16string key;
    key.reserve(t.text.size());
    for (char16_t ch : t.text)
        key.push_back(foldChar(ch));
    const auto it = keywords().find(key);
    t.kind = it == keywords().end() ? Tok::Identifier : it->second;
}

void Lexer::lexNumber(Token &t)
{
    const std::size_t start = m_pos;
    bool isFloat = false;
    while (m_pos < m_src.size() && isDigit(m_src[m_pos]))
        ++m_pos;
    if (m_pos < m_src.size() && m_src[m_pos] == u'.') {
        isFloat = true;
        ++m_pos;
        while (m_pos < m_src.size() && isDigit(m_src[m_pos]))
            ++m_pos;
    }
    if (m_pos < m_src.size() && (m_src[m_pos] == u'e' || m_src[m_pos] == u'E')) {
        std::size_t p = m_pos + 1;
        if (p < m_src.size() && (m_src[p] == u'+' || m_src[p] == u'-'))
            ++p;
        if (p < m_src.size() && isDigit(m_src[p])) {
            isFloat = true;
            while (p < m_src.size() && isDigit(m_src[p]))
                ++p;
            m_pos = p;
        } else {
            fail(CompileError::InvalidNumber, t.line, t.column);
        }
    }
    std::string ascii;
    for (std::size_t i = start; i < m_pos; ++i)
        ascii.push_back(static_cast<char>(m_src[i]));
    const double v = std::strtod(ascii.c_str(), nullptr);
    if (!std::isfinite(v))
        fail(CompileError::InvalidNumber, t.line, t.column);
    // Type suffixes VBScript tolerates after a number: & % # ! @.
    if (m_pos < m_src.size() && (m_src[m_pos] == u'#' || m_src[m_pos] == u'!' || m_src[m_pos] == u'@')) {
        isFloat = true;
        ++m_pos;
    } else if (m_pos < m_src.size() && (m_src[m_pos] == u'%' || m_src[m_pos] == u'&') && !isFloat &&
               !operandAt(m_pos + 1)) {
        ++m_pos;
    }
    if (m_pos < m_src.size() && isIdentChar(m_src[m_pos]))
        fail(CompileError::ExpectedEndOfStatement, t.line, static_cast<int>(m_pos - m_lineStart));
    t.number = v;
    t.kind = (isFloat || v > 2147483647.0) ? Tok::Float : Tok::Integer;
}

// A number's '%' or '&' suffix is an operator instead when an operand is
// glued to it: "1&"a"", "&HFF&x" concatenate.
bool Lexer::operandAt(std::size_t p) const
{
    return p < m_src.size() && (isIdentChar(m_src[p]) || m_src[p] == u'"' || m_src[p] == u'(' || m_src[p] == u'&');
}

// "&H1F", "&O17", "&17" are numbers; without a digit after the H or O the
// '&' concatenates ("x" &hi).
bool Lexer::startsRadixLiteral() const
{
    if (m_pos + 2 > m_src.size())
        return false;
    const char16_t c = m_src[m_pos + 1];
    if (isDigit(c))
        return true;
    const char16_t d = m_pos + 2 < m_src.size() ? m_src[m_pos + 2] : u'\0';
    if (c == u'H' || c == u'h')
        return isDigit(d) || (d >= u'a' && d <= u'f') || (d >= u'A' && d <= u'F');
    return (c == u'O' || c == u'o') && isDigit(d); // "&O8" is a syntax error, not a concatenation
}

void Lexer::lexHexOctal(Token &t)
{
    std::size_t p = m_pos + 1;
    int radix = 8;
    if (m_src[p] == u'H' || m_src[p] == u'h') {
        radix = 16;
        ++p;
    } else if (m_src[p] == u'O' || m_src[p] == u'o') {
        ++p;
    }
    std::uint64_t v = 0;
    std::size_t digits = 0;
    while (p < m_src.size()) {
        const char16_t c = m_src[p];
        int d = -1;
        if (isDigit(c))
            d = c - u'0';
        else if (radix == 16 && c >= u'a' && c <= u'f')
            d = c - u'a' + 10;
        else if (radix == 16 && c >= u'A' && c <= u'F')
            d = c - u'A' + 10;
        if (d < 0 || d >= radix)
            break;
        v = v * static_cast<unsigned>(radix) + static_cast<unsigned>(d);
        if (v > 0xFFFFFFFFull)
            fail(CompileError::InvalidNumber, t.line, t.column);
        ++digits;
        ++p;
    }
    if (digits == 0)
        fail(CompileError::SyntaxError, t.line, t.column);
    bool forceLong = false;
    if (p < m_src.size() && m_src[p] == u'&' && !operandAt(p + 1)) {
        forceLong = true;
        ++p;
    }
    m_pos = p; // a word may follow directly: "&h01or&h02"
    if (!forceLong && v <= 0xFFFF)
        t.number = static_cast<std::int16_t>(static_cast<std::uint16_t>(v));
    else
        t.number = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
    t.kind = Tok::Integer;
}

// The text is measured first, so that it is charged before it is made.
void Lexer::lexString(Token &t)
{
    std::size_t end = m_pos + 1, length = 0;
    while (true) {
        if (atLineEnd(end))
            fail(CompileError::UnterminatedString, t.line, t.column);
        if (m_src[end] == u'"') {
            if (end + 1 < m_src.size() && m_src[end + 1] == u'"') {
                ++length;
                end += 2;
                continue;
            }
            break;
        }
        ++length;
        ++end;
    }
    work(end - m_pos);
    m_textBytes += length * sizeof(char16_t);
    m_memory.grow(length * sizeof(char16_t));
    std::u16string value;
    value.reserve(length);
    for (std::size_t p = m_pos + 1; p < end; ++p) {
        value.push_back(m_src[p]);
        if (m_src[p] == u'"')
            ++p;
    }
    m_pos = end + 1;
    t.kind = Tok::String;
    t.text = std::move(value);
}

void Lexer::lexDate(Token &t)
{
    std::size_t p = m_pos + 1;
    while (!atLineEnd(p) && m_src[p] != u'#')
        ++p;
    if (atLineEnd(p))
        fail(CompileError::InvalidCharacter, t.line, t.column);
    const std::u16string_view body = m_src.substr(m_pos + 1, p - m_pos - 1);
    double serial = 0;
    {
        // Date literals are always read the English - United States way.
        LocaleScope us(&englishUS());
        if (!parseDate(body, serial))
            fail(CompileError::InvalidNumber, t.line, t.column);
    }
    m_pos = p + 1;
    t.kind = Tok::Date;
    t.number = serial;
}

} // namespace vbs
