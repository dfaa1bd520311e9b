#include "connectionstring.h"

#include "adoerrors.h"
#include "errorcore/error.h"

#include <QRegularExpression>
#include <QUrl>
#include <QUrlQuery>

namespace {

const QString supportedText = QStringLiteral(
    "Supported: Provider=SQLite (Data Source=FILE), Driver=SQLite3 (Database=FILE), "
    "Provider=PostgreSQL (Host, Port, Database, User ID, Password), postgresql:// addresses, "
    "and ODBC through DSN=... or Driver={...}.");

[[noreturn]] void fail(long number, const QString &description)
{
    throw Error(number, description, AdoError::connectionSource());
}

QString normalisedKey(QString key)
{
    key.remove(QLatin1Char(' '));
    key.remove(QLatin1Char('\t'));
    return key.toLower();
}

// The first value present among `keys`.
QString firstOf(const QMap<QString, QString> &pairs, std::initializer_list<const char *> keys)
{
    for (const char *key : keys) {
        const auto found = pairs.constFind(QString::fromLatin1(key));
        if (found != pairs.cend())
            return *found;
    }
    return {};
}

int portNumber(const QString &text)
{
    if (text.isEmpty())
        return -1;
    bool ok = false;
    const int port = text.toInt(&ok);
    if (!ok || port <= 0 || port > 65535)
        fail(AdoError::OpenFailed, QStringLiteral("Invalid port number in the connection string: %1").arg(text));
    return port;
}

int timeoutSeconds(const QString &text)
{
    bool ok = false;
    const int seconds = text.toInt(&ok);
    return ok && seconds >= 0 ? seconds : -1;
}

bool isSqliteName(const QString &name)
{
    const QString lower = name.trimmed().toLower();
    return lower == QLatin1String("sqlite") || lower == QLatin1String("sqlite3");
}

bool isPostgresName(const QString &name)
{
    const QString lower = name.trimmed().toLower();
    return lower == QLatin1String("postgresql") || lower == QLatin1String("postgres")
        || lower == QLatin1String("pgsql");
}

ConnectionTarget sqliteTarget(const QMap<QString, QString> &pairs)
{
    ConnectionTarget target;
    target.kind = ConnectionTarget::Kind::SQLite;
    target.database = firstOf(pairs, {"datasource", "database", "dbq", "filename"});
    if (target.database.trimmed().isEmpty())
        fail(AdoError::OpenFailed, QStringLiteral("The connection string names no SQLite database file "
                                                  "(Data Source=FILE)."));
    target.password = firstOf(pairs, {"password", "pwd"});
    return target;
}

ConnectionTarget postgresTarget(const QMap<QString, QString> &pairs)
{
    ConnectionTarget target;
    target.kind = ConnectionTarget::Kind::PostgreSQL;
    target.host = firstOf(pairs, {"host", "server", "datasource", "hostname"});
    target.port = portNumber(firstOf(pairs, {"port"}));
    target.database = firstOf(pairs, {"database", "initialcatalog", "dbname"});
    target.user = firstOf(pairs, {"userid", "user", "uid", "username"});
    target.password = firstOf(pairs, {"password", "pwd"});
    const QString timeout = firstOf(pairs, {"connecttimeout", "timeout", "connect_timeout"});
    if (!timeout.isEmpty())
        target.connectTimeout = timeoutSeconds(timeout);
    const QString sslMode = firstOf(pairs, {"sslmode"});
    if (!sslMode.isEmpty())
        target.options.append({QStringLiteral("sslmode"), sslMode});
    return target;
}

ConnectionTarget postgresUriTarget(const QString &text)
{
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    if (!url.isValid())
        fail(AdoError::OpenFailed, QStringLiteral("Invalid PostgreSQL address: %1").arg(scrubSecrets(text)));
    ConnectionTarget target;
    target.kind = ConnectionTarget::Kind::PostgreSQL;
    target.host = url.host(QUrl::FullyDecoded);
    target.port = url.port(-1);
    target.user = url.userName(QUrl::FullyDecoded);
    target.password = url.password(QUrl::FullyDecoded);
    QString path = url.path(QUrl::FullyDecoded);
    if (path.startsWith(QLatin1Char('/')))
        path.remove(0, 1);
    target.database = path;
    const QUrlQuery query(url);
    for (const auto &[key, value] : query.queryItems(QUrl::FullyDecoded)) {
        const QString name = key.toLower();
        if (name == QLatin1String("host"))
            target.host = value;
        else if (name == QLatin1String("port"))
            target.port = portNumber(value);
        else if (name == QLatin1String("user"))
            target.user = value;
        else if (name == QLatin1String("password"))
            target.password = value;
        else if (name == QLatin1String("dbname"))
            target.database = value;
        else if (name == QLatin1String("connect_timeout"))
            target.connectTimeout = timeoutSeconds(value);
        else if (!name.isEmpty())
            target.options.append({name, value});
    }
    return target;
}

} // namespace

QString ConnectionTarget::driverName() const
{
    switch (kind) {
    case Kind::SQLite:
        return QStringLiteral("QSQLITE");
    case Kind::PostgreSQL:
        return QStringLiteral("QPSQL");
    case Kind::Odbc:
        break;
    }
    return QStringLiteral("QODBC");
}

