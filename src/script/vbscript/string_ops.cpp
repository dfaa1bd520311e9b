#include "string_ops.h"

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

std::u16string folded(std::u16string_view s, CompareMode mode)
{
    std::u16string out(s);
    if (mode == CompareMode::Text)
        for (char16_t &c : out)
            c = lowerChar(c);
    return out;
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

std::u16string lowerText(std::u16string_view s) { return folded(s, CompareMode::Text); }

std::u16string upperText(std::u16string_view s)
{
    std::u16string out(s);
    for (char16_t &c : out)
        c = upperChar(c);
    return out;
}

std::size_t findText(std::u16string_view hay, std::u16string_view needle, std::size_t start, CompareMode mode)
{
    if (start > hay.size())
        return std::u16string::npos;
    if (mode == CompareMode::Binary)
        return hay.find(needle, start);
    // Compare folded characters in place: the cost grows with the distance
    // searched, not with the length of the text.
    const std::u16string n = folded(needle, mode);
    if (n.size() > hay.size())
        return std::u16string::npos;
    for (std::size_t i = start; i + n.size() <= hay.size(); ++i) {
        std::size_t k = 0;
        while (k < n.size() && lowerChar(hay[i + k]) == n[k])
            ++k;
        if (k == n.size())
            return i;
    }
    return std::u16string::npos;
}

std::size_t findTextReverse(std::u16string_view hay, std::u16string_view needle, std::size_t limit,
                            CompareMode mode)
{
    if (limit > hay.size())
        return std::u16string::npos;
    if (needle.empty())
        return limit == 0 ? std::u16string::npos : limit - 1;
    if (needle.size() > limit)
        return std::u16string::npos;
    const std::u16string h = folded(hay.substr(0, limit), mode);
    return h.rfind(folded(needle, mode));
}

int compareText(std::u16string_view a, std::u16string_view b, CompareMode mode)
{
    const int r = mode == CompareMode::Binary ? a.compare(b) : folded(a, mode).compare(folded(b, mode));
    return r < 0 ? -1 : r > 0 ? 1 : 0;
}

std::u16string replaceText(std::u16string_view text, std::u16string_view find, std::u16string_view with,
                           std::size_t start, long count, CompareMode mode)
{
    if (start >= text.size())
        return {};
    const std::u16string_view tail = text.substr(start);
    if (find.empty() || count == 0)
        return std::u16string(tail);
    const std::u16string hay = folded(tail, mode);
    const std::u16string needle = folded(find, mode);
    std::u16string out;
    out.reserve(tail.size());
    std::size_t pos = 0;
    long done = 0;
    if (needle.size() == 1) {
        // One character: a single pass, no search call per match.
        for (; pos < tail.size() && (count < 0 || done < count); ++pos) {
            if (hay[pos] == needle[0]) {
                out.append(with);
                ++done;
            } else {
                out.push_back(tail[pos]);
            }
        }
        out.append(tail.substr(pos));
        return out;
    }
    while (count < 0 || done < count) {
        const std::size_t hit = hay.find(needle, pos);
        if (hit == std::u16string::npos)
            break;
        out.append(tail.substr(pos, hit - pos));
        out.append(with);
        pos = hit + needle.size();
        ++done;
    }
    out.append(tail.substr(pos));
    return out;
}

std::size_t countText(std::u16string_view text, std::u16string_view find, std::size_t start, long limit,
                      CompareMode mode)
{
    if (find.empty() || start >= text.size())
        return 0;
    const std::u16string hay = folded(text.substr(start), mode);
    const std::u16string needle = folded(find, mode);
    std::size_t n = 0;
    for (std::size_t pos = hay.find(needle); pos != std::u16string::npos && (limit < 0 || static_cast<long>(n) < limit);
         pos = hay.find(needle, pos + needle.size()))
        ++n;
    return n;
}

std::vector<std::u16string> splitText(std::u16string_view text, std::u16string_view delimiter, long limit,
                                      CompareMode mode)
{
    std::vector<std::u16string> parts;
    if (text.empty() || limit == 0)
        return parts;
    if (delimiter.empty()) {
        parts.emplace_back(text);
        return parts;
    }
    const std::u16string hay = folded(text, mode);
    const std::u16string needle = folded(delimiter, mode);
    std::size_t pos = 0;
    while (limit < 0 || static_cast<long>(parts.size()) < limit - 1) {
        const std::size_t hit = hay.find(needle, pos);
        if (hit == std::u16string::npos)
            break;
        parts.emplace_back(text.substr(pos, hit - pos));
        pos = hit + needle.size();
    }
    parts.emplace_back(text.substr(pos));
    return parts;
}

std::vector<std::u16string> filterText(const std::vector<std::u16string> &items, std::u16string_view match,
                                       bool include, CompareMode mode)
{
    std::vector<std::u16string> out;
    for (const std::u16string &item : items) {
        const bool found = findText(item, match, 0, mode) != std::u16string::npos;
        if (found == include)
            out.push_back(item);
    }
    return out;
}

std::u16string escapeText(std::u16string_view s)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::u16string out;
    out.reserve(s.size());
    for (char16_t c : s) {
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

std::u16string reverseText(std::u16string_view s) { return std::u16string(s.rbegin(), s.rend()); }

} // namespace vbs
