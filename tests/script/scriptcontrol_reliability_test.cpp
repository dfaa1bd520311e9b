// Scripts that try to escape their limits: each call ends with the clear
// error, returns within the time-out plus a generous margin, and the process
// lives on.
#include "script/scriptcontrol.h"
#include "testsupport.h"

#include "errorcore/error.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <gtest/gtest.h>

namespace {

struct EscapeCase
{
    const char *name;
    const char *language;
    const char *code;    // Main is run after the code is added
    int memoryMb;        // the budget; 0 keeps the default
    bool readOnly;
    long number;
};

void PrintTo(const EscapeCase &c, std::ostream *out)
{
    *out << c.name;
}

class ScriptControlReliability : public ::testing::TestWithParam<EscapeCase>
{
protected:
    QTemporaryDir dir;
};

constexpr int kTimeout = 1000;
constexpr auto kMargin = std::chrono::seconds(5);

TEST_P(ScriptControlReliability, EndsWithTheClearErrorWithinTheLimit)
{
    const EscapeCase &c = GetParam();
    QFile existing(dir.filePath(QStringLiteral("keep.txt")));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    ScriptControl control;
    control.setLanguage(QString::fromLatin1(c.language));
    control.setTimeout(kTimeout);
    if (c.memoryMb > 0)
        control.setMemoryLimit(c.memoryMb);
    control.setReadOnly(c.readOnly);

    QString code = QString::fromUtf8(c.code);
    code.replace(QLatin1String("$DIR"), QDir::fromNativeSeparators(dir.path()));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_THROW(
        {
            control.addCode(code);
            control.run(QStringLiteral("Main"));
        },
        Error);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(kTimeout) + kMargin);
    EXPECT_EQ(control.error().Number, c.number) << control.error().Description.toStdString();
    EXPECT_FALSE(control.error().Description.isEmpty());
    EXPECT_TRUE(QFile::exists(existing.fileName())) << "a read-only script deleted a file";
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("new.txt")))) << "a read-only script wrote a file";
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, ScriptControlReliability,
    ::testing::Values(
        // The interrupt must unwind frames whose catch calls on.
        EscapeCase{"JScriptRecursionInsideTryCatch", "JScript",
                   "function f(n) { if (n > 40) return 0; try { return f(n + 1) + f(n + 1); } catch (e) { return f(n + 1); } }\n"
                   "function Main() { return f(0); }", 0, false, 18},
        EscapeCase{"JScriptOneHugeBuiltIn", "JScript", "function Main() { return new Array(1e9).fill(0).length; }", 0, false, 7},
        EscapeCase{"JScriptHugeRepeat", "JScript", "function Main() { return 'ab'.repeat(2e9).length; }", 0, false, 7},
        EscapeCase{"JScriptGrowsPastTheBudget", "JScript",
                   "function Main() { var a = []; for (;;) a.push('xy'.repeat(4000000) + a.length); }", 32, false, 7},
        EscapeCase{"VBScriptGrowsPastTheBudget", "VBScript",
                   "Function Main()\n  Dim a(200), i\n  For i = 0 To 200\n    a(i) = String(20000000, \"x\")\n  Next\nEnd Function", 16, false, 7},
        // Each Replace takes long; the clock is looked at by time, not by count.
        EscapeCase{"VBScriptLoopOfSlowBuiltIns", "VBScript",
                   "Function Main()\n  Dim s, i\n  s = String(8000000, \"a\")\n  For i = 1 To 100000\n    s = Replace(s, \"a\", \"b\")\n"
                   "    s = Replace(s, \"b\", \"a\")\n  Next\nEnd Function", 0, false, 18},
        EscapeCase{"VBScriptEndlessClassTerminate", "VBScript",
                   "Class C\n  Sub Class_Terminate\n    Do\n    Loop\n  End Sub\nEnd Class\n"
                   "Function Main()\n  Dim o\n  Set o = New C\n  Main = 1\nEnd Function", 0, false, 18},
        EscapeCase{"VBScriptReDimToTheLargestLong", "VBScript", "Function Main()\n  ReDim a(2147483647)\nEnd Function", 0, false, 7},
        EscapeCase{"SQLiteQueryThatNeverEnds", "VBScript",
                   "Function Main()\n  Set c = CreateObject(\"ADODB.Connection\")\n  c.CommandTimeout = 0\n"
                   "  c.Open \"Data Source=:memory:\"\n"
                   "  Set rs = c.Execute(\"WITH RECURSIVE r(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM r) SELECT count(*) FROM r\")\n"
                   "End Function", 0, false, -2147217871},
        EscapeCase{"ReadOnlyRefusesWriting", "VBScript",
                   "Function Main()\n  Set fso = CreateObject(\"Scripting.FileSystemObject\")\n"
                   "  fso.CreateTextFile(\"$DIR/new.txt\").Write \"x\"\nEnd Function", 0, true, 70},
        EscapeCase{"ReadOnlyRefusesAppending", "JScript",
                   "function Main() { var fso = new ActiveXObject('Scripting.FileSystemObject');\n"
                   "  fso.OpenTextFile('$DIR/new.txt', 8, true).Write('x'); }", 0, true, 70},
        EscapeCase{"ReadOnlyRefusesDeleting", "VBScript",
                   "Function Main()\n  CreateObject(\"Scripting.FileSystemObject\").DeleteFile \"$DIR/keep.txt\"\nEnd Function", 0, true, 70},
        EscapeCase{"ReadOnlyRefusesAFolder", "JScript",
                   "function Main() { new ActiveXObject('Scripting.FileSystemObject').CreateFolder('$DIR/new.txt'); }", 0, true, 70}));

// Read-only guards changes, not reading: a read-only run reads a file and
// an SQLite database it opens read-only refuses a write.
TEST(ScriptControlReadOnly, ReadsButDoesNotWriteADatabase)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("data.db"));
    ScriptControl control;
    control.addCode(QStringLiteral("Function Make(f)\n  Set c = CreateObject(\"ADODB.Connection\")\n  c.Open \"Data Source=\" & f\n"
                                   "  c.Execute \"CREATE TABLE t (x)\"\n  c.Execute \"INSERT INTO t VALUES (5)\"\n  c.Close\nEnd Function\n"
                                   "Function Read(f)\n  Set c = CreateObject(\"ADODB.Connection\")\n  c.Open \"Data Source=\" & f\n"
                                   "  Read = c.Execute(\"SELECT x FROM t\")(0)\n  c.Execute \"INSERT INTO t VALUES (6)\"\nEnd Function"));
    QFile(file).open(QIODevice::WriteOnly);
    QVariantList args{file};
    control.run(QStringLiteral("Make"), args);
    control.setReadOnly(true);
    EXPECT_THROW(control.run(QStringLiteral("Read"), args), Error);
    EXPECT_EQ(control.error().Line, 12) << control.error().Description.toStdString(); // the INSERT, after the SELECT read
}

} // namespace
