// stop() from another thread: the running script ends at once with 18, and
// the control refuses every later call the same way.
#include "script/scriptcontrol.h"
#include "testsupport.h"

#include "errorcore/error.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

struct StopCase
{
    const char *name;
    const char *language;
    const char *code;
    const char *run; // null: the code's global statements never end
    const char *otherLanguage;
};

void PrintTo(const StopCase &c, std::ostream *out)
{
    *out << c.name;
}

class ScriptControlStop : public ::testing::TestWithParam<StopCase>
{
};

TEST_P(ScriptControlStop, EndsTheRunningScriptWithUserInterrupt)
{
    const StopCase &c = GetParam();
    ScriptControl control;
    control.setTimeout(10000); // far beyond the stop
    control.setLanguage(QString::fromLatin1(c.language));
    if (c.run)
        control.addCode(QString::fromUtf8(c.code));

    const auto start = std::chrono::steady_clock::now();
    std::thread stopper([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        control.stop();
    });
    EXPECT_THROW(c.run ? (void)control.run(QString::fromLatin1(c.run)) : control.addCode(QString::fromUtf8(c.code)),
                 Error);
    const auto took = std::chrono::steady_clock::now() - start;
    stopper.join();
    EXPECT_LT(took, std::chrono::seconds(5));
    EXPECT_EQ(control.error().Number, 18);
    EXPECT_EQ(control.error().Description, QStringLiteral("User interrupt occurred"));
    EXPECT_TRUE(control.error().Source.endsWith(QLatin1String("runtime error"))) << control.error().Source.toStdString();

    // Stopped for good, also in a language set afterwards: nothing runs.
    for (const char *language : {c.language, c.otherLanguage}) {
        control.setLanguage(QString::fromLatin1(language));
        EXPECT_THROW(control.addCode(QStringLiteral("x = 1")), Error) << language;
        EXPECT_EQ(control.error().Number, 18) << language;
        EXPECT_THROW(control.check(QStringLiteral("x = 1")), Error) << language;
        EXPECT_EQ(control.error().Number, 18) << language;
    }
}

INSTANTIATE_TEST_SUITE_P(
    BothLanguages, ScriptControlStop,
    ::testing::Values(
        StopCase{"VBScriptGlobalLoop", "VBScript", "Do\nLoop", nullptr, "JScript"},
        StopCase{"VBScriptMainLoop", "VBScript", "Function Main()\n  Do\n    n = n + 1\n  Loop\nEnd Function", "Main",
                 "JScript"},
        StopCase{"JScriptGlobalLoop", "JScript", "while (true) {}", nullptr, "VBScript"},
        StopCase{"JScriptMainLoop", "JScript", "function Main() { for (;;) { try { f(); } catch (e) {} } }", "Main",
                 "VBScript"}),
    [](const ::testing::TestParamInfo<StopCase> &info) { return std::string(info.param.name); });

} // namespace
