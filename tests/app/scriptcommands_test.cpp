// sensor-script run and check, in both languages, and given input built to
// hang it or to escape its limits: every run ends, with the exit code and
// message that say why.
#include "runprogram.h"

#include <sys/stat.h>

namespace {

TEST(ScriptCommands, RunAndCheck)
{
    Inputs in;
    ASSERT_EQ(mkfifo(in.dir.filePath(QStringLiteral("fifo")).toLocal8Bit().constData(), 0600), 0);
    const QString written = in.dir.filePath(QStringLiteral("written.txt"));
    const std::pair<const char *, QString> scripts[] = {
        {"args.js", QStringLiteral("function Main(a, b) {\n  return a + '/' + b;\n}\n")},
        {"objects.js", QStringLiteral("function Main(p) {\n  var fso = new ActiveXObject('Scripting.FileSystemObject');\n"
                                      "  var d = new ActiveXObject('Scripting.Dictionary');\n"
                                      "  d.Add('exists', fso.FolderExists(p));\n  return d.Item('exists');\n}")},
        {"objects.vbs", QStringLiteral("Function Main(p)\n  Set fso = CreateObject(\"Scripting.FileSystemObject\")\n"
                                       "  Main = fso.FolderExists(p) And Not fso.FileExists(p & \"/none\")\nEnd Function")},
        {"syntax.js", QStringLiteral("var a = 1;\nvar b = (a + ;\n")},
        {"runtime.js", QStringLiteral("function Main() {\n  return missing + 1;\n}")},
        // Global code that would never end, fail or write: a check only compiles.
        {"global.js", QStringLiteral("while (true) {}\nundefinedFunction();")},
        {"writes.vbs", QStringLiteral("Set fso = CreateObject(\"Scripting.FileSystemObject\")\n"
                                      "fso.CreateTextFile(\"%1\").Write \"ran\"\nx = 1 / 0").arg(written)},
        {"writes.js", QStringLiteral("new ActiveXObject('Scripting.FileSystemObject').CreateTextFile('%1').Write('ran');")
                          .arg(written)},
        {"main.vbs", QStringLiteral("Function Main()\n  Main = 6 * 7\nEnd Function")},
        {"endless.vbs", QStringLiteral("Function Main()\n  Do\n  Loop\nEnd Function")},
        {"endless.js", QStringLiteral("function Main() {\n  for (;;) {}\n}")},
        // An object whose termination never ends, kept by the script or by Main.
        {"kept.vbs", QStringLiteral("Class Holder\n  Sub Class_Terminate()\n    Do\n    Loop\n  End Sub\nEnd Class\n"
                                    "Set kept = New Holder\nFunction Main()\n  Main = 1\nEnd Function")},
        {"local.vbs", QStringLiteral("Class C\n  Sub Class_Terminate\n    Do\n    Loop\n  End Sub\nEnd Class\n"
                                     "Function Main()\n  Set o = New C\n  Main = 1\nEnd Function\n")},
        {"delete.vbs", QStringLiteral("Function Main(f)\n  CreateObject(\"Scripting.FileSystemObject\").DeleteFile f\n"
                                      "End Function\n")},
        {"keep.txt", QStringLiteral("x")},
        {"password.vbs", QStringLiteral("Function Main()\n  Set c = CreateObject(\"ADODB.Connection\")\n  c.Open \"Driver="
                                        "{PostgreSQL};Server=127.0.0.1;Port=1;Uid=u;Pwd=s3cret;Database=x\"\nEnd Function\n")},
        {"empty.js", QString()},
        {"prints.vbs", QStringLiteral("DebugPrint \"global\"\nFunction Main()\n  MsgBox \"asked\"\n"
                                      "  Main = InputBox(\"name?\", , \"srv\") & MsgBox(\"ok?\", vbYesNo)\nEnd Function")},
    };
    for (const auto &[name, text] : scripts)
        in.write(QString::fromLatin1(name), text.toUtf8());
    const QString js = QStringLiteral("--language=JScript");
    const RunRow rows[] = {
        {{"run", js, "@args.js", "x", "y"}, 0, "x/y\n", ""},
        {{"run", js, "@objects.js", in.dir.path()}, 0, "True\n", ""},
        {{"run", "@objects.vbs", in.dir.path()}, 0, "True\n", ""},
        {{"run", js, "@syntax.js"}, 1, "", "Error.\nNumber: 1002\n"},
        {{"check", js, "@syntax.js"}, 1, "",
         "\nColumn: 13\nLine: 2\nText: var b = (a + ;\nSource: JScript compilation error\n"},
        {{"run", js, "@runtime.js"}, 2, nullptr, "Number: 5009\nDesc:"},
        {{"run", js, "@runtime.js"}, 2, nullptr, "Line: 2\nText:   return missing + 1;\nSource: JScript runtime error"},
        {{"check", js, "@global.js"}, 0, nullptr, nullptr},
        {{"check", "@writes.vbs"}, 0, nullptr, nullptr},
        {{"check", js, "@writes.js"}, 0, nullptr, nullptr},
        // Languages other than JScript go to VBScript; the option takes only those two.
        {{"run", "@main.vbs"}, 0, "42\n", ""},
        {{"check", "--language", "Perl", "@main.vbs"}, 64, nullptr, nullptr},
        {{"run", "--timeout", "0.3", "@endless.vbs"}, 2, nullptr, "Number: 18\n"},
        {{"run", js, "--timeout", "0.3", "@endless.js"}, 2, nullptr, "Number: 18\n"},
        {{"run", "--timeout", "0.3", "@kept.vbs"}, 2, nullptr, "Number: 18\n"},
        {{"run", "-t", "0.5", "@local.vbs"}, 2, nullptr, "Number: 18\n"},
        {{"run", "--read-only", "@delete.vbs", "@keep.txt"}, 2, nullptr, "Number: 70"},
        {{"run", "--timeout", "5", "@password.vbs"}, 2, nullptr, "Pwd=****"},
        {{"run", js}, 64, nullptr, nullptr},
        {{"check", js, "@none.js"}, 66, nullptr, nullptr},
        {{"run", "--timeout", "soon", "@empty.js"}, 64, nullptr, nullptr},
        {{"run", "--timeout", "0", "@main.vbs"}, 0, "42\n", ""},
        {{"run", "--timeout", "-5", "@local.vbs"}, 64, nullptr, "--timeout"},
        {{"run", "--memory", "-1", "@local.vbs"}, 64, nullptr, "--memory"},
        {{"check", "@empty.js", "extra"}, 64, nullptr, nullptr},
        {{"check", "@fifo"}, 66, nullptr, "Not a regular file"},
        {{"run", "/dev/zero"}, 66, nullptr, "Not a regular file"},
        // What a script prints goes to standard error with --debug only.
        {{"run", "--debug", "@prints.vbs"}, 0, "srv1\n", "global\nasked\nname?\nok?\n"},
        {{"run", "@prints.vbs"}, 0, "srv1\n", ""},
    };
    for (const RunRow &row : rows) {
        const ProgramRun run = in.run(row.args, 30000);
        expectRun(run, row);
        EXPECT_FALSE(run.err.contains(QLatin1String("s3cret")));
    }
    EXPECT_FALSE(QFile::exists(written));
    EXPECT_TRUE(QFile::exists(in.dir.filePath(QStringLiteral("keep.txt"))));
}

} // namespace
