#include "scriptcontrol.h"

#include "jscript/jscriptengine.h"
#include "objects/runcontext.h"
#include "script/engine/scriptengine.h"
#include "script/engine/scriptrun.h"
#include "vbhost/vbscriptengine.h"

#include <utility>

namespace {

const QString kVBScript = QStringLiteral("VBScript");
const QString kJScript = QStringLiteral("JScript");

} // namespace

ScriptControl::ScriptControl() : m_engine(std::make_unique<VBScriptEngine>()), m_language(kVBScript)
{
    m_engine->setOutput(m_output);
}

ScriptControl::~ScriptControl() = default;

QString ScriptControl::language() const
{
    return m_language;
}

bool ScriptControl::setLanguage(const QString &language)
{
    const QString name = language.trimmed();
    m_error = ScriptErrorInfo();
    std::unique_ptr<ScriptEngine> engine;
    if (name.compare(kVBScript, Qt::CaseInsensitive) == 0) {
        engine = std::make_unique<VBScriptEngine>();
        m_language = kVBScript;
    } else if (name.compare(kJScript, Qt::CaseInsensitive) == 0) {
        engine = std::make_unique<JScriptEngine>();
        m_language = kJScript;
    } else {
        m_error.Number = 5;
        m_error.Description = QStringLiteral("Unknown script language '%1': the languages are VBScript and JScript")
                                  .arg(language);
        m_error.Source = QStringLiteral("ScriptControl");
        return false;
    }
    engine->setOutput(m_output);
    const std::lock_guard lock(m_engineLock);
    if (m_stopped)
        engine->stop();
    // The engine replaced goes under the lock, so that stop() never sees it half gone.
    m_engine = std::move(engine);
    return true;
}

void ScriptControl::setOutput(ScriptOutput output)
{
    m_output = std::move(output);
    m_engine->setOutput(m_output);
}

void ScriptControl::stop()
{
    m_stopped = true;
    const std::lock_guard lock(m_engineLock);
    m_engine->stop();
}

bool ScriptControl::stopped() const
{
    return m_stopped;
}

std::shared_ptr<const ScriptRun> ScriptControl::newRun() const
{
    return std::make_shared<const ScriptRun>(std::chrono::milliseconds(m_timeout > 0 ? m_timeout : 0),
                                             m_memoryLimit > 0 ? static_cast<std::size_t>(m_memoryLimit) << 20 : 0);
}

bool ScriptControl::refuse(long number, const QString &description)
{
    m_error = ScriptErrorInfo();
    m_error.Number = number;
    m_error.Description = description;
    m_error.Source = m_language + QLatin1String(" runtime error");
    return false;
}

template <class Call>
bool ScriptControl::call(Call &&body)
{
    m_error = ScriptErrorInfo();
    const std::shared_ptr<const ScriptRun> run = m_run ? m_run : newRun();
    // A run whose time or memory went on earlier scripts starts nothing more.
    if (!m_stopped && run->overTime())
        return refuse(18, timeoutDescription(run->timeLimit()));
    if (!m_stopped && run->memoryLeft() == std::size_t(0))
        return refuse(7, memoryDescription(run->memoryBudget()));
    m_engine->setRun(run);
    const RunContext::Scope context(*run, m_readOnly);
    if (body(*m_engine))
        return true;
    m_error = m_engine->error();
    return false;
}

bool ScriptControl::addCode(const QString &code)
{
    return call([&](ScriptEngine &engine) { return engine.addCode(code); });
}

bool ScriptControl::check(const QString &code)
{
    m_error = ScriptErrorInfo();
    if (m_engine->check(code))
        return true;
    m_error = m_engine->error();
    return false;
}

bool ScriptControl::close()
{
    const bool closed = call([](ScriptEngine &engine) { return engine.close(); });
    const ScriptErrorInfo error = m_error;
    (void)setLanguage(m_language); // a language it has, so this starts its empty engine
    m_error = error;
    return closed;
}

std::optional<QVariant> ScriptControl::run(const QString &name)
{
    QVariantList none;
    return run(name, none);
}

std::optional<QVariant> ScriptControl::run(const QString &name, QVariantList &args)
{
    QVariant result;
    if (!call([&](ScriptEngine &engine) { return engine.run(name, args, result); }))
        return std::nullopt;
    return result;
}

const ScriptErrorInfo &ScriptControl::error() const
{
    return m_error;
}

int ScriptControl::timeout() const
{
    return m_timeout;
}

void ScriptControl::setTimeout(int milliseconds)
{
    m_timeout = milliseconds;
}

int ScriptControl::memoryLimit() const
{
    return m_memoryLimit;
}

void ScriptControl::setMemoryLimit(int megabytes)
{
    m_memoryLimit = megabytes;
}

bool ScriptControl::readOnly() const
{
    return m_readOnly;
}

void ScriptControl::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
}

ScriptControl::RunScope::RunScope(ScriptControl &control) : RunScope(control, control.newRun()) {}

ScriptControl::RunScope::RunScope(ScriptControl &control, std::shared_ptr<const ScriptRun> run)
    : m_control(control), m_run(std::move(run)), m_saved(std::exchange(control.m_run, m_run))
{
}

ScriptControl::RunScope::~RunScope()
{
    m_control.m_run = m_saved;
}
