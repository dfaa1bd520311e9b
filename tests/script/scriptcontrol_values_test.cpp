// Values crossing ScriptControl (results, arguments, ByRef write-back) and
// what sensors check through Scripting.FileSystemObject, in both languages.
#include "script_support.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace objtest;

namespace {

const QString VB = QStringLiteral("VBScript");
const QString JS = QStringLiteral("JScript");

TEST(ScriptControlValues, MainReturnsTheValueAsAQVariant)
{
    const struct
    {
        QString language;
        const char *expression;
        QVariant expected;
    } rows[] = {
        {VB, "True", QVariant(true)}, {VB, "42", QVariant(42)},
        {VB, "2.5", QVariant(2.5)}, {VB, "CCur(1.25)", QVariant(1.25)},
        {VB, "\"disk \" & 9", QVariant(QStringLiteral("disk 9"))}, {VB, "Empty", QVariant()},
        {VB, "Null", QVariant::fromValue(nullptr)},
        {VB, "DateSerial(2024, 2, 29) + TimeSerial(6, 15, 0)", QVariant(QDateTime(QDate(2024, 2, 29), QTime(6, 15)))},
        {VB, "Array(1, \"b\", False)", QVariant(QVariantList{1, QStringLiteral("b"), false})},
        {VB, "CreateObject(\"Scripting.Dictionary\").Count", QVariant(0)}, {JS, "true", QVariant(true)},
        {JS, "-1", QVariant(-1)}, {JS, "7 / 2", QVariant(3.5)},
        {JS, "'a' + 1", QVariant(QStringLiteral("a1"))}, {JS, "undefined", QVariant()},
        {JS, "null", QVariant::fromValue(nullptr)},
        {JS, "new Date(2024, 1, 29, 6, 15)", QVariant(QDateTime(QDate(2024, 2, 29), QTime(6, 15)))},
        {JS, "[1, 'b', false]", QVariant(QVariantList{1, QStringLiteral("b"), false})},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.expression);
        ScriptControl control;
        const QString expression = QString::fromUtf8(row.expression);
        const QVariant result = runMain(control, row.language,
                                        mainOf(row.language, isVB(row.language) ? QStringLiteral("Main = ") + expression
                                                                                : QStringLiteral("return %1;").arg(expression)));
        EXPECT_EQ(result.metaType(), row.expected.metaType()) << result.metaType().name();
        EXPECT_EQ(result, row.expected);
    }
}

// VBScript writes assigned parameters back (ByRef is the default), JScript
// passes primitives by value and shares arrays.
TEST(ScriptControlValues, ArgumentsArriveAndAreWrittenBack)
{
    const struct
    {
        QString language;
        const char *params, *body;
        QVariantList args;
        QVariant result;
        QVariantList written;
    } rows[] = {
        {VB, "ByRef value, ByVal copy, other", "value = value * 2\ncopy = 0\nother = \"changed\"\nMain = True",
         {21, 5, QStringLiteral("kept")}, QVariant(true), {42, 5, QStringLiteral("changed")}},
        {VB, "a, b, c, d, e, f",
         "Main = TypeName(a) & \" \" & TypeName(b) & \" \" & TypeName(c) & \" \" & TypeName(d) & \" \" & TypeName(e)"
         " & \" \" & UBound(f)",
         {true, 3, 1.5, QStringLiteral("x"), QVariant(), QVariantList{1, 2, 3}},
         QVariant(QStringLiteral("Boolean Long Double String Empty 2")),
         {true, 3, 1.5, QStringLiteral("x"), QVariant(), QVariantList{1, 2, 3}}},
        {JS, "value, list", "value = value * 2;\nlist[0] = 'first';\nlist.push(value);\nreturn value;",
         {21, QVariantList{1}}, QVariant(42), {21, QVariantList{QStringLiteral("first"), 42}}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.params);
        ScriptControl control;
        QVariantList args = row.args;
        control.setLanguage(row.language);
        control.addCode(mainOf(row.language, QString::fromUtf8(row.body), QString::fromUtf8(row.params)));
        EXPECT_EQ(control.run(QStringLiteral("Main"), args), row.result);
        EXPECT_EQ(args, row.written);
    }
    ScriptControl control;
    EXPECT_THROW(runMain(control, VB, mainOf(VB, "Main = a", "a")), Error);
    EXPECT_EQ(control.error().Number, 450);
}

class ScriptControlFileSystem : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QFile file(log);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("start\nERROR disk full\nok\nERROR again\n"); // 37 bytes
    }

    // Runs Main(path, folder) with fso made: the log and its folder.
    QVariant run(const QString &language, const char *body)
    {
        const QString fso = isVB(language) ? QStringLiteral("  Set fso = CreateObject(\"Scripting.FileSystemObject\")\n")
                                           : QStringLiteral("  var fso = new ActiveXObject('Scripting.FileSystemObject');\n");
        return runMain(control, language, mainOf(language, fso + QString::fromUtf8(body), QStringLiteral("path, folder")),
                       {log, dir.path()});
    }

    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("app.log"));
    ScriptControl control;
};

// A log's error lines, a file's size, name and age, free disk space.
TEST_F(ScriptControlFileSystem, WhatSensorsCheck)
{
    EXPECT_EQ(run(VB, "  Set ts = fso.OpenTextFile(path, 1)\n  Do Until ts.AtEndOfStream\n"
                      "    If Left(ts.ReadLine, 5) = \"ERROR\" Then n = n + 1\n  Loop\n  ts.Close\n"
                      "  Set f = fso.GetFile(path)\n  Set d = fso.GetDrive(fso.GetDriveName(folder))\n"
                      "  Main = n & \" \" & f.Size & \" \" & f.Name & \" \" & (DateDiff(\"n\", f.DateLastModified, Now) < 60) & \" \""
                      " & fso.FileExists(path) & \" \" & (d.FreeSpace > 0 And d.FreeSpace <= d.TotalSize)"),
              QVariant(QStringLiteral("2 37 app.log True True True")));
    EXPECT_EQ(run(JS, "  var ts = fso.OpenTextFile(path, 1), n = 0;\n"
                      "  while (!ts.AtEndOfStream) { if (ts.ReadLine().indexOf('ERROR') == 0) n++; }\n  ts.Close();\n"
                      "  var f = fso.GetFile(path), d = fso.GetDrive(fso.GetDriveName(folder)), names = [];\n"
                      "  for (var e = new Enumerator(fso.GetFolder(folder).Files); !e.atEnd(); e.moveNext())\n"
                      "    names.push(e.item().Name + ':' + e.item().Size);\n"
                      "  return [n, f.Size, f.Name, (new Date() - f.DateLastModified) / 60000 < 60,\n"
                      "          d.FreeSpace > 0 && d.FreeSpace <= d.TotalSize, names].join(' ');"),
              QVariant(QStringLiteral("2 37 app.log true true app.log:37")))
        << control.error().Description.toStdString();
    for (const QString &language : {VB, JS}) {
        EXPECT_THROW(run(language, isVB(language) ? "  Main = fso.GetFile(folder & \"/none.txt\").Size"
                                                  : "  return fso.GetFile(folder + '/none.txt').Size;"),
                     Error);
        EXPECT_EQ(control.error().Number, 53);
        EXPECT_EQ(control.error().Line, 3);
        EXPECT_FALSE(control.error().Text.isEmpty());
    }
}

} // namespace
