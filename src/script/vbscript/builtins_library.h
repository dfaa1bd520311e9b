#pragma once

// The library groups of built-ins beyond the core (builtins.cpp lists every
// group), and the argument helpers they share on top of builtins.h.

#include "builtins.h"
#include "errors.h"
#include "string_ops.h"

namespace vbs {

void addStringBuiltins(BuiltinTable &table);
void addMathBuiltins(BuiltinTable &table);
void addDateBuiltins(BuiltinTable &table);
void addFormatBuiltins(BuiltinTable &table);
void addLocaleBuiltins(BuiltinTable &table);
void addEngineBuiltins(BuiltinTable &table);
void addConversionBuiltins(BuiltinTable &table);
void addConstants(BuiltinTable &table);
void addRegExpClass(BuiltinTable &table);
void addDictionaryClass(BuiltinTable &table);

namespace lib {

// True when argument i was given and is Null.
bool isNullArg(ArgRefs args, std::size_t i);
// A vbBinaryCompare / vbTextCompare argument; Binary when omitted, 5 for
// any other number, 94 for Null.
CompareMode compareArg(ArgRefs args, std::size_t i);
// A 1-based position or count argument that must be >= `minimum` (5 otherwise).
std::int32_t longAtLeast(ArgRefs args, std::size_t i, std::int32_t minimum);
// An integer argument with a default when omitted.
std::int32_t longOr(ArgRefs args, std::size_t i, std::int32_t fallback);
// A string result, checked against the engine's string length limit.
Variant text(std::u16string s);

} // namespace lib
} // namespace vbs
