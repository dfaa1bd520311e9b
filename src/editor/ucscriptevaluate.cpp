// The "Evaluate" tool: a test run of the scripts in the panes, its outcome
// shown in the Result Test dialog.
#include "ucscript.h"

#include "errorcore/error.h"
#include "common/showerror.h"
#include "dialogs/busyrun.h"
#include "dialogs/frmresulttest.h"
#include "dialogs/scriptpane.h"
#include "dialogs/scripttext.h"
#include "platform/ui/modal.h"
#include "platform/ui/msgbox.h"
#include "script/scriptcontrol.h"
#include "tools/testevaluation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTextEdit>

void UCScript::EvaluateScripts()
{
    EvaluationScripts scripts;
    scripts.generalScript = scriptText(rtfScript);
    scripts.generalLanguage = cmbLanguageScript->currentText();
    scripts.evaluateData = chkEvalData->checkState() != Qt::Unchecked;
    scripts.dangerScript = scriptText(rtfScriptDanger);
    scripts.dangerLanguage = cmbLanguageScriptDanger->currentText();
    scripts.warningScript = scriptText(rtfScriptWarning);
    scripts.warningLanguage = cmbLanguageScriptWarning->currentText();
    scripts.goodScript = scriptText(rtfScriptGood);
    scripts.goodLanguage = cmbLanguageScriptGood->currentText();
    scripts.msgNoEvaluate = gMsgNoEvaluate;
    scripts.msgNoComparable = gMsgNoComparable;

    // The scripts run on a script host of their own, away from the window,
    // which stays responsive to Esc and Stop meanwhile.
    EvaluationOutcome outcome;
    try {
        runScriptsBusy(
            this, [&](::ScriptControl &control) { outcome = evaluateScripts(control, scripts); }, rtfScript->texts());
    } catch (...) {
        // Without a script host nothing can run: say so, as for any failed run.
        const Error error = toError(std::current_exception());
        ui::MsgBox(QStringLiteral("The script host cannot be created.\r\nError: %1\r\nDescription: %2")
                       .arg(error.number)
                       .arg(error.description),
                   ui::OkOnly | ui::Information, applicationTitle());
        return;
    }
    if (outcome.failed()) {
        ShowScriptError(outcome.failedScript, outcome.error);
        ui::MsgBox(outcome.errorReport, ui::OkOnly | ui::Information, applicationTitle());
        return;
    }

    frmResultTest dialog(this);
    dialog.Value = outcome.valueText;
    dialog.Msg = outcome.resultText;
    dialog.Ico = outcome.imageKey;
    dialog.gInterfaceLanguage = gInterfaceLanguage;
    dialog.gPathData = gPathData;
    dialog.gSkin = gSkin;
    ui::showModal(dialog);
}
