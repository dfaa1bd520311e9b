#pragma once

#include "ast.h"
#include "builtins.h"
#include "code.h"
#include "errors.h"
#include "globals.h"
#include "locale.h"
#include "object.h"
#include "runguard.h"

#include <any>
#include <atomic>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace vbs {

class ScriptObject;

// Limits of one engine. The defaults suit an interactive host.
struct Limits
{
    int maxCallDepth = 10000;                // 28 "Out of stack space" beyond it
    std::size_t stackBudget = 4u << 20;      // bytes of C++ stack a run may use (at most 3/4 of what the thread has left)
    std::chrono::milliseconds timeLimit{0};  // 0: none; past it the run ends with 18
};

// The runtime: compiles units (parser, resolver, compiler), keeps the global
// table, the Err object and the frames, and runs code in one loop (vm.cpp).
// A script calling a script procedure stays in that loop, whatever the
// depth; only calls that come back through C++ (an object's member, Eval,
// Execute, Class_Terminate) start a loop of their own. Every failure is a
// ScriptException; the Engine turns them into a ScriptError.
class Interpreter final : public CallContext
{
public:
    Interpreter();
    ~Interpreter() override;

    // Compiles a unit; nothing of it takes effect on a compile error.
    std::unique_ptr<ast::Program> compile(std::u16string_view code);
    // Installs its procedures, classes, constants and arrays, then runs its global code.
    void load(std::unique_ptr<ast::Program> program);
    // Calls a global procedure by name (35 when missing); args by reference.
    Variant runProcedure(std::u16string_view name, ArgRefs args);
    bool hasProcedure(std::u16string_view name) const;
    Variant evaluateGlobal(std::u16string_view expression);
    void defineGlobal(std::u16string_view name, const Variant &value);
    // The end of the script: lets go of every global value, running the
    // Class_Terminate of each object that goes (under the time limit), then
    // frees the objects only reference cycles hold, without their
    // Class_Terminate. False when the time limit or a cancel stopped a
    // Class_Terminate. Nothing of the script may run afterwards.
    bool release();

    // A run starts: resets the time limit, records the stack base and makes
    // the engine's guard the current one of this thread (see RunGuard).
    class RunScope
    {
    public:
        explicit RunScope(Interpreter &in);
        ~RunScope();
    private:
        Interpreter &m_in;
        bool m_outer;
        LocaleScope m_locale;
        RunGuard::Scope m_guard;
    };

    std::atomic<bool> &cancelFlag() { return m_guard.cancel; }
    RunGuard &guard() { return m_guard; }
    Limits &limits() { return m_limits; }
    std::function<Variant(ArgRefs)> messageBoxHook, inputBoxHook;
    std::function<void(std::u16string_view)> debugPrintHook;
    ObjectFactory objectFactory; // empty: the built-in table's classes
    // Fills in the line text of an error that left a statement.
    void finishError(ScriptException &e) const;

    // CallContext
    const Locale &locale() const override;
    void setLocale(const Locale *locale) override;
    Variant evaluate(std::u16string_view expression) override;
    void execute(std::u16string_view code, bool global) override;
    Ref<Object> procedureRef(std::u16string_view name) override;
    Ref<Object> createObject(std::u16string_view progId) override;
    Variant messageBox(ArgRefs args) override;
    Variant inputBox(ArgRefs args) override;
    void debugPrint(std::u16string_view line) override;
    std::any &extension(std::string_view key) override;
    Variant character(char16_t c) override;

    // Used by script objects, procedure references and the Err object.
    Variant callProcedure(ast::ProcDecl *proc, ScriptObject *me, ArgRefs args);
    ScriptError &errState() { return m_err; }
    const std::shared_ptr<bool> &aliveToken() const { return m_alive; }
    // Frees the spare frames a code keeps (when the code goes).
    static void freeSpareFrames(const vm::Code &code) noexcept;

private:
    using Word = vm::Word;

