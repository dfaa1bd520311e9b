#include "automationregistry.h"

#include "adocommand.h"
#include "adoconnection.h"
#include "adorecordset.h"
#include "filesystemobject.h"

#include "errorcore/error.h"
#include "script/vbscript/builtins.h"

#include <algorithm>

AutomationRegistry &AutomationRegistry::instance()
{
    static AutomationRegistry registry = [] {
        AutomationRegistry standard;
        standard.registerFactory(QStringLiteral("ADODB.Connection"), [] { return new AdoConnection; });
        standard.registerFactory(QStringLiteral("ADODB.Recordset"), [] { return new AdoRecordset; });
        standard.registerFactory(QStringLiteral("ADODB.Command"), [] { return new AdoCommand; });
        standard.registerFactory(QStringLiteral("Scripting.FileSystemObject"),
                                 [] { return new FileSystemObject; });
        for (const auto &[key, entry] : vbs::builtinTable().progIds())
            standard.registerEngineFactory(QString::fromStdU16String(entry.name), entry.factory);
        return standard;
    }();
    return registry;
}

void AutomationRegistry::registerFactory(const QString &progId, Factory factory)
{
    m_entries.insert(progId.toLower(), Entry{progId, std::move(factory), {}});
}

void AutomationRegistry::registerEngineFactory(const QString &progId, EngineFactory factory)
{
    m_entries.insert(progId.toLower(), Entry{progId, {}, std::move(factory)});
}

void AutomationRegistry::unregisterFactory(const QString &progId)
{
    m_entries.remove(progId.toLower());
}

bool AutomationRegistry::contains(const QString &progId) const
{
    return m_entries.contains(progId.toLower());
}

QStringList AutomationRegistry::progIds() const
{
    QStringList names;
    for (const Entry &entry : m_entries)
        names << entry.progId;
    std::sort(names.begin(), names.end());
    return names;
}

AutomationRegistry::Created AutomationRegistry::create(const QString &progId) const
{
    Created made;
    const auto found = m_entries.constFind(progId.toLower());
    if (found != m_entries.cend() && found->factory)
        made.qobject.reset(found->factory());
    else if (found != m_entries.cend() && found->engineFactory)
        made.engineObject = found->engineFactory();
    if (!made.qobject && !made.engineObject)
        throw Error(429, QStringLiteral("%1: %2").arg(Error::standardDescription(429), progId));
    return made;
}
