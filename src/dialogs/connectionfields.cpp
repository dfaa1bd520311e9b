#include "connectionfields.h"

#include "script/objects/connectionstring.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTextStream>

namespace {

using Pair = ConnectionStringPiece;

bool oneOf(const QString &name, std::initializer_list<const char *> names)
{
    for (const char *candidate : names) {
        if (name == QLatin1String(candidate))
            return true;
    }
    return false;
}

// Takes the value of the first of `names` present (the later of two equal
// keys wins, as when the string is opened) and marks all of them as used.
QString take(const QList<Pair> &pairs, QList<bool> &used, std::initializer_list<const char *> names)
{
    for (const char *name : names) {
        QString value;
        bool found = false;
        for (qsizetype i = 0; i < pairs.size(); ++i) {
            if (pairs[i].name == QLatin1String(name)) {
                value = pairs[i].value;
                found = true;
            }
        }
        if (found) {
            for (qsizetype i = 0; i < pairs.size(); ++i)
                used[i] = used[i] || oneOf(pairs[i].name, names);
            return value;
        }
    }
    return {};
}

bool isSqliteName(const QString &name)
{
    return oneOf(name.trimmed().toLower(), {"sqlite", "sqlite3"});
}

bool isPostgresName(const QString &name)
{
    return oneOf(name.trimmed().toLower(), {"postgresql", "postgres", "pgsql"});
}

QString valueOf(const QList<Pair> &pairs, const char *name)
{
    QString value;
    for (const Pair &pair : pairs) {
        if (pair.name == QLatin1String(name))
            value = pair.value;
    }
    return value;
}

bool has(const QList<Pair> &pairs, const char *name)
{
    return std::any_of(pairs.cbegin(), pairs.cend(), [&](const Pair &pair) { return pair.name == QLatin1String(name); });
}

// A postgresql:// address: its parts, and its other parameters as extras.
ConnectionFields addressFields(const QString &text)
{
    ConnectionFields fields;
    fields.provider = ConnectionFields::Provider::PostgreSQL;
    try {
        const ConnectionTarget target = parseConnectionString(text);
        fields.host = target.host;
        fields.port = target.port > 0 ? QString::number(target.port) : QString();
        fields.database = target.database;
        fields.user = target.user;
        fields.password = target.password;
        if (target.connectTimeout >= 0)
            fields.connectTimeout = QString::number(target.connectTimeout);
        for (const auto &[key, value] : target.options) {
            if (key == QLatin1String("sslmode"))
                fields.sslMode = value;
            else
                fields.extras.append({key, value});
        }
    } catch (...) {
        // An address that does not parse leaves the fields empty.
    }
    return fields;
}

QString quoted(const QString &value)
{
    if (value.startsWith(QLatin1Char('{')) && value.endsWith(QLatin1Char('}')))
        return value;
    const bool needsQuotes = value.contains(QLatin1Char(';')) || value.startsWith(QLatin1Char(' '))
        || value.endsWith(QLatin1Char(' ')) || value.startsWith(QLatin1Char('"'))
        || value.startsWith(QLatin1Char('\'')) || value.startsWith(QLatin1Char('{'));
    if (!needsQuotes)
        return value;
    QString text = value;
    text.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// The section names of an odbc.ini file.
QStringList iniSections(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList sections;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']')))
            sections << line.mid(1, line.size() - 2).trimmed();
    }
    return sections;
}

} // namespace

