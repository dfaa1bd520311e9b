// Compile and runtime errors of both languages as ScriptControl reports them,
// scripts that never end or escape their limits, and stop() from another thread.
#include "script_support.h"
#include "script/engine/scriptrun.h"

#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

using namespace objtest;

namespace {

// Adds `code` in `language` and runs `run` when given: the error that ends
// it, as the control's error() holds it.
ScriptErrorInfo failure(ScriptControl &control, const char *language, const QString &code, const char *run)
{
    if (control.setLanguage(QString::fromLatin1(language)) && control.addCode(code)
        && (!run || control.run(QString::fromLatin1(run))))
        ADD_FAILURE() << "nothing failed";
    return control.error();
}

const char *const vbCompile = "VBScript compilation error";
const char *const vbRuntime = "VBScript runtime error";
const char *const jsCompile = "JScript compilation error";
const char *const jsRuntime = "JScript runtime error";

struct ErrorRow
{
    const char *name, *language, *code, *run;
    long number, line, column;
    const char *text, *source;
    const char *description = nullptr; // null: any
};

const ErrorRow errorRows[] = {
    {"VBMissingThen", "VBScript", "Dim a\nIf a = 1\n  a = 2\nEnd If", nullptr, 1017, 2, 8, "If a = 1", vbCompile},
    {"VBDivisionByZeroInMain", "VBScript", "Function Main()\n  Dim n\n  n = 0\n  Main = 10 / n\nEnd Function", "Main",
     11, 4, 2, "  Main = 10 / n", vbRuntime},
    {"VBGlobalTypeMismatch", "VBScript", "Dim s\ns = \"abc\" * 2", nullptr, 13, 2, 0, "s = \"abc\" * 2", vbRuntime},
    {"VBMissingMain", "VBScript", "Function Other()\nEnd Function", "Main", 35, 0, 0, "", vbRuntime},
    {"JSSyntaxError", "JScript", "var a = 1;\nvar b = (a + ;\n", nullptr, 1002, 2, 13, "var b = (a + ;", jsCompile},
    // Insertions of the front end before the fault move no column; CR LF and CR end lines.
    {"JSSyntaxErrorAfterRewrites", "JScript", "function f() {\r\n  var a = 1; if (a) { a = typeof a; } var b = (a + ;\r}", nullptr, 1002, 2, 51,
     "  var a = 1; if (a) { a = typeof a; } var b = (a + ;", jsCompile},
    {"JSUndefinedIdentifier", "JScript", "function Main() {\n  var x = 1;\n  return x + y;\n}", "Main", 5009, 3, 0,
     "  return x + y;", jsRuntime},
    {"JSObjectExpected", "JScript", "var o = null;\n\no.value = 1;", nullptr, 5007, 3, 0, "o.value = 1;", jsRuntime},
    {"JSThrownText", "JScript", "function Main() {\n  throw 'no data';\n}", "Main", 5022, 2, 0, "  throw 'no data';",
     jsRuntime, "no data"},
    {"JSOwnErrorNumber", "JScript",
     "function Main() {\n  var e = new Error('bad value');\n  e.number = 77;\n  throw e;\n}", "Main", 77, 4, 0,
     "  throw e;", jsRuntime},
    {"JSMissingMain", "JScript", "function Other() {}", "Main", 5009, 0, 0, "", jsRuntime},
};

TEST(ScriptControlErrors, FillEveryField)
{
    for (const ErrorRow &row : errorRows) {
        SCOPED_TRACE(row.name);
        ScriptControl control;
        const ScriptErrorInfo error = failure(control, row.language, QString::fromUtf8(row.code), row.run);
        EXPECT_EQ(error.Number, row.number);
        EXPECT_EQ(error.Line, row.line);
        EXPECT_EQ(error.Column, row.column);
        EXPECT_EQ(error.Text, QString::fromUtf8(row.text));
        EXPECT_EQ(error.Source, QString::fromLatin1(row.source));
        EXPECT_FALSE(error.Description.isEmpty());
        if (row.description) {
            EXPECT_EQ(error.Description, QString::fromUtf8(row.description));
        }
    }
}

// check compiles only: a syntax error as addCode gives it; code that would
// fail when run passes and leaves nothing defined.
TEST(ScriptControlErrors, CheckCompilesWithoutRunning)
{
    const struct
    {
        const char *name, *language, *code;
        long number, line, column; // the compile error, or 0 and the error of running Main afterwards
    } rows[] = {
        {"VBSyntaxError", "VBScript", "Dim a\nIf a = 1\n  a = 2\nEnd If", 1017, 2, 8},
        {"VBDividesByZeroOnlyWhenRun", "VBScript", "x = 1 / 0\nFunction Main()\n  Main = x\nEnd Function", 0, 35, 0},
        {"JSSyntaxError", "JScript", "var a = 1;\nvar b = (a + ;\n", 1002, 2, 13},
        {"JSRunsNothing", "JScript", "function Main() { return 1; }\nundefinedFunction();", 0, 5009, 0},
        // Code that closes the function it is compiled in still runs nothing.
        {"JSCannotEscapeTheCheck", "JScript", "});\nthrow new Error('ran');\n(function () {", 1002, 0, 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        ScriptControl control;
        ASSERT_TRUE(control.setLanguage(QString::fromLatin1(row.language)));
        if (row.number != 0) {
            EXPECT_FALSE(control.check(QString::fromUtf8(row.code)));
            EXPECT_EQ(control.error().Number, row.number);
            EXPECT_EQ(control.error().Source, QString::fromLatin1(row.language) + QLatin1String(" compilation error"));
            EXPECT_EQ(control.error().Line, row.line);
            EXPECT_EQ(control.error().Column, row.column);
            continue;
        }
        EXPECT_TRUE(control.check(QString::fromUtf8(row.code))) << control.error().Description.toStdString();
        EXPECT_EQ(control.error().Number, 0);
        EXPECT_EQ(control.run(QStringLiteral("Main")), std::nullopt);
        EXPECT_EQ(control.error().Number, row.line);
    }
}

TEST(ScriptControlLanguage, EachChangeStartsEmptyAndSuccessClearsTheError)
{
    ScriptControl control;
    EXPECT_EQ(control.language(), QStringLiteral("VBScript"));
    EXPECT_EQ(control.timeout(), 10000);
    for (const QString &language : {QStringLiteral("VBScript"), QStringLiteral("JScript")}) {
        SCOPED_TRACE(language.toStdString());
        ASSERT_TRUE(control.setLanguage(language));
        EXPECT_FALSE(control.addCode(QStringLiteral("this is ( not code")));
        EXPECT_NE(control.error().Number, 0);
        EXPECT_EQ(runMain(control, language, mainOf(language, isVB(language) ? "Main = 5" : "return 5;")), QVariant(5));
        EXPECT_EQ(control.error().Number, 0);
        EXPECT_TRUE(control.error().Description.isEmpty());
        ASSERT_TRUE(control.setLanguage(language));
        EXPECT_EQ(control.run(QStringLiteral("Main")), std::nullopt);
    }
}

TEST(ScriptControlLanguage, UnknownNameFailsWith5AndKeepsTheLanguage)
{
    ScriptControl control;
    ASSERT_TRUE(control.setLanguage(QStringLiteral("jscript")));
    EXPECT_EQ(control.language(), QStringLiteral("JScript"));
    for (const char *name : {"Python", "", "VB Script", "JavaScript"}) {
        EXPECT_FALSE(control.setLanguage(QString::fromLatin1(name)));
        EXPECT_EQ(control.error().Number, 5) << name;
        EXPECT_TRUE(control.error().Description.contains(QLatin1String("VBScript")));
        EXPECT_EQ(control.language(), QStringLiteral("JScript"));
    }
    ASSERT_TRUE(control.setLanguage(QStringLiteral("VBSCRIPT")));
    EXPECT_EQ(control.language(), QStringLiteral("VBScript"));
    EXPECT_EQ(control.error().Number, 0);
}

// stop() from another thread ends the running script at once with 18 at the
// line it was on, and the control refuses every later call the same way, in
// either language.
TEST(ScriptControlStop, EndsTheRunningScriptAndEveryLaterOne)
{
    const struct
    {
        const char *language, *code, *run; // run null: the global code never ends
        int line;
    } rows[] = {
        {"VBScript", "Do\nLoop", nullptr, 1},
        {"VBScript", "Function Main()\n  Do\n    n = n + 1\n  Loop\nEnd Function", "Main", 2},
        {"JScript", "var n = 0;\nwhile (true) {}", nullptr, 2},
        {"JScript", "function Main() {\n  var n = 0;\n  for (;;) {\n    try { f(); } catch (e) {}\n  }\n}", "Main", 4},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.code);
        ScriptControl control;
        control.setTimeout(10000); // far beyond the stop
        const auto start = std::chrono::steady_clock::now();
        std::thread stopper([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            control.stop();
        });
        const ScriptErrorInfo e = failure(control, row.language, QString::fromUtf8(row.code), row.run);
        stopper.join();
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
        EXPECT_EQ(e.Number, 18);
        EXPECT_EQ(e.Line, row.line);
        EXPECT_EQ(control.error().Description, QStringLiteral("User interrupt occurred"));
        EXPECT_TRUE(control.error().Source.endsWith(QLatin1String("runtime error")));
        for (const char *language : {"VBScript", "JScript"}) {
            EXPECT_EQ(failure(control, language, QStringLiteral("x = 1"), nullptr).Number, 18) << language;
            EXPECT_FALSE(control.check(QStringLiteral("x = 1"))) << language;
            EXPECT_EQ(control.error().Number, 18) << language;
        }
    }
}

// Scripts that never end, recurse without bound or try to escape their
// limits: each ends with the clear error within the time-out plus a margin, a
// read-only one changes no file, and the same control runs the next script.
struct LimitRow
{
    const char *name, *language, *code, *run; // run null: the code misbehaves while added
    long number;
    int memoryMb = 0; // 0 keeps the default
    bool readOnly = false;
    const char *says = ""; // in the description: the built-in sized before it ran
};

const LimitRow limitRows[] = {
    {"VBEndlessLoopInMain", "VBScript", "Function Main()\n  Do\n  Loop\nEnd Function", "Main", 18},
    {"VBEndlessLoopInGlobalCode", "VBScript", "Dim i\nWhile True\n  i = i + 1\nWend", nullptr, 18},
    {"VBDeepRecursion", "VBScript",
     "Function F(n)\n  F = F(n + 1)\nEnd Function\nFunction Main()\n  Main = F(0)\nEnd Function", "Main", 28},
    {"JSEndlessLoopInMain", "JScript", "function Main() { for (;;) {} }", "Main", 18},
    {"JSEndlessLoopInGlobalCode", "JScript", "var i = 0;\nwhile (true) { i++; }", nullptr, 18},
    {"JSLoopCatchingEverything", "JScript",
     "function Main() { while (true) { try { while (true) {} } catch (e) {} } }", "Main", 18},
    // Reading what a script threw or returned runs its own code too.
    {"JSThrowsAnEndlessToString", "JScript",
     "function Main() { throw { toString: function () { for (;;) {} } }; }", "Main", 18},
    {"JSThrowsAnEndlessMessage", "JScript", "function Main() { throw { get message() { for (;;) {} } }; }", "Main", 18},
    {"JSGlobalCodeThrowsAnEndlessToString", "JScript", "throw { toString: function () { for (;;) {} } };", nullptr, 18},
    {"JSReturnsAnEndlessToString", "JScript",
     "function Main() { return { toString: function () { for (;;) {} } }; }", "Main", 18},
    {"JSDeepRecursion", "JScript", "function f(n) { return f(n + 1) + 1; }\nfunction Main() { return f(0); }",
     "Main", 28},
    // The interrupt must unwind frames whose catch calls on.
    {"JSRecursionInsideTryCatch", "JScript",
     "function f(n) { if (n > 40) return 0; try { return f(n + 1) + f(n + 1); } catch (e) { return f(n + 1); } }\n"
     "function Main() { return f(0); }", "Main", 18},
    {"JSOneHugeBuiltIn", "JScript", "function Main() { return new Array(1e9).fill(0).length; }", "Main", 7},
    {"JSHugeRepeat", "JScript", "function Main() { return 'ab'.repeat(2e9).length; }", "Main", 7},
    // Built-ins that would take more than the budget in one call are sized first.
    {"JSTypedArrayPastTheBudget", "JScript", "function Main() { return new Float64Array(1e9).length; }", "Main", 7, 0,
     false, "Float64Array would take"},
    {"JSBufferPastTheBudget", "JScript", "function Main() { return new ArrayBuffer(4e9).byteLength; }", "Main", 7},
    {"JSTypedArrayOfAComputedLength", "JScript",
     "function Main() { var n = 0; return new Uint8Array({get length() { return n++ ? 1e9 : 1; }}).length; }", "Main", 5},
    {"JSStringifyOfHoles", "JScript", "function Main() { var a = []; a.length = 1e7; return JSON.stringify([a, a]); }",
     "Main", 7},
    {"JSStringifyOfLongTexts", "JScript",
     "function Main() { var s = 'x'.repeat(1e6), a = []; for (var i = 0; i < 100; i++) a.push(s);\n"
     "  return JSON.stringify(a).length; }", "Main", 7, 16, false, "JSON.stringify would take"},
    {"JSSplitEveryCharacter", "JScript", "function Main() { return 'x'.repeat(1e6).split('').length; }", "Main", 7, 32,
     false, "split would take"},
    {"JSJoinOfHoles", "JScript", "function Main() { return Array(1e7).join('abcdefghijklmnopqrstuvwxyz0123456789'); }",
     "Main", 7},
    {"JSPadStart", "JScript", "function Main() { return ''.padStart(4e8, 'x').length; }", "Main", 7},
    {"JSGrowsPastTheBudget", "JScript",
     "function Main() { var a = []; for (;;) a.push('xy'.repeat(4000000) + a.length); }", "Main", 7, 32},
    {"VBGrowsPastTheBudget", "VBScript",
     "Function Main()\n  Dim a(200), i\n  For i = 0 To 200\n    a(i) = String(20000000, \"x\")\n  Next\nEnd Function",
     "Main", 7, 16},
    // Each Replace takes long; the clock is looked at by time, not by count.
    {"VBLoopOfSlowBuiltIns", "VBScript",
     "Function Main()\n  Dim s, i\n  s = String(8000000, \"a\")\n  For i = 1 To 100000\n    s = Replace(s, \"a\", \"b\")\n"
     "    s = Replace(s, \"b\", \"a\")\n  Next\nEnd Function", "Main", 18},
    {"SQLiteQueryThatNeverEnds", "VBScript",
     "Function Main()\n  Set c = CreateObject(\"ADODB.Connection\")\n  c.CommandTimeout = 0\n"
     "  c.Open \"Data Source=:memory:\"\n"
     "  Set rs = c.Execute(\"WITH RECURSIVE r(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM r) SELECT count(*) FROM r\")\n"
     "End Function", "Main", -2147217871},
    {"ReadOnlyRefusesWriting", "VBScript", "Function Main()\n  Set fso = CreateObject(\"Scripting.FileSystemObject\")\n"
     "  fso.CreateTextFile(\"$DIR/new.txt\").Write \"x\"\nEnd Function", "Main", 70, 0, true},
    {"ReadOnlyRefusesAppending", "JScript",
     "function Main() { var fso = new ActiveXObject('Scripting.FileSystemObject');\n"
     "  fso.OpenTextFile('$DIR/new.txt', 8, true).Write('x'); }", "Main", 70, 0, true},
    {"ReadOnlyRefusesDeleting", "VBScript",
     "Function Main()\n  CreateObject(\"Scripting.FileSystemObject\").DeleteFile \"$DIR/keep.txt\"\nEnd Function",
     "Main", 70, 0, true},
    {"ReadOnlyRefusesAFolder", "JScript",
     "function Main() { new ActiveXObject('Scripting.FileSystemObject').CreateFolder('$DIR/new.txt'); }", "Main",
     70, 0, true},
};

TEST(ScriptControlLimits, EndWithTheClearErrorAndTheNextScriptRuns)
{
    for (const LimitRow &row : limitRows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        ASSERT_TRUE(QFile(dir.filePath(QStringLiteral("keep.txt"))).open(QIODevice::WriteOnly));
        ScriptControl control;
        control.setTimeout(1000);
        if (row.memoryMb > 0)
            control.setMemoryLimit(row.memoryMb);
        control.setReadOnly(row.readOnly);
        const auto start = std::chrono::steady_clock::now();
        const QString code = QString::fromUtf8(row.code).replace(QLatin1String("$DIR"), dir.path());
        EXPECT_EQ(failure(control, row.language, code, row.run).Number, row.number)
            << control.error().Description.toStdString();
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(6));
        EXPECT_FALSE(control.error().Description.isEmpty());
        EXPECT_TRUE(control.error().Description.contains(QLatin1String(row.says))) << row.says;
        if (row.number > 0 && !row.readOnly) { // the engine's own error, not an object's
            EXPECT_TRUE(control.error().Source.endsWith(QLatin1String("runtime error")));
        }
        EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("keep.txt")))) << "a read-only script deleted a file";
        EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("new.txt")))) << "a read-only script wrote a file";
        const QString language = QString::fromLatin1(row.language);
        EXPECT_EQ(runMain(control, language, mainOf(language, isVB(language) ? "Main = 7" : "return 7;")), QVariant(7));
        EXPECT_EQ(control.error().Number, 0);
    }
}

