#include "adoconnection.h"

#include "adoerrors.h"
#include "adorecordset.h"
#include "errorcore/error.h"
#include "connectionstring.h"
#include "runcontext.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <atomic>
#include <chrono>
#include <limits>
#include <optional>

#ifdef VT_HAVE_SQLITE3
#include <sqlite3.h>
#endif

namespace {

const QString closedText = QStringLiteral("Operation is not allowed when the object is closed.");
const QString openText = QStringLiteral("Operation is not allowed when the object is open.");

// A Qt SQL connection name no other connection uses.
QString newSqlName()
{
    static std::atomic<quint64> counter{0};
    return QStringLiteral("vt-adodb-%1").arg(++counter);
}

// A libpq parameter value in single quotes.
QString libpqQuoted(QString value)
{
    value.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    value.replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QLatin1Char('\'') + value + QLatin1Char('\'');
}

// The driver's message in one line: what failed, then the database's words.
QString errorText(const QSqlError &error)
{
    const QString driver = error.driverText().simplified();
    const QString database = error.databaseText().simplified();
    if (driver.isEmpty())
        return database;
    if (database.isEmpty() || database == driver)
        return driver;
    return QStringLiteral("%1: %2").arg(driver, database);
}

// SQLSTATE 57014 (PostgreSQL: statement canceled by statement_timeout) and
// SQLite's 5 (SQLITE_BUSY after the busy time-out) and 9 (SQLITE_INTERRUPT
// at the script's deadline).
bool isTimeout(const QSqlError &error, const QString &provider)
{
    const QString code = error.nativeErrorCode();
    if (provider == QLatin1String("PostgreSQL"))
        return code == QLatin1String("57014");
    if (provider == QLatin1String("SQLite"))
        return code == QLatin1String("5") || code == QLatin1String("9");
    return false;
}

// The bound of one database call in milliseconds, 0 for none: the
// connection's own seconds, but never longer than the running script may
// still take, whatever the script set.
qint64 boundMs(int seconds, qint64 floorMs = 1)
{
    const qint64 own = qint64(seconds) * 1000;
    const std::optional<std::chrono::milliseconds> left = RunContext::remaining();
    if (!left)
        return own;
    const qint64 script = qMax<qint64>(left->count(), floorMs);
    return own > 0 ? qMin(own, script) : script;
}

// Whole seconds for drivers that count in seconds, rounded up.
int boundSeconds(int seconds, int floorSeconds = 1)
{
    const qint64 ms = boundMs(seconds, qint64(floorSeconds) * 1000);
    return ms > 0 ? int(qMin<qint64>((ms + 999) / 1000, std::numeric_limits<int>::max())) : 0;
}

// Interrupts a CPU-bound SQLite statement at the running script's deadline
// through the driver's progress handler; set for one statement.
class SqliteDeadline
{
public:
    explicit SqliteDeadline(const QSqlDatabase &db)
    {
#ifdef VT_HAVE_SQLITE3
        const std::optional<std::chrono::milliseconds> left = RunContext::remaining();
        const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
        if (!left || qstrcmp(handle.typeName(), "sqlite3*") != 0)
            return;
        m_handle = *static_cast<sqlite3 *const *>(handle.data());
        m_deadline = std::chrono::steady_clock::now() + *left;
        if (m_handle)
            sqlite3_progress_handler(m_handle, 1000, &SqliteDeadline::check, this);
#else
        Q_UNUSED(db);
#endif
    }
    ~SqliteDeadline()
    {
#ifdef VT_HAVE_SQLITE3
        if (m_handle)
            sqlite3_progress_handler(m_handle, 0, nullptr, nullptr);
#endif
    }
    SqliteDeadline(const SqliteDeadline &) = delete;
    SqliteDeadline &operator=(const SqliteDeadline &) = delete;

private:
#ifdef VT_HAVE_SQLITE3
    static int check(void *self)
    {
        return std::chrono::steady_clock::now() >= static_cast<SqliteDeadline *>(self)->m_deadline ? 1 : 0;
    }
    sqlite3 *m_handle = nullptr;
    std::chrono::steady_clock::time_point m_deadline;
#endif
};

bool given(const QVariant &value)
{
    return value.isValid() && !value.isNull();
}

} // namespace

AdoConnection::AdoConnection(QObject *parent)
    : QObject(parent)
{
}

AdoConnection::~AdoConnection()
{
    closeDatabase();
}

