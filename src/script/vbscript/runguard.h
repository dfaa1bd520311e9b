#pragma once

#include "budget.h"

#include <atomic>
#include <chrono>
#include <cstddef>

namespace vbs {

// What holds the runs of one engine to their limits: the cancel flag another
// thread may set, the deadline of the run under way and the memory budget its
// allocations are charged to. While a run is under way on a thread its guard
// is that thread's current one, so the compiler, the built-ins and every
// allocation of a script value reach it without the engine being passed
// around: long work polls the deadline through work(), allocations charge
// through Reservation and chargeRun().
class RunGuard
{
public:
    std::atomic<bool> cancel{false};
    MemoryBudget budget;
    bool interrupted = false; // a poll stopped the run

    // The run starts now: a limit of zero sets no deadline.
    void startClock(std::chrono::milliseconds limit);
    bool hasDeadline() const noexcept { return m_hasDeadline; }
    // True once cancelled or past the deadline.
    bool expired() const noexcept;
    // Raises 18 "User interrupt occurred" (which On Error Resume Next does
    // not catch) when expired.
    void check()
    {
        if (expired())
            interrupt();
    }
    [[noreturn]] void interrupt();

    // The guard of the run under way on this thread, or null.
    static RunGuard *current() noexcept;

    // Makes a guard the current one of this thread until the scope ends.
    class Scope
    {
    public:
        explicit Scope(RunGuard &guard) noexcept;
        ~Scope();
        Scope(const Scope &) = delete;
        Scope &operator=(const Scope &) = delete;

    private:
        RunGuard *m_saved;
    };

private:
    std::chrono::steady_clock::time_point m_deadline;
    bool m_hasDeadline = false;
};

namespace detail {
struct ThreadRun
{
    RunGuard *guard = nullptr;
    std::ptrdiff_t workLeft = 0;
};
inline thread_local ThreadRun t_run;
inline constexpr std::ptrdiff_t kPollUnits = 1 << 16;
void pollRun();
bool pollRunQuietly() noexcept;
} // namespace detail

// Counts `units` of work done (characters scanned or copied, elements made,
// tokens read); every 65,536 units the current run's cancel flag and
// deadline are looked at, and past them the run ends with 18.
inline void work(std::size_t units)
{
    detail::t_run.workLeft -= static_cast<std::ptrdiff_t>(units);
    if (detail::t_run.workLeft < 0)
        detail::pollRun();
}

// The same for work inside code that cannot pass an exception on (a regular
// expression match): true when the run should stop.
inline bool workExpired(std::size_t units) noexcept
{
    detail::t_run.workLeft -= static_cast<std::ptrdiff_t>(units);
    return detail::t_run.workLeft < 0 && detail::pollRunQuietly();
}

// Charges `bytes` to the current run's budget: the account charged (refund
// it with refundTo), null outside a run; 7 "Out of memory" past the limit.
MemoryBudget::Account *chargeRun(std::size_t bytes);

} // namespace vbs
