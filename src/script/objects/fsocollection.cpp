#include "fsocollection.h"

#include "fsofile.h"
#include "fsofolder.h"
#include "fsopaths.h"

#include <QDir>

FsoCollection::FsoCollection(Kind kind, const QString &folder, QObject *parent)
    : QObject(parent)
    , m_kind(kind)
    , m_folder(folder)
{
    const QDir::Filters filters = QDir::Hidden | QDir::System | QDir::NoDotAndDotDot
        | (kind == Kind::Files ? QDir::Files : QDir::Dirs);
    m_names = QDir(folder).entryList(filters, QDir::Name);
}

int FsoCollection::count() const
{
    return int(m_names.size());
}

QObject *FsoCollection::make(const QString &name) const
{
    const QString path = FsoPath::build(m_folder, name);
    if (m_kind == Kind::Files)
        return new FsoFile(path);
    return new FsoFolder(path);
}

QObject *FsoCollection::Item(const QVariant &name) const
{
    const QString wanted = name.toString();
    if (!m_names.contains(wanted))
        FsoPath::fail(m_kind == Kind::Files ? 53 : 76, FsoPath::build(m_folder, wanted));
    return make(wanted);
}

QVariantList FsoCollection::Items() const
{
    QVariantList items;
    items.reserve(m_names.size());
    for (const QString &name : m_names)
        items.append(QVariant::fromValue(make(name)));
    return items;
}
