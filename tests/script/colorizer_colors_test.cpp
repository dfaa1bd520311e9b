// Token classes come out in their own colours, read back from the document a
// QTextEdit builds from the rich text; and the rich text itself.
#include "script/colorizer/richtextwriter.h"
#include "script/colorizer/scriptcolorizer.h"
#include "script/colorizer/tokenspans.h"

#include <QColor>
#include <QSet>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>
#include <vector>

namespace {

using colorizer::ScriptColorizer;
using colorizer::ScriptDialect;
using colorizer::TokenClass;

constexpr ScriptDialect VB = ScriptDialect::VBScript;
constexpr ScriptDialect JS = ScriptDialect::JScript;
constexpr TokenClass K = TokenClass::Keyword, S = TokenClass::String, C = TokenClass::Comment, N = TokenClass::Number,
                     O = TokenClass::Operator, P = TokenClass::Plain;

// The colour of the character at `offset`, invalid when it has none.
QColor colorAt(const QTextDocument &document, qsizetype offset)
{
    QTextCursor cursor(const_cast<QTextDocument *>(&document));
    cursor.setPosition(int(offset));
    cursor.setPosition(int(offset + 1), QTextCursor::KeepAnchor);
    const QTextCharFormat format = cursor.charFormat();
    return format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color() : QColor();
}

// Each fragment is looked for after the one before it.
TEST(ColorizerColors, EachFragmentHasTheColourOfItsClass)
{
    const struct
    {
        ScriptDialect dialect;
        const char16_t *text;
        std::vector<std::pair<const char16_t *, TokenClass>> fragments;
    } rows[] = {
        {VB, u"Dim total: dIM x\nFunction F()\nEnd Function", {{u"Dim", K}, {u"total", P}, {u"dIM", K}, {u"End Function", K}}},
        {VB, u"Dim1 = Ending Mod obj.End <> [Dim 1] & x.Rem",
         {{u"Dim1", P}, {u"Ending", P}, {u"Mod", K}, {u"End", P}, {u"<>", O}, {u"[Dim 1]", P}, {u"&", O}, {u"Rem", P}}},
        {VB, u"s = \"Dim 'it' 12\" + \"a\"\"Dim\"\"b\" + 1 ' Dim \"no\" 12",
         {{u"\"Dim 'it' 12\"", S}, {u"\"a\"\"Dim\"\"b\"", S}, {u"' Dim \"no\" 12", C}}},
        {VB, u"s = \"open\nDim y", {{u"Dim", K}}},
        {VB, u"Rem Dim 12\nx = 1 : REM Dim", {{u"Rem Dim 12", C}, {u"REM Dim", C}}},
        {VB, u"x = 12.5E3 + .5 + &H1F + &O17 + #1/2/2003# + _\n 2",
         {{u"12.5E3", N}, {u".5", N}, {u"&H1F", N}, {u"&O17", N}, {u"#1/2/2003#", N}, {u"_", O}}},
        {JS, u"var x = Var.delete($var_1 === 0x1F, 1_000.5e-3, 10n);",
         {{u"var", K}, {u"Var", P}, {u"delete", P}, {u"$var_1", P}, {u"===", O}, {u"0x1F", N}, {u"1_000.5e-3", N},
          {u"10n", N}}},
        {JS, u"s = 'it\\'s var' + \"a\\\"var\"; // var 1", {{u"'it\\'s var'", S}, {u"\"a\\\"var\"", S}, {u"// var 1", C}}},
        {JS, u"/* a\nvar 1 */ var", {{u"var 1 */", C}, {u"var", K}}},
        {JS, u"r = /a+b/gi; r = /[/]x/; return /x/.test(s);", {{u"/a+b/gi", S}, {u"/[/]x/", S}, {u"/x/", S}}},
        {JS, u"x = a / b / c; x = (a) / 2 / 3", {{u"/", O}, {u"b", P}, {u"/", O}, {u"/", O}, {u"2", N}}},
        // After an if/while head or a block a "/" opens a regex; after a postfix ++ or an object it divides.
        {JS, u"if (ok) /ab+c/.test(s); while (f(x)) {} /y/g.test(s);", {{u"/ab+c/", S}, {u"/y/g", S}}},
        {JS, u"n = i++ / 2 / 3; o = {a: 1} / 4 / 5;", {{u"/", O}, {u"2", N}, {u"/", O}, {u"/", O}, {u"4", N}, {u"/", O}}},
        {JS, u"t = `a ${var1} c` + `${ {k: 1}.k } tail` + `a${`in`}b` + `one\nvar two`;",
         {{u"`a ", S}, {u"var1", P}, {u" c`", S}, {u" tail`", S}, {u"`in`", S}, {u"var two`", S}}},
    };
    for (const auto &row : rows) {
        const QString text = QString::fromUtf16(row.text);
        SCOPED_TRACE(text.toStdString());
        QTextDocument document;
        document.setHtml(ScriptColorizer::colorize(text, row.dialect));
        ASSERT_EQ(document.toPlainText(), text);
        qsizetype from = 0;
        for (const auto &[fragment, tokenClass] : row.fragments) {
            const QString part = QString::fromUtf16(fragment);
            const qsizetype start = text.indexOf(part, from);
            ASSERT_GE(start, 0) << part.toStdString() << " is not in the text";
            from = start + part.size();
            const QColor expected = tokenClass == P ? QColor() : QColor(QLatin1String(colorizer::colorOf(tokenClass)));
            for (qsizetype i = start; i < from; ++i) {
                if (!text[i].isSpace()) { // blanks between tokens carry whichever colour is open
                    EXPECT_EQ(colorAt(document, i), expected) << part.toStdString() << " at " << i - start;
                }
            }
        }
    }
}

// One script with every class: five colours, none of them another's.
TEST(ColorizerColors, EveryClassHasItsOwnColour)
{
    QSet<QRgb> distinct;
    for (TokenClass tokenClass : {K, S, C, N, O})
        distinct.insert(QColor(QLatin1String(colorizer::colorOf(tokenClass))).rgb());
    EXPECT_EQ(distinct.size(), 5);
}

// A string with doubled quotes is one token, not strings side by side.
TEST(ColorizerColors, DoubledQuotesStayInOneToken)
{
    const std::vector<colorizer::TokenSpan> spans = colorizer::scanText(u"x = \"a\"\"b\"", VB);
    ASSERT_FALSE(spans.empty());
    EXPECT_EQ(spans.back().start, 4);
    EXPECT_EQ(spans.back().length, 6);
}

// The markup itself: monospaced, white space kept, text escaped.
TEST(ColorizerColors, WholeMarkup)
{
    const QString html = ScriptColorizer().ParseCode(QStringLiteral("x = \"<b>&\"\"</b>\" ' c"));
    EXPECT_EQ(html, QStringLiteral("<html><head><meta name=\"qrichtext\" content=\"1\" /></head><body style=\"font-family:"
                                   "'Courier New',monospace; white-space:pre-wrap;\"><p style=\"margin:0;\">x <span style="
                                   "\"color:#9a5b00;\">= </span><span style=\"color:#a31515;\">\"&lt;b&gt;&amp;\"\"&lt;/b&gt;"
                                   "\" </span><span style=\"color:#008000;\">' c</span></p></body></html>"));
}

} // namespace
