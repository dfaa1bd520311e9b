#include "fsofile.h"

#include "filesystemobject.h"
#include "fsodrive.h"
#include "fsopaths.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>

FsoFile::FsoFile(const QString &path, QObject *parent)
    : FsoEntry(path, parent)
{
}

void FsoFile::requireExists() const
{
    const QFileInfo info(m_path);
    if (!info.exists() || info.isDir())
        FsoPath::fail(53, m_path);
}

QVariant FsoFile::size() const
{
    requireExists();
    return FsoPath::sizeValue(QFileInfo(m_path).size());
}

QObject *FsoFile::drive() const
{
    requireExists();
    return new FsoDrive(FsoPath::driveRoot(m_path));
}

int FsoFile::attributes() const
{
    return attributesWith(32);
}

QString FsoFile::type() const
{
    const QString extension = FsoPath::extensionName(m_path);
    return extension.isEmpty() ? QStringLiteral("File") : extension.toUpper() + QStringLiteral(" File");
}

QObject *FsoFile::OpenAsTextStream(const QVariant &iomode, const QVariant &format) const
{
    requireExists();
    return FileSystemObject().OpenTextFile(m_path, iomode, false, format);
}

void FsoFile::Delete(const QVariant &) const
{
    requireExists();
    FsoPath::requireWritable(m_path);
    errno = 0;
    if (!QFile::remove(m_path))
        FsoPath::failWith(errno, 70, m_path, true);
}
