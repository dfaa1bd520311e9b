// Units, their lifetime, and the services built-ins ask for.
#include "interpreter.h"

#include "array.h"
#include "compiler.h"
#include "lexer.h"
#include "parser.h"
#include "resolver.h"
#include "scriptobject.h"
#include "text.h"

#if defined(__linux__)
#include <pthread.h>
#endif

namespace vbs {

using namespace ast;

// --- lifetime ----------------------------------------------------------------

Interpreter::Interpreter() : m_builtins(builtinTable()), m_alive(std::make_shared<bool>(true))
{
    m_midIndex = m_builtins.functionIndex(u"Mid");
}

Interpreter::~Interpreter()
{
    try {
        release();
    } catch (...) {
    }
    *m_alive = false;
}

bool Interpreter::release()
{
    if (m_released)
        return true;
    m_released = true;
    {
        // Objects going away now still run Class_Terminate, within a time
        // limit of their own.
        RunScope run(*this);
        m_guard.interrupted = false;
        m_errObject = Ref<Object>();
        m_globalScope = Ref<Object>();
        m_globals.clearValues();
        for (Ref<StringData> &c : m_characters)
            c = Ref<StringData>();
    }
    const bool completed = !m_guard.interrupted;
    // What is left lives only through reference cycles (or a host still
    // holding it, which can no longer use it): emptying the fields of every
    // instance breaks the cycles, and the objects go without Class_Terminate.
    *m_alive = false;
    std::vector<Ref<Object>> held;
    for (ScriptObject *o = m_liveObjects; o; o = o->m_nextLive)
        held.emplace_back(o);
    m_liveObjects = nullptr;
    for (const Ref<Object> &o : held) {
        for (Variant &field : static_cast<ScriptObject *>(o.get())->fields)
            field = Variant();
    }
    return completed;
}

Interpreter::RunScope::RunScope(Interpreter &in)
    : m_in(in), m_outer(in.m_runDepth == 0), m_locale(in.m_locale ? in.m_locale : &englishUS()), m_guard(in.m_guard)
{
    if (m_outer) {
        char probe = 0;
        m_in.m_stackBase = &probe;
        m_in.m_stackAllowance = m_in.m_limits.stackBudget;
#if defined(__linux__)
        // Never plan for more stack than this thread has left.
        pthread_attr_t attr;
        if (pthread_getattr_np(pthread_self(), &attr) == 0) {
            void *low = nullptr;
            std::size_t size = 0;
            if (pthread_attr_getstack(&attr, &low, &size) == 0 && low) {
                const std::size_t left = static_cast<std::size_t>(&probe - static_cast<char *>(low));
                const std::size_t usable = left > (512u << 10) ? (left - (256u << 10)) / 4 * 3 : left / 4;
                m_in.m_stackAllowance = std::min(m_in.m_stackAllowance, usable);
            }
            pthread_attr_destroy(&attr);
        }
#endif
        m_in.m_guard.startClock(m_in.m_limits.timeLimit);
        m_in.m_frame = nullptr;
        m_in.m_depth = 0;
        // The depth limit may have changed: count afresh.
        m_in.m_ticks = m_in.m_ticksSet = 0;
    }
    ++m_in.m_runDepth;
}

Interpreter::RunScope::~RunScope()
{
    --m_in.m_runDepth;
}

// --- checks ------------------------------------------------------------------

void Interpreter::checkClock()
{
    m_sinceClock += m_ticksSet - m_ticks;
    if (m_sinceClock >= 256) {
        m_sinceClock = 0;
        m_guard.check();
    }
    // Less one: a call from C++ counts one tick before its frame adds a level.
    const int room = m_limits.maxCallDepth - m_depth - 1;
    m_ticks = m_ticksSet = std::max(0, std::min(255 - m_sinceClock, room));
}

void Interpreter::checkCall()
{
    checkClock();
    if (m_depth >= m_limits.maxCallDepth)
        raiseError(RuntimeError::OutOfStackSpace);
}

void Interpreter::enterCall()
{
    checkpoint();
    char probe = 0;
    const std::size_t used = m_stackBase ? static_cast<std::size_t>(m_stackBase > &probe ? m_stackBase - &probe : &probe - m_stackBase) : 0;
    if (m_depth >= m_limits.maxCallDepth || used > m_stackAllowance)
        raiseError(RuntimeError::OutOfStackSpace);
}

void Interpreter::finishError(ScriptException &e) const
{
    if (e.sourceText && e.error.text.empty())
        e.error.text = Lexer::lineText(*e.sourceText, e.error.line);
    e.sourceText = nullptr;
}

// --- units -------------------------------------------------------------------

std::unique_ptr<Program> Interpreter::compile(std::u16string_view code)
{
    Parser parser(code);
    std::unique_ptr<Program> program = parser.parseProgram();
    Resolver resolver(m_globals, m_builtins);
    resolver.resolve(*program);
    Compiler compiler(m_globals, m_builtins);
    compiler.compile(*program, nullptr);
    return program;
}

void Interpreter::installProcedures(Program &p)
{
    for (auto &proc : p.procs)
        proc->source = &p.source;
    for (auto &cls : p.classes)
        for (auto &proc : cls->procs)
            proc->source = &p.source;
    for (auto &[slot, proc] : p.procSlots) {
        GlobalSlot &g = m_globals[slot];
        g.proc = proc;
        g.cls = nullptr;
        g.defined = true;
    }
    for (auto &[slot, cls] : p.classSlots) {
        GlobalSlot &g = m_globals[slot];
        g.cls = cls;
        g.proc = nullptr;
        g.defined = true;
    }
}

void Interpreter::load(std::unique_ptr<Program> program)
{
    Program &p = *program;
    installProcedures(p);
    m_programs.push_back(std::move(program));
    RunScope run(*this);
    initSlots(p.globalInits, nullptr, true);
    runCode(*p.main, nullptr, nullptr);
}

bool Interpreter::hasProcedure(std::u16string_view name) const
{
    const int slot = m_globals.find(foldCase(name));
    return slot >= 0 && const_cast<GlobalTable &>(m_globals)[slot].proc;
}

Variant Interpreter::runProcedure(std::u16string_view name, ArgRefs args)
{
    const int slot = m_globals.find(foldCase(name));
    if (slot < 0 || !m_globals[slot].proc)
        raiseError(RuntimeError::ProcedureNotDefined);
    RunScope run(*this);
    return callProcedure(m_globals[slot].proc, nullptr, args);
}

Variant Interpreter::evaluateGlobal(std::u16string_view expression)
{
    RunScope run(*this);
    return evaluate(expression);
}

void Interpreter::defineGlobal(std::u16string_view name, const Variant &value)
{
    const int slot = m_globals.intern(std::u16string(name), foldCase(name));
    GlobalSlot &g = m_globals[slot];
    g.value = value;
    g.defined = true;
    g.isConst = true;
}

ScriptObject *Interpreter::requireMe() const
{
    if (!m_frame || !m_frame->me)
        raiseError(RuntimeError::ObjectRequired);
    return m_frame->me;
}

Ref<Object> Interpreter::meObject()
{
    if (m_frame && m_frame->me)
        return Ref<Object>(static_cast<Object *>(m_frame->me));
    if (!m_globalScope)
        m_globalScope = makeRef<GlobalScopeObject>(*this);
    return m_globalScope;
}

Ref<Object> Interpreter::errObject()
{
    if (!m_errObject)
        m_errObject = makeRef<ErrObject>(*this);
    return m_errObject;
}

// --- CallContext ---------------------------------------------------------------

const Locale &Interpreter::locale() const
{
    return m_locale ? *m_locale : englishUS();
}

void Interpreter::setLocale(const Locale *locale)
{
    m_locale = locale;
    setCurrentLocale(locale ? locale : &englishUS());
}

Variant Interpreter::evaluate(std::u16string_view expression)
{
    enterCall();
    const Reservation copied(expression.size() * sizeof(char16_t));
    auto source = std::make_unique<std::u16string>(expression);
    Parser parser(*source);
    ExprPtr e = parser.parseStandaloneExpression();
    Frame *scope = m_frame;
    ProcDecl *proc = scope ? const_cast<ProcDecl *>(scope->code->proc) : nullptr;
    ScriptObject *me = scope ? scope->me : nullptr;
    Resolver resolver(m_globals, m_builtins);
    resolver.resolveExpression(*e, *source, proc, me ? &me->classDecl() : nullptr);
    Compiler compiler(m_globals, m_builtins);
    const std::shared_ptr<vm::Code> code = compiler.compileExpression(*e, *source, proc);
    try {
        return runCode(*code, me, scope);
    } catch (ScriptException &ex) {
        if (ex.sourceText == source.get())
            finishError(ex); // the text goes away with this call
        throw;
    }
}

void Interpreter::execute(std::u16string_view code, bool global)
{
    enterCall();
    Parser parser(code);
    std::unique_ptr<Program> program = parser.parseProgram();
    Frame *scope = global ? nullptr : m_frame;
    ProcDecl *proc = scope ? const_cast<ProcDecl *>(scope->code->proc) : nullptr;
    if (!proc)
        scope = nullptr;
    ScriptObject *me = scope ? scope->me : nullptr;
    Resolver resolver(m_globals, m_builtins);
    resolver.resolveInScope(*program, proc, me ? &me->classDecl() : nullptr);
    Compiler compiler(m_globals, m_builtins);
    compiler.compile(*program, proc);
    Program &p = *program;
    installProcedures(p);
    // Code that defines nothing lasting (the usual Execute "x = 1") is freed
    // after it ran, so a loop of Execute calls does not pile up code.
    const bool keep = !p.procs.empty() || !p.classes.empty();
    if (keep)
        m_programs.push_back(std::move(program));
    initSlots(p.globalInits, nullptr, true);
    try {
        runCode(*p.main, me, scope);
    } catch (ScriptException &e) {
        if (!keep && e.sourceText == &p.source)
            finishError(e); // the unit's text goes away with this call
        throw;
    }
}

Ref<Object> Interpreter::procedureRef(std::u16string_view name)
{
    const int slot = m_globals.find(foldCase(name));
    if (slot < 0 || !m_globals[slot].proc)
        raiseError(RuntimeError::InvalidProcedureCall);
    return makeRef<ProcRef>(*this, *m_globals[slot].proc);
}

Ref<Object> Interpreter::createObject(std::u16string_view progId)
{
    if (!objectFactory)
        return m_builtins.createObject(progId);
    Ref<Object> object = objectFactory(progId);
    if (!object)
        raiseError(RuntimeError::CannotCreateObject);
    return object;
}

Variant Interpreter::messageBox(ArgRefs args)
{
    if (!messageBoxHook)
        raiseError(RuntimeError::PermissionDenied);
    return messageBoxHook(args);
}

Variant Interpreter::inputBox(ArgRefs args)
{
    if (!inputBoxHook)
        raiseError(RuntimeError::PermissionDenied);
    return inputBoxHook(args);
}

void Interpreter::debugPrint(std::u16string_view line)
{
    if (debugPrintHook)
        debugPrintHook(line);
}

std::any &Interpreter::extension(std::string_view key)
{
    auto it = m_extensions.find(key);
    if (it == m_extensions.end())
        it = m_extensions.emplace(std::string(key), std::any()).first;
    return it->second;
}

Variant Interpreter::character(char16_t c)
{
    if (c >= 256)
        return Variant(std::u16string(1, c));
    Ref<StringData> &shared = m_characters[c];
    if (!shared)
        shared = StringData::make(std::u16string_view(&c, 1));
    return Variant(shared);
}

} // namespace vbs
