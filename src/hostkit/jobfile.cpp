#include "jobfile.h"

#include "errorcore/error.h"

#include <QFile>

#include <sys/stat.h>

namespace hostkit {

JobFileText readJobFile(const QString &path)
{
    xmlfile::Text file = xmlfile::read(path);
    XmlParseError error;
    const XmlNode document = XmlNode::parse(file.text, &error, file.fileBytes);
    if (document.isNull())
        throw Error(error.code, QStringLiteral("%1: %2: %3").arg(path, error.location(), error.reason));
    const QString root = document.documentElement().nodeName();
    if (root != QLatin1String("JobDefinition"))
        throw Error(5, QStringLiteral("%1 is not a job definition: its root element is <%2>").arg(path, root));
    return {std::move(file.text), file.encoding};
}

QByteArray jobFileBytes(const QString &jobText, const xmlfile::Encoding &encoding)
{
    return xmlfile::encode(XmlNode::parse(jobText), encoding, true);
}

void writeJobFile(const QString &path, const QString &jobText, const xmlfile::Encoding &encoding)
{
    xmlfile::writeFileBytes(path, jobFileBytes(jobText, encoding));
}

FileStamp fileStamp(const QString &path)
{
    struct stat status = {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return {};
    return {true, quint64(status.st_dev), quint64(status.st_ino), qint64(status.st_size),
            qint64(status.st_mtim.tv_sec), qint64(status.st_mtim.tv_nsec)};
}

} // namespace hostkit
