#pragma once

// Inline shortcuts of the binary operators for the subtypes loops and
// recursions compute with: Integer, Long, Double and Boolean, and the
// comparison of two strings (always code unit by code unit). Each gives the
// result the general functions of operators.h give, or returns false when the
// operands need those functions (other subtypes, a zero divisor, an overflow
// they report). Used by the interpreter before it calls operators.h.

#include "ast.h"
#include "variant.h"

#include <cstdint>

namespace vbs::ops::fast {

[[gnu::always_inline]] inline bool isIntegerOrLong(const Variant &v)
{
    return v.type() == Variant::Type::Integer || v.type() == Variant::Type::Long;
}

[[gnu::always_inline]] inline bool isNumber(const Variant &v)
{
    return isIntegerOrLong(v) || v.type() == Variant::Type::Double;
}

[[gnu::always_inline]] inline std::int64_t intOf(const Variant &v)
{
    return v.type() == Variant::Type::Integer ? v.integerValue() : v.longValue();
}

[[gnu::always_inline]] inline double doubleOf(const Variant &v)
{
    return v.type() == Variant::Type::Double ? v.doubleValue() : static_cast<double>(intOf(v));
}

// An integral result: Integer while both operands were Integer and it fits,
// then Long, then Double.
[[gnu::always_inline]] inline Variant fitted(std::int64_t r, bool integerRank)
{
    if (integerRank && r >= INT16_MIN && r <= INT16_MAX)
        return Variant::fromInteger(static_cast<std::int16_t>(r));
    if (r >= INT32_MIN && r <= INT32_MAX)
        return Variant::fromLong(static_cast<std::int32_t>(r));
    return Variant::fromDouble(static_cast<double>(r));
}

[[gnu::always_inline]] inline bool compared(ast::BinOp op, int c, Variant &out)
{
    switch (op) {
    case ast::BinOp::Eq: out = Variant::fromBool(c == 0); return true;
    case ast::BinOp::Ne: out = Variant::fromBool(c != 0); return true;
    case ast::BinOp::Lt: out = Variant::fromBool(c < 0); return true;
    case ast::BinOp::Gt: out = Variant::fromBool(c > 0); return true;
    case ast::BinOp::Le: out = Variant::fromBool(c <= 0); return true;
    case ast::BinOp::Ge: out = Variant::fromBool(c >= 0); return true;
    default: return false;
    }
}

[[gnu::always_inline]] inline bool integral(ast::BinOp op, const Variant &a, const Variant &b, Variant &out)
{
    const std::int64_t x = intOf(a), y = intOf(b);
    const bool integerRank = a.type() == Variant::Type::Integer && b.type() == Variant::Type::Integer;
    switch (op) {
    case ast::BinOp::Add: out = fitted(x + y, integerRank); return true;
    case ast::BinOp::Sub: out = fitted(x - y, integerRank); return true;
    case ast::BinOp::Mul: out = fitted(x * y, integerRank); return true;
    case ast::BinOp::Div:
        if (y == 0)
            return false;
        out = Variant::fromDouble(static_cast<double>(x) / static_cast<double>(y));
        return true;
    case ast::BinOp::Mod:
        if (y == 0)
            return false;
        out = fitted(x % y, integerRank);
        return true;
    case ast::BinOp::IntDiv:
        if (y == 0 || y == -1)
            return false;
        out = fitted(x / y, integerRank);
        return true;
    default: return compared(op, x < y ? -1 : (x > y ? 1 : 0), out);
    }
}

[[gnu::always_inline]] inline bool floating(ast::BinOp op, double x, double y, Variant &out)
{
    double r;
    switch (op) {
    case ast::BinOp::Add: r = x + y; break;
    case ast::BinOp::Sub: r = x - y; break;
    case ast::BinOp::Mul: r = x * y; break;
    case ast::BinOp::Div:
        if (y == 0)
            return false;
        r = x / y;
        break;
    case ast::BinOp::Eq:
    case ast::BinOp::Ne:
    case ast::BinOp::Lt:
    case ast::BinOp::Gt:
    case ast::BinOp::Le:
    case ast::BinOp::Ge: {
        const double d = x - y;
        return compared(op, d == 0 ? 0 : (x < y ? -1 : 1), out);
    }
    default: return false;
    }
    if (r - r != 0) // infinite or NaN: the general path reports the overflow
        return false;
    out = Variant::fromDouble(r);
    return true;
}

[[gnu::always_inline]] inline bool logical(ast::BinOp op, bool x, bool y, Variant &out)
{
    switch (op) {
    case ast::BinOp::And: out = Variant::fromBool(x && y); return true;
    case ast::BinOp::Or: out = Variant::fromBool(x || y); return true;
    case ast::BinOp::Xor: out = Variant::fromBool(x != y); return true;
    case ast::BinOp::Eq: out = Variant::fromBool(x == y); return true;
    case ast::BinOp::Ne: out = Variant::fromBool(x != y); return true;
    default: return false;
    }
}

// a op b for the common subtypes; false: use operators.h.
[[gnu::always_inline]] inline bool binary(ast::BinOp op, const Variant &a, const Variant &b, Variant &out)
{
    if (isIntegerOrLong(a) && isIntegerOrLong(b))
        return integral(op, a, b, out);
    if (a.type() == Variant::Type::Boolean && b.type() == Variant::Type::Boolean)
        return logical(op, a.boolValue(), b.boolValue(), out);
    if (isNumber(a) && isNumber(b))
        return floating(op, doubleOf(a), doubleOf(b), out);
    if (a.isString() && b.isString()) {
        const int c = a.string().compare(b.string());
        return compared(op, c < 0 ? -1 : (c > 0 ? 1 : 0), out);
    }
    return false;
}

} // namespace vbs::ops::fast
