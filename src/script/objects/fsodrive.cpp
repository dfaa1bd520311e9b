#include "fsodrive.h"

#include "fsofolder.h"
#include "fsopaths.h"

#include <QStorageInfo>

namespace {

QStorageInfo storageOf(const QString &root)
{
    QStorageInfo storage(root);
    storage.refresh();
    if (root.isEmpty() || !storage.isValid() || !storage.isReady())
        FsoPath::fail(68, root);
    return storage;
}

} // namespace

FsoDrive::FsoDrive(const QString &root, QObject *parent)
    : QObject(parent)
    , m_root(root)
{
}

QString FsoDrive::path() const
{
    return m_root;
}

QString FsoDrive::driveLetter() const
{
    return {};
}

QObject *FsoDrive::rootFolder() const
{
    return new FsoFolder(m_root);
}

QVariant FsoDrive::freeSpace() const
{
    return FsoPath::sizeValue(storageOf(m_root).bytesFree());
}

QVariant FsoDrive::availableSpace() const
{
    return FsoPath::sizeValue(storageOf(m_root).bytesAvailable());
}

QVariant FsoDrive::totalSize() const
{
    return FsoPath::sizeValue(storageOf(m_root).bytesTotal());
}

QString FsoDrive::fileSystem() const
{
    return QString::fromUtf8(storageOf(m_root).fileSystemType());
}

QString FsoDrive::volumeName() const
{
    return storageOf(m_root).name();
}

bool FsoDrive::isReady() const
{
    const QStorageInfo storage(m_root);
    return !m_root.isEmpty() && storage.isValid() && storage.isReady();
}

int FsoDrive::driveType() const
{
    const QByteArray type = storageOf(m_root).fileSystemType();
    if (type.startsWith("nfs") || type == "cifs" || type == "smb3" || type == "smbfs" || type.startsWith("fuse.sshfs"))
        return 3;
    if (type == "iso9660" || type == "udf")
        return 4;
    if (type == "tmpfs" || type == "ramfs")
        return 5;
    return 2;
}

int FsoDrive::serialNumber() const
{
    return 0;
}
