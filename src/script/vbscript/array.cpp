#include "array.h"

#include "errors.h"

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

Ref<Array> Array::create(std::vector<Bound> bounds, bool fixed)
{
    if (bounds.empty() || bounds.size() > 60)
        raiseError(RuntimeError::SubscriptOutOfRange);
    const std::size_t total = totalCount(bounds);
    Ref<Array> a(new Array());
    a->m_bounds = std::move(bounds);
    a->m_data.resize(total);
    a->m_fixed = fixed;
    return a;
}

Ref<Array> Array::createEmpty()
{
    return Ref<Array>(new Array());
}

Ref<Array> Array::fromValues(std::vector<Variant> values)
{
    if (values.size() > maxElements())
        raiseError(RuntimeError::OutOfMemory);
    Ref<Array> a(new Array());
    a->m_bounds = {Bound{0, static_cast<std::int32_t>(values.size())}};
    a->m_data = std::move(values);
    return a;
}

Ref<Array> Array::clone() const
{
    Ref<Array> a(new Array());
    a->m_bounds = m_bounds;
    a->m_data = m_data;
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
    m_data.resize(total);
    m_bounds = bounds;
}

void Array::clearElements()
{
    for (Variant &v : m_data)
        v = Variant();
}

} // namespace vbs
