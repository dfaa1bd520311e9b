// The evaluation switch and the level tabs.
#include "editorhost.h"

#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

const char *const levelControls[] = {
    "ssTabValues", "cmdCheckSyntax", "cmdColorizeCode", "cmdCopy", "cmdCut", "cmdPaste", "cmdEvents",
    "cmbLanguageScriptDanger", "cmbLanguageScriptWarning", "cmbLanguageScriptGood", "cmdWizardValues",
    "lblReferenceValue", "pvDangerRef", "pvWarningRef", "pvGoodRef"};

void expectLevelControlsEnabled(const EditorHost &host, bool enabled)
{
    for (const char *name : levelControls) {
        QWidget *control = host.find<QWidget>(QLatin1String(name));
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(control->isEnabled(), enabled) << name;
    }
}

struct SwitchCase
{
    const char *name;
    int value;
    bool enabled;
};

class EvalSwitch : public ::testing::TestWithParam<SwitchCase>
{
};

TEST_P(EvalSwitch, ItsValueSetsTheFifteenControls)
{
    EditorHost host;
    host.openExample(QStringLiteral("existing-job.xml"));
    const QString warning = host.controls.rtfScriptWarning->toPlainText();
    host.editor->chkEvalData_Click(GetParam().value == 0 ? 1 : 0);
    host.editor->chkEvalData_Click(GetParam().value);
    expectLevelControlsEnabled(host, GetParam().enabled);
    EXPECT_EQ(host.controls.rtfScriptWarning->toPlainText(), warning);
    EXPECT_TRUE(host.controls.chkEvalData->isEnabled());
    EXPECT_TRUE(host.controls.rtfScript->isEnabled());
    EXPECT_EQ(host.notifier.count(), 2);
}

INSTANTIATE_TEST_SUITE_P(Values, EvalSwitch,
                         ::testing::Values(SwitchCase{"Off", 0, false}, SwitchCase{"On", 1, true},
                                           SwitchCase{"Greyed", 2, true}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(EvalSwitchClick, ClickingTheBoxTogglesAndNotifies)
{
    EditorHost host;
    host.openExample(QStringLiteral("existing-job.xml"));
    UCScript &editor = *host.editor;
    const EditorControls &controls = host.controls;
    controls.ssTabDatos->selectKey(QStringLiteral("EvaluationData"));
    editor.show();
    ASSERT_TRUE(controls.chkEvalData->isChecked());
    QTest::mouseClick(controls.chkEvalData, Qt::LeftButton, {}, QPoint(6, controls.chkEvalData->height() / 2));
    EXPECT_FALSE(controls.chkEvalData->isChecked());
    expectLevelControlsEnabled(host, false);
    EXPECT_EQ(host.notifier.count(), 1);
}

TEST(EvalSwitchClick, FillingFollowsTheStoredEvaluation)
{
    EditorHost host;
    host.openExample(QStringLiteral("new-job.xml"));   // the pattern's Evaluation is 0
    EXPECT_FALSE(host.controls.chkEvalData->isChecked());
    expectLevelControlsEnabled(host, false);
}

struct TabCase
{
    const char *key;
    const char *list;
    const char *box;
};

class LevelTab : public ::testing::TestWithParam<TabCase>
{
};

TEST_P(LevelTab, ShowsExactlyItsListAndBox)
{
    EditorHost host;
    host.openExample(QStringLiteral("existing-job.xml"));
    host.controls.ssTabValues->selectKey(QStringLiteral("Good"));
    host.controls.ssTabValues->selectKey(QStringLiteral("Danger"));
    host.controls.ssTabValues->selectKey(QLatin1String(GetParam().key));
    QStringList visible;
    for (const char *name : {"cmbLanguageScriptDanger", "cmbLanguageScriptWarning", "cmbLanguageScriptGood",
                             "pvDangerRef", "pvWarningRef", "pvGoodRef"})
        if (host.find<QWidget>(QLatin1String(name))->isVisibleTo(host.controls.panelToolbar))
            visible << QLatin1String(name);
    EXPECT_EQ(visible, (QStringList{QLatin1String(GetParam().list), QLatin1String(GetParam().box)}));
}

INSTANTIATE_TEST_SUITE_P(Keys, LevelTab,
                         ::testing::Values(TabCase{"Danger", "cmbLanguageScriptDanger", "pvDangerRef"},
                                           TabCase{"Warning", "cmbLanguageScriptWarning", "pvWarningRef"},
                                           TabCase{"Good", "cmbLanguageScriptGood", "pvGoodRef"}),
                         [](const auto &info) { return std::string(info.param.key); });

TEST(LevelTabKeys, AnUnknownKeyHidesAllSix)
{
    EditorHost host;
    host.openExample(QStringLiteral("existing-job.xml"));
    host.editor->ssTabValues_BeforeTabClick(QStringLiteral("danger"));
    for (const char *name : {"cmbLanguageScriptDanger", "pvDangerRef", "pvGoodRef"})
        EXPECT_FALSE(host.find<QWidget>(QLatin1String(name))->isVisibleTo(host.controls.panelToolbar)) << name;
}

TEST(LevelTabKeys, OptionClicksNotifyOnce)
{
    EditorHost host;
    host.openExample(QStringLiteral("existing-job.xml"));
    host.editor->show();
    for (QCheckBox *box : {host.controls.chkActive, host.controls.chkQuantity, host.controls.chkViewInMarquee})
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    EXPECT_EQ(host.notifier.count(), 3);
    emit host.controls.cmbLanguageScriptGood->activated(1);
    EXPECT_EQ(host.notifier.count(), 4);
}

} // namespace
