#pragma once

#include <QByteArray>
#include <QString>

// Files on disk as the job documents need them: read only when they are
// regular files, and replaced in one step or not at all. Both raise Error
// with the path in the description.
namespace regularfile {

// The bytes of the regular file `path`, at most `maxBytes` of them. The file
// is opened without waiting (a FIFO would block), and the opened file itself
// is looked at before anything is read from it, so a FIFO or a device swapped
// in for the file after a check cannot block or flood the reader. Raises 53
// for a missing file, 75 for anything that is not a regular file or cannot be
// read, 7 for a file over the limit.
QByteArray read(const QString &path, qint64 maxBytes);

// Replaces the regular file `path` (or creates it) with `bytes`: they are
// written to a new file beside it, every write checked, flushed to the disk
// and closed, then the new file takes the old one's name and the folder is
// flushed too. The new file gets the old one's mode, owner and group (a new
// file those of a file the program creates). When `path` is a symbolic link,
// the file it points to is replaced and the link stays. Any failure before
// the rename leaves the old file as it was and removes the new one. Raises
// 75 for a path that is a FIFO, a device, a folder or a dangling link, and
// for any failing step, naming it and the system's reason ("No space left
// on device").
void replace(const QString &path, const QByteArray &bytes);

} // namespace regularfile
