#include "evaluatecommand.h"

#include "commandline.h"
#include "exitcode.h"
#include "jobfile.h"

#include "errorcore/error.h"
#include "model/sensorreading.h"
#include "script/scriptcontrol.h"
#include "tools/scripterrorreport.h"
#include "tools/testevaluation.h"

#include <QRegularExpression>
#include <QTextStream>

#include <cmath>
#include <optional>

namespace {

struct State
{
    const char *name;
    int exitCode;
};

State stateOf(EvaluationResult result)
{
    switch (result) {
    case EvaluationResult::Good:
    case EvaluationResult::NoEvaluate:
        return {"OK", ExitOk};
    case EvaluationResult::Warning:
        return {"WARNING", ExitWarning};
    case EvaluationResult::Danger:
        return {"CRITICAL", ExitCritical};
    case EvaluationResult::NoComparable:
        break;
    }
    return {"UNKNOWN", ExitUnknown};
}

// The scripts of the job's sensor, read as the editor reads the job: a value
// the editor refuses is refused here too.
EvaluationScripts readScripts(const QString &path)
{
    const JobFile jobFile = readJobFile(path);
    cSensor sensor;
    if (!jobFile.bindSensor(sensor))
        throw Error(91, QStringLiteral("The job has no sensor yet: %1").arg(path));
    const SensorValues values = readSensorValues(sensor);
    EvaluationScripts scripts;
    scripts.generalScript = values.script;
    scripts.generalLanguage = values.language;
    scripts.evaluateData = values.evaluation != 0;
    QString EvaluationScripts::*const levelScripts[] = {&EvaluationScripts::dangerScript,
                                                        &EvaluationScripts::warningScript,
                                                        &EvaluationScripts::goodScript};
    QString EvaluationScripts::*const levelLanguages[] = {&EvaluationScripts::dangerLanguage,
                                                          &EvaluationScripts::warningLanguage,
                                                          &EvaluationScripts::goodLanguage};
    static_assert(evalLevels[0].type == LevelDanger && evalLevels[2].type == LevelGood);
    for (std::size_t i = 0; i < values.levels.size(); ++i) {
        scripts.*levelScripts[i] = values.levels[i].script;
        scripts.*levelLanguages[i] = values.levels[i].language;
    }
    return scripts;
}

// Why a sensor value means nothing a level could judge; empty for a value
// that does.
QString meaninglessValue(const QVariant &value)
{
    if (!value.isValid())
        return QStringLiteral("the sensor value is Empty (does Main return a value?)");
    switch (value.metaType().id()) {
    case QMetaType::Nullptr:
        return QStringLiteral("the sensor value is Null");
    case QMetaType::QObjectStar:
    case QMetaType::QVariantMap:
        return QStringLiteral("the sensor value is an object, not a value");
    case QMetaType::QString: {
        // A JScript object reaches the host as its text, "[object Name]".
        static const QRegularExpression objectText(QStringLiteral("^\\[object [A-Za-z_$][\\w$]*\\]$"));
        if (objectText.match(value.toString()).hasMatch())
            return QStringLiteral("the sensor value is an object, not a value");
        break;
    }
    case QMetaType::Double:
    case QMetaType::Float:
        if (std::isnan(value.toDouble()))
            return QStringLiteral("the sensor value is not a number (NaN)");
        break;
    default:
        break;
    }
    return QString();
}

} // namespace

int evaluateJobCommand(const QStringList &args)
{
    CommandLine line("evaluate", "JOB.xml",
                     QStringLiteral("Evaluates the job's sensor as the editor's test evaluation does and answers as a "
                                    "monitoring plugin: SENSOR <STATE> - value <value>, exit 0 OK, 1 WARNING, "
                                    "2 CRITICAL, 3 UNKNOWN."));
    line.addTimeoutOption();
    line.addMemoryOption();
    line.addReadOnlyOption();
    line.addArgument(QStringLiteral("JOB.xml"), QStringLiteral("The job file."));
    if (const std::optional<int> done = line.parse(args, 1, 1))
        return *done;

    QTextStream out(stdout);
    QTextStream err(stderr);
    EvaluationScripts scripts;
    try {
        scripts = readScripts(line.arguments().first());
    } catch (...) {
        const Error error = toError(std::current_exception());
        out << "SENSOR UNKNOWN - cannot read the job: " << maskedSecrets(error.description) << '\n';
        err << "sensor-script: error " << error.number << ": " << maskedSecrets(error.description) << '\n';
        return ExitUnknown;
    }

    ScriptControl control;
    control.setTimeout(line.timeout());
    control.setMemoryLimit(line.memory());
    control.setReadOnly(line.readOnly());
    const EvaluationOutcome outcome = evaluateScripts(control, scripts);
    if (outcome.failed()) {
        out << "SENSOR UNKNOWN - script error " << outcome.error.Number << ": " << outcome.error.Description << '\n';
        QString report = outcome.errorReport;
        err << report.replace(QLatin1String("\r\n"), QLatin1String("\n")) << '\n';
        return ExitUnknown;
    }
    if (const QString reason = meaninglessValue(outcome.value); !reason.isEmpty()) {
        out << "SENSOR UNKNOWN - " << reason << '\n';
        return ExitUnknown;
    }
    const State state = stateOf(outcome.result);
    out << "SENSOR " << state.name << " - value " << outcome.valueText << '\n';
    return state.exitCode;
}
