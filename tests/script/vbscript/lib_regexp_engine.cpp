// The regular-expression engine at the corners of the dialect the language
// cases do not reach: escapes and classes it translates, indexes in UTF-16,
// replacement templates and compile errors.
#include "script/vbscript/regexp_engine.h"
#include "script/vbscript/text.h"
#include "script/vbscript/textbuilder.h"

#include <gtest/gtest.h>

#include <string>

namespace vbs {
namespace {

std::u16string u(const char *s) { return fromUtf8(s); }

TEST(Regexp, Matches)
{
    const struct
    {
        const char *pattern, *subject;
        bool ignoreCase, multiline;
        const char *expected; // every match as "index:value", joined by '|'
    } rows[] = {
        {"\xc3\x89t\xc3\xa9", "\xc3\xa9T\xc3\x89", true, false, "0:\xc3\xa9T\xc3\x89"},
        {"^b", "a\r\nb", false, true, "3:b"},
        {"\\x41", "zA", false, false, "1:A"},
        {"\\v", "a\nb\x0b", false, false, "3:\x0b"},
        {"\\101", "A", false, false, "0:A"},
        {"a[]", "a", false, false, ""},
        {"[^]", "\n", false, false, "0:\n"},
        {"[[:]+", "a[:b", false, false, "1:[:"},
        {"\\q", "q", false, false, "0:q"},
        {"a\\", "xa\\", false, false, "1:a\\"},
        {"<.+?>", "<a><b>", false, false, "0:<a>|3:<b>"},
        {"a(?=b)", "acab", false, false, "2:a"},
        {"x", "\xf0\x9f\x98\x80x", false, false, "2:x"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.pattern);
        Regex re(u(row.pattern), {row.ignoreCase, row.multiline});
        ASSERT_FALSE(re.error()) << static_cast<long>(re.error()->number);
        std::string found;
        for (const RegexMatch &m : re.matches(u(row.subject), true))
            found += (found.empty() ? "" : "|") + std::to_string(m.index) + ':' + toUtf8(m.value);
        EXPECT_EQ(found, row.expected);
    }
    EXPECT_FALSE(Regex(u"a", {}).search(u"a", 5));
}

TEST(Regexp, Replaces)
{
    const struct
    {
        const char *pattern, *subject, *replacement, *expected;
    } rows[] = {
        {"b", "abc", "$0", "a$0c"},
        {"(b)", "abc", "$12", "ab2c"},
        {"(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)", "abcdefghij", "$10$1", "ja"},
        {"b", "abc", "x$", "ax$c"},
    };
    for (const auto &row : rows) {
        Regex re(u(row.pattern), {});
        TextBuilder out;
        re.replace(out, u(row.subject), u(row.replacement), true);
        EXPECT_EQ(toUtf8(out.text()), row.expected) << row.replacement;
    }
}

TEST(Regexp, Errors)
{
    for (const auto &[pattern, number] : {std::pair{u"[z-a]", RuntimeError::RegExpInvalidRange},
                                          std::pair{u"a)", RuntimeError::RegExpSyntax}}) {
        Regex bad(pattern, {});
        ASSERT_TRUE(bad.error()) << toUtf8(pattern);
        EXPECT_EQ(bad.error()->number, number) << toUtf8(pattern);
        EXPECT_THROW(bad.search(u"abc", 0), RegexError);
    }
}

} // namespace
} // namespace vbs
