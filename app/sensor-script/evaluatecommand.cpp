#include "evaluatecommand.h"

#include "commandline.h"
#include "exitcode.h"
#include "jobfile.h"

#include "errorcore/error.h"
#include "model/sensorvalues.h"
#include "script/scriptcontrol.h"
#include "tools/scripterrorreport.h"
#include "tools/testevaluation.h"

#include <QTextStream>

#include <cmath>
#include <iterator>
#include <optional>

namespace {

// The answer of a monitoring plugin for each state it reports.
struct PluginState
{
    const char *name;
    ExitCode exitCode;
};
constexpr PluginState pluginStates[] = {
    {"OK", ExitOk}, {"WARNING", ExitWarning}, {"CRITICAL", ExitCritical}, {"UNKNOWN", ExitUnknown}};

// The state of a completed run: a level's own state (the level table says
// which), OK without evaluation by levels, UNKNOWN when no level judged.
PluginState stateOf(const EvaluationOutcome &outcome)
{
    const char *name = outcome.result == EvaluationResult::Level ? outcome.level->monitorState
                       : outcome.result == EvaluationResult::NoEvaluate ? "OK"
                                                                       : "UNKNOWN";
    for (const PluginState &state : pluginStates)
        if (qstrcmp(state.name, name) == 0)
            return state;
    return pluginStates[std::size(pluginStates) - 1];
}

// The scripts of the job's sensor, read as the editor reads the job: a value
// the editor refuses is refused here too.
SensorScripts readScripts(const QString &path)
{
    const JobFile jobFile = readJobFile(path);
    cSensor sensor;
    if (!jobFile.bindSensor(sensor))
        throw Error(91, QStringLiteral("The job has no sensor yet: %1").arg(path));
    return readSensorValues(sensor).scripts;
}

// Why a sensor value means nothing a monitor could report; empty for a value
// that does. (An object or an array already ends the run: NotAValue.)
QString meaninglessValue(const QVariant &value)
{
    if (!value.isValid())
        return QStringLiteral("the sensor value is Empty (does Main return a value?)");
    switch (value.metaType().id()) {
    case QMetaType::Nullptr:
        return QStringLiteral("the sensor value is Null");
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
    SensorScripts scripts;
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
    const QString reason =
        outcome.result == EvaluationResult::NotAValue ? outcome.resultText : meaninglessValue(outcome.value);
    if (!reason.isEmpty()) {
        out << "SENSOR UNKNOWN - " << reason << '\n';
        return ExitUnknown;
    }
    const PluginState state = stateOf(outcome);
    out << "SENSOR " << state.name << " - value " << outcome.valueText << '\n';
    return state.exitCode;
}
