// ODBC through Qt's driver. The driver manager loads whatever library a
// string names (Driver=/any/path.so, a FILEDSN= file's Driver=), so a string
// may only name drivers and data sources registered on this machine, by
// name; the string handed on is rebuilt from what we read, so that the
// driver manager reads it as we did. A statement is cancelled from the
// client side at its deadline (SQLCancel). ODBC has no read-only mode that a
// statement cannot lift: read-only runs refuse it (see the provider table).
#include "adoerrors.h"
#include "connectionstring.h"
#include "databaseprovider.h"
#include "databasesession.h"

#include "errorcore/error.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlResult>

#include <odbcinst.h>
#include <sql.h>
#include <sqlext.h>

namespace {

[[noreturn]] void fail(long number, const QString &text)
{
    throw Error(number, text, AdoError::connectionSource());
}

// The names the driver manager lists: its drivers (SQLDrivers) or its data
// sources (SQLDataSources).
QStringList managerList(bool drivers)
{
    QStringList names;
    SQLHENV env = SQL_NULL_HENV;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env)))
        return names;
    SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    SQLCHAR name[512];
    SQLCHAR detail[2048];
    SQLSMALLINT nameLength = 0;
    SQLSMALLINT detailLength = 0;
    for (SQLUSMALLINT direction = SQL_FETCH_FIRST;; direction = SQL_FETCH_NEXT) {
        const SQLRETURN got = drivers
            ? SQLDrivers(env, direction, name, sizeof name, &nameLength, detail, sizeof detail, &detailLength)
            : SQLDataSources(env, direction, name, sizeof name, &nameLength, detail, sizeof detail, &detailLength);
        if (!SQL_SUCCEEDED(got))
            break;
        names << QString::fromLocal8Bit(reinterpret_cast<const char *>(name));
    }
    SQLFreeHandle(SQL_HANDLE_ENV, env);
    return names;
}

QString profileValue(const QString &section, const char *key, const char *file)
{
    char value[1024] = {};
    SQLGetPrivateProfileString(section.toLocal8Bit().constData(), key, "", value, sizeof value, file);
    return QString::fromLocal8Bit(value).trimmed();
}

bool listed(const QStringList &names, const QString &name)
{
    return names.contains(name.trimmed(), Qt::CaseInsensitive);
}

QString namesText(const QStringList &names)
{
    return names.isEmpty() ? QStringLiteral("none") : names.join(QStringLiteral(", "));
}

// A data source's driver must be registered too: by its name, or by the
// library a registered driver names.
void checkDataSourceDriver(const QString &dsn, const QStringList &drivers)
{
    const QString driver = profileValue(dsn, "Driver", "odbc.ini");
    if (driver.isEmpty() || listed(drivers, driver))
        return;
    for (const QString &registered : drivers) {
        for (const char *key : {"Driver", "Driver64"}) {
            if (profileValue(registered, key, "odbcinst.ini") == driver)
                return;
        }
    }
    fail(AdoError::OpenFailed, QStringLiteral("The ODBC data source '%1' names a driver library that is not registered "
                                              "on this machine (%2).")
                                   .arg(dsn, driver));
}

// A value as the driver manager reads it back unchanged: in braces when it
// holds anything it would split at.
QString odbcValue(const QString &value)
{
    static const QString special = QStringLiteral(";{}=[]()?*,!@");
    const bool plain = std::none_of(value.cbegin(), value.cend(), [](QChar c) { return special.contains(c); })
        && value == value.trimmed();
    if (plain)
        return value;
    if (value.contains(QLatin1Char('}')))
        fail(AdoError::OpenFailed, QStringLiteral("An ODBC connection string value cannot hold \"}\"."));
    return QLatin1Char('{') + value + QLatin1Char('}');
}

// Only what the driver manager has registered: the driver by its name, the
// data source by its name and with a registered driver.
void checkRegistered(const ConnectionTarget &target)
{
    const QString driver = target.value(QStringLiteral("driver"));
    const QString dsn = target.value(QStringLiteral("dsn"));
    const QStringList drivers = managerList(true);
    if (!driver.trimmed().isEmpty() && !listed(drivers, driver))
        fail(AdoError::OpenFailed, QStringLiteral("The ODBC driver '%1' is not registered on this machine; only drivers "
                                                  "registered by name can be used (registered: %2).")
                                       .arg(driver, namesText(drivers)));
    if (!dsn.trimmed().isEmpty()) {
        const QStringList sources = managerList(false);
        if (!listed(sources, dsn))
            fail(AdoError::OpenFailed, QStringLiteral("The ODBC data source '%1' is not registered on this machine "
                                                      "(registered: %2).")
                                           .arg(dsn, namesText(sources)));
        checkDataSourceDriver(dsn.trimmed(), drivers);
    }
}

// The string the driver manager gets: the data source or driver, user and
// password, then the other keys, each value as odbcValue writes it.
QString rebuiltString(const ConnectionTarget &target)
{
    QStringList parts;
    const auto add = [&](const QString &key, const QString &value) {
        if (!value.isEmpty())
            parts << key + QLatin1Char('=') + odbcValue(value);
    };
    add(QStringLiteral("DRIVER"), target.value(QStringLiteral("driver")));
    add(QStringLiteral("DSN"), target.value(QStringLiteral("dsn")));
    add(QStringLiteral("UID"), target.value(QStringLiteral("user")));
    add(QStringLiteral("PWD"), target.value(QStringLiteral("password")));
    for (const ConnectionStringPiece &piece : target.extras) {
        if (piece.key.contains(QLatin1Char('=')) || piece.key.contains(QLatin1Char('{')))
            fail(AdoError::OpenFailed, QStringLiteral("Invalid ODBC connection string key: %1").arg(piece.key));
        add(piece.key, piece.value);
    }
    return parts.join(QLatin1Char(';'));
}

