#include "qobjectadapter.h"

#include "scripterror.h"
#include "variantconvert.h"
#include "script/vbscript/array.h"

#include <QMetaObject>
#include <QMetaProperty>
#include <QObject>
#include <array>
#include <memory>
#include <mutex>
#include <unordered_map>

namespace {

// One adapter per object, so an object a script receives twice (a member
// handing back an object the script already holds) is owned once.
std::mutex adaptersLock;
std::unordered_map<QObject *, QObjectAdapter *> &adapters()
{
    static std::unordered_map<QObject *, QObjectAdapter *> map;
    return map;
}

constexpr int kMaxArguments = 10; // what QMetaMethod::invoke takes

bool callable(const QMetaMethod &method)
{
    return method.access() == QMetaMethod::Public
        && (method.methodType() == QMetaMethod::Method || method.methodType() == QMetaMethod::Slot);
}

// The script members of one class by lower-case name, built on first use:
// a member call is then one hash look-up instead of a scan of the class.
using MemberTable = std::unordered_map<QString, QObjectAdapter::Member>;

const MemberTable &membersOf(const QMetaObject *meta)
{
    static std::mutex lock;
    static std::unordered_map<const QMetaObject *, std::unique_ptr<MemberTable>> tables;
    const std::lock_guard guard(lock);
    std::unique_ptr<MemberTable> &table = tables[meta];
    if (table)
        return *table;
    table = std::make_unique<MemberTable>();
    // QObject's own objectName and slots are not script members.
    for (int i = meta->propertyCount() - 1; i >= QObject::staticMetaObject.propertyCount(); --i) {
        const QString name = QString::fromLatin1(meta->property(i).name());
        QObjectAdapter::Member &member = (*table)[name.toLower()];
        if (member.property < 0) { // the most derived class's wins
            member.name = name;
            member.property = i;
        }
    }
    for (int i = QObject::staticMetaObject.methodCount(); i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (!callable(method))
            continue;
        const QString name = QString::fromLatin1(method.name());
        QObjectAdapter::Member &member = (*table)[name.toLower()];
        if (member.name.isEmpty())
            member.name = name;
        member.methods.push_back(method);
    }
    return *table;
}

} // namespace

QObjectAdapter::QObjectAdapter(QObject *object, Ownership ownership)
    : m_object(object), m_key(object), m_owned(ownership == Ownership::Script && object && !object->parent())
{
    if (object) {
        const std::lock_guard lock(adaptersLock);
        adapters()[object] = this;
    }
}

QObjectAdapter::~QObjectAdapter()
{
    {
        const std::lock_guard lock(adaptersLock);
        const auto it = adapters().find(m_key);
        if (it != adapters().end() && it->second == this)
            adapters().erase(it);
    }
    // Only an object nobody else holds goes with the script's last reference.
    if (m_owned && m_object && !m_object->parent())
        delete m_object.data();
}

vbs::Ref<vbs::Object> QObjectAdapter::wrap(QObject *object, Ownership ownership)
{
    if (!object)
        return {};
    {
        const std::lock_guard lock(adaptersLock);
        const auto it = adapters().find(object);
        if (it != adapters().end() && it->second->target() == object)
            return vbs::Ref<vbs::Object>(it->second);
    }
    return vbs::Ref<vbs::Object>(new QObjectAdapter(object, ownership));
}

QObject *QObjectAdapter::unwrap(const vbs::Object *object)
{
    const auto *adapter = dynamic_cast<const QObjectAdapter *>(object);
    return adapter ? adapter->target() : nullptr;
}

QObject *QObjectAdapter::live() const
{
    if (!m_object)
        vbs::raiseError(vbs::RuntimeError::ObjectVariableNotSet);
    return m_object.data();
}

QString QObjectAdapter::classInfo(const char *key) const
{
    const QMetaObject *meta = live()->metaObject();
    const int index = meta->indexOfClassInfo(key);
    return index < 0 ? QString() : QString::fromUtf8(meta->classInfo(index).value());
}

