#include "fsopaths.h"

#include "errorcore/error.h"
#include "runcontext.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <cerrno>
#include <limits>

namespace FsoPath {

namespace {

const QChar separator = QLatin1Char('/');

// The path without trailing separators, except a lone "/".
QString withoutTrailingSeparators(QString path)
{
    while (path.size() > 1 && path.endsWith(separator))
        path.chop(1);
    return path;
}

} // namespace

QString build(const QString &path, const QString &name)
{
    if (path.isEmpty())
        return name;
    if (name.isEmpty())
        return path;
    if (path.endsWith(separator) || name.startsWith(separator))
        return path.endsWith(separator) && name.startsWith(separator) ? path + name.mid(1) : path + name;
    return path + separator + name;
}

QString fileName(const QString &path)
{
    const QString trimmed = withoutTrailingSeparators(path);
    if (trimmed == separator)
        return {};
    return trimmed.mid(trimmed.lastIndexOf(separator) + 1);
}

QString baseName(const QString &path)
{
    const QString name = fileName(path);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}

QString extensionName(const QString &path)
{
    const QString name = fileName(path);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot + 1);
}

QString parentFolderName(const QString &path)
{
    const QString trimmed = withoutTrailingSeparators(path);
    const qsizetype last = trimmed.lastIndexOf(separator);
    if (last < 0 || trimmed == separator)
        return {};
    if (last == 0)
        return QString(separator);
    return withoutTrailingSeparators(trimmed.left(last));
}

QString absolutePath(const QString &path)
{
    if (path.isEmpty())
        return QDir::currentPath();
    return QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

QString driveRoot(const QString &path)
{
    QString existing = absolutePath(path);
    while (!QFileInfo::exists(existing)) {
        const QString parent = parentFolderName(existing);
        if (parent.isEmpty() || parent == existing)
            return {};
        existing = parent;
    }
    const QStorageInfo storage(existing);
    return storage.isValid() ? storage.rootPath() : QString();
}

QVariant sizeValue(qint64 bytes)
{
    if (bytes <= std::numeric_limits<int>::max())
        return int(bytes);
    return double(bytes);
}

void fail(long number, const QString &detail)
{
    QString description = Error::standardDescription(number);
    if (!detail.isEmpty())
        description += QStringLiteral(": ") + detail;
    throw Error(number, description, QStringLiteral("Scripting.FileSystemObject"));
}

long errorNumber(int cause, long otherwise, bool fileWanted)
{
    switch (cause) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return 61;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
    case EBUSY: return 70;
    case ENOENT: return fileWanted ? 53 : 76;
    case ENOTDIR: return 76;
    case EEXIST:
    case ENOTEMPTY: return 58;
    case EMFILE:
    case ENFILE: return 67;
    case ENAMETOOLONG: return 52;
    case EIO: return 57;
    case ENXIO:
    case ENODEV: return 68;
    case EXDEV: return 74;
    default: return otherwise;
    }
}

void failWith(int cause, long otherwise, const QString &detail, bool fileWanted)
{
    fail(errorNumber(cause, otherwise, fileWanted), detail);
}

void requireWritable(const QString &path)
{
    if (RunContext::readOnly())
        fail(70, QStringLiteral("%1 (the script runs read-only)").arg(path));
}

} // namespace FsoPath
