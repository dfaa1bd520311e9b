// The script panes: change notifications, clipboard, syntax check, colourising,
// popup menu and the routing of its entries.
#include "editorhost.h"

#include "host/colorizer.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

void select(QTextEdit *pane, int from, int to)
{
    QTextCursor cursor = pane->textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    pane->setTextCursor(cursor);
}

struct Panes : ::testing::Test
{
    Panes()
    {
        host.openExample(QStringLiteral("existing-job.xml"));
        host.editor->resize(800, 560);
        host.editor->show();
    }
    EditorHost host;
    UCScript &editor = *host.editor;
};

TEST_F(Panes, TypingNotifiesEachChange)
{
    editor.rtfScript->setFocus();
    QTest::keyClicks(editor.rtfScript, QStringLiteral("abc"));
    EXPECT_EQ(host.notifier.count(), 3);
}

TEST_F(Panes, PasteReplacesTheSelectionAndNotifies)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("Sub"));
    select(editor.rtfScript, 0, 8);   // "Function"
    bool general = true;
    editor.Paste(general);
    EXPECT_TRUE(editor.rtfScript->toPlainText().startsWith(QStringLiteral("Sub Main()")));
    EXPECT_EQ(host.notifier.count(), 1);
}

TEST_F(Panes, ColourisingNotifiesAndKeepsTheCaret)
{
    const QString before = editor.rtfScriptWarning->toPlainText();
    editor.ssTabValues->selectKey(QStringLiteral("Warning"));
    select(editor.rtfScriptWarning, 12, 16);
    bool general = false;
    editor.ColorizeCode(general, QStringLiteral("Warning"));
    EXPECT_EQ(host.notifier.count(), 1);
    EXPECT_EQ(editor.rtfScriptWarning->toPlainText(), before);
    EXPECT_EQ(editor.rtfScriptWarning->textCursor().position(), 12);
    EXPECT_FALSE(editor.rtfScriptWarning->textCursor().hasSelection());
}

TEST_F(Panes, CopyPutsTheSelectionAsPlainText)
{
    select(editor.rtfScript, 0, 15);   // "Function Main()" and nothing else
    QTest::mouseClick(editor.cmdCopyScript, Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Function Main()"));
    EXPECT_EQ(host.notifier.count(), 0);
}

TEST_F(Panes, CutWithAnEmptySelectionPutsEmptyTextAndChangesNothing)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("old"));
    const QString before = editor.rtfScript->toPlainText();
    select(editor.rtfScript, 4, 4);
    bool general = true;
    editor.Cut(general);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString());
    EXPECT_EQ(editor.rtfScript->toPlainText(), before);
    EXPECT_EQ(host.notifier.count(), 0);
}

