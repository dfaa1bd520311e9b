#include "runcontext.h"

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {

struct Context
{
    bool hasDeadline = false;
    std::chrono::steady_clock::time_point deadline;
    bool readOnly = false;
    std::size_t memoryCeiling = 0;   // resident bytes at which the budget is spent; 0 for none
};

thread_local Context current;
thread_local RunSecrets *currentSecrets = nullptr;

// The process's resident size in bytes, 0 where it cannot be read.
std::size_t residentBytes()
{
    std::FILE *file = std::fopen("/proc/self/statm", "r");
    if (!file)
        return 0;
    unsigned long size = 0;
    unsigned long resident = 0;
    const int read = std::fscanf(file, "%lu %lu", &size, &resident);
    std::fclose(file);
    return read == 2 ? std::size_t(resident) * std::size_t(sysconf(_SC_PAGESIZE)) : 0;
}

} // namespace

std::optional<std::chrono::milliseconds> RunContext::remaining()
{
    if (!current.hasDeadline)
        return std::nullopt;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(current.deadline - std::chrono::steady_clock::now());
    return std::max(left, std::chrono::milliseconds(1));
}

bool RunContext::readOnly()
{
    return current.readOnly;
}

std::optional<std::size_t> RunContext::memoryLeft()
{
    if (current.memoryCeiling == 0)
        return std::nullopt;
    const std::size_t resident = residentBytes();
    return current.memoryCeiling > resident ? current.memoryCeiling - resident : 0;
}

void RunContext::rememberSecret(const QString &secret)
{
    if (currentSecrets)
        currentSecrets->remember(secret);
}

RunContext::Scope::Scope(std::chrono::milliseconds limit, bool readOnly, std::size_t memoryBudget)
    : m_savedHasDeadline(current.hasDeadline), m_savedDeadline(current.deadline), m_savedReadOnly(current.readOnly),
      m_savedMemoryCeiling(current.memoryCeiling)
{
    current.hasDeadline = limit.count() > 0;
    current.deadline = std::chrono::steady_clock::now() + limit;
    current.readOnly = readOnly;
    const std::size_t resident = memoryBudget > 0 ? residentBytes() : 0;
    current.memoryCeiling = resident > 0 ? resident + memoryBudget : 0;
}

RunContext::Scope::~Scope()
{
    current.hasDeadline = m_savedHasDeadline;
    current.deadline = m_savedDeadline;
    current.readOnly = m_savedReadOnly;
    current.memoryCeiling = m_savedMemoryCeiling;
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
