#include "showcommand.h"

#include "commandline.h"
#include "exitcode.h"
#include "jobfile.h"

#include "common/regional.h"
#include "errorcore/error.h"
#include "model/sensorvalues.h"

#include <QTextStream>

#include <optional>

namespace {

const char *const unitNames[] = {"Hour(s)", "Day(s)", "Month(s)", "Year(s)"};

QString onOff(int value)
{
    return value != 0 ? QStringLiteral("yes") : QStringLiteral("no");
}

// Script text indented under its heading, line ends of any kind shown as lines.
void printScript(QTextStream &out, const QString &script, const QString &indent)
{
    QString text = script;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString &line : lines)
        out << indent << line << '\n';
}

void printLevel(QTextStream &out, const cSensor &sensor, const EvalLevelName &level, const ScriptSource &script,
                double reference)
{
    out << "\n" << level.key << " (Type " << int(level.type) << ")\n";
    out << "  Language: " << script.language << '\n';
    out << "  Reference value: " << doubleToText(reference) << '\n';
    out << "  Script:\n";
    printScript(out, script.code, QStringLiteral("    | "));
    const QList<cEvent> events = sensor.GetEvalData(level.type).oEvents.GetEventsAsCollection();
    out << "  Events: " << events.size() << '\n';
    for (const cEvent &event : events) {
        out << "    " << event.GetName() << " (" << event.GetLanguage() << ")\n";
        printScript(out, event.GetEvalCode(), QStringLiteral("      | "));
    }
}

void printJob(QTextStream &out, const QString &path)
{
    const JobFile jobFile = readJobFile(path);
    const cJob &job = jobFile.job;
    out << "Job " << path << '\n';
    out << "  Type: " << job.GetType() << "  SubType: " << job.GetSubType()
        << "  ExecutionEngine: " << job.GetExecutionEngine() << '\n';
    out << "  Description: " << job.GetDefaultDescription() << '\n';

    cSensor sensor;
    if (!jobFile.bindSensor(sensor)) {
        out << "\nNew job: no sensor yet (the editor builds one from the sensor pattern).\n";
        return;
    }
    // Read as a whole first, as the editor reads it, so that a value the
    // editor refuses stops the listing before any of the sensor is printed.
    const SensorValues values = readSensorValues(sensor);
    const int unit = values.persistenceUnit;
    out << "\nSensor\n";
    out << "  Active: " << onOff(values.status) << "  In marquee: " << onOff(values.marquee)
        << "  Numeric values: " << onOff(values.numeric) << '\n';
    out << "  Data persistence: " << values.persistenceQuantity << ' '
        << (unit >= 0 && unit <= 3 ? unitNames[unit] : "(no unit)") << '\n';
    out << "  Evaluation: "
        << (values.scripts.evaluate ? "by levels (Danger, Warning, Good)" : "general script only") << '\n';
    out << "  General script (" << values.scripts.general.language << "):\n";
    printScript(out, values.scripts.general.code, QStringLiteral("    | "));

    for (std::size_t i = 0; i < evalLevels.size(); ++i)
        printLevel(out, sensor, evalLevels[i], values.scripts.levels[i], values.references[i]);
}

} // namespace

int showJobCommand(const QStringList &args)
{
    CommandLine line("show", "JOB.xml", QStringLiteral("Prints the job's sensor as the model reads it."));
    line.addArgument(QStringLiteral("JOB.xml"), QStringLiteral("The job file."));
    if (const std::optional<int> done = line.parse(args, 1, 1))
        return *done;

    QTextStream out(stdout);
    QTextStream err(stderr);
    try {
        printJob(out, line.arguments().first());
        return ExitOk;
    } catch (...) {
        out.flush();
        const Error error = toError(std::current_exception());
        err << "sensor-script: error " << error.number << ": " << error.description;
        if (!error.source.isEmpty())
            err << " (source:" << error.source << ")";
        err << '\n';
        return ExitShowFailed;
    }
}
