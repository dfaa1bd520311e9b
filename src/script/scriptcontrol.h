#pragma once

#include "script/engine/scripterrorinfo.h"
#include "script/engine/scriptengine.h"

#include <QString>
#include <QVariant>
#include <QVariantList>
#include <atomic>
#include <memory>
#include <mutex>
#include <optional>

class ScriptEngine;
class ScriptRun;

// The script host the editor and its dialogs use: one façade over the
// VBScript engine and the JScript engine, with the automation objects of
// script/objects reachable from both (CreateObject / new ActiveXObject).
//
// Calling pattern: setLanguage, addCode, then run "Main" or read error().
// Every call returns whether it succeeded (run: the procedure's value, or
// nothing) and leaves what failed in error(); a call that succeeds sets
// error().Number to 0. Nothing is raised. No script, however it behaves,
// hangs the caller past the time-out or crashes the process.
//
// Limits: each addCode, run and close is one run of its own with the
// control's time-out and memory budget, unless a RunScope makes several
// calls (in any language, over several setLanguage) one run that shares a
// single deadline and budget, as a test evaluation does.
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
    // engine. Any other name fails with 5 and keeps the current language.
    [[nodiscard]] bool setLanguage(const QString &language);

    // Compiles the code and runs its global statements.
    [[nodiscard]] bool addCode(const QString &code);
    // Compiles the code only (a syntax check): nothing is added or run, in
    // either language.
    [[nodiscard]] bool check(const QString &code);

    // Runs a procedure of the added code; nothing when it failed. `args` are
    // handed by reference: where the language allows it, what the procedure
    // assigns to a parameter is written back into `args`. The value is a
    // Boolean, a number, a string, a date, an invalid QVariant for Empty, or
    // std::nullptr_t for Null.
    [[nodiscard]] std::optional<QVariant> run(const QString &name, QVariantList &args);
    [[nodiscard]] std::optional<QVariant> run(const QString &name);

    // Ends the script: its global objects are released under the time-out
    // (a VBScript Class_Terminate runs then), and the control starts an
    // empty engine of the same language. Fails with 18 when the time-out or
    // stop() cut the release short, so a caller hears of a script that did
    // not end cleanly.
    [[nodiscard]] bool close();

    const ScriptErrorInfo &error() const;

    // Milliseconds a run may take before the script is stopped with an
    // error; 10000 by default. Zero or less: no limit.
    int timeout() const;
    void setTimeout(int milliseconds);

    // Megabytes by which a run may grow the process before the script is
    // stopped with error 7 "Out of memory"; 512 by default. Zero or less: no
    // budget.
    int memoryLimit() const;
    void setMemoryLimit(int megabytes);

    // Read-only calls: the file object refuses every write, delete, copy and
    // move with error 70, and databases are opened read-only where the
    // driver allows. Off by default.
    bool readOnly() const;
    void setReadOnly(bool readOnly);

    // Where the scripts' DebugPrint, MsgBox and InputBox write (see
    // ScriptEngine::setOutput), in every language set from now on; called
    // on the thread that runs the script. None (the default) drops it.
    void setOutput(ScriptOutput output);

    // The one way to stop a script, safe from any thread: the call running
    // now ends with error 18 "User interrupt occurred" within moments, and
    // the control stays stopped: every later addCode, check or run (in any
    // language set afterwards) fails the same way at once.
    void stop();
    bool stopped() const;

    // Makes the calls of a control, from its construction to its end, one
    // run: they share one deadline and one memory budget. The run is the
    // control's own time-out and memory budget counted from now, or one
    // given, which several controls may share. Scopes nest: the end of one
    // gives back the run that was before.
    class RunScope
    {
    public:
        explicit RunScope(ScriptControl &control);
        RunScope(ScriptControl &control, std::shared_ptr<const ScriptRun> run);
        ~RunScope();
        RunScope(const RunScope &) = delete;
        RunScope &operator=(const RunScope &) = delete;

        const std::shared_ptr<const ScriptRun> &run() const { return m_run; }

    private:
        ScriptControl &m_control;
        std::shared_ptr<const ScriptRun> m_run;
        std::shared_ptr<const ScriptRun> m_saved;
    };
    // A run of this control's time-out and memory budget, counted from now.
    std::shared_ptr<const ScriptRun> newRun() const;

private:
    // One addCode, run or close: under the scope's run (or one of its own),
    // with the error it leaves taken into error().
    template <class Call>
    bool call(Call &&body);
    // Fails a call with `number` and `description` before any engine runs.
    bool refuse(long number, const QString &description);

    std::mutex m_engineLock; // stop() against setLanguage() replacing m_engine
    std::unique_ptr<ScriptEngine> m_engine;
    std::atomic<bool> m_stopped{false};
    QString m_language;
    ScriptErrorInfo m_error;
    int m_timeout = 10000;
    int m_memoryLimit = 512;
    bool m_readOnly = false;
    ScriptOutput m_output;
    std::shared_ptr<const ScriptRun> m_run; // the RunScope's, or none
};
