#include "filesystemobject.h"

#include "fsodrive.h"
#include "fsofile.h"
#include "fsofolder.h"
#include "fsopaths.h"
#include "fsotextstream.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>

namespace {

// The absolute path of a required path argument; an empty one raises 5.
QString required(const QString &path)
{
    if (path.isEmpty())
        FsoPath::fail(5, QStringLiteral("a path is required"));
    return FsoPath::absolutePath(path);
}

int optionalInt(const QVariant &value, int fallback)
{
    if (!value.isValid() || value.isNull())
        return fallback;
    bool ok = false;
    const int number = value.toInt(&ok);
    if (!ok)
        FsoPath::fail(5, value.toString());
    return number;
}

bool optionalBool(const QVariant &value, bool fallback)
{
    return value.isValid() && !value.isNull() ? value.toBool() : fallback;
}

// Opens `file`; what the system refused decides the number (see
// FsoPath::errorNumber), 75 for anything it does not name. Files opened for
// writing are unbuffered: every write reaches the system while the script
// can still be told that it failed.
void openFile(QFile &file, QIODevice::OpenMode mode)
{
    if (mode & QIODevice::WriteOnly)
        mode |= QIODevice::Unbuffered;
    errno = 0;
    if (file.open(mode))
        return;
    FsoPath::failWith(errno, 75, QStringLiteral("%1 (%2)").arg(file.fileName(), file.errorString()));
}

// Text streams open regular files only: open() on a FIFO blocks until another
// process opens its other end, which no time-out of the script can end, and
// a device such as /dev/zero never reaches its end.
void requireRegularFile(const QFileInfo &info)
{
    if (info.exists() && !info.isDir() && !info.isFile())
        FsoPath::fail(75, QStringLiteral("%1 is not a regular file").arg(info.absoluteFilePath()));
}

void requireParentFolder(const QString &path)
{
    if (!QFileInfo(FsoPath::parentFolderName(path)).isDir())
        FsoPath::fail(76, path);
}

} // namespace

FileSystemObject::FileSystemObject(QObject *parent)
    : QObject(parent)
{
}

bool FileSystemObject::FileExists(const QString &path) const
{
    const QFileInfo info(FsoPath::absolutePath(path));
    return !path.isEmpty() && info.exists() && !info.isDir();
}

bool FileSystemObject::FolderExists(const QString &path) const
{
    return !path.isEmpty() && QFileInfo(FsoPath::absolutePath(path)).isDir();
}

bool FileSystemObject::DriveExists(const QString &path) const
{
    if (path.isEmpty())
        return false;
    const QString absolute = FsoPath::absolutePath(path);
    return QFileInfo(absolute).isDir() && FsoPath::driveRoot(absolute) == absolute;
}

QObject *FileSystemObject::GetFile(const QString &path) const
{
    const QString absolute = required(path);
    const QFileInfo info(absolute);
    if (!info.exists() || info.isDir())
        FsoPath::fail(53, absolute);
    return new FsoFile(absolute);
}

QObject *FileSystemObject::GetFolder(const QString &path) const
{
    const QString absolute = required(path);
    if (!QFileInfo(absolute).isDir())
        FsoPath::fail(76, absolute);
    return new FsoFolder(absolute);
}

QObject *FileSystemObject::GetDrive(const QString &path) const
{
    const QString absolute = required(path);
    if (!QFileInfo::exists(absolute))
        FsoPath::fail(68, path);
    const QString root = FsoPath::driveRoot(absolute);
    if (root.isEmpty())
        FsoPath::fail(68, path);
    return new FsoDrive(root);
}

QString FileSystemObject::GetDriveName(const QString &path) const
{
    return path.isEmpty() ? QString() : FsoPath::driveRoot(path);
}

QString FileSystemObject::BuildPath(const QString &path, const QString &name) const
{
    return FsoPath::build(path, name);
}

QString FileSystemObject::GetFileName(const QString &path) const
{
    return FsoPath::fileName(path);
}

