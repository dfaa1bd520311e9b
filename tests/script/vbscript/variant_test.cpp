// The Variant coercion table: one row per conversion, with its result text,
// its subtype, or the error it raises.
#include "script/vbscript/engine.h"
#include "script/vbscript/errors.h"
#include "script/vbscript/operators.h"
#include "script/vbscript/text.h"
#include "script/vbscript/variant.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using vbs::Variant;

struct Row
{
    const char *name;
    std::function<Variant()> compute;
    const char *text;   // CStr of the result, when no error is expected
    const char *type;   // TypeName of the result
    long error;         // error number, 0 for none
};

void PrintTo(const Row &r, std::ostream *os) { *os << r.name; }

Variant d(double x) { return Variant::fromDouble(x); }
Variant i(std::int16_t x) { return Variant::fromInteger(x); }
Variant l(std::int32_t x) { return Variant::fromLong(x); }
Variant s(const char16_t *x) { return Variant(x); }

const Row rows[] = {
    {"CInt_RoundsHalfToEven_2_5", [] { return i(d(2.5).toInteger()); }, "2", "Integer", 0},
    {"CInt_RoundsHalfToEven_3_5", [] { return i(d(3.5).toInteger()); }, "4", "Integer", 0},
    {"CInt_RoundsHalfToEven_Negative", [] { return i(d(-2.5).toInteger()); }, "-2", "Integer", 0},
    {"CInt_Overflow", [] { return i(l(32768).toInteger()); }, "", "", 6},
    {"CInt_FromString", [] { return i(s(u" 12 ").toInteger()); }, "12", "Integer", 0},
    {"CInt_FromBadString", [] { return i(s(u"12a").toInteger()); }, "", "", 13},
    {"CLng_GroupSeparators", [] { return l(s(u"1,000").toLong()); }, "1000", "Long", 0},
    {"CLng_Hex", [] { return l(s(u"&HFF").toLong()); }, "255", "Long", 0},
    {"CLng_Null", [] { return l(Variant::null().toLong()); }, "", "", 94},
    {"CLng_Empty", [] { return l(Variant().toLong()); }, "0", "Long", 0},
    {"CLng_True", [] { return l(Variant::fromBool(true).toLong()); }, "-1", "Long", 0},
    {"CByte_Overflow", [] { return Variant::fromByte(l(256).toByte()); }, "", "", 6},
    {"CByte_Negative", [] { return Variant::fromByte(l(-1).toByte()); }, "", "", 6},
    {"CDbl_Exponent", [] { return d(s(u"1.5E3").toDouble()); }, "1500", "Double", 0},
    {"CDbl_Currency", [] { return d(s(u"$12.50").toDouble()); }, "12.5", "Double", 0},
    {"CDbl_Parenthesised", [] { return d(s(u"(5)").toDouble()); }, "-5", "Double", 0},
    {"CDbl_Empty_String", [] { return d(s(u"").toDouble()); }, "", "", 13},
    {"CStr_Double_15_Digits", [] { return d(1.0 / 3); }, "0.333333333333333", "Double", 0},
    {"CStr_Double_Sum", [] { return d(0.1 + 0.2); }, "0.3", "Double", 0},
    {"CStr_Double_Large_Exponent", [] { return d(1e20); }, "1E+20", "Double", 0},
    {"CStr_Double_Below_1E15", [] { return d(123456789012345.0); }, "123456789012345", "Double", 0},
    {"CStr_Double_1E15", [] { return d(1e15); }, "1E+15", "Double", 0},
    {"CStr_Double_Small", [] { return d(0.00001); }, "1E-05", "Double", 0},
    {"CStr_Double_0_0001", [] { return d(0.0001); }, "0.0001", "Double", 0},
    {"CStr_Double_Negative_Exponent", [] { return d(-1.5e-7); }, "-1.5E-07", "Double", 0},
    {"CStr_Single_7_Digits", [] { return Variant::fromSingle(1.0f / 3); }, "0.3333333", "Single", 0},
    {"CStr_Currency_Four_Decimals", [] { return Variant::fromCurrency(d(1.23456).toCurrency()); }, "1.2346", "Currency", 0},
    {"CStr_Currency_Whole", [] { return Variant::fromCurrency(d(5).toCurrency()); }, "5", "Currency", 0},
    {"CStr_Boolean", [] { return Variant::fromBool(false); }, "False", "Boolean", 0},
    {"CStr_Date_Only", [] { return Variant::fromDate(43832); }, "1/2/2020", "Date", 0},
    {"CStr_Date_Time", [] { return Variant::fromDate(43832.75); }, "1/2/2020 6:00:00 PM", "Date", 0},
    {"CStr_Time_Only", [] { return Variant::fromDate(0.5); }, "12:00:00 PM", "Date", 0},
    {"CStr_Date_Zero", [] { return Variant::fromDate(0); }, "12:00:00 AM", "Date", 0},
    {"CStr_Null", [] { return Variant(Variant::null().toString()); }, "", "", 94},
    {"CBool_String_True", [] { return Variant::fromBool(s(u"true").toBool()); }, "True", "Boolean", 0},
    {"CBool_String_Number", [] { return Variant::fromBool(s(u"0").toBool()); }, "False", "Boolean", 0},
    {"CBool_String_Word", [] { return Variant::fromBool(s(u"yes").toBool()); }, "", "", 13},
    {"CBool_Double", [] { return Variant::fromBool(d(0.1).toBool()); }, "True", "Boolean", 0},
    {"CDate_String", [] { return Variant::fromDate(s(u"1/2/2020 3:04 PM").toDate()); }, "1/2/2020 3:04:00 PM", "Date", 0},
    {"CDate_Iso", [] { return Variant::fromDate(s(u"2020-01-31").toDate()); }, "1/31/2020", "Date", 0},
    {"CDate_MonthName", [] { return Variant::fromDate(s(u"March 5, 2021").toDate()); }, "3/5/2021", "Date", 0},
    {"CDate_Bad", [] { return Variant::fromDate(s(u"not a date").toDate()); }, "", "", 13},
    {"CDate_OutOfRange", [] { return Variant::fromDate(d(1e10).toDate()); }, "", "", 6},
    {"Add_Promotes_Integer_To_Long", [] { return vbs::ops::add(i(32767), i(1)); }, "32768", "Long", 0},
    {"Add_Promotes_Long_To_Double", [] { return vbs::ops::add(l(2147483647), i(1)); }, "2147483648", "Double", 0},
    {"Add_String_Number", [] { return vbs::ops::add(s(u"10"), i(5)); }, "15", "Double", 0},
    {"Concat_String_Number", [] { return vbs::ops::concat(s(u"10"), i(5)); }, "105", "String", 0},
    {"Subtract_Byte_Negative", [] { return vbs::ops::subtract(Variant::fromByte(1), Variant::fromByte(2)); }, "-1", "Integer", 0},
    {"Multiply_Single_Long", [] { return vbs::ops::multiply(Variant::fromSingle(1.5f), l(2)); }, "3", "Double", 0},
    {"Divide_Integers", [] { return vbs::ops::divide(i(1), i(4)); }, "0.25", "Double", 0},
    {"IntDivide_Long", [] { return vbs::ops::intDivide(l(100000), i(3)); }, "33333", "Long", 0},
    {"Mod_Negative", [] { return vbs::ops::modulo(i(-7), i(3)); }, "-1", "Integer", 0},
    {"Power_Double", [] { return vbs::ops::power(i(2), i(10)); }, "1024", "Double", 0},
    {"Negate_Integer_Min", [] { return vbs::ops::negate(i(-32768)); }, "32768", "Long", 0},
    {"Not_Byte", [] { return vbs::ops::logicalNot(Variant::fromByte(1)); }, "254", "Byte", 0},
    {"And_Null_False", [] { return vbs::ops::logicalAnd(Variant::null(), Variant::fromBool(false)); }, "False", "Boolean", 0},
    {"Or_Null_True", [] { return vbs::ops::logicalOr(Variant::null(), Variant::fromBool(true)); }, "True", "Boolean", 0},
    {"Compare_Number_Below_String", [] { return vbs::ops::compare(vbs::ops::Compare::Lt, i(1000), s(u"1")); }, "True", "Boolean", 0},
    {"Compare_Literal_Number_Converts", [] { return vbs::ops::compare(vbs::ops::Compare::Eq, s(u"10"), i(10), false, true); }, "True", "Boolean", 0},
    {"Compare_Null", [] { return vbs::ops::compare(vbs::ops::Compare::Eq, Variant::null(), i(1)); }, "", "Null", 0},
};

