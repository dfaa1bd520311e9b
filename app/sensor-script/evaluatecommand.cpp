#include "evaluatecommand.h"

#include "commandline.h"
#include "exitcode.h"
#include "jobfile.h"
#include "pluginoutput.h"

#include "errorcore/error.h"
#include "model/sensorreading.h"
#include "script/scriptcontrol.h"
#include "tools/scripterrorreport.h"
#include "tools/testevaluation.h"

#include <QDir>
#include <QFileInfo>
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

PluginAnswer valueAnswer(const EvaluationOutcome &outcome, const EvaluationScripts &scripts, const CheckOptions &options)
{
    PluginAnswer answer;
    answer.state = stateOf(outcome.result).name;
    // A number in the one form every monitor reads; a masked value stays as
    // the run showed it, and gives no performance data.
    const std::optional<double> number = numericValue(outcome.value);
    const bool numeric = number && !outcome.valueText.contains(QLatin1String("****"));
    const QString text = numeric ? numberText(*number) : outcome.valueText;
    answer.text = outcome.result == EvaluationResult::NoComparable ? QStringLiteral("no level matched value ") + text
                                                                   : QStringLiteral("value ") + text;
    if (numeric) {
        QString warn, crit;
        if (scripts.evaluateData) {
            crit = levelAlertRange(scripts.dangerLanguage, scripts.dangerScript).value_or(QString());
            warn = levelAlertRange(scripts.warningLanguage, scripts.warningScript).value_or(QString());
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
    EvaluationScripts scripts;
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
                                   ? QFileInfo(jobPath).absolutePath()
                                   : line.value(QStringLiteral("workdir"));
    if (!QDir::setCurrent(workFolder))
        return answer(unknown(QStringLiteral("cannot change to the folder %1").arg(workFolder)), ExitUnknown);

    ScriptControl control;
    control.setTimeout(line.timeout());
    control.setMemoryLimit(line.memory());
    control.setReadOnly(line.readOnly());
    const EvaluationOutcome outcome = evaluateScripts(control, scripts);
    if (outcome.failed()) {
        QString report = outcome.errorReport;
        QTextStream(stderr) << report.replace(QLatin1String("\r\n"), QLatin1String("\n")) << '\n';
        return answer(failedAnswer(outcome, line, options), ExitUnknown);
    }
    if (const QString reason = meaninglessValue(outcome.value); !reason.isEmpty())
        return answer(unknown(reason), ExitUnknown);
    return answer(valueAnswer(outcome, scripts, options), stateOf(outcome.result).exitCode);
}
