#include "testevaluation.h"

#include "common/regional.h"
#include "model/evallevels.h"
#include "script/bridge/variantconvert.h"
#include "script/objects/runcontext.h"
#include "scripterrorreport.h"

#include <QDateTime>
#include <iterator>

namespace {

bool isNumber(const QVariant &value)
{
    switch (value.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

// What a run asks of each level, in the order of evalLevels (Danger,
// Warning, Good); the level's key is also its image key, and its result
// text is the key in capitals.
struct LevelRun
{
    EvaluationResult result;
    const QString EvaluationScripts::*script;
    const QString EvaluationScripts::*language;
};

const LevelRun levelRuns[] = {
    {EvaluationResult::Danger, &EvaluationScripts::dangerScript, &EvaluationScripts::dangerLanguage},
    {EvaluationResult::Warning, &EvaluationScripts::warningScript, &EvaluationScripts::warningLanguage},
    {EvaluationResult::Good, &EvaluationScripts::goodScript, &EvaluationScripts::goodLanguage},
};
static_assert(std::size(levelRuns) == evalLevels.size());

} // namespace

bool evaluationIsTrue(const QVariant &result)
{
    if (result.metaType().id() == QMetaType::Bool)
        return result.toBool();
    return isNumber(result) && result.toDouble() == -1.0;
}

QString evaluationValueText(const QVariant &value)
{
    if (!value.isValid())
        return QString();
    switch (value.metaType().id()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Nullptr:
        return QStringLiteral("Null");
    case QMetaType::Double:
    case QMetaType::Float:
        return doubleToText(value.toDouble());
    case QMetaType::QDateTime:
        return bridge::toQString(vbs::Variant::fromDate(bridge::dateTimeToSerial(value.toDateTime())).toString());
    case QMetaType::QVariantList: {
        QStringList items;
        for (const QVariant &item : value.toList())
            items << evaluationValueText(item);
        return items.join(QLatin1String(", "));
    }
    default:
        if (isNumber(value))
            return QString::number(value.toLongLong());
        return value.toString();
    }
}

namespace {

EvaluationOutcome runScripts(ScriptControl &control, const EvaluationScripts &scripts)
{
    EvaluationOutcome outcome;
    // One deadline and one memory budget for every script of the evaluation.
    const ScriptControl::RunScope run(control);
    // Runs one script's Main; false when the host reported an error.
    const auto runMain = [&](const QString &script, const QString &language, const QString &code, QVariantList &args,
                             QVariant &result) {
        if (control.setLanguage(language) && control.addCode(code)) {
            if (const std::optional<QVariant> value = control.run(QStringLiteral("Main"), args)) {
                result = *value;
                return true;
            }
        }
        outcome.error = control.error();
        outcome.errorReport = scriptErrorReport(outcome.error);
        outcome.failedScript = script;
        return false;
    };

    QVariantList none;
    if (!runMain(QStringLiteral("General"), scripts.generalLanguage, scripts.generalScript, none, outcome.value))
        return outcome;

    if (!scripts.evaluateData) {
        outcome.result = EvaluationResult::NoEvaluate;
        outcome.imageKey = QStringLiteral("NoEvaluate");
        outcome.resultText = scripts.msgNoEvaluate;
    } else {
        outcome.result = EvaluationResult::NoComparable;
        outcome.imageKey = QStringLiteral("NoComparable");
        outcome.resultText = scripts.msgNoComparable;
        for (std::size_t i = 0; i < evalLevels.size(); ++i) {
            const LevelRun &level = levelRuns[i];
            QVariantList args{outcome.value};
            QVariant answer;
            if (!runMain(evalLevels[i].keyText(), scripts.*level.language, scripts.*level.script, args, answer))
                return outcome;
            outcome.value = args.value(0); // handed by reference
            if (evaluationIsTrue(answer)) {
                outcome.result = level.result;
                outcome.imageKey = evalLevels[i].keyText();
                outcome.resultText = outcome.imageKey.toUpper();
                break;
            }
        }
    }
    outcome.valueText = evaluationValueText(outcome.value);
    return outcome;
}

// What the run shows, its passwords masked: those written in the texts and
// those its connections opened with.
EvaluationOutcome maskedOutcome(EvaluationOutcome outcome, const QStringList &known)
{
    if (outcome.failed()) {
        outcome.error.Description = maskedSecrets(outcome.error.Description, known);
        outcome.error.Text = maskedSecrets(outcome.error.Text, known);
        outcome.error.Source = maskedSecrets(outcome.error.Source, known);
        outcome.errorReport = scriptErrorReport(outcome.error, known);
    }
    outcome.valueText = maskedSecrets(outcome.valueText, known);
    return outcome;
}

} // namespace

EvaluationOutcome evaluateScripts(ScriptControl &control, const EvaluationScripts &scripts)
{
    RunSecrets secrets;
    EvaluationOutcome outcome;
    {
        const RunSecrets::Active active(secrets);
        outcome = runScripts(control, scripts);
    }
    return maskedOutcome(std::move(outcome), secrets.list());
}
