// Compile and runtime errors of both languages as ScriptControl reports them.
#include "script/scriptcontrol.h"
#include "testsupport.h"

#include "errorcore/error.h"

#include <gtest/gtest.h>

namespace {

struct ErrorCase
{
    const char *name;
    const char *language;
    const char *code;      // added with addCode
    const char *run;       // procedure to run after the code was added, or null
    long number;
    long line;
    long column;
    const char *text;
    const char *source;
};

void PrintTo(const ErrorCase &c, std::ostream *out)
{
    *out << c.name;
}

class ScriptControlErrors : public ::testing::TestWithParam<ErrorCase>
{
};

TEST_P(ScriptControlErrors, FillsEveryFieldAndRaisesTheSame)
{
    const ErrorCase &c = GetParam();
    ScriptControl control;
    control.setLanguage(QString::fromLatin1(c.language));
    bool raised = false;
    Error caught;
    try {
        control.addCode(QString::fromUtf8(c.code));
        if (c.run)
            control.run(QString::fromLatin1(c.run));
    } catch (const Error &e) {
        raised = true;
        caught = e;
    }
    ASSERT_TRUE(raised);
    const ScriptErrorInfo &error = control.error();
    EXPECT_EQ(error.Number, c.number);
    EXPECT_EQ(error.Line, c.line);
    EXPECT_EQ(error.Column, c.column);
    EXPECT_EQ(error.Text, QString::fromUtf8(c.text));
    EXPECT_EQ(error.Source, QString::fromLatin1(c.source));
    EXPECT_FALSE(error.Description.isEmpty());
    EXPECT_EQ(caught.number, error.Number);
    EXPECT_EQ(caught.description, error.Description);
    EXPECT_EQ(caught.source, error.Source);
}

const char *const vbCompile = "VBScript compilation error";
const char *const vbRuntime = "VBScript runtime error";
const char *const jsCompile = "JScript compilation error";
const char *const jsRuntime = "JScript runtime error";

INSTANTIATE_TEST_SUITE_P(
    BothLanguages, ScriptControlErrors,
    ::testing::Values(
        ErrorCase{"VBScriptMissingThen", "VBScript", "Dim a\nIf a = 1\n  a = 2\nEnd If", nullptr, 1017, 2, 8,
                  "If a = 1", vbCompile},
        ErrorCase{"VBScriptDivisionByZeroInMain", "VBScript",
                  "Function Main()\n  Dim n\n  n = 0\n  Main = 10 / n\nEnd Function", "Main", 11, 4, 2,
                  "  Main = 10 / n", vbRuntime},
        ErrorCase{"VBScriptGlobalCodeTypeMismatch", "VBScript", "Dim s\ns = \"abc\" * 2", nullptr, 13, 2, 0,
                  "s = \"abc\" * 2", vbRuntime},
        ErrorCase{"VBScriptMissingMain", "VBScript", "Function Other()\nEnd Function", "Main", 35, 0, 0, "",
                  vbRuntime},
        ErrorCase{"JScriptSyntaxError", "JScript", "var a = 1;\nvar b = (a + ;\n", nullptr, 1002, 2, 13,
                  "var b = (a + ;", jsCompile},
        ErrorCase{"JScriptUndefinedIdentifier", "JScript", "function Main() {\n  var x = 1;\n  return x + y;\n}",
                  "Main", 5009, 3, 0, "  return x + y;", jsRuntime},
        ErrorCase{"JScriptObjectExpected", "JScript", "var o = null;\n\no.value = 1;", nullptr, 5007, 3, 0,
                  "o.value = 1;", jsRuntime},
        ErrorCase{"JScriptThrownText", "JScript", "function Main() {\n  throw 'no data';\n}", "Main", 5022, 0, 0,
                  "", jsRuntime},
        ErrorCase{"JScriptOwnErrorNumber", "JScript",
                  "function Main() {\n  var e = new Error('bad value');\n  e.number = 77;\n  throw e;\n}", "Main", 77,
                  2, 0, "  var e = new Error('bad value');", jsRuntime},
        ErrorCase{"JScriptMissingMain", "JScript", "function Other() {}", "Main", 5009, 0, 0, "", jsRuntime}),
    [](const ::testing::TestParamInfo<ErrorCase> &info) { return std::string(info.param.name); });

// check compiles only: a syntax error comes as addCode gives it, at the
// place in the code as written, and code that would fail when run passes and
// leaves nothing defined.
struct CheckCase
{
    const char *name;
    const char *language;
    const char *code;
    long number;         // the compile error, 0 when the check passes
    long missingMain;    // the error of running Main after a check that passed
    long line = 0, column = 0; // of the compile error
};

void PrintTo(const CheckCase &c, std::ostream *out)
{
    *out << c.name;
}

class ScriptControlCheck : public ::testing::TestWithParam<CheckCase>
{
};

TEST_P(ScriptControlCheck, CompilesWithoutRunning)
{
    const CheckCase &c = GetParam();
    ScriptControl control;
    control.setLanguage(QString::fromLatin1(c.language));
    if (c.number != 0) {
        EXPECT_THROW(control.check(QString::fromUtf8(c.code)), Error);
        EXPECT_EQ(control.error().Number, c.number);
        EXPECT_EQ(control.error().Source, QString::fromLatin1(c.language) + QLatin1String(" compilation error"));
        EXPECT_EQ(control.error().Line, c.line);
        EXPECT_EQ(control.error().Column, c.column);
        return;
    }
    EXPECT_NO_THROW(control.check(QString::fromUtf8(c.code))) << control.error().Description.toStdString();
    EXPECT_EQ(control.error().Number, 0);
    EXPECT_THROW(control.run(QStringLiteral("Main")), Error);
    EXPECT_EQ(control.error().Number, c.missingMain);
}

INSTANTIATE_TEST_SUITE_P(
    BothLanguages, ScriptControlCheck,
    ::testing::Values(
        CheckCase{"VBScriptSyntaxError", "VBScript", "Dim a\nIf a = 1\n  a = 2\nEnd If", 1017, 0, 2, 8},
        CheckCase{"VBScriptRunsNothing", "VBScript", "Function Main()\n  Main = 1\nEnd Function\nErr.Raise 5", 0, 35},
        CheckCase{"VBScriptDividesByZeroOnlyWhenRun", "VBScript", "x = 1 / 0\nFunction Main()\n  Main = x\nEnd Function",
                  0, 35},
        CheckCase{"JScriptSyntaxError", "JScript", "var a = 1;\nvar b = (a + ;\n", 1002, 0, 2, 13},
        CheckCase{"JScriptRunsNothing", "JScript", "function Main() { return 1; }\nundefinedFunction();", 0, 5009},
        // Code that closes the function it is compiled in still runs nothing.
        CheckCase{"JScriptCannotEscapeTheCheck", "JScript", "});\nthrow new Error('ran');\n(function () {", 1002, 0}),
    [](const ::testing::TestParamInfo<CheckCase> &info) { return std::string(info.param.name); });

TEST(ScriptControlErrorsText, ThrownTextIsTheDescription)
{
    ScriptControl control;
    control.setLanguage(QStringLiteral("JScript"));
    control.addCode(QStringLiteral("function Main() { throw 'no data'; }"));
    EXPECT_THROW(control.run(QStringLiteral("Main")), Error);
    EXPECT_EQ(control.error().Description, QStringLiteral("no data"));
}

TEST(ScriptControlErrorsText, SuccessClearsTheError)
{
    for (const char *language : {"VBScript", "JScript"}) {
        ScriptControl control;
        control.setLanguage(QString::fromLatin1(language));
        EXPECT_THROW(control.addCode(QStringLiteral("this is ( not code")), Error);
        EXPECT_NE(control.error().Number, 0) << language;
        control.setLanguage(QString::fromLatin1(language));
        control.addCode(QString::fromLatin1(QByteArray(language) == "VBScript" ? "Function Main()\nMain = 5\nEnd Function"
                                                                               : "function Main() { return 5; }"));
        EXPECT_EQ(control.error().Number, 0) << language;
        EXPECT_EQ(control.run(QStringLiteral("Main")), QVariant(5)) << language;
        EXPECT_EQ(control.error().Number, 0) << language;
        EXPECT_TRUE(control.error().Description.isEmpty()) << language;
    }
}

TEST(ScriptControlLanguage, UnknownNameRaises5AndKeepsTheLanguage)
{
    ScriptControl control;
    control.setLanguage(QStringLiteral("jscript"));
    EXPECT_EQ(control.language(), QStringLiteral("JScript"));
    for (const char *name : {"Python", "", "VB Script", "JavaScript"}) {
        try {
            control.setLanguage(QString::fromLatin1(name));
            ADD_FAILURE() << "no error for " << name;
        } catch (const Error &e) {
            EXPECT_EQ(e.number, 5);
            EXPECT_TRUE(e.description.contains(QLatin1String("VBScript"))) << e.description.toStdString();
        }
        EXPECT_EQ(control.error().Number, 5);
        EXPECT_EQ(control.language(), QStringLiteral("JScript"));
    }
    control.setLanguage(QStringLiteral("VBSCRIPT"));
    EXPECT_EQ(control.language(), QStringLiteral("VBScript"));
    EXPECT_EQ(control.error().Number, 0);
}

TEST(ScriptControlLanguage, EachLanguageChangeStartsEmpty)
{
    for (const char *language : {"VBScript", "JScript"}) {
        ScriptControl control;
        control.setLanguage(QString::fromLatin1(language));
        control.addCode(QString::fromLatin1(QByteArray(language) == "VBScript" ? "Function Main()\nMain = 1\nEnd Function"
                                                                               : "function Main() { return 1; }"));
        control.setLanguage(QString::fromLatin1(language));
        EXPECT_THROW(control.run(QStringLiteral("Main")), Error) << language;
    }
}

TEST(ScriptControlLanguage, DefaultIsVBScriptWithATenSecondTimeout)
{
    ScriptControl control;
    EXPECT_EQ(control.language(), QStringLiteral("VBScript"));
    EXPECT_EQ(control.timeout(), 10000);
    EXPECT_EQ(control.error().Number, 0);
}

} // namespace
