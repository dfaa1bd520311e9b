#pragma once

// The text algorithms behind the string built-ins, on UTF-16 strings with
// 0-based positions. Comparison modes follow vbBinaryCompare (code units)
// and vbTextCompare (case-insensitive for Latin, Greek, Cyrillic and
// full-width Latin letters). Argument checks and 1-based positions are the
// built-ins' business. Every function here is linear in its input and polls
// the run's deadline as it goes (see runguard.h).

#include "textbuilder.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vbs {

enum class CompareMode { Binary = 0, Text = 1 };

char16_t lowerChar(char16_t c) noexcept;
char16_t upperChar(char16_t c) noexcept;
std::u16string lowerText(std::u16string_view s);
std::u16string upperText(std::u16string_view s);

// A needle prepared for searching: linear in the text whatever the needle
// holds. A short needle is compared where each candidate starts; a longer one
// runs through its prefix table (Knuth-Morris-Pratt), so "aaa...ab" in
// "aaa...a" costs no more than any other search. Text mode compares folded
// units without copying the text. Searching polls the run's deadline (18)
// and the tables are charged to its budget (7).
class TextSearch
{
public:
    TextSearch(std::u16string_view needle, CompareMode mode);
    ~TextSearch();
    TextSearch(const TextSearch &) = delete;
    TextSearch &operator=(const TextSearch &) = delete;

    std::size_t size() const noexcept { return m_needle.size(); }
    // The first occurrence at or after `start`, npos if none. An empty
    // needle is found at `start` (npos when start is past the end).
    std::size_t find(std::u16string_view hay, std::size_t start) const;
    // The last occurrence lying wholly within the first `limit` units of
    // `hay`, npos if none or when limit is past the end; an empty needle is
    // found at limit - 1 (npos for a limit of 0).
    std::size_t findLast(std::u16string_view hay, std::size_t limit) const;

private:
    struct Tables;
    std::u16string m_needle; // folded in Text mode
    CompareMode m_mode;
    mutable Tables *m_tables = nullptr; // made on first use by a long needle
};

// InStr: the first position >= start where `needle` occurs (see TextSearch::find).
std::size_t findText(std::u16string_view hay, std::u16string_view needle, std::size_t start, CompareMode mode);

// InStrRev: see TextSearch::findLast.
std::size_t findTextReverse(std::u16string_view hay, std::u16string_view needle, std::size_t limit,
                            CompareMode mode);

// StrComp: -1, 0 or 1.
int compareText(std::u16string_view a, std::u16string_view b, CompareMode mode);

// The number of non-overlapping occurrences of `find` in `text` from
// `start`, up to `limit` (all for a negative limit); 0 for an empty `find`.
std::size_t countText(std::u16string_view text, std::u16string_view find, std::size_t start, long limit,
                      CompareMode mode);

// Replace: the text from `start` on, with up to `count` occurrences (all for
// a negative count) of `find` replaced, appended to `out`. The result's exact
// length is reserved (and charged) before it is built. An empty `find`
// changes nothing.
void replaceText(TextBuilder &out, std::u16string_view text, std::u16string_view find, std::u16string_view with,
                 std::size_t start, long count, CompareMode mode);

// Split: calls `part` with each of at most `limit` parts (all for a negative
// limit; none for 0) and returns how many there were. An empty text gives no
// parts; an empty delimiter gives the whole text.
template <class Part>
std::size_t splitText(std::u16string_view text, std::u16string_view delimiter, long limit, CompareMode mode,
                      Part &&part)
{
    if (text.empty() || limit == 0)
        return 0;
    std::size_t parts = 0, pos = 0;
    if (!delimiter.empty()) {
        const TextSearch search(delimiter, mode);
        while (limit < 0 || static_cast<long>(parts) < limit - 1) {
            const std::size_t hit = search.find(text, pos);
            if (hit == std::u16string_view::npos)
                break;
            part(text.substr(pos, hit - pos));
            ++parts;
            pos = hit + delimiter.size();
        }
    }
    part(text.substr(pos));
    return parts + 1;
}

// Escape / Unescape as the script engines' escape() does: letters, digits
// and @*_+-./ stay; other units below 256 become %XX, the rest %uXXXX.
// Unescape leaves a malformed sequence as it is. The functions from here on
// poll the run's deadline as they go.
std::u16string escapeText(std::u16string_view s);
std::size_t escapedLength(std::u16string_view s);
std::u16string unescapeText(std::u16string_view s);

// LTrim/RTrim/Trim remove spaces (U+0020) only.
std::u16string trimLeft(std::u16string_view s);
std::u16string trimRight(std::u16string_view s);
std::u16string trimBoth(std::u16string_view s);

std::u16string reverseText(std::u16string_view s);

} // namespace vbs
