// A failed check or test run brings the failing script into view with its
// error's line marked; a clean check says so under the pane.
#include "editorhost.h"

#include "platform/ui/modal.h"

#include <QAction>
#include <QTextBlock>
#include <gtest/gtest.h>

namespace {

// "x = (" leaves the expression open at column 6 (from 1) of line 3.
const char *const brokenScript = "Function Main(v)\r\n\tMain = True\r\nx = (\r\nEnd Function";
const char *const cleanScript = "Function Main(v)\r\n\tMain = True\r\nEnd Function";

struct PaneCase
{
    const char *script; // "General" or a level key
    const char *pane;
    const char *page;
};

const PaneCase paneCases[] = {
    {"General", "rtfScript", "General"},
    {"Danger", "rtfScriptDanger", "EvaluationData"},
    {"Warning", "rtfScriptWarning", "EvaluationData"},
    {"Good", "rtfScriptGood", "EvaluationData"},
};

class ErrorJump : public ::testing::TestWithParam<PaneCase>
{
protected:
    ErrorJump()
    {
        host.openExample(QStringLiteral("existing-job.xml"));
        host.editor->resize(800, 560);
        host.editor->show();
    }
    ScriptPane *pane() const { return host.pane(QLatin1String(GetParam().pane)); }
    bool general() const { return GetParam().page == QLatin1String("General"); }
    void checkOnView()
    {
        host.controls.ssTabDatos->selectKey(QLatin1String(GetParam().page));
        if (!general())
            host.controls.ssTabValues->selectKey(QLatin1String(GetParam().script));
        host.editor->CheckSyntax(general());
    }

    EditorHost host;
};

TEST_P(ErrorJump, AFailedCheckPutsTheCaretOnTheErrorAndKeepsTheBox)
{
    pane()->setPlainText(QLatin1String(brokenScript));
    checkOnView();
    ASSERT_EQ(host.capture.boxes.size(), 1);
    EXPECT_TRUE(host.capture.boxes[0].prompt.startsWith(QStringLiteral("Code Error.\r")));
    EXPECT_EQ(pane()->markedLine(), 3);
    EXPECT_EQ(pane()->textCursor().blockNumber(), 2);
    EXPECT_EQ(pane()->textCursor().positionInBlock(), host.capture.boxes[0].prompt.section(QStringLiteral("Column: "), 1).section(QLatin1Char('\r'), 0, 0).toInt());
    EXPECT_TRUE(pane()->statusText().startsWith(QLatin1String(GetParam().script) + QStringLiteral(": Line 3, column ")))
        << pane()->statusText().toStdString();
    // The next edit forgets the mark.
    pane()->insertPlainText(QStringLiteral(" "));
    EXPECT_EQ(pane()->markedLine(), 0);
    EXPECT_TRUE(pane()->statusText().isEmpty());
}

TEST_P(ErrorJump, ACleanCheckSaysSoUnderThePaneWithoutABox)
{
    pane()->setPlainText(QLatin1String(cleanScript));
    checkOnView();
    EXPECT_TRUE(host.capture.boxes.isEmpty());
    EXPECT_EQ(pane()->statusText(), QStringLiteral("No syntax errors"));
    EXPECT_EQ(pane()->markedLine(), 0);
}

TEST_P(ErrorJump, AFailedTestRunBringsTheFailingScriptIntoViewAndNamesIt)
{
    host.controls.rtfScript->setPlainText(QStringLiteral("Function Main()\r\n\tMain = 5\r\nEnd Function"));
    for (ScriptPane *level : {host.controls.rtfScriptDanger, host.controls.rtfScriptWarning, host.controls.rtfScriptGood})
        level->setPlainText(QStringLiteral("Function Main(v)\r\n\tMain = False\r\nEnd Function"));
    pane()->setPlainText(QLatin1String(brokenScript));
    host.find<QCheckBox>(QStringLiteral("chkEvalData"))->setChecked(true);
    // The other page (or level) is on view when the run starts.
    host.controls.ssTabDatos->selectKey(general() ? QStringLiteral("EvaluationData") : QStringLiteral("General"));
    host.controls.ssTabValues->selectKey(GetParam().script == QLatin1String("Good") ? QStringLiteral("Danger")
                                                                                   : QStringLiteral("Good"));
    const ui::ScopedModalHandler noResult([](QDialog &) { return 0; });
    host.find<QAction>(QStringLiteral("ID_Evaluate"))->trigger();

    ASSERT_EQ(host.capture.boxes.size(), 1);
    EXPECT_EQ(host.capture.boxes[0].prompt.count(QLatin1Char('\n')), 6);   // the report as it was
    EXPECT_EQ(host.controls.ssTabDatos->selectedKey(), QLatin1String(GetParam().page));
    if (!general()) {
        EXPECT_EQ(host.controls.ssTabValues->selectedKey(), QLatin1String(GetParam().script));
    }
    EXPECT_EQ(pane()->markedLine(), 3);
    EXPECT_TRUE(pane()->statusText().startsWith(QLatin1String(GetParam().script) + QStringLiteral(": ")));
}

INSTANTIATE_TEST_SUITE_P(Panes, ErrorJump, ::testing::ValuesIn(paneCases),
                         [](const auto &info) { return std::string(info.param.script); });

} // namespace