class Coercion : public ::testing::TestWithParam<Row>
{
};

TEST_P(Coercion, Converts)
{
    const Row &row = GetParam();
    if (row.error) {
        try {
            const Variant v = row.compute();
            FAIL() << "no error; got " << vbs::toUtf8(v.typeName());
        } catch (const vbs::ScriptException &e) {
            EXPECT_EQ(e.error.number, row.error);
        }
        return;
    }
    const Variant v = row.compute();
    EXPECT_EQ(vbs::toUtf8(v.typeName()), row.type);
    if (!v.isNull()) {
        EXPECT_EQ(vbs::toUtf8(v.toString()), row.text);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, Coercion, ::testing::ValuesIn(rows),
                         [](const ::testing::TestParamInfo<Row> &info) { return std::string(info.param.name); });

TEST(VariantTypes, VarTypeCodes)
{
    EXPECT_EQ(static_cast<int>(Variant().varType()), 0);
    EXPECT_EQ(static_cast<int>(Variant::null().varType()), 1);
    EXPECT_EQ(static_cast<int>(i(1).varType()), 2);
    EXPECT_EQ(static_cast<int>(l(1).varType()), 3);
    EXPECT_EQ(static_cast<int>(Variant::fromSingle(1).varType()), 4);
    EXPECT_EQ(static_cast<int>(d(1).varType()), 5);
    EXPECT_EQ(static_cast<int>(Variant::fromCurrency(1).varType()), 6);
    EXPECT_EQ(static_cast<int>(Variant::fromDate(1).varType()), 7);
    EXPECT_EQ(static_cast<int>(s(u"").varType()), 8);
    EXPECT_EQ(static_cast<int>(Variant::nothing().varType()), 9);
    EXPECT_EQ(static_cast<int>(Variant::fromBool(true).varType()), 11);
    EXPECT_EQ(static_cast<int>(Variant::fromByte(1).varType()), 17);
    EXPECT_EQ(vbs::toUtf8(Variant::nothing().typeName()), "Nothing");
}

TEST(VariantTypes, CopiesShareStringsAndKeepThem)
{
    Variant a(u"text");
    Variant b = a;
    a = Variant::fromInteger(1);
    EXPECT_EQ(vbs::toUtf8(b.string()), "text");
    EXPECT_EQ(b.stringData()->refCount(), 1);
}

} // namespace
