// Token classes come out in their own colours, read back from the document a
// QTextEdit builds from the rich text.
#include "script/colorizer/richtextwriter.h"
#include "script/colorizer/scriptcolorizer.h"

#include <QColor>
#include <QSet>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

using colorizer::ScriptColorizer;
using colorizer::ScriptDialect;
using colorizer::TokenClass;

struct ColorRow
{
    const char *name;
    ScriptDialect dialect;
    const char16_t *text;
    const char16_t *fragment; // its first occurrence is checked
    TokenClass expected;
};

std::ostream &operator<<(std::ostream &os, const ColorRow &row) { return os << row.name; }

constexpr ScriptDialect VB = ScriptDialect::VBScript;
constexpr ScriptDialect JS = ScriptDialect::JScript;

const ColorRow colorRows[] = {
    {"vb_keyword", VB, u"Dim total\n", u"Dim", TokenClass::Keyword},
    {"vb_keyword_any_case", VB, u"dIM x", u"dIM", TokenClass::Keyword},
    {"vb_end_function", VB, u"Function F()\nEnd Function", u"End Function", TokenClass::Keyword},
    {"vb_identifier_plain", VB, u"Dim total", u"total", TokenClass::Plain},
    {"vb_keyword_with_digit_is_identifier", VB, u"Dim1 = Ending", u"Dim1", TokenClass::Plain},
    {"vb_keyword_prefix_is_identifier", VB, u"Dim1 = Ending", u"Ending", TokenClass::Plain},
    {"vb_member_named_like_keyword", VB, u"obj.End = 1", u"End", TokenClass::Plain},
    {"vb_string", VB, u"s = \"Dim 'it' 12\"", u"\"Dim 'it' 12\"", TokenClass::String},
    {"vb_doubled_quote_stays_in_string", VB, u"s = \"a\"\"Dim\"\"b\" + 1", u"\"a\"\"Dim\"\"b\"", TokenClass::String},
    {"vb_unterminated_string_ends_with_line", VB, u"s = \"open\nDim y", u"Dim", TokenClass::Keyword},
    {"vb_comment", VB, u"x = 1 ' Dim \"no\" 12", u"' Dim \"no\" 12", TokenClass::Comment},
    {"vb_rem_comment", VB, u"Rem Dim 12\nx", u"Rem Dim 12", TokenClass::Comment},
    {"vb_rem_after_colon", VB, u"x = 1 : REM Dim", u"REM Dim", TokenClass::Comment},
    {"vb_member_rem", VB, u"x.Rem = 1", u"Rem", TokenClass::Plain},
    {"vb_number", VB, u"x = 12.5E3", u"12.5E3", TokenClass::Number},
    {"vb_leading_point_number", VB, u"x = .5", u".5", TokenClass::Number},
    {"vb_hex", VB, u"x = &H1F", u"&H1F", TokenClass::Number},
    {"vb_octal", VB, u"x = &O17", u"&O17", TokenClass::Number},
    {"vb_date", VB, u"d = #1/2/2003#", u"#1/2/2003#", TokenClass::Number},
    {"vb_not_equal", VB, u"x = a <> b", u"<>", TokenClass::Operator},
    {"vb_concatenation", VB, u"x = a & b", u"&", TokenClass::Operator},
    {"vb_bracketed_name", VB, u"[Dim 1] = 1", u"[Dim 1]", TokenClass::Plain},
    {"vb_continuation", VB, u"x = 1 + _\n 2", u"_", TokenClass::Operator},
    {"vb_word_operator", VB, u"x = a Mod b", u"Mod", TokenClass::Keyword},
    {"js_keyword", JS, u"var x = 1;", u"var", TokenClass::Keyword},
    {"js_keywords_case_sensitive", JS, u"Var x", u"Var", TokenClass::Plain},
    {"js_member_named_like_keyword", JS, u"x.delete(1)", u"delete", TokenClass::Plain},
    {"js_single_quoted", JS, u"s = 'it\\'s var';", u"'it\\'s var'", TokenClass::String},
    {"js_double_quoted", JS, u"s = \"a\\\"var\";", u"\"a\\\"var\"", TokenClass::String},
    {"js_line_comment", JS, u"x; // var 1", u"// var 1", TokenClass::Comment},
    {"js_block_comment_over_lines", JS, u"/* a\nvar 1 */ x", u"var 1 */", TokenClass::Comment},
    {"js_code_after_block_comment", JS, u"/* a */ var", u"var", TokenClass::Keyword},
    {"js_regex", JS, u"r = /a+b/gi;", u"/a+b/gi", TokenClass::String},
    {"js_regex_with_slash_in_class", JS, u"r = /[/]x/;", u"/[/]x/", TokenClass::String},
    {"js_regex_after_return", JS, u"return /x/.test(s);", u"/x/", TokenClass::String},
    {"js_division", JS, u"x = a / b / c;", u"/", TokenClass::Operator},
    {"js_division_operand_plain", JS, u"x = a / b / c;", u"b", TokenClass::Plain},
    {"js_division_after_paren", JS, u"x = (a) / 2 / 3", u"/", TokenClass::Operator},
    {"js_division_after_paren_number", JS, u"x = (a) / 2 / 3", u"2", TokenClass::Number},
    {"js_template", JS, u"t = `a ${b} c`;", u"`a ", TokenClass::String},
    {"js_template_expression", JS, u"t = `a ${var1} c`;", u"var1", TokenClass::Plain},
    {"js_template_after_expression", JS, u"t = `a ${b} c`;", u" c`", TokenClass::String},
    {"js_template_braces_inside", JS, u"t = `${ {k: 1}.k } tail`;", u" tail`", TokenClass::String},
    {"js_nested_template", JS, u"t = `a${`in`}b`;", u"`in`", TokenClass::String},
    {"js_template_over_lines", JS, u"t = `one\nvar two`;", u"var two`", TokenClass::String},
    {"js_hex", JS, u"x = 0x1F;", u"0x1F", TokenClass::Number},
    {"js_exponent_separators", JS, u"x = 1_000.5e-3;", u"1_000.5e-3", TokenClass::Number},
    {"js_bigint", JS, u"x = 10n;", u"10n", TokenClass::Number},
    {"js_strict_equal", JS, u"a === b", u"===", TokenClass::Operator},
    {"js_identifier_with_dollar", JS, u"$var_1 = 2", u"$var_1", TokenClass::Plain},
};

