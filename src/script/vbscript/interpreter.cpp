// Frames, calls, units and the services built-ins ask for.
#include "interpreter.h"

#include "array.h"
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

// --- slot storage ------------------------------------------------------------

void Interpreter::SlotStack::allocateChunk(std::size_t n, Variant *&values, Variant **&pointers)
{
    constexpr std::size_t kChunk = 4096;
    if (m_chunks.empty())
        m_chunks.push_back(Chunk{std::make_unique<Variant[]>(std::max(kChunk, n)),
                                 std::make_unique<Variant *[]>(std::max(kChunk, n)), std::max(kChunk, n)});
    if (m_used + n > m_chunks[m_chunk].capacity) {
        ++m_chunk;
        m_used = 0;
        if (m_chunk == m_chunks.size() || m_chunks[m_chunk].capacity < n) {
            Chunk c{std::make_unique<Variant[]>(std::max(kChunk, n)), std::make_unique<Variant *[]>(std::max(kChunk, n)),
                    std::max(kChunk, n)};
            if (m_chunk == m_chunks.size())
                m_chunks.push_back(std::move(c));
            else
                m_chunks[m_chunk] = std::move(c);
        }
    }
    values = m_chunks[m_chunk].values.get() + m_used;
    pointers = m_chunks[m_chunk].pointers.get() + m_used;
    m_used += n;
}

void Interpreter::SlotStack::release(Mark m, Variant *values, std::size_t n)
{
    for (std::size_t i = 0; i < n; ++i)
        values[i] = Variant();
    m_chunk = m.chunk;
    m_used = m.used;
}

void Interpreter::ArgBuffer::reserveMore(std::size_t n)
{
    moreTemps = std::make_unique<Variant[]>(n);
    morePtrs = std::make_unique<Variant *[]>(n);
}

// --- lifetime ----------------------------------------------------------------

Interpreter::Interpreter() : m_builtins(builtinTable()), m_alive(std::make_shared<bool>(true)) {}

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
        m_in.m_frame = &m_in.m_globalFrame;
        m_in.m_depth = 0;
    }
    ++m_in.m_runDepth;
}

Interpreter::RunScope::~RunScope()
{
    --m_in.m_runDepth;
}

// --- checks ------------------------------------------------------------------

// Every 256th checkpoint with a deadline, or once cancelled.
void Interpreter::checkClock()
{
    m_guard.check();
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
    return program;
}

void Interpreter::initSlots(const std::vector<SlotInit> &inits, Variant **slots, bool global)
{
    for (const SlotInit &init : inits) {
        Variant *target;
        if (global) {
            GlobalSlot &g = m_globals[init.slot];
            if (init.what == SlotInit::What::Declare && g.defined)
                continue;
            // A later unit cannot declare an array again (ExecuteGlobal "Dim a()").
            if ((init.what == SlotInit::What::DynamicArray || init.what == SlotInit::What::FixedArray) && g.defined &&
                g.value.isArray())
                raiseError(RuntimeError::TypeMismatch);
            g.defined = true;
            g.isConst = init.what == SlotInit::What::Constant;
            target = &g.value;
        } else {
            target = slots[init.slot];
        }
        switch (init.what) {
        case SlotInit::What::Declare: break;
        case SlotInit::What::Constant: *target = init.value; break;
        case SlotInit::What::DynamicArray: *target = Variant(Array::createEmpty()); break;
        case SlotInit::What::FixedArray: {
            std::vector<Array::Bound> bounds;
            for (std::int32_t d : init.dims)
                bounds.push_back(Array::upTo(d));
            *target = Variant(Array::create(std::move(bounds), true));
            break;
        }
        }
    }
}