QString FileSystemObject::GetBaseName(const QString &path) const
{
    return FsoPath::baseName(path);
}

QString FileSystemObject::GetExtensionName(const QString &path) const
{
    return FsoPath::extensionName(path);
}

QString FileSystemObject::GetParentFolderName(const QString &path) const
{
    return FsoPath::parentFolderName(path);
}

QString FileSystemObject::GetAbsolutePathName(const QString &path) const
{
    return FsoPath::absolutePath(path);
}

QString FileSystemObject::GetTempName() const
{
    static const char alphabet[] = "0123456789ABCDEF";
    QString name = QStringLiteral("rad");
    for (int i = 0; i < 5; ++i)
        name += QLatin1Char(alphabet[QRandomGenerator::global()->bounded(16)]);
    return name + QStringLiteral(".tmp");
}

QObject *FileSystemObject::OpenTextFile(const QString &path, const QVariant &iomode, const QVariant &create,
                                        const QVariant &format) const
{
    const QString absolute = required(path);
    const int mode = optionalInt(iomode, 1);
    if (mode != 1 && mode != 2 && mode != 8)
        FsoPath::fail(5, QStringLiteral("iomode must be 1 (reading), 2 (writing) or 8 (appending), not %1")
                             .arg(mode));
    const int encoding = optionalInt(format, 0);
    if (encoding != 0 && encoding != -1 && encoding != -2)
        FsoPath::fail(5, QStringLiteral("format must be 0, -1 or -2, not %1").arg(encoding));

    const QFileInfo info(absolute);
    if (info.isDir())
        FsoPath::fail(70, absolute);
    if (mode != 1 || (!info.exists() && optionalBool(create, false)))
        FsoPath::requireWritable(absolute);
    requireRegularFile(info);
    if (!info.exists()) {
        requireParentFolder(absolute);
        if (!optionalBool(create, false))
            FsoPath::fail(53, absolute);
        if (mode == 1) {   // reading a file that `create` makes: an empty one
            QFile made(absolute);
            openFile(made, QIODevice::WriteOnly);
        }
    }

    auto file = std::make_unique<QFile>(absolute);
    const QIODevice::OpenMode openMode = mode == 1 ? QIODevice::ReadOnly
        : mode == 2                                ? QIODevice::WriteOnly | QIODevice::Truncate
                                                   : QIODevice::WriteOnly | QIODevice::Append;
    openFile(*file, openMode);
    return new FsoTextStream(std::move(file), static_cast<FsoTextStream::Mode>(mode), encoding == -1);
}

QObject *FileSystemObject::CreateTextFile(const QString &path, const QVariant &overwrite,
                                          const QVariant &unicode) const
{
    const QString absolute = required(path);
    FsoPath::requireWritable(absolute);
    const QFileInfo info(absolute);
    if (info.isDir() || (info.exists() && !optionalBool(overwrite, true)))
        FsoPath::fail(58, absolute);
    requireRegularFile(info);
    requireParentFolder(absolute);
    auto file = std::make_unique<QFile>(absolute);
    openFile(*file, QIODevice::WriteOnly | QIODevice::Truncate);
    return new FsoTextStream(std::move(file), FsoTextStream::Mode::Writing, optionalBool(unicode, false));
}

QObject *FileSystemObject::CreateFolder(const QString &path) const
{
    const QString absolute = required(path);
    FsoPath::requireWritable(absolute);
    if (QFileInfo::exists(absolute))
        FsoPath::fail(58, absolute);
    requireParentFolder(absolute);
    errno = 0;
    if (!QDir().mkdir(absolute))
        FsoPath::failWith(errno, 70, absolute);
    return new FsoFolder(absolute);
}

void FileSystemObject::DeleteFile(const QString &path, const QVariant &force) const
{
    FsoFile(required(path)).Delete(force);
}

void FileSystemObject::DeleteFolder(const QString &path, const QVariant &force) const
{
    FsoFolder(required(path)).Delete(force);
}