class ColorizerColors : public ::testing::TestWithParam<ColorRow>
{
};

// The colour of the character at `offset`, invalid when it has none.
QColor colorAt(const QTextDocument &document, int offset)
{
    QTextCursor cursor(const_cast<QTextDocument *>(&document));
    cursor.setPosition(offset);
    cursor.setPosition(offset + 1, QTextCursor::KeepAnchor);
    const QTextCharFormat format = cursor.charFormat();
    return format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color() : QColor();
}

QColor expectedColor(TokenClass tokenClass)
{
    return tokenClass == TokenClass::Plain ? QColor() : QColor(QLatin1String(colorizer::colorOf(tokenClass)));
}

TEST_P(ColorizerColors, FragmentHasTheColourOfItsClass)
{
    const ColorRow &row = GetParam();
    const QString text = QString::fromUtf16(row.text);
    const QString fragment = QString::fromUtf16(row.fragment);
    const qsizetype start = text.indexOf(fragment);
    ASSERT_GE(start, 0) << "fragment not in the text";

    QTextDocument document;
    document.setHtml(ScriptColorizer::colorize(text, row.dialect));
    ASSERT_EQ(document.toPlainText(), text);
    for (qsizetype i = 0; i < fragment.size(); ++i) {
        if (fragment[i].isSpace())
            continue; // blanks between tokens carry whichever colour is open
        EXPECT_EQ(colorAt(document, int(start + i)), expectedColor(row.expected))
            << "character " << i << " '" << fragment.mid(i, 1).toStdString() << "'";
    }
}

INSTANTIATE_TEST_SUITE_P(Colorizer, ColorizerColors, ::testing::ValuesIn(colorRows),
                         [](const auto &info) { return std::string(info.param.name); });

// One script with every class: five colours, none of them another's, and
// none on plain identifiers.
TEST(ColorizerPalette, EveryClassHasItsOwnColour)
{
    struct Probe
    {
        ScriptDialect dialect;
        const char *text;
    };
    const Probe probes[] = {
        {VB, "Dim n ' count\nn = \"x\" & 42"},
        {JS, "var n = 'x' + 42; // count"},
    };
    for (const Probe &probe : probes) {
        const QString text = QString::fromLatin1(probe.text);
        QTextDocument document;
        document.setHtml(ScriptColorizer::colorize(text, probe.dialect));
        const auto at = [&](const char *fragment) {
            return colorAt(document, int(text.indexOf(QLatin1String(fragment))));
        };
        const QColor keyword = at(probe.dialect == VB ? "Dim" : "var");
        const QColor comment = at(probe.dialect == VB ? "' count" : "// count");
        const QColor string = at(probe.dialect == VB ? "\"x\"" : "'x'");
        const QColor number = at("42");
        const QColor op = at(probe.dialect == VB ? "&" : "+");
        const QColor identifier = at("n");
        QSet<QRgb> distinct;
        for (const QColor &color : {keyword, comment, string, number, op}) {
            EXPECT_TRUE(color.isValid()) << probe.text;
            distinct.insert(color.rgb());
        }
        EXPECT_EQ(distinct.size(), 5) << probe.text;
        EXPECT_FALSE(identifier.isValid()) << probe.text;
    }
}

// The markup itself: what a reader of the rich text relies on.
TEST(ColorizerMarkup, MonospacedPreservedWhitespaceAndEscapedText)
{
    const QString html = ScriptColorizer().ParseCode(QStringLiteral("x = \"<b>&</b>\""));
    EXPECT_TRUE(html.contains(QLatin1String("white-space:pre-wrap"))) << html.toStdString();
    EXPECT_TRUE(html.contains(QLatin1String("monospace"))) << html.toStdString();
    EXPECT_TRUE(html.contains(QLatin1String("&lt;b&gt;&amp;&lt;/b&gt;"))) << html.toStdString();
    EXPECT_FALSE(html.contains(QLatin1String("<b>"))) << html.toStdString();
}

} // namespace
