#include "engine.h"

#include "interpreter.h"
#include "text.h"

namespace vbs {

Engine::Engine() : m_interp(std::make_unique<Interpreter>())
{
    m_interp->guard().budget = MemoryBudget(kDefaultMemoryBudget);
}
Engine::~Engine() = default;

// The one boundary where errors become a result.
template <class Body>
bool Engine::guarded(Body &&body)
{
    m_error = ScriptError();
    try {
        body();
        return true;
    } catch (ScriptException &e) {
        m_interp->finishError(e);
        m_error = e.error;
    } catch (const std::bad_alloc &) {
        m_error = runtimeError(RuntimeError::OutOfMemory);
    } catch (const std::exception &) {
        m_error = runtimeError(RuntimeError::InternalError);
    }
    return false;
}

bool Engine::addCode(std::u16string_view code)
{
    return guarded([&] {
        // One deadline and one guard for compiling and running the unit.
        Interpreter::RunScope run(*m_interp);
        m_interp->load(m_interp->compile(code));
    });
}

bool Engine::addCodeUtf8(std::string_view code)
{
    return addCode(fromUtf8(code));
}

bool Engine::check(std::u16string_view code)
{
    return guarded([&] {
        Interpreter::RunScope run(*m_interp);
        (void)m_interp->compile(code);
    });
}

bool Engine::run(std::u16string_view procedure, std::vector<Variant> &args, Variant *result)
{
    return guarded([&] {
        std::vector<Variant *> refs;
        refs.reserve(args.size());
        for (Variant &a : args)
            refs.push_back(&a);
        Variant r = m_interp->runProcedure(procedure, refs);
        if (result)
            *result = std::move(r);
    });
}

bool Engine::hasProcedure(std::u16string_view procedure) const
{
    return m_interp->hasProcedure(procedure);
}

bool Engine::eval(std::u16string_view expression, Variant &result)
{
    return guarded([&] { result = m_interp->evaluateGlobal(expression); });
}

bool Engine::close()
{
    return guarded([&] {
        if (!m_interp->release())
            raiseError(RuntimeError::UserInterrupt);
    });
}

std::atomic<bool> &Engine::cancelFlag()
{
    return m_interp->cancelFlag();
}

void Engine::setTimeLimit(std::chrono::milliseconds limit)
{
    m_interp->limits().timeLimit = limit;
}

void Engine::setMaxCallDepth(int depth)
{
    m_interp->limits().maxCallDepth = depth;
}

void Engine::setMemoryBudget(const MemoryBudget &budget)
{
    m_interp->guard().budget = budget;
}

const MemoryBudget &Engine::memoryBudget() const
{
    return m_interp->guard().budget;
}

void Engine::setObjectFactory(ObjectFactory factory)
{
    m_interp->objectFactory = std::move(factory);
}

void Engine::addObject(std::u16string_view name, Ref<Object> object)
{
    m_interp->defineGlobal(name, Variant(std::move(object)));
}

void Engine::setMessageBoxHook(std::function<Variant(ArgRefs)> hook)
{
    m_interp->messageBoxHook = std::move(hook);
}

void Engine::setDebugPrintHook(std::function<void(std::u16string_view)> hook)
{
    m_interp->debugPrintHook = std::move(hook);
}

void Engine::setInputBoxHook(std::function<Variant(ArgRefs)> hook)
{
    m_interp->inputBoxHook = std::move(hook);
}

} // namespace vbs
