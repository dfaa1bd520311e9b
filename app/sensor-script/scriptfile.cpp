#include "scriptfile.h"

#include "inputfile.h"

#include "errorcore/error.h"
#include "platform/xml/xmlfile.h"

#include <QTextStream>

std::optional<QString> readScriptFile(const QString &path, const char *command)
{
    try {
        // A script has no declaration: a byte-order mark, else UTF-8, and
        // a byte that is not valid in it is an error, as in a job file.
        return xmlfile::decode(readInputFile(path)).text;
    } catch (const Error &error) {
        QTextStream(stderr) << "sensor-script " << command << ": cannot read " << path << ": "
                            << error.description << '\n';
        return std::nullopt;
    }
}
