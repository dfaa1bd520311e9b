#pragma once

#include "errorcore/error.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QVariant>
#include <QVariantList>

// An automation object for the bridge tests, a member of each kind; every
// instance counts itself, so the tests see when a script lets go of one.
class TestGadget : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("DefaultMember", "Name")
    Q_CLASSINFO("Enumerator", "Parts")
    Q_PROPERTY(QString Name READ Name WRITE setName)
    Q_PROPERTY(int Size READ Size WRITE setSize)
    Q_PROPERTY(double Ratio READ Ratio)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)
    Q_PROPERTY(QDateTime Stamp READ Stamp)
    Q_PROPERTY(int Alive READ Alive)

public:
    TestGadget() { ++alive; }
    ~TestGadget() override { --alive; }
    static inline int alive = 0;

    QString Name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }
    int Size() const { return m_size; }
    void setSize(int size) { m_size = size; }
    double Ratio() const { return 0.25; }
    int Alive() const { return alive; }
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    QDateTime Stamp() const { return QDateTime(QDate(2024, 3, 1), QTime(12, 30)); }

    Q_INVOKABLE QString Describe() const { return QStringLiteral("no arguments"); }
    Q_INVOKABLE QString Describe(const QString &a) const { return QStringLiteral("one: ") + a; }
    Q_INVOKABLE QString Describe(const QString &a, int b) const { return QStringLiteral("two: %1 %2").arg(a).arg(b); }
    // `separator` is an invalid QVariant when not given.
    Q_INVOKABLE QString Join(const QString &a, const QVariant &separator = QVariant()) const
    {
        return a + (separator.isValid() ? separator.toString() : QStringLiteral("|")) + m_name;
    }
    Q_INVOKABLE double Add(double a, double b) const { return a + b; }
    Q_INVOKABLE QVariantList Parts() const { return {QStringLiteral("a"), 2, true}; }
    Q_INVOKABLE QObject *Child(const QString &name) const
    {
        auto *child = new TestGadget;
        child->setName(name);
        return child;
    }
    Q_INVOKABLE QObject *Self() { return this; }
    Q_INVOKABLE QString NameOf(QObject *other) const
    {
        auto *gadget = qobject_cast<TestGadget *>(other);
        return gadget ? gadget->Name() : QStringLiteral("(none)");
    }
    Q_INVOKABLE void Fail() const { throw Error(1234, QStringLiteral("The gadget failed"), QStringLiteral("Test.Gadget")); }
    Q_INVOKABLE QVariant Nothing() const { return QVariant(); }
    Q_INVOKABLE QVariant NullValue() const { return QVariant::fromValue(nullptr); }

private:
    QString m_name = QStringLiteral("gadget");
    int m_size = 3;
    bool m_enabled = false;
};
