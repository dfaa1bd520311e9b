// Validation: an incomplete three-level evaluation is refused; otherwise the
// controls are stored into the sensor.
#include "ucscript.h"

#include "keyedtabwidget.h"
#include "scripttext.h"

#include "errorcore/error.h"
#include "common/showerror.h"
#include "platform/ui/msgbox.h"

#include <QCheckBox>
#include <QTextEdit>

bool UCScript::Validate()
{
    bool result = false;
    const bool completed = reporting(" UCScript.Validate() ", applicationTitle(), [&] {
        if (chkEvalData->checkState() != Qt::Unchecked) {
            const struct {
                QTextEdit *pane;
                const char *message;
                const char *key;
            } levels[] = {
                {rtfScriptDanger, "Danger Script Must Be Filled In.", "Danger"},
                {rtfScriptWarning, "Warning Script Must Be Filled In.", "Warning"},
                {rtfScriptGood, "Good Script Must Be Filled In.", "Good"},
            };
            for (const auto &level : levels) {
                if (!trimSpaces(level.pane->toPlainText()).isEmpty())
                    continue;
                ui::MsgBox(QLatin1String(level.message), ui::OkOnly | ui::Information, applicationTitle());
                ssTabValues->selectKey(QLatin1String(level.key));
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