// Two controls in one run of 40 MB: the first keeps a text of 24 MB in a
// global, so the second may take no more than the rest, in either language,
// and is refused before it allocates it.
struct SharedRunRow
{
    const char *name, *language, *main;
    long number;
    int memoryMb = 40;
};

const SharedRunRow sharedRunRows[] = {
    {"VBTextPastWhatIsLeft", "VBScript", "Main = Len(String(12000000, \"y\"))", 7},
    {"JSRepeatPastWhatIsLeft", "JScript", "return 'y'.repeat(12e6).length;", 7},
    {"VBTextWithinARunOfRoomForBoth", "VBScript", "Main = Len(String(12000000, \"y\"))", 0, 64},
};

TEST(ScriptControlLimits, TheCallsOfOneRunShareItsMemoryBudget)
{
    for (const SharedRunRow &row : sharedRunRows) {
        SCOPED_TRACE(row.name);
        ScriptControl holder, taker;
        holder.setMemoryLimit(row.memoryMb);
        const std::shared_ptr<const ScriptRun> run = holder.newRun();
        const ScriptControl::RunScope holding(holder, run), taking(taker, run);
        ASSERT_TRUE(holder.setLanguage(QStringLiteral("VBScript")));
        ASSERT_TRUE(holder.addCode(QStringLiteral("Dim kept\nkept = String(12000000, \"x\")")));
        const QString language = QString::fromLatin1(row.language);
        const std::optional<QVariant> value = runMain(taker, language, mainOf(language, row.main));
        EXPECT_EQ(taker.error().Number, row.number) << taker.error().Description.toStdString();
        // Refused before it was allocated, not found by the watchdog after.
        EXPECT_FALSE(taker.error().Description.contains(QLatin1String("used more than")));
        if (row.number == 0) {
            EXPECT_EQ(value, QVariant(12000000));
        }
    }
}

