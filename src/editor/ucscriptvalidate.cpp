// Validation: an incomplete three-level evaluation is refused; otherwise the
// controls are stored into the sensor.
#include "ucscript.h"

#include "keyedtabwidget.h"

#include "errorcore/error.h"
#include "common/showerror.h"
#include "dialogs/scripttext.h"
#include "platform/ui/msgbox.h"

#include <QCheckBox>
#include <QTextEdit>

bool UCScript::Validate()
{
    bool result = false;
    const bool completed = reporting(" UCScript.Validate() ", applicationTitle(), [&] {
        if (chkEvalData->checkState() != Qt::Unchecked) {
            for (const LevelControls &level : levelControls()) {
                if (!trimSpaces(level.pane->toPlainText()).isEmpty())
                    continue;
                ui::MsgBox(QStringLiteral("%1 Script Must Be Filled In.").arg(level.level.keyText()),
                           ui::OkOnly | ui::Information, applicationTitle());
                ssTabValues->selectKey(level.level.keyText());
                level.pane->setFocus();
                return;
            }
        }
        result = true;
        StoreData();
    });
    // A failure (reported above) makes the result False; values stored
    // before it stay in the sensor.
    return completed && result;
}
