#include "scripterrorreport.h"

#include "script/objects/connectionstring.h"

#include <QRegularExpression>
#include <QStringList>

QString maskedSecrets(const QString &text)
{
    QString result = scrubSecrets(text);
    static const QRegularExpression openPassword(
        QStringLiteral(R"((\.Open\s*\(?\s*(?:"(?:[^"]|"")*"|'[^']*'|[^,'"]*),\s*(?:"(?:[^"]|"")*"|'[^']*'|[^,'"]*),\s*)("(?:[^"]|"")*"|'[^']*'))"),
        QRegularExpression::CaseInsensitiveOption);
    result.replace(openPassword, QStringLiteral("\\1\"****\""));
    return result;
}

QString scriptErrorReport(const ScriptErrorInfo &error)
{
    const QStringList lines = {
        QStringLiteral("Error."),
        QStringLiteral("Number: ") + QString::number(error.Number),
        QStringLiteral("Desc: ") + maskedSecrets(error.Description),
        QStringLiteral("Column: ") + QString::number(error.Column),
        QStringLiteral("Line: ") + QString::number(error.Line),
        QStringLiteral("Text: ") + maskedSecrets(error.Text),
        QStringLiteral("Source: ") + error.Source,
    };
    return lines.join(QLatin1String("\r\n"));
}