// A run whose time went on one script starts no other: the next call, in
// either language, is refused with the same 18 naming the run's time-out.
TEST(ScriptControlLimits, ARunOverTimeRefusesEveryLaterCall)
{
    ScriptControl control;
    control.setTimeout(200);
    const ScriptControl::RunScope scope(control);
    EXPECT_EQ(failure(control, "VBScript", QStringLiteral("Do\nLoop"), nullptr).Number, 18);
    for (const char *language : {"VBScript", "JScript"}) {
        EXPECT_EQ(failure(control, language, QStringLiteral("x = 1"), nullptr).Number, 18) << language;
        EXPECT_TRUE(control.error().Description.contains(QLatin1String("time-out of 200 ms"))) << language;
        EXPECT_TRUE(control.error().Source.endsWith(QLatin1String("runtime error"))) << language;
    }
}

// close() ends the engine: the code added before it is gone, in either
// language, and the control takes new code at once.
TEST(ScriptControlClose, LeavesAnEmptyEngineOfTheSameLanguage)
{
    const std::pair<const char *, const char *> rows[] = {
        {"VBScript", "Function F()\n  F = 1\nEnd Function"},
        {"JScript", "function F() { return 1; }"},
    };
    for (const auto &[language, code] : rows) {
        ScriptControl control;
        ASSERT_TRUE(control.setLanguage(QString::fromLatin1(language)));
        ASSERT_TRUE(control.addCode(QString::fromLatin1(code)));
        EXPECT_TRUE(control.close()) << language;
        EXPECT_FALSE(control.run(QStringLiteral("F"))) << language;
        EXPECT_EQ(control.language(), QString::fromLatin1(language));
        ASSERT_TRUE(control.addCode(QString::fromLatin1(code)));
        EXPECT_EQ(control.run(QStringLiteral("F")), QVariant(1)) << language;
    }
}

