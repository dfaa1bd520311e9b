#include "builtins.h"
#include "builtins_library.h"

#include "errors.h"
#include "object.h"
#include "text.h"

#include <stdexcept>

namespace vbs {

namespace {

// Two groups defining one name is a mistake in the table, not something a
// script could cause: building the table (the first engine) fails.
[[noreturn]] void registeredTwice(std::u16string_view name)
{
    throw std::logic_error("built-in registered twice: " + toUtf8(name));
}

} // namespace

void BuiltinTable::add(std::u16string_view name, int minArgs, int maxArgs, BuiltinFn fn, BuiltinUse use)
{
    if (!m_index.emplace(foldCase(name), static_cast<int>(m_functions.size())).second)
        registeredTwice(name);
    m_functions.push_back(Builtin{std::u16string(name), minArgs, maxArgs, fn, use});
}

void BuiltinTable::addConstant(std::u16string_view name, Variant value)
{
    if (!m_constants.emplace(foldCase(name), static_cast<int>(m_constantValues.size())).second)
        registeredTwice(name);
    m_constantValues.push_back(std::move(value));
}

void BuiltinTable::addClass(std::u16string_view name, std::function<Ref<Object>()> factory)
{
    if (!m_classes.emplace(foldCase(name), std::move(factory)).second)
        registeredTwice(name);
}

void BuiltinTable::addProgId(std::u16string_view progId, std::function<Ref<Object>()> factory)
{
    if (!m_progIds.emplace(foldCase(progId), ProgId{std::u16string(progId), std::move(factory)}).second)
        registeredTwice(progId);
}

Ref<Object> BuiltinTable::createObject(std::u16string_view progId) const
{
    const auto it = m_progIds.find(foldCase(progId));
    Ref<Object> object = it == m_progIds.end() ? nullptr : it->second.factory();
    if (!object)
        raiseError(RuntimeError::CannotCreateObject);
    return object;
}

int BuiltinTable::functionIndex(std::u16string_view name) const
{
    const auto it = m_index.find(foldCase(name));
    return it == m_index.end() ? -1 : it->second;
}

const Variant *BuiltinTable::constant(std::u16string_view name) const
{
    const int i = constantIndex(name);
    return i < 0 ? nullptr : &m_constantValues[static_cast<std::size_t>(i)];
}

int BuiltinTable::constantIndex(std::u16string_view name) const
{
    const auto it = m_constants.find(foldCase(name));
    return it == m_constants.end() ? -1 : it->second;
}

const std::function<Ref<Object>()> *BuiltinTable::classFactory(std::u16string_view name) const
{
    const auto it = m_classes.find(foldCase(name));
    return it == m_classes.end() ? nullptr : &it->second;
}

// The groups of built-ins. A library group adds its declaration and its
// call here, one line each.
const BuiltinTable &builtinTable()
{
    static const BuiltinTable table = [] {
        BuiltinTable t;
        addCoreBuiltins(t);
        addStringBuiltins(t);
        addConversionBuiltins(t);
        addMathBuiltins(t);
        addDateBuiltins(t);
        addFormatBuiltins(t);
        addLocaleBuiltins(t);
        addEngineBuiltins(t);
        addConstants(t);
        addRegExpClass(t);
        addDictionaryClass(t);
        return t;
    }();
    return table;
}

// --- argument checks -----------------------------------------------------------

void requireArgs(ArgRefs args, std::size_t count)
{
    if (args.size() != count)
        raiseError(RuntimeError::WrongArgumentCount);
}

bool argPresent(ArgRefs args, std::size_t i)
{
    return i < args.size() && !args[i]->isMissing();
}

Variant argValue(ArgRefs args, std::size_t i)
{
    if (!argPresent(args, i))
        return Variant();
    const Variant &v = *args[i];
    return v.isObject() ? v.valueOf() : v;
}

bool argTestValue(ArgRefs args, std::size_t i, Variant &out)
{
    out = argPresent(args, i) ? *args[i] : Variant();
    if (!out.isObject())
        return true;
    try {
        out = out.valueOf();
    } catch (const ScriptException &e) {
        if (e.fatal)
            throw;
        return false; // no default value
    }
    return true;
}

std::u16string argString(ArgRefs args, std::size_t i)
{
    return argValue(args, i).toString();
}

TextArg::TextArg(ArgRefs args, std::size_t i) : m_value(argValue(args, i))
{
    if (!m_value.isString())
        m_text = m_value.toString();
}

double argDouble(ArgRefs args, std::size_t i)
{
    if (argPresent(args, i) && !args[i]->isObject())
        return args[i]->toDouble();
    return argValue(args, i).toDouble();
}

std::int32_t argLong(ArgRefs args, std::size_t i)
{
    if (argPresent(args, i) && !args[i]->isObject())
        return args[i]->toLong();
    return argValue(args, i).toLong();
}

bool argBool(ArgRefs args, std::size_t i)
{
    if (argPresent(args, i) && !args[i]->isObject())
        return args[i]->toBool();
    return argValue(args, i).toBool();
}

} // namespace vbs
