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

void select(ScriptPane *pane, int from, int to)
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
    const EditorControls &controls = host.controls;
};

TEST_F(Panes, TypingNotifiesEachChange)
{
    controls.rtfScript->setFocus();
    QTest::keyClicks(controls.rtfScript, QStringLiteral("abc"));
    EXPECT_EQ(host.notifier.count(), 3);
}

TEST_F(Panes, PasteReplacesTheSelectionAndNotifies)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("Sub"));
    select(controls.rtfScript, 0, 8);   // "Function"
    editor.Paste(true);
    EXPECT_TRUE(controls.rtfScript->toPlainText().startsWith(QStringLiteral("Sub Main()")));
    EXPECT_EQ(host.notifier.count(), 1);
}

TEST_F(Panes, ColourisingNotifiesAndKeepsTheCaret)
{
    const QString before = controls.rtfScriptWarning->toPlainText();
    controls.ssTabValues->selectKey(QStringLiteral("Warning"));
    select(controls.rtfScriptWarning, 12, 16);
    editor.ColorizeCode(false, QStringLiteral("Warning"));
    EXPECT_EQ(host.notifier.count(), 1);
    EXPECT_EQ(controls.rtfScriptWarning->toPlainText(), before);
    EXPECT_EQ(controls.rtfScriptWarning->textCursor().position(), 12);
    EXPECT_FALSE(controls.rtfScriptWarning->textCursor().hasSelection());
}

TEST_F(Panes, CopyPutsTheSelectionAsPlainText)
{
    select(controls.rtfScript, 0, 15);   // "Function Main()" and nothing else
    QTest::mouseClick(controls.cmdCopyScript, Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Function Main()"));
    EXPECT_EQ(host.notifier.count(), 0);
}

TEST_F(Panes, CutWithAnEmptySelectionPutsEmptyTextAndChangesNothing)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("old"));
    const QString before = controls.rtfScript->toPlainText();
    select(controls.rtfScript, 4, 4);
    editor.Cut(true);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString());
    EXPECT_EQ(controls.rtfScript->toPlainText(), before);
    EXPECT_EQ(host.notifier.count(), 0);
}

TEST_F(Panes, CutOnTheLevelPageTakesTheSelectedTabsPane)
{
    controls.ssTabValues->selectKey(QStringLiteral("Good"));
    select(controls.rtfScriptGood, 0, 8);
    QTest::mouseClick(controls.cmdCut, Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Function"));
    EXPECT_TRUE(controls.rtfScriptGood->toPlainText().startsWith(QStringLiteral(" Main(pSsrValue)")));
    EXPECT_EQ(host.notifier.count(), 1);
}

TEST_F(Panes, ASyntaxErrorIsReportedWithItsLine)
{
    controls.rtfScriptWarning->setPlainText(QStringLiteral("Function Main(v)\n\tMain = (v >\nEnd Function"));
    controls.ssTabValues->selectKey(QStringLiteral("Warning"));
    QTest::mouseClick(controls.cmdCheckSyntax, Qt::LeftButton);
    ASSERT_EQ(host.capture.boxes.size(), 1);
    const QString prompt = host.capture.boxes[0].prompt;
    EXPECT_TRUE(prompt.startsWith(QStringLiteral("Code Error.\rError.\r\nNumber: "))) << prompt.toStdString();
    EXPECT_TRUE(prompt.contains(QStringLiteral("\r\nLine: 2\r\n"))) << prompt.toStdString();
    EXPECT_EQ(prompt.count(QStringLiteral("\r\n")), 6);
    EXPECT_EQ(host.capture.boxes[0].style, ui::OkOnly | ui::Information);
    EXPECT_EQ(host.capture.boxes[0].title, QStringLiteral("Veltrano"));
    EXPECT_TRUE(host.capture.recorderCalls.isEmpty()) << "a script that does not compile is no failure";

    // The same button on the Good tab examines the Good pane, which compiles.
    controls.ssTabValues->selectKey(QStringLiteral("Good"));
    QTest::mouseClick(controls.cmdCheckSyntax, Qt::LeftButton);
    EXPECT_EQ(host.capture.boxes.size(), 1);
}

TEST_F(Panes, AJScriptPaneIsCheckedAsJScript)
{
    controls.rtfScript->setPlainText(QStringLiteral("function Main() {\n  return 1 +;\n}"));
    controls.cmbLanguageScript->setCurrentIndex(1);
    editor.CheckSyntax(true);
    ASSERT_EQ(host.capture.boxes.size(), 1);
    EXPECT_TRUE(host.capture.boxes[0].prompt.contains(QStringLiteral("\r\nLine: 2\r\n")));
    EXPECT_TRUE(host.capture.boxes[0].prompt.contains(QStringLiteral("JScript")));
}

TEST_F(Panes, RightClickOpensThePopupWhoseEntriesActOnThePageOnView)
{
    select(controls.rtfScript, 0, 8);
    controls.ssTabValues->selectKey(QStringLiteral("Danger"));
    select(controls.rtfScriptDanger, 9, 13);
    QTest::mouseClick(controls.rtfScript->viewport(), Qt::RightButton, {}, QPoint(20, 20));
    EXPECT_TRUE(controls.popupMenu->isVisible());
    QStringList entries;
    for (QAction *entry : controls.popupMenu->actions())
        entries << (entry->isSeparator() ? QStringLiteral("-") : entry->objectName());
    EXPECT_EQ(entries, (QStringList{"ID_Cut", "ID_Copy", "ID_Paste", "-", "ID_Colorize", "ID_CheckSyntax"}));

    controls.ssToolBarJob->findChild<QAction *>(QStringLiteral("ID_Copy"))->trigger();
    controls.popupMenu->hide();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Function"));   // General page on view

    controls.ssTabDatos->selectKey(QStringLiteral("EvaluationData"));
    controls.ssToolBarJob->findChild<QAction *>(QStringLiteral("ID_Copy"))->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Main"));
}

TEST_F(Panes, ToolsWithoutACommandDoNothing)
{
    const QString before = controls.rtfScript->toPlainText();
    for (const char *id : {"ID_Popup", "ID_Description", "ID_LabelDescription", "ID_Unknown"})
        editor.ssToolBarJob_ToolClick(QLatin1String(id));
    EXPECT_EQ(controls.rtfScript->toPlainText(), before);
    EXPECT_TRUE(host.capture.boxes.isEmpty());
    EXPECT_EQ(host.notifier.count(), 0);
}

TEST_F(Panes, AColouriserThatCannotBeCreatedIsReportedAndTheTextStays)
{
    host::ScopedFactory<host::Colorizer> none(host::colorizers(), [] { return nullptr; });
    const QString before = controls.rtfScript->toPlainText();
    editor.ColorizeCode(true, QStringLiteral("Danger"));
    ASSERT_EQ(host.capture.boxes.size(), 1);
    EXPECT_TRUE(host.capture.boxes[0].prompt.startsWith(QStringLiteral("Error: 429\r")));
    EXPECT_TRUE(host.capture.boxes[0].prompt.endsWith(QStringLiteral(" frmJob.ColorizeCode() ")));
    EXPECT_EQ(controls.rtfScript->toPlainText(), before);
}

} // namespace
