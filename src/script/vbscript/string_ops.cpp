#include "string_ops.h"

#include "runguard.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace vbs {

namespace {

// Lower case of an upper-case letter in the ranges we know, else 0.
char16_t lowerOf(char16_t c) noexcept
{
    if (c >= u'A' && c <= u'Z')
        return c + 32;
    if (c < 0xC0)
        return 0;
    if (c <= 0xDE)
        return c == 0xD7 ? 0 : static_cast<char16_t>(c + 32);
    if (c >= 0x100 && c <= 0x137)
        return c % 2 == 0 ? static_cast<char16_t>(c + 1) : 0;
    if (c >= 0x139 && c <= 0x148)
        return c % 2 == 1 ? static_cast<char16_t>(c + 1) : 0;
    if (c >= 0x14A && c <= 0x177)
        return c % 2 == 0 ? static_cast<char16_t>(c + 1) : 0;
    if (c == 0x178)
        return 0xFF;
    if (c >= 0x179 && c <= 0x17E)
        return c % 2 == 1 ? static_cast<char16_t>(c + 1) : 0;
    if (c == 0x386)
        return 0x3AC;
    if (c >= 0x388 && c <= 0x38A)
        return static_cast<char16_t>(c + 37);
    if (c == 0x38C)
        return 0x3CC;
    if (c == 0x38E || c == 0x38F)
        return static_cast<char16_t>(c + 63);
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2)
        return static_cast<char16_t>(c + 32);
    if (c >= 0x400 && c <= 0x40F)
        return static_cast<char16_t>(c + 80);
    if (c >= 0x410 && c <= 0x42F)
        return static_cast<char16_t>(c + 32);
    if ((c >= 0x460 && c <= 0x481) || (c >= 0x48A && c <= 0x4BF))
        return c % 2 == 0 ? static_cast<char16_t>(c + 1) : 0;
    if (c >= 0xFF21 && c <= 0xFF3A)
        return static_cast<char16_t>(c + 32);
    return 0;
}

char16_t upperOf(char16_t c) noexcept
{
    if (c >= u'a' && c <= u'z')
        return c - 32;
    if (c < 0xE0)
        return 0;
    if (c <= 0xFE)
        return c == 0xF7 ? 0 : static_cast<char16_t>(c - 32);
    if (c == 0xFF)
        return 0x178;
    if (c == 0x3C2)
        return 0x3A3; // final sigma
    if (c == 0x3AC)
        return 0x386;
    if (c == 0x3CC)
        return 0x38C;
    if (c >= 0xFF41 && c <= 0xFF5A)
        return static_cast<char16_t>(c - 32);
    if (c < 0x100 || c > 0x4BF)
        return 0;
    // Every other range is the inverse of lowerOf.
    const char16_t candidate = (c >= 0x3AD && c <= 0x3AF)   ? static_cast<char16_t>(c - 37)
                               : (c == 0x3CD || c == 0x3CE) ? static_cast<char16_t>(c - 63)
                               : (c >= 0x3B1 && c <= 0x3CB) ? static_cast<char16_t>(c - 32)
                               : (c >= 0x450 && c <= 0x45F) ? static_cast<char16_t>(c - 80)
                               : (c >= 0x430 && c <= 0x44F) ? static_cast<char16_t>(c - 32)
                                                            : static_cast<char16_t>(c - 1);
    return lowerOf(candidate) == c ? candidate : 0;
}

constexpr std::size_t kSlice = 1 << 16;
// Needles this short are compared at each candidate; longer ones use a table.
constexpr std::size_t kShortNeedle = 8;

char16_t foldIn(char16_t c, CompareMode mode) { return mode == CompareMode::Text ? lowerChar(c) : c; }

// The prefix function of the needle read through `at`: borders[i] is the
// length of the longest proper border of its first i + 1 units.
template <class At>
void buildBorders(std::vector<std::uint32_t> &borders, std::size_t m, At at)
{
    borders.assign(m, 0);
    std::uint32_t k = 0;
    for (std::size_t i = 1; i < m; ++i) {
        while (k > 0 && at(i) != at(k))
            k = borders[k - 1];
        if (at(i) == at(k))
            ++k;
        borders[i] = k;
        if ((i & (kSlice - 1)) == 0)
            work(kSlice);
    }
}

// The first i >= from with the m units from i equal to the needle, reading
// the text through `hay` (n units) and the needle through `at`; npos if none.
template <class Hay, class At>
std::size_t kmpSearch(Hay hay, std::size_t from, std::size_t n, At at, std::size_t m,
                      const std::vector<std::uint32_t> &borders)
{
    std::size_t k = 0;
    for (std::size_t i = from; i < n; ++i) {
        const char16_t c = hay(i);
        while (k > 0 && c != at(k))
            k = borders[k - 1];
        if (c == at(k) && ++k == m)
            return i + 1 - m;
        if ((i & (kSlice - 1)) == 0)
            work(kSlice);
    }
    return std::u16string::npos;
}

