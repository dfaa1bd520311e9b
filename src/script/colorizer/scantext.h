#pragma once

#include <QChar>
#include <QStringView>

#include <algorithm>
#include <span>
#include <string_view>

// Character tests and look-ups the two script scanners share. ASCII is
// decided inline; other characters ask QChar only when needed.
namespace colorizer::scan {

inline bool isLineBreak(char16_t c) { return c == u'\n' || c == u'\r'; }
// Spaces and tabs (and the rare form feed / vertical tab): kept, never coloured.
inline bool isBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\f' || c == u'\v'; }
inline bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
inline bool isHexDigit(char16_t c)
{
    return isDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}
inline bool isAsciiLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
inline bool isLetter(char16_t c)
{
    return isAsciiLetter(c) || (c >= 0x80 && QChar(c).isLetter());
}
inline bool isWordPart(char16_t c) { return isLetter(c) || isDigit(c) || c == u'_'; }

// Index of the line break ending the line that holds `i`, or text.size().
inline qsizetype lineEnd(QStringView text, qsizetype i)
{
    const qsizetype n = text.size();
    while (i < n && !isLineBreak(text[i].unicode()))
        ++i;
    return i;
}

// Index just past the line break at `i` ("\r\n" counts as one).
inline qsizetype pastLineBreak(QStringView text, qsizetype i)
{
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
        return i + 2;
    return i + 1;
}

// True when `word` is one of `sortedWords` (ASCII, sorted; lower case when
// `foldCase`, which then compares `word` case-insensitively). A word with a
// non-ASCII character or longer than any keyword is never one.
inline bool isKeyword(QStringView word, std::span<const std::string_view> sortedWords, bool foldCase)
{
    constexpr qsizetype maxLength = 16;
    if (word.size() > maxLength)
        return false;
    char folded[maxLength];
    for (qsizetype i = 0; i < word.size(); ++i) {
        char16_t c = word[i].unicode();
        if (c >= 0x80)
            return false;
        if (foldCase && c >= u'A' && c <= u'Z')
            c = char16_t(c - u'A' + u'a');
        folded[i] = char(c);
    }
    return std::binary_search(sortedWords.begin(), sortedWords.end(),
                              std::string_view(folded, size_t(word.size())));
}

} // namespace colorizer::scan