void AdoConnection::fail(long number, const QString &description) const
{
    throw Error(number, scrubSecrets(description, m_secrets), AdoError::connectionSource());
}

QString AdoConnection::connectionString() const
{
    return m_connectionString;
}

void AdoConnection::setConnectionString(const QString &text)
{
    if (!m_sqlName.isEmpty())
        fail(AdoError::ObjectOpen, openText);
    m_connectionString = text;
}

int AdoConnection::cursorLocation() const
{
    return m_cursorLocation;
}

void AdoConnection::setCursorLocation(int location)
{
    if (location < 1 || location > 3)
        fail(AdoError::BadArguments, QStringLiteral("CursorLocation must be 2 (server) or 3 (client), not %1.")
                                         .arg(location));
    m_cursorLocation = location;
}

int AdoConnection::connectionTimeout() const
{
    return m_connectionTimeout;
}

void AdoConnection::setConnectionTimeout(int seconds)
{
    if (seconds < 0)
        fail(AdoError::BadArguments, QStringLiteral("ConnectionTimeout cannot be negative (%1).").arg(seconds));
    m_connectionTimeout = seconds;
}

int AdoConnection::commandTimeout() const
{
    return m_commandTimeout;
}

void AdoConnection::setCommandTimeout(int seconds)
{
    if (seconds < 0)
        fail(AdoError::BadArguments, QStringLiteral("CommandTimeout cannot be negative (%1).").arg(seconds));
    m_commandTimeout = seconds;
}

int AdoConnection::state() const
{
    return m_sqlName.isEmpty() ? 0 : 1;
}

QString AdoConnection::provider() const
{
    return m_provider;
}

void AdoConnection::Open(const QVariant &connectionString, const QVariant &userId, const QVariant &password,
                         const QVariant &)
{
    if (!m_sqlName.isEmpty())
        fail(AdoError::ObjectOpen, openText);
    if (given(connectionString))
        m_connectionString = connectionString.toString();

    ConnectionTarget target;
    try {
        target = parseConnectionString(m_connectionString);
    } catch (const Error &error) {
        fail(error.number, error.description);
    }
    if (given(userId))
        target.user = userId.toString();
    if (given(password))
        target.password = password.toString();
    m_secrets = QStringList{target.password};

    const QString driver = target.driverName();
    if (!QSqlDatabase::isDriverAvailable(driver))
        fail(AdoError::OpenFailed, QStringLiteral("The %1 database driver (%2) is not installed.")
                                       .arg(target.kindName(), driver));

    QString options;
    switch (target.kind) {
    case ConnectionTarget::Kind::SQLite: {
        const QString file = target.database.trimmed();
        if (file != QLatin1String(":memory:") && !file.startsWith(QLatin1String("file:"))) {
            const QFileInfo info(file);
            if (!info.exists())
                fail(AdoError::OpenFailed,
                     QStringLiteral("SQLite database file not found: %1").arg(info.absoluteFilePath()));
            if (!info.isFile())
                fail(AdoError::OpenFailed,
                     QStringLiteral("Not an SQLite database file: %1").arg(info.absoluteFilePath()));
            target.database = info.absoluteFilePath();
        } else if (file.startsWith(QLatin1String("file:"))) {
            options = QStringLiteral("QSQLITE_OPEN_URI;");
        }
        if (RunContext::readOnly())
            options += QStringLiteral("QSQLITE_OPEN_READONLY;");
        options += QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(boundMs(m_commandTimeout));
        break;
    }
    case ConnectionTarget::Kind::PostgreSQL: {
        QStringList parts;
        // libpq waits at least 2 s for a server.
        const int timeout = boundSeconds(target.connectTimeout >= 0 ? target.connectTimeout : m_connectionTimeout, 2);
        if (timeout > 0)
            parts << QStringLiteral("connect_timeout=%1").arg(qMax(timeout, 2));
        for (const auto &[key, value] : std::as_const(target.options))
            parts << QStringLiteral("%1=%2").arg(key, libpqQuoted(value));
        options = parts.join(QLatin1Char(';'));
        break;
    }
    case ConnectionTarget::Kind::Odbc: {
        // The connection time-out bounds every request on the connection.
        QStringList parts;
        if (const int login = boundSeconds(m_connectionTimeout); login > 0)
            parts << QStringLiteral("SQL_ATTR_LOGIN_TIMEOUT=%1").arg(login);
        if (const int request = boundSeconds(0); request > 0)
            parts << QStringLiteral("SQL_ATTR_CONNECTION_TIMEOUT=%1").arg(request);
        if (RunContext::readOnly())
            parts << QStringLiteral("SQL_ATTR_ACCESS_MODE=SQL_MODE_READ_ONLY");
        options = parts.join(QLatin1Char(';'));
        break;
    }
    }

    const QString name = newSqlName();
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(driver, name);
        db.setDatabaseName(target.database);
        if (target.kind == ConnectionTarget::Kind::PostgreSQL) {
            db.setHostName(target.host);
            db.setPort(target.port);
        }
        if (target.kind != ConnectionTarget::Kind::SQLite) {
            db.setUserName(target.user);
            db.setPassword(target.password);
        }
        db.setConnectOptions(options);
        if (!db.open())
            failure = errorText(db.lastError());
    }
    if (!failure.isNull()) {
        QSqlDatabase::removeDatabase(name);
        fail(AdoError::OpenFailed, failure.isEmpty() ? QStringLiteral("The connection could not be opened.")
                                                     : failure);
    }
    m_sqlName = name;
    m_provider = target.kindName();
    m_appliedCommandTimeout = -1;
    try {
        if (RunContext::readOnly() && m_provider == QLatin1String("PostgreSQL")) {
            QSqlQuery readOnly(QSqlDatabase::database(m_sqlName, false));
            if (!readOnly.exec(QStringLiteral("SET SESSION CHARACTERISTICS AS TRANSACTION READ ONLY")))
                fail(AdoError::OpenFailed, errorText(readOnly.lastError()));
        }
        applyCommandTimeout();
    } catch (...) {
        closeDatabase();
        throw;
    }
}

