// The Events command: the Events editor on the level of the tab on view.
#include "ucscript.h"

#include "keyedtabwidget.h"

#include "dialogs/frmeditevents.h"
#include "model/evallevels.h"
#include "platform/ui/modal.h"

namespace {

// The level's element as the document holds it; nothing for a key that
// names no level or a level the sensor cannot give.
QString levelDocumentText(const cSensor &sensor, const QString &key)
{
    for (const EvalLevelName &level : evalLevels) {
        if (level.keyText() != key)
            continue;
        try {
            return sensor.GetEvalData(level.type).GetEvalDataXML().xml();
        } catch (...) {
            return QString();
        }
    }
    return QString();
}

} // namespace

void UCScript::EditEvents()
{
    // The Events editor writes an accepted edit into the sensor itself; the
    // host hears of it when the level's element differs afterwards.
    reporting(" frmJob.EditEvents() ", QString(), [&] {
        frmEditEvents dialog(this);
        dialog.gInterfaceLanguage = gInterfaceLanguage;
        dialog.gPathData = gPathData;
        dialog.gSensor = &gSensor;
        dialog.gSkin = gSkin;
        dialog.ValueKey = ssTabValues->selectedKey();
        const QString before = levelDocumentText(gSensor, dialog.ValueKey);
        ui::showModal(dialog);
        if (levelDocumentText(gSensor, dialog.ValueKey) != before)
            NotifyChange();
    });
}