bool isUnreserved(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
           std::u16string_view(u"@*_+-./").find(c) != std::u16string_view::npos;
}

int hexValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

// The value of `count` hex digits at s[i], or -1.
long hexRun(std::u16string_view s, std::size_t i, std::size_t count)
{
    if (i + count > s.size())
        return -1;
    long value = 0;
    for (std::size_t k = 0; k < count; ++k) {
        const int d = hexValue(s[i + k]);
        if (d < 0)
            return -1;
        value = value * 16 + d;
    }
    return value;
}

} // namespace

char16_t lowerChar(char16_t c) noexcept
{
    const char16_t l = lowerOf(c);
    return l ? l : c;
}

char16_t upperChar(char16_t c) noexcept
{
    const char16_t u = upperOf(c);
    return u ? u : c;
}

std::u16string lowerText(std::u16string_view s)
{
    std::u16string out(s);
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = lowerChar(out[i]);
        if ((i & (kSlice - 1)) == kSlice - 1)
            work(kSlice);
    }
    return out;
}

std::u16string upperText(std::u16string_view s)
{
    std::u16string out(s);
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = upperChar(out[i]);
        if ((i & (kSlice - 1)) == kSlice - 1)
            work(kSlice);
    }
    return out;
}

// --- searching -------------------------------------------------------------------

struct TextSearch::Tables
{
    std::vector<std::uint32_t> forward, backward;
    Reservation memory;
};

TextSearch::TextSearch(std::u16string_view needle, CompareMode mode) : m_mode(mode)
{
    m_needle.assign(needle);
    if (mode == CompareMode::Text)
        for (char16_t &c : m_needle)
            c = lowerChar(c);
    work(needle.size());
}

TextSearch::~TextSearch()
{
    delete m_tables;
}

std::size_t TextSearch::find(std::u16string_view hay, std::size_t start) const
{
    constexpr std::size_t npos = std::u16string::npos;
    const std::size_t m = m_needle.size(), n = hay.size();
    if (start > n)
        return npos;
    if (m == 0)
        return start;
    if (m > n - start)
        return npos;
    const CompareMode mode = m_mode;
    if (m >= kShortNeedle) {
        if (!m_tables)
            m_tables = new Tables;
        if (m_tables->forward.empty()) {
            m_tables->memory.grow(m * sizeof(std::uint32_t));
            buildBorders(m_tables->forward, m, [&](std::size_t i) { return m_needle[i]; });
        }
        return kmpSearch([&](std::size_t i) { return foldIn(hay[i], mode); }, start, n,
                         [&](std::size_t i) { return m_needle[i]; }, m, m_tables->forward);
    }
    if (mode == CompareMode::Binary) {
        // The library's search, a slice at a time.
        for (std::size_t from = start; from + m <= n; from += kSlice) {
            const std::size_t end = std::min(n, from + kSlice + m - 1);
            const std::size_t hit = hay.substr(0, end).find(m_needle, from);
            if (hit != npos)
                return hit;
            work(kSlice);
        }
        return npos;
    }
    const char16_t first = m_needle[0];
    for (std::size_t i = start; i + m <= n; ++i) {
        if (lowerChar(hay[i]) == first) {
            std::size_t k = 1;
            while (k < m && lowerChar(hay[i + k]) == m_needle[k])
                ++k;
            if (k == m)
                return i;
        }
        if ((i & (kSlice - 1)) == 0)
            work(kSlice);
    }
    return npos;
}

std::size_t TextSearch::findLast(std::u16string_view hay, std::size_t limit) const
{
    constexpr std::size_t npos = std::u16string::npos;
    const std::size_t m = m_needle.size();
    if (limit > hay.size())
        return npos;
    if (m == 0)
        return limit == 0 ? npos : limit - 1;
    if (m > limit)
        return npos;
    const CompareMode mode = m_mode;
    if (m >= kShortNeedle) {
        // Forwards through both texts read backwards.
        if (!m_tables)
            m_tables = new Tables;
        if (m_tables->backward.empty()) {
            m_tables->memory.grow(m * sizeof(std::uint32_t));
            buildBorders(m_tables->backward, m, [&](std::size_t i) { return m_needle[m - 1 - i]; });
        }
        const std::size_t hit = kmpSearch([&](std::size_t i) { return foldIn(hay[limit - 1 - i], mode); }, 0, limit,
                                          [&](std::size_t i) { return m_needle[m - 1 - i]; }, m, m_tables->backward);
        return hit == npos ? npos : limit - hit - m;
    }
    for (std::size_t i = limit - m + 1; i-- > 0;) {
        std::size_t k = 0;
        while (k < m && foldIn(hay[i + k], mode) == m_needle[k])
            ++k;
        if (k == m)
            return i;
        if ((i & (kSlice - 1)) == 0)
            work(kSlice);
    }
    return npos;
}

