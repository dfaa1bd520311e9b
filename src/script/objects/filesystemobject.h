#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

// Scripting.FileSystemObject: what sensors check on the machine they run on
// (a file's age and size, a log's content, the free space of a file system).
// Paths are Linux paths, relative ones resolved against the current
// directory. Errors carry the source "Scripting.FileSystemObject" and the
// numbers scripts test: 53 file not found, 76 path not found, 58 file already
// exists, 70 permission denied, 68 device unavailable (no such drive), 62
// input past end of file, 5 an invalid argument.
class FileSystemObject : public QObject
{
    Q_OBJECT

public:
    explicit FileSystemObject(QObject *parent = nullptr);

    Q_INVOKABLE bool FileExists(const QString &path) const;
    Q_INVOKABLE bool FolderExists(const QString &path) const;
    // True when `path` is the mount point of a file system.
    Q_INVOKABLE bool DriveExists(const QString &path) const;

    // New File, Folder and Drive objects; a missing file raises 53, a missing
    // folder 76. GetDrive takes a drive name or any path on the file system.
    Q_INVOKABLE QObject *GetFile(const QString &path) const;
    Q_INVOKABLE QObject *GetFolder(const QString &path) const;
    Q_INVOKABLE QObject *GetDrive(const QString &path) const;
    Q_INVOKABLE QObject *GetParentFolder(const QString &path) const { return GetFolder(GetParentFolderName(path)); }

    // The mount point of the file system holding `path` ("" when none does).
    Q_INVOKABLE QString GetDriveName(const QString &path) const;
    Q_INVOKABLE QString BuildPath(const QString &path, const QString &name) const;
    Q_INVOKABLE QString GetFileName(const QString &path) const;
    Q_INVOKABLE QString GetBaseName(const QString &path) const;
    Q_INVOKABLE QString GetExtensionName(const QString &path) const;
    Q_INVOKABLE QString GetParentFolderName(const QString &path) const;
    Q_INVOKABLE QString GetAbsolutePathName(const QString &path) const;
    // A name for a temporary file ("radXXXXX.tmp"); nothing is created.
    Q_INVOKABLE QString GetTempName() const;

    // iomode 1 reading (the default), 2 writing (the file is emptied), 8
    // appending; `create` makes a missing file; format 0 UTF-8 (the
    // default), -1 UTF-16, -2 the system default (UTF-8). A missing file
    // without `create` raises 53, a missing folder 76, a folder or a file
    // that cannot be opened 70, a FIFO or a device 75, a bad iomode or
    // format 5.
    Q_INVOKABLE QObject *OpenTextFile(const QString &path, const QVariant &iomode = {},
                                      const QVariant &create = {}, const QVariant &format = {}) const;
    // A new file opened for writing; `overwrite` (true by default) false with
    // an existing file raises 58, a FIFO or a device 75; `unicode` writes
    // UTF-16.
    Q_INVOKABLE QObject *CreateTextFile(const QString &path, const QVariant &overwrite = {},
                                        const QVariant &unicode = {}) const;

    // A new folder: 58 when it exists, 76 when its parent does not.
    Q_INVOKABLE QObject *CreateFolder(const QString &path) const;
    // 53 / 76 when missing, 70 when it cannot be removed.
    Q_INVOKABLE void DeleteFile(const QString &path, const QVariant &force = {}) const;
    Q_INVOKABLE void DeleteFolder(const QString &path, const QVariant &force = {}) const;
};
