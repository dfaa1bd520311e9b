#include "vbscriptengine.h"

#include "script/bridge/automationobjects.h"
#include "script/bridge/qobjectadapter.h"
#include "script/bridge/scripterror.h"
#include "script/bridge/variantconvert.h"
#include "script/vbscript/engine.h"

#include <vector>

VBScriptEngine::VBScriptEngine() : m_engine(std::make_unique<vbs::Engine>())
{
    bridge::installAutomationObjects(*m_engine);
}

VBScriptEngine::~VBScriptEngine() = default;

void VBScriptEngine::setTimeLimit(std::chrono::milliseconds limit)
{
    m_limit = limit;
    m_engine->setTimeLimit(limit);
}

bool VBScriptEngine::failed()
{
    m_error = bridge::errorInfo(m_engine->lastError());
    if (m_error.Number == vbs::kCancelledError && m_limit.count() > 0)
        m_error.Description = timeoutDescription(m_limit);
    return false;
}

bool VBScriptEngine::addCode(const QString &code)
{
    m_error = ScriptErrorInfo();
    m_engine->resetCancel();
    return m_engine->addCode(bridge::toU16(code)) || failed();
}

bool VBScriptEngine::check(const QString &code)
{
    m_error = ScriptErrorInfo();
    return m_engine->check(bridge::toU16(code)) || failed();
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

    m_engine->resetCancel();
    vbs::Variant value;
    if (!m_engine->run(bridge::toU16(name), values, &value))
        return failed();

    // ByRef: what the procedure assigned to its parameters. An object the
    // caller passed in and got back unchanged stays the caller's pointer.
    for (qsizetype i = 0; i < args.size(); ++i) {
        const vbs::Variant &written = values[static_cast<std::size_t>(i)];
        const QObject *passed = args[i].metaType().flags().testFlag(QMetaType::PointerToQObject)
            ? args[i].value<QObject *>() : nullptr;
        if (passed && written.isObject() && QObjectAdapter::unwrap(written.object()) == passed)
            continue;
        args[i] = bridge::toResult(written);
    }
    result = bridge::toResult(value);
    return true;
}
