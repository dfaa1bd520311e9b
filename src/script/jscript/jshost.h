#pragma once

#include "script/bridge/variantconvert.h"
#include "script/vbscript/variant.h"

#include <QJSValue>
#include <QObject>
#include <QString>
#include <functional>

class QJSEngine;

// What the script threw while the host read a value (a getter, a toString
// of an object handed back): raised by JsHost::fromJs, reported by the
// adapter as the script's own error.
struct JsThrown
{
    QJSValue value;
};

// The native side of JScript's automation support. The prelude (jshost.cpp)
// builds on it `ActiveXObject`, `Enumerator` and `VBArray`, and wraps every
// automation object in a Proxy whose property reads, writes and calls come
// here: members are matched exactly (JScript is case-sensitive), a property
// read gives its value, a method read gives a function, and the object
// itself is callable through its default member (rs("name")).
//
// No C++ exception ever crosses into the JavaScript engine: every failure
// becomes a thrown Error object carrying `number`, `description` and
// `source`, which the engine's error mapping reads back.
class JsHost : public QObject
{
    Q_OBJECT
public:
    explicit JsHost(QJSEngine *engine);

    // Installs ActiveXObject, Enumerator, VBArray and DebugPrint in the engine's global object.
    void install();

    // Values between the two worlds. toJs wraps objects in the Proxy;
    // fromJs unwraps them, and raises 13 for a JavaScript object or function
    // that is not an automation object (with `lenient`, such a value gives
    // its text instead). Both are bounded as bridge::ConversionLimits says,
    // and stop when the engine is interrupted; what the script throws while
    // its value is read (a getter, a toString) leaves fromJs as JsThrown.
    QJSValue toJs(const vbs::Variant &value);
    vbs::Variant fromJs(const QJSValue &value, bool lenient = false);

    // For the prelude's bounds (jsbounds.h): the bytes the script's run may
    // still take, -1 without a budget; how deep the parentheses of a text
    // nest (a backslash escapes the character after it).
    Q_INVOKABLE double memoryLeft() const;
    Q_INVOKABLE int nesting(const QString &text) const;
    // How often `part` (not empty) occurs in `text`, without overlapping.
    Q_INVOKABLE double occurrences(const QString &text, const QString &part) const;

    // Where DebugPrint writes (see ScriptEngine::setOutput); none drops it.
    void setOutput(std::function<void(const QString &)> output) { m_output = std::move(output); }
    Q_INVOKABLE void print(const QString &text) const
    {
        if (m_output)
            m_output(text);
    }

    // Called by the prelude.
    Q_INVOKABLE QJSValue create(const QString &progId);
    Q_INVOKABLE int kind(QObject *handle, const QString &name);
    Q_INVOKABLE QJSValue get(QObject *handle, const QString &name, const QJSValue &args);
    Q_INVOKABLE void put(QObject *handle, const QString &name, const QJSValue &value);
    Q_INVOKABLE QJSValue items(QObject *handle);
    Q_INVOKABLE QString text(QObject *handle);
    Q_INVOKABLE void setWrapper(const QJSValue &wrap);

private:
    template <class Body>
    QJSValue guarded(Body &&body);
    bridge::ConversionLimits limits() const;
    // A copy of an array's elements, or (`asText`) an object's text, read
    // by the script engine; JsThrown when the script throws meanwhile.
    QJSValue read(const QJSValue &value, bool asText);
    QJSValue toJs(const vbs::Variant &value, bridge::ConversionLimits &limits);
    vbs::Variant fromJs(const QJSValue &value, bool lenient, bridge::ConversionLimits &limits);
    void throwError(long number, const QString &description, const QString &source);

    QJSEngine *m_engine;
    QJSValue m_wrap;
    QJSValue m_read;
    std::function<void(const QString &)> m_output;
};
