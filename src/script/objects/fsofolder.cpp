#include "fsofolder.h"

#include "fsocollection.h"
#include "fsodrive.h"
#include "fsopaths.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <cerrno>

FsoFolder::FsoFolder(const QString &path, QObject *parent)
    : FsoEntry(path, parent)
{
}

void FsoFolder::requireExists() const
{
    if (!QFileInfo(m_path).isDir())
        FsoPath::fail(76, m_path);
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
    return attributesWith(16);
}

QString FsoFolder::type() const
{
    return QStringLiteral("File Folder");
}

void FsoFolder::Delete(const QVariant &) const
{
    requireExists();
    FsoPath::requireWritable(m_path);
    errno = 0;
    if (!QDir(m_path).removeRecursively())
        FsoPath::failWith(errno, 70, m_path);
}
