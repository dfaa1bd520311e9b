// Check Syntax compiles the pane only: top-level code that would write a
// file or divide by zero is not run, in either language.
#include "editorhost.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct CheckRunsCase
{
    const char *name;
    int languageIndex; // of cmbLanguageScript: 0 VBScript, 1 JScript
    const char *code;  // %1: the file the code would write
};

void PrintTo(const CheckRunsCase &c, std::ostream *out)
{
    *out << c.name;
}

class CheckSyntaxRunsNothing : public ::testing::TestWithParam<CheckRunsCase>
{
};

TEST_P(CheckSyntaxRunsNothing, PassesAndWritesNoFile)
{
    const CheckRunsCase &c = GetParam();
    QTemporaryDir dir;
    const QString written = dir.filePath(QStringLiteral("written.txt"));
    EditorHost host;
    host.openExample(QStringLiteral("existing-job.xml"));
    host.controls.cmbLanguageScript->setCurrentIndex(c.languageIndex);
    host.controls.rtfScript->setPlainText(QString::fromUtf8(c.code).arg(written));

    host.editor->CheckSyntax(true);

    EXPECT_FALSE(QFile::exists(written));
    EXPECT_TRUE(host.capture.boxes.isEmpty()) << host.capture.boxes.value(0).prompt.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    BothLanguages, CheckSyntaxRunsNothing,
    ::testing::Values(
        CheckRunsCase{"VBScript", 0,
                      "Set fso = CreateObject(\"Scripting.FileSystemObject\")\n"
                      "fso.CreateTextFile(\"%1\").Write \"ran\"\n"
                      "x = 1 / 0\n"
                      "Function Main()\n  Main = x\nEnd Function"},
        CheckRunsCase{"JScript", 1,
                      "var fso = new ActiveXObject('Scripting.FileSystemObject');\n"
                      "fso.CreateTextFile('%1').Write('ran');\n"
                      "function Main() { return 1 / 0; }"}),
    [](const ::testing::TestParamInfo<CheckRunsCase> &info) { return std::string(info.param.name); });

} // namespace
