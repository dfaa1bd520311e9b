#include "colorizecommand.h"

#include "script/colorizer/scriptcolorizer.h"
#include "script/colorizer/scriptdialect.h"

#include <QFile>
#include <QStringDecoder>
#include <QTextStream>

#include <optional>

namespace {

constexpr int exitUsage = 64;
constexpr int exitNoInput = 66;

int usage(QTextStream &err)
{
    err << "usage: sensor-script colorize [--language VBScript|JScript] FILE\n";
    return exitUsage;
}

// The file's text: UTF-8 unless a byte order mark says otherwise; nothing
// (after a message) when it cannot be read.
std::optional<QString> readText(const QString &path, QTextStream &err)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        err << "sensor-script colorize: cannot read " << path << ": " << file.errorString() << '\n';
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    QStringDecoder decoder(QStringConverter::encodingForData(bytes).value_or(QStringConverter::Utf8));
    QString text = decoder(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

} // namespace

int colorizeCommand(const QStringList &args)
{
    QTextStream err(stderr);
    std::optional<colorizer::ScriptDialect> dialect;
    qsizetype i = 0;
    if (i < args.size() && args[i] == QLatin1String("--language")) {
        if (i + 1 >= args.size())
            return usage(err);
        dialect = colorizer::dialectFromName(args[i + 1]);
        if (!dialect) {
            err << "sensor-script colorize: unknown language '" << args[i + 1]
                << "' (VBScript or JScript)\n";
            return exitUsage;
        }
        i += 2;
    }
    if (args.size() != i + 1)
        return usage(err);

    const std::optional<QString> text = readText(args[i], err);
    if (!text)
        return exitNoInput;
    const QString richText = dialect ? colorizer::ScriptColorizer::colorize(*text, *dialect)
                                     : colorizer::ScriptColorizer().ParseCode(*text);
    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    out << richText << '\n';
    return 0;
}
