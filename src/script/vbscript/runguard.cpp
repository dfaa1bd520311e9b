#include "runguard.h"

#include "errors.h"

namespace vbs {

void RunGuard::startClock(std::chrono::milliseconds limit)
{
    m_hasDeadline = limit.count() > 0;
    if (m_hasDeadline)
        m_deadline = std::chrono::steady_clock::now() + limit;
    detail::t_run.workLeft = detail::kPollUnits;
}

bool RunGuard::expired() const noexcept
{
    return cancel.load(std::memory_order_relaxed) || (m_hasDeadline && std::chrono::steady_clock::now() >= m_deadline);
}

void RunGuard::interrupt()
{
    interrupted = true;
    ScriptException ex(runtimeError(RuntimeError::UserInterrupt));
    ex.fatal = true;
    throw ex;
}

RunGuard *RunGuard::current() noexcept
{
    return detail::t_run.guard;
}

RunGuard::Scope::Scope(RunGuard &guard) noexcept : m_saved(detail::t_run.guard)
{
    detail::t_run.guard = &guard;
}

RunGuard::Scope::~Scope()
{
    detail::t_run.guard = m_saved;
}

namespace detail {

void pollRun()
{
    t_run.workLeft = kPollUnits;
    if (t_run.guard)
        t_run.guard->check();
}

bool pollRunQuietly() noexcept
{
    t_run.workLeft = kPollUnits;
    return t_run.guard && t_run.guard->expired();
}

} // namespace detail

} // namespace vbs
