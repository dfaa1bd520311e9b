#include "scriptfile.h"

#include "inputfile.h"

#include "errorcore/error.h"

#include <QStringDecoder>
#include <QTextStream>

std::optional<QString> readScriptFile(const QString &path, const char *command)
{
    QByteArray bytes;
    try {
        bytes = readInputFile(path);
    } catch (const Error &error) {
        QTextStream(stderr) << "sensor-script " << command << ": cannot read " << path << ": "
                            << error.description << '\n';
        return std::nullopt;
    }
    QStringDecoder decoder(QStringConverter::encodingForData(bytes).value_or(QStringConverter::Utf8));
    QString text = decoder(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}