    // One activation of some code: the frame, then the values of its first
    // code->own registers, then its register table. A frame that ends goes
    // back to its code's spares (vm::Code::spareFrames, linked through
    // `caller`) with its values Empty and its table pointing at them again,
    // so the next call of the code sets up only what differs.
    struct alignas(16) Frame
    {
        const vm::Code *code;
        const Word *pc;             // a caller's: the call it waits at
        Variant **R;                // the registers (code.h)
        ScriptObject *me;           // held while the frame lives
        Frame *caller;
        // The caller's instruction after the call; null for a frame entered
        // from C++ and when the call's arguments need emptying first (returned()).
        const Word *next;
        // Four bytes, all set with one store when the frame is entered.
        bool resumeNext;
        bool fromHost;              // entered from C++: its Return ends run()
        bool ownValues;             // a parameter or the result may hold a value in the frame itself
        bool unused;
        Variant *values() { return reinterpret_cast<Variant *>(this + 1); }
    };

    // Pointers to a call's arguments, gathered from their registers.
    struct Args
    {
        Variant *inline_[8];
        std::vector<Variant *> more;
        ArgRefs refs;
    };

    // the loop (vm.cpp): runs the code of `entry` from its start
    Variant run(Frame *entry);

    // frames and calls (vm_frames.h: the loop's own, inlined; vm_calls.cpp: the others)
    Frame *newFrame(const vm::Code &code, ScriptObject *me, Frame *caller);
    // `clean`: the frame ends at its Return (its argument registers were
    // reset as they were used); else after an error.
    void dropFrame(Frame *f, bool clean = false) noexcept;
    void initSlots(const std::vector<ast::SlotInit> &inits, Variant **slots, bool global);
    // A script procedure called from code: its frame, arguments bound from the call's registers.
    // `extra`: the words of the call's `extra` (code.h).
    // `from`: the caller's registers.
    Frame *enter(const vm::Code &callee, ScriptObject *me, Frame *caller, Variant **from, const Word *call,
                 int extra);
    [[gnu::noinline]] void bindSlow(Frame *f, const Frame *caller, const Word *call);
    // The callee of the call at `pc` of `f` returned, and the call has
    // arguments to empty (Frame::next is null): they go; the next instruction.
    [[gnu::noinline]] const Word *returned(Frame *f, const Word *pc);
    // After the callee of the call at `pc` returned: frees the arguments,
    // stores the result; returns the next instruction.
    const Word *finishCall(Frame *f, const Word *pc, Variant &&result);
    // An error at `pc` of `f`: positions it, and either resumes (On Error
    // Resume Next; f and pc say where) or drops frames up to `entry` and returns false.
    bool recover(ScriptException &e, Frame *entry, Frame *&f, const Word *&pc);
    void unwind(Frame *entry, Frame *f) noexcept;
    Variant runCode(const vm::Code &code, ScriptObject *me, Frame *scope);

