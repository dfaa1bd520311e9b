// Regular expressions with VBScript's syntax on PCRE2: matching rows,
// replacement rows, translation of the dialect, compile errors and the
// limit that ends catastrophic backtracking.
#include "script/vbscript/regexp_engine.h"
#include "script/vbscript/text.h"

#include <gtest/gtest.h>

#include <string>

namespace vbs {
namespace {

std::u16string u(const char *s) { return fromUtf8(s); }

// All matches joined as "index:value|index:value".
std::string describe(const std::vector<RegexMatch> &ms)
{
    std::string out;
    for (const RegexMatch &m : ms) {
        if (!out.empty())
            out += '|';
        out += std::to_string(m.index) + ':' + toUtf8(m.value);
    }
    return out;
}

struct MatchRow
{
    const char *name;
    const char *pattern;
    const char *subject;
    bool global, ignoreCase, multiline;
    const char *expected;
};

class RegexMatchRows : public testing::TestWithParam<MatchRow> {};

TEST_P(RegexMatchRows, Finds)
{
    const MatchRow &row = GetParam();
    Regex re(u(row.pattern), {row.ignoreCase, row.multiline});
    ASSERT_FALSE(re.error()) << static_cast<long>(re.error()->number);
    EXPECT_EQ(describe(re.matches(u(row.subject), row.global)), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Regexp, RegexMatchRows,
    testing::Values(MatchRow{"first", "b+", "abbcb", false, false, false, "1:bb"},
                    MatchRow{"global", "b+", "abbcb", true, false, false, "1:bb|4:b"},
                    MatchRow{"noMatch", "z", "abc", true, false, false, ""},
                    MatchRow{"caseSensitive", "ABC", "abc", false, false, false, ""},
                    MatchRow{"ignoreCase", "ABC", "xabc", false, true, false, "1:abc"},
                    MatchRow{"ignoreCaseLatin1", "\xc3\x89t\xc3\xa9", "\xc3\xa9T\xc3\x89", false, true, false,
                             "0:\xc3\xa9T\xc3\x89"},
                    MatchRow{"ignoreCaseCyrillic", "\xd0\x9c\xd0\x98\xd0\xa0", "\xd0\xbc\xd0\xb8\xd1\x80", false,
                             true, false, "0:\xd0\xbc\xd0\xb8\xd1\x80"},
                    MatchRow{"dollarNotBeforeFinalNewline", "a$", "a\n", false, false, false, ""},
                    MatchRow{"multilineDollar", "a$", "a\nba", true, false, true, "0:a|3:a"},
                    MatchRow{"multilineCaret", "^b", "a\r\nb", true, false, true, "3:b"},
                    MatchRow{"caretWithoutMultiline", "^b", "a\nb", true, false, false, ""},
                    MatchRow{"emptyMatchesAdvance", "a*", "baa", true, false, false, "0:|1:aa|3:"},
                    MatchRow{"digitsWords", "\\d+\\s\\w+", "x 12 ab", false, false, false, "2:12 ab"},
                    MatchRow{"unicodeEscape", "\\u00e9", "caf\xc3\xa9", false, false, false, "3:\xc3\xa9"},
                    MatchRow{"hexEscape", "\\x41", "zA", false, false, false, "1:A"},
                    MatchRow{"verticalTabOnly", "\\v", "a\nb\x0b", false, false, false, "3:\x0b"},
                    MatchRow{"backReference", "(a)\\1", "aab", false, false, false, "0:aa"},
                    MatchRow{"missingGroupIsOctal", "\\101", "A", false, false, false, "0:A"},
                    MatchRow{"emptyClassNeverMatches", "a[]", "a", false, false, false, ""},
                    MatchRow{"negatedEmptyClassMatchesAll", "[^]", "\n", false, false, false, "0:\n"},
                    MatchRow{"bracketInClass", "[[:]+", "a[:b", false, false, false, "1:[:"},
                    MatchRow{"identityEscape", "\\q", "q", false, false, false, "0:q"},
                    MatchRow{"lazy", "<.+?>", "<a><b>", false, false, false, "0:<a>"},
                    MatchRow{"lookahead", "a(?=b)", "acab", false, false, false, "2:a"},
                    MatchRow{"surrogatePairIndex", "x", "\xf0\x9f\x98\x80x", false, false, false, "2:x"}),
    [](const testing::TestParamInfo<MatchRow> &info) { return std::string(info.param.name); });

struct ReplaceRow
{
    const char *name;
    const char *pattern;
    const char *subject;
    const char *replacement;
    bool global;
    const char *expected;
};

class RegexReplaceRows : public testing::TestWithParam<ReplaceRow> {};

TEST_P(RegexReplaceRows, Replaces)
{
    const ReplaceRow &row = GetParam();
    Regex re(u(row.pattern), {});
    ASSERT_FALSE(re.error());
    EXPECT_EQ(toUtf8(re.replace(u(row.subject), u(row.replacement), row.global)), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Regexp, RegexReplaceRows,
    testing::Values(ReplaceRow{"firstOnly", "o", "foo", "0", false, "f0o"},
                    ReplaceRow{"global", "o", "foo", "0", true, "f00"},
                    ReplaceRow{"groups", "(\\w+) (\\w+)", "hello world", "$2 $1", false, "world hello"},
                    ReplaceRow{"wholeMatch", "b", "abc", "[$&]", false, "a[b]c"},
                    ReplaceRow{"before", "b", "abc", "$`", false, "aac"},
                    ReplaceRow{"after", "b", "abc", "$'", false, "acc"},
                    ReplaceRow{"dollar", "b", "abc", "$$", false, "a$c"},
                    ReplaceRow{"unknownGroupLiteral", "b", "abc", "$1", false, "a$1c"},
                    ReplaceRow{"zeroLiteral", "b", "abc", "$0", false, "a$0c"},
                    ReplaceRow{"digitAfterGroup", "(b)", "abc", "$12", false, "ab2c"},
                    ReplaceRow{"unmatchedGroupEmpty", "(x)?b", "abc", "[$1]", false, "a[]c"},
                    ReplaceRow{"twoDigitGroup", "(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)", "abcdefghij", "$10$1", false,
                               "ja"},
                    ReplaceRow{"emptyPatternGlobal", "", "ab", "-", true, "-a-b-"},
                    ReplaceRow{"trailingDollar", "b", "abc", "x$", false, "ax$c"}),
    [](const testing::TestParamInfo<ReplaceRow> &info) { return std::string(info.param.name); });

struct ErrorRow
{
    const char *name;
    const char *pattern;
    RuntimeError number;
};

class RegexErrorRows : public testing::TestWithParam<ErrorRow> {};

TEST_P(RegexErrorRows, Fails)
{
    const ErrorRow &row = GetParam();
    Regex re(u(row.pattern), {});
    ASSERT_TRUE(re.error());
    EXPECT_EQ(re.error()->number, row.number);
    EXPECT_THROW(re.search(u"abc", 0), RegexError);
}

INSTANTIATE_TEST_SUITE_P(Regexp, RegexErrorRows,
                         testing::Values(ErrorRow{"openClass", "[abc", RuntimeError::RegExpExpectedBracket}, ErrorRow{"openGroup", "(abc", RuntimeError::RegExpExpectedParenthesis},
                                         ErrorRow{"quantifierFirst", "*a", RuntimeError::RegExpUnexpectedQuantifier},
                                         ErrorRow{"badRange", "[z-a]", RuntimeError::RegExpInvalidRange}, ErrorRow{"closeGroup", "a)", RuntimeError::RegExpSyntax}),
                         [](const testing::TestParamInfo<ErrorRow> &info) { return std::string(info.param.name); });

TEST(Regexp, CatastrophicPatternEndsWithAnError)
{
    Regex re(u"(a+)+$", {});
    const std::u16string subject = std::u16string(40, u'a') + u"b";
    try {
        re.search(subject, 0);
        FAIL() << "expected the match limit to end the search";
    } catch (const RegexError &e) {
        EXPECT_EQ(e.number, RuntimeError::OutOfStackSpace);
    }
}

TEST(Regexp, SubMatchesCountGroups)
{
    Regex re(u"(a)(x)?(b)", {});
    const auto m = re.search(u"ab", 0);
    ASSERT_TRUE(m);
    ASSERT_EQ(m->groups.size(), 3u);
    EXPECT_EQ(m->groups[0], std::u16string(u"a"));
    EXPECT_FALSE(m->groups[1]);
    EXPECT_EQ(m->groups[2], std::u16string(u"b"));
}

TEST(Regexp, ReplaceStopsAtTheLengthLimit)
{
    Regex re(u"a", {});
    EXPECT_EQ(toUtf8(re.replace(u"aaa", u"$&$&", true, 6)), "aaaaaa");
    try {
        re.replace(u"aaaa", u"$&$&", true, 6);
        FAIL() << "expected the length limit";
    } catch (const RegexError &e) {
        EXPECT_EQ(e.number, RuntimeError::OutOfMemory);
    }
}

TEST(Regexp, SearchPastTheEndFindsNothing)
{
    Regex re(u"a", {});
    EXPECT_FALSE(re.search(u"a", 5));
}

TEST(Regexp, TranslationOfDialect)
{
    EXPECT_EQ(toUtf8(translatePattern(u"a[]b")), "a(?!)b");
    EXPECT_EQ(toUtf8(translatePattern(u"[^]")), "[\\s\\S]");
    EXPECT_EQ(toUtf8(translatePattern(u"(a)\\1")), "(a)\\g{1}");
    EXPECT_EQ(toUtf8(translatePattern(u"\\2")), "\\x02");
    EXPECT_EQ(toUtf8(translatePattern(u"\\v")), "\\x0B");
    EXPECT_EQ(toUtf8(translatePattern(u"\\Q")), "Q");
    EXPECT_EQ(toUtf8(translatePattern(u"a\\")), "a\\\\");
}

} // namespace
} // namespace vbs
