#include "jshost.h"

#include "jshandle.h"
#include "script/bridge/automationobjects.h"
#include "script/bridge/qobjectadapter.h"
#include "script/bridge/scripterror.h"
#include "script/bridge/variantconvert.h"
#include "script/objects/runcontext.h"
#include "script/vbscript/array.h"

#include <QJSEngine>
#include <cmath>
#include <limits>
#include <vector>

namespace {

// The key under which a wrapped object answers with its handle.
const QString kHandleKey = QStringLiteral("__automationHandle");

const char *const kPrelude = R"JS(
(function (host) {
    var HANDLE = '__automationHandle';
    var NativeProxy = Proxy; // the engine's own, whatever the bounds put in its place
    function unwrap(v) {
        if (v !== null && (typeof v === 'object' || typeof v === 'function')) {
            var h = v[HANDLE];
            if (h)
                return h;
        }
        return v;
    }
    function unwrapAll(list) {
        var out = [];
        for (var i = 0; i < list.length; ++i)
            out.push(unwrap(list[i]));
        return out;
    }
    function wrap(h) {
        var methods = Object.create(null);
        return new NativeProxy(function () {}, {
            get: function (t, name) {
                if (name === HANDLE)
                    return h;
                if (typeof name !== 'string')
                    return undefined;
                var kind = host.kind(h, name);
                if (kind === 1)
                    return host.get(h, name, []);
                if (kind === 2) {
                    if (!methods[name])
                        methods[name] = function () { return host.get(h, name, unwrapAll(arguments)); };
                    return methods[name];
                }
                if (name === 'valueOf')
                    return function () { return host.get(h, '', []); };
                if (name === 'toString')
                    return function () { return host.text(h); };
                if (name === 'toJSON' || name === 'then' || name === 'constructor' || name === 'prototype')
                    return undefined;
                return host.get(h, name, []);
            },
            set: function (t, name, value) {
                host.put(h, String(name), unwrap(value));
                return true;
            },
            has: function (t, name) {
                return typeof name === 'string' && host.kind(h, name) !== 0;
            },
            apply: function (t, self, args) {
                return host.get(h, '', unwrapAll(args));
            }
        });
    }
    host.setWrapper(wrap);

    function DebugPrint(value) {
        host.print(arguments.length === 0 ? '' : String(value));
    }
    function ActiveXObject(progId) {
        return host.create(String(progId));
    }
    function Enumerator(collection) {
        if (collection === undefined || collection === null)
            this._items = [];
        else if (Array.isArray(collection))
            this._items = collection.slice();
        else
            this._items = host.items(unwrap(collection));
        this._index = 0;
    }
    Enumerator.prototype.atEnd = function () { return this._index >= this._items.length; };
    Enumerator.prototype.moveNext = function () { if (this._index < this._items.length) ++this._index; };
    Enumerator.prototype.moveFirst = function () { this._index = 0; };
    Enumerator.prototype.item = function () { return this._items[this._index]; };

    function VBArray(array) {
        if (!Array.isArray(array)) {
            var e = new TypeError('VBArray expected');
            e.number = 5028;
            throw e;
        }
        this._array = array;
    }
    VBArray.prototype.toArray = function () { return this._array.slice(); };
    VBArray.prototype.lbound = function () { return 0; };
    VBArray.prototype.ubound = function () { return this._array.length - 1; };
    VBArray.prototype.getItem = function (i) { return this._array[i]; };
    VBArray.prototype.dimensions = function () { return 1; };

    return { ActiveXObject: ActiveXObject, Enumerator: Enumerator, VBArray: VBArray, DebugPrint: DebugPrint };
})
)JS";

// Reads a value for the host: an array's elements (a plain copy) or an
// object's text, with whatever the script's getters and toString throw
// coming back as data. The engine's own slice, before any bounds.
const char *const kReader = R"JS(
(function () {
    var slice = Array.prototype.slice;
    return function (v, asText) {
        try {
            return { value: asText ? String(v) : slice.call(v) };
        } catch (e) {
            return { error: e };
        }
    };
})
)JS";

