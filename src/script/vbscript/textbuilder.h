#pragma once

#include "budget.h"
#include "variant.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace vbs {

// A string a built-in or an operator builds for a script. Its capacity is
// charged to the run's budget before it grows and its length is held to the
// string limit (7 "Out of memory" for either, the text as it was); long
// appends look at the deadline as they go (18 past it).
class TextBuilder
{
public:
    TextBuilder() = default;
    // Room for `length` units at once, for when the length is known.
    explicit TextBuilder(std::size_t length) { reserve(length); }

    void reserve(std::size_t length);
    void append(std::u16string_view s);
    void append(std::size_t count, char16_t c);
    void push_back(char16_t c)
    {
        if (m_text.size() == m_text.capacity())
            grow(1);
        m_text.push_back(c);
    }
    std::size_t size() const noexcept { return m_text.size(); }
    const std::u16string &text() const noexcept { return m_text; }

    // The text as a String value, which takes the charge with it.
    Variant take();

private:
    void grow(std::size_t more);

    std::u16string m_text;
    Reservation m_memory; // StringData::cost of the capacity
};

// dst += src in slices, polling the deadline between them (see work()).
void appendChunked(std::u16string &dst, std::u16string_view src);

} // namespace vbs
