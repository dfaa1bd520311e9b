#include "scripterrorreport.h"

#include <QStringList>

QString scriptErrorReport(const ScriptErrorInfo &error)
{
    const QStringList lines = {
        QStringLiteral("Error."),
        QStringLiteral("Number: ") + QString::number(error.Number),
        QStringLiteral("Desc: ") + error.Description,
        QStringLiteral("Column: ") + QString::number(error.Column),
        QStringLiteral("Line: ") + QString::number(error.Line),
        QStringLiteral("Text: ") + error.Text,
        QStringLiteral("Source: ") + error.Source,
    };
    return lines.join(QLatin1String("\r\n"));
}