vbs::Object *handleObject(QObject *handle)
{
    auto *h = qobject_cast<JsHandle *>(handle);
    if (!h || !h->object())
        vbs::raiseError(vbs::RuntimeError::ObjectVariableNotSet);
    return h->object();
}

// What `name` is on an object that describes its members (the engine's
// own), matched exactly as JScript does; null when it has no such member or
// does not describe them.
const vbs::MemberInfo *describedMember(const vbs::Object *object, const QString &name)
{
    const std::u16string wanted = bridge::toU16(name);
    for (const vbs::MemberInfo &member : object->members())
        if (member.name == wanted)
            return &member;
    return nullptr;
}

// A property that takes indexes, called with one more argument than that:
// JScript cannot assign to a call, so d.Item(key, value) sets the item.
bool isIndexedSet(const vbs::MemberInfo *member, std::size_t argCount)
{
    return member && member->kind == vbs::MemberKind::Property && member->indexes > 0
        && argCount == static_cast<std::size_t>(member->indexes) + 1;
}

struct ArgList
{
    std::vector<vbs::Variant> values;
    std::vector<vbs::Variant *> refs;
    void finish()
    {
        for (vbs::Variant &v : values)
            refs.push_back(&v);
    }
};

} // namespace

JsHost::JsHost(QJSEngine *engine) : m_engine(engine) {}

void JsHost::install()
{
    QJSEngine::setObjectOwnership(this, QJSEngine::CppOwnership);
    const QJSValue factory = m_engine->evaluate(QString::fromUtf8(kPrelude), QStringLiteral("prelude"));
    const QJSValue globals = factory.call({m_engine->newQObject(this)});
    m_read = m_engine->evaluate(QString::fromUtf8(kReader), QStringLiteral("reader-prelude")).call();
    QJSValue global = m_engine->globalObject();
    for (const char *name : {"ActiveXObject", "Enumerator", "VBArray", "DebugPrint"})
        global.setProperty(QString::fromLatin1(name), globals.property(QString::fromLatin1(name)));
}

void JsHost::setWrapper(const QJSValue &wrap)
{
    m_wrap = wrap;
}

void JsHost::throwError(long number, const QString &description, const QString &source)
{
    QJSValue error = m_engine->newErrorObject(QJSValue::GenericError, description);
    error.setProperty(QStringLiteral("number"), static_cast<double>(number));
    error.setProperty(QStringLiteral("description"), description);
    error.setProperty(QStringLiteral("source"), source);
    m_engine->throwError(error);
}

// Runs a member for the prelude; any failure becomes a thrown JavaScript error.
template <class Body>
QJSValue JsHost::guarded(Body &&body)
{
    try {
        return body();
    } catch (const JsThrown &thrown) {
        m_engine->throwError(thrown.value);
    } catch (const vbs::ScriptException &e) {
        throwError(e.error.number, bridge::toQString(e.error.description), bridge::toQString(e.error.source));
    } catch (...) {
        const Error e = toError(std::current_exception());
        throwError(e.number, e.description, e.source);
    }
    return QJSValue();
}

bridge::ConversionLimits JsHost::limits() const
{
    return bridge::ConversionLimits([engine = m_engine] { return engine->isInterrupted(); });
}

QJSValue JsHost::toJs(const vbs::Variant &value)
{
    bridge::ConversionLimits bounds = limits();
    return toJs(value, bounds);
}

vbs::Variant JsHost::fromJs(const QJSValue &value, bool lenient)
{
    bridge::ConversionLimits bounds = limits();
    return fromJs(value, lenient, bounds);
}

