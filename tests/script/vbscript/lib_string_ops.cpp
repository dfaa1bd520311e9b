// The text algorithms behind the string built-ins where the language cases do
// not reach: text comparison and case mapping beyond ASCII, the hit count that
// guards Replace's result length, and the edges of Replace, Split and Escape.
#include "script/vbscript/string_ops.h"
#include "script/vbscript/text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace vbs {
namespace {

std::u16string u(const char *s) { return fromUtf8(s); }
std::string n(const std::u16string &s) { return toUtf8(s); }
constexpr std::size_t npos = std::u16string::npos;
constexpr CompareMode B = CompareMode::Binary;
constexpr CompareMode T = CompareMode::Text;

TEST(Strings, TextModeBeyondAscii)
{
    EXPECT_EQ(findText(u("Stra\xc3\x9f" "e \xc3\x89T\xc3\xa9"), u("\xc3\xa9t\xc3\xa9"), 0, T), 7u);
    EXPECT_EQ(findText(u("\xd0\x9f\xd0\xa0\xd0\x98"), u("\xd1\x80\xd0\xb8"), 0, T), 1u);
    EXPECT_EQ(findText(u("\xce\xa3\xce\x9f"), u("\xcf\x83\xce\xbf"), 0, T), 0u);
    EXPECT_EQ(findText(u"ab", u"abc", 0, T), npos);
    EXPECT_EQ(findTextReverse(u"abcabc", u"BC", 6, T), 4u);
    EXPECT_EQ(findTextReverse(u"", u"a", 0, B), npos);
    EXPECT_EQ(compareText(u("\xc3\x84pfel"), u("\xc3\xa4PFEL"), T), 0);
    EXPECT_EQ(compareText(u"ab", u"a", B), 1);
    EXPECT_EQ(n(upperText(u("abc \xc3\xa9\xc3\xbf \xc5\x93 \xd0\xb6 \xcf\x82"))),
              "ABC \xc3\x89\xc5\xb8 \xc5\x92 \xd0\x96 \xce\xa3");
    EXPECT_EQ(n(lowerText(u("ABC \xc3\x89\xc5\xb8 \xc5\x92 \xd0\x96 \xce\xa3"))),
              "abc \xc3\xa9\xc3\xbf \xc5\x93 \xd0\xb6 \xcf\x83");
    EXPECT_EQ(n(upperText(u("\xc3\x9f\xc3\x97"))), "\xc3\x9f\xc3\x97"); // sharp s and the multiplication sign stay
}

TEST(Strings, CountReplaceSplitEscape)
{
    EXPECT_EQ(countText(u"abcabc", u"b", 2, -1, B), 1u);
    EXPECT_EQ(countText(u"aaaa", u"aa", 0, -1, B), 2u);
    EXPECT_EQ(countText(u"aAaA", u"a", 0, 3, T), 3u);
    EXPECT_EQ(countText(u"abc", u"", 0, -1, B), 0u);
    EXPECT_EQ(countText(u"abc", u"a", 5, -1, B), 0u);
    const auto replaced = [](std::u16string_view text, std::u16string_view find, std::size_t start) {
        TextBuilder out;
        replaceText(out, text, find, u"bb", start, -1, B);
        return n(out.text());
    };
    EXPECT_EQ(replaced(u"ab", u"b", 0), "abb");
    EXPECT_EQ(replaced(u"abc", u"a", 3), "");
    const auto parts = [](std::u16string_view text, long limit) {
        std::vector<std::u16string> out;
        splitText(text, u",", limit, B, [&](std::u16string_view part) { out.emplace_back(part); });
        return out;
    };
    EXPECT_EQ(parts(u",", -1), (std::vector<std::u16string>{u"", u""}));
    EXPECT_EQ(parts(u"a,b,c", 0), std::vector<std::u16string>{});
    EXPECT_EQ(n(escapeText(u"a b+c/@*_-.%\n\u00e9")), "a%20b+c/@*_-.%25%0A%E9");
    EXPECT_EQ(n(unescapeText(u"%E9%u20AC%20%zz%u12")), "\xc3\xa9\xe2\x82\xac %zz%u12");
}

// The searches against their definition on random texts over three letters,
// so that needles recur and nearly match; needles up to 20 units take both
// the short and the table-driven way, forwards and backwards, in both modes.
TEST(Strings, SearchesAgreeWithTheirDefinition)
{
    std::mt19937 random(7);
    const auto pick = [&](std::size_t bound) { return static_cast<std::size_t>(random() % bound); };
    const auto text = [&](std::size_t n) {
        std::u16string s;
        for (std::size_t i = 0; i < n; ++i)
            s += u"abA"[pick(3)];
        return s;
    };
    for (int round = 0; round < 4000; ++round) {
        const CompareMode mode = round % 2 ? T : B;
        const std::u16string hay = text(pick(60));
        std::u16string needle = round % 3 && hay.size() > 2 ? hay.substr(pick(hay.size() / 2), 1 + pick(20)) : text(1 + pick(20));
        if (round % 5 == 0)
            needle.back() = u'B';
        const auto folded = [&](std::u16string s) {
            for (char16_t &c : s)
                c = mode == T ? lowerChar(c) : c;
            return s;
        };
        const std::u16string h = folded(hay), f = folded(needle);
        const std::size_t start = pick(hay.size() + 2), limit = pick(hay.size() + 1);
        SCOPED_TRACE(n(hay) + " / " + n(needle));
        EXPECT_EQ(findText(hay, needle, start, mode), start > h.size() ? npos : h.find(f, start));
        EXPECT_EQ(findTextReverse(hay, needle, limit, mode), f.size() > limit ? npos : h.substr(0, limit).rfind(f));
    }
}

} // namespace
} // namespace vbs
