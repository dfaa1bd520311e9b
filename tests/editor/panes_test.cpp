// The script panes: clipboard and colourising from the buttons and the popup
// entries, each acting on the pane of the page on view; a failed check or
// test run brings its error into view, and a check runs no code.
#include "editorhost.h"

#include "dialogs/panefindbar.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QTemporaryDir>

namespace {

void select(ScriptPane *pane, int from, int to)
{
    QTextCursor cursor = pane->textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    pane->setTextCursor(cursor);
}

const char *const paneNames[] = {"rtfScript", "rtfScriptDanger", "rtfScriptWarning", "rtfScriptGood"};

// A button of the editor clicked, or a tool (popup entry) triggered, by name.
void trigger(const EditorHost &host, const char *name)
{
    if (QAction *tool = host.find<QAction>(QLatin1String(name)))
        tool->trigger();
    else
        QTest::mouseClick(host.find<QAbstractButton>(QLatin1String(name)), Qt::LeftButton);
}

TEST(Panes, ClipboardCommandsActOnThePaneOfThePageOnView)
{
    const struct
    {
        const char *command;
        bool general;
        int from, to;
        const char *clipboard, *text;
        int notifications, caret;
    } rows[] = {
        {"cmdCopyScript", true, 0, 8, "Function", "Function Main(\n", 0, 8},
        {"ID_Copy", true, 0, 15, "Function Main(\n", "Function Main(\n", 0, 15},
        {"ID_Copy", false, 0, 15, "Function Main(\n", "Function Main(\n", 0, 15},
        {"cmdCut", false, 0, 8, "Function", " Main(\n", 1, 0},
        {"ID_Cut", false, 0, 15, "Function Main(\n", "", 1, 0},
        {"ID_Cut", true, 4, 4, "", "Function Main(\n", 0, 4},   // an empty selection puts empty text
        {"cmdPasteScript", true, 0, 8, "pasted", "pasted Main(\n", 1, 6},
        {"ID_Paste", true, 0, 15, "pasted", "pasted", 1, 6},
        {"ID_Paste", false, 0, 15, "pasted", "pasted", 1, 6},
        {"ID_Colorize", true, 0, 8, "pasted", "Function Main(\n", 1, 0},   // the selection given up
        {"ID_Colorize", false, 0, 8, "pasted", "Function Main(\n", 1, 0},
        {"cmdColorizeCode", false, 0, 8, "pasted", "Function Main(\n", 1, 0},
    };
    EditorHost host("existing-job.xml");
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(row.command) + (row.general ? " on the General page" : " on a level"));
        // The Warning tab selected, and the General or the evaluation page on view.
        ScriptPane *target = host.pane(row.general ? QStringLiteral("rtfScript") : QStringLiteral("rtfScriptWarning"));
        QStringList others;
        for (const char *name : paneNames) {
            ScriptPane *pane = host.pane(QLatin1String(name));
            pane->setPlainText(pane == target ? QStringLiteral("Function Main(\r\n") : QStringLiteral("other"));
        }
        host.controls.ssTabValues->selectKey(QStringLiteral("Warning"));
        host.controls.ssTabDatos->selectKey(row.general ? QStringLiteral("General") : QStringLiteral("EvaluationData"));
        host.notifier.resetCount();
        select(target, row.from, row.to);
        QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
        trigger(host, row.command);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QLatin1String(row.clipboard));
        EXPECT_EQ(target->toPlainText(), QLatin1String(row.text));
        EXPECT_EQ(host.notifier.count(), row.notifications);
        EXPECT_EQ(target->textCursor().position(), row.caret);
        for (const char *name : paneNames)
            if (host.pane(QLatin1String(name)) != target)
                others << host.pane(QLatin1String(name))->toPlainText();
        EXPECT_EQ(others, QStringList(3, QStringLiteral("other")));
    }
    EXPECT_TRUE(host.capture.boxes.isEmpty());
}

