#pragma once

#include "script/vbscript/object.h"

#include <QMetaMethod>
#include <QPointer>
#include <QString>
#include <unordered_map>
#include <vector>

class QObject;

// A QObject automation object as the VBScript engine sees it. Members are
// found through the QMetaObject by name: Q_PROPERTY properties and
// Q_INVOKABLE methods (or public slots), without regard to case in both
// languages, through a table built once per class (members()). Among
// overloads of a method the one whose parameter count equals the argument
// count wins, else the shortest one whose extra parameters are QVariant
// (passed as invalid: "not given").
//
// Q_CLASSINFO("DefaultMember", "Name") names the member an empty name
// means (obj(args), a value of the object); Q_CLASSINFO("Enumerator",
// "Name") names the QVariantList method For Each walks. An optional
// Q_CLASSINFO("TypeName", ...) is what TypeName returns (else the class name).
//
// An Error (common/error.h) raised by a member reaches the script as a
// runtime error with its number, description and source. A member that does
// not exist raises 438; a deleted object 91.
//
// Ownership: an object without a parent that a member handed to the script
// is owned by the adapter and deleted with it (when the script no longer
// references it); an object with a parent belongs to its parent, and an
// object the host passed in (Ownership::Caller) stays the host's.
class QObjectAdapter final : public vbs::Object
{
public:
    enum class MemberKind { None, Property, Method };
    // One member of a class, as its table holds it.
    struct Member
    {
        QString name; // as the class spells it
        int property = -1;
        std::vector<QMetaMethod> methods;
        MemberKind kind() const { return property >= 0 ? MemberKind::Property : MemberKind::Method; }
    };
    enum class Ownership { Script, Caller };

    explicit QObjectAdapter(QObject *object, Ownership ownership = Ownership::Script);
    ~QObjectAdapter() override;

    // Wraps `object` (Nothing for null). An object that already has an
    // adapter gets that one, whoever owns it.
    static vbs::Ref<vbs::Object> wrap(QObject *object, Ownership ownership = Ownership::Script);
    // The QObject behind `object` when it is an adapter, else null.
    static QObject *unwrap(const vbs::Object *object);

    QObject *target() const { return m_object.data(); }
    // The member `name` is (empty: the default member), without regard to
    // case; null for no such member or a deleted object.
    const Member *member(const QString &name) const;
    // The member `name` of objects of class `meta` (not the default member).
    static const Member *member(const QMetaObject *meta, const QString &name);
    // The member Q_CLASSINFO("DefaultMember") names in class `meta`, or null.
    static const Member *defaultMember(const QMetaObject *meta);
    MemberKind memberKind(const QString &name) const;
    QString defaultMember() const;

    std::u16string typeName() const override;
    vbs::Variant get(std::u16string_view name, vbs::ArgRefs args) override;
    // The same for a member already found in this object's class (member()
    // or the static look-ups above): no name is looked up again.
    vbs::Variant get(const Member &member, vbs::ArgRefs args);
    void let(std::u16string_view name, vbs::ArgRefs args, const vbs::Variant &value) override;
    void call(std::u16string_view name, vbs::ArgRefs args) override;
    std::vector<vbs::Variant> enumerate() override;

private:
    QObject *live() const; // raises 91 when the object is gone
    QString resolveName(std::u16string_view name) const;
    const Member &find(const QString &name) const; // raises 438 for no such member
    vbs::Variant invoke(const std::vector<QMetaMethod> &methods, vbs::ArgRefs args);
    vbs::Variant applyArgs(const vbs::Variant &value, vbs::ArgRefs args);
    QString classInfo(const char *key) const;

    QPointer<QObject> m_object;
    mutable const std::unordered_map<QString, Member> *m_members = nullptr; // its class's, once asked
    QObject *m_key; // the address registered for this adapter
    bool m_owned = false;
};
