// The test evaluation: which scripts run, in which order, and what counts as
// true; and the report of a script error.
#include "tools/scripterrorreport.h"
#include "tools/testevaluation.h"
#include "testsupport.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <tuple>

namespace {

// A script from a row: a JScript function as it is, else VBScript around the
// body. A level script that must prove it ran leaves its mark in the value it
// is handed by reference (each script has a fresh engine).
ScriptSource script(const char *body, const char *main)
{
    if (!body)
        body = "Main = True";
    if (QLatin1String(body).startsWith(QLatin1String("function")))
        return {QString::fromLatin1(body), QStringLiteral("JScript")};
    return {QStringLiteral("Function %1\r\n\t%2\r\nEnd Function").arg(QLatin1String(main), QLatin1String(body)),
            QStringLiteral("VBScript")};
}

// The whole outcome in one line: the result, its image key, text and value,
// or the script whose error ended the run.
QString describe(const EvaluationOutcome &out)
{
    if (out.failed()) {
        EXPECT_EQ(out.errorReport, scriptErrorReport(out.error));
        return QStringLiteral("%1 failed: %2 at line %3 '%4'")
            .arg(out.failedScript)
            .arg(out.error.Number)
            .arg(out.error.Line)
            .arg(out.resultText);
    }
    const char *const results[] = {"Level", "NoComparable", "NoEvaluate", "NotAValue"};
    return QStringLiteral("%1 %2 '%3' %4")
        .arg(QLatin1String(results[int(out.result)]), out.imageKey, out.resultText, out.valueText);
}

struct ScriptRun
{
    const char *name;
    const char *general, *danger, *warning, *good;   // null: Main returns True
    const char *outcome;
    bool evaluate = true;
};

TEST(TestEvaluation, RunsTheLevelsInOrderUntilOneIsTrue)
{
    const ScriptRun runs[] = {
        {"defaults", nullptr, nullptr, nullptr, nullptr, "Level Danger 'DANGER' True"},
        {"good_not_compiled_after_a_true_level", "Main = 42", "Main = (pSsrValue > 50)", "Main = (pSsrValue > 30)",
         "this is not ( VBScript", "Level Warning 'WARNING' 42"},
        {"good", nullptr, "Main = False", "Main = False", "function Main(v) { return true; }", "Level Good 'GOOD' True"},
        {"one_is_not_true", nullptr, "Main = 1", "Main = 1", "Main = \"True\"",
         "NoComparable NoComparable 'Not comparable' True"},
        {"switch_off_runs_no_level", "Main = 12.5", "syntax ( error", nullptr, nullptr,
         "NoEvaluate NoEvaluate 'Not evaluated' 12.5", false},
        {"value_by_reference", "Main = \"v\"", "pSsrValue = pSsrValue & \"D\"\r\n\tMain = False",
         "pSsrValue = pSsrValue & \"W\"\r\n\tMain = CDbl(-1)", "pSsrValue = pSsrValue & \"G\"\r\n\tMain = True",
         "Level Warning 'WARNING' vDW"},
        {"general_syntax_error", "Main = (1 +", nullptr, nullptr, nullptr, "General failed: 1023 at line 2 ''"},
        {"runtime_error_in_a_level", nullptr, "Main = False", "Main = 1 / 0", nullptr,
         "Warning failed: 11 at line 2 'Not comparable'"},
        {"each_level_in_its_language", "function Main() { return 70; }", "Main = (pSsrValue >= 90)",
         "function Main(v) { return v >= 60; }", nullptr, "Level Warning 'WARNING' 70"},
        // A value no level can judge ends the run, saying why; no later script runs.
        {"level_hands_back_an_object", "Main = 42", "Main = False", "Set pSsrValue = CreateObject(\"Scripting.Dictionary\")",
         "syntax ( error", "NotAValue NoComparable 'the Warning script handed back an object (Dictionary) as the sensor "
         "value' Dictionary"},
        {"level_returns_an_object", "Main = 42", "Set Main = CreateObject(\"Scripting.Dictionary\")", nullptr, nullptr,
         "NotAValue NoComparable 'the Danger script returned an object (Dictionary), not True or False' 42"},
        {"general_object", "Set Main = CreateObject(\"Scripting.Dictionary\")", "syntax ( error", nullptr, nullptr,
         "NotAValue NoComparable 'the sensor value is an object (Dictionary), not a value' Dictionary"},
        {"general_jscript_array", "function Main() { return [1, 2]; }", nullptr, nullptr, nullptr,
         "NotAValue NoComparable 'the sensor value is an array, not a value' 1, 2"},
    };
    const QLocale saved;
    QLocale::setDefault(QLocale::c());
    for (const ScriptRun &run : runs) {
        SCOPED_TRACE(run.name);
        const SensorScripts s{script(run.general, "Main()"), run.evaluate,
                              {script(run.danger, "Main(pSsrValue)"), script(run.warning, "Main(pSsrValue)"),
                               script(run.good, "Main(pSsrValue)")}};
        ScriptControl control;
        EXPECT_EQ(describe(evaluateScripts(control, s, {"Not evaluated", "Not comparable"})),
                  QString::fromUtf8(run.outcome));
    }
    QLocale::setDefault(saved);
}

// Variant equality with the Boolean True, and the text the dialog shows.
TEST(TestEvaluation, TruthAndValueText)
{
    const std::tuple<QVariant, bool, const char *> rows[] = {
        {QVariant(true), true, "True"},
        {QVariant(false), false, "False"},
        {QVariant(-1), true, "-1"},
        {QVariant(-1.0), true, "-1"},
        {QVariant(1), false, "1"},
        {QVariant(-1.5), false, "-1.5"},
        {QVariant(QStringLiteral("-1")), false, "-1"},
        {QVariant(QStringLiteral("True")), false, "True"},
        {QVariant(), false, ""},
        {QVariant::fromValue(nullptr), false, "Null"},
    };
    const QLocale saved;
    QLocale::setDefault(QLocale::c());
    for (const auto &[value, isTrue, text] : rows) {
        SCOPED_TRACE(value.typeName());
        EXPECT_EQ(evaluationIsTrue(value), isTrue) << text;
        EXPECT_EQ(evaluationValueText(value), QString::fromUtf8(text));
    }
    QLocale::setDefault(saved);
}

// One time-out covers the whole evaluation: four scripts of 300 ms, each
// well within a time-out of 1000 ms, run past it together.
TEST(TestEvaluation, OneTimeOutCoversEveryScript)
{
    const ScriptSource level{QStringLiteral("function Main(v) { var t = Date.now(); while (Date.now() - t < 300) {} return false; }"),
                             QStringLiteral("JScript")};
    const SensorScripts s{{QStringLiteral("Function Main()\r\n\tt = Timer\r\n\tDo While Timer - t < 0.3\r\n\tLoop\r\n"
                                          "\tMain = 1\r\nEnd Function")},
                          true,
                          {level, level, level}};
    for (const auto &[timeout, failed] : {std::pair{1000, true}, std::pair{5000, false}}) {
        ScriptControl control;
        control.setTimeout(timeout);
        const EvaluationOutcome outcome = evaluateScripts(control, s);
        EXPECT_EQ(outcome.failed(), failed) << timeout;
        if (!failed)
            continue;
        EXPECT_EQ(outcome.error.Number, 18);
        EXPECT_TRUE(outcome.failedScript == QLatin1String("Warning") || outcome.failedScript == QLatin1String("Good"))
            << outcome.failedScript.toStdString();
    }
}

TEST(ScriptErrorReport, SevenLinesJoinedByCrLfWithPasswordsMasked)
{
    ScriptErrorInfo error;
    error.Number = 1002;
    error.Description = QStringLiteral("Syntax error");
    error.Column = 9;
    error.Line = 2;
    error.Text = QStringLiteral("var b = (;");
    error.Source = QStringLiteral("JScript compilation error");
    EXPECT_EQ(scriptErrorReport(error),
              QStringLiteral("Error.\r\nNumber: 1002\r\nDesc: Syntax error\r\nColumn: 9\r\nLine: 2\r\n"
                             "Text: var b = (;\r\nSource: JScript compilation error"));

    // The report repeats the failing source line: no password in it reaches
    // the error box or standard error, and the rest of the line stays.
    const std::pair<const char *, const char *> rows[] = {
        {R"(c.Open "DSN=x;PWD={br;ace};")", R"(c.Open "DSN=x;PWD=****;")"},
        {R"(conn.Open("DSN=x", "me", 'js-pw');)", R"(conn.Open("DSN=x", "me", "****");)"},
    };
    for (const auto &[text, masked] : rows) {
        error.Text = QString::fromUtf8(text);
        error.Description = QStringLiteral("failed: ") + error.Text;
        EXPECT_EQ(scriptErrorReport(error), QStringLiteral("Error.\r\nNumber: 1002\r\nDesc: failed: %1\r\nColumn: 9\r\n"
                                                           "Line: 2\r\nText: %1\r\nSource: JScript compilation error")
                                                .arg(QString::fromUtf8(masked)));
    }
}

} // namespace
