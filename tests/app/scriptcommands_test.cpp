// sensor-script run and check, in both languages.
#include "runprogram.h"
#include "testsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ScriptCommands : public ::testing::Test
{
protected:
    QString script(const char *code)
    {
        QFile file(dir.filePath(QStringLiteral("s%1.js").arg(++count)));
        file.open(QIODevice::WriteOnly);
        file.write(code);
        return file.fileName();
    }
    ProgramRun js(const char *command, const QString &path, const QStringList &more = {})
    {
        return sensorScript(QStringList{QString::fromLatin1(command), QStringLiteral("--language"), QStringLiteral("JScript"), path} + more);
    }

    QTemporaryDir dir;
    int count = 0;
};

TEST_F(ScriptCommands, RunPrintsMainsResult)
{
    const ProgramRun run = js("run", script("function Main(a, b) {\n  return a + '/' + b;\n}\n"), {QStringLiteral("x"), QStringLiteral("y")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("x/y\n"));

    const ProgramRun boolean = js("run", script("function Main() { return 3 > 2; }"));
    EXPECT_EQ(boolean.out, QStringLiteral("True\n"));
}

TEST_F(ScriptCommands, RunReachesTheAutomationObjects)
{
    const ProgramRun run = js("run", script("function Main(p) {\n  var fso = new ActiveXObject('Scripting.FileSystemObject');\n"
                                            "  var d = new ActiveXObject('Scripting.Dictionary');\n  d.Add('exists', fso.FolderExists(p));\n"
                                            "  return d.Item('exists');\n}"),
                              {dir.path()});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("True\n"));
}

TEST_F(ScriptCommands, CompileErrorExits1WithTheReport)
{
    for (const char *command : {"run", "check"}) {
        const ProgramRun run = js(command, script("var a = 1;\nvar b = (a + ;\n"));
        EXPECT_EQ(run.exitCode, 1) << command;
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.startsWith(QLatin1String("Error.\nNumber: 1002\n"))) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QLatin1String("\nColumn: 13\nLine: 2\nText: var b = (a + ;\nSource: JScript compilation error\n")))
            << command << run.err.toStdString();
    }
}

TEST_F(ScriptCommands, RuntimeErrorExits2)
{
    const ProgramRun run = js("run", script("function Main() {\n  return missing + 1;\n}"));
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains(QLatin1String("Number: 5009\n"))) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QLatin1String("Line: 2\nText:   return missing + 1;\nSource: JScript runtime error"))) << run.err.toStdString();
}

TEST_F(ScriptCommands, CheckRunsNothing)
{
    // Global code that would never end, and one that would fail: a check only compiles.
    EXPECT_EQ(js("check", script("while (true) {}")).exitCode, 0);
    EXPECT_EQ(js("check", script("undefinedFunction();")).exitCode, 0);

    // Nor does it write the file the code would write, or divide by zero.
    const QString written = dir.filePath(QStringLiteral("written.txt"));
    const struct
    {
        const char *language, *code;
    } rows[] = {
        {"VBScript", "Set fso = CreateObject(\"Scripting.FileSystemObject\")\nfso.CreateTextFile(\"%1\").Write \"ran\"\n"
                     "x = 1 / 0"},
        {"JScript", "new ActiveXObject('Scripting.FileSystemObject').CreateTextFile('%1').Write('ran');"},
    };
    for (const auto &row : rows) {
        const ProgramRun run = sensorScript({QStringLiteral("check"), QStringLiteral("--language"),
                                             QLatin1String(row.language),
                                             script(QString::fromLatin1(row.code).arg(written).toUtf8().constData())});
        EXPECT_EQ(run.exitCode, 0) << row.language << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(written)) << row.language;
    }
}

TEST_F(ScriptCommands, OtherLanguagesStillGoToVBScript)
{
    const QString vbs = script("Function Main()\n  Main = 6 * 7\nEnd Function");
    const ProgramRun run = sensorScript({QStringLiteral("run"), vbs});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("42\n"));
    EXPECT_EQ(sensorScript({QStringLiteral("check"), QStringLiteral("--language"), QStringLiteral("Perl"), vbs}).exitCode, 64);
}

TEST_F(ScriptCommands, VBScriptReachesTheAutomationObjects)
{
    const QString vbs = script("Function Main(p)\n  Set fso = CreateObject(\"Scripting.FileSystemObject\")\n"
                               "  Main = fso.FolderExists(p) And Not fso.FileExists(p & \"/none\")\nEnd Function");
    const ProgramRun run = sensorScript({QStringLiteral("run"), vbs, dir.path()});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("True\n"));
}

// A script that never ends is stopped at the time-out in either language,
// with the report of error 18; so is one whose global object never lets go
// when the script ends.
TEST_F(ScriptCommands, EndlessLoopsStopAtTheTimeout)
{
    const QString vbs = script("Function Main()\n  Do\n  Loop\nEnd Function");
    const QString js = script("function Main() {\n  for (;;) {}\n}");
    const QString terminate = script("Class Holder\n  Sub Class_Terminate()\n    Do\n    Loop\n  End Sub\nEnd Class\n"
                                     "Set kept = New Holder\nFunction Main()\n  Main = 1\nEnd Function");
    const ProgramRun vbRun = sensorScript({QStringLiteral("run"), QStringLiteral("--timeout"), QStringLiteral("300"), vbs});
    const ProgramRun jsRun = sensorScript({QStringLiteral("run"), QStringLiteral("--language"), QStringLiteral("JScript"),
                                           QStringLiteral("--timeout"), QStringLiteral("300"), js});
    const ProgramRun endRun = sensorScript({QStringLiteral("run"), QStringLiteral("--timeout"), QStringLiteral("300"), terminate});
    for (const ProgramRun &run : {vbRun, jsRun, endRun}) {
        EXPECT_EQ(run.exitCode, 2) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QLatin1String("Number: 18\n"))) << run.err.toStdString();
    }
}

TEST_F(ScriptCommands, BadUsageAndMissingFile)
{
    EXPECT_EQ(sensorScript({QStringLiteral("run"), QStringLiteral("--language"), QStringLiteral("JScript")}).exitCode, 64);
    EXPECT_EQ(js("check", dir.filePath(QStringLiteral("none.js"))).exitCode, 66);
    EXPECT_EQ(sensorScript({QStringLiteral("run"), QStringLiteral("--timeout"), QStringLiteral("soon"), script("")}).exitCode, 64);
    EXPECT_EQ(sensorScript({QStringLiteral("check"), script(""), QStringLiteral("extra")}).exitCode, 64);
}

} // namespace
