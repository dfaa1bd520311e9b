#include "scriptfile.h"

#include <QFile>
#include <QStringDecoder>
#include <QTextStream>

std::optional<QString> readScriptFile(const QString &path, const char *command)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        QTextStream(stderr) << "sensor-script " << command << ": cannot read " << path << ": "
                            << file.errorString() << '\n';
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    QStringDecoder decoder(QStringConverter::encodingForData(bytes).value_or(QStringConverter::Utf8));
    QString text = decoder(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}
