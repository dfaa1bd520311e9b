#include "vbscriptengine.h"

#include "script/bridge/automationobjects.h"
#include "script/bridge/qobjectadapter.h"
#include "script/bridge/scripterror.h"
#include "script/bridge/variantconvert.h"
#include "script/vbscript/builtins.h"
#include "script/vbscript/engine.h"
#include "script/engine/scriptrun.h"
#include "script/engine/watchdog.h"

#include <vector>

VBScriptEngine::VBScriptEngine()
    : m_engine(std::make_unique<vbs::Engine>()),
      m_run(std::make_shared<const ScriptRun>(std::chrono::milliseconds(0), 0)),
      m_watchdog(std::make_unique<Watchdog>([this] { m_engine->cancel(); }))
{
    bridge::installAutomationObjects(*m_engine);
}

// The watchdog goes first: it may call into the engine.
VBScriptEngine::~VBScriptEngine()
{
    m_watchdog.reset();
}

void VBScriptEngine::setOutput(ScriptOutput output)
{
    // The prompt as text: Null says so, an object without a default value is 13.
    const auto prompt = [](vbs::ArgRefs args) {
        const vbs::Variant value = vbs::argValue(args, 0);
        return bridge::toQString(value.isNull() ? std::u16string(u"Null") : value.toString());
    };
    m_engine->setDebugPrintHook([output](std::u16string_view line) {
        if (output)
            output(bridge::toQString(line));
    });
    m_engine->setMessageBoxHook([output, prompt](vbs::ArgRefs args) {
        const QString text = prompt(args);
        if (output)
            output(text);
        return vbs::Variant::fromInteger(1); // vbOK
    });
    m_engine->setInputBoxHook([output, prompt](vbs::ArgRefs args) {
        const QString text = prompt(args);
        if (output)
            output(text);
        const bool hasDefault = args.size() > 2 && !args[2]->isEmpty();
        return hasDefault ? vbs::Variant(vbs::argValue(args, 2).toString()) : vbs::Variant(std::u16string());
    });
}

void VBScriptEngine::stop()
{
    m_stopped = true;
    m_engine->cancel();
}

template <class Call>
bool VBScriptEngine::watched(Call &&call)
{
    m_stoppedQuietly = false;
    m_fired = Watchdog::Fired::No;
    m_engine->resetCancel();
    // A stop() just before the reset is not lost: nothing runs after it.
    if (m_stopped)
        return false;
    // The engine's own clock stops it at the run's deadline too.
    const std::optional<std::chrono::milliseconds> left = m_run->timeLeft();
    m_engine->setTimeLimit(left ? std::max(*left, std::chrono::milliseconds(1)) : std::chrono::milliseconds(0));
    m_watchdog->arm(*m_run);
    const bool done = call();
    m_fired = m_watchdog->disarm();
    // The engine's own clock may have stopped it just before the watchdog.
    if (done && m_fired == Watchdog::Fired::No && m_run->overTime())
        m_fired = Watchdog::Fired::Time;
    // A Class_Terminate stopped at the limit ends without an error, since the
    // language ignores those; the call still failed.
    m_stoppedQuietly = done && (m_fired != Watchdog::Fired::No || m_stopped);
    return done && !m_stoppedQuietly;
}

// The engine charges the run's account, which every engine of the run
// shares: what the global code keeps counts while Main and the levels run.
void VBScriptEngine::setRun(std::shared_ptr<const ScriptRun> run)
{
    m_run = std::move(run);
    if (!(m_engine->memoryBudget() == m_run->memoryAccount()))
        m_engine->setMemoryBudget(m_run->memoryAccount());
}

bool VBScriptEngine::failed()
{
    if (m_stopped) {
        // Where the script was when the stop reached it, for the report
        // and the pane's mark; nowhere when it was stopped before it ran.
        const ScriptErrorInfo where = bridge::errorInfo(m_engine->lastError());
        m_error = ScriptErrorInfo();
        if (where.Number == vbs::kCancelledError) {
            m_error.Line = where.Line;
            m_error.Column = where.Column;
            m_error.Text = where.Text;
        }
        m_error.Number = vbs::kCancelledError;
        m_error.Description = stopDescription();
        m_error.Source = bridge::toQString(vbs::kRuntimeSource);
        return false;
    }
    if (m_stoppedQuietly) {
        m_error = ScriptErrorInfo();
        m_error.Number = vbs::kCancelledError;
        m_error.Source = bridge::toQString(vbs::kRuntimeSource);
    } else {
        m_error = bridge::errorInfo(m_engine->lastError());
    }
    if (m_error.Number == vbs::kCancelledError && m_fired == Watchdog::Fired::Memory) {
        m_error.Number = static_cast<long>(vbs::RuntimeError::OutOfMemory);
        m_error.Description = memoryDescription(m_run->memoryBudget());
    } else if (m_error.Number == vbs::kCancelledError && (m_run->timeLimit().count() > 0 || m_stoppedQuietly)) {
        m_error.Description = timeoutDescription(m_run->timeLimit());
    }
    return false;
}

bool VBScriptEngine::addCode(const QString &code)
{
    m_error = ScriptErrorInfo();
    return watched([&] { return m_engine->addCode(bridge::toU16(code)); }) || failed();
}

bool VBScriptEngine::check(const QString &code)
{
    m_error = ScriptErrorInfo();
    return (!m_stopped && m_engine->check(bridge::toU16(code))) || failed();
}

bool VBScriptEngine::close()
{
    m_error = ScriptErrorInfo();
    return watched([&] { return m_engine->close(); }) || failed();
}

bool VBScriptEngine::run(const QString &name, QVariantList &args, QVariant &result)
{
    m_error = ScriptErrorInfo();
    result = QVariant();
    std::vector<vbs::Variant> values;
    values.reserve(static_cast<std::size_t>(args.size()));
    try {
        for (const QVariant &arg : args)
            values.push_back(bridge::toVariant(arg, QObjectAdapter::Ownership::Caller));
    } catch (const vbs::ScriptException &e) {
        m_error = bridge::errorInfo(e.error);
        m_error.Source = bridge::toQString(vbs::kRuntimeSource);
        return false;
    }

    vbs::Variant value;
    if (!watched([&] { return m_engine->run(bridge::toU16(name), values, &value); }))
        return failed();

    // ByRef: what the procedure assigned to its parameters. An object the
    // caller passed in and got back unchanged stays the caller's pointer.
    // A value past the bounds of the conversion fails the call.
    QVariantList converted = args;
    try {
        for (qsizetype i = 0; i < args.size(); ++i) {
            const vbs::Variant &written = values[static_cast<std::size_t>(i)];
            const QObject *passed = args[i].metaType().flags().testFlag(QMetaType::PointerToQObject)
                ? args[i].value<QObject *>() : nullptr;
            if (passed && written.isObject() && QObjectAdapter::unwrap(written.object()) == passed)
                continue;
            converted[i] = bridge::toResult(written);
        }
        result = bridge::toResult(value);
    } catch (const vbs::ScriptException &e) {
        m_error = bridge::errorInfo(e.error);
        m_error.Source = bridge::toQString(vbs::kRuntimeSource);
        return false;
    } catch (...) {
        const Error e = toError(std::current_exception());
        m_error = ScriptErrorInfo{e.number, e.description, bridge::toQString(vbs::kRuntimeSource), {}, 0, 0};
        return false;
    }
    args = converted;
    return true;
}