// A right click opens the popup with its six entries and, after them, the
// pane's own Undo, Redo, Select All and Find; the entries act on the pane of
// the page on view.
TEST(Panes, RightClickOpensThePopupWhoseEntriesActOnThePageOnView)
{
    EditorHost host("existing-job.xml");
    const EditorControls &controls = host.controls;
    host.show();
    select(controls.rtfScript, 0, 8);
    controls.ssTabValues->selectKey(QStringLiteral("Danger"));
    select(controls.rtfScriptDanger, 9, 13);
    QTest::mouseClick(controls.rtfScript->viewport(), Qt::RightButton, {}, QPoint(20, 20));
    auto *popup = host.find<QMenu>(QStringLiteral("ID_Popup"));
    ASSERT_TRUE(popup && popup->isVisible());
    QStringList entries;
    for (QAction *entry : popup->actions())
        entries << (entry->isSeparator() ? QStringLiteral("-") : entry->objectName());
    EXPECT_EQ(entries, (QStringList{"ID_Cut", "ID_Copy", "ID_Paste", "-", "ID_Colorize", "ID_CheckSyntax", "-",
                                    "ID_Undo", "ID_Redo", "ID_SelectAll", "ID_Find"}));
    popup->hide();
    controls.ssTabDatos->selectKey(QStringLiteral("EvaluationData"));
    trigger(host, "ID_Find");
    EXPECT_TRUE(controls.rtfScriptDanger->findBar()->isVisible() && !controls.rtfScript->findBar()->isVisible());
    for (const auto &[page, copied] : {std::pair{"General", "Function"}, std::pair{"EvaluationData", "Main"}}) {
        controls.ssTabDatos->selectKey(QLatin1String(page));
        trigger(host, "ID_Copy");
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QLatin1String(copied));
    }
}

// "x = (" leaves the expression open at line 3.
const char *const brokenScript = "Function Main(v)\r\n\tMain = True\r\nx = (\r\nEnd Function";

struct PaneCase
{
    const char *script;   // "General" or a level key
    const char *pane;
    const char *page;
    const char *check;    // the button or popup entry that checks it
};

class ErrorJump : public ::testing::TestWithParam<PaneCase>
{
protected:
    ErrorJump() { host.show(); }
    ScriptPane *pane() const { return host.pane(QLatin1String(GetParam().pane)); }
    bool general() const { return GetParam().page == QLatin1String("General"); }
    void checkOnView()
    {
        host.controls.ssTabDatos->selectKey(QLatin1String(GetParam().page));
        if (!general())
            host.controls.ssTabValues->selectKey(QLatin1String(GetParam().script));
        trigger(host, GetParam().check);
    }

    EditorHost host{"existing-job.xml"};
};

// A clean check says so under the pane without a box; a failed one reports
// the line and puts the caret on the error, until the next edit.
TEST_P(ErrorJump, ACheckSaysSoUnderThePaneOrPutsTheCaretOnTheError)
{
    pane()->setPlainText(QStringLiteral("Function Main(v)\r\n\tMain = True\r\nEnd Function"));
    checkOnView();
    EXPECT_TRUE(host.capture.boxes.isEmpty());
    EXPECT_EQ(pane()->statusText(), QStringLiteral("No syntax errors"));
    EXPECT_EQ(pane()->markedLine(), 0);

    pane()->setPlainText(QLatin1String(brokenScript));
    checkOnView();
    const QString prompt = host.onlyBox();
    EXPECT_TRUE(prompt.startsWith(QStringLiteral("Code Error.\rError.\r\nNumber: "))) << prompt.toStdString();
    EXPECT_TRUE(prompt.contains(QStringLiteral("\r\nLine: 3\r\n"))) << prompt.toStdString();
    EXPECT_EQ(prompt.count(QStringLiteral("\r\n")), 6);
    EXPECT_EQ(host.capture.boxes.value(0).style, ui::OkOnly | ui::Information);
    EXPECT_TRUE(host.capture.recorderCalls.isEmpty()) << "a script that does not compile is no failure";
    EXPECT_EQ(pane()->markedLine(), 3);
    EXPECT_EQ(pane()->textCursor().blockNumber(), 2);
    const QString column = prompt.section(QStringLiteral("Column: "), 1).section(QLatin1Char('\r'), 0, 0);
    EXPECT_EQ(pane()->textCursor().positionInBlock(), column.toInt());
    // The status line gives the report's column, not one of its own.
    EXPECT_TRUE(pane()->statusText().startsWith(QLatin1String(GetParam().script) + QStringLiteral(": Line 3, column ")
                                                + column + QLatin1Char(':')))
        << pane()->statusText().toStdString();
    pane()->insertPlainText(QStringLiteral(" "));
    EXPECT_EQ(pane()->markedLine(), 0);
    EXPECT_TRUE(pane()->statusText().isEmpty());
}

