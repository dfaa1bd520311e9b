#pragma once

#include <chrono>
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

    // Sets the context for one call and restores the previous one after it.
    class Scope
    {
    public:
        Scope(std::chrono::milliseconds limit, bool readOnly);
        ~Scope();
        Scope(const Scope &) = delete;
        Scope &operator=(const Scope &) = delete;

    private:
        bool m_savedHasDeadline;
        std::chrono::steady_clock::time_point m_savedDeadline;
        bool m_savedReadOnly;
    };
};
