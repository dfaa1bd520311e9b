#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include "script/engine/scriptengine.h"

#include <optional>

// The command line of one command, read with QCommandLineParser: the
// options come first, then the positional arguments; --help (-h) prints the
// command's help.
class CommandLine
{
public:
    // `syntax` follows "sensor-script COMMAND [options]" in the usage line.
    CommandLine(const char *command, const char *syntax, const QString &description);

    // --language VBScript|JScript (also vbs, js, javascript; any case).
    void addLanguageOption();
    // -t, --timeout SECONDS: the whole run's limit in seconds, fractions
    // allowed (0 for none), 10 when not given.
    void addTimeoutOption();
    // --memory MB: the script's memory budget (0 for none), 512 when not given.
    void addMemoryOption();
    // --read-only: the script may not change files or databases.
    void addReadOnlyOption();
    // --debug: what the scripts print (DebugPrint, the prompts of MsgBox and
    // InputBox) goes to standard error as they print it; see debugOutput().
    void addDebugOption();
    // Where the scripts' output goes: standard error with --debug, else
    // nowhere (none).
    ScriptOutput debugOutput() const;
    // --data DIR: the data folder a host gives the editor (language files,
    // sensor pattern), `defaultFolder` when not given.
    void addDataOption(const QString &defaultFolder);
    // --NAME: a switch of this command alone; flag(NAME) tells if it was given.
    void addFlag(const QString &name, const QString &description);
    // A positional argument for the help text.
    void addArgument(const QString &name, const QString &description, const QString &syntax = {});
    // Everything after the first positional argument stays positional
    // (FILE ARG... where an ARG may look like an option).
    void keepOptionsAfterArguments();
    // Usage errors answer as a monitoring plugin: one "SENSOR UNKNOWN - ..."
    // line on standard output and ExitUnknown instead of ExitUsage.
    void answerAsPlugin() { m_plugin = true; }
    // -V, --version: prints the program's version and ends the command.
    void addVersionOption();

    // Reads `args` (the words after the command). Returns the exit code when
    // the command ends here: ExitOk after the help, ExitUsage after a message
    // on standard error; nothing when the command goes on.
    std::optional<int> parse(const QStringList &args, qsizetype minArguments, qsizetype maxArguments);

    QStringList arguments() const { return m_parser.positionalArguments(); }
    // "VBScript" or "JScript"; empty when --language was not given.
    QString language() const { return m_language; }
    // The time-out in milliseconds (0: none).
    int timeout() const { return m_timeout; }
    int memory() const { return m_memory; }
    bool readOnly() const { return m_readOnly; }
    QString dataFolder() const { return m_dataFolder; }
    bool flag(const QString &name) const { return m_parser.isSet(name); }
    // --NAME VALUE: an option with a value of this command alone.
    void addValueOption(const QStringList &names, const QString &description, const QString &valueName);
    QString value(const QString &name) const { return m_parser.value(name); }
    // Ends the command with a usage error of its own (after parse).
    int usageError(const QString &message) const;

private:

    QString m_command;
    QString m_syntax;
    QCommandLineParser m_parser;
    bool m_hasLanguage = false;
    bool m_hasTimeout = false;
    QString m_language;
    int m_timeout = 10000;
    bool m_hasMemory = false;
    int m_memory = 512;
    bool m_hasReadOnly = false;
    bool m_readOnly = false;
    bool m_hasDebug = false;
    bool m_hasData = false;
    bool m_plugin = false;
    bool m_hasVersion = false;
    QString m_dataFolder;
};
