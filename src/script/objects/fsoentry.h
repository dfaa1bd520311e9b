#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

// What a File and a Folder of Scripting.FileSystemObject share: the names,
// the dates and the parent folder of one absolute path, read from the disk
// each time. A subclass says what "exists" means for it (and which error a
// missing entry raises: 53 for a file, 76 for a folder).
class FsoEntry : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("DefaultMember", "Path")
    Q_PROPERTY(QString Name READ name)
    Q_PROPERTY(QString Path READ path)
    Q_PROPERTY(QString ShortName READ name)
    Q_PROPERTY(QString ShortPath READ path)
    Q_PROPERTY(QDateTime DateLastModified READ dateLastModified)
    Q_PROPERTY(QDateTime DateCreated READ dateCreated)
    Q_PROPERTY(QDateTime DateLastAccessed READ dateLastAccessed)
    Q_PROPERTY(QObject *ParentFolder READ parentFolder)

public:
    QString name() const;
    QString path() const;
    QDateTime dateLastModified() const;
    // The birth time where the file system records one, else the time of the
    // last status change.
    QDateTime dateCreated() const;
    QDateTime dateLastAccessed() const;
    // A new Folder (the caller owns it), or nullptr (Nothing) for "/".
    QObject *parentFolder() const;

protected:
    // `path` must be absolute.
    explicit FsoEntry(const QString &path, QObject *parent = nullptr);

    // Raises the subclass's error when the entry is gone.
    virtual void requireExists() const = 0;
    // Attributes every entry shares on top of `base`: 1 read-only, 2 hidden
    // (a name starting with "."), 1024 symbolic link.
    int attributesWith(int base) const;

    QString m_path;
};
