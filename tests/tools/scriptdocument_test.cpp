// A script pane's text logic on a bare document, no widget: every line keeps
// its own end through loading, replacing, editing and undo.
#include "script/colorizer/scriptcolorizer.h"
#include "tools/colourruns.h"
#include "tools/scriptdocument.h"
#include "testsupport.h"

#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

struct Doc
{
    QTextDocument document;
    ScriptDocument script{document};
};

const char16_t *const scripts[][2] = {
    {u"MixedEnds", u"Function Main()\r\n\tMain = 1\nEnd Function\r"},
    {u"EndsWithALineEnd", u"a\r\nb\r\n"},
    {u"OnlyLineEnds", u"\n\r\n\r\r\n"},
    {u"Empty", u""},
    {u"BlockBreaksOtherThanLineEnds", u"a\u2029b\ufdd0c\ufdd1d"},
    {u"CharactersTheDocumentWouldTurnIntoOthers", u"x = \"a\u00a0b\u2028c\"\r\n"},
};

TEST(ScriptDocument, ComesBackAsLoadedAndReplacingIsOneUndoStep)
{
    for (const auto &[name, script] : scripts) {
        SCOPED_TRACE(QString::fromUtf16(name).toStdString());
        const QString text = QString::fromUtf16(script);
        Doc d;
        d.script.load(QStringLiteral("Dim x\r\nx = 1"));
        EXPECT_FALSE(d.document.isUndoAvailable());
        d.script.replace(text);
        EXPECT_EQ(d.script.text(), text);
        d.document.undo();
        EXPECT_EQ(d.script.text(), "Dim x\r\nx = 1");
        d.script.load(text);
        EXPECT_EQ(d.script.text(), text);
    }
}

// An edit at a position (removing, then inserting, as typing and pasting do)
// changes the ends of the lines it touches only, and undo gives the loaded text.
TEST(ScriptDocument, EditsKeepTheEndsOfTheOtherLines)
{
    const struct
    {
        const char *name, *loaded;
        int at, removed;
        const char *inserted, *edited;
    } rows[] = {
        {"TypingInALine", "a\r\nb\nc\rd", 2, 0, "x", "a\r\nxb\nc\rd"},
        {"EnterSplitsALineIntoTwoWithItsEnd", "ab\r\nc\nd", 1, 0, "\n", "a\r\nb\r\nc\nd"},
        {"PastedLinesTakeTheEndOfTheirLine", "a\r\nb\nc", 2, 0, "x\r\ny\n", "a\r\nx\ny\nb\nc"},
        {"DeletingALine", "a\r\nb\nc\rd", 2, 2, "", "a\r\nc\rd"},
        {"ANewLastLineTakesTheEndAboveIt", "a\rb", 3, 0, "\n", "a\rb\r"},
        {"ANewLineInAOneLineScript", "a", 1, 0, "\n", "a\n"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        Doc d;
        d.script.load(QLatin1String(row.loaded));
        QTextCursor cursor(&d.document);
        cursor.setPosition(row.at);
        cursor.setPosition(row.at + row.removed, QTextCursor::KeepAnchor);
        cursor.insertText(QLatin1String(row.inserted));
        EXPECT_EQ(d.script.text(), row.edited);
        d.document.undo();
        EXPECT_EQ(d.script.text(), row.loaded);
    }
}

// Going round the end forward: the pane's find bar (tests/dialogs/scriptpane_test.cpp).
TEST(ScriptDocument, FindGoesRoundBackwardAndReplaceAllIsOneStep)
{
    Doc d;
    d.script.load(QStringLiteral("Dim a\r\nDIM b\ndim c"));
    EXPECT_EQ(d.script.find(QStringLiteral("dim"), QTextCursor(&d.document), true).selectionStart(), 12);
    EXPECT_EQ(d.script.replaceAll(QStringLiteral("dim"), QStringLiteral("Dim x, ")), 3);
    EXPECT_EQ(d.script.text(), "Dim x,  a\r\nDim x,  b\nDim x,  c");
    d.document.undo();
    EXPECT_EQ(d.script.text(), "Dim a\r\nDIM b\ndim c");
}

// Our colouriser's runs colour each character but blanks as its rich text
// does, read back over the script (rich text with other characters: the
// pane's test of a host's colouriser).
TEST(ColourRuns, OurColouriserRunsAreItsRichTextsColours)
{
    colorizer::ScriptColorizer ours;
    for (const char *script : {"' a < b & c\n\nFunction Main()\n\tMain = \"x\" & 1.5\nEnd Function\n",
                               "/* one\n two */ var s = `a\nb`;\nreturn s < 2 && !s; // end"}) {
        Doc d;
        d.script.load(QString::fromLatin1(script));
        const QString text = d.document.toPlainText();
        std::vector<QRgb> read(std::size_t(text.size())), given(read);
        for (const auto &[runs, colours] : {std::pair{colourRunsOf(ours.ParseCode(text), d.document), &read},
                                            std::pair{*ours.ColourRuns(text), &given}})
            for (const host::ColourRun &run : runs)
                std::fill_n(colours->begin() + run.start, run.length, run.colour.rgba());
        for (qsizetype i = 0; i < text.size(); ++i)
            EXPECT_TRUE(text[i].isSpace() || read[std::size_t(i)] == given[std::size_t(i)]) << script << " at " << i;
    }
}

} // namespace
