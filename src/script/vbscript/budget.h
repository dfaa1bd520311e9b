#pragma once

#include <cstddef>

namespace vbs {

// The memory a run may hold. One budget is shared by every engine of a run
// (Engine::setMemoryBudget) and by whatever else the host charges to it. The
// engine charges it before each allocation a script asks for (strings,
// arrays, class instances, dictionary entries, regular expression matches,
// compiled code) and gives the bytes back when they are freed; a charge that
// would pass the limit fails, nothing is allocated and the script gets 7
// "Out of memory".
//
// Copies share one count. Every member is safe from any thread. The count
// lives as long as a copy or a charged byte does, so values may outlive the
// engine and the host's copies of the budget.
class MemoryBudget
{
public:
    // A new count with this limit in bytes; 0 sets none (the count still runs).
    explicit MemoryBudget(std::size_t limitBytes = 0);
    MemoryBudget(const MemoryBudget &other) noexcept;
    MemoryBudget &operator=(const MemoryBudget &other) noexcept;
    ~MemoryBudget();

    std::size_t limit() const noexcept;
    // Bytes charged now.
    std::size_t held() const noexcept;
    // The most held at any time since the budget was made.
    std::size_t peak() const noexcept;
    // What a charge may still take (the largest size_t without a limit).
    std::size_t remaining() const noexcept;

    // Charges `bytes`; false, charging nothing, when that would pass the limit.
    bool tryCharge(std::size_t bytes) noexcept;
    // Gives back bytes charged before.
    void refund(std::size_t bytes) noexcept;

    bool operator==(const MemoryBudget &other) const noexcept { return m_account == other.m_account; }

    class Account;
    Account *account() const noexcept { return m_account; }

private:
    Account *m_account;
};

// Bytes charged to the budget of the run on this thread for as long as the
// reservation lives (see RunGuard). Outside a run it charges nothing. A
// charge past the limit raises 7 and leaves the reservation as it was.
class Reservation
{
public:
    Reservation() noexcept = default;
    explicit Reservation(std::size_t bytes) { grow(bytes); }
    Reservation(Reservation &&other) noexcept;
    Reservation &operator=(Reservation &&other) noexcept;
    Reservation(const Reservation &) = delete;
    Reservation &operator=(const Reservation &) = delete;
    ~Reservation() { clear(); }

    void grow(std::size_t bytes);
    void shrink(std::size_t bytes) noexcept;
    // Grows or shrinks to `bytes` in all.
    void resize(std::size_t bytes);
    void clear() noexcept;
    std::size_t bytes() const noexcept { return m_bytes; }

    // Hands the charge over: the caller refunds `bytes()` to the returned
    // account (null when nothing was charged) and the reservation is empty.
    MemoryBudget::Account *release() noexcept;

private:
    MemoryBudget::Account *m_account = nullptr;
    std::size_t m_bytes = 0;
};

// Gives bytes back to an account a released reservation charged (nothing
// for a null account).
void refundTo(MemoryBudget::Account *account, std::size_t bytes) noexcept;

} // namespace vbs
