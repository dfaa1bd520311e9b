// The "Evaluate" tool end to end: the panes' scripts run and the outcome
// shows in the Result Test dialog, or a failed run in the report box; a run
// that never ends shows that the editor is busy until Esc or Stop ends it.
#include "editorhost.h"

#include "dialogs/busyrun.h"
#include "dialogs/sensorimages.h"
#include "hostkit/lnglanguagereader.h"
#include "script/scriptcontrol.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <iostream>

namespace {

const char *const mainTrue = "Function Main(v)\r\n\tMain=True\r\nEnd Function";
const char *const notCompiling = "Function Main(v\r\n";

TEST(Evaluate, ShowsValueResultAndPictureOfTheRun)
{
    const struct
    {
        const char *name;
        const char *general, *danger, *warning, *good;
        bool evaluateData;
        const char *value, *ico;
        const char *result;   // a frmJob key of the language file, or the result text itself
    } rows[] = {
        {"DefaultScriptsAreDanger", "Function Main()\r\n\tMain=True\r\nEnd Function", mainTrue, mainTrue, mainTrue,
         true, "True", "Danger", "DANGER"},
        {"FortyTwoIsAWarningAndGoodIsNotRun", "Function Main()\r\n\tMain=42\r\nEnd Function",
         "Function Main(v)\r\n\tMain = v > 50\r\nEnd Function", "Function Main(v)\r\n\tMain = v > 30\r\nEnd Function",
         "Function Main(v)\r\n\tErr.Raise 5\r\nEnd Function", true, "42", "Warning", "WARNING"},
        {"GoodWhenOnlyGoodIsTrue", "Function Main()\r\n\tMain=7\r\nEnd Function",
         "Function Main(v)\r\n\tMain = False\r\nEnd Function", "Function Main(v)\r\n\tMain = 0\r\nEnd Function",
         mainTrue, true, "7", "Good", "GOOD"},
        {"OneIsNotTrue", "Function Main()\r\n\tMain=42\r\nEnd Function", "Function Main(v)\r\n\tMain=1\r\nEnd Function",
         "Function Main(v)\r\n\tMain=1\r\nEnd Function", "Function Main(v)\r\n\tMain=1\r\nEnd Function", true, "42",
         "NoComparable", "MsgNoComparable"},
        {"SwitchOffRunsNoLevelScript", "Function Main()\r\n\tMain=42\r\nEnd Function", notCompiling, notCompiling,
         notCompiling, false, "42", "NoEvaluate", "MsgNoEvaluate"},
        {"GoodNotCompilingAfterDangerIsNoError", "Function Main()\r\n\tMain=42\r\nEnd Function", mainTrue, mainTrue,
         notCompiling, true, "42", "Danger", "DANGER"},
    };
    hostkit::LngLanguageReader english;
    QString folder = sourcePath(QStringLiteral("data"));
    ASSERT_TRUE(english.LoadLanguage(QStringLiteral("en"), folder));
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EditorHost host("existing-job.xml");
        host.controls.rtfScript->setPlainText(QLatin1String(row.general));
        host.controls.rtfScriptDanger->setPlainText(QLatin1String(row.danger));
        host.controls.rtfScriptWarning->setPlainText(QLatin1String(row.warning));
        host.controls.rtfScriptGood->setPlainText(QLatin1String(row.good));
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
            dialog.accept();
            return int(QDialog::Accepted);
        });
        host.find<QAction>(QStringLiteral("ID_Evaluate"))->trigger();

        ASSERT_TRUE(host.capture.boxes.isEmpty()) << host.capture.boxes[0].prompt.toStdString();
        ASSERT_EQ(shown, 1);
        EXPECT_EQ(value, QLatin1String(row.value));
        const QString message = QLatin1String(row.result).startsWith(QLatin1String("Msg"))
            ? english.GetText(QStringLiteral("frmJob"), QLatin1String(row.result))
            : QLatin1String(row.result);
        EXPECT_FALSE(message.isEmpty());
        EXPECT_EQ(result, message);
        EXPECT_EQ(picture, expected) << row.ico;
    }
}

