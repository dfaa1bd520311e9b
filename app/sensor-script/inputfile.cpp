#include "inputfile.h"

#include "errorcore/error.h"

#include <QFile>
#include <QFileInfo>

QByteArray readInputFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw Error(53, QStringLiteral("File not found: %1").arg(path));
    if (!info.isFile())
        throw Error(75, QStringLiteral("Not a regular file: %1").arg(path));
    if (info.size() > kMaxInputBytes)
        throw Error(7, QStringLiteral("File too large: %1 (%2 bytes; at most %3)")
                           .arg(path).arg(info.size()).arg(kMaxInputBytes));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(75, QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    // The file may have grown since it was looked at.
    QByteArray bytes = file.read(kMaxInputBytes + 1);
    if (bytes.size() > kMaxInputBytes)
        throw Error(7, QStringLiteral("File too large: %1 (more than %2 bytes)").arg(path).arg(kMaxInputBytes));
    return bytes;
}