QJSValue JsHost::toJs(const vbs::Variant &value, bridge::ConversionLimits &limits)
{
    using T = vbs::Variant::Type;
    switch (value.type()) {
    case T::Empty:
        return QJSValue(QJSValue::UndefinedValue);
    case T::Null:
        return QJSValue(QJSValue::NullValue);
    case T::Boolean:
        return QJSValue(value.boolValue());
    case T::Byte:
    case T::Integer:
    case T::Long:
        return QJSValue(static_cast<int>(value.integralValue()));
    case T::Single:
    case T::Double:
    case T::Currency:
        return QJSValue(value.toDouble());
    case T::Date:
        return m_engine->toScriptValue(bridge::serialToDateTime(value.dateValue()));
    case T::String:
        return QJSValue(bridge::toQString(value.string()));
    case T::Error:
        return value.isMissing() ? QJSValue(QJSValue::UndefinedValue) : QJSValue(value.errorValue());
    case T::Array: {
        const auto level = limits.enter();
        const vbs::Array *array = value.array();
        limits.add(static_cast<double>(array->size()));
        QJSValue list = m_engine->newArray(static_cast<uint>(array->size()));
        for (std::size_t i = 0; i < array->size(); ++i)
            list.setProperty(static_cast<quint32>(i), toJs((*array)[i], limits));
        return list;
    }
    case T::Object: {
        if (value.isNothing())
            return QJSValue(QJSValue::NullValue);
        auto *handle = new JsHandle(value.objectRef());
        QJSValue wrapped = m_engine->newQObject(handle);
        QJSEngine::setObjectOwnership(handle, QJSEngine::JavaScriptOwnership);
        return m_wrap.call({wrapped});
    }
    }
    return QJSValue();
}

vbs::Variant JsHost::fromJs(const QJSValue &value, bool lenient, bridge::ConversionLimits &limits)
{
    if (value.isUndefined())
        return vbs::Variant();
    if (value.isNull())
        return vbs::Variant::null();
    if (value.isBool())
        return vbs::Variant::fromBool(value.toBool());
    if (value.isNumber()) {
        const double d = value.toNumber();
        if (d == std::trunc(d) && d >= std::numeric_limits<std::int32_t>::min()
            && d <= std::numeric_limits<std::int32_t>::max() && !(d == 0 && std::signbit(d)))
            return vbs::Variant::fromLong(static_cast<std::int32_t>(d));
        return vbs::Variant::fromDouble(d);
    }
    if (value.isString())
        return vbs::Variant(bridge::toU16(value.toString()));
    if (value.isDate())
        return vbs::Variant::fromDate(bridge::dateTimeToSerial(value.toDateTime()));
    if (value.isArray()) {
        const auto level = limits.enter();
        // Counted before anything is taken: a sparse array may say 2^32 - 1.
        const quint32 length = value.property(QStringLiteral("length")).toUInt();
        limits.add(static_cast<double>(length));
        std::vector<vbs::Variant> items;
        items.reserve(length);
        const QJSValue copy = read(value, false);
        for (quint32 i = 0; i < length; ++i)
            items.push_back(fromJs(copy.property(i), lenient, limits));
        return vbs::Variant(vbs::Array::fromValues(std::move(items)));
    }
    QJSValue handle = value;
    if (!value.isQObject() && value.isObject())
        handle = value.property(kHandleKey);
    if (handle.isQObject()) {
        if (auto *h = qobject_cast<JsHandle *>(handle.toQObject()))
            return vbs::Variant(h->ref());
        return vbs::Variant(QObjectAdapter::wrap(handle.toQObject()));
    }
    if (lenient)
        return vbs::Variant(bridge::toU16(read(value, true).toString()));
    vbs::raiseError(vbs::RuntimeError::TypeMismatch);
}

QJSValue JsHost::read(const QJSValue &value, bool asText)
{
    const QJSValue outcome = m_read.call({value, asText});
    if (outcome.isError())
        throw JsThrown{outcome};
    if (outcome.hasOwnProperty(QStringLiteral("error")))
        throw JsThrown{outcome.property(QStringLiteral("error"))};
    return outcome.property(QStringLiteral("value"));
}

