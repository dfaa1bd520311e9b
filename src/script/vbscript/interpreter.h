#pragma once

#include "ast.h"
#include "builtins.h"
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

// The tree-walking interpreter. Runs the units the resolver bound, keeps
// the global table, the Err object and the call frames. Every failure is a
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
    std::any &extension(std::string_view key) override;

    // Used by script objects, procedure references and the Err object.
    Variant callProcedure(ast::ProcDecl *proc, ScriptObject *me, ArgRefs args);
    ScriptError &errState() { return m_err; }
    const std::shared_ptr<bool> &aliveToken() const { return m_alive; }

private:
    enum class Flow { Normal, ExitDo, ExitFor, ExitProc };

    struct Frame
    {
        Variant **slots = nullptr;
        ast::ProcDecl *proc = nullptr;
        ScriptObject *me = nullptr;
        const std::u16string *source = nullptr;
        bool resumeNext = false;
    };

    // Storage for the slots of active frames, reused from call to call.
    class SlotStack
    {
    public:
        struct Mark { std::size_t chunk, used; };
        Mark mark() const { return {m_chunk, m_used}; }
        [[gnu::noinline]] void allocateChunk(std::size_t n, Variant *&values, Variant **&pointers);
        void allocate(std::size_t n, Variant *&values, Variant **&pointers)
        {
            if (!m_chunks.empty() && m_used + n <= m_chunks[m_chunk].capacity) {
                values = m_chunks[m_chunk].values.get() + m_used;
                pointers = m_chunks[m_chunk].pointers.get() + m_used;
                m_used += n;
                return;
            }
            allocateChunk(n, values, pointers);
        }
        void release(Mark m, Variant *values, std::size_t n);
    private:
        struct Chunk { std::unique_ptr<Variant[]> values; std::unique_ptr<Variant *[]> pointers; std::size_t capacity; };
        std::vector<Chunk> m_chunks;
        std::size_t m_chunk = 0, m_used = 0;
    };

    // Arguments of one call: pointers to variables (ByRef) or to temporaries.
    struct ArgBuffer
    {
        static constexpr std::size_t kInline = 4;
        Variant temps[kInline];
        Variant *ptrs[kInline];
        std::unique_ptr<Variant[]> moreTemps;
        std::unique_ptr<Variant *[]> morePtrs;
        std::size_t count = 0;
        void reserve(std::size_t n)
        {
            count = n;
            if (n > kInline)
                reserveMore(n);
        }
        void reserveMore(std::size_t n);
        Variant &temp(std::size_t i) { return count > kInline ? moreTemps[i] : temps[i]; }
        Variant *&ptr(std::size_t i) { return count > kInline ? morePtrs[i] : ptrs[i]; }
        ArgRefs refs() { return ArgRefs(count > kInline ? morePtrs.get() : ptrs, count); }
    };

    // statements (interp_stmt.cpp)
    Flow execBlock(const ast::Block &block);
    Flow exec(const ast::Stmt &st);
    Flow execIf(const ast::IfStmt &s);
    bool condition(const ast::Expr &e);
    Flow execSelect(const ast::SelectStmt &s);
    Flow execFor(const ast::ForStmt &s);
    Flow execForEach(const ast::ForEachStmt &s);
    Flow execDo(const ast::DoStmt &s);
    Flow execWith(const ast::WithStmt &s);
    void execAssign(const ast::AssignStmt &s);
    [[gnu::noinline]] bool appendInPlace(const ast::AssignStmt &s);
    void execReDim(const ast::ReDimStmt &s);
    void execErase(const ast::EraseStmt &s);
    void execCall(const ast::CallStmt &s);
    void caught(ScriptException &e, const ast::Pos &pos);
    // In a handler for an error in a statement's header (a condition, a For
    // or With expression, a Case value): true when On Error Resume Next
    // records it and the statement goes on into its body.
    bool resumeInto(const ast::Pos &pos);
    Flow runOnce(const ast::Block &body, RuntimeError atEnd);
    [[gnu::noinline]] void resumeAfter(const ast::Pos &pos);

    // expressions (interp_expr.cpp)
    Variant eval(const ast::Expr &e);
    Variant evalName(const ast::NameExpr &n);
    Variant evalBinary(const ast::BinaryExpr &b);
    [[gnu::noinline]] Variant evalChain(const ast::ChainExpr &c);
    // `left` and `right`: the operands as written, for the comparison rules of literals.
    Variant applyBinary(ast::BinOp op, const Variant &l, const Variant &r, const ast::Expr *left, const ast::Expr *right);
    // `literals`: bit 0 the left operand is a literal, bit 1 the right one.
    [[gnu::noinline]] Variant binaryOperator(ast::BinOp op, const Variant &left, const Variant &right, unsigned literals);
    const Variant *inPlace(const ast::Expr &e) const;
    Variant evalCall(const ast::CallExpr &c, bool statement);
    // `parens`: written with an argument list, "obj.m()".
    Variant evalMember(const ast::MemberExpr &m, ArgRefs args, bool statement, bool parens = false);
    Variant evalNew(const ast::NewExpr &n);
    Variant withObject(const ast::WithExpr &w);
    void evalArgs(const std::vector<ast::ExprPtr> &args, ArgBuffer &buf);
    Variant *elementRef(const ast::CallExpr &c, Variant &keep);
    Variant *variableRef(const ast::Binding &b, bool forWrite);
    Variant *nameRef(const ast::NameExpr &n, bool forWrite); // 500 names the variable
    Variant indexValue(const Variant &container, ArgRefs args, bool statement);
    Variant callBuiltin(int index, ArgRefs args, bool statement = false);
    void assignTo(const ast::Expr &target, const Variant &value, bool isSet);
    Variant memberOfMe(int member, ArgRefs args);
    [[noreturn]] void notDefined(const std::u16string &name, bool explicitOnly) const;

    // helpers (interpreter.cpp)
    void checkpoint()
    {
        if (m_guard.cancel.load(std::memory_order_relaxed) || (m_guard.hasDeadline() && (++m_tick & 255u) == 0))
            checkClock();
    }
    [[gnu::noinline]] void checkClock();
    void enterCall();
    void initSlots(const std::vector<ast::SlotInit> &inits, Variant **slots, bool global);
    ScriptObject *requireMe() const;
    Ref<Object> errObject();
    Ref<Object> meObject(); // the object, or the global scope outside a class

    friend class ScriptObject;
    friend class ErrObject;
    friend class ProcRef;
    friend class GlobalScopeObject;

    GlobalTable m_globals;
    std::vector<std::unique_ptr<ast::Program>> m_programs;
    std::vector<std::unique_ptr<ast::Expr>> m_evalExprs;
    const BuiltinTable &m_builtins;
    Frame m_globalFrame;
    Frame *m_frame = &m_globalFrame;
    SlotStack m_stack;
    int m_depth = 0;
    int m_runDepth = 0;
    const char *m_stackBase = nullptr;
    std::size_t m_stackAllowance = 0;
    RunGuard m_guard;
    Limits m_limits;
    unsigned m_tick = 0;
    ScriptError m_err;
    Ref<Object> m_errObject;
    Ref<Object> m_globalScope;
    const Locale *m_locale = nullptr;
    std::map<std::string, std::any, std::less<>> m_extensions;
    std::shared_ptr<bool> m_alive;
    ScriptObject *m_liveObjects = nullptr; // every instance of a script class, newest first
    bool m_released = false;
};

} // namespace vbs
