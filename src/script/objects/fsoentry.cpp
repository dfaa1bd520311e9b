#include "fsoentry.h"

#include "fsofolder.h"
#include "fsopaths.h"

#include <QFileInfo>

FsoEntry::FsoEntry(const QString &path, QObject *parent)
    : QObject(parent)
    , m_path(path)
{
}

QString FsoEntry::name() const
{
    return FsoPath::fileName(m_path);
}

QString FsoEntry::path() const
{
    return m_path;
}

QDateTime FsoEntry::dateLastModified() const
{
    requireExists();
    return QFileInfo(m_path).lastModified();
}

QDateTime FsoEntry::dateCreated() const
{
    requireExists();
    const QFileInfo info(m_path);
    const QDateTime birth = info.birthTime();
    return birth.isValid() ? birth : info.metadataChangeTime();
}

QDateTime FsoEntry::dateLastAccessed() const
{
    requireExists();
    return QFileInfo(m_path).lastRead();
}

QObject *FsoEntry::parentFolder() const
{
    const QString parent = FsoPath::parentFolderName(m_path);
    return parent.isEmpty() ? nullptr : new FsoFolder(parent);
}

int FsoEntry::attributesWith(int base) const
{
    requireExists();
    const QFileInfo info(m_path);
    int attributes = base;
    if (!info.isWritable())
        attributes |= 1;
    if (info.fileName().startsWith(QLatin1Char('.')))
        attributes |= 2;
    if (info.isSymLink())
        attributes |= 1024;
    return attributes;
}
