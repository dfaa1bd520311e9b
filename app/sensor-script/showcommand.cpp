#include "showcommand.h"

#include "commandline.h"
#include "exitcode.h"
#include "jobfile.h"

#include "common/regional.h"
#include "errorcore/error.h"

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

void printLevel(QTextStream &out, const cSensor &sensor, const char *name, int code)
{
    const cEvalData level = sensor.GetEvalData(code);
    if (level.isNothing()) {
        out << "\n" << name << " (Type " << code << "): missing\n";
        return;
    }
    out << "\n" << name << " (Type " << code << ")\n";
    out << "  Language: " << level.GetLanguage() << '\n';
    out << "  Reference value: " << doubleToText(level.GetReferenceValue()) << '\n';
    out << "  Script:\n";
    printScript(out, level.GetEvalCode(), QStringLiteral("    | "));
    const QList<cEvent> events = level.oEvents.GetEventsAsCollection();
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
    const int unit = sensor.GetPersistenceUnitTime();
    out << "\nSensor\n";
    out << "  Active: " << onOff(sensor.GetStatus()) << "  In marquee: " << onOff(sensor.GetMarquee())
        << "  Numeric values: " << onOff(sensor.GetNumeric()) << '\n';
    out << "  Data persistence: " << sensor.GetPersistenceQuantity() << ' '
        << (unit >= 0 && unit <= 3 ? unitNames[unit] : "(unknown unit)") << '\n';
    out << "  Evaluation: "
        << (sensor.GetEvaluation() != 0 ? "by levels (Danger, Warning, Good)" : "general script only") << '\n';
    out << "  General script (" << sensor.GetLanguage() << "):\n";
    printScript(out, sensor.GetEvalCode(), QStringLiteral("    | "));

    printLevel(out, sensor, "Danger", LevelDanger);
    printLevel(out, sensor, "Warning", LevelWarning);
    printLevel(out, sensor, "Good", LevelGood);
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
