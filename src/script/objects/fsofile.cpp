#include "fsofile.h"

#include "filesystemobject.h"
#include "fsodrive.h"
#include "fsofolder.h"
#include "fsopaths.h"

#include <QFile>
#include <QFileInfo>

FsoFile::FsoFile(const QString &path, QObject *parent)
    : QObject(parent)
    , m_path(path)
{
}

void FsoFile::requireExists() const
{
    const QFileInfo info(m_path);
    if (!info.exists() || info.isDir())
        FsoPath::fail(53, m_path);
}

QString FsoFile::name() const
{
    return FsoPath::fileName(m_path);
}

QString FsoFile::path() const
{
    return m_path;
}

QVariant FsoFile::size() const
{
    requireExists();
    return FsoPath::sizeValue(QFileInfo(m_path).size());
}

QDateTime FsoFile::dateLastModified() const
{
    requireExists();
    return QFileInfo(m_path).lastModified();
}

QDateTime FsoFile::dateCreated() const
{
    requireExists();
    const QFileInfo info(m_path);
    const QDateTime birth = info.birthTime();
    return birth.isValid() ? birth : info.metadataChangeTime();
}

QDateTime FsoFile::dateLastAccessed() const
{
    requireExists();
    return QFileInfo(m_path).lastRead();
}

QObject *FsoFile::parentFolder() const
{
    return new FsoFolder(FsoPath::parentFolderName(m_path));
}

QObject *FsoFile::drive() const
{
    requireExists();
    return new FsoDrive(FsoPath::driveRoot(m_path));
}

int FsoFile::attributes() const
{
    requireExists();
    const QFileInfo info(m_path);
    int attributes = 32;
    if (!info.isWritable())
        attributes |= 1;
    if (info.fileName().startsWith(QLatin1Char('.')))
        attributes |= 2;
    if (info.isSymLink())
        attributes |= 1024;
    return attributes;
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
    if (!QFile::remove(m_path))
        FsoPath::fail(70, m_path);
}