ConnectionFields parseConnectionFields(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive)
        || trimmed.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive))
        return addressFields(trimmed);

    const QList<Pair> pairs = connectionStringPieces(text);
    QList<bool> used(pairs.size(), false);
    const QString provider = valueOf(pairs, "provider").trimmed();
    const QString driver = valueOf(pairs, "driver").trimmed();
    const bool sqliteDriver = !driver.isEmpty() && !driver.startsWith(QLatin1Char('{')) && isSqliteName(driver);

    ConnectionFields fields;
    if (isPostgresName(provider)) {
        fields.provider = ConnectionFields::Provider::PostgreSQL;
        take(pairs, used, {"provider"});
        fields.host = take(pairs, used, {"host", "server", "datasource", "hostname"});
        fields.port = take(pairs, used, {"port"});
        fields.database = take(pairs, used, {"database", "initialcatalog", "dbname"});
        fields.user = take(pairs, used, {"userid", "user", "uid", "username"});
        fields.password = take(pairs, used, {"password", "pwd"});
        fields.connectTimeout = take(pairs, used, {"connecttimeout", "timeout", "connect_timeout"});
        fields.sslMode = take(pairs, used, {"sslmode"});
    } else if ((provider.isEmpty() || !provider.compare(QLatin1String("MSDASQL"), Qt::CaseInsensitive))
               && !sqliteDriver && (has(pairs, "dsn") || has(pairs, "filedsn") || !driver.isEmpty())) {
        fields.provider = ConnectionFields::Provider::Odbc;
        if (has(pairs, "dsn") && driver.isEmpty()) {
            take(pairs, used, {"provider"});
            fields.dsn = take(pairs, used, {"dsn"});
            fields.user = take(pairs, used, {"uid", "userid", "user", "username"});
            fields.password = take(pairs, used, {"pwd", "password"});
        } else {
            fields.odbcDriver = true;
            fields.driverString = text.trimmed();
            return fields;
        }
    } else {
        // SQLite, the embedded default; an unknown provider stays among the extras.
        if (isSqliteName(provider))
            take(pairs, used, {"provider"});
        if (sqliteDriver)
            take(pairs, used, {"driver"});
        fields.file = take(pairs, used, {"datasource", "database", "dbq", "filename"});
    }
    for (qsizetype i = 0; i < pairs.size(); ++i) {
        if (!used[i])
            fields.extras.append({pairs[i].key, pairs[i].value});
    }
    return fields;
}

QString buildConnectionString(const ConnectionFields &fields)
{
    QStringList parts;
    const auto add = [&](const char *key, const QString &value) {
        if (!value.isEmpty())
            parts << QLatin1String(key) + QLatin1Char('=') + quoted(value);
    };
    switch (fields.provider) {
    case ConnectionFields::Provider::SQLite:
        parts << QStringLiteral("Provider=SQLite");
        parts << QStringLiteral("Data Source=") + quoted(fields.file);
        break;
    case ConnectionFields::Provider::PostgreSQL:
        parts << QStringLiteral("Provider=PostgreSQL");
        add("Host", fields.host);
        add("Port", fields.port);
        add("Database", fields.database);
        add("User ID", fields.user);
        add("Password", fields.password);
        add("sslmode", fields.sslMode);
        add("Connect Timeout", fields.connectTimeout);
        break;
    case ConnectionFields::Provider::Odbc:
        if (fields.odbcDriver)
            return fields.driverString;
        parts << QStringLiteral("DSN=") + quoted(fields.dsn);
        add("UID", fields.user);
        add("PWD", fields.password);
        break;
    }
    for (const auto &[key, value] : fields.extras)
        parts << key + QLatin1Char('=') + quoted(value);
    return parts.join(QLatin1Char(';'));
}

QStringList odbcDataSources()
{
    const QString systemFolder = qEnvironmentVariable("ODBCSYSINI", QStringLiteral("/etc"));
    const QString userFile = qEnvironmentVariable("ODBCINI", QDir::homePath() + QStringLiteral("/.odbc.ini"));
    QSet<QString> names;
    for (const QString &path : {systemFolder + QStringLiteral("/odbc.ini"), userFile}) {
        for (const QString &section : iniSections(path)) {
            if (section.compare(QLatin1String("ODBC Data Sources"), Qt::CaseInsensitive)
                && section.compare(QLatin1String("ODBC"), Qt::CaseInsensitive) && !section.isEmpty())
                names.insert(section);
        }
    }
    QStringList list(names.cbegin(), names.cend());
    list.sort(Qt::CaseInsensitive);
    return list;
}
