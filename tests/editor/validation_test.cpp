// Validation: an empty level script is refused with its message and its tab
// selected; otherwise the edits are stored.
#include "editorhost.h"

#include <gtest/gtest.h>

namespace {

struct ValidationCase
{
    const char *name;
    const char *danger;
    const char *warning;
    const char *good;
    const char *message;   // nullptr: accepted
    const char *tab;
};

class Validation : public ::testing::TestWithParam<ValidationCase>
{
};

TEST_P(Validation, TheFirstEmptyLevelIsRefused)
{
    const ValidationCase &row = GetParam();
    EditorHost host;
    host.openExample(QStringLiteral("existing-job.xml"));
    UCScript &editor = *host.editor;
    const EditorControls &controls = host.controls;
    controls.chkEvalData->setChecked(true);
    controls.ssTabValues->selectKey(QStringLiteral("Good"));
    controls.rtfScriptDanger->setPlainText(QLatin1String(row.danger));
    controls.rtfScriptWarning->setPlainText(QLatin1String(row.warning));
    controls.rtfScriptGood->setPlainText(QLatin1String(row.good));

    const bool accepted = editor.Validate();
    if (!row.message) {
        EXPECT_TRUE(accepted);
        EXPECT_TRUE(host.capture.boxes.isEmpty());
        return;
    }
    EXPECT_FALSE(accepted);
    ASSERT_EQ(host.capture.boxes.size(), 1);
    EXPECT_EQ(host.capture.boxes[0].prompt, QLatin1String(row.message));
    EXPECT_EQ(host.capture.boxes[0].style, ui::OkOnly | ui::Information);
    EXPECT_EQ(host.capture.boxes[0].title, QStringLiteral("Veltrano"));
    EXPECT_EQ(controls.ssTabValues->selectedKey(), QLatin1String(row.tab));
    EXPECT_TRUE(host.capture.recorderCalls.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Levels, Validation,
    ::testing::Values(
        ValidationCase{"DangerAndWarningEmpty", "", "", "x", "Danger Script Must Be Filled In.", "Danger"},
        ValidationCase{"WarningOnlySpaces", "x", "   ", "x", "Warning Script Must Be Filled In.", "Warning"},
        ValidationCase{"GoodEmpty", "x", "x", "", "Good Script Must Be Filled In.", "Good"},
        ValidationCase{"ALineBreakIsNotEmpty", "\n", "x", "x", nullptr, ""},
        ValidationCase{"AllFilled", "a", "b", "c", nullptr, ""}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ValidationStore, SwitchOffStoresEmptyLevelScripts)
{
    EditorHost host;
    host.openExample(QStringLiteral("existing-job.xml"));
    UCScript &editor = *host.editor;
    const EditorControls &controls = host.controls;
    controls.chkEvalData->setChecked(false);
    for (ScriptPane *pane : {controls.rtfScriptDanger, controls.rtfScriptWarning, controls.rtfScriptGood})
        pane->clear();
    ASSERT_TRUE(editor.Validate());
    EXPECT_TRUE(host.capture.boxes.isEmpty());
    const ReturnedJob returned = host.returnedJob();
    EXPECT_EQ(returned.sensor.GetEvaluation(), 0);
    EXPECT_EQ(returned.sensor.GetEvalData(LevelWarning).GetEvalCode(), QString());
}

TEST(ValidationStore, AnEmptyGeneralScriptIsStoredAsTheDefault)
{
    EditorHost host;
    host.openExample(QStringLiteral("existing-job.xml"));
    UCScript &editor = *host.editor;
    const EditorControls &controls = host.controls;
    controls.rtfScript->setPlainText(QStringLiteral("   "));
    controls.cmbLanguageScript->setCurrentIndex(1);
    ASSERT_TRUE(editor.Validate());
    const ReturnedJob returned = host.returnedJob();
    EXPECT_EQ(returned.sensor.GetEvalCode(), defaultSensorScript());
    EXPECT_EQ(returned.sensor.GetLanguage(), QStringLiteral("VBScript"));
}

} // namespace
