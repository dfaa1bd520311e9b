// The script pane as a user types in it: live colours, the colouriser's
// colours, find, replace, go to line and the editing keys.
#include "dialogs/panefindbar.h"
#include "dialogs/scriptpane.h"
#include "expecterror.h"
#include "host/colorizer.h"
#include "script/colorizer/scriptcolorizer.h"

#include <QLineEdit>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>
#include <cstring>
#include <tuple>
#include <gtest/gtest.h>

namespace {

using colorizer::ScriptDialect;
using colorizer::TokenClass;

struct Pane : ::testing::Test
{
    Pane()
    {
        pane.resize(400, 300);
        pane.show();
        pane.setFocus();
    }
    // Puts `text` in the pane with [from, to) selected.
    void set(const QString &text, int from, int to)
    {
        pane.setPlainText(text);
        QTextCursor cursor = pane.textCursor();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        pane.setTextCursor(cursor);
    }
    QLineEdit *line(const char *name) { return pane.findChild<QLineEdit *>(name); }
    ScriptPane pane;
};

TEST_F(Pane, TypedTextTakesTheColourOfWhatItIs)
{
    // Name, dialect, text, what is typed at its end, what is looked at (its last occurrence), its colour.
    using Case = std::tuple<const char *, ScriptDialect, const char *, const char *, const char *, TokenClass>;
    const Case cases[] = {
        {"VbKeywordAfterString", ScriptDialect::VBScript, "x = \"abc\"", " And y", "And", TokenClass::Keyword},
        {"VbStringStaysString", ScriptDialect::VBScript, "x = \"abc\"", " And y", "\"abc\"", TokenClass::String},
        {"VbCommentToLineEnd", ScriptDialect::VBScript, "x = 1 ", "' If", "If", TokenClass::Comment},
        {"JsKeywordAfterString", ScriptDialect::JScript, "var s = 'a';", " return s", "return", TokenClass::Keyword},
        {"JsBlockCommentGoesOn", ScriptDialect::JScript, "/* open\nvar", " x", "var", TokenClass::Comment},
        {"JsAfterClosedComment", ScriptDialect::JScript, "/* open\nstill */", " var", "var", TokenClass::Keyword},
        {"JsTemplateGoesOn", ScriptDialect::JScript, "var t = `one\ntwo", " var", "var", TokenClass::String},
    };
    for (const auto &[name, dialect, before, typed, probe, expected] : cases) {
        SCOPED_TRACE(name);
        pane.setDialect(dialect);
        set(before, int(strlen(before)), int(strlen(before)));
        QTest::keyClicks(&pane, typed);
        const int at = int(pane.toPlainText().lastIndexOf(probe));
        ASSERT_GE(at, 0);
        EXPECT_EQ(int(pane.colourAt(at)), int(expected)) << pane.toPlainText().toStdString();
    }
    pane.setPlainText("var x");
    pane.setLanguageName("JScript");
    EXPECT_EQ(pane.colourAt(0), TokenClass::Keyword);
    pane.setLanguageName("VBScript");
    EXPECT_EQ(pane.colourAt(0), TokenClass::Plain);
}

// A host's colouriser that gives rich text only: every "x" red, nothing else
// coloured; `drop` leaves characters at the end out.
struct HostColouriser : host::Colorizer
{
    QString ParseCode(const QString &text) override
    {
        QString html = text.chopped(drop).toHtmlEscaped();
        html.replace("x", "<span style=\"color:#ff0000;\">x</span>");
        return "<body style=\"white-space:pre-wrap;\">" + html + "</body>";
    }
    int drop = 0;
};

// Colouring leaves the text and its undo history as they are.
TEST_F(Pane, TheInstalledColouriserColoursTheLinesUntilTheyAreEdited)
{
    set("Dim x\nx = 1", 0, 0);
    HostColouriser host;
    colorizeScript(pane, host);
    EXPECT_EQ(pane.textColourAt(4), QColor(Qt::red));
    EXPECT_EQ(pane.textColourAt(6), QColor(Qt::red));
    EXPECT_FALSE(pane.textColourAt(0).isValid()) << "the host's colours, not the pane's own";
    pane.moveCursor(QTextCursor::NextBlock);
    QTest::keyClicks(&pane, "y");
    EXPECT_FALSE(pane.textColourAt(6).isValid()) << "an edited line takes the pane's colours again";
    EXPECT_EQ(pane.textColourAt(4), QColor(Qt::red));
    colorizeScript(pane, host);
    QTest::keyClick(&pane, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(pane.toPlainText(), "Dim x\nx = 1");
    QTest::keyClick(&pane, Qt::Key_Y, Qt::ControlModifier);
    host.drop = 1;
    EXPECT_TRUE(raisedBy([&] { colorizeScript(pane, host); }).description.endsWith("line 2"));
    EXPECT_EQ(pane.toPlainText(), "Dim x\nyx = 1");

    QPalette dark = pane.palette();
    dark.setColor(QPalette::Base, Qt::black);
    pane.setPalette(dark);
    pane.setDialect(ScriptDialect::JScript);   // the colouriser reads a VBScript comment
    set("Dim x ' note", 0, 0);
    colorizer::ScriptColorizer ours;
    colorizeScript(pane, ours);
    EXPECT_GT(pane.textColourAt(8).lightness(), 128) << "standard colours in the dark pane's variant";
}

// The bar's keys and buttons; what it finds and replaces is ScriptDocument's.
TEST_F(Pane, TheFindBarFindsGoesToALineAndReplacesAll)
{
    set("Dim a\nDim b\nDIM c", 17, 17);   // the second match going round the end
    QTest::keyClick(&pane, Qt::Key_F, Qt::ControlModifier);
    QTest::keyClicks(line("paneFindText"), "dim");
    QTest::keyClick(line("paneFindText"), Qt::Key_Return);
    QTest::keyClick(line("paneFindText"), Qt::Key_Return);
    EXPECT_EQ(pane.textCursor().selectionStart(), 6);
    QTest::keyClick(line("paneFindText"), Qt::Key_Escape);
    EXPECT_FALSE(pane.findBar()->isVisible());
    QTest::keyClick(&pane, Qt::Key_G, Qt::ControlModifier);
    QTest::keyClicks(line("paneFindText"), "3");
    QTest::keyClick(line("paneFindText"), Qt::Key_Return);
    EXPECT_EQ(pane.textCursor().blockNumber(), 2);
    QTest::keyClick(&pane, Qt::Key_H, Qt::ControlModifier);
    line("paneFindText")->setText("dim");
    QTest::keyClicks(line("paneReplaceText"), "Const");
    pane.findChild<QToolButton *>("paneReplaceAll")->click();
    EXPECT_EQ(pane.toPlainText(), "Const a\nConst b\nConst c");
}

// What is typed in the bar stays in the bar: Tab goes round its fields, and
// a key a field leaves alone never edits the text under the bar.
TEST_F(Pane, KeysTypedInTheFindBarNeverReachTheText)
{
    // The key, and the bar's field that has the focus afterwards.
    for (const auto &[key, modifiers, focus] : {std::tuple{Qt::Key_Tab, Qt::NoModifier, "paneReplaceText"},
                                                std::tuple{Qt::Key_Backtab, Qt::ShiftModifier, "paneFindClose"},
                                                std::tuple{Qt::Key_Down, Qt::ShiftModifier, "paneFindText"}}) {
        set("Dim a\nDim b", 5, 5);
        QTest::keyClick(&pane, Qt::Key_H, Qt::ControlModifier);
        QTest::keyClick(line("paneFindText"), key, modifiers);
        EXPECT_EQ(pane.toPlainText(), "Dim a\nDim b");
        EXPECT_EQ(std::pair(pane.textCursor().position(), pane.textCursor().anchor()), std::pair(5, 5));
        QWidget *field = pane.findBar()->focusWidget();
        EXPECT_EQ(field ? field->objectName() : QString(), focus);
        QTest::keyClick(pane.findBar(), Qt::Key_Escape);
    }
}

TEST_F(Pane, EditingKeysChangeTheLinesAsAScriptEditorDoes)
{
    // Name, text, its selection, the key pressed there and the text afterwards.
    using Case = std::tuple<const char *, const char *, int, int, Qt::Key, Qt::KeyboardModifiers, const char *>;
    const Case cases[] = {
        {"EnterKeepsTheIndent", "\tIf a Then", 10, 10, Qt::Key_Return, Qt::NoModifier, "\tIf a Then\n\t"},
        {"ShiftEnterEndsTheLineToo", "\ta", 1, 2, Qt::Key_Return, Qt::ShiftModifier, "\t\n\t"},
        {"TabIndentsSelectedLinesNotTheOneItEndsAt", "a\nb\nc", 0, 4, Qt::Key_Tab, Qt::NoModifier, "\ta\n\tb\nc"},
        {"TabInALineIsATab", "ab", 1, 1, Qt::Key_Tab, Qt::NoModifier, "a\tb"},
        {"ShiftTabUnindents", "\ta\n    b\n  c", 0, 12, Qt::Key_Backtab, Qt::ShiftModifier, "a\nb\nc"},
    };
    for (const auto &[name, before, from, to, key, modifiers, after] : cases) {
        SCOPED_TRACE(name);
        set(before, from, to);
        QTest::keyClick(&pane, key, modifiers);
        EXPECT_EQ(pane.toPlainText(), after);
    }
}

} // namespace
