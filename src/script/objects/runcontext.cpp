#include "runcontext.h"

#include <algorithm>

namespace {

struct Context
{
    bool hasDeadline = false;
    std::chrono::steady_clock::time_point deadline;
    bool readOnly = false;
};

thread_local Context current;

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

RunContext::Scope::Scope(std::chrono::milliseconds limit, bool readOnly)
    : m_savedHasDeadline(current.hasDeadline), m_savedDeadline(current.deadline), m_savedReadOnly(current.readOnly)
{
    current.hasDeadline = limit.count() > 0;
    current.deadline = std::chrono::steady_clock::now() + limit;
    current.readOnly = readOnly;
}

RunContext::Scope::~Scope()
{
    current.hasDeadline = m_savedHasDeadline;
    current.deadline = m_savedDeadline;
    current.readOnly = m_savedReadOnly;
}