std::size_t findText(std::u16string_view hay, std::u16string_view needle, std::size_t start, CompareMode mode)
{
    return TextSearch(needle, mode).find(hay, start);
}

std::size_t findTextReverse(std::u16string_view hay, std::u16string_view needle, std::size_t limit,
                            CompareMode mode)
{
    return TextSearch(needle, mode).findLast(hay, limit);
}

int compareText(std::u16string_view a, std::u16string_view b, CompareMode mode)
{
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t from = 0; from < common; from += kSlice) {
        const std::size_t end = std::min(common, from + kSlice);
        for (std::size_t i = from; i < end; ++i) {
            const char16_t x = foldIn(a[i], mode), y = foldIn(b[i], mode);
            if (x != y)
                return x < y ? -1 : 1;
        }
        work(end - from);
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

std::size_t countText(std::u16string_view text, std::u16string_view find, std::size_t start, long limit,
                      CompareMode mode)
{
    if (find.empty() || start >= text.size())
        return 0;
    const TextSearch search(find, mode);
    std::size_t n = 0;
    for (std::size_t pos = search.find(text, start);
         pos != std::u16string::npos && (limit < 0 || static_cast<long>(n) < limit);
         pos = search.find(text, pos + find.size()))
        ++n;
    return n;
}

void replaceText(TextBuilder &out, std::u16string_view text, std::u16string_view find, std::u16string_view with,
                 std::size_t start, long count, CompareMode mode)
{
    if (start >= text.size())
        return;
    const std::u16string_view tail = text.substr(start);
    if (find.empty() || count == 0) {
        out.append(tail);
        return;
    }
    const TextSearch search(find, mode);
    std::size_t hits = 0;
    for (std::size_t pos = search.find(tail, 0); pos != std::u16string::npos && (count < 0 || static_cast<long>(hits) < count);
         pos = search.find(tail, pos + find.size()))
        ++hits;
    out.reserve(out.size() + tail.size() - hits * find.size() + hits * with.size());
    std::size_t pos = 0;
    for (std::size_t done = 0; done < hits; ++done) {
        const std::size_t hit = search.find(tail, pos);
        out.append(tail.substr(pos, hit - pos));
        out.append(with);
        pos = hit + find.size();
    }
    out.append(tail.substr(pos));
}

std::size_t escapedLength(std::u16string_view s)
{
    std::size_t n = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        n += isUnreserved(s[i]) ? 1 : s[i] < 0x100 ? 3 : 6;
        if ((i & (kSlice - 1)) == kSlice - 1)
            work(kSlice);
    }
    return n;
}

std::u16string escapeText(std::u16string_view s)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::u16string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char16_t c = s[i];
        if ((i & (kSlice - 1)) == kSlice - 1)
            work(kSlice);
        if (isUnreserved(c)) {
            out.push_back(c);
        } else if (c < 0x100) {
            out.push_back(u'%');
            out.push_back(static_cast<char16_t>(digits[c >> 4]));
            out.push_back(static_cast<char16_t>(digits[c & 0xF]));
        } else {
            out.push_back(u'%');
            out.push_back(u'u');
            for (int shift = 12; shift >= 0; shift -= 4)
                out.push_back(static_cast<char16_t>(digits[(c >> shift) & 0xF]));
        }
    }
    return out;
}

std::u16string unescapeText(std::u16string_view s)
{
    std::u16string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        work(1);
        if (s[i] == u'%') {
            if (i + 1 < s.size() && s[i + 1] == u'u') {
                const long v = hexRun(s, i + 2, 4);
                if (v >= 0) {
                    out.push_back(static_cast<char16_t>(v));
                    i += 5;
                    continue;
                }
            }
            const long v = hexRun(s, i + 1, 2);
            if (v >= 0) {
                out.push_back(static_cast<char16_t>(v));
                i += 2;
                continue;
            }
        }
        out.push_back(s[i]);
    }
    return out;
}

std::u16string trimLeft(std::u16string_view s)
{
    const std::size_t first = s.find_first_not_of(u' ');
    return first == std::u16string_view::npos ? std::u16string() : std::u16string(s.substr(first));
}

std::u16string trimRight(std::u16string_view s)
{
    const std::size_t last = s.find_last_not_of(u' ');
    return last == std::u16string_view::npos ? std::u16string() : std::u16string(s.substr(0, last + 1));
}

std::u16string trimBoth(std::u16string_view s) { return trimRight(trimLeft(s)); }

std::u16string reverseText(std::u16string_view s)
{
    std::u16string out(s.size(), u'\0');
    for (std::size_t i = 0; i < s.size(); ++i) {
        out[i] = s[s.size() - 1 - i];
        if ((i & (kSlice - 1)) == kSlice - 1)
            work(kSlice);
    }
    return out;
}

} // namespace vbs
