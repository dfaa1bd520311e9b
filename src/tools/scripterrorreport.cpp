#include "scripterrorreport.h"

#include "script/objects/connectionstring.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

// A source line or description with its passwords masked: connection string
// pairs and addresses (scrubSecrets), and the third argument of an Open call
// (Open connection, user, password), when it is written as a literal.
QString masked(const QString &text)
{
    QString result = scrubSecrets(text);
    static const QRegularExpression openPassword(
        QStringLiteral(R"((\.Open\s*\(?\s*(?:"(?:[^"]|"")*"|'[^']*'|[^,'"]*),\s*(?:"(?:[^"]|"")*"|'[^']*'|[^,'"]*),\s*)("(?:[^"]|"")*"|'[^']*'))"),
        QRegularExpression::CaseInsensitiveOption);
    result.replace(openPassword, QStringLiteral("\\1\"****\""));
    return result;
}

} // namespace

QString scriptErrorReport(const ScriptErrorInfo &error)
{
    const QStringList lines = {
        QStringLiteral("Error."),
        QStringLiteral("Number: ") + QString::number(error.Number),
        QStringLiteral("Desc: ") + masked(error.Description),
        QStringLiteral("Column: ") + QString::number(error.Column),
        QStringLiteral("Line: ") + QString::number(error.Line),
        QStringLiteral("Text: ") + masked(error.Text),
        QStringLiteral("Source: ") + error.Source,
    };
    return lines.join(QLatin1String("\r\n"));
}
