// A failed check or test run shows where it failed: the page and pane of
// the failing script come into view with the error's line marked.
#include "ucscript.h"

#include "keyedtabwidget.h"

#include "dialogs/scriptpane.h"
#include "script/engine/scripterrorinfo.h"
#include "tools/scripterrorreport.h"

void UCScript::ShowScriptError(const QString &pScript, const ScriptErrorInfo &pError)
{
    const bool general = pScript == QLatin1String("General");
    ScriptPane *pane = CurrentPane(general, pScript);
    if (!pane)
        return;
    ssTabDatos->selectKey(general ? QStringLiteral("General") : QStringLiteral("EvaluationData"));
    if (!general)
        ssTabValues->selectKey(pScript);

    // The host's column counts from 0; a user counts from 1.
    QString note = pScript + QLatin1String(": ");
    if (pError.Line > 0)
        note += pane->texts().lineColumn.arg(pError.Line).arg(pError.Column + 1) + QLatin1String(": ");
    note += maskedSecrets(pError.Description);
    if (pError.Line > 0)
        pane->markLine(int(pError.Line), int(pError.Column), note);
    else
        pane->showStatus(note);
    pane->setFocus();
}
