// The Events command: the Events editor on the level of the tab on view.
#include "ucscript.h"

#include "keyedtabwidget.h"

#include "dialogs/frmeditevents.h"
#include "platform/ui/modal.h"

void UCScript::EditEvents()
{
    // The Events editor writes an accepted edit into the sensor itself:
    // nothing is read back and no change is reported from here.
    reporting(" frmJob.EditEvents() ", QString(), [&] {
        frmEditEvents dialog(this);
        dialog.gInterfaceLanguage = gInterfaceLanguage;
        dialog.gPathData = gPathData;
        dialog.gSensor = &gSensor;
        dialog.gSkin = gSkin;
        dialog.ValueKey = ssTabValues->selectedKey();
        ui::showModal(dialog);
    });
}
