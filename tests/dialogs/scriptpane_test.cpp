// The script pane as a user types in it: live colours, undo across Colorize,
// find, replace, go to line and the editing keys.
#include "dialogs/panefindbar.h"
#include "dialogs/scriptpane.h"
#include "host/colorizer.h"
#include "script/colorizer/scriptcolorizer.h"

#include <QLineEdit>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>
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
    void type(const QString &text)
    {
        QTest::keyClicks(&pane, text);
    }
    int offsetOf(const QString &text, int from = 0) const
    {
        return int(pane.toPlainText().indexOf(text, from));
    }
    ScriptPane pane;
};

struct TypedCase
{
    const char *name;
    ScriptDialect dialect;
    const char *before; // in the pane first, then the caret at its end
    const char *typed;
    const char *probe;  // the last occurrence is looked at
    TokenClass expected;
};

class TypedColour : public Pane, public ::testing::WithParamInterface<TypedCase>
{
};

TEST_P(TypedColour, TypedTextTakesTheColourOfWhatItIs)
{
    const TypedCase &c = GetParam();
    pane.setDialect(c.dialect);
    pane.setPlainText(QString::fromUtf8(c.before));
    pane.moveCursor(QTextCursor::End);
    type(QString::fromUtf8(c.typed));
    const int at = int(pane.toPlainText().lastIndexOf(QString::fromUtf8(c.probe)));
    ASSERT_GE(at, 0);
    EXPECT_EQ(int(pane.colourAt(at)), int(c.expected)) << pane.toPlainText().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Dialects, TypedColour,
    ::testing::Values(
        TypedCase{"VbKeywordAfterString", ScriptDialect::VBScript, "x = \"abc\"", " And y", "And", TokenClass::Keyword},
        TypedCase{"VbStringStaysString", ScriptDialect::VBScript, "x = \"abc\"", " And y", "\"abc\"",
                  TokenClass::String},
        TypedCase{"VbCommentToLineEnd", ScriptDialect::VBScript, "x = 1 ", "' If", "If", TokenClass::Comment},
        TypedCase{"JsKeywordAfterString", ScriptDialect::JScript, "var s = 'a';", " return s", "return",
                  TokenClass::Keyword},
        TypedCase{"JsBlockCommentGoesOn", ScriptDialect::JScript, "/* open\nvar", " x", "var", TokenClass::Comment},
        TypedCase{"JsAfterClosedComment", ScriptDialect::JScript, "/* open\nstill */", " var", "var",
                  TokenClass::Keyword},
        TypedCase{"JsTemplateGoesOn", ScriptDialect::JScript, "var t = `one\ntwo", " var", "var",
                  TokenClass::String}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(Pane, TheLanguageListDecidesTheColours)
{
    pane.setPlainText(QStringLiteral("var x"));
    pane.setLanguageName(QStringLiteral("JScript"));
    EXPECT_EQ(pane.colourAt(0), TokenClass::Keyword);
    pane.setLanguageName(QStringLiteral("VBScript"));
    EXPECT_EQ(pane.colourAt(0), TokenClass::Plain);
}

TEST_F(Pane, UndoAndRedoGoOnAcrossColorize)
{
    pane.setPlainText(QStringLiteral("Dim a"));
    pane.moveCursor(QTextCursor::End);
    type(QStringLiteral(" ' note"));
    colorizer::ScriptColorizer colouriser;
    colorizeScript(pane, colouriser);
    EXPECT_EQ(pane.toPlainText(), QStringLiteral("Dim a ' note"));
    QTest::keyClick(&pane, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(pane.toPlainText(), QStringLiteral("Dim a"));
    QTest::keyClick(&pane, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(pane.toPlainText(), QStringLiteral("Dim a ' note"));
}

TEST_F(Pane, FindSelectsTheNextMatchGoingRoundTheEnd)
{
    pane.setPlainText(QStringLiteral("Dim a\nDim b\nDIM c"));
    pane.moveCursor(QTextCursor::End);
    QTest::keyClick(&pane, Qt::Key_F, Qt::ControlModifier);
    auto *findText = pane.findChild<QLineEdit *>(QStringLiteral("paneFindText"));
    ASSERT_TRUE(pane.findBar()->isVisible());
    QTest::keyClicks(findText, QStringLiteral("dim"));
    QTest::keyClick(findText, Qt::Key_Return);
    EXPECT_EQ(pane.textCursor().selectionStart(), 0);
    QTest::keyClick(findText, Qt::Key_Return);
    EXPECT_EQ(pane.textCursor().selectionStart(), offsetOf(QStringLiteral("Dim b")));
    QTest::keyClick(findText, Qt::Key_Escape);
    EXPECT_FALSE(pane.findBar()->isVisible());
}

TEST_F(Pane, ReplaceAllIsOneStepToUndo)
{
    pane.setPlainText(QStringLiteral("Dim a\nDim b"));
    QTest::keyClick(&pane, Qt::Key_H, Qt::ControlModifier);
    QTest::keyClicks(pane.findChild<QLineEdit *>(QStringLiteral("paneFindText")), QStringLiteral("dim"));
    QTest::keyClicks(pane.findChild<QLineEdit *>(QStringLiteral("paneReplaceText")), QStringLiteral("Const"));
    pane.findChild<QToolButton *>(QStringLiteral("paneReplaceAll"))->click();
    EXPECT_EQ(pane.toPlainText(), QStringLiteral("Const a\nConst b"));
    pane.undo();
    EXPECT_EQ(pane.toPlainText(), QStringLiteral("Dim a\nDim b"));
}

TEST_F(Pane, GoToLinePutsTheCaretOnTheLine)
{
    pane.setPlainText(QStringLiteral("a\nb\nc\nd"));
    QTest::keyClick(&pane, Qt::Key_G, Qt::ControlModifier);
    auto *line = pane.findChild<QLineEdit *>(QStringLiteral("paneFindText"));
    QTest::keyClicks(line, QStringLiteral("3"));
    QTest::keyClick(line, Qt::Key_Return);
    EXPECT_EQ(pane.textCursor().blockNumber(), 2);
    EXPECT_FALSE(pane.findBar()->isVisible());
}

struct KeyCase
{
    const char *name;
    const char *before;
    int selectFrom, selectTo; // the selection (or the caret when equal)
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char *after;
};

class EditKey : public Pane, public ::testing::WithParamInterface<KeyCase>
{
};

TEST_P(EditKey, ChangesTheLinesAsAScriptEditorDoes)
{
    const KeyCase &c = GetParam();
    pane.setPlainText(QString::fromUtf8(c.before));
    QTextCursor cursor = pane.textCursor();
    cursor.setPosition(c.selectFrom);
    cursor.setPosition(c.selectTo, QTextCursor::KeepAnchor);
    pane.setTextCursor(cursor);
    QTest::keyClick(&pane, c.key, c.modifiers);
    EXPECT_EQ(pane.toPlainText(), QString::fromUtf8(c.after));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, EditKey,
    ::testing::Values(KeyCase{"EnterKeepsTheIndent", "\tIf a Then", 10, 10, Qt::Key_Return, Qt::NoModifier,
                              "\tIf a Then\n\t"},
                      KeyCase{"TabIndentsSelectedLines", "a\nb\nc", 0, 3, Qt::Key_Tab, Qt::NoModifier, "\ta\n\tb\nc"},
                      KeyCase{"TabInALineIsATab", "ab", 1, 1, Qt::Key_Tab, Qt::NoModifier, "a\tb"},
                      KeyCase{"ShiftTabUnindents", "\ta\n    b\n  c", 0, 12, Qt::Key_Backtab, Qt::ShiftModifier,
                              "a\nb\nc"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
