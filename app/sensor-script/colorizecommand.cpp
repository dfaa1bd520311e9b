#include "colorizecommand.h"

#include "scriptfile.h"

#include "script/colorizer/scriptcolorizer.h"
#include "script/colorizer/scriptdialect.h"

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

    const std::optional<QString> text = readScriptFile(args[i], "colorize");
    if (!text)
        return exitNoInput;
    const QString richText = dialect ? colorizer::ScriptColorizer::colorize(*text, *dialect)
                                     : colorizer::ScriptColorizer().ParseCode(*text);
    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    out << richText << '\n';
    return 0;
}
