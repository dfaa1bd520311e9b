#pragma once

#include "variant.h"

namespace vbs::ops {

// VBScript's operators on Variants. Objects take part through their default
// member; Null propagates (with the And/Or/Imp truth tables); integral
// results that overflow are promoted Byte -> Integer -> Long -> Double;
// errors are raised as ScriptException (13, 6, 11, 94, 424).
//
// Result subtypes of + - *: the more precise operand in the order Byte,
// Integer (also Boolean and Empty), Long, Single, Currency, Double; Single
// with Long gives Double; + and - with a Date give a Date (Date - Date is a
// Double); + on two strings concatenates; a string with a number converts
// the string to Double.
Variant add(const Variant &a, const Variant &b);
Variant subtract(const Variant &a, const Variant &b);
Variant multiply(const Variant &a, const Variant &b);
Variant divide(const Variant &a, const Variant &b);    // always Double; 11, 0/0 is 6
Variant intDivide(const Variant &a, const Variant &b); // operands rounded half to even
Variant modulo(const Variant &a, const Variant &b);
Variant power(const Variant &a, const Variant &b);     // Double
Variant concat(const Variant &a, const Variant &b);    // Null only when both are Null
Variant negate(const Variant &a);
Variant logicalNot(const Variant &a);
Variant logicalAnd(const Variant &a, const Variant &b);
Variant logicalOr(const Variant &a, const Variant &b);
Variant logicalXor(const Variant &a, const Variant &b);
Variant logicalEqv(const Variant &a, const Variant &b);
Variant logicalImp(const Variant &a, const Variant &b);

enum class Compare { Eq, Ne, Lt, Gt, Le, Ge };

// Three-way comparison: -1, 0, 1, or 2 when either side is Null. A number
// or Boolean is less than a string, except where a side is a literal in the
// source (`literal` set for it; a negated number or a constant is none): a
// number or date literal makes the string a number (13 when it is not one),
// otherwise the other side compares as text (a Boolean as "True"/"False").
int compareValues(const Variant &a, const Variant &b, bool aLiteral = false, bool bLiteral = false);
// Boolean result, or Null when either side is Null.
Variant compare(Compare op, const Variant &a, const Variant &b, bool aLiteral = false, bool bLiteral = false);
// Is: both sides objects or Nothing (424 otherwise).
bool sameObject(const Variant &a, const Variant &b);

// Truth of a condition (If, While, Until): CBool rules; Null counts as False.
bool isTrue(const Variant &v);

} // namespace vbs::ops
