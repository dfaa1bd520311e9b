#include "textbuilder.h"

#include "array.h"
#include "errors.h"
#include "runguard.h"

#include <algorithm>

namespace vbs {

namespace {
constexpr std::size_t kSlice = 1 << 16;
} // namespace

void appendChunked(std::u16string &dst, std::u16string_view src)
{
    while (src.size() > kSlice) {
        dst.append(src.substr(0, kSlice));
        src.remove_prefix(kSlice);
        work(kSlice);
    }
    dst.append(src);
    work(src.size());
}

void TextBuilder::reserve(std::size_t length)
{
    if (length > m_text.capacity())
        grow(length - m_text.size());
}

// Both buffers are charged while the text moves to the larger one: doubling
// when the budget allows it, else just what is needed.
void TextBuilder::grow(std::size_t more)
{
    const std::size_t size = m_text.size() + more;
    checkStringLength(size);
    if (size <= m_text.capacity())
        return;
    std::size_t capacity = std::min(std::max(size, 2 * m_text.capacity()), std::max(size, maxStringLength()));
    Reservation charged;
    try {
        charged.grow(StringData::cost(capacity));
    } catch (const ScriptException &) {
        capacity = size;
        charged.grow(StringData::cost(capacity));
    }
    std::u16string grown;
    grown.reserve(capacity);
    charged.resize(StringData::cost(grown.capacity()));
    appendChunked(grown, m_text);
    m_text.swap(grown);
    m_memory = std::move(charged);
}

void TextBuilder::append(std::u16string_view s)
{
    if (m_text.size() + s.size() > m_text.capacity())
        grow(s.size());
    appendChunked(m_text, s);
}

void TextBuilder::append(std::size_t count, char16_t c)
{
    if (m_text.size() + count > m_text.capacity())
        grow(count);
    while (count > kSlice) {
        m_text.append(kSlice, c);
        count -= kSlice;
        work(kSlice);
    }
    m_text.append(count, c);
    work(count);
}

Variant TextBuilder::take()
{
    Reservation charged = std::move(m_memory);
    return Variant(makeRef<StringData>(std::move(m_text), std::move(charged)));
}

} // namespace vbs
