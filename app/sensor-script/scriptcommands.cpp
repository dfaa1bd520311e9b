#include "scriptcommands.h"

#include "script/vbscript/engine.h"

#include <QFile>
#include <QString>
#include <QStringDecoder>
#include <QTextStream>

#include <vector>

namespace {

QString fromU16(const std::u16string &s)
{
    return QString::fromStdU16String(s);
}

// The script error report: seven lines, in the order the error dialogs use.
QString errorReport(const vbs::ScriptError &e)
{
    return QStringList{QStringLiteral("Error."),
                       QStringLiteral("Number: %1").arg(e.number),
                       QStringLiteral("Desc: %1").arg(fromU16(e.description)),
                       QStringLiteral("Column: %1").arg(e.column),
                       QStringLiteral("Line: %1").arg(e.line),
                       QStringLiteral("Text: %1").arg(fromU16(e.text)),
                       QStringLiteral("Source: %1").arg(fromU16(e.source))}
        .join(QLatin1Char('\n'));
}

// Prints the report; returns the exit code of the phase that failed.
int fail(const vbs::ScriptError &e, int exitCode)
{
    QTextStream err(stderr);
    err << errorReport(e) << '\n';
    return exitCode;
}

constexpr int kCompileFailed = 1;
constexpr int kRunFailed = 2;

struct Invocation
{
    QString file;
    QStringList scriptArgs;
};

// [--language VBScript] FILE [ARG...]; false (after a message) on bad usage.
bool parseArgs(const QStringList &args, const char *command, bool allowScriptArgs, Invocation &out)
{
    QTextStream err(stderr);
    int i = 0;
    if (i < args.size() && args[i] == QLatin1String("--language")) {
        if (i + 1 >= args.size()) {
            err << "sensor-script " << command << ": --language needs a value\n";
            return false;
        }
        if (args[i + 1].compare(QLatin1String("VBScript"), Qt::CaseInsensitive) != 0) {
            err << "sensor-script " << command << ": unsupported language '" << args[i + 1]
                << "' (VBScript only)\n";
            return false;
        }
        i += 2;
    }
    if (i >= args.size()) {
        err << "usage: sensor-script " << command << " [--language VBScript] FILE"
            << (allowScriptArgs ? " [ARG...]" : "") << '\n';
        return false;
    }
    out.file = args[i++];
    out.scriptArgs = args.mid(i);
    if (!allowScriptArgs && !out.scriptArgs.isEmpty()) {
        err << "usage: sensor-script " << command << " [--language VBScript] FILE\n";
        return false;
    }
    return true;
}

// The file's text: UTF-8 unless a byte order mark says UTF-16.
bool readScript(const QString &path, QString &text)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        QTextStream(stderr) << "sensor-script: cannot read " << path << ": " << file.errorString() << '\n';
        return false;
    }
    const QByteArray bytes = file.readAll();
    auto encoding = QStringConverter::encodingForData(bytes);
    QStringDecoder decoder(encoding.value_or(QStringConverter::Utf8));
    text = decoder(bytes);
    if (!text.isEmpty() && text.front() == QChar(0xFEFF))
        text.remove(0, 1);
    return true;
}

QString display(const vbs::Variant &v)
{
    if (v.isArray() || v.isObject())
        return fromU16(v.typeName());
    if (v.isNull())
        return QStringLiteral("Null");
    return fromU16(v.toString());
}

} // namespace

int runScriptCommand(const QStringList &args)
{
    Invocation inv;
    if (!parseArgs(args, "run", true, inv))
        return 64;
    QString source;
    if (!readScript(inv.file, source))
        return 66;
    vbs::Engine engine;
    const std::u16string code = source.toStdU16String();
    if (!engine.check(code))
        return fail(engine.lastError(), kCompileFailed);
    if (!engine.addCode(code))
        return fail(engine.lastError(), kRunFailed);
    std::vector<vbs::Variant> scriptArgs;
    for (const QString &a : inv.scriptArgs)
        scriptArgs.emplace_back(a.toStdU16String());
    vbs::Variant result;
    if (!engine.run(u"Main", scriptArgs, &result))
        return fail(engine.lastError(), kRunFailed);
    QString text;
    try {
        text = display(result);
    } catch (const vbs::ScriptException &e) {
        return fail(e.error, kRunFailed);
    }
    QTextStream(stdout) << text << '\n';
    return 0;
}

int checkScriptCommand(const QStringList &args)
{
    Invocation inv;
    if (!parseArgs(args, "check", false, inv))
        return 64;
    QString source;
    if (!readScript(inv.file, source))
        return 66;
    vbs::Engine engine;
    if (!engine.check(source.toStdU16String()))
        return fail(engine.lastError(), kCompileFailed);
    return 0;
}
