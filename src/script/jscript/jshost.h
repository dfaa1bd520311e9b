#pragma once

#include "script/bridge/qobjectadapter.h"
#include "script/bridge/variantconvert.h"
#include "script/vbscript/variant.h"

#include <QJSValue>
#include <QObject>
#include <QString>
#include <functional>

#include <array>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

class JsHandle;
class QJSEngine;

// What the script threw while the host read a value (a getter, a toString
// of an object handed back): raised by JsHost::fromJs, reported by the
// adapter as the script's own error.
struct JsThrown
{
    QJSValue value;
};

// The native side of JScript's automation support. The prelude (jshost.cpp)
// builds on it `ActiveXObject`, `Enumerator` and `VBArray`, and the wrapper
// prelude (jswrapper.h) wraps every automation object in a function whose
// property reads, writes and calls come here: members are matched without
// regard to case, as automation objects are; a property read gives its
// value, a method read gives a function, and the object itself is callable
// through its default member (rs("name")). `obj.Item(key) = value` reaches
// the object through the global `__vt_put(obj, "Item", [key], value)`, which
// the front end's rewriting calls.
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


    // Called by the preludes. resolve gives the member `name` names on
    // objects of `type`, without regard to case: its slot times 4 plus 1 for
    // a property read without arguments, 2 for anything called; -1 for no
    // such member. get reads a property, call calls a member with `args`
    // (slot -1: the default member; an indexed property given one argument
    // more than its indexes is set: d.Item(key, value)), put assigns a
    // property, putIndexed assigns obj.name(args) = value; missing is the
    // error 438 for the prelude to throw.
    Q_INVOKABLE QJSValue create(const QString &progId);
    Q_INVOKABLE int resolve(int type, const QString &name);
    Q_INVOKABLE QJSValue get(QObject *handle, int slot);
    Q_INVOKABLE QJSValue call(QObject *handle, int slot, const QJSValue &args);
    // call without arguments, and with one (the common cases, without an array).
    Q_INVOKABLE QJSValue call0(QObject *handle, int slot);
    Q_INVOKABLE QJSValue call1(QObject *handle, int slot, const QJSValue &arg);
    Q_INVOKABLE void put(QObject *handle, int slot, const QJSValue &value);
    Q_INVOKABLE void putIndexed(QObject *handle, const QString &name, const QJSValue &args, const QJSValue &value);
    Q_INVOKABLE QJSValue missing(const QString &name);
    Q_INVOKABLE QJSValue items(QObject *handle);
    Q_INVOKABLE QString text(QObject *handle);

    // A handle going away (JsHandle's destructor).
    void forget(JsHandle *handle);

private:
    // What the members of one type are, learnt name by name.
    struct Slot
    {
        std::u16string name; // as the object spells it
        int indexes = 0;     // arguments a property takes before its value
        // The member of a Qt object's class, reached without its name.
        const QObjectAdapter::Member *qt = nullptr;
    };
    struct Type
    {
        const QMetaObject *meta = nullptr;     // a Qt object's class
        std::span<const vbs::MemberInfo> members; // an engine object's own description
        std::vector<Slot> learnt;
        std::unordered_map<std::u16string, int> codes; // folded name -> resolve's answer
        Slot byDefault; // the default member (empty name: found by the object)
    };
    int typeOf(const vbs::Object *object);
    const Slot &slotOf(const JsHandle &handle, int slot) const;
    QJSValue wrap(const vbs::Ref<vbs::Object> &object);
    QJSValue wrapAnew(const vbs::Ref<vbs::Object> &object);
    QJSValue callWith(JsHandle &handle, int slot, std::vector<vbs::Variant> values);
    static vbs::Variant read(JsHandle &handle, const Slot &slot, vbs::ArgRefs args);
    // Deletes the handles the collector has freed since the last time, as
    // an event loop would: while a script runs, none turns.
    void releaseFreed();

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
    std::vector<Type> m_types;
    std::unordered_map<const void *, int> m_typeIds;
    std::unordered_map<const vbs::Object *, JsHandle *> m_handles;
    std::size_t m_madeSinceRelease = 0;
    // The wrappers handed out last, so that an object asked for again and
    // again (rs.Fields) comes back without a call into the script engine.
    // They keep their objects a little longer than the script does.
    struct Recent
    {
        const vbs::Object *object = nullptr;
        QJSValue wrapper;
    };
    std::array<Recent, 16> m_recent;
    std::size_t m_nextRecent = 0;
    std::function<void(const QString &)> m_output;
};