QJSValue JsHost::create(const QString &progId)
{
    return guarded([&] { return toJs(vbs::Variant(bridge::createObject(progId))); });
}

double JsHost::memoryLeft() const
{
    const std::optional<std::size_t> left = RunContext::memoryLeft();
    return left ? static_cast<double>(*left) : -1.0;
}

int JsHost::nesting(const QString &text) const
{
    int depth = 0;
    int deepest = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\\'))
            ++i;
        else if (c == QLatin1Char('('))
            deepest = std::max(deepest, ++depth);
        else if (c == QLatin1Char(')') && depth > 0)
            --depth;
    }
    return deepest;
}

double JsHost::occurrences(const QString &text, const QString &part) const
{
    return part.isEmpty() ? 0.0 : static_cast<double>(text.count(part));
}

int JsHost::kind(QObject *handle, const QString &name)
{
    auto *h = qobject_cast<JsHandle *>(handle);
    if (!h || !h->object())
        return 0;
    if (const auto *adapter = dynamic_cast<const QObjectAdapter *>(h->object()))
        return static_cast<int>(adapter->memberKind(name, QObjectAdapter::Match::Exact));
    if (h->object()->members().empty())
        return 2; // an engine object that does not describe itself: every name is tried as a call
    const vbs::MemberInfo *member = describedMember(h->object(), name);
    if (!member)
        return 0;
    return member->kind == vbs::MemberKind::Property && member->indexes == 0 ? 1 : 2;
}

QJSValue JsHost::get(QObject *handle, const QString &name, const QJSValue &args)
{
    return guarded([&] {
        vbs::Object *object = handleObject(handle);
        if (!name.isEmpty() && kind(handle, name) == 0)
            vbs::raiseError(vbs::RuntimeError::MemberNotSupported);
        ArgList list;
        const quint32 length = args.property(QStringLiteral("length")).toUInt();
        for (quint32 i = 0; i < length; ++i)
            list.values.push_back(fromJs(args.property(i)));
        list.finish();
        if (isIndexedSet(describedMember(object, name), list.refs.size())) {
            const vbs::Variant &value = list.values.back();
            const vbs::ArgRefs indexes(list.refs.data(), list.refs.size() - 1);
            if (value.isObject())
                object->set(bridge::toU16(name), indexes, value);
            else
                object->let(bridge::toU16(name), indexes, value);
            return QJSValue();
        }
        return toJs(object->get(bridge::toU16(name), list.refs));
    });
}

void JsHost::put(QObject *handle, const QString &name, const QJSValue &value)
{
    guarded([&] {
        vbs::Object *object = handleObject(handle);
        const bool undescribed = !dynamic_cast<const QObjectAdapter *>(object) && object->members().empty();
        if (!undescribed && kind(handle, name) != static_cast<int>(QObjectAdapter::MemberKind::Property))
            vbs::raiseError(vbs::RuntimeError::MemberNotSupported);
        const vbs::Variant v = fromJs(value);
        if (v.isObject())
            object->set(bridge::toU16(name), {}, v);
        else
            object->let(bridge::toU16(name), {}, v);
        return QJSValue();
    });
}

QJSValue JsHost::items(QObject *handle)
{
    return guarded([&] {
        const std::vector<vbs::Variant> all = handleObject(handle)->enumerate();
        return toJs(vbs::Variant(vbs::Array::fromValues(all)));
    });
}

QString JsHost::text(QObject *handle)
{
    QString result;
    guarded([&] {
        vbs::Object *object = handleObject(handle);
        const QVariant plain = bridge::toResult(vbs::Variant(vbs::Ref<vbs::Object>(object)));
        result = plain.isValid() ? plain.toString() : QString();
        return QJSValue();
    });
    return result;
}
