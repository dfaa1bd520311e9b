#include "launchers.h"

#include "dialogs/frmeditevents.h"
#include "dialogs/frmresulttest.h"
#include "dialogs/frmwizard.h"
#include "dialogs/frmwizardvalues.h"
#include "platform/ui/modal.h"

void editEvents(QWidget *parent, const DialogContext &context, cSensor &sensor, const QString &key)
{
    frmEditEvents dialog(context, parent);
    dialog.gSensor = &sensor;
    dialog.ValueKey = key;
    ui::showModal(dialog);
}

namespace {

// A wizard shown with the context; its script when it was not cancelled.
template <class Wizard>
std::optional<QString> acceptedScript(QWidget *parent, const DialogContext &context,
                                      const QString &(Wizard::*script)() const)
{
    Wizard dialog(context, parent);
    ui::showModal(dialog);
    if (dialog.Cancelado())
        return std::nullopt;
    return (dialog.*script)();
}

} // namespace

std::optional<QString> databaseWizardScript(QWidget *parent, const DialogContext &context)
{
    return acceptedScript(parent, context, &frmWizard::Code);
}

std::optional<QString> conditionsWizardScript(QWidget *parent, const DialogContext &context)
{
    return acceptedScript(parent, context, &frmWizardValues::ConditionsCode);
}

void showResultTest(QWidget *parent, const DialogContext &context, const EvaluationOutcome &outcome,
                    const QStringList &output)
{
    frmResultTest dialog(context, parent);
    dialog.SetOutcome(outcome);
    dialog.Output = output;
    ui::showModal(dialog);
}
