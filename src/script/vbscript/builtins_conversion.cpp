// Conversion built-ins beyond the core: Abs, Fix, Int, Sgn, Hex, Oct,
// Round and IsDate. The
// result keeps the argument's subtype where VBScript keeps it (Integer stays
// Integer, Currency stays Currency); text and Empty are read as numbers.
#include "builtins_library.h"
#include "numformat.h"

#include <cmath>

namespace vbs {

namespace {

using namespace lib;

// Applies `f` to a number, keeping the subtype; Boolean and Empty become
// Integer, text and Date become Double (Date stays Date for Fix and Int).
// Currency goes through `C` on its scaled value, exactly.
template <double (*F)(double), std::int64_t (*C)(std::int64_t)>
Variant keepType(const Variant &v, bool dateStaysDate)
{
    switch (v.type()) {
    case Variant::Type::Empty: return Variant::fromInteger(0);
    case Variant::Type::Boolean:
    case Variant::Type::Integer: {
        const double r = F(v.toDouble());
        if (r > 32767)
            return Variant::fromLong(static_cast<std::int32_t>(r));
        return Variant::fromInteger(static_cast<std::int16_t>(r));
    }
    case Variant::Type::Byte: return Variant::fromByte(static_cast<std::uint8_t>(F(v.byteValue())));
    case Variant::Type::Long: {
        const double r = F(v.longValue());
        if (r > 2147483647.0)
            return Variant::fromDouble(r);
        return Variant::fromLong(static_cast<std::int32_t>(r));
    }
    case Variant::Type::Single: return Variant::fromSingle(static_cast<float>(F(v.singleValue())));
    case Variant::Type::Currency: return Variant::fromCurrency(C(v.currencyValue()));
    case Variant::Type::Date:
        if (dateStaysDate)
            return Variant::fromDate(F(v.dateValue()));
        return Variant::fromDouble(F(v.dateValue()));
    default: return Variant::fromDouble(F(v.toDouble()));
    }
}

double absOf(double x) { return std::fabs(x); }
double fixOf(double x) { return std::trunc(x); }
double intOf(double x) { return std::floor(x); }

// The same on Currency's value times 10,000; 6 where the result has no Currency.
std::int64_t absOfScaled(std::int64_t c)
{
    if (c == INT64_MIN)
        raiseError(RuntimeError::Overflow);
    return c < 0 ? -c : c;
}
std::int64_t fixOfScaled(std::int64_t c) { return c / 10000 * 10000; }
std::int64_t intOfScaled(std::int64_t c)
{
    std::int64_t whole = c / 10000;
    if (c % 10000 < 0)
        --whole;
    std::int64_t out = 0;
    if (__builtin_mul_overflow(whole, std::int64_t(10000), &out))
        raiseError(RuntimeError::Overflow);
    return out;
}

// Currency's value times 10,000 rounded half to even to `digits` decimals.
std::int64_t roundScaled(std::int64_t c, std::int32_t digits)
{
    if (digits >= 4)
        return c;
    std::int64_t unit = 1;
    for (std::int32_t k = digits; k < 4; ++k)
        unit *= 10;
    std::int64_t whole = c / unit, rest = c % unit;
    if (rest < 0) {
        rest += unit;
        --whole;
    }
    if (2 * rest > unit || (2 * rest == unit && (whole & 1)))
        ++whole;
    std::int64_t out = 0;
    if (__builtin_mul_overflow(whole, unit, &out))
        raiseError(RuntimeError::Overflow);
    return out;
}

template <double (*F)(double), std::int64_t (*C)(std::int64_t), bool DateStaysDate>
Variant numberFunction(CallContext &, ArgRefs args)
{
    const Variant v = argValue(args, 0);
    if (v.isNull())
        return Variant::null();
    if (v.isString())
        return Variant::fromDouble(F(argDouble(args, 0)));
    if (!v.isEmpty() && !v.isArithmetic())
        raiseError(RuntimeError::TypeMismatch);
    return keepType<F, C>(v, DateStaysDate);
}

Variant fnSgn(CallContext &, ArgRefs args)
{
    if (isNullArg(args, 0))
        raiseError(RuntimeError::InvalidUseOfNull);
    const double x = argDouble(args, 0);
    return Variant::fromInteger(static_cast<std::int16_t>(x > 0 ? 1 : x < 0 ? -1 : 0));
}

template <std::u16string (*F)(std::int64_t, int)>
Variant radixFunction(CallContext &, ArgRefs args)
{
    const Variant v = argValue(args, 0);
    if (v.isNull())
        return Variant::null();
    switch (v.type()) {
    case Variant::Type::Empty: return Variant(u"0");
    case Variant::Type::Byte:
    case Variant::Type::Integer:
    case Variant::Type::Boolean: return Variant(F(v.integralValue(), 16));
    default: return Variant(F(argLong(args, 0), 32));
    }
}

Variant fnRound(CallContext &, ArgRefs args)
{
    const std::int32_t digits = argPresent(args, 1) ? lib::longAtLeast(args, 1, 0) : 0;
    const Variant v = argValue(args, 0);
    if (v.isNull())
        return Variant::null();
    switch (v.type()) {
    case Variant::Type::Empty: return Variant::fromInteger(0);
    case Variant::Type::Boolean:
    case Variant::Type::Byte:
    case Variant::Type::Integer:
    case Variant::Type::Long: return v;
    case Variant::Type::Single: return Variant::fromSingle(static_cast<float>(roundToDigits(v.singleValue(), digits)));
    case Variant::Type::Currency: return Variant::fromCurrency(roundScaled(v.currencyValue(), digits));
    case Variant::Type::Date: return Variant::fromDate(roundToDigits(v.dateValue(), digits));
    default: return Variant::fromDouble(roundToDigits(argDouble(args, 0), digits));
    }
}

// IsDate: a Date, or text that CDate reads as a date.
Variant fnIsDate(CallContext &, ArgRefs args)
{
    Variant v;
    if (!argTestValue(args, 0, v))
        return Variant::fromBool(false);
    if (v.type() == Variant::Type::Date)
        return Variant::fromBool(true);
    double serial = 0;
    return Variant::fromBool(v.isString() && parseDate(v.string(), serial));
}

} // namespace

void addConversionBuiltins(BuiltinTable &t)
{
    t.add(u"Abs", 1, 1, numberFunction<absOf, absOfScaled, false>);
    t.add(u"Fix", 1, 1, numberFunction<fixOf, fixOfScaled, true>);
    t.add(u"Int", 1, 1, numberFunction<intOf, intOfScaled, true>);
    t.add(u"Sgn", 1, 1, fnSgn);
    t.add(u"Hex", 1, 1, radixFunction<hexText>);
    t.add(u"Oct", 1, 1, radixFunction<octText>);
    t.add(u"Round", 1, 2, fnRound);
    t.add(u"IsDate", 1, 1, fnIsDate);
}

} // namespace vbs
