#pragma once

#include "fsoentry.h"

#include <QVariant>

// A folder of Scripting.FileSystemObject (GetFolder, File.ParentFolder,
// Folder.SubFolders). Read from the disk each time; a folder removed
// meanwhile raises 76. Names, dates and ParentFolder (Nothing for "/") come
// from FsoEntry.
class FsoFolder : public FsoEntry
{
    Q_OBJECT
    Q_PROPERTY(QVariant Size READ size)
    Q_PROPERTY(QObject *Files READ files)
    Q_PROPERTY(QObject *SubFolders READ subFolders)
    Q_PROPERTY(QObject *Drive READ drive)
    Q_PROPERTY(bool IsRootFolder READ isRootFolder)
    Q_PROPERTY(int Attributes READ attributes)
    Q_PROPERTY(QString Type READ type)

public:
    // `path` must be absolute.
    explicit FsoFolder(const QString &path, QObject *parent = nullptr);

    // Bytes of every file below the folder, subfolders included (symbolic
    // links and unreadable folders are not followed).
    QVariant size() const;
    // New collections of the files and of the subfolders, sorted by name.
    QObject *files() const;
    QObject *subFolders() const;
    QObject *drive() const;
    bool isRootFolder() const;
    // 16 directory, plus 1 read-only, 2 hidden, 1024 symbolic link.
    int attributes() const;
    QString type() const;

    // Removes the folder and everything in it; 76 when it is gone, 70 when
    // something cannot be removed.
    Q_INVOKABLE void Delete(const QVariant &force = {}) const;

protected:
    void requireExists() const override;
};
