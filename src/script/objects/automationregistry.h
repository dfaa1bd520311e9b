#pragma once

#include "script/vbscript/object.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

// The one registry of the objects scripts create by name: VBScript's
// CreateObject and GetObject and JScript's `new ActiveXObject` all create
// through it (bridge::createObject). Program identifiers are matched without
// regard to case. An entry makes either a Qt object, which the bridge shows
// to the script, or an object of the VBScript engine's own, which both
// languages use as it is.
class AutomationRegistry
{
public:
    using Factory = std::function<QObject *()>;
    using EngineFactory = std::function<vbs::Ref<vbs::Object>()>;

    // What create() made: exactly one of the two is set.
    struct Created
    {
        std::unique_ptr<QObject> qobject; // new, without a parent
        vbs::Ref<vbs::Object> engineObject;
    };

    // The registry holding the standard objects: ADODB.Connection,
    // ADODB.Recordset, Scripting.FileSystemObject, and the classes the
    // VBScript engine makes by name (Scripting.Dictionary, VBScript.RegExp).
    static AutomationRegistry &instance();

    // Adds or replaces the factory of `progId`, of the one kind or the other.
    void registerFactory(const QString &progId, Factory factory);
    void registerEngineFactory(const QString &progId, EngineFactory factory);
    // Removes `progId`; nothing happens when it is not registered.
    void unregisterFactory(const QString &progId);
    bool contains(const QString &progId) const;
    // The registered names as they were registered, sorted.
    QStringList progIds() const;

    // A new object; an unknown name (or a factory that gives nothing) raises
    // 429 "ActiveX component can't create object: <progId>".
    Created create(const QString &progId) const;

private:
    struct Entry
    {
        QString progId;
        Factory factory;
        EngineFactory engineFactory;
    };
    QHash<QString, Entry> m_entries; // keyed by the lower-case name
};
