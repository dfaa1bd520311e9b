#include "jscriptcommands.h"

#include "scriptcommands.h"

#include "script/jscript/jscriptengine.h"
#include "tools/scripterrorreport.h"
#include "tools/testevaluation.h"

#include <QFile>
#include <QStringDecoder>
#include <QTextStream>

namespace {

constexpr int kCompileFailed = 1;
constexpr int kRunFailed = 2;

bool isJScript(const QStringList &args)
{
    return args.size() >= 2 && args[0] == QLatin1String("--language")
        && args[1].compare(QLatin1String("JScript"), Qt::CaseInsensitive) == 0;
}

int fail(const ScriptErrorInfo &error, int exitCode)
{
    QString report = scriptErrorReport(error);
    QTextStream(stderr) << report.replace(QLatin1String("\r\n"), QLatin1String("\n")) << '\n';
    return exitCode;
}

// The file's text: UTF-8 unless a byte order mark says otherwise.
bool readScript(const QString &path, QString &text)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        QTextStream(stderr) << "sensor-script: cannot read " << path << ": " << file.errorString() << '\n';
        return false;
    }
    const QByteArray bytes = file.readAll();
    QStringDecoder decoder(QStringConverter::encodingForData(bytes).value_or(QStringConverter::Utf8));
    text = decoder(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return true;
}

int usage(const char *command, bool scriptArgs)
{
    QTextStream(stderr) << "usage: sensor-script " << command << " --language JScript FILE"
                        << (scriptArgs ? " [ARG...]" : "") << '\n';
    return 64;
}

} // namespace

int runCommand(const QStringList &args)
{
    if (!isJScript(args))
        return runScriptCommand(args);
    if (args.size() < 3)
        return usage("run", true);
    QString code;
    if (!readScript(args[2], code))
        return 66;

    JScriptEngine engine;
    engine.setTimeLimit(std::chrono::milliseconds(10000));
    if (!engine.check(code))
        return fail(engine.error(), kCompileFailed);
    if (!engine.addCode(code))
        return fail(engine.error(), kRunFailed);
    QVariantList scriptArgs;
    for (const QString &arg : args.mid(3))
        scriptArgs << arg;
    QVariant result;
    if (!engine.run(QStringLiteral("Main"), scriptArgs, result))
        return fail(engine.error(), kRunFailed);
    QTextStream(stdout) << evaluationValueText(result) << '\n';
    return 0;
}

int checkCommand(const QStringList &args)
{
    if (!isJScript(args))
        return checkScriptCommand(args);
    if (args.size() != 3)
        return usage("check", false);
    QString code;
    if (!readScript(args[2], code))
        return 66;
    JScriptEngine engine;
    if (!engine.check(code))
        return fail(engine.error(), kCompileFailed);
    return 0;
}