QString ConnectionTarget::kindName() const
{
    switch (kind) {
    case Kind::SQLite:
        return QStringLiteral("SQLite");
    case Kind::PostgreSQL:
        return QStringLiteral("PostgreSQL");
    case Kind::Odbc:
        break;
    }
    return QStringLiteral("ODBC");
}

QList<ConnectionStringPiece> connectionStringPieces(const QString &text)
{
    QList<ConnectionStringPiece> pieces;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        const qsizetype equals = text.indexOf(QLatin1Char('='), i);
        const qsizetype semicolon = text.indexOf(QLatin1Char(';'), i);
        if (equals < 0 || (semicolon >= 0 && semicolon < equals)) {
            // A piece without "=": skip it.
            if (semicolon < 0)
                break;
            i = semicolon + 1;
            continue;
        }
        ConnectionStringPiece piece;
        piece.key = text.mid(i, equals - i).trimmed();
        piece.name = normalisedKey(piece.key);
        i = equals + 1;
        while (i < n && text.at(i).isSpace())
            ++i;
        const QChar open = i < n ? text.at(i) : QChar();
        if (open == QLatin1Char('"') || open == QLatin1Char('\'') || open == QLatin1Char('{')) {
            const bool braces = open == QLatin1Char('{');
            const QChar close = braces ? QLatin1Char('}') : open;
            QString literal;
            qsizetype j = i + 1;
            for (; j < n; ++j) {
                const QChar c = text.at(j);
                if (c == close) {
                    if (!braces && j + 1 < n && text.at(j + 1) == close) {   // "" stands for "
                        literal += c;
                        ++j;
                        continue;
                    }
                    break;
                }
                literal += c;
            }
            piece.value = braces ? QLatin1Char('{') + literal + QLatin1Char('}') : literal;
            const qsizetype next = text.indexOf(QLatin1Char(';'), j + 1);
            i = next < 0 ? n : next + 1;
        } else {
            const qsizetype next = text.indexOf(QLatin1Char(';'), i);
            const qsizetype end = next < 0 ? n : next;
            piece.value = text.mid(i, end - i).trimmed();
            i = end + 1;
        }
        if (!piece.name.isEmpty())
            pieces.append(piece);
    }
    return pieces;
}

QMap<QString, QString> connectionStringPairs(const QString &text)
{
    QMap<QString, QString> pairs;
    for (const ConnectionStringPiece &piece : connectionStringPieces(text))
        pairs.insert(piece.name, piece.value);
    return pairs;
}

ConnectionTarget parseConnectionString(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        fail(AdoError::OpenFailed, QStringLiteral("No connection string was given. %1").arg(supportedText));

    if (trimmed.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive)
        || trimmed.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive))
        return postgresUriTarget(trimmed);

    const QMap<QString, QString> pairs = connectionStringPairs(text);
    const QString provider = pairs.value(QStringLiteral("provider")).trimmed();
    const QString driver = pairs.value(QStringLiteral("driver")).trimmed();
    const bool hasDsn = pairs.contains(QStringLiteral("dsn")) || pairs.contains(QStringLiteral("filedsn"));

    if (!provider.isEmpty()) {
        if (isSqliteName(provider))
            return sqliteTarget(pairs);
        if (isPostgresName(provider))
            return postgresTarget(pairs);
        if (!provider.compare(QLatin1String("MSDASQL"), Qt::CaseInsensitive) && (hasDsn || !driver.isEmpty())) {
            ConnectionTarget target;
            target.kind = ConnectionTarget::Kind::Odbc;
            target.database = text;
            return target;
        }
        fail(AdoError::ProviderNotFound,
             QStringLiteral("Provider cannot be found: '%1'. %2").arg(provider, supportedText));
    }
    if (!driver.isEmpty() && !driver.startsWith(QLatin1Char('{')) && isSqliteName(driver))
        return sqliteTarget(pairs);
    if (hasDsn || !driver.isEmpty()) {
        ConnectionTarget target;
        target.kind = ConnectionTarget::Kind::Odbc;
        target.database = text;
        return target;
    }
    if (!firstOf(pairs, {"datasource", "database"}).trimmed().isEmpty())
        return sqliteTarget(pairs);
    fail(AdoError::OpenFailed,
         QStringLiteral("The connection string names no data source. %1").arg(supportedText));
}

QString scrubSecrets(QString text, const QStringList &secrets)
{
    static const QString mask = QStringLiteral("****");
    for (const QString &secret : secrets) {
        if (!secret.isEmpty())
            text.replace(secret, mask);
    }
    static const QRegularExpression pair(
        QStringLiteral(R"((\b(?:password|pwd)\s*=\s*)(\{[^}]*\}|"(?:[^"]|"")*"|'(?:[^']|'')*'|[^;\s]*))"),
        QRegularExpression::CaseInsensitiveOption);
    text.replace(pair, QStringLiteral("\\1") + mask);
    static const QRegularExpression address(QStringLiteral(R"(([a-z][a-z0-9+.-]*://[^:/@\s]*):[^@\s]*@)"),
                                            QRegularExpression::CaseInsensitiveOption);
    text.replace(address, QStringLiteral("\\1:") + mask + QLatin1Char('@'));
    return text;
}
