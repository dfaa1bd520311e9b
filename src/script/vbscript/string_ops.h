#pragma once

// The text algorithms behind the string built-ins, on UTF-16 strings with
// 0-based positions. Comparison modes follow vbBinaryCompare (code units)
// and vbTextCompare (case-insensitive for Latin, Greek, Cyrillic and
// full-width Latin letters). Argument checks and 1-based positions are the
// built-ins' business.

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

// InStr: the first position >= start where `needle` occurs, npos if none.
// An empty needle is found at `start` (npos when start is past the end).
std::size_t findText(std::u16string_view hay, std::u16string_view needle, std::size_t start, CompareMode mode);

// InStrRev: the last occurrence lying wholly within the first `limit` units
// of `hay`, npos if none; an empty needle is found at `limit`.
std::size_t findTextReverse(std::u16string_view hay, std::u16string_view needle, std::size_t limit,
                            CompareMode mode);

// StrComp: -1, 0 or 1.
int compareText(std::u16string_view a, std::u16string_view b, CompareMode mode);

// Replace: the text from `start` on, with up to `count` occurrences (all for
// a negative count) of `find` replaced. An empty `find` changes nothing.
std::u16string replaceText(std::u16string_view text, std::u16string_view find, std::u16string_view with,
                           std::size_t start, long count, CompareMode mode);

// The number of non-overlapping occurrences of `find` in `text` from
// `start`, up to `limit` (all for a negative limit); 0 for an empty `find`.
std::size_t countText(std::u16string_view text, std::u16string_view find, std::size_t start, long limit,
                      CompareMode mode);

// Split: at most `limit` parts (all for a negative limit; none for 0). An
// empty text gives no parts; an empty delimiter gives the whole text.
std::vector<std::u16string> splitText(std::u16string_view text, std::u16string_view delimiter, long limit,
                                      CompareMode mode);

// Filter: the items that contain (include) or lack (!include) `match`.
std::vector<std::u16string> filterText(const std::vector<std::u16string> &items, std::u16string_view match,
                                       bool include, CompareMode mode);

// Escape / Unescape as the script engines' escape() does: letters, digits
// and @*_+-./ stay; other units below 256 become %XX, the rest %uXXXX.
// Unescape leaves a malformed sequence as it is.
std::u16string escapeText(std::u16string_view s);
std::u16string unescapeText(std::u16string_view s);

// LTrim/RTrim/Trim remove spaces (U+0020) only.
std::u16string trimLeft(std::u16string_view s);
std::u16string trimRight(std::u16string_view s);
std::u16string trimBoth(std::u16string_view s);

std::u16string reverseText(std::u16string_view s);

} // namespace vbs
