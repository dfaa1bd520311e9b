#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>
#include <memory>

// What the last operation of a ScriptControl left: Number 0 after success.
struct ScriptErrorInfo
{
    long Number = 0;
    QString Description;
    QString Source;          // "VBScript compilation error", "JScript runtime error", ...
    QString Text;            // the source line at the error
    long Line = 0;
    long Column = 0;
};

// The script host the editor and its dialogs use: one façade over the
// VBScript engine and the JScript engine, with the automation objects of
// script/objects reachable from both (CreateObject / new ActiveXObject).
//
// Calling pattern: setLanguage, addCode, then run "Main" or read error().
// Every failing call raises Error (common/error.h) with the error's number,
// description and source, and leaves the same in error(); a successful call
// sets error().Number to 0. No script, however it behaves, hangs the caller
// past the time-out or crashes the process.
class ScriptControl
{
public:
    ScriptControl();
    ~ScriptControl();
    ScriptControl(const ScriptControl &) = delete;
    ScriptControl &operator=(const ScriptControl &) = delete;

    QString language() const;
    // "VBScript" or "JScript" (case-insensitive); each call starts an empty
    // engine. Any other name raises 5 and keeps the current language.
    void setLanguage(const QString &language);

    // Compiles the code and runs its global statements.
    void addCode(const QString &code);

    // Runs a procedure of the added code. `args` are handed by reference:
    // where the language allows it, what the procedure assigns to a parameter
    // is written back into `args`. The result is a Boolean, a number, a
    // string, a date, an invalid QVariant for Empty, or std::nullptr_t for Null.
    QVariant run(const QString &name, QVariantList &args);
    QVariant run(const QString &name);

    const ScriptErrorInfo &error() const;

    // Milliseconds a single addCode or run may take before the script is
    // stopped with an error; 10000 by default. Zero or less: no limit.
    int timeout() const;
    void setTimeout(int milliseconds);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