QString QObjectAdapter::defaultMember() const
{
    return classInfo("DefaultMember");
}

QString QObjectAdapter::resolveName(std::u16string_view name) const
{
    if (!name.empty())
        return bridge::toQString(name);
    const QString member = defaultMember();
    if (member.isEmpty())
        vbs::raiseError(vbs::RuntimeError::MemberNotSupported);
    return member;
}

const QObjectAdapter::Member *QObjectAdapter::member(const QString &name) const
{
    if (!m_object)
        return nullptr;
    if (!m_members)
        m_members = &membersOf(m_object->metaObject());
    const auto it = m_members->find((name.isEmpty() ? defaultMember() : name).toLower());
    return it == m_members->end() ? nullptr : &it->second;
}

const QObjectAdapter::Member *QObjectAdapter::member(const QMetaObject *meta, const QString &name)
{
    const MemberTable &table = membersOf(meta);
    const auto it = table.find(name.toLower());
    return it == table.end() ? nullptr : &it->second;
}

const QObjectAdapter::Member *QObjectAdapter::defaultMember(const QMetaObject *meta)
{
    const int index = meta->indexOfClassInfo("DefaultMember");
    return index < 0 ? nullptr : member(meta, QString::fromUtf8(meta->classInfo(index).value()));
}

const QObjectAdapter::Member &QObjectAdapter::find(const QString &name) const
{
    live();
    const Member *found = member(name);
    if (!found)
        vbs::raiseError(vbs::RuntimeError::MemberNotSupported);
    return *found;
}

QObjectAdapter::MemberKind QObjectAdapter::memberKind(const QString &name) const
{
    const Member *found = member(name);
    return found ? found->kind() : MemberKind::None;
}

std::u16string QObjectAdapter::typeName() const
{
    if (!m_object)
        return u"Nothing";
    QString name = classInfo("TypeName");
    if (name.isEmpty())
        name = QString::fromLatin1(m_object->metaObject()->className()).section(QLatin1String("::"), -1);
    return bridge::toU16(name);
}

// A parameterised read of a property: the arguments go to the default member
// of the property's value (rs.Fields(0) is rs.Fields then Fields(0)).
vbs::Variant QObjectAdapter::applyArgs(const vbs::Variant &value, vbs::ArgRefs args)
{
    if (args.empty())
        return value;
    if (!value.isObject())
        vbs::raiseError(vbs::RuntimeError::WrongArgumentCount);
    if (value.isNothing())
        vbs::raiseError(vbs::RuntimeError::ObjectVariableNotSet);
    return value.object()->get(u"", args);
}

