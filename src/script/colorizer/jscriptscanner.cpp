#include "jscriptscanner.h"

#include "tokensink.h"
#include "scantext.h"

#include <array>
#include <vector>

namespace colorizer {

namespace {

using namespace scan;

constexpr std::array<std::string_view, 40> keywords = {
    "await", "break", "case", "catch", "class", "const", "continue", "debugger",
    "default", "delete", "do", "else", "enum", "export", "extends", "false",
    "finally", "for", "function", "if", "import", "in", "instanceof", "let",
    "new", "null", "return", "super", "switch", "this", "throw", "true",
    "try", "typeof", "undefined", "var", "void", "while", "with", "yield",
};
static_assert(std::ranges::is_sorted(keywords));

// Keywords after which a "/" divides (they are operands); after any other
// keyword a "/" starts a regular expression.
constexpr std::array<std::string_view, 6> operandKeywords = {
    "false", "null", "super", "this", "true", "undefined",
};
static_assert(std::ranges::is_sorted(operandKeywords));

bool isOperator(char16_t c)
{
    switch (c) {
    case u'{': case u'}': case u'(': case u')': case u'[': case u']': case u';':
    case u',': case u'.': case u'<': case u'>': case u'=': case u'!': case u'+':
    case u'-': case u'*': case u'/': case u'%': case u'&': case u'|': case u'^':
    case u'~': case u'?': case u':': case u'@': case u'#':
        return true;
    default:
        return false;
    }
}

bool isWordStart(char16_t c) { return isLetter(c) || c == u'$' || c == u'_'; }
bool isWordChar(char16_t c) { return isWordPart(c) || c == u'$'; }

qsizetype digitsEnd(QStringView s, qsizetype i, bool (*isDigitOf)(char16_t))
{
    const qsizetype n = s.size();
    while (i < n && (isDigitOf(s[i].unicode()) || s[i] == u'_'))
        ++i;
    return i;
}

bool isDecimalDigit(char16_t c) { return isDigit(c); }
bool isAnyHexDigit(char16_t c) { return isHexDigit(c); }

// 0x1F, 0b101, 0o17, 1_000.5e-3, .5, 10n.
qsizetype numberEnd(QStringView s, qsizetype i)
{
    const qsizetype n = s.size();
    if (s[i] == u'0' && i + 1 < n) {
        const char16_t prefix = char16_t(s[i + 1].unicode() | 0x20);
        if (prefix == u'x' || prefix == u'b' || prefix == u'o') {
            i = digitsEnd(s, i + 2, isAnyHexDigit);
            return i < n && s[i] == u'n' ? i + 1 : i;
        }
    }
    i = digitsEnd(s, i, isDecimalDigit);
    if (i < n && s[i] == u'.')
        i = digitsEnd(s, i + 1, isDecimalDigit);
    if (i < n && (s[i] == u'e' || s[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < n && (s[j] == u'+' || s[j] == u'-'))
            ++j;
        if (j < n && isDigit(s[j].unicode()))
            i = digitsEnd(s, j, isDecimalDigit);
    }
    return i < n && s[i] == u'n' ? i + 1 : i;
}

// Past a backslash escape at `i`: one character, or one line break
// ("\r\n" whole) where a string continues on the next line.
qsizetype pastEscape(QStringView s, qsizetype i)
{
    ++i;
    if (i >= s.size())
        return i;
    return isLineBreak(s[i].unicode()) ? pastLineBreak(s, i) : i + 1;
}

// '…' or "…"; unterminated: up to the line end.
qsizetype quotedEnd(QStringView s, qsizetype i)
{
    const qsizetype n = s.size();
    const QChar quote = s[i];
    ++i;
    while (i < n) {
        if (s[i] == u'\\') {
            i = pastEscape(s, i);
        } else if (isLineBreak(s[i].unicode())) {
            return i;
        } else if (s[i++] == quote) {
            return i;
        }
    }
    return i;
}

// /* … */; unterminated: the rest of the text.
qsizetype blockCommentEnd(QStringView s, qsizetype i)
{
    const qsizetype n = s.size();
    for (i += 2; i + 1 < n; ++i) {
        if (s[i] == u'*' && s[i + 1] == u'/')
            return i + 2;
    }
    return n;
}

// /pattern/flags on one line, with [classes] and escapes; 0 when the line
// ends first (the "/" is then an operator).
qsizetype regexEnd(QStringView s, qsizetype i)
{
    const qsizetype n = s.size();
    bool inClass = false;
    for (++i; i < n;) {
        const char16_t c = s[i].unicode();
        if (isLineBreak(c))
            return 0;
        if (c == u'\\') {
            if (i + 1 < n && isLineBreak(s[i + 1].unicode()))
                return 0;
            i += 2;
            continue;
        }
        ++i;
        if (c == u'[') {
            inClass = true;
        } else if (c == u']') {
            inClass = false;
        } else if (c == u'/' && !inClass) {
            while (i < n && isWordChar(s[i].unicode()))
                ++i;
            return i;
        }
    }
    return 0;
}

// Characters of a template string from `i`: up to and past the closing "`"
// (closed), up to a "${" (not past it), or to the end of the text.
struct TemplatePart
{
    qsizetype end;
    bool opensExpression;
};

TemplatePart templatePart(QStringView s, qsizetype i)
{
    const qsizetype n = s.size();
    while (i < n) {
        const char16_t c = s[i].unicode();
        if (c == u'\\') {
            i = pastEscape(s, i);
        } else if (c == u'`') {
            return {i + 1, false};
        } else if (c == u'$' && i + 1 < n && s[i + 1] == u'{') {
            return {i, true};
        } else {
            ++i;
        }
    }
    return {n, false};
}

// The scanner's state between tokens.
class Scanner
{
public:
    Scanner(QStringView text, TokenSink &out) : s(text), out(out) {}

    void run()
    {
        while (i < s.size())
            token();
    }

private:
    void put(TokenClass tokenClass, qsizetype start)
    {
        out.write(tokenClass, s.sliced(start, i - start));
    }

    // From a "`" or a "}" that closes a ${…}: string text, and the "${"
    // that opens the next expression, whose braces are then counted.
    void templateText(qsizetype start)
    {
        const TemplatePart part = templatePart(s, i);
        i = part.end;
        put(TokenClass::String, start);
        if (part.opensExpression) {
            const qsizetype open = i;
            i += 2;
            put(TokenClass::Operator, open);
            openBraces.push_back(0);
            operandEnded = false;
            previous = s.sliced(open, 2);
            previousClass = TokenClass::Operator;
        } else {
            operandEnded = true;
            previous = s.sliced(start, i - start);
            previousClass = TokenClass::String;
        }
    }

    void token()
    {
        const qsizetype n = s.size();
        const qsizetype start = i;
        const char16_t c = s[i].unicode();
        const char16_t next = i + 1 < n ? s[i + 1].unicode() : u'\0';

        if (isBlank(c) || isLineBreak(c)) {
            while (i < n && (isBlank(s[i].unicode()) || isLineBreak(s[i].unicode())))
                ++i;
            out.writeSpace(s.sliced(start, i - start));
            return;
        }
        if (c == u'/' && next == u'/') {
            i = lineEnd(s, i);
            put(TokenClass::Comment, start);
            return;
        }
        if (c == u'/' && next == u'*') {
            i = blockCommentEnd(s, i);
            put(TokenClass::Comment, start);
            return;
        }
        if (c == u'`') {
            ++i;
            templateText(start);
            return;
        }
        if (c == u'}' && !openBraces.empty() && openBraces.back() == 0) {
            openBraces.pop_back();
            ++i;
            put(TokenClass::Operator, start);
            templateText(i);
            return;
        }

        TokenClass tokenClass = TokenClass::Plain;
        bool operand = true;
        if (isWordStart(c)) {
            while (i < n && isWordChar(s[i].unicode()))
                ++i;
            const QStringView word = s.sliced(start, i - start);
            if (!afterDot && isKeyword(word, keywords, false)) {
                tokenClass = TokenClass::Keyword;
                operand = isKeyword(word, operandKeywords, false);
            }
        } else if (c == u'"' || c == u'\'') {
            i = quotedEnd(s, i);
            tokenClass = TokenClass::String;
        } else if (isDigit(c) || (c == u'.' && isDigit(next))) {
            i = numberEnd(s, i);
            tokenClass = TokenClass::Number;
        } else if (const qsizetype end = c == u'/' && !operandEnded ? regexEnd(s, i) : 0; end) {
            i = end;
            tokenClass = TokenClass::String;
        } else {
            ++i;
            if ((c == u'+' || c == u'-') && next == c) {
                ++i;                    // after a postfix ++ or -- an operand has ended
                tokenClass = TokenClass::Operator;
                operand = operandEnded;
            } else if (isOperator(c)) {
                tokenClass = TokenClass::Operator;
                operand = bracket(c) || c == u']';
                if (!openBraces.empty()) {
                    if (c == u'{')
                        ++openBraces.back();
                    else if (c == u'}')
                        --openBraces.back();
                }
            }
        }
        put(tokenClass, start);
        afterDot = c == u'.' && tokenClass == TokenClass::Operator;
        operandEnded = operand;
        previous = s.sliced(start, i - start);
        previousClass = tokenClass;
    }

    // Keeps the bracket stacks for ( ) { }; answers whether a ) or } just
    // read ends an operand. After the ) of an if/while/for/with head a
    // statement starts, so a "/" there opens a regular expression; after any
    // other ) it divides. A { opens a block after ), ;, {, }, =>, else, do,
    // try, finally or at the start, and an object literal anywhere else; a
    // "/" after a block's } starts a regular expression.
    bool bracket(char16_t c)
    {
        const bool word = previousClass == TokenClass::Keyword || previousClass == TokenClass::Plain;
        if (c == u'(') {
            parenHeads.push_back(word && (previous == u"if" || previous == u"while" || previous == u"for"
                                          || previous == u"with"));
        } else if (c == u')') {
            const bool head = !parenHeads.empty() && parenHeads.back();
            if (!parenHeads.empty())
                parenHeads.pop_back();
            return !head;
        } else if (c == u'{') {
            const bool arrow = previous == u">" && previousStart() > 0 && s[previousStart() - 1] == u'=';
            braceBlocks.push_back(previous.isEmpty() || arrow
                                  || (previousClass != TokenClass::String
                                      && (previous == u")" || previous == u";" || previous == u"{" || previous == u"}"
                                          || previous == u"else" || previous == u"do" || previous == u"try"
                                          || previous == u"finally")));
        } else if (c == u'}') {
            const bool block = !braceBlocks.empty() && braceBlocks.back();
            if (!braceBlocks.empty())
                braceBlocks.pop_back();
            return !block;
        }
        return false;
    }
    qsizetype previousStart() const { return previous.data() - s.data(); }

    QStringView s;
    TokenSink &out;
    qsizetype i = 0;
    bool afterDot = false;      // a word after "." is a property name
    bool operandEnded = false;  // a "/" now divides instead of starting a regex
    QStringView previous;       // the last token that is not blank or a comment
    TokenClass previousClass = TokenClass::Plain;
    std::vector<bool> parenHeads;   // for each open (: does it hold an if/while/for/with head
    std::vector<bool> braceBlocks;  // for each open {: is it a block
    // For each ${…} being scanned, the braces opened inside it and not yet closed.
    std::vector<int> openBraces;
};

} // namespace

void scanJScript(QStringView text, TokenSink &out)
{
    Scanner(text, out).run();
}

} // namespace colorizer
