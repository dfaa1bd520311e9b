#include "evaluatecommand.h"

#include "errorcore/error.h"
#include "jobfile.h"
#include "script/scriptcontrol.h"
#include "tools/testevaluation.h"

#include <QTextStream>

namespace {

constexpr int kUnknown = 3;

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
        return {"OK", 0};
    case EvaluationResult::Warning:
        return {"WARNING", 1};
    case EvaluationResult::Danger:
        return {"CRITICAL", 2};
    case EvaluationResult::NoComparable:
        break;
    }
    return {"UNKNOWN", kUnknown};
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
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList rest = args;
    int timeout = 10000;
    if (rest.size() >= 2 && rest.first() == QLatin1String("--timeout")) {
        bool ok = false;
        timeout = rest.at(1).toInt(&ok);
        if (!ok) {
            err << "sensor-script evaluate: --timeout needs a number of milliseconds\n";
            return 64;
        }
        rest = rest.mid(2);
    }
    if (rest.size() != 1) {
        err << "usage: sensor-script evaluate [--timeout MS] JOB.xml\n";
        return 64;
    }

    EvaluationScripts scripts;
    try {
        scripts = readScripts(rest.first());
    } catch (...) {
        const Error error = toError(std::current_exception());
        out << "SENSOR UNKNOWN - cannot read the job: " << error.description << '\n';
        err << "sensor-script: error " << error.number << ": " << error.description << '\n';
        return kUnknown;
    }

    ScriptControl control;
    control.setTimeout(timeout);
    const EvaluationOutcome outcome = evaluateScripts(control, scripts);
    if (outcome.failed()) {
        out << "SENSOR UNKNOWN - script error " << outcome.error.Number << ": " << outcome.error.Description << '\n';
        QString report = outcome.errorReport;
        err << report.replace(QLatin1String("\r\n"), QLatin1String("\n")) << '\n';
        return kUnknown;
    }
    const State state = stateOf(outcome.result);
    out << "SENSOR " << state.name << " - value " << outcome.valueText << '\n';
    return state.exitCode;
}
