#include "vbscriptscanner.h"

#include "tokensink.h"
#include "scantext.h"

#include <array>

namespace colorizer {

namespace {

using namespace scan;

// Reserved words and the statement words a reader expects coloured, lower case.
constexpr std::array<std::string_view, 61> keywords = {
    "and", "as", "byref", "byval", "call", "case", "class", "const", "default", "dim",
    "do", "each", "else", "elseif", "empty", "end", "eqv", "erase", "error", "exit",
    "explicit", "false", "for", "function", "get", "goto", "if", "imp", "in", "is",
    "let", "loop", "me", "mod", "new", "next", "not", "nothing", "null", "on",
    "option", "or", "preserve", "private", "property", "public", "randomize", "redim", "resume", "select",
    "set", "step", "stop", "sub", "then", "to", "true", "until", "wend", "while",
    "with",
};
static_assert(std::ranges::is_sorted(keywords));
constexpr std::array<std::string_view, 1> remWord = {"rem"};

bool isOperator(char16_t c)
{
    switch (c) {
    case u'+': case u'-': case u'*': case u'/': case u'\\': case u'^': case u'&':
    case u'=': case u'<': case u'>': case u'(': case u')': case u',': case u'.':
    case u':': case u';':
        return true;
    default:
        return false;
    }
}

// Digits, one decimal point, an exponent: the end of a decimal number at `i`.
qsizetype decimalEnd(QStringView s, qsizetype i)
{
    const qsizetype n = s.size();
    while (i < n && isDigit(s[i].unicode()))
        ++i;
    if (i < n && s[i] == u'.') {
        ++i;
        while (i < n && isDigit(s[i].unicode()))
            ++i;
    }
    if (i < n && (s[i] == u'e' || s[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < n && (s[j] == u'+' || s[j] == u'-'))
            ++j;
        if (j < n && isDigit(s[j].unicode())) {
            i = j;
            while (i < n && isDigit(s[i].unicode()))
                ++i;
        }
    }
    return i;
}

// "..." with "" for a quote inside; an unterminated string stops at the line end.
qsizetype stringEnd(QStringView s, qsizetype i)
{
    const qsizetype n = s.size();
    ++i;
    while (i < n) {
        const char16_t c = s[i].unicode();
        if (isLineBreak(c))
            return i;
        ++i;
        if (c == u'"') {
            if (i < n && s[i] == u'"')
                ++i;
            else
                return i;
        }
    }
    return i;
}

// The closing character on the same line, past it; 0 when there is none.
qsizetype closedOnLine(QStringView s, qsizetype i, char16_t close)
{
    const qsizetype n = s.size();
    for (++i; i < n && !isLineBreak(s[i].unicode()); ++i) {
        if (s[i] == close)
            return i + 1;
    }
    return 0;
}

// "_" as the last thing on its line (spaces may follow) continues the statement.
bool isContinuation(QStringView s, qsizetype i)
{
    const qsizetype n = s.size();
    for (++i; i < n && isBlank(s[i].unicode()); ++i) {
    }
    return i == n || isLineBreak(s[i].unicode());
}

} // namespace

void scanVBScript(QStringView s, TokenSink &out)
{
    const qsizetype n = s.size();
    qsizetype i = 0;
    bool afterDot = false; // a word after "." is a member name, never a keyword or Rem
    while (i < n) {
        const qsizetype start = i;
        const char16_t c = s[i].unicode();

        if (isBlank(c) || isLineBreak(c)) {
            while (i < n && (isBlank(s[i].unicode()) || isLineBreak(s[i].unicode())))
                ++i;
            out.writeSpace(s.sliced(start, i - start));
            continue;
        }

        TokenClass tokenClass = TokenClass::Plain;
        if (isLetter(c)) {
            while (i < n && isWordPart(s[i].unicode()))
                ++i;
            const QStringView word = s.sliced(start, i - start);
            if (!afterDot && isKeyword(word, remWord, true)) {
                i = lineEnd(s, i);
                tokenClass = TokenClass::Comment;
            } else if (!afterDot && isKeyword(word, keywords, true)) {
                tokenClass = TokenClass::Keyword;
            }
        } else if (c == u'\'') {
            i = lineEnd(s, i);
            tokenClass = TokenClass::Comment;
        } else if (c == u'"') {
            i = stringEnd(s, i);
            tokenClass = TokenClass::String;
        } else if (isDigit(c) || (c == u'.' && i + 1 < n && isDigit(s[i + 1].unicode()))) {
            i = decimalEnd(s, i);
            tokenClass = TokenClass::Number;
        } else if (c == u'&' && i + 2 < n && (s[i + 1] == u'h' || s[i + 1] == u'H')
                   && isHexDigit(s[i + 2].unicode())) {
            for (i += 2; i < n && isHexDigit(s[i].unicode()); ++i) {
            }
            tokenClass = TokenClass::Number;
        } else if (c == u'&' && i + 2 < n && (s[i + 1] == u'o' || s[i + 1] == u'O')
                   && s[i + 2] >= u'0' && s[i + 2] <= u'7') {
            for (i += 2; i < n && s[i] >= u'0' && s[i] <= u'7'; ++i) {
            }
            tokenClass = TokenClass::Number;
        } else if (const qsizetype dateEnd = c == u'#' ? closedOnLine(s, i, u'#') : 0; dateEnd > i + 2) {
            i = dateEnd;
            tokenClass = TokenClass::Number;
        } else if (const qsizetype nameEnd = c == u'[' ? closedOnLine(s, i, u']') : 0; nameEnd) {
            i = nameEnd;
        } else {
            ++i;
            if (isOperator(c) || (c == u'_' && isContinuation(s, start)))
                tokenClass = TokenClass::Operator;
        }
        out.write(tokenClass, s.sliced(start, i - start));
        afterDot = c == u'.' && tokenClass == TokenClass::Operator;
    }
}

} // namespace colorizer
