// Every character of a script survives colourising: the rich text loaded into
// a real QTextEdit holds the same characters as the plain text did.
#include "script/colorizer/scriptcolorizer.h"

#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

using colorizer::ScriptColorizer;
using colorizer::ScriptDialect;

struct RoundTripRow
{
    const char *name;
    const char16_t *text;
};

std::ostream &operator<<(std::ostream &os, const RoundTripRow &row) { return os << row.name; }

const RoundTripRow roundTripRows[] = {
    {"empty", u""},
    {"spaces_only", u"   "},
    {"tab_only", u"\t"},
    {"lf_only", u"\n"},
    {"crlf_only", u"\r\n"},
    {"cr_only", u"\r"},
    {"two_lf", u"\n\n"},
    {"cr_crlf_lf", u"\r\r\n\n"},
    {"mixed_line_ends", u"a\r\nb\nc\rd\r\n\r\ne"},
    {"leading_and_trailing_blank_lines", u"\n\n\nx = 1\n\n\n"},
    {"blank_lines_of_spaces", u"  \n\t\n   \nx"},
    {"vb_function_crlf", u"Function Main()\r\n  Dim x\r\n  x = 1\r\n  Main = x\r\nEnd Function\r\n"},
    {"vb_tabs_and_space_runs", u"\tIf  x\t=\t1   Then\n\t\tx = 2    \nEnd If\t"},
    {"vb_comment_with_markup", u"' comment <b>&amp;</b> &lt;\nx = 1 ' trailing \"quote"},
    {"vb_rem", u"Rem a comment\nREM\nx.Rem = 1 : rem tail <i>"},
    {"vb_strings", u"s = \"a \"\"quoted\"\" <tag> & more\"\n"},
    {"vb_unterminated_string", u"s = \"open\r\nnext line \"\"\""},
    {"vb_lone_quote", u"\""},
    {"vb_bracketed_names", u"[my var] = [other ] + [unclosed\n[]"},
    {"vb_hex_octal", u"x = &H1F + &hff& + &O17 + &H + & + &o9"},
    {"vb_dates", u"d = #2024-01-31# : e = #1/2/2003 10:00 AM# : f = # : g = ##\n#"},
    {"vb_continuation", u"x = 1 + _\r\n    2 _  \n_"},
    {"vb_numbers", u"x = 1.5E+10 + .5 + 3e + 1.2.3 + 4E-"},
    {"vb_non_ascii", u"s = \"Gr\u00fc\u00dfe \u2013 \u6e29\u5ea6 \U0001F321\" ' \u00fcn\u00efc\u00f6d\u00e9\nDim gr\u00f6\u00dfe"},
    {"html_lookalike", u"<html>&nbsp;&amp;</html> < > & \" ' <!-- x --> <![CDATA[ ]]>"},
    {"non_breaking_space", u"x =\u00a0 1"},
    {"control_characters", u"a\u0001b\fc\vd"},
    {"js_function", u"function Main() {\n  var x = 1; // one\n  return x;\n}\n"},
    {"js_block_comment", u"/* a\n * b <c>\n\n */ x = 1;"},
    {"js_unterminated_comment", u"x = 1; /* open\n\nstill\n"},
    {"js_strings", u"var s = 'it\\'s' + \"a \\\"b\\\"\" + 'cont\\\r\nnued' + '\\\\';"},
    {"js_unterminated_strings", u"var s = 'open\nx = \"also\\"},
    {"js_regex", u"var r = /a[/]b\\/c/gi.test(s); var d = a / b / c;"},
    {"js_regex_unclosed", u"x = /abc\ny = 1 / (2) /"},
    {"js_template", u"var t = `a ${b + `c${d}e`} f\n line2 ${ {k: 1}.k }`;"},
    {"js_template_unterminated", u"var t = `open ${x"},
    {"js_template_escapes", u"`\\` \\${no} $ {x} ${'}'}`"},
    {"js_numbers", u"x = 0x1F + 0b101 + 0o17 + 1_000.5e-3 + .5 + 10n + 0x;"},
    {"js_operators", u"a === b && c !== d || !e ? f : g; h => h ?? i?.j >>>= 2"},
    {"js_use_strict", u"'use strict';\n"},
    {"js_crlf_comments", u"// a\r\n/* b\r\nc */\r\n"},
    {"lone_backtick", u"`"},
    {"lone_slash", u"/"},
    {"lone_apostrophe", u"'"},
    {"trailing_backslash", u"\\"},
    {"lone_hash", u"#"},
    {"lone_bracket", u"["},
    {"lone_closing_brace", u"}"},
};

