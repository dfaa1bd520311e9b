// The "Evaluate" tool end to end: the panes' scripts run and the outcome
// shows in the Result Test dialog; a run that never ends shows that the
// editor is busy until Esc or Stop ends it, and the limits still hold in it.
#include "editorhost.h"

#include "dialogs/busyrun.h"
#include "dialogs/sensorimages.h"
#include "host/debugoutput.h"
#include "host/registry.h"
#include "script/scriptcontrol.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <functional>

namespace {

// A script whose Main gives `value`; a level's Main takes the general one's value as v.
QString script(const char *value, bool level = true)
{
    return QStringLiteral("Function Main%1\r\n\tMain=%2\r\nEnd Function")
        .arg(level ? QStringLiteral("(v)") : QStringLiteral("()"), QLatin1String(value));
}

TEST(Evaluate, ShowsValueResultAndPictureOfTheRun)
{
    const char *const notCompiling = "(";
    const struct
    {
        const char *name, *general, *danger, *warning, *good;
        bool evaluateData;
        const char *value, *ico;
        const char *result;
    } rows[] = {
        {"DefaultScriptsAreDanger", "True", "True", "True", "True", true, "True", "Danger", "DANGER"},
        {"FortyTwoIsAWarningAndGoodIsNotRun", "42", "v > 50", "v > 30", "1\r\n\tErr.Raise 5", true, "42", "Warning",
         "WARNING"},
        {"GoodWhenOnlyGoodIsTrue", "7", "False", "0", "True", true, "7", "Good", "GOOD"},
        {"OneIsNotTrue", "42", "1", "1", "1", true, "42", "NoComparable",
         "The value is in none of the states Danger, Warning or Good."},
        {"SwitchOffRunsNoLevelScript", "42", notCompiling, notCompiling, notCompiling, false, "42", "NoEvaluate",
         "Evaluate Data is off: the value was not classified."},
        {"ALevelHandingBackAnObjectIsNoResult", "42", "False\r\n\tSet v = CreateObject(\"Scripting.Dictionary\")", "True",
         "True", true, "Dictionary", "NoComparable", "the Danger script handed back an object (Dictionary) as the sensor value"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EditorHost host("existing-job.xml");
        host.controls.rtfScript->setPlainText(script(row.general, false));
        host.controls.rtfScriptDanger->setPlainText(script(row.danger));
        host.controls.rtfScriptWarning->setPlainText(script(row.warning));
        host.controls.rtfScriptGood->setPlainText(script(row.good));
        host.controls.chkEvalData->setChecked(row.evaluateData);

        int shown = 0;
        QString value, result;
        QImage picture, expected;
        ui::ScopedModalHandler modal([&](QDialog &dialog) {
            ++shown;
            dialog.show();
            value = dialog.findChild<QLineEdit *>("txtValue")->text();
            result = dialog.findChild<QPlainTextEdit *>("txtResult")->toPlainText();
            picture = dialog.findChild<QLabel *>("lblImage")->pixmap().toImage();
            expected = sensorImage(QLatin1String(row.ico), dialog.devicePixelRatioF()).toImage();
            return int(QDialog::Accepted);
        });
        host.find<QAction>(QStringLiteral("ID_Evaluate"))->trigger();

        ASSERT_TRUE(host.capture.boxes.isEmpty()) << host.capture.boxes[0].prompt.toStdString();
        ASSERT_EQ(shown, 1);
        EXPECT_EQ(value, QLatin1String(row.value));
        EXPECT_EQ(result, QLatin1String(row.result));
        EXPECT_EQ(picture, expected) << row.ico;
    }
}

using Clock = std::chrono::steady_clock;

// An endless run: the editor shows that it is busy, takes no other input, and
// Esc or Stop ends the script at once with 18.
TEST(BusyRun, EscOrStopEndsTheEndlessScriptAtOnceWithUserInterrupt)
{
    // language: of cmbLanguageScript, 0 VBScript, 1 JScript; else than the Stop button, Esc;
    // the line the run was on.
    for (const auto &[language, code, stopButton, stoppedAt] :
         {std::tuple{0, "Do\nLoop", false, 1}, std::tuple{1, "var n = 0;\nwhile (true) {\n  n++;\n}", false, 3},
          std::tuple{0, "Function Main()\n  Do\n  Loop\nEnd Function", true, 2},
          std::tuple{1, "function Main() {\n  for (;;) {\n    f();\n  }\n}\nfunction f() {}", true, 3}}) {
        SCOPED_TRACE(code);
        EditorHost host("existing-job.xml");
        host.show();
        host.controls.cmbLanguageScript->setCurrentIndex(language);
        host.controls.rtfScript->setPlainText(QLatin1String(code));
        QAction *evaluate = host.find<QAction>(QStringLiteral("ID_Evaluate"));
        QWidget *evaluateButton = host.controls.ssToolBarJob->widgetForAction(evaluate);
        ASSERT_NE(evaluateButton, nullptr);

        bool barShown = false, busyCursor = false, stillOpen = false;
        Clock::time_point stopped;
        QTimer::singleShot(BusyBarDelay + 300, [&] {
            host.editor->resize(600, 400);   // the bar stays at the window's foot
            const QFrame *bar = host.editor->findChild<QFrame *>(QStringLiteral("busyBar"));
            barShown = bar && bar->isVisible() && host.editor->rect().contains(bar->geometry())
                && bar->geometry().bottom() > 400 - 20;
            busyCursor = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
            // Neither a second run nor closing the window gets through.
            QTest::mouseClick(evaluateButton, Qt::LeftButton);
            host.editor->close();
            stillOpen = host.editor->isVisible();
            stopped = Clock::now();
            if (stopButton)
                QTest::mouseClick(host.editor->findChild<QPushButton *>(QStringLiteral("cmdStop")), Qt::LeftButton);
            else
                QTest::keyClick(host.controls.rtfScript, Qt::Key_Escape);
        });
        evaluate->trigger();
        EXPECT_LT(Clock::now() - stopped, std::chrono::seconds(5));
        EXPECT_TRUE(barShown);
        EXPECT_TRUE(busyCursor);
        EXPECT_TRUE(stillOpen);
        EXPECT_TRUE(host.onlyBox().contains(QStringLiteral("Number: 18\r\nDesc: User interrupt occurred")))
            << host.onlyBox().toStdString();
        // The report and the pane's mark say where the run stopped.
        const int line = host.onlyBox().section(QStringLiteral("Line: "), 1).section(u'\r', 0, 0).toInt();
        EXPECT_EQ(line, stoppedAt);
        EXPECT_EQ(host.controls.rtfScript->markedLine(), line);
        EXPECT_EQ(host.editor->findChild<QFrame *>(QStringLiteral("busyBar")), nullptr);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
}

// A host's call while Evaluate runs is refused with 10 naming it; the job stays.
TEST(BusyRun, HostCallsDuringTheRunAreRefused)
{
    EditorHost host("existing-job.xml");
    UCScript &e = *host.editor;
    const std::pair<const char *, std::function<void()>> calls[] = {
        {"Engine_GetData", [&] { (void)e.Engine_GetData(); }},
        {"Engine_SetData", [&] { e.Engine_SetData(exampleJob("foreign-tool-job.xml")); }},
        {"Engine_Validate", [&] { (void)e.Engine_Validate(); }},
        {"Engine_ChangeInterfaceLanguage", [&] { e.Engine_ChangeInterfaceLanguage("es"); }},
        {"Engine_ChangeSettings", [&] { e.Engine_ChangeSettings(host.skin.get()); }},
        {"Engine_ShowData", [&] { e.Engine_ShowData(); }},
        {"Engine_UpdateLanguages", [&] { e.Engine_UpdateLanguages(XmlNode()); }},
    };
    const QString before = e.Engine_GetData();
    host.controls.rtfScript->setPlainText(QStringLiteral("Do\nLoop"));
    QStringList refused;
    QTimer::singleShot(50, [&] {
        for (const auto &[member, call] : calls)
            refused << QString::number(raisedBy(call).number) + ' ' + raisedBy(call).description.section(' ', 0, 0);
        QTest::keyClick(host.controls.rtfScript, Qt::Key_Escape);
    });
    host.find<QAction>(QStringLiteral("ID_Evaluate"))->trigger();
    for (std::size_t i = 0; i < std::size(calls); ++i)
        EXPECT_EQ(refused.value(i), QStringLiteral("10 ") + calls[i].first);
    EXPECT_EQ(e.Engine_GetData(), before);
}

// DebugPrint and MsgBox never stop a run: a host's debug output and the dialog get the text.
TEST(Evaluate, DebugOutputGoesToAHostThatTakesItAndToTheDialog)
{
    static QStringList kept;
    struct Kept : host::DebugOutput
    {
        void Write(const QStringList &written) override { kept += written; }
    };
    const host::ScopedFactory<host::DebugOutput> output(host::debugOutputs(), [] { return std::make_unique<Kept>(); });
    EditorHost host("existing-job.xml");
    host.controls.rtfScript->setPlainText("Function Main()\r\nDebugPrint 6 * 7\r\nMsgBox \"hi\"\r\nMain = 1\r\nEnd Function");
    QString shown;
    ui::ScopedModalHandler modal([&](QDialog &dialog) {
        dialog.show();
        shown = dialog.findChild<QPlainTextEdit *>("txtOutput")->toPlainText();
        return int(QDialog::Accepted);
    });
    host.find<QAction>(QStringLiteral("ID_Evaluate"))->trigger();
    EXPECT_TRUE(host.capture.boxes.isEmpty()) << host.capture.boxes.value(0).prompt.toStdString();
    EXPECT_EQ(kept, QStringList({"42", "hi"}));
    EXPECT_EQ(shown, QStringLiteral("42\nhi"));
}

// Inside a busy run the time-out (18) and the memory limit (7) still stop a
// runaway script.
TEST(BusyRun, TheLimitsStillHold)
{
    for (const auto &[language, code, timeout, memory, number] :
         {std::tuple{"VBScript", "Do\nLoop", 300, 0, 18L}, std::tuple{"JScript", "while (true) {}", 300, 0, 18L},
          std::tuple{"JScript", "var a = []; while (true) a.push([1, 2, 3, 4, 5, 6, 7, 8]);", 20000, 64, 7L}}) {
        SCOPED_TRACE(code);
        long raised = 0;
        const auto start = Clock::now();
        runScriptsBusy(nullptr, [&](ScriptControl &control) {
            control.setTimeout(timeout);
            control.setMemoryLimit(memory);
            if (!control.setLanguage(QLatin1String(language)) || !control.addCode(QLatin1String(code)))
                raised = control.error().Number;
        });
        EXPECT_EQ(raised, number);
        EXPECT_LT(Clock::now() - start, std::chrono::seconds(15));
    }
}

} // namespace