QVariant statementHandle(const QSqlQuery &query)
{
    return query.result() ? query.result()->handle() : QVariant();
}

class OdbcSession : public QtSqlSession
{
public:
    using QtSqlSession::QtSqlSession;

protected:
    // Prepared first, so that the statement's handle is known before it
    // runs: the watch cancels it there at the deadline.
    bool exec(QSqlQuery &query, const QString &sql, std::chrono::milliseconds limit) override
    {
        if (!query.prepare(sql))
            return false;
        const QVariant handle = statementHandle(query);
        SQLHSTMT statement = handle.isValid() && handle.metaType().sizeOf() == sizeof(SQLHSTMT)
            ? *static_cast<const SQLHSTMT *>(handle.constData())
            : SQL_NULL_HSTMT;
        const CallWatch watch(statement ? limit : std::chrono::milliseconds(0), [statement] { SQLCancel(statement); });
        const bool done = query.exec();
        m_cancelled = watch.expired();
        m_state.clear();
        if (!done && statement) {
            // Qt reports the driver's native number; the SQLSTATE is still
            // among the statement's diagnostics.
            SQLCHAR state[6] = {};
            SQLINTEGER native = 0;
            SQLSMALLINT length = 0;
            if (SQL_SUCCEEDED(SQLGetDiagRec(SQL_HANDLE_STMT, statement, 1, state, &native, nullptr, 0, &length)))
                m_state = QString::fromLatin1(reinterpret_cast<const char *>(state));
        }
        return done;
    }

    // A statement cancelled at its deadline is a time-out, whatever state
    // the driver reports for it.
    QString errorCode(const QSqlError &) const override
    {
        return m_cancelled ? QStringLiteral("HYT00") : m_state;
    }

private:
    bool m_cancelled = false;
    QString m_state;
};

} // namespace

QStringList registeredOdbcDrivers()
{
    QStringList names = managerList(true);
    names.sort(Qt::CaseInsensitive);
    return names;
}

QStringList registeredOdbcDataSources()
{
    QStringList names = managerList(false);
    names.removeDuplicates();
    names.sort(Qt::CaseInsensitive);
    return names;
}

void validateOdbc(const ConnectionTarget &target)
{
    for (const ConnectionStringPiece &piece : target.extras) {
        if (piece.name == QLatin1String("filedsn"))
            fail(AdoError::OpenFailed, QStringLiteral("FILEDSN is not accepted: the file could name any driver library. "
                                                      "Use a data source (DSN) or a driver registered on this machine."));
        if (piece.name == QLatin1String("savefile"))
            fail(AdoError::OpenFailed, QStringLiteral("SAVEFILE is not accepted: it writes a file."));
        if (piece.name == QLatin1String("pqopt") && piece.value.contains(QLatin1String("sslkey"), Qt::CaseInsensitive))
            fail(AdoError::OpenFailed, QStringLiteral("Pqopt may not set sslkey: a key written \"engine:id\" loads native code."));
    }
    const QString driver = target.value(QStringLiteral("driver"));
    const QString dsn = target.value(QStringLiteral("dsn"));
    if (driver.trimmed().isEmpty() && dsn.trimmed().isEmpty())
        fail(AdoError::OpenFailed, QStringLiteral("The ODBC connection string names no data source (DSN=...) or driver "
                                                  "(Driver={...})."));
}

QString odbcOptions(const ConnectionTarget &, std::chrono::milliseconds limit)
{
    const qint64 seconds = limit.count() > 0 ? (limit.count() + 999) / 1000 : 0;
    return seconds > 0 ? QStringLiteral("SQL_ATTR_LOGIN_TIMEOUT=%1;SQL_ATTR_CONNECTION_TIMEOUT=%1").arg(seconds) : QString();
}

std::unique_ptr<DatabaseSession> openOdbcSession(const DatabaseProvider &provider, const ConnectionTarget &target,
                                                 std::chrono::milliseconds limit)
{
    checkRegistered(target);
    // The user and password travel inside the rebuilt string, never appended
    // by Qt's driver unquoted. That driver reads a name holding ".dsn" as a
    // file DSN (a file that names its own driver library), and puts "DSN="
    // before a string unless it holds "DRIVER=" or "SERVER=": the string is
    // refused in the first case, and handed without its own "DSN=" in the
    // second, so that the driver manager gets it as it was rebuilt.
    QString text = rebuiltString(target);
    if (text.contains(QLatin1String(".dsn"), Qt::CaseInsensitive))
        fail(AdoError::OpenFailed, QStringLiteral("An ODBC connection string may not hold \".dsn\": the driver would read "
                                                  "it as a file DSN."));
    if (!text.contains(QLatin1String("driver="), Qt::CaseInsensitive)
        && !text.contains(QLatin1String("server="), Qt::CaseInsensitive) && text.startsWith(QLatin1String("DSN=")))
        text.remove(0, 4);
    ConnectionTarget opened;
    opened.provider = target.provider;
    opened.fields.insert(QStringLiteral("database"), text);
    auto session = std::make_unique<OdbcSession>(provider);
    session->open(opened, odbcOptions(target, limit));
    return session;
}
