// Core built-ins: conversions, inspection, arrays and the engine functions.
#include "array.h"
#include "builtins.h"
#include "errors.h"
#include "object.h"

#include <cmath>

namespace vbs {

namespace {

Variant fnCStr(CallContext &, ArgRefs a)
{
    const Variant v = argValue(a, 0);
    return v.isString() ? v : Variant(v.toString()); // a String is shared, not copied
}
Variant fnCInt(CallContext &, ArgRefs a) { return Variant::fromInteger(argValue(a, 0).toInteger()); }
Variant fnCLng(CallContext &, ArgRefs a) { return Variant::fromLong(argValue(a, 0).toLong()); }
Variant fnCDbl(CallContext &, ArgRefs a) { return Variant::fromDouble(argValue(a, 0).toDouble()); }
Variant fnCSng(CallContext &, ArgRefs a) { return Variant::fromSingle(argValue(a, 0).toSingle()); }
Variant fnCBool(CallContext &, ArgRefs a) { return Variant::fromBool(argValue(a, 0).toBool()); }
Variant fnCByte(CallContext &, ArgRefs a) { return Variant::fromByte(argValue(a, 0).toByte()); }
Variant fnCCur(CallContext &, ArgRefs a) { return Variant::fromCurrency(argValue(a, 0).toCurrency()); }
Variant fnCDate(CallContext &, ArgRefs a) { return Variant::fromDate(argValue(a, 0).toDate()); }

Variant fnTypeName(CallContext &, ArgRefs a) { return Variant(a[0]->typeName()); }
Variant fnVarType(CallContext &, ArgRefs a)
{
    const Variant &v = *a[0];
    if (v.isObject() && v.object()) {
        // An object with a default value reports that value's type.
        try {
            return Variant::fromInteger(static_cast<std::int16_t>(v.valueOf().varType()));
        } catch (const ScriptException &) {
            return Variant::fromInteger(9);
        }
    }
    return Variant::fromInteger(static_cast<std::int16_t>(v.varType()));
}
Variant fnIsEmpty(CallContext &, ArgRefs a) { return Variant::fromBool(a[0]->isEmpty()); }
Variant fnIsNull(CallContext &, ArgRefs a) { return Variant::fromBool(a[0]->isNull()); }
Variant fnIsArray(CallContext &, ArgRefs a) { return Variant::fromBool(a[0]->isArray()); }
Variant fnIsObject(CallContext &, ArgRefs a) { return Variant::fromBool(a[0]->isObject()); }
Variant fnIsNumeric(CallContext &, ArgRefs a)
{
    Variant v;
    if (!argTestValue(a, 0, v))
        return Variant::fromBool(false);
    switch (v.type()) {
    case Variant::Type::Empty:
    case Variant::Type::Boolean:
    case Variant::Type::Byte:
    case Variant::Type::Integer:
    case Variant::Type::Long:
    case Variant::Type::Single:
    case Variant::Type::Double:
    case Variant::Type::Currency: return Variant::fromBool(true);
    case Variant::Type::String: {
        double d;
        return Variant::fromBool(parseNumber(v.string(), d));
    }
    default: return Variant::fromBool(false);
    }
}

// An array, or an object whose default value is one (91 for Nothing, 438
// without a default).
Ref<Array> arrayArg(ArgRefs a)
{
    const Variant v = a[0]->isObject() ? a[0]->valueOf() : *a[0];
    if (!v.isArray())
        raiseError(RuntimeError::TypeMismatch);
    return v.arrayRef();
}

std::size_t dimensionArg(ArgRefs a, const Array &arr)
{
    const std::int32_t d = argPresent(a, 1) ? argLong(a, 1) : 1;
    if (d < 1 || static_cast<std::size_t>(d) > arr.dimensions())
        raiseError(RuntimeError::SubscriptOutOfRange);
    return static_cast<std::size_t>(d - 1);
}

Variant fnUBound(CallContext &, ArgRefs a)
{
    const Ref<Array> arr = arrayArg(a);
    return Variant::fromLong(arr->upperBound(dimensionArg(a, *arr)));
}

Variant fnLBound(CallContext &, ArgRefs a)
{
    const Ref<Array> arr = arrayArg(a);
    return Variant::fromLong(arr->lowerBound(dimensionArg(a, *arr)));
}

Variant fnArray(CallContext &, ArgRefs a)
{
    std::vector<Variant> values;
    values.reserve(a.size());
    for (Variant *v : a)
        values.push_back(*v);
    return Variant(Array::fromValues(std::move(values)));
}

// The code is read where it is, not copied: it may be most of the budget.
// The copy of the argument keeps the text alive while the code runs, even
// if that code assigns the variable it came from. An object gives its
// default value. Only a String is code: Eval gives back any other value as
// it is; Execute, ExecuteGlobal and GetRef refuse it (13).
Variant codeArg(ArgRefs a)
{
    Variant code = argValue(a, 0);
    if (!code.isString())
        raiseError(RuntimeError::TypeMismatch);
    return code;
}
Variant fnEval(CallContext &ctx, ArgRefs a)
{
    const Variant code = argValue(a, 0);
    return code.isString() ? ctx.evaluate(code.string()) : code;
}
Variant fnExecute(CallContext &ctx, ArgRefs a)
{
    ctx.execute(codeArg(a).string(), false);
    return Variant();
}
Variant fnExecuteGlobal(CallContext &ctx, ArgRefs a)
{
    ctx.execute(codeArg(a).string(), true);
    return Variant();
}
Variant fnGetRef(CallContext &ctx, ArgRefs a) { return Variant(ctx.procedureRef(codeArg(a).string())); }
Variant fnCreateObject(CallContext &ctx, ArgRefs a) { return Variant(ctx.createObject(argString(a, 0))); }
// GetObject(path, class) makes the class; GetObject(path) asks the same
// registry for the path itself (a moniker such as "winmgmts:...", which
// only an embedder's factory knows).
Variant fnGetObject(CallContext &ctx, ArgRefs a)
{
    if (argPresent(a, 1))
        return Variant(ctx.createObject(argString(a, 1)));
    const std::u16string path = argPresent(a, 0) ? argString(a, 0) : std::u16string();
    if (path.empty())
        raiseError(RuntimeError::CannotCreateObject);
    return Variant(ctx.createObject(path));
}

} // namespace

void addCoreBuiltins(BuiltinTable &t)
{
    t.add(u"CStr", 1, 1, fnCStr);
    t.add(u"CInt", 1, 1, fnCInt, BuiltinUse::ValueOnly);
    t.add(u"CLng", 1, 1, fnCLng, BuiltinUse::ValueOnly);
    t.add(u"CDbl", 1, 1, fnCDbl, BuiltinUse::ValueOnly);
    t.add(u"CSng", 1, 1, fnCSng, BuiltinUse::ValueOnly);
    t.add(u"CBool", 1, 1, fnCBool);
    t.add(u"CByte", 1, 1, fnCByte, BuiltinUse::ValueOnly);
    t.add(u"CCur", 1, 1, fnCCur, BuiltinUse::ValueOnly);
    t.add(u"CDate", 1, 1, fnCDate, BuiltinUse::ValueOnly);
    t.add(u"TypeName", 1, 1, fnTypeName);
    t.add(u"VarType", 1, 1, fnVarType);
    t.add(u"IsEmpty", 1, 1, fnIsEmpty);
    t.add(u"IsNull", 1, 1, fnIsNull);
    t.add(u"IsArray", 1, 1, fnIsArray);
    t.add(u"IsObject", 1, 1, fnIsObject);
    t.add(u"IsNumeric", 1, 1, fnIsNumeric);
    t.add(u"UBound", 1, 2, fnUBound);
    t.add(u"LBound", 1, 2, fnLBound);
    t.add(u"Array", 0, 1 << 16, fnArray);
    t.add(u"Eval", 1, 1, fnEval);
    t.add(u"Execute", 1, 1, fnExecute);
    t.add(u"ExecuteGlobal", 1, 1, fnExecuteGlobal);
    t.add(u"GetRef", 1, 1, fnGetRef);
    t.add(u"CreateObject", 1, 2, fnCreateObject);
    t.add(u"GetObject", 0, 2, fnGetObject);
}

} // namespace vbs
