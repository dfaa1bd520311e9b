#pragma once

#include <QDateTime>
#include <QObject>
#include <QVariant>

// A folder of Scripting.FileSystemObject (GetFolder, File.ParentFolder,
// Folder.SubFolders). Read from the disk each time; a folder removed
// meanwhile raises 76.
class FsoFolder : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("DefaultMember", "Path")
    Q_PROPERTY(QString Name READ name)
    Q_PROPERTY(QString Path READ path)
    Q_PROPERTY(QString ShortName READ name)
    Q_PROPERTY(QString ShortPath READ path)
    Q_PROPERTY(QVariant Size READ size)
    Q_PROPERTY(QDateTime DateLastModified READ dateLastModified)
    Q_PROPERTY(QDateTime DateCreated READ dateCreated)
    Q_PROPERTY(QDateTime DateLastAccessed READ dateLastAccessed)
    Q_PROPERTY(QObject *ParentFolder READ parentFolder)
    Q_PROPERTY(QObject *Files READ files)
    Q_PROPERTY(QObject *SubFolders READ subFolders)
    Q_PROPERTY(QObject *Drive READ drive)
    Q_PROPERTY(bool IsRootFolder READ isRootFolder)
    Q_PROPERTY(int Attributes READ attributes)
    Q_PROPERTY(QString Type READ type)

public:
    // `path` must be absolute.
    explicit FsoFolder(const QString &path, QObject *parent = nullptr);

    QString name() const;
    QString path() const;
    // Bytes of every file below the folder, subfolders included (symbolic
    // links and unreadable folders are not followed).
    QVariant size() const;
    QDateTime dateLastModified() const;
    QDateTime dateCreated() const;
    QDateTime dateLastAccessed() const;
    // A new Folder, or nullptr (Nothing) for "/".
    QObject *parentFolder() const;
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

private:
    void requireExists() const;

    QString m_path;
};
