#include "databasesession.h"

#include "adoerrors.h"
#include "connectionstring.h"
#include "databaseprovider.h"

#include "errorcore/error.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

namespace {

// A Qt SQL connection name no other connection uses.
QString newSqlName()
{
    static std::atomic<quint64> counter{0};
    return QStringLiteral("vt-adodb-%1").arg(++counter);
}

} // namespace

QString sqlErrorText(const QSqlError &error)
{
    const QString driver = error.driverText().simplified();
    const QString database = error.databaseText().simplified();
    if (driver.isEmpty())
        return database;
    if (database.isEmpty() || database == driver)
        return driver;
    return QStringLiteral("%1: %2").arg(driver, database);
}

void raiseDatabaseError(const DatabaseProvider &provider, const QString &code, const QString &text, long fallback)
{
    const long number = provider.errorNumber(code, fallback);
    QString description = text.isEmpty() ? QStringLiteral("The database call failed.") : text;
    if (number == AdoError::CommandTimeout)
        description = QStringLiteral("Query timeout expired: ") + description;
    else if (const QString standard = Error::standardDescription(number); !standard.isEmpty())
        description = standard + QStringLiteral(": ") + description;   // "Disk full: ..."
    throw Error(number, description, AdoError::connectionSource());
}

QtSqlSession::QtSqlSession(const DatabaseProvider &provider) : m_provider(provider) {}

QtSqlSession::~QtSqlSession()
{
    if (m_name.isEmpty())
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
}

QSqlDatabase QtSqlSession::database() const
{
    return QSqlDatabase::database(m_name, false);
}

void QtSqlSession::open(const ConnectionTarget &target, const QString &options)
{
    if (!QSqlDatabase::isDriverAvailable(m_provider.qtDriver))
        throw Error(AdoError::OpenFailed, QStringLiteral("The %1 database driver (%2) is not installed.")
                                              .arg(m_provider.displayName, m_provider.qtDriver),
                    AdoError::connectionSource());
    const QString name = newSqlName();
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(m_provider.qtDriver, name);
        db.setDatabaseName(target.value(QStringLiteral("database")));
        db.setHostName(target.value(QStringLiteral("host")));
        db.setPort(target.port());
        db.setUserName(target.value(QStringLiteral("user")));
        db.setPassword(target.value(QStringLiteral("password")));
        db.setConnectOptions(options);
        if (!db.open()) {
            failure = sqlErrorText(db.lastError());
            if (failure.isEmpty())
                failure = QStringLiteral("The connection could not be opened.");
        }
    }
    if (!failure.isNull()) {
        QSqlDatabase::removeDatabase(name);
        throw Error(AdoError::OpenFailed, failure, AdoError::connectionSource());
    }
    m_name = name;
}

bool QtSqlSession::exec(QSqlQuery &query, const QString &sql, std::chrono::milliseconds)
{
    return query.exec(sql);
}

QString QtSqlSession::errorCode(const QSqlError &error) const
{
    return error.nativeErrorCode();
}

std::shared_ptr<RecordsetData> QtSqlSession::execute(const QString &sql, std::chrono::milliseconds limit)
{
    QSqlQuery query(database());
    query.setForwardOnly(true);
    query.setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
    if (!exec(query, sql, limit))
        raiseDatabaseError(m_provider, errorCode(query.lastError()), sqlErrorText(query.lastError()),
                           AdoError::CommandFailed);
    auto rows = RecordsetData::fromQuery(query);
    if (query.lastError().isValid())   // a row that could not be read
        raiseDatabaseError(m_provider, errorCode(query.lastError()), sqlErrorText(query.lastError()),
                           AdoError::CommandFailed);
    return rows;
}

std::unique_ptr<DatabaseSession> openQtSqlSession(const DatabaseProvider &provider, const ConnectionTarget &target,
                                                  std::chrono::milliseconds limit)
{
    auto session = std::make_unique<QtSqlSession>(provider);
    session->open(target, provider.driverOptions ? provider.driverOptions(target, limit) : QString());
    return session;
}

CallWatch::CallWatch(std::chrono::milliseconds limit, std::function<void()> onExpire)
{
    if (limit.count() <= 0)
        return;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    m_thread = std::thread([this, deadline, onExpire = std::move(onExpire)] {
        std::unique_lock lock(m_lock);
        if (m_wake.wait_until(lock, deadline, [this] { return m_done; }))
            return;
        m_expired = true;
        onExpire();
    });
}

CallWatch::~CallWatch()
{
    if (!m_thread.joinable())
        return;
    {
        const std::lock_guard lock(m_lock);
        m_done = true;
    }
    m_wake.notify_all();
    m_thread.join();
}
