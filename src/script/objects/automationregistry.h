#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

// The automation objects scripts create by name: VBScript's CreateObject and
// JScript's `new ActiveXObject` both come here. Names are matched without
// regard to case. Each created object is new, has no parent and belongs to
// the caller (the script engine).
class AutomationRegistry
{
public:
    using Factory = std::function<QObject *()>;

    // The registry holding the standard objects: ADODB.Connection,
    // ADODB.Recordset and Scripting.FileSystemObject.
    static AutomationRegistry &instance();

    // Adds or replaces the factory of `progId`.
    void registerFactory(const QString &progId, Factory factory);
    // Removes `progId`; nothing happens when it is not registered.
    void unregisterFactory(const QString &progId);
    bool contains(const QString &progId) const;
    // The registered names as they were registered, sorted.
    QStringList progIds() const;

    // A new object; an unknown name (or a factory that returns nothing) raises
    // 429 "ActiveX component can't create object: <progId>".
    QObject *create(const QString &progId) const;

private:
    struct Entry
    {
        QString progId;
        Factory factory;
    };
    QHash<QString, Entry> m_entries;   // keyed by the lower-case name
};