void Interpreter::load(std::unique_ptr<Program> program)
{
    Program &p = *program;
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
    m_programs.push_back(std::move(program));
    RunScope run(*this);
    initSlots(p.globalInits, nullptr, true);
    const std::u16string *saved = m_globalFrame.source;
    m_globalFrame.source = &p.source;
    m_globalFrame.resumeNext = false;
    try {
        execBlock(p.body);
    } catch (...) {
        m_globalFrame.source = saved;
        throw;
    }
    m_globalFrame.source = saved;
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

// --- calls -------------------------------------------------------------------

Variant Interpreter::callProcedure(ProcDecl *proc, ScriptObject *me, ArgRefs args)
{
    if (args.size() != proc->params.size())
        raiseError(RuntimeError::WrongArgumentCount);
    enterCall();
    // One object holds the frame and what leaving it restores: deep
    // recursion nests this function, so its frame stays small.
    struct Call
    {
        Interpreter &in;
        Frame frame;
        Frame *saved;
        SlotStack::Mark mark;
        Variant *values = nullptr;
        std::size_t n;
        Ref<Object> keepMe;
        ~Call()
        {
            in.m_frame = saved;
            --in.m_depth;
            in.m_stack.release(mark, values, n);
        }
    } call{*this, {}, m_frame, m_stack.mark(), nullptr, 0, Ref<Object>(static_cast<Object *>(me))};
    ++m_depth;
    const std::size_t n = static_cast<std::size_t>(proc->slotCount);
    Variant **slots = nullptr;
    m_stack.allocate(n, call.values, slots);
    call.n = n;
    Variant *values = call.values;
    for (std::size_t i = 0; i < n; ++i)
        slots[i] = &values[i];
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (proc->params[i].byVal)
            values[i] = *args[i];
        else
            slots[i] = args[i];
    }
    call.frame.slots = slots;
    call.frame.proc = proc;
    call.frame.me = me;
    call.frame.source = proc->source;
    m_frame = &call.frame;
    if (!proc->inits.empty())
        initSlots(proc->inits, slots, false);
    execBlock(proc->body);
    if (proc->resultSlot >= 0)
        return std::move(values[proc->resultSlot]);
    return Variant();
}

ScriptObject *Interpreter::requireMe() const
{
    if (!m_frame->me)
        raiseError(RuntimeError::ObjectRequired);
    return m_frame->me;
}

Ref<Object> Interpreter::meObject()
{
    if (m_frame->me)
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
    ++m_depth;
    struct Down { int &d; ~Down() { --d; } } down{m_depth};
    const Reservation copied(expression.size() * sizeof(char16_t));
    auto source = std::make_unique<std::u16string>(expression);
    Parser parser(*source);
    ExprPtr e = parser.parseStandaloneExpression();
    Resolver resolver(m_globals, m_builtins);
    resolver.resolveExpression(*e, *source, m_frame->proc, m_frame->me ? &m_frame->me->classDecl() : nullptr);
    try {
        return eval(*e);
    } catch (ScriptException &ex) {
        if (ex.sourceText == source.get())
            finishError(ex); // the text goes away with this call
        throw;
    }
}

void Interpreter::execute(std::u16string_view code, bool global)
{
    enterCall();
    ++m_depth;
    struct Down { int &d; ~Down() { --d; } } down{m_depth};
    Parser parser(code);
    std::unique_ptr<Program> program = parser.parseProgram();
    Resolver resolver(m_globals, m_builtins);
    ProcDecl *scope = global ? nullptr : m_frame->proc;
    ClassDecl *cls = (!global && m_frame->me) ? &m_frame->me->classDecl() : nullptr;
    resolver.resolveInScope(*program, scope, cls);
    Program &p = *program;
    for (auto &proc : p.procs)
        proc->source = &p.source;
    for (auto &c : p.classes)
        for (auto &proc : c->procs)
            proc->source = &p.source;
    for (auto &[slot, proc] : p.procSlots) {
        m_globals[slot].proc = proc;
        m_globals[slot].defined = true;
    }
    for (auto &[slot, c] : p.classSlots) {
        m_globals[slot].cls = c;
        m_globals[slot].defined = true;
    }
    // Code that defines nothing lasting (the usual Execute "x = 1") is freed
    // after it ran, so a loop of Execute calls does not pile up trees.
    const bool keep = !p.procs.empty() || !p.classes.empty();
    if (keep)
        m_programs.push_back(std::move(program));
    initSlots(p.globalInits, nullptr, true);
    Frame frame = global ? m_globalFrame : *m_frame;
    frame.source = &p.source;
    if (global) {
        frame.slots = nullptr;
        frame.proc = nullptr;
        frame.me = nullptr;
    }
    frame.resumeNext = false;
    Frame *saved = m_frame;
    m_frame = &frame;
    struct Restore { Interpreter &in; Frame *saved; ~Restore() { in.m_frame = saved; } } restore{*this, saved};
    try {
        execBlock(p.body);
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

std::any &Interpreter::extension(std::string_view key)
{
    auto it = m_extensions.find(key);
    if (it == m_extensions.end())
        it = m_extensions.emplace(std::string(key), std::any()).first;
    return it->second;
}

} // namespace vbs
