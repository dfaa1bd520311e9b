#include "scriptcommands.h"

#include "scriptfile.h"

#include "script/bridge/automationobjects.h"
#include "script/bridge/scripterror.h"
#include "script/jscript/jscriptengine.h"
#include "script/vbscript/engine.h"
#include "tools/scripterrorreport.h"
#include "tools/testevaluation.h"

#include <QString>
#include <QTextStream>

#include <vector>

namespace {

constexpr int kCompileFailed = 1;
constexpr int kRunFailed = 2;
constexpr int kUsage = 64;
constexpr int kUnreadable = 66;

// Prints the script error report; returns the exit code of the phase that failed.
int fail(const ScriptErrorInfo &error, int exitCode)
{
    QString report = scriptErrorReport(error);
    QTextStream(stderr) << report.replace(QLatin1String("\r\n"), QLatin1String("\n")) << '\n';
    return exitCode;
}

struct Invocation
{
    bool jscript = false;
    int timeoutMs = 10000;
    QString file;
    QStringList scriptArgs;
};

// [--language VBScript|JScript] [--timeout MS] FILE [ARG...]; false (after a
// message) on bad usage.
bool parseArgs(const QStringList &args, const char *command, bool allowScriptArgs, Invocation &out)
{
    QTextStream err(stderr);
    int i = 0;
    while (i < args.size() && args[i].startsWith(QLatin1String("--"))) {
        const QString option = args[i];
        if (i + 1 >= args.size()) {
            err << "sensor-script " << command << ": " << option << " needs a value\n";
            return false;
        }
        const QString value = args[i + 1];
        if (option == QLatin1String("--language")) {
            if (value.compare(QLatin1String("JScript"), Qt::CaseInsensitive) == 0)
                out.jscript = true;
            else if (value.compare(QLatin1String("VBScript"), Qt::CaseInsensitive) == 0)
                out.jscript = false;
            else {
                err << "sensor-script " << command << ": unsupported language '" << value
                    << "' (VBScript or JScript)\n";
                return false;
            }
        } else if (option == QLatin1String("--timeout")) {
            bool ok = false;
            out.timeoutMs = value.toInt(&ok);
            if (!ok || out.timeoutMs < 0) {
                err << "sensor-script " << command << ": --timeout takes milliseconds (0 for none)\n";
                return false;
            }
        } else {
            err << "sensor-script " << command << ": unknown option " << option << '\n';
            return false;
        }
        i += 2;
    }
    if (i >= args.size() || (!allowScriptArgs && i + 1 < args.size())) {
        err << "usage: sensor-script " << command << " [--language VBScript|JScript]"
            << (allowScriptArgs ? " [--timeout MS] FILE [ARG...]" : " FILE") << '\n';
        return false;
    }
    out.file = args[i++];
    out.scriptArgs = args.mid(i);
    return true;
}

// Main's result as CStr writes it, or its TypeName for what CStr cannot write.
QString vbscriptDisplay(const vbs::Variant &v)
{
    if (v.isArray() || v.isObject())
        return QString::fromStdU16String(v.typeName());
    if (v.isNull())
        return QStringLiteral("Null");
    return QString::fromStdU16String(v.toString());
}

int runVBScript(const Invocation &inv, const QString &source)
{
    vbs::Engine engine;
    bridge::installAutomationObjects(engine);
    engine.setTimeLimit(std::chrono::milliseconds(inv.timeoutMs));
    const std::u16string code = source.toStdU16String();
    if (!engine.check(code))
        return fail(bridge::errorInfo(engine.lastError()), kCompileFailed);
    if (!engine.addCode(code))
        return fail(bridge::errorInfo(engine.lastError()), kRunFailed);
    std::vector<vbs::Variant> scriptArgs;
    for (const QString &arg : inv.scriptArgs)
        scriptArgs.emplace_back(arg.toStdU16String());
    vbs::Variant result;
    if (!engine.run(u"Main", scriptArgs, &result))
        return fail(bridge::errorInfo(engine.lastError()), kRunFailed);
    QString text;
    try {
        text = vbscriptDisplay(result);
    } catch (const vbs::ScriptException &e) {
        return fail(bridge::errorInfo(e.error), kRunFailed);
    }
    QTextStream(stdout) << text << '\n';
    return 0;
}

int runJScript(const Invocation &inv, const QString &code)
{
    JScriptEngine engine;
    engine.setTimeLimit(std::chrono::milliseconds(inv.timeoutMs));
    if (!engine.check(code))
        return fail(engine.error(), kCompileFailed);
    if (!engine.addCode(code))
        return fail(engine.error(), kRunFailed);
    QVariantList scriptArgs;
    for (const QString &arg : inv.scriptArgs)
        scriptArgs << arg;
    QVariant result;
    if (!engine.run(QStringLiteral("Main"), scriptArgs, result))
        return fail(engine.error(), kRunFailed);
    QTextStream(stdout) << evaluationValueText(result) << '\n';
    return 0;
}

} // namespace

int runScriptCommand(const QStringList &args)
{
    Invocation inv;
    if (!parseArgs(args, "run", true, inv))
        return kUsage;
    const std::optional<QString> source = readScriptFile(inv.file, "run");
    if (!source)
        return kUnreadable;
    return inv.jscript ? runJScript(inv, *source) : runVBScript(inv, *source);
}

int checkScriptCommand(const QStringList &args)
{
    Invocation inv;
    if (!parseArgs(args, "check", false, inv))
        return kUsage;
    const std::optional<QString> source = readScriptFile(inv.file, "check");
    if (!source)
        return kUnreadable;
    if (inv.jscript) {
        JScriptEngine engine;
        return engine.check(*source) ? 0 : fail(engine.error(), kCompileFailed);
    }
    vbs::Engine engine;
    return engine.check(source->toStdU16String()) ? 0 : fail(bridge::errorInfo(engine.lastError()), kCompileFailed);
}
