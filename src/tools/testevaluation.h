#pragma once

#include "model/sensorscripts.h"
#include "script/scriptcontrol.h"

#include <QString>
#include <QVariant>

// How a run ends when it completes: a level's script said the value is in
// its state, none did, the switch was off, or the value is none a level can
// judge (an object or an array).
enum class EvaluationResult { Level, NoComparable, NoEvaluate, NotAValue };

// The outcome of one run: either the value and the result, or the script
// error that ended the run (failed() true; no result then).
struct EvaluationOutcome
{
    bool failed() const { return error.Number != 0; }

    QVariant value;          // the sensor value ("Main" of the general script)
    QString valueText;       // as the result dialog shows it
    EvaluationResult result = EvaluationResult::NoEvaluate;
    const EvalLevelName *level = nullptr;   // the level whose script said true (result Level)
    QString imageKey;        // the state picture: the level's key, "NoComparable" or "NoEvaluate"
    QString resultText;      // the level's result text, a message, or why the value is not one

    ScriptErrorInfo error;   // Number 0 when the run completed; its Line and Column in failedScript
    QString errorReport;     // the seven-line script error report, when failed()
    QString failedScript;    // "General" or the level's key: whose error it is, when failed()
};

// The texts of the two results that are not a state: the editor's
// MsgNoEvaluate and MsgNoComparable (empty when no language file was read).
struct EvaluationTexts
{
    QString noEvaluate;
    QString noComparable;
};

// Runs the general script's Main, then, when scripts.evaluate is on, each
// level's Main(value) in the order of evalLevels until one returns true.
// Each script is compiled in a fresh engine of its own language on
// `control`, all of them in one run: the control's time-out and memory
// budget hold for the whole evaluation, not for each script. A result is
// true only when it equals the Boolean True as a variant: True, or a number
// equal to -1; 1, other numbers, text and Empty are not. Each level gets
// the value by reference: what a VBScript level script assigns to its
// parameter is the value from then on. Scripts after the first true one are
// never compiled.
//
// A value no level can judge ends the run with NotAValue, before any
// further script runs: a general value that is an object or an array, a
// level that hands one back through its parameter or returns one.
// Nothing is raised: a script error (compile or runtime, a missing Main, an
// unknown language) ends the run in `error`. Whatever the outcome shows
// (the error's texts, its report, the value's text) has its passwords
// masked, the ones the run's connections opened with included
// (maskedSecrets).
EvaluationOutcome evaluateScripts(ScriptControl &control, const SensorScripts &scripts,
                                  const EvaluationTexts &texts = {});

// The text the result dialog shows for a value: "True"/"False", a number's
// decimal text in the current regional settings, "" for Empty, "Null",
// text as it is, a date as VBScript writes it, an object by its type name.
QString evaluationValueText(const QVariant &value);

// Whether a script's result counts as true (see evaluateScripts).
bool evaluationIsTrue(const QVariant &result);

// What a value is when it is no value a level can judge: "an object
// (Dictionary)", "an array"; empty for any other value.
QString objectValueKind(const QVariant &value);
