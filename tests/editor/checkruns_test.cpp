// Check Syntax compiles only: top-level code that would write a file or
// divide by zero is not run, in either language, from the editor's panes or
// from the Events editor.
#include "editorhost.h"

#include "platform/ui/modal.h"

#include <QDialog>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct CheckRunsCase
{
    const char *name;
    int languageIndex; // of the language list: 0 VBScript, 1 JScript
    const char *code;  // %1: the file the code would write
    bool eventsEditor; // else the editor's general pane
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
    const QString code = QString::fromUtf8(c.code).arg(written);
    EditorHost host;
    host.openExample(QStringLiteral("existing-job.xml"));
    if (c.eventsEditor) {
        host.controls.ssTabDatos->selectKey(QStringLiteral("EvaluationData"));
        ui::ScopedModalHandler modal([&](QDialog &dialog) {
            dialog.findChild<QComboBox *>(QStringLiteral("ID_Language"))->setCurrentIndex(c.languageIndex);
            dialog.findChild<QPlainTextEdit *>(QStringLiteral("rtfScript"))->setPlainText(code);
            dialog.findChild<QAction *>(QStringLiteral("ID_CheckSyntax"))->trigger();
            return int(QDialog::Rejected);
        });
        host.find<QToolButton>(QStringLiteral("cmdEvents"))->click();
        ASSERT_EQ(host.capture.boxes.size(), 1);
        EXPECT_EQ(host.capture.boxes[0].prompt, QStringLiteral("Script Ok!"));
    } else {
        host.controls.cmbLanguageScript->setCurrentIndex(c.languageIndex);
        host.controls.rtfScript->setPlainText(code);
        host.editor->CheckSyntax(true);
        EXPECT_TRUE(host.capture.boxes.isEmpty()) << host.capture.boxes.value(0).prompt.toStdString();
    }
    EXPECT_FALSE(QFile::exists(written));
}

const char *const vbWrites = "Set fso = CreateObject(\"Scripting.FileSystemObject\")\n"
                             "fso.CreateTextFile(\"%1\").Write \"ran\"\n"
                             "x = 1 / 0\n"
                             "Function Main()\n  Main = x\nEnd Function";
const char *const jsWrites = "var fso = new ActiveXObject('Scripting.FileSystemObject');\n"
                             "fso.CreateTextFile('%1').Write('ran');\n"
                             "function Main() { return 1 / 0; }";

INSTANTIATE_TEST_SUITE_P(
    BothLanguages, CheckSyntaxRunsNothing,
    ::testing::Values(CheckRunsCase{"VBScriptPane", 0, vbWrites, false},
                      CheckRunsCase{"JScriptPane", 1, jsWrites, false},
                      CheckRunsCase{"VBScriptEvents", 0, vbWrites, true},
                      CheckRunsCase{"JScriptEvents", 1, jsWrites, true}),
    [](const ::testing::TestParamInfo<CheckRunsCase> &info) { return std::string(info.param.name); });

} // namespace
