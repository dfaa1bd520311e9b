#include "jshost.h"

#include "jserrors.h"
#include "jswrapper.h"
#include "script/bridge/automationobjects.h"
#include "script/bridge/qobjectadapter.h"
#include "script/bridge/scripterror.h"
#include "script/bridge/variantconvert.h"
#include "script/objects/runcontext.h"
#include "script/vbscript/array.h"

#include <QCoreApplication>
#include <QJSEngine>
#include <QThread>
#include <cmath>
#include <limits>
#include <vector>

namespace {

// The key under which a wrapped object answers with its handle.
const QString kHandleKey = QStringLiteral("__automationHandle");

const char *const kPrelude = R"JS(
(function (host, unwrap) {
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

// The errors of the VBScript engine's own objects (a Dictionary's, a
// RegExp's) name the language that called them.
const std::u16string kJsRuntimeSource = u"JScript runtime error";

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
    const QJSValue self = m_engine->newQObject(this);
    const QJSValue wrappers = m_engine->evaluate(QString::fromUtf8(kWrapperPrelude), QStringLiteral("wrapper-prelude")).call({self});
    m_wrap = wrappers.property(QStringLiteral("wrap"));
    const QJSValue factory = m_engine->evaluate(QString::fromUtf8(kPrelude), QStringLiteral("prelude"));
    const QJSValue globals = factory.call({self, wrappers.property(QStringLiteral("unwrap"))});
    m_read = m_engine->evaluate(QString::fromUtf8(kReader), QStringLiteral("reader-prelude")).call();
    QJSValue global = m_engine->globalObject();
    for (const char *name : {"ActiveXObject", "Enumerator", "VBArray", "DebugPrint"})
        global.setProperty(QString::fromLatin1(name), globals.property(QString::fromLatin1(name)));
    // The object side of the front end's obj.name(args) = value, out of for-in.
    QJSValue descriptor = m_engine->newObject();
    descriptor.setProperty(QStringLiteral("value"), wrappers.property(QStringLiteral("put")));
    descriptor.setProperty(QStringLiteral("writable"), true);
    descriptor.setProperty(QStringLiteral("configurable"), true);
    global.property(QStringLiteral("Object")).property(QStringLiteral("defineProperty")).call({global, QStringLiteral("__vt_put"), descriptor});
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
        const std::u16string &source = e.error.source == vbs::kRuntimeSource ? kJsRuntimeSource : e.error.source;
        throwError(e.error.number, bridge::toQString(e.error.description), bridge::toQString(source));
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
        return wrap(value.objectRef());
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

void JsHost::releaseFreed()
{
    // Often enough that freed handles do not pile up, seldom enough that
    // the walk over the queue costs little per handle. Only without an event
    // loop: inside one, what the host itself queued at this level must wait
    // for it.
    if (++m_madeSinceRelease < 512 + m_handles.size() / 2)
        return;
    m_madeSinceRelease = 0;
    if (QThread::currentThread()->loopLevel() == 0)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void JsHost::forget(JsHandle *handle)
{
    const auto it = m_handles.find(handle->object());
    if (it != m_handles.end() && it->second == handle)
        m_handles.erase(it);
}

int JsHost::typeOf(const vbs::Object *object)
{
    Type type;
    const void *key = nullptr;
    if (const auto *adapter = dynamic_cast<const QObjectAdapter *>(object)) {
        type.meta = adapter->target() ? adapter->target()->metaObject() : nullptr;
        key = type.meta;
        if (type.meta)
            type.byDefault.qt = QObjectAdapter::defaultMember(type.meta);
    } else {
        type.members = object->members();
        key = type.members.empty() ? static_cast<const void *>(&typeid(*object)) : type.members.data();
    }
    const auto [it, added] = m_typeIds.try_emplace(key, static_cast<int>(m_types.size()));
    if (added)
        m_types.push_back(std::move(type));
    return it->second;
}

// One answer per name and type, kept: the prelude asks once per spelling.
int JsHost::resolve(int typeId, const QString &name)
{
    if (typeId < 0 || static_cast<std::size_t>(typeId) >= m_types.size())
        return -1;
    Type &type = m_types[static_cast<std::size_t>(typeId)];
    const std::u16string wanted = bridge::toU16(name);
    const std::u16string folded = vbs::foldCase(wanted);
    if (const auto known = type.codes.find(folded); known != type.codes.end())
        return known->second;
    Slot slot{wanted, 0};
    int kind = 2;
    if (type.meta) {
        const QObjectAdapter::Member *member = QObjectAdapter::member(type.meta, name);
        if (!member)
            return type.codes[folded] = -1;
        slot.name = bridge::toU16(member->name);
        slot.qt = member;
        kind = member->kind() == QObjectAdapter::MemberKind::Property ? 1 : 2;
    } else if (!type.members.empty()) {
        const auto member = std::find_if(type.members.begin(), type.members.end(), [&](const vbs::MemberInfo &m) {
            return vbs::foldCase(m.name) == folded;
        });
        if (member == type.members.end())
            return type.codes[folded] = -1;
        slot.name = std::u16string(member->name);
        slot.indexes = member->indexes;
        kind = member->kind == vbs::MemberKind::Property && member->indexes == 0 ? 1 : 2;
    } // else an object that does not describe itself (or a Qt object already gone): every name is tried as a call
    type.learnt.push_back(std::move(slot));
    return type.codes[folded] = static_cast<int>(type.learnt.size() - 1) * 4 + kind;
}

const JsHost::Slot &JsHost::slotOf(const JsHandle &handle, int slot) const
{
    const Type &type = m_types.at(static_cast<std::size_t>(handle.type()));
    return slot < 0 ? type.byDefault : type.learnt.at(static_cast<std::size_t>(slot));
}

// A slot of a Qt class belongs to objects of that class only (types are
// told apart by class), so its object is that class's adapter.
vbs::Variant JsHost::read(JsHandle &handle, const Slot &slot, vbs::ArgRefs args)
{
    if (slot.qt)
        return static_cast<QObjectAdapter *>(handle.object())->get(*slot.qt, args);
    return handle.object()->get(slot.name, args);
}

QJSValue JsHost::wrap(const vbs::Ref<vbs::Object> &object)
{
    for (const Recent &recent : m_recent) {
        if (recent.object == object.get())
            return recent.wrapper;
    }
    QJSValue wrapper = wrapAnew(object);
    m_recent[m_nextRecent] = Recent{object.get(), wrapper};
    m_nextRecent = (m_nextRecent + 1) % m_recent.size();
    return wrapper;
}

QJSValue JsHost::wrapAnew(const vbs::Ref<vbs::Object> &object)
{
    releaseFreed();
    // One wrapper per object while the script holds one: a handle the
    // collector has freed but not yet deleted no longer wraps.
    if (const auto it = m_handles.find(object.get()); it != m_handles.end()) {
        const QJSValue existing = m_engine->newQObject(it->second);
        if (existing.isQObject())
            return m_wrap.call({existing, it->second->type()});
    }
    const int type = typeOf(object.get());
    auto *handle = new JsHandle(this, object, type);
    m_handles[object.get()] = handle;
    const QJSValue wrapped = m_engine->newQObject(handle);
    QJSEngine::setObjectOwnership(handle, QJSEngine::JavaScriptOwnership);
    return m_wrap.call({wrapped, type});
}

namespace {

JsHandle &handleOf(QObject *handle)
{
    auto *h = qobject_cast<JsHandle *>(handle);
    if (!h || !h->object())
        vbs::raiseError(vbs::RuntimeError::ObjectVariableNotSet);
    return *h;
}

void assign(vbs::Object &object, std::u16string_view name, vbs::ArgRefs indexes, const vbs::Variant &value)
{
    if (value.isObject())
        object.set(name, indexes, value);
    else
        object.let(name, indexes, value);
}

} // namespace

QJSValue JsHost::get(QObject *handle, int slot)
{
    return guarded([&] {
        JsHandle &h = handleOf(handle);
        return toJs(read(h, slotOf(h, slot), {}));
    });
}

QJSValue JsHost::callWith(JsHandle &h, int slot, std::vector<vbs::Variant> values)
{
    const Slot &member = slotOf(h, slot);
    ArgList list;
    list.values = std::move(values);
    list.finish();
    // JScript cannot assign to a call written plainly, so d.Item(key, value) sets the item.
    if (member.indexes > 0 && list.refs.size() == static_cast<std::size_t>(member.indexes) + 1) {
        assign(*h.object(), member.name, vbs::ArgRefs(list.refs.data(), list.refs.size() - 1), list.values.back());
        return QJSValue();
    }
    return toJs(read(h, member, list.refs));
}

QJSValue JsHost::call(QObject *handle, int slot, const QJSValue &args)
{
    return guarded([&] {
        JsHandle &h = handleOf(handle);
        std::vector<vbs::Variant> values;
        const quint32 length = args.property(QStringLiteral("length")).toUInt();
        for (quint32 i = 0; i < length; ++i)
            values.push_back(fromJs(args.property(i)));
        return callWith(h, slot, std::move(values));
    });
}

QJSValue JsHost::call0(QObject *handle, int slot)
{
    return guarded([&] { return callWith(handleOf(handle), slot, {}); });
}

QJSValue JsHost::call1(QObject *handle, int slot, const QJSValue &arg)
{
    return guarded([&] {
        JsHandle &h = handleOf(handle);
        std::vector<vbs::Variant> values;
        values.push_back(fromJs(arg));
        return callWith(h, slot, std::move(values));
    });
}

void JsHost::put(QObject *handle, int slot, const QJSValue &value)
{
    guarded([&] {
        JsHandle &h = handleOf(handle);
        assign(*h.object(), slotOf(h, slot).name, {}, fromJs(value));
        return QJSValue();
    });
}

void JsHost::putIndexed(QObject *handle, const QString &name, const QJSValue &args, const QJSValue &value)
{
    guarded([&] {
        JsHandle &h = handleOf(handle);
        const int code = resolve(h.type(), name);
        if (code < 0)
            vbs::raiseError(vbs::RuntimeError::MemberNotSupported);
        ArgList list;
        const quint32 length = args.property(QStringLiteral("length")).toUInt();
        for (quint32 i = 0; i < length; ++i)
            list.values.push_back(fromJs(args.property(i)));
        list.finish();
        assign(*h.object(), slotOf(h, code / 4).name, list.refs, fromJs(value));
        return QJSValue();
    });
}

// JScript's own error for a name an object lacks, numbered and worded as
// the engine's errors are (e.number & 0xFFFF is 438, no source): the engine
// raises one of its own in place of this one when such a name is called,
// and the dialect reads that one the same.
QJSValue JsHost::missing(const QString &)
{
    constexpr long number = static_cast<long>(vbs::RuntimeError::MemberNotSupported);
    const QString description = jscriptDescription(number);
    QJSValue error = m_engine->newErrorObject(QJSValue::TypeError, description);
    error.setProperty(QStringLiteral("number"), jscriptErrorCode(number));
    error.setProperty(QStringLiteral("description"), description);
    return error;
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
