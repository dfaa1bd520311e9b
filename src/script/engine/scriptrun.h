#pragma once

#include "script/vbscript/budget.h"

#include <chrono>
#include <cstddef>
#include <optional>

// One run of scripts and the limits it has in all: a deadline and a memory
// budget that every call of the run shares, whichever script and engine
// makes it. The test evaluation makes one for the general script's global
// code and Main and every level script it asks; a single addCode or run of
// ScriptControl without one makes its own.
//
// The clock starts and the process's size is taken when the run is made;
// from then on the run is over time at the deadline and over budget when
// the process has grown by more than the budget, or when the memory
// account (charged by the engines before they allocate) would pass it.
// Immutable after construction but for the account's count, which is safe
// from any thread, so any thread (a watchdog) may read it.
class ScriptRun
{
public:
    using Clock = std::chrono::steady_clock;

    // A limit of zero or less sets no deadline; a budget of zero no bound
    // (nor where the process's size cannot be read).
    ScriptRun(std::chrono::milliseconds timeLimit, std::size_t memoryBudget);

    // The limits as given, for the error that names them.
    std::chrono::milliseconds timeLimit() const { return m_timeLimit; }
    std::size_t memoryBudget() const { return m_memoryBudget; }

    // The deadline; nothing without a time limit.
    std::optional<Clock::time_point> deadline() const;
    // Time left before the deadline, zero once it has passed; nothing
    // without a time limit.
    std::optional<std::chrono::milliseconds> timeLeft() const;
    bool overTime() const;

    // The process's resident size at which the run is over budget; 0 for none.
    std::size_t memoryCeiling() const { return m_memoryCeiling; }
    // Bytes the run may still take, zero once over budget; nothing without
    // a budget: the less of what the process may still grow by and what
    // the account has left. Reads the process's size: a few microseconds,
    // so ask before a large allocation or per batch of work, not per byte.
    std::optional<std::size_t> memoryLeft() const;

    // The account the VBScript engines of the run charge before each
    // allocation (and anything else that charges the run); copies share
    // it. Its limit is the budget (none without one).
    const vbs::MemoryBudget &memoryAccount() const { return m_account; }

private:
    std::chrono::milliseconds m_timeLimit;
    std::size_t m_memoryBudget;
    Clock::time_point m_deadline;
    std::size_t m_memoryCeiling = 0;
    vbs::MemoryBudget m_account;
};
