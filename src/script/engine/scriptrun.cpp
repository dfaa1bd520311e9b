#include "scriptrun.h"

#include "watchdog.h"

#include <algorithm>

ScriptRun::ScriptRun(std::chrono::milliseconds timeLimit, std::size_t memoryBudget)
    : m_timeLimit(std::max(timeLimit, std::chrono::milliseconds(0))),
      m_memoryBudget(memoryBudget),
      m_deadline(Clock::now() + m_timeLimit),
      m_account(memoryBudget)
{
    if (memoryBudget > 0) {
        const std::size_t resident = Watchdog::residentBytes();
        m_memoryCeiling = resident > 0 ? resident + memoryBudget : 0;
    }
}

std::optional<ScriptRun::Clock::time_point> ScriptRun::deadline() const
{
    if (m_timeLimit.count() <= 0)
        return std::nullopt;
    return m_deadline;
}

std::optional<std::chrono::milliseconds> ScriptRun::timeLeft() const
{
    if (m_timeLimit.count() <= 0)
        return std::nullopt;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(m_deadline - Clock::now());
    return std::max(left, std::chrono::milliseconds(0));
}

bool ScriptRun::overTime() const
{
    return m_timeLimit.count() > 0 && Clock::now() >= m_deadline;
}

std::optional<std::size_t> ScriptRun::memoryLeft() const
{
    if (m_memoryBudget == 0)
        return std::nullopt;
    std::size_t left = m_account.remaining();
    if (m_memoryCeiling > 0) {
        const std::size_t resident = Watchdog::residentBytes();
        left = std::min(left, resident < m_memoryCeiling ? m_memoryCeiling - resident : 0);
    }
    return left;
}
