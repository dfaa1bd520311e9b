// What sensors on Linux check through Scripting.FileSystemObject, in both
// languages: a file's size and age, a log's lines, free disk space.
#include "script/scriptcontrol.h"
#include "testsupport.h"

#include "errorcore/error.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ScriptControlFileSystem : public ::testing::TestWithParam<const char *>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QFile file(dir.filePath(QStringLiteral("app.log")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("start\nERROR disk full\nok\nERROR again\n");
        logPath = file.fileName();
        control.setLanguage(QString::fromLatin1(GetParam()));
    }

    bool vb() const { return control.language() == QLatin1String("VBScript"); }

    QTemporaryDir dir;
    QString logPath;
    ScriptControl control;
};

TEST_P(ScriptControlFileSystem, CountsTheErrorLinesOfALog)
{
    control.addCode(vb() ? QStringLiteral("Function Main(path)\n"
                                          "  Dim fso, ts, n\n  Set fso = CreateObject(\"Scripting.FileSystemObject\")\n"
                                          "  Set ts = fso.OpenTextFile(path, 1)\n"
                                          "  Do Until ts.AtEndOfStream\n    If Left(ts.ReadLine, 5) = \"ERROR\" Then n = n + 1\n  Loop\n"
                                          "  ts.Close\n  Main = n\nEnd Function")
                         : QStringLiteral("function Main(path) {\n"
                                          "  var fso = new ActiveXObject('Scripting.FileSystemObject');\n"
                                          "  var ts = fso.OpenTextFile(path, 1), n = 0;\n"
                                          "  while (!ts.AtEndOfStream) { if (ts.ReadLine().indexOf('ERROR') == 0) n++; }\n"
                                          "  ts.Close();\n  return n;\n}"));
    QVariantList args{logPath};
    EXPECT_EQ(control.run(QStringLiteral("Main"), args), QVariant(2));
}

TEST_P(ScriptControlFileSystem, SizeAndAgeOfAFile)
{
    control.addCode(vb() ? QStringLiteral("Function Main(path)\n"
                                          "  Dim f\n  Set f = CreateObject(\"Scripting.FileSystemObject\").GetFile(path)\n"
                                          "  Main = f.Size & \" \" & f.Name & \" \" & (DateDiff(\"n\", f.DateLastModified, Now) < 60)\n"
                                          "End Function")
                         : QStringLiteral("function Main(path) {\n"
                                          "  var f = new ActiveXObject('Scripting.FileSystemObject').GetFile(path);\n"
                                          "  var minutes = (new Date() - f.DateLastModified) / 60000;\n"
                                          "  return f.Size + ' ' + f.Name + ' ' + (minutes < 60 ? 'True' : 'False');\n}"));
    QVariantList args{logPath};
    EXPECT_EQ(control.run(QStringLiteral("Main"), args), QVariant(QStringLiteral("%1 app.log True").arg(QFile(logPath).size())));
}

TEST_P(ScriptControlFileSystem, FreeSpaceOfTheDriveHoldingAPath)
{
    control.addCode(vb() ? QStringLiteral("Function Main(path)\n"
                                          "  Dim fso, d\n  Set fso = CreateObject(\"Scripting.FileSystemObject\")\n"
                                          "  Set d = fso.GetDrive(fso.GetDriveName(path))\n"
                                          "  Main = (d.FreeSpace > 0 And d.FreeSpace <= d.TotalSize)\nEnd Function")
                         : QStringLiteral("function Main(path) {\n"
                                          "  var fso = new ActiveXObject('Scripting.FileSystemObject');\n"
                                          "  var d = fso.GetDrive(fso.GetDriveName(path));\n"
                                          "  return d.FreeSpace > 0 && d.FreeSpace <= d.TotalSize;\n}"));
    QVariantList args{dir.path()};
    EXPECT_EQ(control.run(QStringLiteral("Main"), args), QVariant(true));
}

TEST_P(ScriptControlFileSystem, MissingFileEndsWithAClearError)
{
    control.addCode(vb() ? QStringLiteral("Function Main(path)\n  Main = CreateObject(\"Scripting.FileSystemObject\").GetFile(path).Size\nEnd Function")
                         : QStringLiteral("function Main(path) {\n  return new ActiveXObject('Scripting.FileSystemObject').GetFile(path).Size;\n}"));
    QVariantList args{dir.filePath(QStringLiteral("missing.txt"))};
    EXPECT_THROW(control.run(QStringLiteral("Main"), args), Error);
    EXPECT_EQ(control.error().Number, 53);
    EXPECT_EQ(control.error().Line, 2);
    EXPECT_FALSE(control.error().Text.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, ScriptControlFileSystem, ::testing::Values("VBScript", "JScript"));

} // namespace
