#pragma once

#include <QJSValue>
#include <QObject>
#include <QString>
#include <QVariantList>

class JsFrontEnd;
class QJSEngine;

// The JScript dialect on top of Qt's engine, installed after the bounds
// (jsbounds.h) and the automation support (jshost.h):
//
// - errors: `new Error(number, description)`, `number` (facility 10 for the
//   engine's own errors: e.number & 0xFFFF is the JScript number) and
//   `description` on every error, the engine's errors worded as JScript
//   words them (jserrors.h) when a catch receives them;
// - ScriptEngine(), ScriptEngineMajorVersion(), ScriptEngineMinorVersion(),
//   ScriptEngineBuildVersion(), CollectGarbage();
// - VBArray and Enumerator over arrays, VBArrays and every automation
//   collection;
// - Date: Date.parse and new Date(text) read the forms JScript reads
//   ("1/31/2026 10:20:30", "January 31, 2026 10:15 AM", month names in any
//   order, a time zone, comments in parentheses) and fall back on the
//   engine's own; toString and toUTCString give JScript's shape ("Sat Jan 31
//   10:20:30 UTC+0100 2026", "Sat, 31 Jan 2026 09:20:30 UTC"); getYear and
//   getVarDate as JScript defines them;
// - the helpers the front end's rewriting calls (jspreprocess.h): put, typeof
//   and caught below. A helper that the automation support has already
//   defined (it knows its own objects best) is kept.
inline constexpr int kJScriptMajorVersion = 5;
inline constexpr int kJScriptMinorVersion = 8;
inline constexpr int kJScriptBuildVersion = 1;

// __vt_put(obj, "Name", [args], value): obj.Name(args) = value.
inline constexpr const char *kPutHelper = "__vt_put";
// __vt_typeof(value): typeof as JScript answers it ("object" for an
// automation object, "date" and "unknown" for values marked with a hidden
// `__vt_kind` of that text).
inline constexpr const char *kTypeofHelper = "__vt_typeof";
// __vt_caught(e): the engine's error e with JScript's number and wording.
inline constexpr const char *kCaughtHelper = "__vt_caught";
// __vt_throw(value, line, unit): value, remembered as thrown at that line of
// that text (JsDialect::throwSite).
inline constexpr const char *kThrowHelper = "__vt_throw";

// The prelude's link to the error tables.
class JsDialect : public QObject
{
    Q_OBJECT
public:
    // Installs the dialect in the engine's global object; eval's code
    // passes `frontEnd` (a copy of it: eval changes nothing of its state).
    void install(QJSEngine &engine, const JsFrontEnd *frontEnd);

    // [true, the code for the engine] or [false, e.number, description].
    Q_INVOKABLE QVariantList frontEnd(const QString &code) const;

    // [number as e.number shows it, description]; the number is 0 when the
    // kind and message say nothing JScript would number.
    Q_INVOKABLE QVariantList translate(const QString &name, const QString &message) const;
    // [e.number, description] of one of JScript's own numbers.
    Q_INVOKABLE QVariantList numbered(int number) const;

    // The last value a throw statement threw, and where.
    Q_INVOKABLE void thrown(const QJSValue &value, int line, int unit);
    struct ThrowSite
    {
        int line = 0;
        int unit = 0;
    };
    // Where `value` was thrown, when it is what the last throw statement threw.
    ThrowSite throwSite(const QJSValue &value) const;

private:
    const JsFrontEnd *m_frontEnd = nullptr;
    QJSValue m_thrown;
    ThrowSite m_site;
};
