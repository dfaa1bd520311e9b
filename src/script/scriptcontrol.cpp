#include "scriptcontrol.h"

#include "errorcore/error.h"
#include "jscript/jscriptengine.h"
#include "objects/runcontext.h"
#include "script/engine/scriptengine.h"
#include "vbhost/vbscriptengine.h"

namespace {

const QString kVBScript = QStringLiteral("VBScript");
const QString kJScript = QStringLiteral("JScript");

} // namespace

ScriptControl::ScriptControl() : m_engine(std::make_unique<VBScriptEngine>()), m_language(kVBScript) {}

ScriptControl::~ScriptControl() = default;

QString ScriptControl::language() const
{
    return m_language;
}

void ScriptControl::setLanguage(const QString &language)
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
        ScriptErrorInfo unknown;
        unknown.Number = 5;
        unknown.Description = QStringLiteral("Unknown script language '%1': the languages are VBScript and JScript")
                                  .arg(language);
        unknown.Source = QStringLiteral("ScriptControl");
        raise(unknown);
    }
    const std::lock_guard lock(m_engineLock);
    if (m_stopped)
        engine->stop();
    // The engine replaced goes under the lock, so that stop() never sees it half gone.
    m_engine = std::move(engine);
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

void ScriptControl::addCode(const QString &code)
{
    m_error = ScriptErrorInfo();
    applyLimits();
    const RunContext::Scope context(std::chrono::milliseconds(m_timeout > 0 ? m_timeout : 0), m_readOnly,
                                    m_memoryLimit > 0 ? static_cast<std::size_t>(m_memoryLimit) << 20 : 0);
    if (!m_engine->addCode(code))
        raise(m_engine->error());
}

void ScriptControl::check(const QString &code)
{
    m_error = ScriptErrorInfo();
    if (!m_engine->check(code))
        raise(m_engine->error());
}

void ScriptControl::close()
{
    m_error = ScriptErrorInfo();
    applyLimits();
    const RunContext::Scope context(std::chrono::milliseconds(m_timeout > 0 ? m_timeout : 0), m_readOnly,
                                    m_memoryLimit > 0 ? static_cast<std::size_t>(m_memoryLimit) << 20 : 0);
    const bool closed = m_engine->close();
    const ScriptErrorInfo error = m_engine->error();
    setLanguage(m_language);
    if (!closed)
        raise(error);
}

QVariant ScriptControl::run(const QString &name)
{
    QVariantList none;
    return run(name, none);
}

QVariant ScriptControl::run(const QString &name, QVariantList &args)
{
    m_error = ScriptErrorInfo();
    applyLimits();
    const RunContext::Scope context(std::chrono::milliseconds(m_timeout > 0 ? m_timeout : 0), m_readOnly,
                                    m_memoryLimit > 0 ? static_cast<std::size_t>(m_memoryLimit) << 20 : 0);
    QVariant result;
    if (!m_engine->run(name, args, result))
        raise(m_engine->error());
    return result;
}

void ScriptControl::applyLimits()
{
    m_engine->setTimeLimit(std::chrono::milliseconds(m_timeout > 0 ? m_timeout : 0));
    m_engine->setMemoryBudget(m_memoryLimit > 0 ? static_cast<std::size_t>(m_memoryLimit) << 20 : 0);
}

void ScriptControl::raise(const ScriptErrorInfo &error)
{
    m_error = error;
    throw Error(error.Number, error.Description, error.Source);
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
