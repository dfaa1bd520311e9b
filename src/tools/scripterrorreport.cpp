#include "scripterrorreport.h"

#include "script/objects/secretmask.h"

#include <QStringList>

QString maskedSecrets(const QString &text, const QStringList &known)
{
    return maskSecrets(text, known);
}

QString scriptErrorReport(const ScriptErrorInfo &error, const QStringList &known)
{
    const QStringList lines = {
        QStringLiteral("Error."),
        QStringLiteral("Number: ") + QString::number(error.Number),
        QStringLiteral("Desc: ") + maskSecrets(error.Description, known),
        QStringLiteral("Column: ") + QString::number(error.Column),
        QStringLiteral("Line: ") + QString::number(error.Line),
        QStringLiteral("Text: ") + maskSecrets(error.Text, known),
        QStringLiteral("Source: ") + maskSecrets(error.Source, known),
    };
    return lines.join(QLatin1String("\r\n"));
}
