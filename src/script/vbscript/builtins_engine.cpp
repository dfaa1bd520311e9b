// The engine's own functions: ScriptEngine and its versions, MsgBox and
// InputBox (through the embedder's hooks; 70 without one), DebugPrint (to
// the embedder's hook, dropped without one). GetObject, Eval,
// GetRef and CreateObject live with the core built-ins.
#include "builtins_library.h"

namespace vbs {

namespace {

using namespace lib;

Variant fnScriptEngine(CallContext &, ArgRefs) { return Variant(u"VBScript"); }
Variant fnMajor(CallContext &, ArgRefs) { return Variant::fromLong(5); }
Variant fnMinor(CallContext &, ArgRefs) { return Variant::fromLong(8); }
Variant fnBuild(CallContext &, ArgRefs) { return Variant::fromLong(16384); }

Variant fnMsgBox(CallContext &ctx, ArgRefs args) { return ctx.messageBox(args); }
Variant fnInputBox(CallContext &ctx, ArgRefs args) { return ctx.inputBox(args); }

// DebugPrint [value]: one line of the value's text (Null as "Null", none
// or Empty as an empty line) for the embedder.
Variant fnDebugPrint(CallContext &ctx, ArgRefs args)
{
    const Variant value = args.empty() ? Variant() : argValue(args, 0);
    ctx.debugPrint(value.isNull() ? std::u16string(u"Null") : value.toString());
    return {};
}

} // namespace

void addEngineBuiltins(BuiltinTable &t)
{
    t.add(u"ScriptEngine", 0, 0, fnScriptEngine);
    t.add(u"ScriptEngineMajorVersion", 0, 0, fnMajor);
    t.add(u"ScriptEngineMinorVersion", 0, 0, fnMinor);
    t.add(u"ScriptEngineBuildVersion", 0, 0, fnBuild);
    t.add(u"MsgBox", 1, 5, fnMsgBox);
    t.add(u"InputBox", 1, 7, fnInputBox);
    t.add(u"DebugPrint", 0, 1, fnDebugPrint, BuiltinUse::StatementOnly);
}

} // namespace vbs
