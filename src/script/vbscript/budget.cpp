#include "budget.h"

#include "errors.h"
#include "runguard.h"

#include <atomic>
#include <cstdint>
#include <limits>

namespace vbs {

// One count for the bytes charged and the copies of the budget alike: each
// copy adds kCopy, so the account goes when the last copy and the last
// charged byte have gone, whichever is later, with no second counter to race.
class MemoryBudget::Account
{
public:
    static constexpr std::uint64_t kCopy = std::uint64_t(1) << 44;
    static constexpr std::uint64_t kBytes = kCopy - 1;

    explicit Account(std::size_t limit) : m_limit(limit) {}

    std::size_t limit() const noexcept { return m_limit; }
    std::size_t held() const noexcept { return static_cast<std::size_t>(m_count.load(std::memory_order_relaxed) & kBytes); }
    std::size_t peak() const noexcept { return static_cast<std::size_t>(m_peak.load(std::memory_order_relaxed)); }

    bool tryCharge(std::uint64_t bytes) noexcept
    {
        std::uint64_t count = m_count.load(std::memory_order_relaxed);
        std::uint64_t after;
        do {
            after = (count & kBytes) + bytes;
            if (bytes > kBytes || after > kBytes || (m_limit && after > m_limit))
                return false;
        } while (!m_count.compare_exchange_weak(count, count + bytes, std::memory_order_relaxed));
        std::uint64_t peak = m_peak.load(std::memory_order_relaxed);
        while (after > peak && !m_peak.compare_exchange_weak(peak, after, std::memory_order_relaxed)) {
        }
        return true;
    }

    void add(std::uint64_t units) noexcept { m_count.fetch_add(units, std::memory_order_relaxed); }

    void drop(std::uint64_t units) noexcept
    {
        if (units && m_count.fetch_sub(units, std::memory_order_acq_rel) == units)
            delete this;
    }

private:
    std::atomic<std::uint64_t> m_count{0};
    std::atomic<std::uint64_t> m_peak{0};
    const std::size_t m_limit;
};

MemoryBudget::MemoryBudget(std::size_t limitBytes) : m_account(new Account(limitBytes))
{
    m_account->add(Account::kCopy);
}

MemoryBudget::MemoryBudget(const MemoryBudget &other) noexcept : m_account(other.m_account)
{
    m_account->add(Account::kCopy);
}

MemoryBudget &MemoryBudget::operator=(const MemoryBudget &other) noexcept
{
    other.m_account->add(Account::kCopy);
    m_account->drop(Account::kCopy);
    m_account = other.m_account;
    return *this;
}

MemoryBudget::~MemoryBudget() { m_account->drop(Account::kCopy); }

std::size_t MemoryBudget::limit() const noexcept { return m_account->limit(); }
std::size_t MemoryBudget::held() const noexcept { return m_account->held(); }
std::size_t MemoryBudget::peak() const noexcept { return m_account->peak(); }

std::size_t MemoryBudget::remaining() const noexcept
{
    if (!limit())
        return std::numeric_limits<std::size_t>::max();
    const std::size_t held = this->held();
    return held < limit() ? limit() - held : 0;
}

bool MemoryBudget::tryCharge(std::size_t bytes) noexcept { return m_account->tryCharge(bytes); }
void MemoryBudget::refund(std::size_t bytes) noexcept { m_account->drop(bytes); }

void refundTo(MemoryBudget::Account *account, std::size_t bytes) noexcept
{
    if (account)
        account->drop(bytes);
}

MemoryBudget::Account *chargeRun(std::size_t bytes)
{
    RunGuard *guard = detail::t_run.guard;
    if (!guard)
        return nullptr;
    MemoryBudget::Account *account = guard->budget.account();
    if (!account->tryCharge(bytes))
        raiseError(RuntimeError::OutOfMemory);
    return account;
}

// --- Reservation -----------------------------------------------------------------

Reservation::Reservation(Reservation &&other) noexcept : m_account(other.m_account), m_bytes(other.m_bytes)
{
    other.m_account = nullptr;
    other.m_bytes = 0;
}

Reservation &Reservation::operator=(Reservation &&other) noexcept
{
    if (this != &other) {
        clear();
        m_account = other.m_account;
        m_bytes = other.m_bytes;
        other.m_account = nullptr;
        other.m_bytes = 0;
    }
    return *this;
}

void Reservation::grow(std::size_t bytes)
{
    if (bytes == 0)
        return;
    if (m_account) {
        if (!m_account->tryCharge(bytes))
            raiseError(RuntimeError::OutOfMemory);
    } else {
        m_account = chargeRun(bytes);
        if (!m_account)
            return;
    }
    m_bytes += bytes;
}

void Reservation::shrink(std::size_t bytes) noexcept
{
    if (bytes > m_bytes)
        bytes = m_bytes;
    m_bytes -= bytes;
    refundTo(m_account, bytes);
    if (m_bytes == 0)
        m_account = nullptr;
}

void Reservation::resize(std::size_t bytes)
{
    if (bytes > m_bytes)
        grow(bytes - m_bytes);
    else
        shrink(m_bytes - bytes);
}

void Reservation::clear() noexcept
{
    shrink(m_bytes);
}

MemoryBudget::Account *Reservation::release() noexcept
{
    MemoryBudget::Account *account = m_account;
    m_account = nullptr;
    m_bytes = 0;
    return account;
}

} // namespace vbs
