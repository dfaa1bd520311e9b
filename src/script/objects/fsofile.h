#pragma once

#include "fsoentry.h"

#include <QVariant>

// A file of Scripting.FileSystemObject (GetFile, Folder.Files). Its
// properties are read from the disk each time; a file deleted meanwhile
// raises 53. Names, dates and ParentFolder come from FsoEntry.
class FsoFile : public FsoEntry
{
    Q_OBJECT
    Q_PROPERTY(QVariant Size READ size)
    Q_PROPERTY(QObject *Drive READ drive)
    Q_PROPERTY(int Attributes READ attributes)
    Q_PROPERTY(QString Type READ type)

public:
    // `path` must be absolute.
    explicit FsoFile(const QString &path, QObject *parent = nullptr);

    // Bytes: an int, or a double past 2 GiB.
    QVariant size() const;
    // A new Drive object (the caller owns it).
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

protected:
    void requireExists() const override;
};
