#pragma once

#include "script/engine/scripterrorinfo.h"

#include <QString>
#include <QVariant>
#include <QVariantList>
#include <atomic>
#include <memory>
#include <mutex>

class ScriptEngine;

// The script host the editor and its dialogs use: one façade over the
// VBScript engine and the JScript engine, with the automation objects of
// script/objects reachable from both (CreateObject / new ActiveXObject).
//
// Calling pattern: setLanguage, addCode, then run "Main" or read error().
// Every failing call raises Error (errorcore/error.h) with the error's number,
// description and source, and leaves the same in error(); a successful call
// sets error().Number to 0. No script, however it behaves, hangs the caller
// past the time-out or crashes the process.
//
// A control is used by one thread at a time; only stop() may come from
// another thread.
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
    // Compiles the code only (a syntax check): nothing is added or run, in
    // either language.
    void check(const QString &code);

    // Runs a procedure of the added code. `args` are handed by reference:
    // where the language allows it, what the procedure assigns to a parameter
    // is written back into `args`. The result is a Boolean, a number, a
    // string, a date, an invalid QVariant for Empty, or std::nullptr_t for Null.
    QVariant run(const QString &name, QVariantList &args);
    QVariant run(const QString &name);

    // Ends the script: its global objects are released under the time-out
    // (a VBScript Class_Terminate runs then), and the control starts an
    // empty engine of the same language. Raises 18 when the time-out or
    // stop() cut the release short, so a caller hears of a script that
    // did not end cleanly.
    void close();

    const ScriptErrorInfo &error() const;

    // Milliseconds a single addCode or run may take before the script is
    // stopped with an error; 10000 by default. Zero or less: no limit.
    int timeout() const;
    void setTimeout(int milliseconds);

    // Megabytes by which a single addCode or run may grow the process before
    // the script is stopped with error 7 "Out of memory"; 512 by default.
    // Zero or less: no budget.
    int memoryLimit() const;
    void setMemoryLimit(int megabytes);

    // Read-only calls: the file object refuses every write, delete, copy and
    // move with error 70, and databases are opened read-only where the
    // driver allows. Off by default.
    bool readOnly() const;
    void setReadOnly(bool readOnly);

    // The one way to stop a script, safe from any thread: the call running
    // now ends with error 18 "User interrupt occurred" within moments, and
    // the control stays stopped: every later addCode, check or run (in any
    // language set afterwards) fails the same way at once.
    void stop();
    bool stopped() const;

private:
    // Ends a failed call: the engine's error stays in error() and is raised.
    [[noreturn]] void raise(const ScriptErrorInfo &error);
    // Hands the time-out and memory budget to the engine for the next call.
    void applyLimits();

    std::mutex m_engineLock; // stop() against setLanguage() replacing m_engine
    std::unique_ptr<ScriptEngine> m_engine;
    std::atomic<bool> m_stopped{false};
    QString m_language;
    ScriptErrorInfo m_error;
    int m_timeout = 10000;
    int m_memoryLimit = 512;
    bool m_readOnly = false;
};
