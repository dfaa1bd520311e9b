#include "watchdog.h"

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

void Watchdog::arm(std::chrono::milliseconds limit)
{
    {
        const std::lock_guard lock(m_lock);
        m_fired = false;
        m_armed = limit.count() > 0;
        m_deadline = std::chrono::steady_clock::now() + limit;
    }
    m_wake.notify_all();
}

bool Watchdog::disarm()
{
    // The callback runs under the lock, so once we hold it, it has finished.
    const std::lock_guard lock(m_lock);
    m_armed = false;
    const bool fired = m_fired;
    m_fired = false;
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
        if (m_wake.wait_until(lock, m_deadline) == std::cv_status::timeout && m_armed
            && std::chrono::steady_clock::now() >= m_deadline) {
            m_armed = false;
            m_fired = true;
            m_onExpire();
        }
    }
}
