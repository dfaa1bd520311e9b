// The test evaluation: which scripts run, in which order, and what counts as true.
#include "tools/scripterrorreport.h"
#include "tools/testevaluation.h"
#include "testsupport.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

QString vbMain(const QString &body)
{
    return QStringLiteral("Function Main()\r\n\t%1\r\nEnd Function").arg(body);
}

QString vbLevel(const QString &body)
{
    return QStringLiteral("Function Main(pSsrValue)\r\n\t%1\r\nEnd Function").arg(body);
}

// A level script that proves it ran: each script has a fresh engine, so it
// leaves its mark in the value it is handed by reference.
QString vbLevelMarking(const QString &mark, const QString &result)
{
    return vbLevel(QStringLiteral("pSsrValue = pSsrValue & \"%1\"\r\n\tMain = %2").arg(mark, result));
}

EvaluationScripts defaults()
{
    EvaluationScripts s;
    s.generalScript = vbMain(QStringLiteral("Main=True"));
    s.evaluateData = true;
    s.dangerScript = vbLevel(QStringLiteral("Main=True"));
    s.warningScript = s.dangerScript;
    s.goodScript = s.dangerScript;
    s.msgNoEvaluate = QStringLiteral("Not evaluated");
    s.msgNoComparable = QStringLiteral("Not comparable");
    return s;
}

TEST(TestEvaluation, DefaultScriptsGiveDanger)
{
    ScriptControl control;
    const EvaluationOutcome out = evaluateScripts(control, defaults());
    ASSERT_FALSE(out.failed()) << out.errorReport.toStdString();
    EXPECT_EQ(out.result, EvaluationResult::Danger);
    EXPECT_EQ(out.imageKey, QStringLiteral("Danger"));
    EXPECT_EQ(out.resultText, QStringLiteral("DANGER"));
    EXPECT_EQ(out.valueText, QStringLiteral("True"));
}

TEST(TestEvaluation, FortyTwoIsAWarningAndGoodIsNotRun)
{
    EvaluationScripts s = defaults();
    s.generalScript = vbMain(QStringLiteral("Main = 42"));
    s.dangerScript = vbLevel(QStringLiteral("Main = (pSsrValue > 50)"));
    s.warningScript = vbLevel(QStringLiteral("Main = (pSsrValue > 30)"));
    s.goodScript = QStringLiteral("this is not ( VBScript"); // would fail if it were compiled
    ScriptControl control;
    const EvaluationOutcome out = evaluateScripts(control, s);
    ASSERT_FALSE(out.failed()) << out.errorReport.toStdString();
    EXPECT_EQ(out.result, EvaluationResult::Warning);
    EXPECT_EQ(out.imageKey, QStringLiteral("Warning"));
    EXPECT_EQ(out.resultText, QStringLiteral("WARNING"));
    EXPECT_EQ(out.valueText, QStringLiteral("42"));
    EXPECT_EQ(out.value, QVariant(42));
}

TEST(TestEvaluation, OneIsNotTrue)
{
    EvaluationScripts s = defaults();
    s.dangerScript = vbLevel(QStringLiteral("Main = 1"));
    s.warningScript = s.dangerScript;
    s.goodScript = s.dangerScript;
    ScriptControl control;
    const EvaluationOutcome out = evaluateScripts(control, s);
    ASSERT_FALSE(out.failed());
    EXPECT_EQ(out.result, EvaluationResult::NoComparable);
    EXPECT_EQ(out.imageKey, QStringLiteral("NoComparable"));
    EXPECT_EQ(out.resultText, QStringLiteral("Not comparable"));
}

TEST(TestEvaluation, SwitchOffRunsNoLevelScript)
{
    EvaluationScripts s = defaults();
    s.evaluateData = false;
    s.generalScript = vbMain(QStringLiteral("Main = 12.5"));
    s.dangerScript = QStringLiteral("syntax ( error");
    s.warningScript = s.dangerScript;
    s.goodScript = s.dangerScript;
    ScriptControl control;
    const EvaluationOutcome out = evaluateScripts(control, s);
    ASSERT_FALSE(out.failed()) << out.errorReport.toStdString();
    EXPECT_EQ(out.result, EvaluationResult::NoEvaluate);
    EXPECT_EQ(out.imageKey, QStringLiteral("NoEvaluate"));
    EXPECT_EQ(out.resultText, QStringLiteral("Not evaluated"));
    EXPECT_EQ(out.valueText, QLocale().toString(12.5));
}

