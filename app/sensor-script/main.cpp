// sensor-script: the sensor's scripts and job files without a window, for
// scheduler agents, continuous checks and a quick look at a job.
#include "appenvironment.h"
#include "colorizecommand.h"
#include "evaluatecommand.h"
#include "exitcode.h"
#include "resavecommand.h"
#include "scriptcommands.h"
#include "showcommand.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

#include <cstring>
#include <memory>

namespace {

struct Command
{
    const char *name;
    const char *summary;
    int (*run)(const QStringList &args);
};

const Command commands[] = {
    {"show", "print the job's sensor as the model reads it", showJobCommand},
    {"run", "run the script's Main and print its result", runScriptCommand},
    {"check", "compile the script only", checkScriptCommand},
    {"colorize", "print the script as coloured rich text", colorizeCommand},
    {"evaluate", "evaluate the job's sensor as a monitoring plugin (exit 0-3)", evaluateJobCommand},
    {"resave", "open, validate and save the job as the editor does", resaveJobCommand},
};

void printUsage(QTextStream &out)
{
    out << "usage: sensor-script COMMAND [options] [ARGS]\n\ncommands:\n";
    for (const Command &command : commands)
        out << "  " << QString::fromLatin1(command.name).leftJustified(10) << command.summary << '\n';
    out << "\nsensor-script COMMAND --help shows a command's options and arguments.\n";
}

int usageError(const QString &message)
{
    QTextStream err(stderr);
    err << "sensor-script: " << message << "\n\n";
    printUsage(err);
    return ExitUsage;
}

} // namespace

int main(int argc, char **argv)
{
    // resave runs the editor's widgets, without a screen unless one is asked for.
    const bool widgets = argc > 1 && std::strcmp(argv[1], "resave") == 0 && !appenv::asksHelpOrVersion(argc, argv);
    if (widgets && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QTemporaryDir> runtimeDir = appenv::ensureRuntimeDir();
    appenv::dropWindowHintWarnings();
    const std::unique_ptr<QCoreApplication> application =
        widgets ? std::make_unique<QApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication &app = *application;
    QCoreApplication::setApplicationVersion(appenv::version());
    QCommandLineParser parser;
    // Everything from the command on is the command's own.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version({QStringLiteral("V"), QStringLiteral("version")},
                                     QStringLiteral("Print the version and end."));
    parser.addOption(version);
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("The command to run."));
    if (!parser.parse(app.arguments()))
        return usageError(parser.errorText());
    if (parser.isSet(help)) {
        QTextStream out(stdout);
        printUsage(out);
        return ExitOk;
    }
    if (parser.isSet(version)) {
        QTextStream(stdout) << "sensor-script " << QCoreApplication::applicationVersion() << '\n';
        return ExitOk;
    }
    QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        return usageError(QStringLiteral("no command given"));
    const QString name = args.takeFirst();
    for (const Command &command : commands) {
        if (name == QLatin1String(command.name))
            return command.run(args);
    }
    return usageError(QStringLiteral("unknown command '%1'").arg(name));
}
