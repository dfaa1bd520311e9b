#include "watchdog.h"

#include "scriptrun.h"

#include <cstdio>

#if defined(__linux__)
#include <unistd.h>
#endif

namespace {

// How often the resident size is looked at while a memory budget is armed.
constexpr std::chrono::milliseconds kMemoryPoll{5};

} // namespace

Watchdog::Watchdog(std::function<void()> onExpire)
    : m_onExpire(std::move(onExpire)), m_thread([this] { loop(); })
{
}

Watchdog::~Watchdog()
{
    {
        const std::lock_guard lock(m_lock);
        m_quit = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

std::size_t Watchdog::residentBytes()
{
#if defined(__linux__)
    std::FILE *statm = std::fopen("/proc/self/statm", "r");
    if (!statm)
        return 0;
    unsigned long size = 0;
    unsigned long resident = 0;
    const int read = std::fscanf(statm, "%lu %lu", &size, &resident);
    std::fclose(statm);
    return read == 2 ? static_cast<std::size_t>(resident) * static_cast<std::size_t>(sysconf(_SC_PAGESIZE)) : 0;
#else
    return 0;
#endif
}

void Watchdog::arm(const ScriptRun &run)
{
    {
        const std::lock_guard lock(m_lock);
        m_fired = Fired::No;
        m_hasDeadline = run.deadline().has_value();
        m_deadline = run.deadline().value_or(std::chrono::steady_clock::time_point());
        m_memoryCeiling = run.memoryCeiling();
        m_armed = m_hasDeadline || m_memoryCeiling > 0;
    }
    m_wake.notify_all();
}

Watchdog::Fired Watchdog::disarm()
{
    // The callback runs under the lock, so once we hold it, it has finished.
    const std::lock_guard lock(m_lock);
    m_armed = false;
    const Fired fired = m_fired;
    m_fired = Fired::No;
    return fired;
}

void Watchdog::loop()
{
    std::unique_lock lock(m_lock);
    while (!m_quit) {
        if (!m_armed) {
            m_wake.wait(lock);
            continue;
        }
        auto wakeAt = m_hasDeadline ? m_deadline : std::chrono::steady_clock::time_point::max();
        if (m_memoryCeiling > 0)
            wakeAt = std::min(wakeAt, std::chrono::steady_clock::now() + kMemoryPoll);
        m_wake.wait_until(lock, wakeAt);
        if (!m_armed || m_quit)
            continue;
        Fired fired = Fired::No;
        if (m_hasDeadline && std::chrono::steady_clock::now() >= m_deadline)
            fired = Fired::Time;
        else if (m_memoryCeiling > 0 && residentBytes() > m_memoryCeiling)
            fired = Fired::Memory;
        if (fired != Fired::No) {
            m_armed = false;
            m_fired = fired;
            m_onExpire();
        }
    }
}
