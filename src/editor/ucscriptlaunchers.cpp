// The buttons that open the editor's wizards: the Conditions Wizard.
#include "ucscript.h"

#include "keyedtabwidget.h"
#include "dialogs/scripttext.h"

#include "errorcore/error.h"
#include "dialogs/frmwizardvalues.h"
#include "platform/ui/modal.h"

#include <QSignalBlocker>
#include <QTextEdit>

void UCScript::cmdWizardValues_Click()
{
    passing(" frmJob.cmdWizardValues_Click() ", [&] {
        frmWizardValues dialog(this);
        dialog.gPathData = gPathData;
        dialog.gInterfaceLanguage = gInterfaceLanguage;
        dialog.gSkin = gSkin;
        ui::showModal(dialog);
        if (dialog.Cancelado())
            return;
        // The whole script of the level on view is replaced: its change event
        // tells the host. Colouring the same text is no further change.
        ScriptPane *pane = CurrentPane(false, ssTabValues->selectedKey());
        if (!pane)
            return;
        replaceScriptText(pane, dialog.ConditionsCode());
        const QSignalBlocker quiet(pane);
        ColorizeCode(false, ssTabValues->selectedKey());
    });
}
