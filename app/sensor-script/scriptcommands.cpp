#include "scriptcommands.h"

#include "commandline.h"
#include "exitcode.h"
#include "scriptfile.h"

#include "script/objects/runcontext.h"
#include "script/scriptcontrol.h"
#include "tools/scripterrorreport.h"
#include "tools/testevaluation.h"

#include <QString>
#include <QTextStream>

#include <optional>

namespace {

// Prints the script error report, with the run's passwords masked; returns
// the exit code of the phase that failed.
int fail(const ScriptErrorInfo &error, int exitCode, const QStringList &secrets = {})
{
    QString report = scriptErrorReport(error, secrets);
    QTextStream(stderr) << report.replace(QLatin1String("\r\n"), QLatin1String("\n")) << '\n';
    return exitCode;
}

// The script host for the command line's language and limits; false when
// the language cannot be set.
bool prepare(ScriptControl &control, const CommandLine &line)
{
    control.setTimeout(line.timeout());
    control.setMemoryLimit(line.memory());
    control.setReadOnly(line.readOnly());
    control.setOutput(line.debugOutput());
    return line.language().isEmpty() || control.setLanguage(line.language());
}

} // namespace

int runScriptCommand(const QStringList &args)
{
    CommandLine line("run", "FILE [ARG...]",
                     QStringLiteral("Runs the script's global code and then its Main with the ARGs, and prints Main's result."));
    line.addLanguageOption();
    line.addTimeoutOption();
    line.addMemoryOption();
    line.addReadOnlyOption();
    line.addDebugOption();
    line.addArgument(QStringLiteral("FILE"), QStringLiteral("The script file."));
    line.addArgument(QStringLiteral("ARG"), QStringLiteral("Main's arguments, as strings."), QStringLiteral("[ARG...]"));
    line.keepOptionsAfterArguments();
    if (const std::optional<int> done = line.parse(args, 1, -1))
        return *done;
    const std::optional<QString> code = readScriptFile(line.arguments().first(), "run");
    if (!code)
        return ExitNoInput;

    ScriptControl control;
    QVariantList mainArgs;
    for (const QString &arg : line.arguments().mid(1))
        mainArgs << arg;
    RunSecrets secrets;
    const RunSecrets::Active active(secrets);
    if (!prepare(control, line) || !control.check(*code))
        return fail(control.error(), ExitCompileError);
    // Global code, Main and the release of the script share the time-out
    // and the memory budget.
    const ScriptControl::RunScope run(control);
    if (!control.addCode(*code))
        return fail(control.error(), ExitRuntimeError, secrets.list());
    const std::optional<QVariant> result = control.run(QStringLiteral("Main"), mainArgs);
    if (!result || !control.close())
        return fail(control.error(), ExitRuntimeError, secrets.list());
    QTextStream(stdout) << maskedSecrets(evaluationValueText(*result), secrets.list()) << '\n';
    return ExitOk;
}

int checkScriptCommand(const QStringList &args)
{
    CommandLine line("check", "FILE", QStringLiteral("Compiles the script without running any of it."));
    line.addLanguageOption();
    line.addArgument(QStringLiteral("FILE"), QStringLiteral("The script file."));
    if (const std::optional<int> done = line.parse(args, 1, 1))
        return *done;
    const std::optional<QString> code = readScriptFile(line.arguments().first(), "check");
    if (!code)
        return ExitNoInput;

    ScriptControl control;
    if (!prepare(control, line) || !control.check(*code))
        return fail(control.error(), ExitCompileError);
    return ExitOk;
}
