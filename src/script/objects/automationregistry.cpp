#include "automationregistry.h"

#include "adoconnection.h"
#include "adorecordset.h"
#include "filesystemobject.h"

#include "errorcore/error.h"

#include <algorithm>

AutomationRegistry &AutomationRegistry::instance()
{
    static AutomationRegistry registry = [] {
        AutomationRegistry standard;
        standard.registerFactory(QStringLiteral("ADODB.Connection"), [] { return new AdoConnection; });
        standard.registerFactory(QStringLiteral("ADODB.Recordset"), [] { return new AdoRecordset; });
        standard.registerFactory(QStringLiteral("Scripting.FileSystemObject"),
                                 [] { return new FileSystemObject; });
        return standard;
    }();
    return registry;
}

void AutomationRegistry::registerFactory(const QString &progId, Factory factory)
{
    m_entries.insert(progId.toLower(), Entry{progId, std::move(factory)});
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

QObject *AutomationRegistry::create(const QString &progId) const
{
    const auto found = m_entries.constFind(progId.toLower());
    QObject *object = found != m_entries.cend() && found->factory ? found->factory() : nullptr;
    if (!object)
        throw Error(429, QStringLiteral("%1: %2").arg(Error::standardDescription(429), progId));
    return object;
}
