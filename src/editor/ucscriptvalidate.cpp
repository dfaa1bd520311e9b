// Validation: an incomplete three-level evaluation is refused; otherwise the
// controls are stored into the sensor.
#include "ucscript.h"

#include "keyedtabwidget.h"
#include "numericbox.h"

#include "errorcore/error.h"
#include "common/showerror.h"
#include "common/trimblanks.h"
#include "platform/ui/msgbox.h"

#include <QCheckBox>
#include <QLabel>
#include <QTextEdit>

namespace {

// A caption as a message names it: without its accelerator and colon.
QString fieldName(const QString &caption)
{
    QString name = caption;
    name.remove(QLatin1Char('&'));
    name = name.trimmed();
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name.trimmed();
}

} // namespace

bool UCScript::Validate()
{
    bool result = false;
    const bool completed = reporting(" UCScript.Validate() ", applicationTitle(), [&] {
        if (chkEvalData->checkState() != Qt::Unchecked) {
            for (const LevelControls &level : levelControls()) {
                if (!trimBlanks(level.pane->toPlainText()).isEmpty())
                    continue;
                ui::MsgBox(QStringLiteral("%1 Script Must Be Filled In.").arg(level.level.keyText()),
                           ui::OkOnly | ui::Information, applicationTitle());
                ssTabValues->selectKey(level.level.keyText());
                level.pane->setFocus();
                return;
            }
        }
        // A box holding no complete number is named, brought into view and
        // focused, rather than failing the store with a type mismatch.
        const auto refuseBox = [&](NumericBox *box, const QString &field) {
            ui::MsgBox(QStringLiteral("%1: \"%2\" is not a valid number.").arg(field, box->text()),
                       ui::OkOnly | ui::Information, applicationTitle());
            box->setFocus();
        };
        if (!pvDataPersistence->hasNumber()) {
            ssTabDatos->selectKey(QStringLiteral("General"));
            refuseBox(pvDataPersistence, fieldName(lblDataPersistence->text()));
            return;
        }
        for (const LevelControls &level : levelControls()) {
            if (level.reference->hasNumber())
                continue;
            ssTabDatos->selectKey(QStringLiteral("EvaluationData"));
            ssTabValues->selectKey(level.level.keyText());
            const int tab = ssTabValues->indexOf(level.pane->parentWidget());
            refuseBox(level.reference, QStringLiteral("%1 (%2)").arg(fieldName(lblReferenceValue->text()),
                                                                      fieldName(ssTabValues->tabText(tab))));
            return;
        }
        result = true;
        StoreData();
    });
    // A failure (reported above) makes the result False; values stored
    // before it stay in the sensor.
    return completed && result;
}