TEST_F(Panes, CutOnTheLevelPageTakesTheSelectedTabsPane)
{
    editor.ssTabValues->selectKey(QStringLiteral("Good"));
    select(editor.rtfScriptGood, 0, 8);
    QTest::mouseClick(editor.cmdCut, Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Function"));
    EXPECT_TRUE(editor.rtfScriptGood->toPlainText().startsWith(QStringLiteral(" Main(pSsrValue)")));
    EXPECT_EQ(host.notifier.count(), 1);
}

TEST_F(Panes, ASyntaxErrorIsReportedWithItsLine)
{
    editor.rtfScriptWarning->setPlainText(QStringLiteral("Function Main(v)\n\tMain = (v >\nEnd Function"));
    editor.ssTabValues->selectKey(QStringLiteral("Warning"));
    QTest::mouseClick(editor.cmdCheckSyntax, Qt::LeftButton);
    ASSERT_EQ(host.capture.boxes.size(), 1);
    const QString prompt = host.capture.boxes[0].prompt;
    EXPECT_TRUE(prompt.startsWith(QStringLiteral("Code Error.\rError.\r\nNumber: "))) << prompt.toStdString();
    EXPECT_TRUE(prompt.contains(QStringLiteral("\r\nLine: 2\r\n"))) << prompt.toStdString();
    EXPECT_EQ(prompt.count(QStringLiteral("\r\n")), 6);
    EXPECT_EQ(host.capture.boxes[0].style, ui::OkOnly | ui::Information);
    EXPECT_EQ(host.capture.boxes[0].title, QStringLiteral("Veltrano"));

    // The same button on the Good tab examines the Good pane, which compiles.
    editor.ssTabValues->selectKey(QStringLiteral("Good"));
    QTest::mouseClick(editor.cmdCheckSyntax, Qt::LeftButton);
    EXPECT_EQ(host.capture.boxes.size(), 1);
}

TEST_F(Panes, AJScriptPaneIsCheckedAsJScript)
{
    editor.rtfScript->setPlainText(QStringLiteral("function Main() {\n  return 1 +;\n}"));
    editor.cmbLanguageScript->setCurrentIndex(1);
    bool general = true;
    editor.CheckSyntax(general);
    ASSERT_EQ(host.capture.boxes.size(), 1);
    EXPECT_TRUE(host.capture.boxes[0].prompt.contains(QStringLiteral("\r\nLine: 2\r\n")));
    EXPECT_TRUE(host.capture.boxes[0].prompt.contains(QStringLiteral("JScript")));
}

TEST_F(Panes, RightClickOpensThePopupWhoseEntriesActOnThePageOnView)
{
    select(editor.rtfScript, 0, 8);
    editor.ssTabValues->selectKey(QStringLiteral("Danger"));
    select(editor.rtfScriptDanger, 9, 13);
    QTest::mouseClick(editor.rtfScript->viewport(), Qt::RightButton, {}, QPoint(20, 20));
    EXPECT_TRUE(editor.popupMenu->isVisible());
    QStringList entries;
    for (QAction *entry : editor.popupMenu->actions())
        entries << (entry->isSeparator() ? QStringLiteral("-") : entry->objectName());
    EXPECT_EQ(entries, (QStringList{"ID_Cut", "ID_Copy", "ID_Paste", "-", "ID_Colorize", "ID_CheckSyntax"}));

    editor.ssToolBarJob->findChild<QAction *>(QStringLiteral("ID_Copy"))->trigger();
    editor.popupMenu->hide();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Function"));   // General page on view

    editor.ssTabDatos->selectKey(QStringLiteral("EvaluationData"));
    editor.ssToolBarJob->findChild<QAction *>(QStringLiteral("ID_Copy"))->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Main"));
}

TEST_F(Panes, ToolsWithoutACommandDoNothing)
{
    const QString before = editor.rtfScript->toPlainText();
    for (const char *id : {"ID_Popup", "ID_Description", "ID_LabelDescription", "ID_Unknown"})
        editor.ssToolBarJob_ToolClick(QLatin1String(id));
    EXPECT_EQ(editor.rtfScript->toPlainText(), before);
    EXPECT_TRUE(host.capture.boxes.isEmpty());
    EXPECT_EQ(host.notifier.count(), 0);
}

TEST_F(Panes, AColouriserThatCannotBeCreatedIsReportedAndTheTextStays)
{
    host::ScopedFactory<host::Colorizer> none(host::colorizers(), [] { return nullptr; });
    const QString before = editor.rtfScript->toPlainText();
    bool general = true;
    editor.ColorizeCode(general, QStringLiteral("Danger"));
    ASSERT_EQ(host.capture.boxes.size(), 1);
    EXPECT_TRUE(host.capture.boxes[0].prompt.startsWith(QStringLiteral("Error: 429\r")));
    EXPECT_TRUE(host.capture.boxes[0].prompt.endsWith(QStringLiteral(" frmJob.ColorizeCode() ")));
    EXPECT_EQ(editor.rtfScript->toPlainText(), before);
}

} // namespace
