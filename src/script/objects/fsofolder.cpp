#include "fsofolder.h"

#include "fsocollection.h"
#include "fsodrive.h"
#include "fsopaths.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

FsoFolder::FsoFolder(const QString &path, QObject *parent)
    : QObject(parent)
    , m_path(path)
{
}

void FsoFolder::requireExists() const
{
    if (!QFileInfo(m_path).isDir())
        FsoPath::fail(76, m_path);
}

QString FsoFolder::name() const
{
    return FsoPath::fileName(m_path);
}

QString FsoFolder::path() const
{
    return m_path;
}

QVariant FsoFolder::size() const
{
    requireExists();
    qint64 total = 0;
    QDirIterator it(m_path, QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        total += it.fileInfo().size();
    }
    return FsoPath::sizeValue(total);
}

QDateTime FsoFolder::dateLastModified() const
{
    requireExists();
    return QFileInfo(m_path).lastModified();
}

QDateTime FsoFolder::dateCreated() const
{
    requireExists();
    const QFileInfo info(m_path);
    const QDateTime birth = info.birthTime();
    return birth.isValid() ? birth : info.metadataChangeTime();
}

QDateTime FsoFolder::dateLastAccessed() const
{
    requireExists();
    return QFileInfo(m_path).lastRead();
}

QObject *FsoFolder::parentFolder() const
{
    const QString parent = FsoPath::parentFolderName(m_path);
    return parent.isEmpty() ? nullptr : new FsoFolder(parent);
}

QObject *FsoFolder::files() const
{
    requireExists();
    return new FsoCollection(FsoCollection::Kind::Files, m_path);
}

QObject *FsoFolder::subFolders() const
{
    requireExists();
    return new FsoCollection(FsoCollection::Kind::Folders, m_path);
}

QObject *FsoFolder::drive() const
{
    requireExists();
    return new FsoDrive(FsoPath::driveRoot(m_path));
}

bool FsoFolder::isRootFolder() const
{
    return m_path == QLatin1String("/");
}

int FsoFolder::attributes() const
{
    requireExists();
    const QFileInfo info(m_path);
    int attributes = 16;
    if (!info.isWritable())
        attributes |= 1;
    if (info.fileName().startsWith(QLatin1Char('.')))
        attributes |= 2;
    if (info.isSymLink())
        attributes |= 1024;
    return attributes;
}

QString FsoFolder::type() const
{
    return QStringLiteral("File Folder");
}

void FsoFolder::Delete(const QVariant &) const
{
    requireExists();
    if (!QDir(m_path).removeRecursively())
        FsoPath::fail(70, m_path);
}
