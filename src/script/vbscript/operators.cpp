#include "operators.h"
#include "text.h"

#include "array.h"
#include "errors.h"
#include "object.h"
#include "textbuilder.h"

#include <cfloat>
#include <cmath>
#include <limits>

namespace vbs::ops {

namespace {

using T = Variant::Type;
__extension__ typedef __int128 Int128;

// Precision ladder of arithmetic results.
enum Rank { RByte, RInteger, RLong, RSingle, RCurrency, RDouble, RDate };

// An operand reduced to a number subtype (strings parse to Double, Empty and
// Boolean become Integer). Null stays Null.
Variant numeric(const Variant &v)
{
    switch (v.type()) {
    case T::Empty: return Variant::fromInteger(0);
    case T::Boolean: return Variant::fromInteger(v.boolValue() ? -1 : 0);
    case T::String: return Variant::fromDouble(v.toDouble());
    case T::Object: return numeric(v.valueOf());
    case T::Error:
    case T::Array: raiseError(RuntimeError::TypeMismatch);
    default: return v;
    }
}

Rank rankOf(const Variant &v)
{
    switch (v.type()) {
    case T::Byte: return RByte;
    case T::Integer: return RInteger;
    case T::Long: return RLong;
    case T::Single: return RSingle;
    case T::Currency: return RCurrency;
    case T::Date: return RDate;
    default: return RDouble;
    }
}

Variant fitIntegral(std::int64_t r, Rank rank)
{
    if (rank == RByte && r >= 0 && r <= 255)
        return Variant::fromByte(static_cast<std::uint8_t>(r));
    if (rank <= RInteger && r >= -32768 && r <= 32767)
        return Variant::fromInteger(static_cast<std::int16_t>(r));
    if (r >= INT32_MIN && r <= INT32_MAX)
        return Variant::fromLong(static_cast<std::int32_t>(r));
    return Variant::fromDouble(static_cast<double>(r));
}

Variant checkedDouble(double r)
{
    if (!std::isfinite(r))
        raiseError(RuntimeError::Overflow);
    return Variant::fromDouble(r);
}

Variant checkedDate(double r)
{
    if (!(r >= -657434.0 && r < 2958466.0))
        raiseError(RuntimeError::Overflow);
    return Variant::fromDate(r);
}

enum class Arith { Add, Sub, Mul };

Variant arithmetic(Arith op, const Variant &a0, const Variant &b0)
{
    // Fast path: the common Integer/Long loop counters.
    if ((a0.type() == T::Integer || a0.type() == T::Long) && (b0.type() == T::Integer || b0.type() == T::Long)) {
        const std::int64_t x = a0.integralValue(), y = b0.integralValue();
        const std::int64_t r = op == Arith::Add ? x + y : op == Arith::Sub ? x - y : x * y;
        const Rank rank = (a0.type() == T::Long || b0.type() == T::Long) ? RLong : RInteger;
        return fitIntegral(r, rank);
    }
    if (a0.type() == T::Double && b0.type() == T::Double) {
        const double x = a0.doubleValue(), y = b0.doubleValue();
        return checkedDouble(op == Arith::Add ? x + y : op == Arith::Sub ? x - y : x * y);
    }
    if (a0.isNull() || b0.isNull())
        return Variant::null();
    const Variant a = numeric(a0), b = numeric(b0);
    if (a.isNull() || b.isNull())
        return Variant::null();
    const Rank ra = rankOf(a), rb = rankOf(b);
    Rank rank = ra > rb ? ra : rb;
    if (rank == RDate) {
        const double x = a.toDouble(), y = b.toDouble();
        if (op == Arith::Mul)
            return checkedDouble(x * y);
        if (op == Arith::Sub && ra == RDate && rb == RDate)
            return checkedDouble(x - y);
        return checkedDate(op == Arith::Add ? x + y : x - y);
    }
    if (rank == RSingle && (ra == RLong || rb == RLong))
        rank = RDouble;
    switch (rank) {
    case RByte:
    case RInteger:
    case RLong: {
        const std::int64_t x = a.integralValue(), y = b.integralValue();
        return fitIntegral(op == Arith::Add ? x + y : op == Arith::Sub ? x - y : x * y, rank);
    }
    case RSingle: {
        const double x = a.toDouble(), y = b.toDouble();
        const double r = op == Arith::Add ? x + y : op == Arith::Sub ? x - y : x * y;
        if (std::fabs(r) <= FLT_MAX)
            return Variant::fromSingle(static_cast<float>(r));
        return checkedDouble(r);
    }
    case RCurrency: {
        const std::int64_t x = a.toCurrency(), y = b.toCurrency();
        std::int64_t r;
        if (op == Arith::Mul) {
            const Int128 p = static_cast<Int128>(x) * y;
            Int128 q = p / 10000, rem = p % 10000;
            if (rem < 0) {
                rem += 10000;
                --q;
            }
            if (rem > 5000 || (rem == 5000 && (q & 1)))
                ++q;
            if (q > INT64_MAX || q < INT64_MIN)
                raiseError(RuntimeError::Overflow);
            r = static_cast<std::int64_t>(q);
        } else if (op == Arith::Add ? __builtin_add_overflow(x, y, &r) : __builtin_sub_overflow(x, y, &r)) {
            raiseError(RuntimeError::Overflow);
        }
        return Variant::fromCurrency(r);
    }
    default: {
        const double x = a.toDouble(), y = b.toDouble();
        return checkedDouble(op == Arith::Add ? x + y : op == Arith::Sub ? x - y : x * y);
    }
    }
}

// Operand of \, Mod and the bitwise operators: an integral value and the
// rank it keeps (Byte, Integer or Long).
struct IntOperand
{
    std::int64_t value;
    Rank rank;
};

IntOperand integral(const Variant &v)
{
    switch (v.type()) {
    case T::Empty: return {0, RInteger};
    case T::Boolean: return {v.boolValue() ? -1 : 0, RInteger};
    case T::Byte: return {v.byteValue(), RByte};
    case T::Integer: return {v.integerValue(), RInteger};
    case T::Long: return {v.longValue(), RLong};
    case T::Object: return integral(v.valueOf());
    default: return {v.toLong(), RLong};
    }
}

Variant fitBitwise(std::int64_t r, Rank rank)
{
    if (rank == RByte)
        return Variant::fromByte(static_cast<std::uint8_t>(r & 0xFF));
    if (rank == RInteger)
        return Variant::fromInteger(static_cast<std::int16_t>(r));
    return Variant::fromLong(static_cast<std::int32_t>(r));
}

// For the logical operators: a Boolean stays Boolean, a string saying
// True/False becomes Boolean, Empty a Long 0.
Variant logicalOperand(const Variant &v)
{
    if (v.isEmpty())
        return Variant::fromLong(0);
    if (v.isObject())
        return logicalOperand(v.valueOf());
    if (v.isString()) {
        const std::u16string &s = v.string();
        if (s == u"True" || s == u"False" || equalsNoCase(s, u"#TRUE#") || equalsNoCase(s, u"#FALSE#"))
            return Variant::fromBool(v.toBool());
        return Variant::fromLong(v.toLong());
    }
    return v;
}

enum class Bit { And, Or, Xor, Eqv, Imp };

std::int64_t bitOp(Bit op, std::int64_t x, std::int64_t y)
{
    switch (op) {
    case Bit::And: return x & y;
    case Bit::Or: return x | y;
    case Bit::Xor: return x ^ y;
    case Bit::Eqv: return ~(x ^ y);
    case Bit::Imp: return ~x | y;
    }
    return 0;
}

bool isZero(const Variant &v) { return v.isIntegral() ? v.integralValue() == 0 : (v.type() == T::Boolean ? !v.boolValue() : v.toDouble() == 0); }
bool isAllOnes(const Variant &v) { return v.type() == T::Boolean ? v.boolValue() : integral(v).value == -1; }

Variant logical(Bit op, const Variant &a0, const Variant &b0)
{
    if (a0.type() == T::Boolean && b0.type() == T::Boolean) {
        const bool x = a0.boolValue(), y = b0.boolValue();
        switch (op) {
        case Bit::And: return Variant::fromBool(x && y);
        case Bit::Or: return Variant::fromBool(x || y);
        case Bit::Xor: return Variant::fromBool(x != y);
        case Bit::Eqv: return Variant::fromBool(x == y);
        case Bit::Imp: return Variant::fromBool(!x || y);
        }
    }
    const Variant a = logicalOperand(a0), b = logicalOperand(b0);
    if (a.isNull() || b.isNull()) {
        if (a.isNull() && b.isNull())
            return Variant::null();
        const Variant &other = a.isNull() ? b : a;
        const bool otherIsLeft = b.isNull();
        auto same = [&](bool truth) {
            if (other.type() == T::Boolean)
                return Variant::fromBool(truth);
            return fitBitwise(truth ? -1 : 0, integral(other).rank);
        };
        switch (op) {
        case Bit::And:
            return isZero(other) ? same(false) : Variant::null();
        case Bit::Or:
            return isAllOnes(other) ? same(true) : Variant::null();
        case Bit::Imp:
            // A Byte keeps its width: every bit of x Imp Null is the
            // complement of x's.
            if (otherIsLeft && other.type() == T::Byte)
                return Variant::fromByte(static_cast<std::uint8_t>(~other.byteValue()));
            // False Imp Null and Null Imp True are True.
            if (otherIsLeft ? isZero(other) : isAllOnes(other))
                return same(true);
            return Variant::null();
        default:
            return Variant::null();
        }
    }
    if (a.type() == T::Boolean && b.type() == T::Boolean)
        return logical(op, a, b);
    const IntOperand x = integral(a), y = integral(b);
    const Rank rank = x.rank > y.rank ? x.rank : y.rank;
    return fitBitwise(bitOp(op, x.value, y.value), rank);
}

int sign(double d) { return d < 0 ? -1 : (d > 0 ? 1 : 0); }

int compareStrings(const std::u16string &a, const std::u16string &b)
{
    const int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

int compareNumbers(const Variant &a, const Variant &b)
{
    if (a.isIntegral() && b.isIntegral()) {
        const std::int32_t x = a.integralValue(), y = b.integralValue();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    if (a.type() == T::Currency && b.type() == T::Currency)
        return a.currencyValue() < b.currencyValue() ? -1 : (a.currencyValue() > b.currencyValue() ? 1 : 0);
    // A Single against a Double compares at the Single's precision:
    // CSng(0.1) = 0.1.
    if ((a.type() == T::Single && b.type() == T::Double) || (a.type() == T::Double && b.type() == T::Single)) {
        const double d = a.type() == T::Double ? a.toDouble() : b.toDouble();
        if (std::fabs(d) <= std::numeric_limits<float>::max()) {
            const float x = static_cast<float>(a.toDouble()), y = static_cast<float>(b.toDouble());
            return x < y ? -1 : (x > y ? 1 : 0);
        }
    }
    return sign(a.toDouble() - b.toDouble()) == 0 ? 0 : (a.toDouble() < b.toDouble() ? -1 : 1);
}

bool isNumberLike(const Variant &v) { return v.isArithmetic(); }

// x & y, charged before it is made.
Variant joined(std::u16string_view x, std::u16string_view y)
{
    TextBuilder out(x.size() + y.size());
    out.append(x);
    out.append(y);
    return out.take();
}

} // namespace

Variant add(const Variant &a, const Variant &b)
{
    if (a.isString() && b.isString())
        return joined(a.string(), b.string());
    if ((a.isString() && b.isEmpty()) || (a.isEmpty() && b.isString()))
        return a.isString() ? a : b;
    return arithmetic(Arith::Add, a, b);
}

Variant subtract(const Variant &a, const Variant &b) { return arithmetic(Arith::Sub, a, b); }
Variant multiply(const Variant &a, const Variant &b) { return arithmetic(Arith::Mul, a, b); }

Variant divide(const Variant &a0, const Variant &b0)
{
    if (a0.isNull() || b0.isNull())
        return Variant::null();
    const Variant a = numeric(a0), b = numeric(b0);
    if (a.isNull() || b.isNull())
        return Variant::null();
    const double x = a.toDouble(), y = b.toDouble();
    if (y == 0)
        raiseError(x == 0 ? RuntimeError::Overflow : RuntimeError::DivisionByZero);
    return checkedDouble(x / y);
}

Variant intDivide(const Variant &a0, const Variant &b0)
{
    if (a0.isNull() || b0.isNull())
        return Variant::null();
    const Variant a = a0.isObject() ? a0.valueOf() : a0, b = b0.isObject() ? b0.valueOf() : b0;
    if (a.isNull() || b.isNull())
        return Variant::null();
    const IntOperand x = integral(a), y = integral(b);
    if (y.value == 0)
        raiseError(RuntimeError::DivisionByZero);
    const Rank rank = x.rank > y.rank ? x.rank : y.rank;
    const std::int64_t r = x.value / y.value;
    if (rank == RLong && (r > INT32_MAX || r < INT32_MIN))
        raiseError(RuntimeError::Overflow);
    return fitIntegral(r, rank);
}

Variant modulo(const Variant &a0, const Variant &b0)
{
    if (a0.isNull() || b0.isNull())
        return Variant::null();
    const Variant a = a0.isObject() ? a0.valueOf() : a0, b = b0.isObject() ? b0.valueOf() : b0;
    if (a.isNull() || b.isNull())
        return Variant::null();
    const IntOperand x = integral(a), y = integral(b);
    if (y.value == 0)
        raiseError(RuntimeError::DivisionByZero);
    const Rank rank = x.rank > y.rank ? x.rank : y.rank;
    return fitIntegral(x.value % y.value, rank);
}

Variant power(const Variant &a0, const Variant &b0)
{
    if (a0.isNull() || b0.isNull())
        return Variant::null();
    const Variant a = numeric(a0), b = numeric(b0);
    if (a.isNull() || b.isNull())
        return Variant::null();
    const double x = a.toDouble(), y = b.toDouble();
    const double r = std::pow(x, y);
    if (std::isnan(r))
        raiseError(RuntimeError::InvalidProcedureCall);
    if (std::isinf(r))
        raiseError(x == 0 ? RuntimeError::InvalidProcedureCall : RuntimeError::Overflow);
    return Variant::fromDouble(r);
}

Variant concat(const Variant &a0, const Variant &b0)
{
    if (a0.isNull() && b0.isNull())
        return Variant::null();
    const Variant a = a0.isObject() ? a0.valueOf() : a0, b = b0.isObject() ? b0.valueOf() : b0;
    if (a.isNull() && b.isNull())
        return Variant::null();
    // Either side may be a long text: read where it is, converted otherwise.
    std::u16string converted[2];
    std::u16string_view side[2];
    bool odd[2] = {false, false}; // byte texts ending in half a unit
    const Variant *operand[2] = {&a, &b};
    for (int i = 0; i < 2; ++i) {
        if (operand[i]->isString()) {
            side[i] = operand[i]->string();
            odd[i] = operand[i]->stringData()->oddByte();
        } else if (!operand[i]->isNull()) {
            converted[i] = operand[i]->toString();
            side[i] = converted[i];
        }
    }
    Variant out = joined(side[0], odd[0] ? std::u16string_view() : side[1]);
    if (odd[0]) { // the right side moves down one byte
        out.stringData()->setOddByte();
        out.stringData()->append(side[1], odd[1]);
    } else if (odd[1]) {
        out.stringData()->setOddByte();
    }
    return out;
}

Variant negate(const Variant &a0)
{
    if (a0.isNull())
        return Variant::null();
    const Variant a = numeric(a0);
    switch (a.type()) {
    case T::Byte: return Variant::fromInteger(static_cast<std::int16_t>(-a.byteValue()));
    case T::Integer: return fitIntegral(-static_cast<std::int64_t>(a.integerValue()), RInteger);
    case T::Long: return fitIntegral(-static_cast<std::int64_t>(a.longValue()), RLong);
    case T::Single: return Variant::fromSingle(-a.singleValue());
    case T::Currency:
        if (a.currencyValue() == INT64_MIN)
            raiseError(RuntimeError::Overflow);
        return Variant::fromCurrency(-a.currencyValue());
    case T::Date: return checkedDate(-a.dateValue());
    case T::Null: return a;
    default: return Variant::fromDouble(-a.toDouble());
    }
}

Variant logicalNot(const Variant &a0)
{
    const Variant a = logicalOperand(a0);
    switch (a.type()) {
    case T::Null: return a;
    case T::Boolean: return Variant::fromBool(!a.boolValue());
    case T::Byte: return Variant::fromByte(static_cast<std::uint8_t>(~a.byteValue()));
    case T::Integer: return Variant::fromInteger(static_cast<std::int16_t>(~a.integerValue()));
    default: return Variant::fromLong(~a.toLong());
    }
}

Variant logicalAnd(const Variant &a, const Variant &b) { return logical(Bit::And, a, b); }
Variant logicalOr(const Variant &a, const Variant &b) { return logical(Bit::Or, a, b); }
Variant logicalXor(const Variant &a, const Variant &b) { return logical(Bit::Xor, a, b); }
Variant logicalEqv(const Variant &a, const Variant &b) { return logical(Bit::Eqv, a, b); }
Variant logicalImp(const Variant &a, const Variant &b) { return logical(Bit::Imp, a, b); }

int compareValues(const Variant &a0, const Variant &b0, bool aLiteral, bool bLiteral)
{
    if (a0.isIntegral() && b0.isIntegral())
        return compareNumbers(a0, b0);
    const Variant a = a0.isObject() ? a0.valueOf() : a0, b = b0.isObject() ? b0.valueOf() : b0;
    if (a.isNull() || b.isNull())
        return 2;
    if (a.isArray() || b.isArray() || a.type() == T::Error || b.type() == T::Error)
        raiseError(RuntimeError::TypeMismatch);
    if (a.isEmpty() && b.isEmpty())
        return 0;
    if (a.isString() && b.isString())
        return compareStrings(a.string(), b.string());
    if (a.isString() || b.isString()) {
        const Variant &s = a.isString() ? a : b;
        const Variant &o = a.isString() ? b : a;
        const bool sIsLeft = a.isString();
        const bool sLiteral = sIsLeft ? aLiteral : bLiteral, oLiteral = sIsLeft ? bLiteral : aLiteral;
        int r;
        if (o.isEmpty()) {
            r = compareStrings(s.string(), std::u16string());
        } else if (!sLiteral && !oLiteral) {
            r = 1; // a number (or Boolean) is less than a string
        } else if (o.type() == T::Boolean || !oLiteral) {
            // A literal on either side against a Boolean, or a string
            // literal against a computed number: the other side as text.
            r = compareStrings(s.string(), o.toString());
        } else {
            // A number or date literal: the string converts to a number (13
            // when it is not one).
            r = compareNumbers(Variant::fromDouble(s.toDouble()), o);
        }
        return sIsLeft ? r : -r;
    }
    if (isNumberLike(a) || a.isEmpty()) {
        if (isNumberLike(b) || b.isEmpty())
            return compareNumbers(numeric(a), numeric(b));
    }
    raiseError(RuntimeError::TypeMismatch);
}

Variant compare(Compare op, const Variant &a, const Variant &b, bool aLiteral, bool bLiteral)
{
    const int c = compareValues(a, b, aLiteral, bLiteral);
    if (c == 2)
        return Variant::null();
    switch (op) {
    case Compare::Eq: return Variant::fromBool(c == 0);
    case Compare::Ne: return Variant::fromBool(c != 0);
    case Compare::Lt: return Variant::fromBool(c < 0);
    case Compare::Gt: return Variant::fromBool(c > 0);
    case Compare::Le: return Variant::fromBool(c <= 0);
    case Compare::Ge: return Variant::fromBool(c >= 0);
    }
    return Variant::fromBool(false);
}

bool sameObject(const Variant &a, const Variant &b)
{
    if (!a.isObject() || !b.isObject())
        raiseError(RuntimeError::ObjectRequired);
    return a.object() == b.object();
}

bool isTrue(const Variant &v)
{
    if (v.type() == T::Boolean)
        return v.boolValue();
    if (v.isNull())
        return false;
    if (v.isObject())
        return isTrue(v.valueOf());
    return v.toBool();
}

} // namespace vbs::ops
