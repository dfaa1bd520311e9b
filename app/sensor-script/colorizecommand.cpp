#include "colorizecommand.h"

#include "commandline.h"
#include "exitcode.h"
#include "scriptfile.h"

#include "script/colorizer/scriptcolorizer.h"
#include "script/colorizer/scriptdialect.h"

#include <QTextStream>

#include <optional>

int colorizeCommand(const QStringList &args)
{
    CommandLine line("colorize", "FILE",
                     QStringLiteral("Prints the rich text the script panes show for the file's script. Without "
                                    "--language the language is read from the text, as in the editor."));
    line.addLanguageOption();
    line.addArgument(QStringLiteral("FILE"), QStringLiteral("The script file."));
    if (const std::optional<int> done = line.parse(args, 1, 1))
        return *done;

    const std::optional<QString> text = readScriptFile(line.arguments().first(), "colorize");
    if (!text)
        return ExitNoInput;
    const std::optional<colorizer::ScriptDialect> dialect = colorizer::dialectFromName(line.language());
    const QString richText = dialect ? colorizer::ScriptColorizer::colorize(*text, *dialect)
                                     : colorizer::ScriptColorizer().ParseCode(*text);
    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    out << richText << '\n';
    return ExitOk;
}
