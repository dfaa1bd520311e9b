// sensor-script: the sensor's scripts and job files without a window, for
// scheduler agents, continuous checks and a quick look at a job.
#include "colorizecommand.h"
#include "evaluatecommand.h"
#include "scriptcommands.h"
#include "showcommand.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

namespace {

struct Command
{
    const char *name;
    const char *usage;
    int (*run)(const QStringList &args);
};

const Command commands[] = {
    {"show", "show JOB.xml                 print the job's sensor as the model reads it", showJobCommand},
    {"run", "run [--language VBScript|JScript] [--timeout MS] FILE [ARG...]  run the script's Main and print its result", runScriptCommand},
    {"check", "check [--language VBScript|JScript] FILE         compile the script only", checkScriptCommand},
    {"colorize", "colorize [--language VBScript|JScript] FILE  print the script as coloured rich text", colorizeCommand},
    {"evaluate", "evaluate [--timeout MS] JOB.xml  evaluate the job's sensor as a monitoring plugin (exit 0-3)", evaluateJobCommand},
};

int usage(QTextStream &out)
{
    out << "usage: sensor-script COMMAND [ARGS]\n\ncommands:\n";
    for (const Command &command : commands)
        out << "  " << command.usage << '\n';
    return 64;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QTextStream err(stderr);
    if (args.isEmpty())
        return usage(err);
    const QString name = args.takeFirst();
    for (const Command &command : commands) {
        if (name == QLatin1String(command.name))
            return command.run(args);
    }
    err << "sensor-script: unknown command '" << name << "'\n\n";
    return usage(err);
}
