#pragma once

#include "script/vbscript/variant.h"

#include <QJSValue>
#include <QObject>
#include <QString>

class QJSEngine;

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

    // Installs ActiveXObject, Enumerator and VBArray in the engine's global object.
    void install();

    // Values between the two worlds. toJs wraps objects in the Proxy;
    // fromJs unwraps them, and raises 13 for a JavaScript object or function
    // that is not an automation object (with `lenient`, such a value gives
    // its text instead).
    QJSValue toJs(const vbs::Variant &value);
    vbs::Variant fromJs(const QJSValue &value, bool lenient = false);

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
    void throwError(long number, const QString &description, const QString &source);

    QJSEngine *m_engine;
    QJSValue m_wrap;
};