QString normalisedLineEnds(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

class ColorizerRoundTrip : public ::testing::TestWithParam<RoundTripRow>
{
protected:
    // The rich text loaded as a script pane loads it, compared with the same
    // text set as plain text: the same characters, the same paragraphs.
    void expectSameCharacters(const QString &text, const QString &richText, const char *how)
    {
        QTextEdit colourised;
        colourised.setHtml(richText);
        QTextEdit plain;
        plain.setPlainText(text);
        // The document's own characters: the input, each line end a paragraph.
        EXPECT_EQ(colourised.document()->toRawText(),
                  normalisedLineEnds(text).replace(QLatin1Char('\n'), QChar::ParagraphSeparator)) << how;
        EXPECT_EQ(colourised.document()->toRawText(), plain.document()->toRawText()) << how;
        // toPlainText() also shows a no-break space as a space, for any document.
        EXPECT_EQ(colourised.toPlainText(), normalisedLineEnds(text).replace(QChar::Nbsp, QLatin1Char(' '))) << how;
        EXPECT_EQ(colourised.document()->blockCount(), plain.document()->blockCount()) << how;
    }
};

TEST_P(ColorizerRoundTrip, KeepsEveryCharacter)
{
    const QString text = QString::fromUtf16(GetParam().text);
    ScriptColorizer colorizer;
    expectSameCharacters(text, colorizer.ParseCode(text), "detected dialect");
    // Whichever dialect a text is read in, nothing is lost or doubled.
    expectSameCharacters(text, ScriptColorizer::colorize(text, ScriptDialect::VBScript), "as VBScript");
    expectSameCharacters(text, ScriptColorizer::colorize(text, ScriptDialect::JScript), "as JScript");
}

// After colourising, the character at every offset and its line and column
// are what they were, so a remembered caret offset lands where it was.
TEST_P(ColorizerRoundTrip, EveryOffsetKeepsItsCharacterAndLine)
{
    const QString text = normalisedLineEnds(QString::fromUtf16(GetParam().text));
    QTextDocument before;
    before.setPlainText(text);
    QTextDocument after;
    after.setHtml(ScriptColorizer().ParseCode(text));
    ASSERT_EQ(after.characterCount(), before.characterCount());
    for (int offset = 0; offset < before.characterCount(); ++offset) {
        ASSERT_EQ(after.characterAt(offset), before.characterAt(offset)) << "offset " << offset;
        const QTextBlock blockBefore = before.findBlock(offset);
        const QTextBlock blockAfter = after.findBlock(offset);
        ASSERT_EQ(blockAfter.blockNumber(), blockBefore.blockNumber()) << "offset " << offset;
        ASSERT_EQ(blockAfter.position(), blockBefore.position()) << "offset " << offset;
    }
}

INSTANTIATE_TEST_SUITE_P(Colorizer, ColorizerRoundTrip, ::testing::ValuesIn(roundTripRows),
                         [](const auto &info) { return std::string(info.param.name); });

// Texts made of the characters that open, close or escape tokens, in random
// order (a fixed seed, so a failure repeats): no dialect loses or doubles any.
TEST(ColorizerRoundTripRandom, TrickyCharacterSoupKeepsEveryCharacter)
{
    const QString alphabet = QStringLiteral("\"'`/\\*{}$#[]&Hho7<>\r\n \t_.0e+-xRemDif\u00e9");
    QRandomGenerator random(20240131);
    for (int round = 0; round < 300; ++round) {
        QString text;
        const int length = int(random.bounded(1, 48));
        for (int i = 0; i < length; ++i)
            text += alphabet.at(random.bounded(int(alphabet.size())));
        const QString expected = normalisedLineEnds(text).replace(QLatin1Char('\n'), QChar::ParagraphSeparator);
        for (ScriptDialect dialect : {ScriptDialect::VBScript, ScriptDialect::JScript}) {
            QTextDocument document;
            document.setHtml(ScriptColorizer::colorize(text, dialect));
            ASSERT_EQ(document.toRawText(), expected)
                << "round " << round << (dialect == ScriptDialect::JScript ? " as JScript" : " as VBScript");
        }
    }
}

// The pane operation as the editor performs it: remember the caret, replace
// the content by the colourised text, put the caret back.
TEST(ColorizerCaret, CaretInTheMiddleStaysOnTheSameCharacter)
{
    const QString script = QStringLiteral("Function Main()\n\tDim s\n\ts = \"a <b> & c\" ' note\n"
                                          "\tMain = Len(s)\nEnd Function\n");
    const qsizetype caret = script.indexOf(QLatin1String("<b>")) + 1;
    QTextEdit pane;
    pane.setPlainText(script);
    QTextCursor cursor = pane.textCursor();
    cursor.setPosition(int(caret));
    pane.setTextCursor(cursor);

    const int remembered = pane.textCursor().selectionStart();
    pane.setHtml(ScriptColorizer().ParseCode(pane.toPlainText()));
    cursor = pane.textCursor();
    cursor.setPosition(remembered);
    pane.setTextCursor(cursor);

    EXPECT_EQ(pane.textCursor().position(), caret);
    EXPECT_EQ(pane.document()->characterAt(pane.textCursor().position()), QLatin1Char('b'));
    EXPECT_EQ(pane.textCursor().blockNumber(), 2);
    EXPECT_EQ(pane.toPlainText(), script);
}

// Colourising twice gives the same document as colourising once: the plain
// text the pane hands over the second time is unchanged.
TEST(ColorizerCaret, ColourisingAgainChangesNothing)
{
    const QString script = QStringLiteral("var a = `x${1}`;\r\n// done\r\n");
    QTextEdit pane;
    pane.setHtml(ScriptColorizer().ParseCode(script));
    const QString once = pane.toPlainText();
    pane.setHtml(ScriptColorizer().ParseCode(once));
    EXPECT_EQ(pane.toPlainText(), once);
    EXPECT_EQ(once, normalisedLineEnds(script));
}

} // namespace
