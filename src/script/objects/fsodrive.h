#pragma once

#include <QObject>
#include <QVariant>

// A Drive of Scripting.FileSystemObject: the mounted file system whose mount
// point is Path (GetDrive, File.Drive). Space figures are read each time.
class FsoDrive : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("DefaultMember", "Path")
    Q_PROPERTY(QString Path READ path)
    Q_PROPERTY(QString DriveLetter READ driveLetter)
    Q_PROPERTY(QObject *RootFolder READ rootFolder)
    Q_PROPERTY(QVariant FreeSpace READ freeSpace)
    Q_PROPERTY(QVariant AvailableSpace READ availableSpace)
    Q_PROPERTY(QVariant TotalSize READ totalSize)
    Q_PROPERTY(QString FileSystem READ fileSystem)
    Q_PROPERTY(QString VolumeName READ volumeName)
    Q_PROPERTY(bool IsReady READ isReady)
    Q_PROPERTY(int DriveType READ driveType)
    Q_PROPERTY(int SerialNumber READ serialNumber)

public:
    // `root` is a mount point.
    explicit FsoDrive(const QString &root, QObject *parent = nullptr);

    QString path() const;
    // Always "": Linux file systems have no letters.
    QString driveLetter() const;
    QObject *rootFolder() const;
    // Bytes free in total, free for this user, and the size of the file
    // system: ints, or doubles past 2 GiB. A file system that is gone raises 68.
    QVariant freeSpace() const;
    QVariant availableSpace() const;
    QVariant totalSize() const;
    // The file system type ("ext4", "tmpfs", ...).
    QString fileSystem() const;
    QString volumeName() const;
    bool isReady() const;
    // 2 fixed, 3 network, 4 CD-ROM, 5 RAM disk, 0 unknown.
    int driveType() const;
    int serialNumber() const;

private:
    QString m_root;
};