TEST(ScriptControlLimits, TheSameJScriptEngineRunsAgainAndNoTimeoutLetsALongScriptFinish)
{
    ScriptControl control;
    control.setTimeout(300);
    EXPECT_EQ(failure(control, "JScript",
                      QStringLiteral("var calls = 0;\nfunction Spin() { calls++; for (;;) {} }\n"
                                     "function Main() { return calls; }"),
                      "Spin")
                  .Number,
              18);
    EXPECT_TRUE(control.error().Description.contains(QLatin1String("300 ms")));
    EXPECT_EQ(control.run(QStringLiteral("Main")), QVariant(1));

    control.setTimeout(0);
    EXPECT_EQ(runMain(control, QStringLiteral("VBScript"),
                      QStringLiteral("Function Main()\n  For i = 1 To 200000\n    s = s + i\n  Next\n  Main = s\nEnd Function"))
                  .value_or(QVariant()).toDouble(),
              200000.0 * 200001.0 / 2.0);
}

// Read-only guards changes, not reading: a read-only run reads an SQLite
// database, which it opens read-only, so a write is refused.
TEST(ScriptControlReadOnly, ReadsButDoesNotWriteADatabase)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("data.db"));
    ScriptControl control;
    ASSERT_TRUE(control.addCode(QStringLiteral("Function Make(f)\n  Set c = CreateObject(\"ADODB.Connection\")\n  c.Open \"Data Source=\" & f\n"
                                   "  c.Execute \"CREATE TABLE t (x)\"\n  c.Execute \"INSERT INTO t VALUES (5)\"\n  c.Close\nEnd Function\n"
                                   "Function Read(f)\n  Set c = CreateObject(\"ADODB.Connection\")\n  c.Open \"Data Source=\" & f\n"
                                   "  Read = c.Execute(\"SELECT x FROM t\")(0)\n  c.Execute \"INSERT INTO t VALUES (6)\"\nEnd Function")));
    QFile(file).open(QIODevice::WriteOnly);
    QVariantList args{file};
    ASSERT_TRUE(control.run(QStringLiteral("Make"), args));
    control.setReadOnly(true);
    EXPECT_EQ(control.run(QStringLiteral("Read"), args), std::nullopt);
    EXPECT_EQ(control.error().Line, 12) << control.error().Description.toStdString(); // the INSERT, after the SELECT read
}

} // namespace