TEST(Evaluate, ASyntaxErrorInTheGeneralScriptShowsTheReportAndNoDialog)
{
    EditorHost host("existing-job.xml");
    host.controls.rtfScript->setPlainText(QStringLiteral("Function Main(\r\n"));
    int shown = 0;
    ui::ScopedModalHandler modal([&](QDialog &) { return ++shown; });
    host.find<QAction>(QStringLiteral("ID_Evaluate"))->trigger();
    EXPECT_EQ(shown, 0);
    EXPECT_TRUE(host.onlyBox().startsWith(QStringLiteral("Error.")));
    EXPECT_EQ(host.onlyBox().count(QLatin1Char('\n')), 6);
    EXPECT_EQ(host.capture.boxes.value(0).title, QStringLiteral("Veltrano"));
    EXPECT_TRUE(host.capture.recorderCalls.isEmpty());
}

using Clock = std::chrono::steady_clock;

// An endless run: the editor shows that it is busy, takes no other input, and
// Esc or Stop ends the script at once with 18.
TEST(BusyRun, EscOrStopEndsTheEndlessScriptAtOnceWithUserInterrupt)
{
    const struct
    {
        const char *name;
        int language;   // of cmbLanguageScript: 0 VBScript, 1 JScript
        const char *code;
        bool stopButton;   // else Esc
    } rows[] = {
        {"VBScriptEsc", 0, "Do\nLoop", false},
        {"JScriptEsc", 1, "while (true) {}", false},
        {"VBScriptStopButton", 0, "Function Main()\n  Do\n  Loop\nEnd Function", true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EditorHost host("existing-job.xml");
        host.show();
        host.controls.cmbLanguageScript->setCurrentIndex(row.language);
        host.controls.rtfScript->setPlainText(QLatin1String(row.code));
        QAction *evaluate = host.find<QAction>(QStringLiteral("ID_Evaluate"));
        QToolButton *evaluateButton = nullptr;
        for (QToolButton *button : host.editor->findChildren<QToolButton *>())
            if (button->defaultAction() == evaluate)
                evaluateButton = button;
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
            if (row.stopButton)
                QTest::mouseClick(host.editor->findChild<QPushButton *>(QStringLiteral("cmdStop")), Qt::LeftButton);
            else
                QTest::keyClick(host.controls.rtfScript, Qt::Key_Escape);
        });
        evaluate->trigger();
        const auto took = Clock::now() - stopped;
        std::cout << "[ measured ] " << row.name << ": stopped "
                  << std::chrono::duration_cast<std::chrono::milliseconds>(took).count() << " ms after the key\n";

        EXPECT_TRUE(barShown);
        EXPECT_TRUE(busyCursor);
        EXPECT_TRUE(stillOpen);
        EXPECT_LT(took, std::chrono::seconds(5));
        EXPECT_TRUE(host.onlyBox().contains(QStringLiteral("Number: 18\r\nDesc: User interrupt occurred")))
            << host.onlyBox().toStdString();
        EXPECT_EQ(host.editor->findChild<QFrame *>(QStringLiteral("busyBar")), nullptr);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
}

// The time-out and the memory budget still end a run nobody stops.
TEST(BusyRun, TheLimitsStillHold)
{
    const struct
    {
        const char *language, *code;
        int timeout, memory;
        long number;
    } rows[] = {
        {"VBScript", "Do\nLoop", 300, 0, 18},
        {"JScript", "while (true) {}", 300, 0, 18},
        {"JScript", "var a = []; while (true) a.push([1, 2, 3, 4, 5, 6, 7, 8]);", 20000, 64, 7},
    };
    for (const auto &row : rows) {
        long number = 0;
        const auto start = Clock::now();
        runScriptsBusy(nullptr, [&](ScriptControl &control) {
            control.setLanguage(QLatin1String(row.language));
            control.setTimeout(row.timeout);
            control.setMemoryLimit(row.memory);
            number = raisedBy([&] { control.addCode(QLatin1String(row.code)); }).number;
        });
        EXPECT_EQ(number, row.number) << row.language << ' ' << row.code;
        EXPECT_LT(Clock::now() - start, std::chrono::seconds(15)) << row.code;
    }
}

} // namespace
