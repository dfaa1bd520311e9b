#pragma once

#include <QDateTime>
#include <QObject>
#include <QVariant>

// A file of Scripting.FileSystemObject (GetFile, Folder.Files). Its
// properties are read from the disk each time; a file deleted meanwhile
// raises 53.
class FsoFile : public QObject
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
    Q_PROPERTY(QObject *Drive READ drive)
    Q_PROPERTY(int Attributes READ attributes)
    Q_PROPERTY(QString Type READ type)

public:
    // `path` must be absolute.
    explicit FsoFile(const QString &path, QObject *parent = nullptr);

    QString name() const;
    QString path() const;
    // Bytes: an int, or a double past 2 GiB.
    QVariant size() const;
    QDateTime dateLastModified() const;
    // The birth time where the file system records one, else the time of the
    // last status change.
    QDateTime dateCreated() const;
    QDateTime dateLastAccessed() const;
    // New Folder and Drive objects (the caller owns them).
    QObject *parentFolder() const;
    QObject *drive() const;
    // 1 read-only, 2 hidden (a name starting with "."), 32 archive (every
    // regular file), 1024 symbolic link.
    int attributes() const;
    // "<EXT> File", or "File" without an extension.
    QString type() const;

    // OpenTextFile on this file: iomode 1 reading, 2 writing, 8 appending.
    Q_INVOKABLE QObject *OpenAsTextStream(const QVariant &iomode = {}, const QVariant &format = {}) const;
    // Removes the file; raises 53 when it is gone, 70 when it cannot be removed.
    Q_INVOKABLE void Delete(const QVariant &force = {}) const;

private:
    void requireExists() const;

    QString m_path;
};
