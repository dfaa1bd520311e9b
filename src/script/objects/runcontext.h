#pragma once

#include <QString>
#include <QStringList>

#include <chrono>
#include <cstddef>
#include <mutex>
#include <optional>

// What the automation objects need to know of the script call now running on
// this thread (ScriptControl sets it for each addCode and run): how long it
// may still take, since a database call gets no more than that, and whether
// it may change the user's files and data.
class RunContext
{
public:
    // Time left before the running call's deadline, at least 1 ms; nothing
    // when there is no limit (or no call runs).
    static std::optional<std::chrono::milliseconds> remaining();
    // True while a read-only call runs: the file object refuses writes and
    // databases are opened read-only.
    static bool readOnly();
    // Bytes the running call may still grow the process by before its
    // memory budget is spent (0 when it is spent); nothing when there is no
    // budget (or no call runs).
    static std::optional<std::size_t> memoryLeft();
    // Tells the run's exits a password a connection opened with (see
    // RunSecrets); nothing happens when no run keeps its secrets.
    static void rememberSecret(const QString &secret);

    // Sets the context for one call and restores the previous one after it.
    class Scope
    {
    public:
        // `memoryBudget`: bytes the call may grow the process by; 0 for none.
        Scope(std::chrono::milliseconds limit, bool readOnly, std::size_t memoryBudget = 0);
        ~Scope();
        Scope(const Scope &) = delete;
        Scope &operator=(const Scope &) = delete;

    private:
        bool m_savedHasDeadline;
        std::chrono::steady_clock::time_point m_savedDeadline;
        bool m_savedReadOnly;
        std::size_t m_savedMemoryCeiling;
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
