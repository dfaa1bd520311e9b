// The evaluation switch, the level tabs and the option notifications.
#include "ucscript.h"

#include "keyedtabwidget.h"
#include "numericbox.h"

#include "errorcore/error.h"
#include "host/notifier.h"

#include <QComboBox>
#include <QLabel>
#include <QToolButton>

void UCScript::ChangeStatusTabValues(bool pStatus)
{
    passing(" frmJob.ChangeStatusTabValues() ", [&] {
        for (QWidget *control : std::initializer_list<QWidget *>{
                 ssTabValues, cmdCheckSyntax, cmdColorizeCode, cmdCopy, cmdCut, cmdPaste, cmdEvents,
                 cmbLanguageScriptDanger, cmbLanguageScriptWarning, cmbLanguageScriptGood, cmdWizardValues,
                 lblReferenceValue, pvDangerRef, pvWarningRef, pvGoodRef})
            control->setEnabled(pStatus);
    });
}

void UCScript::chkEvalData_Click(int pValue)
{
    passing(" frmMain.chkEvalData_Click() ", [&] {
        ChangeStatusTabValues(pValue > 0);
        NotifyChange();
    });
}

void UCScript::ssTabValues_BeforeTabClick(const QString &pKey)
{
    passing(" frmJob.ssTabValues_BeforeTabClick() ", [&] {
        // Until the window is built, there is nothing to show or hide.
        if (!pvGoodRef)
            return;
        // Only the tab's own language list and reference box show; an
        // unknown key hides all of them.
        for (const LevelControls &level : levelControls()) {
            const bool shown = pKey == QLatin1String(level.level.key);
            level.list->setVisible(shown);
            level.reference->setVisible(shown);
        }
    });
}

void UCScript::NotifyChange()
{
    // No notifier (before Engine_InitControl) is an object that is not set.
    if (!gNotifier)
        throw Error::fromNumber(91);
    gNotifier->NotifyChange();
}
