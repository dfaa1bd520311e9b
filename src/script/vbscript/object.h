#pragma once

#include "variant.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vbs {

// Arguments of a member call, by reference: a callee that writes through a
// pointer writes the caller's variable (ByRef). Omitted arguments hold
// Variant::missing().
using ArgRefs = std::span<Variant *const>;

// Whether argument i of a call is the caller's own variable or array
// element (what a ByRef parameter receives) rather than a value the engine
// computed for the call. Answers for the argument list the engine built
// last on this thread, which is the one a member call receives while it
// has not evaluated other calls itself; false for any other span. For
// hosts that mirror a COM host, where such arguments arrive as VT_BYREF.
bool isReferenceArgument(ArgRefs args, std::size_t i);

namespace detail {
struct ArgumentList
{
    Variant *const *refs = nullptr;
    std::size_t count = 0;
    std::uint64_t references = 0; // bit i: argument i is a variable or element (the first 64)
};
inline thread_local ArgumentList t_lastArguments;
} // namespace detail

// Records an argument list as the engine built it (see isReferenceArgument).
inline void noteArguments(ArgRefs args, std::uint64_t references) noexcept
{
    detail::t_lastArguments = {args.data(), args.size(), references};
}

// What a member is, for a host language that tells reading a property from
// calling a method (JScript, through the bridge); VBScript never asks.
enum class MemberKind { None, Property, Method };
struct MemberInfo
{
    std::u16string_view name; // as documented; such hosts match it exactly
    MemberKind kind = MemberKind::None;
    int indexes = 0;          // arguments a property takes before its value: 1 for Item(key)
};

class ScriptObject;

// Interface of every object a script can hold: embedder objects, built-in
// classes (RegExp, Dictionary) and instances of script classes. Members are
// found by case-insensitive name; an empty name is the default member.
// Every member the object does not have raises 438 "Object doesn't support
// this property or method" (the default implementations do exactly that).
class Object : public RefCounted
{
public:
    // What TypeName returns for the object ("RegExp", "Dictionary", the class name).
    virtual std::u16string typeName() const = 0;
    // The object's members, for hosts that ask; empty (the default) when the
    // object does not say, and such a host then tries every name as a call.
    virtual std::span<const MemberInfo> members() const;

    // Reads a property or calls a method for its value: obj.name, obj.name(args),
    // obj(args) with an empty name.
    virtual Variant get(std::u16string_view name, ArgRefs args);
    // Assigns a plain value: obj.name(args) = value (Property Let).
    virtual void let(std::u16string_view name, ArgRefs args, const Variant &value);
    // Assigns an object: Set obj.name(args) = value (Property Set); the
    // default forwards to let.
    virtual void set(std::u16string_view name, ArgRefs args, const Variant &value);
    // Calls a method as a statement (obj.name args); the result is ignored.
    // The default calls get.
    virtual void call(std::u16string_view name, ArgRefs args);
    // The items For Each walks, taken once when the loop starts.
    virtual std::vector<Variant> enumerate();
    // An instance of a script class (whose members an engine calls directly), else null.
    virtual ScriptObject *scriptObject() noexcept { return nullptr; }

protected:
    [[noreturn]] static void unsupported(); // raises 438
};

// Lower-case key for case-insensitive names (ASCII and Latin-1 letters).
std::u16string foldCase(std::u16string_view name);

// What CreateObject and GetObject call: a new object of the program
// identifier (matched without regard to case); 429 "ActiveX component can't
// create object" for a name it does not know.
using ObjectFactory = std::function<Ref<Object>(std::u16string_view progId)>;

} // namespace vbs
