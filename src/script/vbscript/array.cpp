#include "array.h"

#include "errors.h"
#include "runguard.h"

#include <algorithm>
#include <atomic>

namespace vbs {

namespace {
std::atomic<std::size_t> g_maxElements{std::size_t(1) << 26};
std::atomic<std::size_t> g_maxString{std::size_t(1) << 28};

std::size_t totalCount(const std::vector<Array::Bound> &bounds)
{
    std::size_t total = 1;
    for (const Array::Bound &b : bounds) {
        if (b.count < 0)
            raiseError(RuntimeError::SubscriptOutOfRange);
        const std::size_t n = static_cast<std::size_t>(b.count);
        if (n != 0 && total > Array::maxElements() / n)
            raiseError(RuntimeError::OutOfMemory);
        total *= n;
    }
    if (total > Array::maxElements())
        raiseError(RuntimeError::OutOfMemory);
    return total;
}
} // namespace

void Array::setMaxElements(std::size_t n) noexcept { g_maxElements = n; }
std::size_t Array::maxElements() noexcept { return g_maxElements; }
void setMaxStringLength(std::size_t n) noexcept { g_maxString = n; }
std::size_t maxStringLength() noexcept { return g_maxString; }

void checkStringLength(std::size_t length)
{
    if (length > g_maxString)
        raiseError(RuntimeError::OutOfMemory);
}

Array::Bound Array::upTo(std::int32_t upper)
{
    if (upper < -1)
        raiseError(RuntimeError::SubscriptOutOfRange);
    if (upper == INT32_MAX)
        raiseError(RuntimeError::OutOfMemory);
    return {0, upper + 1};
}

namespace {
constexpr std::size_t kSlice = 1 << 14;
} // namespace

// Appends Empty elements up to `total` in slices, polling the deadline; the
// storage is reserved (and charged) by the caller.
void Array::fill(std::size_t total)
{
    while (m_data.size() < total) {
        const std::size_t n = std::min(total - m_data.size(), kSlice);
        m_data.resize(m_data.size() + n);
        work(n);
    }
}

Ref<Array> Array::create(std::vector<Bound> bounds, bool fixed)
{
    if (bounds.empty() || bounds.size() > 60)
        raiseError(RuntimeError::SubscriptOutOfRange);
    const std::size_t total = totalCount(bounds);
    Ref<Array> a(new Array());
    a->m_memory.grow(cost(total));
    a->m_bounds = std::move(bounds);
    a->m_data.reserve(total);
    a->fill(total);
    a->m_fixed = fixed;
    return a;
}

Ref<Array> Array::createEmpty()
{
    Ref<Array> a(new Array());
    a->m_memory.grow(cost(0));
    return a;
}

Ref<Array> Array::fromValues(std::vector<Variant> values)
{
    if (values.size() > maxElements())
        raiseError(RuntimeError::OutOfMemory);
    Ref<Array> a(new Array());
    a->m_memory.grow(cost(values.capacity()));
    a->m_bounds = {Bound{0, static_cast<std::int32_t>(values.size())}};
    a->m_data = std::move(values);
    return a;
}

Ref<Array> Array::clone() const
{
    Ref<Array> a(new Array());
    a->m_memory.grow(cost(m_data.size()));
    a->m_bounds = m_bounds;
    a->m_data.reserve(m_data.size());
    for (std::size_t i = 0; i < m_data.size(); i += kSlice) {
        const std::size_t end = std::min(m_data.size(), i + kSlice);
        a->m_data.insert(a->m_data.end(), m_data.begin() + static_cast<std::ptrdiff_t>(i),
                         m_data.begin() + static_cast<std::ptrdiff_t>(end));
        work(end - i);
    }
    a->m_fixed = m_fixed;
    return a;
}

Variant &Array::at(std::span<const std::int32_t> indices)
{
    if (indices.empty() || indices.size() != m_bounds.size())
        raiseError(RuntimeError::SubscriptOutOfRange);
    std::size_t flat = 0;
    std::size_t stride = 1;
    for (std::size_t d = 0; d < indices.size(); ++d) {
        const std::int64_t off = static_cast<std::int64_t>(indices[d]) - m_bounds[d].lower;
        if (off < 0 || off >= m_bounds[d].count)
            raiseError(RuntimeError::SubscriptOutOfRange);
        flat += static_cast<std::size_t>(off) * stride;
        stride *= static_cast<std::size_t>(m_bounds[d].count);
    }
    return m_data[flat];
}

void Array::resizePreserve(const std::vector<Bound> &bounds)
{
    if (bounds.size() != m_bounds.size())
        raiseError(RuntimeError::SubscriptOutOfRange);
    for (std::size_t d = 0; d + 1 < bounds.size(); ++d)
        if (bounds[d].lower != m_bounds[d].lower || bounds[d].count != m_bounds[d].count)
            raiseError(RuntimeError::SubscriptOutOfRange);
    const std::size_t total = totalCount(bounds);
    if (total > m_data.capacity()) {
        // Both buffers are charged while the elements move over.
        Reservation charged(cost(total));
        std::vector<Variant> grown;
        grown.reserve(total);
        for (Variant &v : m_data)
            grown.push_back(std::move(v));
        work(m_data.size());
        m_data.swap(grown);
        m_memory = std::move(charged);
    }
    if (total < m_data.size())
        m_data.resize(total);
    fill(total);
    m_bounds = bounds;
}

void Array::clearElements()
{
    for (Variant &v : m_data)
        v = Variant();
}

} // namespace vbs
