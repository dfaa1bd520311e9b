#include "commandline.h"

#include "exitcode.h"

#include "script/colorizer/scriptdialect.h"

#include <QCoreApplication>
#include <QTextStream>

#include <algorithm>
#include <cmath>

namespace {

const QString kLanguage = QStringLiteral("language");
const QString kTimeout = QStringLiteral("timeout");
const QString kMemory = QStringLiteral("memory");
const QString kReadOnly = QStringLiteral("read-only");
const QString kDebug = QStringLiteral("debug");
const QString kData = QStringLiteral("data");

} // namespace

CommandLine::CommandLine(const char *command, const char *syntax, const QString &description)
    : m_command(QString::fromLatin1(command)), m_syntax(QString::fromLatin1(syntax))
{
    m_parser.setApplicationDescription(description);
    m_parser.addHelpOption();
}

void CommandLine::addLanguageOption()
{
    m_hasLanguage = true;
    m_parser.addOption({kLanguage, QStringLiteral("The script's language: VBScript (default) or JScript."),
                        QStringLiteral("name")});
}

void CommandLine::addTimeoutOption()
{
    m_hasTimeout = true;
    m_parser.addOption({{QStringLiteral("t"), kTimeout},
                        QStringLiteral("Stop the scripts after this many seconds in all, fractions allowed: global "
                                       "code, Main and every level share it (0: never; default 10)."),
                        QStringLiteral("seconds")});
}

void CommandLine::addMemoryOption()
{
    m_hasMemory = true;
    m_parser.addOption({kMemory, QStringLiteral("Stop the scripts when they have grown the process by more than this many "
                                                "megabytes in all (0: no limit; default 512)."),
                        QStringLiteral("MB")});
}

void CommandLine::addFlag(const QString &name, const QString &description)
{
    m_parser.addOption({name, description});
}

void CommandLine::addReadOnlyOption()
{
    m_hasReadOnly = true;
    m_parser.addOption({kReadOnly, QStringLiteral("The script may not write, delete, copy or move files (error 70); "
                                                  "SQLite and PostgreSQL are opened read-only, other databases "
                                                  "not at all (error 70).")});
}

void CommandLine::addDebugOption()
{
    m_hasDebug = true;
    m_parser.addOption({kDebug, QStringLiteral("Writes what the scripts print (DebugPrint, and the prompts of MsgBox "
                                               "and InputBox, which do not wait) to standard error.")});
}

ScriptOutput CommandLine::debugOutput() const
{
    if (!m_hasDebug || !m_parser.isSet(kDebug))
        return {};
    return [](const QString &text) {
        QTextStream err(stderr);
        err << text << '\n';
        err.flush();
    };
}

void CommandLine::addDataOption(const QString &defaultFolder)
{
    m_hasData = true;
    m_parser.addOption({kData, QStringLiteral("The data folder: language files and sensor pattern (default %1).")
                                   .arg(defaultFolder),
                        QStringLiteral("DIR"), defaultFolder});
}

void CommandLine::addValueOption(const QStringList &names, const QString &description, const QString &valueName)
{
    m_parser.addOption({names, description, valueName});
}

void CommandLine::addVersionOption()
{
    m_hasVersion = true;
    m_parser.addOption({{QStringLiteral("V"), QStringLiteral("version")}, QStringLiteral("Print the version and end.")});
}

void CommandLine::addArgument(const QString &name, const QString &description, const QString &syntax)
{
    m_parser.addPositionalArgument(name, description, syntax);
}

void CommandLine::keepOptionsAfterArguments()
{
    m_parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
}

std::optional<int> CommandLine::parse(const QStringList &args, qsizetype minArguments, qsizetype maxArguments)
{
    // The parser skips the first word as the program's name.
    if (!m_parser.parse(QStringList{m_command} + args))
        return usageError(m_parser.errorText());
    if (m_parser.isSet(QStringLiteral("help"))) {
        QString help = m_parser.helpText();
        help = help.mid(help.indexOf(QLatin1Char('\n')) + 1); // the parser's own usage line names no command
        QTextStream(stdout) << "usage: sensor-script " << m_command << " [options] " << m_syntax << '\n' << help;
        return ExitOk;
    }
    if (m_hasVersion && m_parser.isSet(QStringLiteral("version"))) {
        QTextStream(stdout) << "sensor-script " << QCoreApplication::applicationVersion() << '\n';
        return ExitOk;
    }
    const qsizetype count = arguments().size();
    if (count < minArguments)
        return usageError(QStringLiteral("missing argument"));
    if (maxArguments >= 0 && count > maxArguments)
        return usageError(QStringLiteral("unexpected argument '%1'").arg(arguments().at(maxArguments)));

    if (m_hasLanguage && m_parser.isSet(kLanguage)) {
        const QString name = m_parser.value(kLanguage);
        const std::optional<colorizer::ScriptDialect> dialect = colorizer::dialectFromName(name);
        if (!dialect)
            return usageError(QStringLiteral("unknown language '%1' (VBScript or JScript)").arg(name));
        m_language = colorizer::dialectName(*dialect);
    }
    // An empty value (a monitor's unset macro) keeps the default.
    if (m_hasTimeout && m_parser.isSet(kTimeout) && !m_parser.value(kTimeout).isEmpty()) {
        // The C form (a point), whatever the locale; at most a day.
        bool ok = false;
        const double seconds = m_parser.value(kTimeout).trimmed().toDouble(&ok);
        if (!ok || !(seconds >= 0 && seconds <= 86400))
            return usageError(QStringLiteral("--timeout takes seconds, fractions allowed (0 for none): '%1'")
                                  .arg(m_parser.value(kTimeout)));
        m_timeout = seconds > 0 ? std::max(1, int(std::lround(seconds * 1000))) : 0;
    }
    if (m_hasMemory && m_parser.isSet(kMemory)) {
        bool ok = false;
        m_memory = m_parser.value(kMemory).toInt(&ok);
        if (!ok || m_memory < 0)
            return usageError(QStringLiteral("--memory takes megabytes (0 for none)"));
    }
    m_readOnly = m_hasReadOnly && m_parser.isSet(kReadOnly);
    if (m_hasData)
        m_dataFolder = m_parser.value(kData);
    return std::nullopt;
}

int CommandLine::usageError(const QString &message) const
{
    if (m_plugin) {
        // A monitor shows standard output: the reason goes there, as UNKNOWN.
        QTextStream(stdout) << "SENSOR UNKNOWN - " << QString(message).replace(u'|', u'/') << '\n';
        QTextStream(stderr) << "usage: sensor-script " << m_command << " [options] " << m_syntax
                            << "\n(sensor-script " << m_command << " --help for the options)\n";
        return ExitUnknown;
    }
    QTextStream(stderr) << "sensor-script " << m_command << ": " << message << "\nusage: sensor-script "
                        << m_command << " [options] " << m_syntax << "\n(sensor-script " << m_command
                        << " --help for the options)\n";
    return ExitUsage;
}
