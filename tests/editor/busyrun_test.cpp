// A test evaluation that never ends: the editor shows that it is busy,
// takes no other input, and Esc or Stop ends the script at once with 18.
#include "editorhost.h"

#include "dialogs/busyrun.h"
#include "script/scriptcontrol.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <gtest/gtest.h>
#include <iostream>

namespace {

using Clock = std::chrono::steady_clock;

struct StopCase
{
    const char *name;
    int languageIndex; // of cmbLanguageScript: 0 VBScript, 1 JScript
    const char *code;
    bool stopButton; // else Esc
};

void PrintTo(const StopCase &c, std::ostream *out)
{
    *out << c.name;
}

class EvaluateStop : public ::testing::TestWithParam<StopCase>
{
};

TEST_P(EvaluateStop, EndsTheEndlessScriptAtOnceWithUserInterrupt)
{
    const StopCase &c = GetParam();
    EditorHost host;
    host.openExample(QStringLiteral("existing-job.xml"));
    host.editor->resize(800, 560);
    host.editor->show();
    host.controls.cmbLanguageScript->setCurrentIndex(c.languageIndex);
    host.controls.rtfScript->setPlainText(QLatin1String(c.code));
    QAction *evaluate = host.find<QAction>(QStringLiteral("ID_Evaluate"));
    QToolButton *evaluateButton = nullptr;
    for (QToolButton *button : host.editor->findChildren<QToolButton *>())
        if (button->defaultAction() == evaluate)
            evaluateButton = button;
    ASSERT_NE(evaluateButton, nullptr);

    bool barShown = false, busyCursor = false, stillOpen = false;
    Clock::time_point stopped;
    QTimer::singleShot(BusyBarDelay + 300, [&] {
        host.editor->resize(600, 400); // the bar stays at the window's foot
        const QFrame *bar = host.editor->findChild<QFrame *>(QStringLiteral("busyBar"));
        barShown = bar && bar->isVisible() && host.editor->rect().contains(bar->geometry())
            && bar->geometry().bottom() > 400 - 20;
        busyCursor = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        // Neither a second run nor closing the window gets through.
        QTest::mouseClick(evaluateButton, Qt::LeftButton);
        host.editor->close();
        stillOpen = host.editor->isVisible();
        stopped = Clock::now();
        if (c.stopButton)
            QTest::mouseClick(host.editor->findChild<QPushButton *>(QStringLiteral("cmdStop")), Qt::LeftButton);
        else
            QTest::keyClick(host.controls.rtfScript, Qt::Key_Escape);
    });
    evaluate->trigger();
    const auto took = Clock::now() - stopped;
    std::cout << "[ measured ] " << c.name << ": stopped "
              << std::chrono::duration_cast<std::chrono::milliseconds>(took).count() << " ms after the key\n";

    EXPECT_TRUE(barShown);
    EXPECT_TRUE(busyCursor);
    EXPECT_TRUE(stillOpen);
    EXPECT_LT(took, std::chrono::seconds(5));
    ASSERT_EQ(host.capture.boxes.size(), 1);
    EXPECT_TRUE(host.capture.boxes[0].prompt.contains(QStringLiteral("Number: 18\r\nDesc: User interrupt occurred")))
        << host.capture.boxes[0].prompt.toStdString();
    EXPECT_EQ(host.editor->findChild<QFrame *>(QStringLiteral("busyBar")), nullptr);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    BothLanguages, EvaluateStop,
    ::testing::Values(StopCase{"VBScriptEsc", 0, "Do\nLoop", false},
                      StopCase{"JScriptEsc", 1, "while (true) {}", false},
                      StopCase{"VBScriptStopButton", 0, "Function Main()\n  Do\n  Loop\nEnd Function", true}),
    [](const ::testing::TestParamInfo<StopCase> &info) { return std::string(info.param.name); });

// The time-out and the memory budget still end a run nobody stops.
TEST(BusyRun, TheLimitsStillHold)
{
    struct Row
    {
        const char *language, *code;
        int timeout, memory;
        long number;
    };
    const Row rows[] = {
        {"VBScript", "Do\nLoop", 300, 0, 18},
        {"JScript", "while (true) {}", 300, 0, 18},
        {"JScript", "var a = []; while (true) a.push([1, 2, 3, 4, 5, 6, 7, 8]);", 20000, 64, 7},
    };
    for (const Row &row : rows) {
        long number = 0;
        const auto start = Clock::now();
        runScriptsBusy(nullptr, [&](ScriptControl &control) {
            control.setLanguage(QLatin1String(row.language));
            control.setTimeout(row.timeout);
            control.setMemoryLimit(row.memory);
            try {
                control.addCode(QLatin1String(row.code));
            } catch (const Error &) {
            }
            number = control.error().Number;
        });
        EXPECT_EQ(number, row.number) << row.language << ' ' << row.code;
        EXPECT_LT(Clock::now() - start, std::chrono::seconds(15)) << row.code;
    }
}

} // namespace
