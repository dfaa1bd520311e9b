#include "inputfile.h"

#include "platform/xml/xmlfile.h"

QByteArray readInputFile(const QString &path)
{
    return xmlfile::readFileBytes(path, kMaxInputBytes);
}
