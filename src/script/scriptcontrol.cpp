#include "scriptcontrol.h"

#include "bridge/automationobjects.h"
#include "bridge/qobjectadapter.h"
#include "bridge/scripterror.h"
#include "bridge/variantconvert.h"
#include "errorcore/error.h"
#include "jscript/jscriptengine.h"
#include "script/vbscript/engine.h"

#include <vector>

namespace {

enum class Language { VBScript, JScript };

const QString kVBScript = QStringLiteral("VBScript");
const QString kJScript = QStringLiteral("JScript");

QString timeoutText(int milliseconds)
{
    return QStringLiteral("The script was stopped: it ran longer than the time-out of %1 ms").arg(milliseconds);
}

} // namespace

struct ScriptControl::Private
{
    Language language = Language::VBScript;
    std::unique_ptr<vbs::Engine> vbscript;
    std::unique_ptr<JScriptEngine> jscript;
    ScriptErrorInfo error;
    int timeout = 10000;

    void startEngine(Language chosen)
    {
        vbscript.reset();
        jscript.reset();
        language = chosen;
        if (chosen == Language::VBScript) {
            vbscript = std::make_unique<vbs::Engine>();
            bridge::installAutomationObjects(*vbscript);
        } else {
            jscript = std::make_unique<JScriptEngine>();
        }
    }

    std::chrono::milliseconds limit() const
    {
        return std::chrono::milliseconds(timeout > 0 ? timeout : 0);
    }

    // After a VBScript call: the engine's error, with the time-out told as such.
    void takeVBScriptError()
    {
        error = bridge::errorInfo(vbscript->lastError());
        if (error.Number == vbs::kCancelledError && timeout > 0)
            error.Description = timeoutText(timeout);
    }

    // Ends a failed operation: the error stays in error() and is raised.
    [[noreturn]] void raise() const
    {
        throw Error(error.Number, error.Description, error.Source);
    }
};

ScriptControl::ScriptControl() : d(std::make_unique<Private>())
{
    d->startEngine(Language::VBScript);
}

ScriptControl::~ScriptControl() = default;

QString ScriptControl::language() const
{
    return d->language == Language::VBScript ? kVBScript : kJScript;
}

void ScriptControl::setLanguage(const QString &language)
{
    const QString name = language.trimmed();
    d->error = ScriptErrorInfo();
    if (name.compare(kVBScript, Qt::CaseInsensitive) == 0) {
        d->startEngine(Language::VBScript);
    } else if (name.compare(kJScript, Qt::CaseInsensitive) == 0) {
        d->startEngine(Language::JScript);
    } else {
        d->error.Number = 5;
        d->error.Description = QStringLiteral("Unknown script language '%1': the languages are VBScript and JScript")
                                   .arg(language);
        d->error.Source = QStringLiteral("ScriptControl");
        d->raise();
    }
}

void ScriptControl::addCode(const QString &code)
{
    d->error = ScriptErrorInfo();
    if (d->jscript) {
        d->jscript->setTimeLimit(d->limit());
        if (!d->jscript->addCode(code)) {
            d->error = d->jscript->error();
            d->raise();
        }
        return;
    }
    d->vbscript->setTimeLimit(d->limit());
    d->vbscript->resetCancel();
    if (!d->vbscript->addCode(bridge::toU16(code))) {
        d->takeVBScriptError();
        d->raise();
    }
}

QVariant ScriptControl::run(const QString &name)
{
    QVariantList none;
    return run(name, none);
}

QVariant ScriptControl::run(const QString &name, QVariantList &args)
{
    d->error = ScriptErrorInfo();
    if (d->jscript) {
        d->jscript->setTimeLimit(d->limit());
        QVariant result;
        if (!d->jscript->run(name, args, result)) {
            d->error = d->jscript->error();
            d->raise();
        }
        return result;
    }

    std::vector<vbs::Variant> values;
    values.reserve(static_cast<std::size_t>(args.size()));
    try {
        for (const QVariant &arg : args)
            values.push_back(bridge::toVariant(arg, QObjectAdapter::Ownership::Caller));
    } catch (const vbs::ScriptException &e) {
        d->error = bridge::errorInfo(e.error);
        d->error.Source = QString::fromUtf16(vbs::kRuntimeSource.data(), static_cast<qsizetype>(vbs::kRuntimeSource.size()));
        d->raise();
    }

    d->vbscript->setTimeLimit(d->limit());
    d->vbscript->resetCancel();
    vbs::Variant result;
    if (!d->vbscript->run(bridge::toU16(name), values, &result)) {
        d->takeVBScriptError();
        d->raise();
    }

    // ByRef: what the procedure assigned to its parameters. An object the
    // caller passed in and got back unchanged stays the caller's pointer.
    for (qsizetype i = 0; i < args.size(); ++i) {
        const vbs::Variant &value = values[static_cast<std::size_t>(i)];
        const QObject *passed = args[i].metaType().flags().testFlag(QMetaType::PointerToQObject)
            ? args[i].value<QObject *>() : nullptr;
        if (passed && value.isObject() && QObjectAdapter::unwrap(value.object()) == passed)
            continue;
        args[i] = bridge::toResult(value);
    }
    return bridge::toResult(result);
}

const ScriptErrorInfo &ScriptControl::error() const
{
    return d->error;
}

int ScriptControl::timeout() const
{
    return d->timeout;
}

void ScriptControl::setTimeout(int milliseconds)
{
    d->timeout = milliseconds;
}
