#pragma once

#include <QString>
#include <QVariant>

// The path and error helpers of Scripting.FileSystemObject and its children.
// Paths use "/" as the separator; nothing here touches the disk except
// absolutePath (the current directory) and driveRoot (the mount table).
namespace FsoPath {

// "dir" + "/" + "name", with one separator between them; either may be empty.
QString build(const QString &path, const QString &name);
// The last part of the path, a trailing separator ignored ("" for "/").
QString fileName(const QString &path);
// fileName without its extension (up to the last dot).
QString baseName(const QString &path);
// The text after the last dot of fileName, "" when there is none.
QString extensionName(const QString &path);
// The path without its last part ("/" for "/a", "" for "a" and for "/").
QString parentFolderName(const QString &path);
// Absolute and clean (no "." or ".." parts), relative to the current directory.
QString absolutePath(const QString &path);
// The mount point of the file system holding `path` (or, for a path that
// does not exist, its nearest existing ancestor); "" when there is none.
QString driveRoot(const QString &path);

// A size as scripts see it: an int when it fits, a double beyond.
QVariant sizeValue(qint64 bytes);

// Raises Error(number) with the standard description, ": <detail>" after it
// when given, and the source "Scripting.FileSystemObject".
[[noreturn]] void fail(long number, const QString &detail = {});

// The error number of what the system refused with `cause` (an errno): 61
// disk full (no space, over quota, past the largest file allowed), 70
// permission denied (also a read-only or busy file), 76 path not found, 53
// file not found where a file was asked for, 58 already exists, 67 too many
// files, 52 a bad (too long) name, 57 an input/output error, 68 no such
// device, 74 across file systems; `otherwise` for the rest.
long errorNumber(int cause, long otherwise, bool fileWanted = false);
// fail(errorNumber(...), detail).
[[noreturn]] void failWith(int cause, long otherwise, const QString &detail, bool fileWanted = false);

// Raises 70 "Permission denied" for a change to `path` (a write, create,
// delete, copy or move) while the running script call is read-only.
void requireWritable(const QString &path);

} // namespace FsoPath
