// The "Evaluate" tool: a test run of the scripts in the panes. Until the
// Result Test dialog exists, the outcome is shown in a message box.
#include "ucscript.h"

#include "common/showerror.h"
#include "platform/ui/msgbox.h"
#include "script/scriptcontrol.h"
#include "tools/testevaluation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTextEdit>

void UCScript::EvaluateScripts()
{
    // A run that cannot even start (no script host) is a script error too.
    try {
        if (!m_scriptControl)
            m_scriptControl = std::make_unique<::ScriptControl>();
    } catch (...) {
        return;
    }

    EvaluationScripts scripts;
    scripts.generalScript = rtfScript->toPlainText();
    scripts.generalLanguage = cmbLanguageScript->currentText();
    scripts.evaluateData = chkEvalData->checkState() != Qt::Unchecked;
    scripts.dangerScript = rtfScriptDanger->toPlainText();
    scripts.dangerLanguage = cmbLanguageScriptDanger->currentText();
    scripts.warningScript = rtfScriptWarning->toPlainText();
    scripts.warningLanguage = cmbLanguageScriptWarning->currentText();
    scripts.goodScript = rtfScriptGood->toPlainText();
    scripts.goodLanguage = cmbLanguageScriptGood->currentText();
    scripts.msgNoEvaluate = gMsgNoEvaluate;
    scripts.msgNoComparable = gMsgNoComparable;

    const EvaluationOutcome outcome = evaluateScripts(*m_scriptControl, scripts);
    if (outcome.failed()) {
        ui::MsgBox(outcome.errorReport, ui::OkOnly | ui::Information, applicationTitle());
        return;
    }
    ui::MsgBox(QStringLiteral("Value: %1\rResult: %2").arg(outcome.valueText, outcome.resultText),
               ui::OkOnly | ui::Information, applicationTitle());
}
