// The Database Connection Wizard's command: its script replaces the general pane.
#include "ucscript.h"

#include "model/evallevels.h"
#include "dialogs/frmwizard.h"
#include "dialogs/scripttext.h"
#include "platform/ui/modal.h"

#include <QSignalBlocker>
#include <QTextEdit>

void UCScript::WizardResult()
{
    reporting(" frmJob.WizardResult() ", QString(), [&] {
        frmWizard dialog(this);
        dialog.gPathData = gPathData;
        dialog.gInterfaceLanguage = gInterfaceLanguage;
        dialog.gSkin = gSkin;
        ui::showModal(dialog);
        if (dialog.Cancelado())
            return;
        // The replacement reaches the host through the pane's change event;
        // colouring the same text is no further change.
        replaceScriptText(rtfScript, dialog.Code());
        const QSignalBlocker quiet(rtfScript);
        ColorizeCode(true, evalLevelKey(LevelDanger));
    });
}