TEST(TestEvaluation, SyntaxErrorInGoodDoesNotMatterWhenDangerIsTrue)
{
    EvaluationScripts s = defaults();
    s.goodScript = QStringLiteral("Function Main(\r\n");
    ScriptControl control;
    const EvaluationOutcome out = evaluateScripts(control, s);
    EXPECT_FALSE(out.failed()) << out.errorReport.toStdString();
    EXPECT_EQ(out.result, EvaluationResult::Danger);
}

TEST(TestEvaluation, SyntaxErrorInTheGeneralScriptIsReported)
{
    EvaluationScripts s = defaults();
    s.generalScript = QStringLiteral("Function Main()\r\n\tMain = (1 +\r\nEnd Function");
    ScriptControl control;
    const EvaluationOutcome out = evaluateScripts(control, s);
    ASSERT_TRUE(out.failed());
    EXPECT_EQ(out.error.Source, QStringLiteral("VBScript compilation error"));
    EXPECT_EQ(out.error.Line, 2);
    EXPECT_EQ(out.errorReport, scriptErrorReport(out.error));
    EXPECT_TRUE(out.errorReport.startsWith(QLatin1String("Error.\r\nNumber: ")));
    EXPECT_TRUE(out.resultText.isEmpty()) << "no result for a failed run";
}

TEST(TestEvaluation, EmptyMessagesWithoutALanguageFile)
{
    EvaluationScripts s = defaults();
    s.msgNoComparable.clear();
    s.dangerScript = vbLevel(QStringLiteral("Main = False"));
    s.warningScript = s.dangerScript;
    s.goodScript = s.dangerScript;
    ScriptControl control;
    const EvaluationOutcome out = evaluateScripts(control, s);
    EXPECT_EQ(out.result, EvaluationResult::NoComparable);
    EXPECT_TRUE(out.resultText.isEmpty());
}

TEST(TestEvaluation, LaterScriptsAreNotRunAfterATrueOne)
{
    // Each level appends its mark to the value it is handed by reference.
    EvaluationScripts s = defaults();
    s.generalScript = vbMain(QStringLiteral("Main = \"v\""));
    s.dangerScript = vbLevelMarking(QStringLiteral("D"), QStringLiteral("False"));
    s.warningScript = vbLevelMarking(QStringLiteral("W"), QStringLiteral("True"));
    s.goodScript = vbLevelMarking(QStringLiteral("G"), QStringLiteral("True"));
    ScriptControl control;
    const EvaluationOutcome out = evaluateScripts(control, s);
    ASSERT_FALSE(out.failed()) << out.errorReport.toStdString();
    EXPECT_EQ(out.result, EvaluationResult::Warning);
    EXPECT_EQ(out.valueText, QStringLiteral("vDW"));
}

TEST(TestEvaluation, RuntimeErrorInALevelEndsTheRun)
{
    EvaluationScripts s = defaults();
    s.dangerScript = vbLevel(QStringLiteral("Main = False"));
    s.warningScript = vbLevel(QStringLiteral("Main = 1 / 0"));
    ScriptControl control;
    const EvaluationOutcome out = evaluateScripts(control, s);
    ASSERT_TRUE(out.failed());
    EXPECT_EQ(out.error.Number, 11);
    EXPECT_EQ(out.error.Line, 2);
    EXPECT_EQ(out.error.Text, QStringLiteral("\tMain = 1 / 0"));
    EXPECT_EQ(out.failedScript, QStringLiteral("Warning"));
}

TEST(TestEvaluation, MissingMainAndUnknownLanguageAreErrors)
{
    ScriptControl control;
    EvaluationScripts s = defaults();
    s.generalScript = QStringLiteral("Function Other()\r\nEnd Function");
    EXPECT_EQ(evaluateScripts(control, s).error.Number, 35);
    EXPECT_EQ(evaluateScripts(control, s).failedScript, QStringLiteral("General"));

    s = defaults();
    s.warningLanguage = QStringLiteral("Perl");
    s.dangerScript = vbLevel(QStringLiteral("Main = False"));
    const EvaluationOutcome out = evaluateScripts(control, s);
    EXPECT_EQ(out.error.Number, 5);
}

