// Variant coercions the language cases do not reach: each row computes a value
// and expects "TypeName CStr" of it, or "err" and the number it raises.
#include "script/vbscript/errors.h"
#include "script/vbscript/operators.h"
#include "script/vbscript/text.h"
#include "script/vbscript/variant.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using vbs::Variant;

Variant d(double x) { return Variant::fromDouble(x); }
Variant i(std::int16_t x) { return Variant::fromInteger(x); }
Variant l(std::int32_t x) { return Variant::fromLong(x); }
Variant s(const char16_t *x) { return Variant(x); }

std::string described(const std::function<Variant()> &compute)
{
    try {
        const Variant v = compute();
        return vbs::toUtf8(v.typeName()) + " " + vbs::toUtf8(v.toString());
    } catch (const vbs::ScriptException &e) {
        return "err " + std::to_string(e.error.number);
    }
}

TEST(Variant, Coercions)
{
    const struct
    {
        const char *name;
        std::function<Variant()> compute;
        const char *expected;
    } rows[] = {
        {"CInt overflow", [] { return i(l(32768).toInteger()); }, "err 6"},
        {"CInt of a padded string", [] { return i(s(u" 12 ").toInteger()); }, "Integer 12"},
        {"CInt of a bad string", [] { return i(s(u"12a").toInteger()); }, "err 13"},
        {"CLng group separators", [] { return l(s(u"1,000").toLong()); }, "Long 1000"},
        {"CLng hex", [] { return l(s(u"&HFF").toLong()); }, "Long 255"},
        {"CLng Null", [] { return l(Variant::null().toLong()); }, "err 94"},
        {"CByte negative", [] { return Variant::fromByte(l(-1).toByte()); }, "err 6"},
        {"CDbl exponent", [] { return d(s(u"1.5E3").toDouble()); }, "Double 1500"},
        {"CDbl currency sign", [] { return d(s(u"$12.50").toDouble()); }, "Double 12.5"},
        {"CDbl parenthesised", [] { return d(s(u"(5)").toDouble()); }, "Double -5"},
        {"CStr 15 digits", [] { return d(1.0 / 3); }, "Double 0.333333333333333"},
        {"CStr sum", [] { return d(0.1 + 0.2); }, "Double 0.3"},
        {"CStr below 1E15", [] { return d(123456789012345.0); }, "Double 123456789012345"},
        {"CStr 1E15", [] { return d(1e15); }, "Double 1E+15"},
        {"CStr small", [] { return d(0.00001); }, "Double 1E-05"},
        {"CStr 0.0001", [] { return d(0.0001); }, "Double 0.0001"},
        {"CStr negative exponent", [] { return d(-1.5e-7); }, "Double -1.5E-07"},
        {"CStr Single", [] { return Variant::fromSingle(1.0f / 3); }, "Single 0.3333333"},
        {"CStr Boolean", [] { return Variant::fromBool(false); }, "Boolean False"},
        {"CStr date", [] { return Variant::fromDate(43832); }, "Date 1/2/2020"},
        {"CStr date and time", [] { return Variant::fromDate(43832.75); }, "Date 1/2/2020 6:00:00 PM"},
        {"CBool word", [] { return Variant::fromBool(s(u"yes").toBool()); }, "err 13"},
        {"CDate string", [] { return Variant::fromDate(s(u"1/2/2020 3:04 PM").toDate()); }, "Date 1/2/2020 3:04:00 PM"},
        {"CDate ISO", [] { return Variant::fromDate(s(u"2020-01-31").toDate()); }, "Date 1/31/2020"},
        {"CDate month name", [] { return Variant::fromDate(s(u"March 5, 2021").toDate()); }, "Date 3/5/2021"},
        {"CDate bad", [] { return Variant::fromDate(s(u"not a date").toDate()); }, "err 13"},
        {"CDate out of range", [] { return Variant::fromDate(d(1e10).toDate()); }, "err 6"},
        {"Single times Long", [] { return vbs::ops::multiply(Variant::fromSingle(1.5f), l(2)); }, "Double 3"},
        {"Long \\ Integer", [] { return vbs::ops::intDivide(l(100000), i(3)); }, "Long 33333"},
        {"Not Byte", [] { return vbs::ops::logicalNot(Variant::fromByte(1)); }, "Byte 254"},
        {"number < string", [] { return vbs::ops::compare(vbs::ops::Compare::Lt, i(1000), s(u"1")); }, "Boolean True"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(described(row.compute), row.expected) << row.name;
}

TEST(Variant, CopiesShareStringsAndKeepThem)
{
    Variant a(u"text");
    Variant b = a;
    a = Variant::fromInteger(1);
    EXPECT_EQ(vbs::toUtf8(b.string()), "text");
    EXPECT_EQ(b.stringData()->refCount(), 1);
}

} // namespace
