#include "evaluatecommand.h"

#include "commandline.h"
#include "exitcode.h"
#include "jobfile.h"

#include "errorcore/error.h"
#include "script/scriptcontrol.h"
#include "tools/testevaluation.h"

#include <QTextStream>

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

// The scripts of the job's sensor, as the editor's panes would hold them.
EvaluationScripts readScripts(const QString &path)
{
    const JobFile jobFile = readJobFile(path);
    cSensor sensor;
    if (!jobFile.bindSensor(sensor))
        throw Error(91, QStringLiteral("The job has no sensor yet: %1").arg(path));
    EvaluationScripts scripts;
    scripts.generalScript = sensor.GetEvalCode();
    scripts.generalLanguage = sensor.GetLanguage();
    scripts.evaluateData = sensor.GetEvaluation() != 0;
    const struct
    {
        int level;
        QString EvaluationScripts::*script;
        QString EvaluationScripts::*language;
    } levels[] = {
        {LevelDanger, &EvaluationScripts::dangerScript, &EvaluationScripts::dangerLanguage},
        {LevelWarning, &EvaluationScripts::warningScript, &EvaluationScripts::warningLanguage},
        {LevelGood, &EvaluationScripts::goodScript, &EvaluationScripts::goodLanguage},
    };
    for (const auto &level : levels) {
        const cEvalData data = sensor.GetEvalData(level.level);
        if (data.isNothing())
            continue; // an empty script: its Main is missing when it is asked
        scripts.*level.script = data.GetEvalCode();
        scripts.*level.language = data.GetLanguage();
    }
    return scripts;
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
        out << "SENSOR UNKNOWN - cannot read the job: " << error.description << '\n';
        err << "sensor-script: error " << error.number << ": " << error.description << '\n';
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
    const State state = stateOf(outcome.result);
    out << "SENSOR " << state.name << " - value " << outcome.valueText << '\n';
    return state.exitCode;
}
