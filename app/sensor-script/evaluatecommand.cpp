#include "evaluatecommand.h"

#include "commandline.h"
#include "exitcode.h"
#include "jobfile.h"
#include "pluginoutput.h"

#include "errorcore/error.h"
#include "model/sensorvalues.h"
#include "script/scriptcontrol.h"
#include "tools/scripterrorreport.h"
#include "tools/testevaluation.h"
#include "tools/workfolder.h"

#include <QRegularExpression>
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

// The options that shape the answer for a monitor.
struct CheckOptions
{
    QString label;
    QString unit;
    bool verbose = false;
};

// "the Warning script", "the general script": whose run an error ended.
QString scriptName(const QString &failedScript)
{
    return failedScript == QLatin1String("General") ? QStringLiteral("the general script")
                                                    : QStringLiteral("the %1 script").arg(failedScript);
}

PluginAnswer failedAnswer(const EvaluationOutcome &outcome, const CommandLine &line, const CheckOptions &options)
{
    PluginAnswer answer;
    if (outcome.error.Number == 18)
        answer.text = QStringLiteral("time-out: %1 was still running when the time-out of %2 s ended the check")
                          .arg(scriptName(outcome.failedScript), numberText(line.timeout() / 1000.0));
    else
        answer.text = QStringLiteral("script error %1 in %2: %3")
                          .arg(outcome.error.Number)
                          .arg(scriptName(outcome.failedScript), outcome.error.Description);
    if (options.verbose)
        answer.longOutput = outcome.errorReport;
    return answer;
}

PluginAnswer valueAnswer(const EvaluationOutcome &outcome, const SensorScripts &scripts, const CheckOptions &options)
{
    PluginAnswer answer;
    answer.state = stateOf(outcome).name;
    // A number in the one form every monitor reads; a masked value stays as
    // the run showed it, and gives no performance data.
    const std::optional<double> number = numericValue(outcome.value);
    const bool numeric = number && !outcome.valueText.contains(QLatin1String("****"));
    const QString text = numeric ? numberText(*number) : outcome.valueText;
    answer.text = outcome.result == EvaluationResult::NoComparable ? QStringLiteral("no level matched value ") + text
                                                                   : QStringLiteral("value ") + text;
    if (numeric) {
        // The thresholds of the levels a monitor alerts on, where their direction is known.
        QString warn, crit;
        for (std::size_t i = 0; scripts.evaluate && i < evalLevels.size(); ++i) {
            const QString range = levelAlertRange(scripts.levels[i].language, scripts.levels[i].code).value_or(QString());
            if (qstrcmp(evalLevels[i].monitorState, "CRITICAL") == 0)
                crit = range;
            else if (qstrcmp(evalLevels[i].monitorState, "WARNING") == 0)
                warn = range;
        }
        answer.perfData = perfData(options.label, *number, options.unit, warn, crit);
    }
    return answer;
}

PluginAnswer unknown(const QString &text)
{
    PluginAnswer answer;
    answer.text = text;
    return answer;
}

int answer(const PluginAnswer &answer, int exitCode)
{
    QTextStream(stdout) << answer.format();
    return exitCode;
}

} // namespace

int evaluateJobCommand(const QStringList &args)
{
    CommandLine line("evaluate", "JOB.xml",
                     QStringLiteral("Evaluates the job's sensor as the editor's test evaluation does and answers as a "
                                    "monitoring plugin: SENSOR <STATE> - value <value> | 'value'=<value>, exit 0 OK, "
                                    "1 WARNING, 2 CRITICAL, 3 UNKNOWN (also for every error, usage errors included)."));
    line.answerAsPlugin();
    line.addVersionOption();
    line.addTimeoutOption();
    line.addMemoryOption();
    line.addReadOnlyOption();
    line.addDebugOption();
    line.addValueOption({QStringLiteral("label")}, QStringLiteral("The performance data's label (default value)."),
                        QStringLiteral("name"));
    line.addValueOption({QStringLiteral("unit")},
                        QStringLiteral("The performance data's unit of measure: s, ms, us, %, B, KB, MB, TB, c or "
                                       "another word of letters (default none)."),
                        QStringLiteral("unit"));
    line.addValueOption({QStringLiteral("workdir")},
                        QStringLiteral("The folder relative paths of the job resolve against (default the job "
                                       "file's folder)."),
                        QStringLiteral("DIR"));
    line.addValueOption({QStringLiteral("v"), QStringLiteral("verbose")},
                        QStringLiteral("After the first line, the script error report of a failing script."), {});
    line.addArgument(QStringLiteral("JOB.xml"), QStringLiteral("The job file."));
    if (const std::optional<int> done = line.parse(args, 1, 1))
        return *done;

    CheckOptions options{line.value(QStringLiteral("label")), line.value(QStringLiteral("unit")),
                         line.flag(QStringLiteral("verbose"))};
    if (options.label.isEmpty())
        options.label = QStringLiteral("value");
    static const QRegularExpression badLabel(QStringLiteral("[=\\x00-\\x1f\\x7f|]"));
    if (options.label.contains(badLabel) || options.label.size() > 60)
        return line.usageError(QStringLiteral("--label takes at most 60 characters, without '=', '|' or line breaks"));
    static const QRegularExpression unitWord(QStringLiteral("^[A-Za-z%]{0,16}$"));
    if (!unitWord.match(options.unit).hasMatch())
        return line.usageError(QStringLiteral("--unit takes letters or % only: '%1'").arg(options.unit));

    const QString jobPath = line.arguments().first();
    SensorScripts scripts;
    try {
        scripts = readScripts(jobPath);
    } catch (...) {
        const Error error = toError(std::current_exception());
        QTextStream(stderr) << "sensor-script: error " << error.number << ": " << maskedSecrets(error.description) << '\n';
        return answer(unknown(QStringLiteral("cannot read the job: ") + maskedSecrets(error.description)), ExitUnknown);
    }
    // A monitor starts the check anywhere: relative paths in the job's
    // scripts (a database file, a file read) mean the job's own folder.
    const QString workFolder = line.value(QStringLiteral("workdir")).isEmpty()
                                   ? WorkFolder::ofJob(jobPath)
                                   : line.value(QStringLiteral("workdir"));
    const WorkFolder folder(workFolder);
    if (folder.failed())
        return answer(unknown(QStringLiteral("cannot change to the folder %1").arg(workFolder)), ExitUnknown);

    ScriptControl control;
    control.setTimeout(line.timeout());
    control.setMemoryLimit(line.memory());
    control.setReadOnly(line.readOnly());
    control.setOutput(line.debugOutput());
    const EvaluationOutcome outcome = evaluateScripts(control, scripts);
    if (outcome.failed()) {
        QString report = outcome.errorReport;
        QTextStream(stderr) << report.replace(QLatin1String("\r\n"), QLatin1String("\n")) << '\n';
        return answer(failedAnswer(outcome, line, options), ExitUnknown);
    }
    const QString reason =
        outcome.result == EvaluationResult::NotAValue ? outcome.resultText : meaninglessValue(outcome.value);
    if (!reason.isEmpty())
        return answer(unknown(reason), ExitUnknown);
    return answer(valueAnswer(outcome, scripts, options), stateOf(outcome).exitCode);
}
