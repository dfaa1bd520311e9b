#include "testevaluation.h"

#include "common/regional.h"
#include "script/bridge/variantconvert.h"
#include "script/objects/numbervariant.h"
#include "script/objects/runcontext.h"
#include "scripterrorreport.h"

#include <QDateTime>
#include <QRegularExpression>

bool evaluationIsTrue(const QVariant &result)
{
    if (result.metaType().id() == QMetaType::Bool)
        return result.toBool();
    return isNumberVariant(result) && result.toDouble() == -1.0;
}

QString objectValueKind(const QVariant &value)
{
    if (value.metaType() == QMetaType::fromType<bridge::ObjectName>())
        return QStringLiteral("an object (%1)").arg(value.value<bridge::ObjectName>().typeName);
    switch (value.metaType().id()) {
    case QMetaType::QVariantList:
        return QStringLiteral("an array");
    case QMetaType::QVariantMap:
        return QStringLiteral("an object");
    case QMetaType::QObjectStar:
        return value.value<QObject *>() ? QStringLiteral("an object") : QStringLiteral("Nothing");
    case QMetaType::QString: {
        // A JScript object with no value of its own reaches the host as its text.
        static const QRegularExpression objectText(QStringLiteral("^\\[object ([A-Za-z_$][\\w$]*)\\]$"));
        if (const QRegularExpressionMatch match = objectText.match(value.toString()); match.hasMatch())
            return QStringLiteral("an object (%1)").arg(match.captured(1));
        return QString();
    }
    default:
        return QString();
    }
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
        if (isNumberVariant(value))
            return QString::number(value.toLongLong());
        return value.toString();
    }
}

namespace {

EvaluationOutcome runScripts(ScriptControl &control, const SensorScripts &scripts, const EvaluationTexts &texts)
{
    EvaluationOutcome outcome;
    // One deadline and one memory budget for every script of the evaluation.
    const ScriptControl::RunScope run(control);
    // Runs one script's Main; false when the host reported an error.
    const auto runMain = [&](const QString &who, const ScriptSource &script, QVariantList &args, QVariant &result) {
        if (control.setLanguage(script.language) && control.addCode(script.code)) {
            if (const std::optional<QVariant> value = control.run(QStringLiteral("Main"), args)) {
                result = *value;
                return true;
            }
        }
        outcome.error = control.error();
        outcome.errorReport = scriptErrorReport(outcome.error);
        outcome.failedScript = who;
        return false;
    };
    // Ends the run on a value no level can judge, saying why.
    const auto notAValue = [&](const QString &why) {
        outcome.result = EvaluationResult::NotAValue;
        outcome.level = nullptr;
        outcome.imageKey = QStringLiteral("NoComparable");
        outcome.resultText = why;
        outcome.valueText = evaluationValueText(outcome.value);
        return outcome;
    };

    QVariantList none;
    if (!runMain(QStringLiteral("General"), scripts.general, none, outcome.value))
        return outcome;
    if (const QString kind = objectValueKind(outcome.value); !kind.isEmpty())
        return notAValue(QStringLiteral("the sensor value is %1, not a value").arg(kind));

    if (!scripts.evaluate) {
        outcome.result = EvaluationResult::NoEvaluate;
        outcome.imageKey = QStringLiteral("NoEvaluate");
        outcome.resultText = texts.noEvaluate;
    } else {
        outcome.result = EvaluationResult::NoComparable;
        outcome.imageKey = QStringLiteral("NoComparable");
        outcome.resultText = texts.noComparable;
        for (std::size_t i = 0; i < evalLevels.size(); ++i) {
            const EvalLevelName &level = evalLevels[i];
            QVariantList args{outcome.value};
            QVariant answer;
            if (!runMain(level.keyText(), scripts.levels[i], args, answer))
                return outcome;
            outcome.value = args.value(0); // handed by reference
            if (const QString kind = objectValueKind(outcome.value); !kind.isEmpty())
                return notAValue(QStringLiteral("the %1 script handed back %2 as the sensor value").arg(level.keyText(), kind));
            if (const QString kind = objectValueKind(answer); !kind.isEmpty())
                return notAValue(QStringLiteral("the %1 script returned %2, not True or False").arg(level.keyText(), kind));
            if (evaluationIsTrue(answer)) {
                outcome.result = EvaluationResult::Level;
                outcome.level = &level;
                outcome.imageKey = level.keyText();
                outcome.resultText = QString::fromLatin1(level.result);
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

EvaluationOutcome evaluateScripts(ScriptControl &control, const SensorScripts &scripts, const EvaluationTexts &texts)
{
    RunSecrets secrets;
    EvaluationOutcome outcome;
    {
        const RunSecrets::Active active(secrets);
        outcome = runScripts(control, scripts, texts);
    }
    return maskedOutcome(std::move(outcome), secrets.list());
}
