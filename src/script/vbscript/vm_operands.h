#pragma once

// What the loop (vm.cpp) computes in place: Integer, Long, Double and
// Boolean operands and comparisons of numbers or strings, each false (or 2)
// where the general rules of operators.h decide; and the emptying of
// registers. Inlined into the loop, which is why they live in a header.

#include "ast.h"
#include "fast_ops.h"
#include "variant.h"

#include <cstdint>

namespace vbs::loop {

using ast::BinOp;
namespace fast = ops::fast;

// Both Integer or Long: one test for the two.
[[gnu::always_inline]] inline bool integral(const Variant &a, const Variant &b)
{
    constexpr unsigned kInteger = static_cast<unsigned>(Variant::Type::Integer);
    static_assert(static_cast<unsigned>(Variant::Type::Long) == kInteger + 1);
    return ((static_cast<unsigned>(a.type()) - kInteger) | (static_cast<unsigned>(b.type()) - kInteger)) < 2;
}

// An Integer or Long result in `out`: Integer while both operands were
// Integer and it fits.
[[gnu::always_inline]] inline void setWhole(Variant &out, unsigned rank, std::int32_t r)
{
    auto t = static_cast<Variant::Type>(rank);
    if (t == Variant::Type::Integer && static_cast<std::int16_t>(r) != r)
        t = Variant::Type::Long;
    if (out.holdsCounted()) [[unlikely]]
        out = t == Variant::Type::Integer ? Variant::fromInteger(static_cast<std::int16_t>(r)) : Variant::fromLong(r);
    else
        out.setWhole(t, r);
}

// a op b for two Integer or Long operands in 32 bits; false: the result
// leaves Long (or the divisor is 0 or -1), for the 64-bit rules.
template <BinOp O>
[[gnu::always_inline]] inline bool whole(const Variant &a, const Variant &b, Variant &out)
{
    // Integer | Long is Long: the rank of the result.
    const unsigned rank = static_cast<unsigned>(a.type()) | static_cast<unsigned>(b.type());
    const std::int32_t x = a.wholeValue(), y = b.wholeValue();
    std::int32_t r;
    switch (O) {
    case BinOp::Add:
        if (__builtin_add_overflow(x, y, &r))
            return false;
        break;
    case BinOp::Sub:
        if (__builtin_sub_overflow(x, y, &r))
            return false;
        break;
    case BinOp::Mul:
        if (__builtin_mul_overflow(x, y, &r))
            return false;
        break;
    case BinOp::Mod:
        if (y == 0 || y == -1)
            return false;
        r = x % y;
        break;
    case BinOp::IntDiv:
        if (y == 0 || y == -1)
            return false;
        r = x / y;
        break;
    default: return false;
    }
    setWhole(out, rank, r);
    return true;
}

// a op b for two numbers; false: the general rules.
template <BinOp O>
[[gnu::always_inline]] inline bool arithmetic(const Variant &a, const Variant &b, Variant &out)
{
    if (integral(a, b)) [[likely]] {
        if (O != BinOp::Div && whole<O>(a, b, out)) [[likely]]
            return true;
        return fast::integral(O, a, b, out);
    }
    if (fast::isNumber(a) && fast::isNumber(b))
        return fast::floating(O, fast::doubleOf(a), fast::doubleOf(b), out);
    return false;
}

template <BinOp O>
[[gnu::always_inline]] inline bool logical(const Variant &a, const Variant &b, Variant &out)
{
    if (a.type() == Variant::Type::Boolean && b.type() == Variant::Type::Boolean)
        return fast::logical(O, a.boolValue(), b.boolValue(), out);
    return false;
}

// -1, 0 or 1 for two numbers or two strings; 2 when the general rules decide.
[[gnu::always_inline]] inline int order(const Variant &a, const Variant &b)
{
    if (integral(a, b)) {
        const std::int32_t x = a.wholeValue(), y = b.wholeValue();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    if (fast::isNumber(a) && fast::isNumber(b)) {
        const double x = fast::doubleOf(a), y = fast::doubleOf(b);
        return x == y ? 0 : (x < y ? -1 : (x > y ? 1 : 2));
    }
    if (a.isString() && b.isString()) {
        const int c = a.string().compare(b.string());
        return c < 0 ? -1 : (c > 0 ? 1 : 0);
    }
    return 2;
}

template <BinOp O>
[[gnu::always_inline]] inline bool holds(int c)
{
    switch (O) {
    case BinOp::Eq: return c == 0;
    case BinOp::Ne: return c != 0;
    case BinOp::Lt: return c < 0;
    case BinOp::Gt: return c > 0;
    case BinOp::Le: return c <= 0;
    default: return c >= 0;
    }
}

template <BinOp O>
[[gnu::always_inline]] inline bool holdsOf(std::int32_t x, std::int32_t y)
{
    switch (O) {
    case BinOp::Eq: return x == y;
    case BinOp::Ne: return x != y;
    case BinOp::Lt: return x < y;
    case BinOp::Gt: return x > y;
    case BinOp::Le: return x <= y;
    default: return x >= y;
    }
}

// Empties a register; what it held is released afterwards.
[[gnu::always_inline]] inline void clear(Variant &v) noexcept
{
    Variant old(std::move(v));
}

[[gnu::always_inline]] inline bool counted(const Variant &v)
{
    constexpr unsigned kCounted = (1u << static_cast<unsigned>(Variant::Type::String)) |
                                  (1u << static_cast<unsigned>(Variant::Type::Object)) |
                                  (1u << static_cast<unsigned>(Variant::Type::Array));
    return (1u << static_cast<unsigned>(v.type())) & kCounted;
}

} // namespace vbs::loop