vbs::Variant QObjectAdapter::invoke(const std::vector<QMetaMethod> &methods, vbs::ArgRefs args)
{
    if (methods.empty())
        vbs::raiseError(vbs::RuntimeError::MemberNotSupported);
    const auto given = static_cast<int>(args.size());

    // The overload taking exactly the arguments given, else the shortest
    // one whose remaining parameters are optional (QVariant).
    const QMetaMethod *chosen = nullptr;
    for (const QMetaMethod &m : methods) {
        if (m.parameterCount() == given) {
            chosen = &m;
            break;
        }
    }
    if (!chosen) {
        for (const QMetaMethod &m : methods) {
            if (m.parameterCount() < given || (chosen && m.parameterCount() >= chosen->parameterCount()))
                continue;
            bool optionalRest = true;
            for (int i = given; i < m.parameterCount(); ++i)
                optionalRest = optionalRest && m.parameterMetaType(i).id() == QMetaType::QVariant;
            if (optionalRest)
                chosen = &m;
        }
    }
    if (!chosen || chosen->parameterCount() > kMaxArguments)
        vbs::raiseError(vbs::RuntimeError::WrongArgumentCount);
    const QMetaMethod method = *chosen;

    std::vector<QVariant> holders;
    holders.reserve(static_cast<std::size_t>(method.parameterCount()));
    std::array<QGenericArgument, kMaxArguments> generic{};
    for (int i = 0; i < method.parameterCount(); ++i) {
        const QMetaType type = method.parameterMetaType(i);
        holders.push_back(i < given ? bridge::toParameter(*args[static_cast<std::size_t>(i)], type) : QVariant());
        QVariant &holder = holders.back();
        // A QVariant parameter is the holder itself; others live inside it.
        void *data = type.id() == QMetaType::QVariant ? static_cast<void *>(&holder) : holder.data();
        generic[static_cast<std::size_t>(i)] = QGenericArgument(type.name(), data);
    }

    QVariant result;
    QGenericReturnArgument returnArg;
    const QMetaType returnType = method.returnMetaType();
    if (returnType.id() == QMetaType::QVariant) {
        returnArg = QGenericReturnArgument("QVariant", &result);
    } else if (returnType.isValid() && returnType.id() != QMetaType::Void) {
        result = QVariant(returnType);
        returnArg = QGenericReturnArgument(returnType.name(), result.data());
    }

    QObject *object = live();
    const bool ok = bridge::guardMember([&] {
        return method.invoke(object, Qt::DirectConnection, returnArg, generic[0], generic[1], generic[2],
                             generic[3], generic[4], generic[5], generic[6], generic[7], generic[8], generic[9]);
    });
    if (!ok)
        vbs::raiseError(vbs::RuntimeError::MemberNotSupported);
    return bridge::guardMember([&] { return bridge::toVariant(result); });
}

vbs::Variant QObjectAdapter::get(std::u16string_view name, vbs::ArgRefs args)
{
    return get(find(resolveName(name)), args);
}

vbs::Variant QObjectAdapter::get(const Member &member, vbs::ArgRefs args)
{
    if (member.property < 0)
        return invoke(member.methods, args);
    QObject *object = live();
    const QMetaProperty meta = object->metaObject()->property(member.property);
    const vbs::Variant value = bridge::guardMember([&] { return bridge::toVariant(meta.read(object)); });
    return applyArgs(value, args);
}

void QObjectAdapter::let(std::u16string_view name, vbs::ArgRefs args, const vbs::Variant &value)
{
    const Member &member = find(resolveName(name));
    const int property = member.property;
    if (property < 0) {
        // A method that hands out an object: assign to that object's default member.
        const vbs::Variant target = invoke(member.methods, args);
        if (!target.isObject() || target.isNothing())
            vbs::raiseError(vbs::RuntimeError::MemberNotSupported);
        target.object()->let(u"", {}, value);
        return;
    }
    QObject *object = live();
    const QMetaProperty meta = object->metaObject()->property(property);
    if (!args.empty()) {
        const vbs::Variant inner = bridge::guardMember([&] { return bridge::toVariant(meta.read(object)); });
        if (!inner.isObject() || inner.isNothing())
            vbs::raiseError(vbs::RuntimeError::WrongArgumentCount);
        inner.object()->let(u"", args, value);
        return;
    }
    if (!meta.isWritable())
        vbs::raiseError(vbs::RuntimeError::WrongArgumentCount);
    const QVariant converted = bridge::toParameter(value, meta.metaType());
    const bool written = bridge::guardMember([&] { return meta.write(object, converted); });
    if (!written)
        vbs::raiseError(vbs::RuntimeError::TypeMismatch);
}

void QObjectAdapter::call(std::u16string_view name, vbs::ArgRefs args)
{
    (void)get(name, args);
}

std::vector<vbs::Variant> QObjectAdapter::enumerate()
{
    const QString enumerator = classInfo("Enumerator");
    if (enumerator.isEmpty())
        vbs::raiseError(vbs::RuntimeError::MemberNotSupported);
    const vbs::Variant list = invoke(find(enumerator).methods, {});
    if (!list.isArray())
        vbs::raiseError(vbs::RuntimeError::MemberNotSupported);
    return list.array()->elements();
}