void AdoConnection::Close()
{
    if (m_sqlName.isEmpty())
        fail(AdoError::ObjectClosed, closedText);
    closeDatabase();
}

void AdoConnection::closeDatabase()
{
    if (m_sqlName.isEmpty())
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_sqlName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_sqlName);
    m_sqlName.clear();
    m_provider.clear();
    m_secrets.clear();
    m_appliedCommandTimeout = -1;
}

// Hands the statement's bound (CommandTimeout, no longer than the script's
// time left) to the database when it changed since the last time:
// PostgreSQL's statement_timeout, SQLite's busy time-out.
void AdoConnection::applyCommandTimeout()
{
    const qint64 bound = boundMs(m_commandTimeout);
    if (bound == m_appliedCommandTimeout)
        return;
    QString statement;
    if (m_provider == QLatin1String("PostgreSQL"))
        statement = QStringLiteral("SET statement_timeout = %1").arg(bound);
    else if (m_provider == QLatin1String("SQLite"))
        statement = QStringLiteral("PRAGMA busy_timeout = %1").arg(bound);
    if (!statement.isEmpty()) {
        QSqlQuery query(QSqlDatabase::database(m_sqlName, false));
        if (!query.exec(statement))
            fail(AdoError::CommandFailed, errorText(query.lastError()));
    }
    m_appliedCommandTimeout = bound;
}

std::shared_ptr<RecordsetData> AdoConnection::query(const QString &sql)
{
    if (m_sqlName.isEmpty())
        fail(AdoError::ConnectionClosed,
             QStringLiteral("The connection cannot be used to perform this operation. "
                            "It is either closed or invalid in this context."));
    if (sql.trimmed().isEmpty())
        fail(AdoError::BadArguments, QStringLiteral("Execute needs an SQL statement."));
    applyCommandTimeout();
    const QSqlDatabase db = QSqlDatabase::database(m_sqlName, false);
    const SqliteDeadline deadline(db);
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
    if (!query.exec(sql)) {
        const QSqlError error = query.lastError();
        if (isTimeout(error, m_provider))
            fail(AdoError::CommandTimeout, QStringLiteral("Query timeout expired (%1 ms): %2")
                                               .arg(QString::number(m_appliedCommandTimeout), errorText(error)));
        fail(AdoError::CommandFailed, errorText(error));
    }
    auto rows = RecordsetData::fromQuery(query);
    if (query.lastError().isValid())   // a row that could not be read
        fail(AdoError::CommandFailed, errorText(query.lastError()));
    return rows;
}

QObject *AdoConnection::Execute(const QVariant &sql, const QVariant &, const QVariant &)
{
    return new AdoRecordset(query(sql.toString()));
}
