#include "runcontext.h"

#include "script/engine/scriptrun.h"

#include <algorithm>

namespace {

struct Context
{
    const ScriptRun *run = nullptr;
    bool readOnly = false;
};

thread_local Context current;
thread_local RunSecrets *currentSecrets = nullptr;

} // namespace

std::optional<std::chrono::milliseconds> RunContext::remaining()
{
    const std::optional<std::chrono::milliseconds> left = current.run ? current.run->timeLeft() : std::nullopt;
    if (!left)
        return std::nullopt;
    return std::max(*left, std::chrono::milliseconds(1));
}

std::optional<std::size_t> RunContext::memoryLeft()
{
    return current.run ? current.run->memoryLeft() : std::nullopt;
}

std::optional<vbs::MemoryBudget> RunContext::memoryAccount()
{
    if (!current.run)
        return std::nullopt;
    return current.run->memoryAccount();
}

bool RunContext::readOnly()
{
    return current.readOnly;
}

void RunContext::rememberSecret(const QString &secret)
{
    if (currentSecrets)
        currentSecrets->remember(secret);
}

RunContext::Scope::Scope(const ScriptRun &run, bool readOnly)
    : m_savedRun(current.run), m_savedReadOnly(current.readOnly)
{
    current.run = &run;
    current.readOnly = readOnly;
}

RunContext::Scope::~Scope()
{
    current.run = m_savedRun;
    current.readOnly = m_savedReadOnly;
}

QStringList RunSecrets::list() const
{
    const std::lock_guard lock(m_lock);
    return m_secrets;
}

void RunSecrets::remember(const QString &secret)
{
    const std::lock_guard lock(m_lock);
    if (!secret.isEmpty() && !m_secrets.contains(secret))
        m_secrets.append(secret);
}

RunSecrets::Active::Active(RunSecrets &secrets) : m_saved(currentSecrets)
{
    currentSecrets = &secrets;
}

RunSecrets::Active::~Active()
{
    currentSecrets = m_saved;
}
