// Math built-ins: Atn Cos Exp Log Sin Sqr Tan, Rnd and Randomize. Null gives
// Null; a value outside the function's domain raises 5, a result too large
// for a Double raises 6.
#include "builtins_library.h"
#include "rnd.h"

#include <chrono>
#include <algorithm>
#include <cmath>

namespace vbs {

namespace {

using namespace lib;

template <double (*F)(double), bool (*Valid)(double)>
Variant mathFunction(CallContext &, ArgRefs args)
{
    if (isNullArg(args, 0))
        return Variant::null();
    const double x = argDouble(args, 0);
    if (!Valid(x))
        raiseError(RuntimeError::InvalidProcedureCall);
    const double r = F(x);
    if (!std::isfinite(r))
        raiseError(RuntimeError::Overflow);
    return Variant::fromDouble(r);
}

bool anyValue(double) { return true; }
bool positive(double x) { return x > 0.0; }
bool nonNegative(double x) { return x >= 0.0; }

double atnOf(double x) { return std::atan(x); }
double cosOf(double x) { return std::cos(x); }
double sinOf(double x) { return std::sin(x); }
double tanOf(double x) { return std::tan(x); }
double expOf(double x) { return std::exp(x); }
double logOf(double x) { return std::log(x); }
double sqrOf(double x) { return std::sqrt(x); }

RndGenerator &generator(CallContext &ctx)
{
    std::any &slot = ctx.extension("rnd");
    if (!slot.has_value())
        slot = RndGenerator();
    return std::any_cast<RndGenerator &>(slot);
}

Variant fnRnd(CallContext &ctx, ArgRefs args)
{
    RndGenerator &rnd = generator(ctx);
    if (!argPresent(args, 0))
        return Variant::fromSingle(rnd.next());
    if (isNullArg(args, 0))
        raiseError(RuntimeError::InvalidUseOfNull);
    return Variant::fromSingle(rnd.withArgument(static_cast<float>(argDouble(args, 0))));
}

// Seconds since midnight, the seed Randomize uses without an argument.
double secondsToday()
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const auto t = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + ms / 1000.0;
}

Variant fnRandomize(CallContext &ctx, ArgRefs args)
{
    RndGenerator &rnd = generator(ctx);
    if (isNullArg(args, 0))
        raiseError(RuntimeError::InvalidUseOfNull);
    rnd.randomize(argPresent(args, 0) ? argDouble(args, 0) : secondsToday());
    return Variant();
}

// RGB(red, green, blue): each part rounded, above 255 taken as 255, below 0 is 5.
Variant fnRGB(CallContext &, ArgRefs args)
{
    std::int32_t colour = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        const std::int32_t part = std::min(longAtLeast(args, i, 0), 255);
        colour |= part << (8 * i);
    }
    return Variant::fromLong(colour);
}

} // namespace

void addMathBuiltins(BuiltinTable &t)
{
    t.add(u"Atn", 1, 1, mathFunction<atnOf, anyValue>);
    t.add(u"Cos", 1, 1, mathFunction<cosOf, anyValue>);
    t.add(u"Exp", 1, 1, mathFunction<expOf, anyValue>);
    t.add(u"Log", 1, 1, mathFunction<logOf, positive>);
    t.add(u"Sin", 1, 1, mathFunction<sinOf, anyValue>);
    t.add(u"Sqr", 1, 1, mathFunction<sqrOf, nonNegative>);
    t.add(u"Tan", 1, 1, mathFunction<tanOf, anyValue>);
    t.add(u"Rnd", 0, 1, fnRnd);
    t.add(u"Randomize", 0, 1, fnRandomize, BuiltinUse::StatementOnly);
    t.add(u"RGB", 3, 3, fnRGB);
}

} // namespace vbs
