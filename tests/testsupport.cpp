#include "testsupport.h"

#include <QFile>

QString sourcePath(const QString &relative)
{
    return QStringLiteral(VT_SOURCE_DIR "/") + relative;
}

QString readTextFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}
