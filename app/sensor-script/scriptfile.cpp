#include "scriptfile.h"

#include "inputfile.h"

#include "errorcore/error.h"
#include "platform/xml/xmlfile.h"

#include <QStringDecoder>
#include <QTextStream>

std::optional<QString> readScriptFile(const QString &path, const char *command)
{
    try {
        const QByteArray bytes = readInputFile(path);
        try {
            return xmlfile::decode(bytes).text;
        } catch (const Error &) {
            if (xmlfile::startsWithByteOrderMark(bytes))
                throw;
            QStringDecoder ansi("windows-1252");
            if (!ansi.isValid())
                return QString::fromLatin1(bytes);
            return QString(ansi.decode(bytes));
        }
    } catch (const Error &error) {
        QTextStream(stderr) << "sensor-script " << command << ": cannot read " << path << ": "
                            << error.description << '\n';
        return std::nullopt;
    }
}
