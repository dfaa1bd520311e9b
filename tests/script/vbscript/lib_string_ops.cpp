// The text algorithms behind InStr, InStrRev, StrComp, Replace, Split,
// Filter, Escape/Unescape, the Trim family and case mapping.
#include "script/vbscript/string_ops.h"
#include "script/vbscript/text.h"

#include <gtest/gtest.h>

#include <string>

namespace vbs {
namespace {

std::u16string u(const char *s) { return fromUtf8(s); }
std::string n(const std::u16string &s) { return toUtf8(s); }
constexpr std::size_t npos = std::u16string::npos;
constexpr CompareMode B = CompareMode::Binary;
constexpr CompareMode T = CompareMode::Text;

std::string joined(const std::vector<std::u16string> &parts)
{
    std::string out;
    for (std::size_t i = 0; i < parts.size(); ++i)
        out += (i ? "|" : "") + n(parts[i]);
    return out + "#" + std::to_string(parts.size());
}

struct FindRow
{
    const char *name;
    const char *hay, *needle;
    std::size_t start;
    CompareMode mode;
    std::size_t expected;
};

class FindRows : public testing::TestWithParam<FindRow> {};

TEST_P(FindRows, Finds)
{
    const FindRow &r = GetParam();
    EXPECT_EQ(findText(u(r.hay), u(r.needle), r.start, r.mode), r.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Strings, FindRows,
    testing::Values(FindRow{"plain", "abcabc", "c", 0, B, 2}, FindRow{"fromStart", "abcabc", "c", 3, B, 5},
                    FindRow{"binaryCase", "abcABC", "B", 0, B, 4}, FindRow{"textCase", "abcABC", "B", 0, T, 1},
                    FindRow{"textLatin1", "Stra\xc3\x9f" "e \xc3\x89T\xc3\xa9", "\xc3\xa9t\xc3\xa9", 0, T, 7},
                    FindRow{"textCyrillic", "\xd0\x9f\xd0\xa0\xd0\x98", "\xd1\x80\xd0\xb8", 0, T, 1},
                    FindRow{"textGreek", "\xce\xa3\xce\x9f", "\xcf\x83\xce\xbf", 0, T, 0},
                    FindRow{"missing", "abc", "z", 0, B, npos}, FindRow{"emptyNeedle", "abc", "", 2, B, 2},
                    FindRow{"emptyNeedlePastEnd", "abc", "", 4, B, npos},
                    FindRow{"emptyHay", "", "a", 0, B, npos}, FindRow{"longerNeedle", "ab", "abc", 0, T, npos}),
    [](const testing::TestParamInfo<FindRow> &info) { return std::string(info.param.name); });

TEST(Strings, FindReverse)
{
    EXPECT_EQ(findTextReverse(u"abcabc", u"bc", 6, B), 4u);
    EXPECT_EQ(findTextReverse(u"abcabc", u"bc", 5, B), 1u);
    EXPECT_EQ(findTextReverse(u"abcabc", u"BC", 6, T), 4u);
    EXPECT_EQ(findTextReverse(u"abcabc", u"BC", 6, B), npos);
    EXPECT_EQ(findTextReverse(u"abc", u"", 2, B), 1u); // found at the start position
    EXPECT_EQ(findTextReverse(u"abc", u"c", 10, B), npos);
    EXPECT_EQ(findTextReverse(u"", u"a", 0, B), npos);
}

TEST(Strings, Compare)
{
    EXPECT_EQ(compareText(u"a", u"B", B), 1);
    EXPECT_EQ(compareText(u"a", u"B", T), -1);
    EXPECT_EQ(compareText(u"ABC", u"abc", T), 0);
    EXPECT_EQ(compareText(u"ABC", u"abc", B), -1);
    EXPECT_EQ(compareText(u"", u"", B), 0);
    EXPECT_EQ(compareText(u"", u"a", T), -1);
    EXPECT_EQ(compareText(u"ab", u"a", B), 1);
    EXPECT_EQ(compareText(u("\xc3\x84pfel"), u("\xc3\xa4PFEL"), T), 0);
}

struct ReplaceRow
{
    const char *name;
    const char *text, *find, *with;
    std::size_t start;
    long count;
    CompareMode mode;
    const char *expected;
};

class ReplaceRows : public testing::TestWithParam<ReplaceRow> {};

TEST_P(ReplaceRows, Replaces)
{
    const ReplaceRow &r = GetParam();
    EXPECT_EQ(n(replaceText(u(r.text), u(r.find), u(r.with), r.start, r.count, r.mode)), r.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Strings, ReplaceRows,
    testing::Values(ReplaceRow{"all", "abcabc", "b", "X", 0, -1, B, "aXcaXc"},
                    ReplaceRow{"startDropsPrefix", "abcabc", "a", "x", 2, -1, B, "cxbc"},
                    ReplaceRow{"count", "aaaa", "a", "b", 0, 2, B, "bbaa"},
                    ReplaceRow{"countZero", "aaaa", "a", "b", 0, 0, B, "aaaa"},
                    ReplaceRow{"textMode", "aAaA", "a", "-", 0, -1, T, "----"},
                    ReplaceRow{"binaryMode", "aAaA", "a", "-", 0, -1, B, "-A-A"},
                    ReplaceRow{"emptyFind", "abc", "", "x", 0, -1, B, "abc"},
                    ReplaceRow{"emptyWith", "a,b,c", ",", "", 0, -1, B, "abc"},
                    ReplaceRow{"growing", "ab", "b", "bb", 0, -1, B, "abb"},
                    ReplaceRow{"startPastEnd", "abc", "a", "x", 3, -1, B, ""}),
    [](const testing::TestParamInfo<ReplaceRow> &info) { return std::string(info.param.name); });

TEST(Strings, Count)
{
    EXPECT_EQ(countText(u"abcabc", u"b", 0, -1, B), 2u);
    EXPECT_EQ(countText(u"abcabc", u"b", 2, -1, B), 1u);
    EXPECT_EQ(countText(u"aaaa", u"aa", 0, -1, B), 2u);
    EXPECT_EQ(countText(u"aAaA", u"a", 0, 3, T), 3u);
    EXPECT_EQ(countText(u"abc", u"", 0, -1, B), 0u);
    EXPECT_EQ(countText(u"abc", u"a", 5, -1, B), 0u);
}

TEST(Strings, Split)
{
    EXPECT_EQ(joined(splitText(u"a,b,,c", u",", -1, B)), "a|b||c#4");
    EXPECT_EQ(joined(splitText(u"a,b,c", u",", 2, B)), "a|b,c#2");
    EXPECT_EQ(joined(splitText(u"a,b,c", u",", 1, B)), "a,b,c#1");
    EXPECT_EQ(joined(splitText(u"a,b,c", u",", 0, B)), "#0");
    EXPECT_EQ(joined(splitText(u"", u",", -1, B)), "#0");
    EXPECT_EQ(joined(splitText(u"abc", u"", -1, B)), "abc#1");
    EXPECT_EQ(joined(splitText(u"aXbxc", u"x", -1, T)), "a|b|c#3");
    EXPECT_EQ(joined(splitText(u"aXbxc", u"x", -1, B)), "aXb|c#2");
    EXPECT_EQ(joined(splitText(u",", u",", -1, B)), "|#2");
}

TEST(Strings, Filter)
{
    const std::vector<std::u16string> items{u"Apple", u"banana", u"cherry"};
    EXPECT_EQ(joined(filterText(items, u"an", true, B)), "banana#1");
    EXPECT_EQ(joined(filterText(items, u"A", true, B)), "Apple#1");
    EXPECT_EQ(joined(filterText(items, u"A", true, T)), "Apple|banana#2");
    EXPECT_EQ(joined(filterText(items, u"A", false, T)), "cherry#1");
    EXPECT_EQ(joined(filterText({}, u"A", true, T)), "#0");
}

TEST(Strings, EscapeRoundTrip)
{
    EXPECT_EQ(n(escapeText(u"a b+c/@*_-.")), "a%20b+c/@*_-.");
    EXPECT_EQ(n(escapeText(u("\xc3\xa9\xe2\x82\xac"))), "%E9%u20AC");
    EXPECT_EQ(n(escapeText(u"%\n")), "%25%0A");
    EXPECT_EQ(n(unescapeText(u"%E9%u20AC%20")), "\xc3\xa9\xe2\x82\xac ");
    EXPECT_EQ(n(unescapeText(u"100%")), "100%");
    EXPECT_EQ(n(unescapeText(u"%zz%u12")), "%zz%u12");
    const std::u16string sample = u("x \xc3\xa9\xe2\x82\xac%");
    EXPECT_EQ(unescapeText(escapeText(sample)), sample);
}

TEST(Strings, TrimSpacesOnly)
{
    EXPECT_EQ(n(trimBoth(u"  a b  ")), "a b");
    EXPECT_EQ(n(trimLeft(u"  a ")), "a ");
    EXPECT_EQ(n(trimRight(u"  a ")), "  a");
    EXPECT_EQ(n(trimBoth(u"\ta\t")), "\ta\t");
    EXPECT_EQ(n(trimBoth(u"   ")), "");
    EXPECT_EQ(n(trimBoth(u"")), "");
}

TEST(Strings, CaseMapping)
{
    EXPECT_EQ(n(upperText(u("abc \xc3\xa9\xc3\xbf \xc5\x93 \xd0\xb6 \xcf\x82"))),
              "ABC \xc3\x89\xc5\xb8 \xc5\x92 \xd0\x96 \xce\xa3");
    EXPECT_EQ(n(lowerText(u("ABC \xc3\x89\xc5\xb8 \xc5\x92 \xd0\x96 \xce\xa3"))),
              "abc \xc3\xa9\xc3\xbf \xc5\x93 \xd0\xb6 \xcf\x83");
    EXPECT_EQ(n(upperText(u("\xc3\x9f\xc3\x97"))), "\xc3\x9f\xc3\x97"); // sharp s and the multiplication sign stay
    EXPECT_EQ(n(reverseText(u"abc")), "cba");
    EXPECT_EQ(n(reverseText(u"")), "");
}

} // namespace
} // namespace vbs
