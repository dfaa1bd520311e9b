#pragma once

#include "budget.h"
#include "errors.h"
#include "object.h"
#include "variant.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vbs {

class Interpreter;

// The embedding API of the VBScript engine. Every call that can fail
// returns false and leaves the error in lastError() (number 0 after a call
// that succeeded); no exception leaves the engine.
//
// Errors: compile errors carry the source "VBScript compilation error",
// runtime errors "VBScript runtime error" (or what Err.Raise gave), the
// 1-based line, the 0-based column of the failing token or statement and the
// text of that line. A cancelled or timed-out run ends with 18 "User
// interrupt occurred", which On Error Resume Next does not catch; built-ins
// and the compiler look at the deadline and the cancel flag as they work,
// not only between statements. Recursion past the engine's bound ends with
// 28 "Out of stack space". Memory: every allocation a script causes is
// charged to the engine's MemoryBudget first; one that would pass it raises
// 7 "Out of memory" and allocates nothing.
class Engine
{
public:
    Engine();
    ~Engine();
    Engine(const Engine &) = delete;
    Engine &operator=(const Engine &) = delete;

    // Compiles `code` and runs its global statements (a host's AddCode). A
    // compile error adds nothing; a runtime error keeps what was defined.
    bool addCode(std::u16string_view code);
    bool addCodeUtf8(std::string_view code);
    // Compiles only (a syntax check): nothing is added or run.
    bool check(std::u16string_view code);

    // Calls a global Sub or Function. ByRef parameters write back into
    // `args`. A missing procedure is 35 "Sub or Function not defined"; a
    // wrong argument count 450.
    bool run(std::u16string_view procedure, std::vector<Variant> &args, Variant *result = nullptr);
    bool hasProcedure(std::u16string_view procedure) const;
    // Evaluates an expression in the global scope.
    bool eval(std::u16string_view expression, Variant &result);

    // Ends the script (the engine's destructor does it otherwise): releases
    // its global variables, running the Class_Terminate of each object that
    // goes within the time limit, and frees the objects that only reference
    // cycles keep, without their Class_Terminate. False with 18 when the
    // time limit or a cancel stopped a Class_Terminate. Call nothing else
    // afterwards.
    bool close();

    const ScriptError &lastError() const { return m_error; }
    void clearError() { m_error = ScriptError(); }

    // Set from any thread: the running script stops at its next loop
    // iteration or call. Stays set until resetCancel().
    void cancel() { cancelFlag().store(true); }
    void resetCancel() { cancelFlag().store(false); }
    std::atomic<bool> &cancelFlag();
    // Wall-clock limit of each addCode/run/eval call; zero for none.
    void setTimeLimit(std::chrono::milliseconds limit);
    // Call depth beyond which a script gets 28 "Out of stack space".
    void setMaxCallDepth(int depth);

    // The budget the engine's compiling and running charge: by default one
    // of its own with a limit of kDefaultMemoryBudget. Give several engines
    // copies of one MemoryBudget and they share it, so that one run of a
    // host (global code, Main, every level) holds one budget whichever
    // engine allocates; the host may charge its own objects to it as well.
    // Values made before the call stay charged to the budget they were made
    // under and give their bytes back to it.
    void setMemoryBudget(const MemoryBudget &budget);
    const MemoryBudget &memoryBudget() const;
    static constexpr std::size_t kDefaultMemoryBudget = std::size_t(512) << 20;

    // What CreateObject and GetObject create from: the embedder's factory,
    // asked for every name, or (empty, the default) the engine's own classes
    // (Scripting.Dictionary, VBScript.RegExp). A factory that gives nothing
    // raises 429.
    void setObjectFactory(ObjectFactory factory);
    // A global name scripts see (the host's named items).
    void addObject(std::u16string_view name, Ref<Object> object);
    // MsgBox and InputBox call these; without them they raise 70.
    void setMessageBoxHook(std::function<Variant(ArgRefs)> hook);
    void setInputBoxHook(std::function<Variant(ArgRefs)> hook);
    // DebugPrint hands its line to this hook; without one the line is dropped.
    void setDebugPrintHook(std::function<void(std::u16string_view)> hook);

private:
    template <class Body>
    bool guarded(Body &&body);

    std::unique_ptr<Interpreter> m_interp;
    ScriptError m_error;
};

} // namespace vbs
