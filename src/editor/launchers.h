#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;
class cSensor;
struct DialogContext;
struct EvaluationOutcome;

// The editor's dialogs, each created with the editor's context, shown
// modally and released: what each is handed and what comes back. A failure
// inside passes on to the editor's command, which reports it.

// The Events editor on the level `key` of `sensor`; an accepted edit is
// written into the sensor by the Events editor itself.
void editEvents(QWidget *parent, const DialogContext &context, cSensor &sensor, const QString &key);

// The Database Connection Wizard's script; nothing when it was cancelled.
std::optional<QString> databaseWizardScript(QWidget *parent, const DialogContext &context);

// The Conditions Wizard's script; nothing when it was cancelled.
std::optional<QString> conditionsWizardScript(QWidget *parent, const DialogContext &context);

// The Result Test dialog showing a completed run.
void showResultTest(QWidget *parent, const DialogContext &context, const EvaluationOutcome &outcome, const QStringList &output = {});
