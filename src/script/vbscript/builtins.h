#pragma once

#include "object.h"
#include "variant.h"

#include <any>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vbs {

struct Locale;

// What a built-in function may ask of the engine that calls it. The
// interpreter implements it for the statement being executed.
class CallContext
{
public:
    virtual ~CallContext() = default;
    virtual const Locale &locale() const = 0;
    // SetLocale: the locale of this engine from now on (null: the default).
    virtual void setLocale(const Locale *locale) = 0;
    // Eval: an expression in the caller's scope.
    virtual Variant evaluate(std::u16string_view expression) = 0;
    // Execute (global false: the caller's scope) and ExecuteGlobal.
    virtual void execute(std::u16string_view code, bool global) = 0;
    // GetRef: an object whose default method calls the procedure; 5 when
    // there is no such procedure.
    virtual Ref<Object> procedureRef(std::u16string_view name) = 0;
    // CreateObject / GetObject through the engine's registry; 429 if missing.
    virtual Ref<Object> createObject(std::u16string_view progId) = 0;
    // MsgBox and InputBox through the embedder's hooks; 70 "Permission
    // denied" when none is installed.
    virtual Variant messageBox(ArgRefs args) = 0;
    virtual Variant inputBox(ArgRefs args) = 0;
    // DebugPrint: a line of text for the embedder's debug hook; dropped
    // when none is installed.
    virtual void debugPrint(std::u16string_view line) = 0;
    // Per-engine state of a library group (the Rnd seed, ...), created empty
    // on first use and kept for the engine's lifetime.
    virtual std::any &extension(std::string_view key) = 0;
    // A string of one character: the engine shares those of Latin-1, so
    // making one allocates nothing.
    virtual Variant character(char16_t c) = 0;
};

// A built-in function: receives its arguments by reference (already counted
// against minArgs/maxArgs; a wrong count raises 450 before the call).
using BuiltinFn = Variant (*)(CallContext &ctx, ArgRefs args);

// Where a built-in may be called. A conversion called as a statement would
// throw its value away: once the conversion itself succeeded the call is
// refused with 458. A built-in without a value (Randomize) used inside an
// expression runs and then raises 13.
enum class BuiltinUse { Anywhere, ValueOnly, StatementOnly };

struct Builtin
{
    std::u16string name;
    int minArgs = 0;
    int maxArgs = 0;
    BuiltinFn fn = nullptr;
    BuiltinUse use = BuiltinUse::Anywhere;
};

// The names every engine knows before any script is added: functions,
// constants (vbCrLf), classes usable with New (RegExp) and default
// CreateObject entries (Scripting.Dictionary, VBScript.RegExp). Lookups are
// case-insensitive.
// Each name is registered once per kind: a second add throws std::logic_error.
class BuiltinTable
{
public:
    void add(std::u16string_view name, int minArgs, int maxArgs, BuiltinFn fn,
             BuiltinUse use = BuiltinUse::Anywhere);
    void addConstant(std::u16string_view name, Variant value);
    void addClass(std::u16string_view name, std::function<Ref<Object>()> factory);
    // A class CreateObject makes by `progId`, matched without regard to case.
    void addProgId(std::u16string_view progId, std::function<Ref<Object>()> factory);

    int functionIndex(std::u16string_view name) const; // -1 when absent
    const Builtin &function(int index) const { return m_functions[index]; }
    const Variant *constant(std::u16string_view name) const; // null when absent
    int constantIndex(std::u16string_view name) const;       // -1 when absent
    const Variant &constantAt(int index) const { return m_constantValues[index]; }
    const std::function<Ref<Object>()> *classFactory(std::u16string_view name) const;
    struct ProgId
    {
        std::u16string name; // as added
        std::function<Ref<Object>()> factory;
    };
    // Keyed by the folded name.
    const std::unordered_map<std::u16string, ProgId> &progIds() const { return m_progIds; }
    // A new object of one of these classes; 429 for any other name.
    Ref<Object> createObject(std::u16string_view progId) const;

private:
    std::vector<Builtin> m_functions;
    std::unordered_map<std::u16string, int> m_index;
    std::unordered_map<std::u16string, int> m_constants;
    std::vector<Variant> m_constantValues;
    std::unordered_map<std::u16string, std::function<Ref<Object>()>> m_classes;
    std::unordered_map<std::u16string, ProgId> m_progIds;
};

// The table of every group, built on first use (builtins.cpp lists the groups).
const BuiltinTable &builtinTable();

// Groups. Each adds its functions to the table.
void addCoreBuiltins(BuiltinTable &table); // conversions, inspection, arrays, engine functions

// Uniform argument checks, so every built-in fails alike.
// 450 unless exactly `count` arguments were given (members of built-in objects).
void requireArgs(ArgRefs args, std::size_t count);
// True when argument i was given and not omitted.
bool argPresent(ArgRefs args, std::size_t i);
// Argument i as a plain value (an object's default member, missing -> Empty).
Variant argValue(ArgRefs args, std::size_t i);
// For the Is* tests: argument i as a plain value; false when it is Nothing
// or an object without a default value (the test is then simply false).
bool argTestValue(ArgRefs args, std::size_t i, Variant &out);
std::u16string argString(ArgRefs args, std::size_t i); // CStr rules; Null raises 94
// Argument i as text without copying a String (CStr rules; Null raises 94):
// the value shares the argument's string, other types convert once.
class TextArg
{
public:
    TextArg(ArgRefs args, std::size_t i);
    // A default for an omitted argument.
    explicit TextArg(std::u16string_view text) : m_text(text) {}
    std::u16string_view view() const { return str(); }
    const std::u16string &str() const { return m_value.isString() ? m_value.string() : m_text; }
    std::size_t size() const { return view().size(); }
    // Bytes of the text: two a unit, one less for a text the byte functions cut to an odd length.
    std::size_t byteSize() const { return size() * 2 - (m_value.isString() && m_value.stringData()->oddByte() ? 1 : 0); }
    // The argument itself when it is already a String, else the text as a new value.
    Variant whole() const { return m_value.isString() ? m_value : Variant(m_text); }

private:
    Variant m_value;
    std::u16string m_text;
};
double argDouble(ArgRefs args, std::size_t i);         // 13 when not numeric
std::int32_t argLong(ArgRefs args, std::size_t i);     // CLng rules: 13, 6
bool argBool(ArgRefs args, std::size_t i);             // CBool rules

} // namespace vbs
