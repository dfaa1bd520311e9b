#pragma once

#include "script/vbscript/budget.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <cstddef>
#include <mutex>
#include <optional>

class ScriptRun;

// What the automation objects need to know of the script run going on on
// this thread (ScriptControl sets it for each addCode and run): how long
// it may still take, since a database call gets no more than that, how much
// more memory it may take, and whether it may change the user's files and
// data. The run is the whole evaluation when the caller made one
// (ScriptRun), else the one call.
class RunContext
{
public:
    // Time left before the run's deadline, at least 1 ms; nothing when there
    // is no limit (or no call runs).
    static std::optional<std::chrono::milliseconds> remaining();
    // Bytes the run may still take before it is over its memory budget
    // (zero once over it): the less of what the process may still grow by
    // and what the run's account has left; nothing when there is no budget
    // (or no call runs). An object that is about to take a lot (rows of a query)
    // asks first and fails with 7 "Out of memory" rather than pass it. Reads
    // the process's size: ask per batch, not per byte.
    static std::optional<std::size_t> memoryLeft();
    // The run's memory account, shared with the engines of the run: an
    // object that keeps what it took (rows of a recordset) charges it with
    // tryCharge and refunds it when it lets go; the copy may outlive the
    // run. Nothing when no call runs.
    static std::optional<vbs::MemoryBudget> memoryAccount();
    // True while a read-only call runs: the file object refuses writes and
    // databases are opened read-only.
    static bool readOnly();
    // Tells the run's exits a password a connection opened with (see
    // RunSecrets); nothing happens when no run keeps its secrets.
    static void rememberSecret(const QString &secret);

    // Sets the context for one call of `run` and restores the previous one
    // after it. The run must outlive the scope.
    class Scope
    {
    public:
        Scope(const ScriptRun &run, bool readOnly);
        ~Scope();
        Scope(const Scope &) = delete;
        Scope &operator=(const Scope &) = delete;

    private:
        const ScriptRun *m_savedRun;
        bool m_savedReadOnly;
    };
};

// The passwords a run's connections opened with, so that whatever the run
// shows or logs afterwards (the script error report, a status line, a
// monitor's output) can mask them (maskSecrets) even when a script built
// them at run time. One per run, never global: the code that owns a run
// keeps one and activates it on the thread that runs the scripts.
class RunSecrets
{
public:
    QStringList list() const;
    void remember(const QString &secret);

    // Makes `secrets` the thread's current ones, and the previous ones again
    // after it.
    class Active
    {
    public:
        explicit Active(RunSecrets &secrets);
        ~Active();
        Active(const Active &) = delete;
        Active &operator=(const Active &) = delete;

    private:
        RunSecrets *m_saved;
    };

private:
    mutable std::mutex m_lock;
    QStringList m_secrets;
};