TEST(TestEvaluation, JScriptLevelsAndMixedLanguages)
{
    EvaluationScripts s = defaults();
    s.generalLanguage = QStringLiteral("JScript");
    s.generalScript = QStringLiteral("function Main() { return 70; }");
    s.dangerLanguage = QStringLiteral("JScript");
    s.dangerScript = QStringLiteral("function Main(v) { return v >= 90; }");
    s.warningScript = vbLevel(QStringLiteral("Main = (pSsrValue >= 60)"));
    ScriptControl control;
    const EvaluationOutcome out = evaluateScripts(control, s);
    ASSERT_FALSE(out.failed()) << out.errorReport.toStdString();
    EXPECT_EQ(out.result, EvaluationResult::Warning);
    EXPECT_EQ(out.valueText, QStringLiteral("70"));
}

// Variant equality with the Boolean True.
struct TruthCase
{
    const char *name;
    QVariant result;
    bool isTrue;
};

void PrintTo(const TruthCase &c, std::ostream *out)
{
    *out << c.name;
}

class EvaluationTruth : public ::testing::TestWithParam<TruthCase>
{
};

TEST_P(EvaluationTruth, OnlyTrueOrMinusOneCount)
{
    EXPECT_EQ(evaluationIsTrue(GetParam().result), GetParam().isTrue);
}

INSTANTIATE_TEST_SUITE_P(
    Results, EvaluationTruth,
    ::testing::Values(TruthCase{"True", QVariant(true), true}, TruthCase{"False", QVariant(false), false},
                      TruthCase{"MinusOne", QVariant(-1), true}, TruthCase{"MinusOneDouble", QVariant(-1.0), true},
                      TruthCase{"One", QVariant(1), false}, TruthCase{"Zero", QVariant(0), false},
                      TruthCase{"FortyTwo", QVariant(42), false}, TruthCase{"MinusOneAndABit", QVariant(-1.5), false},
                      TruthCase{"TextTrue", QVariant(QStringLiteral("True")), false},
                      TruthCase{"TextMinusOne", QVariant(QStringLiteral("-1")), false},
                      TruthCase{"Empty", QVariant(), false}, TruthCase{"Null", QVariant::fromValue(nullptr), false}),
    [](const ::testing::TestParamInfo<TruthCase> &info) { return std::string(info.param.name); });

TEST(TestEvaluation, TrueFromEachKindOfScriptResult)
{
    // The same rule through real scripts: -1 counts, 1 and "True" do not.
    const struct
    {
        const char *body;
        EvaluationResult expected;
    } rows[] = {
        {"Main = -1", EvaluationResult::Danger},
        {"Main = CDbl(-1)", EvaluationResult::Danger},
        {"Main = 1", EvaluationResult::NoComparable},
        {"Main = \"True\"", EvaluationResult::NoComparable},
        {"Main = Empty", EvaluationResult::NoComparable},
    };
    for (const auto &row : rows) {
        EvaluationScripts s = defaults();
        s.dangerScript = vbLevel(QString::fromLatin1(row.body));
        s.warningScript = vbLevel(QStringLiteral("Main = False"));
        s.goodScript = s.warningScript;
        ScriptControl control;
        EXPECT_EQ(evaluateScripts(control, s).result, row.expected) << row.body;
    }
}

struct TextCase
{
    const char *name;
    QVariant value;
    QString text;
};

void PrintTo(const TextCase &c, std::ostream *out)
{
    *out << c.name;
}

class EvaluationValueText : public ::testing::TestWithParam<TextCase>
{
};

TEST_P(EvaluationValueText, AsTheDialogShowsIt)
{
    EXPECT_EQ(evaluationValueText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, EvaluationValueText,
    ::testing::Values(TextCase{"True", QVariant(true), QStringLiteral("True")},
                      TextCase{"False", QVariant(false), QStringLiteral("False")},
                      TextCase{"Integer", QVariant(-17), QStringLiteral("-17")},
                      TextCase{"Empty", QVariant(), QString()},
                      TextCase{"Null", QVariant::fromValue(nullptr), QStringLiteral("Null")},
                      TextCase{"Text", QVariant(QStringLiteral("disk ok")), QStringLiteral("disk ok")}),
    [](const ::testing::TestParamInfo<TextCase> &info) { return std::string(info.param.name); });

} // namespace
