// Every character of a script survives colourising: the rich text loaded into
// a document holds the same characters and paragraphs as the plain text did,
// so a remembered caret offset lands on the same character and line.
#include "script/colorizer/scriptcolorizer.h"

#include <QRandomGenerator>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

using colorizer::ScriptColorizer;
using colorizer::ScriptDialect;

// The document's own characters, each line end a paragraph separator.
QString rawTextOf(const QString &richText)
{
    QTextDocument document;
    document.setHtml(richText);
    return document.toRawText();
}

QString expectedRawText(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QChar::ParagraphSeparator)
        .replace(QLatin1Char('\n'), QChar::ParagraphSeparator);
}

// Whichever dialect a text is read in, nothing is lost or doubled: fixed texts
// for the escapes, line ends and characters markup cares about, then texts of
// the characters that open, close or escape tokens in random order (a fixed
// seed, so a failure repeats).
TEST(ColorizerRoundTrip, KeepsEveryCharacter)
{
    QStringList texts;
    for (const char16_t *row : {
             u"", u"\r\n", u"\r", u"\r\r\n\n", u"a\r\nb\nc\rd\r\n\r\ne", u"\n\n\nx = 1\n\n\n", u"  \n\t\n   \nx",
             u"\tIf  x\t=\t1   Then\n\t\tx = 2    \nEnd If\t", u"' comment <b>&amp;</b> &lt;\nx = 1 ' trailing \"quote",
             u"s = \"a \"\"quoted\"\" <tag> & more\"\n", u"[my var] = [other ] + [unclosed\n[]",
             u"x = &H1F + &hff& + &O17 + &H + & + &o9", u"d = #2024-01-31# : e = #1/2/2003 10:00 AM# : f = # : g = ##\n#",
             u"s = \"Gr\u00fc\u00dfe \u2013 \u6e29\u5ea6 \U0001F321\" ' \u00fcn\u00efc\u00f6d\u00e9\nDim gr\u00f6\u00dfe",
             u"<html>&nbsp;&amp;</html> < > & \" ' <!-- x --> <![CDATA[ ]]>", u"x =\u00a0 1", u"a\u0001b\fc\vd",
             u"/* a\n * b <c>\n\n */ x = 1;", u"var s = 'it\\'s' + \"a \\\"b\\\"\" + 'cont\\\r\nnued' + '\\\\';",
             u"var r = /a[/]b\\/c/gi.test(s); var d = a / b / c;", u"var t = `a ${b + `c${d}e`} f\n line2 ${ {k: 1}.k }`;",
             u"`\\` \\${no} $ {x} ${'}'}`", u"x = 0x1F + 0b101 + 0o17 + 1_000.5e-3 + .5 + 10n + 0x;", u"// a\r\n/* b\r\nc */\r\n",
         })
        texts << QString::fromUtf16(row);
    const QString alphabet = QStringLiteral("\"'`/\\*{}$#[]&Hho7<>\r\n \t_.0e+-xRemDif\u00e9");
    QRandomGenerator random(20240131);
    for (int round = 0; round < 300; ++round) {
        QString text;
        const int length = int(random.bounded(1, 48));
        for (int i = 0; i < length; ++i)
            text += alphabet.at(random.bounded(int(alphabet.size())));
        texts << text;
    }
    for (const QString &text : texts) {
        QTextDocument plain;
        plain.setPlainText(text);
        ASSERT_EQ(plain.toRawText(), expectedRawText(text));
        EXPECT_EQ(rawTextOf(ScriptColorizer().ParseCode(text)), plain.toRawText()) << text.toStdString();
        EXPECT_EQ(rawTextOf(ScriptColorizer::colorize(text, ScriptDialect::VBScript)), plain.toRawText()) << text.toStdString();
        EXPECT_EQ(rawTextOf(ScriptColorizer::colorize(text, ScriptDialect::JScript)), plain.toRawText()) << text.toStdString();
    }
}

} // namespace
