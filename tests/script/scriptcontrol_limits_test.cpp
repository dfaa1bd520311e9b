// Scripts that never end or recurse without bound: each stops with an error
// and the same control runs the next script normally.
#include "script/scriptcontrol.h"
#include "testsupport.h"

#include "errorcore/error.h"

#include <gtest/gtest.h>

namespace {

struct LimitCase
{
    const char *name;
    const char *language;
    const char *code;
    const char *run;      // null: the code itself misbehaves while added
    long number;
    const char *next;     // a well-behaved script run afterwards; Main returns 7
};

void PrintTo(const LimitCase &c, std::ostream *out)
{
    *out << c.name;
}

class ScriptControlLimits : public ::testing::TestWithParam<LimitCase>
{
};

TEST_P(ScriptControlLimits, StopsWithAnErrorAndTheNextScriptRuns)
{
    const LimitCase &c = GetParam();
    ScriptControl control;
    control.setTimeout(300);
    control.setLanguage(QString::fromLatin1(c.language));
    EXPECT_THROW(
        {
            control.addCode(QString::fromUtf8(c.code));
            if (c.run)
                control.run(QString::fromLatin1(c.run));
        },
        Error);
    EXPECT_EQ(control.error().Number, c.number) << control.error().Description.toStdString();
    EXPECT_FALSE(control.error().Description.isEmpty());
    EXPECT_TRUE(control.error().Source.endsWith(QLatin1String("runtime error")))
        << control.error().Source.toStdString();

    // The same control, the same language: a fresh engine works normally.
    control.setLanguage(QString::fromLatin1(c.language));
    control.addCode(QString::fromUtf8(c.next));
    EXPECT_EQ(control.run(QStringLiteral("Main")), QVariant(7));
    EXPECT_EQ(control.error().Number, 0);
}

const char *const vbNext = "Function Main()\n  Main = 7\nEnd Function";
const char *const jsNext = "function Main() { return 7; }";

INSTANTIATE_TEST_SUITE_P(
    BothLanguages, ScriptControlLimits,
    ::testing::Values(
        LimitCase{"VBScriptEndlessLoopInMain", "VBScript", "Function Main()\n  Do\n  Loop\nEnd Function", "Main", 18, vbNext},
        LimitCase{"VBScriptEndlessLoopInGlobalCode", "VBScript", "Dim i\nWhile True\n  i = i + 1\nWend", nullptr, 18, vbNext},
        LimitCase{"VBScriptLoopIgnoringErrors", "VBScript",
                  "Function Main()\n  On Error Resume Next\n  Do\n    Err.Raise 5\n  Loop\nEnd Function", "Main", 18, vbNext},
        LimitCase{"VBScriptDeepRecursion", "VBScript", "Function F(n)\n  F = F(n + 1)\nEnd Function\nFunction Main()\n  Main = F(0)\nEnd Function",
                  "Main", 28, vbNext},
        LimitCase{"JScriptEndlessLoopInMain", "JScript", "function Main() { for (;;) {} }", "Main", 18, jsNext},
        LimitCase{"JScriptEndlessLoopInGlobalCode", "JScript", "var i = 0;\nwhile (true) { i++; }", nullptr, 18, jsNext},
        LimitCase{"JScriptLoopCatchingEverything", "JScript",
                  "function Main() { while (true) { try { while (true) {} } catch (e) {} } }", "Main", 18, jsNext},
        // Reading what a script threw or returned runs its own code too.
        LimitCase{"JScriptThrowsAnEndlessToString", "JScript",
                  "function Main() { throw { toString: function () { for (;;) {} } }; }", "Main", 18, jsNext},
        LimitCase{"JScriptThrowsAnEndlessMessage", "JScript",
                  "function Main() { throw { get message() { for (;;) {} } }; }", "Main", 18, jsNext},
        LimitCase{"JScriptGlobalCodeThrowsAnEndlessToString", "JScript",
                  "throw { toString: function () { for (;;) {} } };", nullptr, 18, jsNext},
        LimitCase{"JScriptReturnsAnEndlessToString", "JScript",
                  "function Main() { return { toString: function () { for (;;) {} } }; }", "Main", 18, jsNext},
        LimitCase{"JScriptDeepRecursion", "JScript", "function f(n) { return f(n + 1) + 1; }\nfunction Main() { return f(0); }",
                  "Main", 28, jsNext}),
    [](const ::testing::TestParamInfo<LimitCase> &info) { return std::string(info.param.name); });

TEST(ScriptControlLimitsReuse, TheSameJScriptEngineRunsAgainAfterATimeout)
{
    ScriptControl control;
    control.setTimeout(300);
    control.setLanguage(QStringLiteral("JScript"));
    control.addCode(QStringLiteral("var calls = 0;\nfunction Spin() { calls++; for (;;) {} }\nfunction Main() { return calls; }"));
    EXPECT_THROW(control.run(QStringLiteral("Spin")), Error);
    EXPECT_EQ(control.error().Number, 18);
    EXPECT_TRUE(control.error().Description.contains(QLatin1String("300 ms"))) << control.error().Description.toStdString();
    EXPECT_EQ(control.run(QStringLiteral("Main")), QVariant(1));
}

TEST(ScriptControlLimitsReuse, NoTimeoutLetsALongScriptFinish)
{
    ScriptControl control;
    control.setTimeout(0);
    control.addCode(QStringLiteral("Function Main()\n  Dim i, s\n  For i = 1 To 200000\n    s = s + i\n  Next\n  Main = s\nEnd Function"));
    EXPECT_EQ(control.run(QStringLiteral("Main")).toDouble(), 200000.0 * 200001.0 / 2.0);
}

} // namespace