    // what instructions need beyond the loop (vm_ops.cpp)
    static void gather(const Frame *f, const Word *pc, Args &out);
    // Frees the temporaries among an instruction's arguments (and its
    // flagged operands); returns the next instruction.
    static const Word *release(Frame *f, const Word *pc);
    static void clearTemp(Frame *f, Word r);
    Variant *variableRef(const ast::Binding &b, bool forWrite);
    Variant *nameRef(const vm::Name &n, bool forWrite); // 500 names the variable
    Variant *varOperand(Frame *f, Word w, Word operand); // a register or (flag VarName) a name
    Variant loadName(const vm::Name &n);
    [[gnu::noinline]] void binarySlow(Frame *f, const Word *pc);
    [[gnu::noinline]] bool compareSlow(Frame *f, const Word *pc);
    [[gnu::noinline]] void unary(Frame *f, const Word *pc);
    [[gnu::noinline]] void move(Frame *f, const Word *pc);
    [[gnu::noinline]] bool truth(Frame *f, const Word *pc);
    [[gnu::noinline]] const Word *callGlobalSlow(Frame *f, const Word *pc);
    [[gnu::noinline]] const Word *callBuiltin(Frame *f, const Word *pc);
    // Mid(s, i, 1) of a string and a position in it, or null: the general call.
    const Word *midCharacter(Frame *f, const Word *pc);
    [[gnu::noinline]] const Word *callName(Frame *f, const Word *pc);
    [[gnu::noinline]] const Word *callValue(Frame *f, const Word *pc);
    [[gnu::noinline]] const Word *callMemberSlow(Frame *f, const Word *pc);
    [[gnu::noinline]] const Word *callMeSlow(Frame *f, const Word *pc);
    [[gnu::noinline]] const Word *argElem(Frame *f, const Word *pc);
    [[gnu::noinline]] const Word *argElemOf(Frame *f, const Word *pc);
    [[gnu::noinline]] void argName(Frame *f, const Word *pc);
    [[gnu::noinline]] const Word *assignOp(Frame *f, const Word *pc);
    [[gnu::noinline]] void storeName(Frame *f, const Word *pc);
    [[gnu::noinline]] void checkCall(Frame *f, const Word *pc);
    [[gnu::noinline]] const Word *reDim(Frame *f, const Word *pc);
    [[gnu::noinline]] void erase(Frame *f, const Word *pc);
    [[gnu::noinline]] bool appendInPlace(Frame *f, const Word *pc); // false: the plain assignment runs
    [[gnu::noinline]] void appendFinish(Frame *f, const Word *pc);
    [[gnu::noinline]] bool forInit(Frame *f, const Word *pc);  // false: no iteration
    [[gnu::noinline]] bool forStep(Frame *f, const Word *pc);  // false: done
    [[gnu::noinline]] bool forEachInit(Frame *f, const Word *pc);
    [[gnu::noinline]] bool forEachStep(Frame *f, const Word *pc);
    [[gnu::noinline]] bool caseMatches(Frame *f, const Word *pc);
    [[gnu::noinline]] void newObject(Frame *f, const Word *pc);
    // The member of a script object a member instruction names (its inline cache).
    int memberIndex(Frame *f, const Word *pc, ScriptObject &so, Word flags, int extraAt);
    Variant callNameValue(const vm::Name &n, ArgRefs args, Word flags);
    Variant indexValue(const Variant &container, ArgRefs args, bool statement);
    Variant callBuiltinAt(int index, ArgRefs args, bool statement);
    [[noreturn]] void notDefined(const std::u16string &name, bool explicitOnly) const;

    // helpers (interpreter.cpp)
    // Loops and calls count m_ticks down; every 256th looks at the cancel
    // flag and the clock. The count never exceeds the calls the depth limit
    // still allows (less one), so a call whose count stays at or above zero
    // needs no depth test of its own: enterFromLoop.
    void checkpoint()
    {
        if (--m_ticks < 0) [[unlikely]]
            checkClock();
    }
    void enterFromLoop()
    {
        if (--m_ticks < 0) [[unlikely]]
            checkCall();
    }
    [[gnu::noinline]] void checkClock();
    [[gnu::noinline]] void checkCall(); // checkClock, then the depth limit
    void enterCall(); // a call from C++: the depth and the C++ stack
    ScriptObject *requireMe() const;
    Ref<Object> errObject();
    Ref<Object> meObject(); // the object, or the global scope outside a class
    void installProcedures(ast::Program &p);

    friend class ScriptObject;
    friend class ErrObject;
    friend class ProcRef;
    friend class GlobalScopeObject;

    GlobalTable m_globals;
    std::vector<std::unique_ptr<ast::Program>> m_programs;
    const BuiltinTable &m_builtins;
    Frame *m_frame = nullptr; // the frame running now; null: nothing (global scope)
    int m_depth = 0;
    int m_runDepth = 0;
    const char *m_stackBase = nullptr;
    std::size_t m_stackAllowance = 0;
    RunGuard m_guard;
    Limits m_limits;
    int m_ticks = 0;
    int m_ticksSet = 0;      // what m_ticks was last set to
    int m_sinceClock = 256;  // counted since the clock was last looked at
    ScriptError m_err;
    Ref<Object> m_errObject;
    Ref<Object> m_globalScope;
    Ref<StringData> m_characters[256]; // the single-character strings of Latin-1, shared
    int m_midIndex = -1;               // Mid, whose one-character form the loop runs itself
    const Locale *m_locale = nullptr;
    std::map<std::string, std::any, std::less<>> m_extensions;
    std::shared_ptr<bool> m_alive;
    ScriptObject *m_liveObjects = nullptr; // every instance of a script class, newest first
    bool m_released = false;
};

} // namespace vbs
