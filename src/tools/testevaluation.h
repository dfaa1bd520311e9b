#pragma once

#include "script/scriptcontrol.h"

#include <QString>
#include <QVariant>

// What the test evaluation runs: the general script, the switch that asks
// the levels, the three level scripts and the texts of the two results that
// are not a state (empty when no language file was read).
struct EvaluationScripts
{
    QString generalScript;
    QString generalLanguage = QStringLiteral("VBScript");
    bool evaluateData = false;
    QString dangerScript;
    QString dangerLanguage = QStringLiteral("VBScript");
    QString warningScript;
    QString warningLanguage = QStringLiteral("VBScript");
    QString goodScript;
    QString goodLanguage = QStringLiteral("VBScript");
    QString msgNoEvaluate;
    QString msgNoComparable;
};

enum class EvaluationResult { Danger, Warning, Good, NoComparable, NoEvaluate };

// The outcome of one run: either the value and the result, or the script
// error that ended the run (failed() true; no result then).
struct EvaluationOutcome
{
    bool failed() const { return error.Number != 0; }

    QVariant value;          // the sensor value ("Main" of the general script)
    QString valueText;       // as the result dialog shows it
    EvaluationResult result = EvaluationResult::NoEvaluate;
    QString imageKey;        // "Danger", "Warning", "Good", "NoComparable", "NoEvaluate"
    QString resultText;      // "DANGER", "WARNING", "GOOD" or the message of the other two

    ScriptErrorInfo error;   // Number 0 when the run completed; its Line and Column in failedScript
    QString errorReport;     // the seven-line script error report, when failed()
    QString failedScript;    // "General", "Danger", "Warning" or "Good": whose error it is, when failed()
};

// Runs the general script's Main, then, when evaluateData is on, the Danger,
// Warning and Good scripts' Main(value) in that order until one returns
// true. Each script is compiled in a fresh engine of its own language on
// `control`, all of them in one run: the control's time-out and memory
// budget hold for the whole evaluation, not for each script. A result is true only when it equals the Boolean True as a
// variant: True, or a number equal to -1; 1, other numbers, text and Empty
// are not. Each level gets the value by reference: what a VBScript level
// script assigns to its parameter is the value from then on. Scripts after
// the first true one are never compiled. Nothing is raised: a script error
// (compile or runtime, a missing Main, an unknown language) ends the run in
// `error`. Whatever the outcome shows (the error's texts, its report, the
// value's text) has its passwords masked, the ones the run's connections
// opened with included (maskedSecrets).
EvaluationOutcome evaluateScripts(ScriptControl &control, const EvaluationScripts &scripts);

// The text the result dialog shows for a value: "True"/"False", a number's
// decimal text in the current regional settings, "" for Empty, "Null",
// text as it is, a date as VBScript writes it.
QString evaluationValueText(const QVariant &value);

// Whether a script's result counts as true (see evaluateScripts).
bool evaluationIsTrue(const QVariant &result);
