// The "Evaluate" tool end to end: the panes' scripts run and the outcome
// shows in the Result Test dialog, or a failed run in the report box.
#include "editorhost.h"

#include "dialogs/frmresulttest.h"
#include "dialogs/sensorimages.h"
#include "hostkit/lnglanguagereader.h"
#include "platform/ui/modal.h"

#include <QPlainTextEdit>
#include <gtest/gtest.h>

namespace {

const char *const mainTrue = "Function Main(v)\r\n\tMain=True\r\nEnd Function";
const char *const notCompiling = "Function Main(v\r\n";
const char *const failsIfRun = "Function Main(v)\r\n\tErr.Raise 5\r\nEnd Function";

// A text of the editor's section of the English language file.
QString frmJobText(const char *key)
{
    hostkit::LngLanguageReader reader;
    QString folder = sourcePath(QStringLiteral("data"));
    reader.LoadLanguage(QStringLiteral("en"), folder);
    return reader.GetText(QStringLiteral("frmJob"), QLatin1String(key));
}

struct EvaluateCase
{
    const char *name;
    const char *general, *danger, *warning, *good;
    bool evaluateData;
    const char *value, *ico;
    const char *msgKey;   // a frmJob key, or the result text itself
};

class Evaluate : public ::testing::TestWithParam<EvaluateCase>
{
};

TEST_P(Evaluate, ShowsValueResultAndPictureOfTheRun)
{
    const EvaluateCase &c = GetParam();
    EditorHost host;
    host.openExample(QStringLiteral("existing-job.xml"));
    host.pane(QStringLiteral("rtfScript"))->setPlainText(QLatin1String(c.general));
    host.pane(QStringLiteral("rtfScriptDanger"))->setPlainText(QLatin1String(c.danger));
    host.pane(QStringLiteral("rtfScriptWarning"))->setPlainText(QLatin1String(c.warning));
    host.pane(QStringLiteral("rtfScriptGood"))->setPlainText(QLatin1String(c.good));
    host.find<QCheckBox>(QStringLiteral("chkEvalData"))->setChecked(c.evaluateData);

    int shown = 0;
    QString value, result;
    QImage picture, expected;
    ui::ScopedModalHandler modal([&](QDialog &dialog) {
        ++shown;
        dialog.show();
        value = dialog.findChild<QLineEdit *>("txtValue")->text();
        result = dialog.findChild<QPlainTextEdit *>("txtResult")->toPlainText();
        picture = dialog.findChild<QLabel *>("lblImage")->pixmap().toImage();
        expected = sensorImage(QLatin1String(c.ico), dialog.devicePixelRatioF()).toImage();
        dialog.accept();
        return int(QDialog::Accepted);
    });
    host.find<QAction>(QStringLiteral("ID_Evaluate"))->trigger();

    ASSERT_TRUE(host.capture.boxes.isEmpty()) << host.capture.boxes[0].prompt.toStdString();
    ASSERT_EQ(shown, 1);
    EXPECT_EQ(value, QLatin1String(c.value));
    const QString msg = QLatin1String(c.msgKey).startsWith(QLatin1String("Msg")) ? frmJobText(c.msgKey)
                                                                                  : QLatin1String(c.msgKey);
    EXPECT_FALSE(msg.isEmpty());
    EXPECT_EQ(result, msg);
    EXPECT_EQ(picture, expected) << c.ico;
}

INSTANTIATE_TEST_SUITE_P(
    Runs, Evaluate,
    ::testing::Values(
        EvaluateCase{"DefaultScriptsAreDanger", "Function Main()\r\n\tMain=True\r\nEnd Function", mainTrue,
                     mainTrue, mainTrue, true, "True", "Danger", "DANGER"},
        EvaluateCase{"FortyTwoIsAWarningAndGoodIsNotRun", "Function Main()\r\n\tMain=42\r\nEnd Function",
                     "Function Main(v)\r\n\tMain = v > 50\r\nEnd Function",
                     "Function Main(v)\r\n\tMain = v > 30\r\nEnd Function", failsIfRun, true, "42", "Warning",
                     "WARNING"},
        EvaluateCase{"GoodWhenOnlyGoodIsTrue", "Function Main()\r\n\tMain=7\r\nEnd Function",
                     "Function Main(v)\r\n\tMain = False\r\nEnd Function",
                     "Function Main(v)\r\n\tMain = 0\r\nEnd Function", mainTrue, true, "7", "Good", "GOOD"},
        EvaluateCase{"OneIsNotTrue", "Function Main()\r\n\tMain=42\r\nEnd Function",
                     "Function Main(v)\r\n\tMain=1\r\nEnd Function", "Function Main(v)\r\n\tMain=1\r\nEnd Function",
                     "Function Main(v)\r\n\tMain=1\r\nEnd Function", true, "42", "NoComparable",
                     "MsgNoComparable"},
        EvaluateCase{"SwitchOffRunsNoLevelScript", "Function Main()\r\n\tMain=42\r\nEnd Function", notCompiling,
                     notCompiling, notCompiling, false, "42", "NoEvaluate", "MsgNoEvaluate"},
        EvaluateCase{"GoodNotCompilingAfterDangerIsNoError", "Function Main()\r\n\tMain=42\r\nEnd Function",
                     mainTrue, mainTrue, notCompiling, true, "42", "Danger", "DANGER"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(EvaluateFailure, ASyntaxErrorInTheGeneralScriptShowsTheReportAndNoDialog)
{
    EditorHost host;
    host.openExample(QStringLiteral("existing-job.xml"));
    host.pane(QStringLiteral("rtfScript"))->setPlainText(QStringLiteral("Function Main(\r\n"));
    int shown = 0;
    ui::ScopedModalHandler modal([&](QDialog &) { return ++shown; });
    host.find<QAction>(QStringLiteral("ID_Evaluate"))->trigger();
    EXPECT_EQ(shown, 0);
    ASSERT_EQ(host.capture.boxes.size(), 1);
    EXPECT_TRUE(host.capture.boxes[0].prompt.startsWith(QStringLiteral("Error.")));
    EXPECT_EQ(host.capture.boxes[0].prompt.count(QLatin1Char('\n')), 6);
    EXPECT_EQ(host.capture.boxes[0].title, QStringLiteral("Veltrano"));
    EXPECT_TRUE(host.capture.recorderCalls.isEmpty());
}

} // namespace