TEST_P(ErrorJump, AFailedTestRunBringsTheFailingScriptIntoViewAndNamesIt)
{
    host.controls.rtfScript->setPlainText(QStringLiteral("Function Main()\r\n\tMain = 5\r\nEnd Function"));
    for (ScriptPane *level : {host.controls.rtfScriptDanger, host.controls.rtfScriptWarning, host.controls.rtfScriptGood})
        level->setPlainText(QStringLiteral("Function Main(v)\r\n\tMain = False\r\nEnd Function"));
    pane()->setPlainText(QLatin1String(brokenScript));
    host.controls.chkEvalData->setChecked(true);
    // The other page (or level) is on view when the run starts.
    host.controls.ssTabDatos->selectKey(general() ? QStringLiteral("EvaluationData") : QStringLiteral("General"));
    host.controls.ssTabValues->selectKey(GetParam().script == QLatin1String("Good") ? QStringLiteral("Danger")
                                                                                   : QStringLiteral("Good"));
    int shown = 0;
    const ui::ScopedModalHandler noResult([&](QDialog &) { return ++shown; });
    host.find<QAction>(QStringLiteral("ID_Evaluate"))->trigger();

    EXPECT_EQ(shown, 0);
    EXPECT_TRUE(host.onlyBox().startsWith(QStringLiteral("Error.\r\n")));
    EXPECT_EQ(host.onlyBox().count(QLatin1Char('\n')), 6);   // the report as it was
    EXPECT_TRUE(host.capture.recorderCalls.isEmpty());
    EXPECT_EQ(host.controls.ssTabDatos->selectedKey(), QLatin1String(GetParam().page));
    if (!general()) {
        EXPECT_EQ(host.controls.ssTabValues->selectedKey(), QLatin1String(GetParam().script));
    }
    EXPECT_EQ(pane()->markedLine(), 3);
    EXPECT_TRUE(pane()->statusText().startsWith(QLatin1String(GetParam().script) + QStringLiteral(": ")));
}

INSTANTIATE_TEST_SUITE_P(Panes, ErrorJump,
                         ::testing::Values(PaneCase{"General", "rtfScript", "General", "cmdCheckSyntaxScript"},
                                           PaneCase{"Danger", "rtfScriptDanger", "EvaluationData", "cmdCheckSyntax"},
                                           PaneCase{"Warning", "rtfScriptWarning", "EvaluationData", "ID_CheckSyntax"},
                                           PaneCase{"Good", "rtfScriptGood", "EvaluationData", "cmdCheckSyntax"}),
                         [](const auto &info) { return std::string(info.param.script); });

// Check Syntax compiles only: top-level code that would write a file or
// divide by zero is not run, in either language, from the pane or from the
// Events editor; a JScript pane that does not compile is reported as JScript.
TEST(CheckSyntax, RunsNoCodeAndReportsInTheLanguageOfThePane)
{
    const char *const vbWrites = "Set fso = CreateObject(\"Scripting.FileSystemObject\")\n"
                                 "fso.CreateTextFile(\"%1\").Write \"ran\"\n"
                                 "x = 1 / 0\n"
                                 "Function Main()\n  Main = x\nEnd Function";
    const char *const jsWrites = "var fso = new ActiveXObject('Scripting.FileSystemObject');\n"
                                 "fso.CreateTextFile('%1').Write('ran');\n"
                                 "function Main() { return 1 / 0; }";
    for (const int language : {0, 1}) {   // VBScript, JScript
        for (const bool events : {false, true}) {
            SCOPED_TRACE(testing::Message() << language << (events ? " in the Events editor" : " in the pane"));
            QTemporaryDir dir;
            const QString written = dir.filePath(QStringLiteral("written.txt"));
            const QString code = QString::fromUtf8(language ? jsWrites : vbWrites).arg(written);
            EditorHost host("existing-job.xml");
            if (events) {
                host.controls.ssTabDatos->selectKey(QStringLiteral("EvaluationData"));
                ui::ScopedModalHandler modal([&](QDialog &dialog) {
                    dialog.findChild<QComboBox *>(QStringLiteral("ID_Language"))->setCurrentIndex(language);
                    dialog.findChild<QPlainTextEdit *>(QStringLiteral("rtfScript"))->setPlainText(code);
                    dialog.findChild<QAction *>(QStringLiteral("ID_CheckSyntax"))->trigger();
                    return int(QDialog::Rejected);
                });
                host.find<QToolButton>(QStringLiteral("cmdEvents"))->click();
                EXPECT_EQ(host.onlyBox(), QStringLiteral("Script Ok!"));
            } else {
                host.controls.cmbLanguageScript->setCurrentIndex(language);
                host.controls.rtfScript->setPlainText(code);
                host.find<QToolButton>(QStringLiteral("cmdCheckSyntaxScript"))->click();
                EXPECT_TRUE(host.capture.boxes.isEmpty()) << host.capture.boxes.value(0).prompt.toStdString();
            }
            EXPECT_FALSE(QFile::exists(written));
        }
    }
    EditorHost host("existing-job.xml");
    host.controls.rtfScript->setPlainText(QStringLiteral("function Main() {\n  return 1 +;\n}"));
    host.controls.cmbLanguageScript->setCurrentIndex(1);
    host.find<QToolButton>(QStringLiteral("cmdCheckSyntaxScript"))->click();
    EXPECT_TRUE(host.onlyBox().contains(QStringLiteral("\r\nLine: 2\r\n"))) << host.onlyBox().toStdString();
    EXPECT_TRUE(host.onlyBox().contains(QStringLiteral("JScript")));
}

} // namespace
