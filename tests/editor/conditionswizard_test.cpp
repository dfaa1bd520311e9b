// The Conditions Wizard as the editor's cmdWizardValues opens it: the script
// lands in the pane of the level on view, coloured, and reaches the host.
#include "editorhost.h"

#include "dialogs/conditionsgrid.h"
#include "platform/ui/modal.h"

#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The script's first word shows in the keyword colour.
bool colourised(ScriptPane *pane)
{
    return pane->colourAt(0) == colorizer::TokenClass::Keyword;
}

QString scriptFor(const char *comparison, const char *value)
{
    return QStringLiteral("Function Main(pSsrValue)\r\nIF cdbl(pSsrValue) %1 %2 THEN\r\n"
                          "\t\tMain=TRUE\r\nELSE\r\n\t\tMain=FALSE\r\nEND IF\r\nEnd Function")
        .arg(QLatin1String(comparison), QLatin1String(value));
}

struct ConditionsWizard : ::testing::Test
{
    ConditionsWizard()
    {
        host.openExample(QStringLiteral("existing-job.xml"));
        host.editor->resize(800, 560);
        host.editor->show();
    }

    // Clicks cmdWizardValues; the wizard gets one condition "pSsrValue <comparison> <value>"
    // and Ok, or Cancel when `comparison` is null.
    void runWizard(const char *comparison, const char *value = nullptr)
    {
        ui::ScopedModalHandler modal([&](QDialog &dialog) {
            dialog.show();
            caption = dialog.windowTitle();
            const QString button = comparison ? QStringLiteral("cmdOk") : QStringLiteral("cmdCancel");
            if (comparison) {
                dialog.findChild<QAbstractButton *>(QStringLiteral("cmdNewCondition"))->click();
                auto *grid = dialog.findChild<ConditionsGrid *>(QStringLiteral("dtConditions"));
                grid->setCellText(0, 2, QLatin1String(comparison));
                grid->setCellText(0, 3, QLatin1String(value));
            }
            dialog.findChild<QPushButton *>(button)->click();
            return dialog.result();
        });
        QTest::mouseClick(host.controls.cmdWizardValues, Qt::LeftButton);
    }
    QStringList paneTexts() const
    {
        QStringList texts;
        for (const ScriptPane *pane : {host.controls.rtfScript, host.controls.rtfScriptDanger,
                                      host.controls.rtfScriptWarning, host.controls.rtfScriptGood})
            texts << pane->toPlainText();
        return texts;
    }

    EditorHost host;
    QString caption;
};

class ConditionsWizardLevel : public ConditionsWizard, public ::testing::WithParamInterface<EvalLevelName>
{
};

TEST_P(ConditionsWizardLevel, TheScriptReplacesThePaneOnViewColouredAndNotified)
{
    const EvalLevelName &level = GetParam();
    host.controls.ssTabValues->selectKey(level.keyText());
    ScriptPane *pane = host.pane(QStringLiteral("rtfScript") + level.keyText());
    QStringList expected = paneTexts();
    const qsizetype paneIndex = 1 + (findEvalLevel(level.keyText()) - evalLevels.data());

    for (const auto &[comparison, value] : {std::pair{">", "90"}, std::pair{"<=", "5"}}) {
        host.notifier.resetCount();
        runWizard(comparison, value);
        EXPECT_EQ(caption, QStringLiteral(" Conditions Wizard"));   // the editor's language and data folder
        expected[paneIndex] = scriptFor(comparison, value).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        EXPECT_EQ(paneTexts(), expected);
        EXPECT_TRUE(colourised(pane));
        // The host hears of the new script once; colouring it is no change.
        EXPECT_EQ(host.notifier.count(), 1);
    }
    EXPECT_TRUE(host.capture.boxes.isEmpty());

    ASSERT_TRUE(host.editor->Engine_Validate());
    EXPECT_EQ(host.returnedJob().sensor.GetEvalData(level.type).GetEvalCode(), scriptFor("<=", "5"));
}

INSTANTIATE_TEST_SUITE_P(Levels, ConditionsWizardLevel, ::testing::ValuesIn(evalLevels),
                         [](const auto &info) { return std::string(info.param.key); });

TEST_F(ConditionsWizard, CancelLeavesEveryPaneAsItWas)
{
    host.controls.ssTabValues->selectKey(QStringLiteral("Warning"));
    const QStringList before = paneTexts();
    runWizard(nullptr);
    EXPECT_EQ(paneTexts(), before);
    EXPECT_EQ(host.notifier.count(), 0);
    EXPECT_TRUE(host.capture.boxes.isEmpty());
}

TEST_F(ConditionsWizard, AFailureIsReportedAndChangesNothing)
{
    const QStringList before = paneTexts();
    ui::ScopedModalHandler failing([](QDialog &) -> int { throw Error::fromNumber(7); });
    QTest::mouseClick(host.controls.cmdWizardValues, Qt::LeftButton);
    ASSERT_EQ(host.capture.boxes.size(), 1);
    EXPECT_TRUE(host.capture.boxes[0].prompt.startsWith(QStringLiteral("Error: 7\r")));
    EXPECT_TRUE(host.capture.boxes[0].prompt.endsWith(QStringLiteral(" frmJob.cmdWizardValues_Click() ")));
    EXPECT_EQ(paneTexts(), before);
}

} // namespace
