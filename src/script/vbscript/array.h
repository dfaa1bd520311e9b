#pragma once

#include "variant.h"

#include <cstdint>
#include <span>
#include <vector>

namespace vbs {

// The data of a VBScript array: bounds per dimension and the elements in
// column-major order (the first index varies fastest), so ReDim Preserve of
// the last dimension keeps every element in place. Variables share an Array
// until one of them writes to it (see Interpreter: copy on write). The
// elements' storage is charged to the run's budget before it is allocated
// (7 past it) and given back when the array goes; making, copying and
// growing a large array look at the deadline as they go.
class Array final : public RefCounted
{
public:
    struct Bound
    {
        std::int32_t lower = 0;
        std::int32_t count = 0; // upper = lower + count - 1
    };

    // The dimension 0..upper of Dim a(upper) or ReDim a(upper): 9 below -1,
    // 7 "Out of memory" when its count passes a Long.
    static Bound upTo(std::int32_t upper);
    // Raises 7 "Out of memory" when the element count passes the engine's
    // limit (see setMaxElements) and 9 for a negative size.
    static Ref<Array> create(std::vector<Bound> bounds, bool fixed = false);
    // A dynamic array with no dimensions yet (Dim a(), Erase): UBound raises 9.
    static Ref<Array> createEmpty();
    // A one-dimensional array 0..n-1 holding `values`.
    static Ref<Array> fromValues(std::vector<Variant> values);
    Ref<Array> clone() const;

    // Elements in storage order (For Each walks them so).
    std::size_t dimensions() const noexcept { return m_bounds.size(); }
    const Bound &bound(std::size_t dim) const { return m_bounds[dim]; }
    std::int32_t lowerBound(std::size_t dim) const { return m_bounds[dim].lower; }
    std::int32_t upperBound(std::size_t dim) const { return m_bounds[dim].lower + m_bounds[dim].count - 1; }
    std::size_t size() const noexcept { return m_data.size(); }

    // The element at `indices`; raises 9 "Subscript out of range" for a
    // wrong index or a wrong number of indices.
    Variant &at(std::span<const std::int32_t> indices);
    Variant &operator[](std::size_t flat) { return m_data[flat]; }
    const Variant &operator[](std::size_t flat) const { return m_data[flat]; }
    std::vector<Variant> &elements() noexcept { return m_data; }

    // A fixed array (Dim a(3)) cannot be ReDim'd: 10 "This array is fixed or
    // temporarily locked".
    bool isFixed() const noexcept { return m_fixed; }
    void setFixed(bool fixed) noexcept { m_fixed = fixed; }

    // ReDim Preserve: only the last dimension may change (9 otherwise).
    void resizePreserve(const std::vector<Bound> &bounds);
    // What an array of `elements` elements is charged.
    static std::size_t cost(std::size_t elements) noexcept { return sizeof(Array) + elements * sizeof(Variant); }
    // Erase of a fixed array: every element back to Empty.
    void clearElements();

    // Upper bound for the total number of elements of one array, and for the
    // length of one string (see checkStringLength); both raise 7.
    static void setMaxElements(std::size_t n) noexcept;
    static std::size_t maxElements() noexcept;

private:
    Array() = default;
    std::vector<Bound> m_bounds;
    void fill(std::size_t total);

    std::vector<Variant> m_data;
    bool m_fixed = false;
    Reservation m_memory; // cost() of the capacity
};

// Raises 7 "Out of memory" when a string of `length` UTF-16 units would pass
// the limit set with setMaxStringLength (default 2^28 units).
void checkStringLength(std::size_t length);
void setMaxStringLength(std::size_t n) noexcept;
std::size_t maxStringLength() noexcept;

} // namespace vbs
