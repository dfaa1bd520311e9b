// The evaluation switch and the level tabs.
#include "editorhost.h"

namespace {

const char *const levelControls[] = {
    "ssTabValues", "cmdCheckSyntax", "cmdColorizeCode", "cmdCopy", "cmdCut", "cmdPaste", "cmdEvents",
    "cmbLanguageScriptDanger", "cmbLanguageScriptWarning", "cmbLanguageScriptGood", "cmdWizardValues",
    "lblReferenceValue", "pvDangerRef", "pvWarningRef", "pvGoodRef"};

void expectLevelControlsEnabled(const EditorHost &host, bool enabled)
{
    for (const char *name : levelControls)
        EXPECT_EQ(host.find<QWidget>(QLatin1String(name))->isEnabled(), enabled) << name;
    EXPECT_TRUE(host.controls.chkEvalData->isEnabled());
    EXPECT_TRUE(host.controls.rtfScript->isEnabled());
}

TEST(EvalSwitch, FillingClickingAndEachValueSetTheFifteenControls)
{
    EditorHost fresh("new-job.xml");   // the pattern's Evaluation is 0
    EXPECT_FALSE(fresh.controls.chkEvalData->isChecked());
    expectLevelControlsEnabled(fresh, false);

    EditorHost host("existing-job.xml");
    host.show();
    host.controls.ssTabDatos->selectKey(QStringLiteral("EvaluationData"));
    ASSERT_TRUE(host.controls.chkEvalData->isChecked());
    QTest::mouseClick(host.controls.chkEvalData, Qt::LeftButton, {}, QPoint(6, host.controls.chkEvalData->height() / 2));
    EXPECT_FALSE(host.controls.chkEvalData->isChecked());
    expectLevelControlsEnabled(host, false);

    const QString warning = host.controls.rtfScriptWarning->toPlainText();
    for (const auto &[value, enabled] : {std::pair{0, false}, std::pair{1, true}, std::pair{2, true}}) {
        SCOPED_TRACE(value);
        host.notifier.resetCount();
        host.editor->chkEvalData_Click(value == 0 ? 1 : 0);
        host.editor->chkEvalData_Click(value);
        expectLevelControlsEnabled(host, enabled);
        EXPECT_EQ(host.controls.rtfScriptWarning->toPlainText(), warning);
        EXPECT_EQ(host.notifier.count(), 2);
    }
}

TEST(LevelTabs, EachShowsExactlyItsListAndBoxAndAnUnknownKeyNone)
{
    const struct
    {
        const char *key, *list, *box;
    } rows[] = {
        {"Warning", "cmbLanguageScriptWarning", "pvWarningRef"},
        {"Good", "cmbLanguageScriptGood", "pvGoodRef"},
        {"Danger", "cmbLanguageScriptDanger", "pvDangerRef"},
        {"danger", nullptr, nullptr},
    };
    EditorHost host("existing-job.xml");
    for (const auto &row : rows) {
        if (row.list)
            host.controls.ssTabValues->selectKey(QLatin1String(row.key));
        else
            host.editor->ssTabValues_BeforeTabClick(QLatin1String(row.key));
        QStringList visible;
        for (const char *name : {"cmbLanguageScriptDanger", "cmbLanguageScriptWarning", "cmbLanguageScriptGood",
                                 "pvDangerRef", "pvWarningRef", "pvGoodRef"})
            if (host.find<QWidget>(QLatin1String(name))->isVisibleTo(host.controls.panelToolbar))
                visible << QLatin1String(name);
        const QStringList expected = row.list ? QStringList{QLatin1String(row.list), QLatin1String(row.box)} : QStringList();
        EXPECT_EQ(visible, expected) << row.key;
    }
}

} // namespace
