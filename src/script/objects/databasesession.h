#pragma once

#include "recordsetdata.h"

#include <QSqlDatabase>
#include <QString>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

struct ConnectionTarget;
struct DatabaseProvider;
class QSqlError;
class QSqlQuery;

// One open connection of the database objects. Each statement is bounded in
// time by the caller's limit, whatever the statement itself sets, and its
// rows by the run's memory budget (RecordsetData). Closed when destroyed.
class DatabaseSession
{
public:
    virtual ~DatabaseSession() = default;
    // Runs one statement within `limit` (zero: no limit): its rows, or a
    // closed recordset for a statement without rows. Raises Error with the
    // number the provider's error table gives (AdoError::CommandTimeout past
    // the limit, 61 for a full disk, 70 for a refused write, ...), else
    // AdoError::CommandFailed, with the database's words.
    virtual std::shared_ptr<RecordsetData> execute(const QString &sql, std::chrono::milliseconds limit) = 0;
};

// A session on a Qt SQL connection of its own (a unique connection name,
// removed again when the session ends), statements run through QSqlQuery.
// A back-end that needs no more than its Qt driver uses it as it is.
class QtSqlSession : public DatabaseSession
{
public:
    explicit QtSqlSession(const DatabaseProvider &provider);
    ~QtSqlSession() override;
    QtSqlSession(const QtSqlSession &) = delete;
    QtSqlSession &operator=(const QtSqlSession &) = delete;

    // Opens the provider's Qt driver with the target's database, host, port,
    // user and password and `options`; raises AdoError::OpenFailed with the
    // driver's words.
    void open(const ConnectionTarget &target, const QString &options);
    std::shared_ptr<RecordsetData> execute(const QString &sql, std::chrono::milliseconds limit) override;

    QSqlDatabase database() const;
    const DatabaseProvider &provider() const { return m_provider; }

protected:
    // Runs `sql` on `query` within `limit`: the back-end's own bounds go
    // around QSqlQuery::exec here. False when it failed.
    virtual bool exec(QSqlQuery &query, const QString &sql, std::chrono::milliseconds limit);
    // The native code of an error as the provider's table lists it.
    virtual QString errorCode(const QSqlError &error) const;

private:
    const DatabaseProvider &m_provider;
    QString m_name;
};

// Raises the error of a failed database call: the number the provider's
// table gives for `code` (a time-out's description starts "Query timeout
// expired"), else `fallback`; source "ADODB.Connection".
[[noreturn]] void raiseDatabaseError(const DatabaseProvider &provider, const QString &code, const QString &text,
                                     long fallback);

// A driver's error in one line: what failed, then the database's words.
QString sqlErrorText(const QSqlError &error);

// Calls `onExpire` once, from a thread of its own, when `limit` passes
// before the watch ends (zero: never). Ending the watch waits for a
// callback that has begun.
class CallWatch
{
public:
    CallWatch(std::chrono::milliseconds limit, std::function<void()> onExpire);
    ~CallWatch();
    CallWatch(const CallWatch &) = delete;
    CallWatch &operator=(const CallWatch &) = delete;

    bool expired() const { return m_expired; }

private:
    std::mutex m_lock;
    std::condition_variable m_wake;
    bool m_done = false;
    std::atomic<bool> m_expired{false};
    std::thread m_thread;
};

// The back-ends' parts the provider table names (one file each).
std::unique_ptr<DatabaseSession> openQtSqlSession(const DatabaseProvider &provider, const ConnectionTarget &target,
                                                  std::chrono::milliseconds limit);

void validateSqlite(const ConnectionTarget &target);
QString sqliteOptions(const ConnectionTarget &target, std::chrono::milliseconds limit);
std::unique_ptr<DatabaseSession> openSqliteSession(const DatabaseProvider &provider, const ConnectionTarget &target,
                                                   std::chrono::milliseconds limit);

void validatePostgres(const ConnectionTarget &target);
QString postgresOptions(const ConnectionTarget &target, std::chrono::milliseconds limit);
std::unique_ptr<DatabaseSession> openPostgresSession(const DatabaseProvider &provider, const ConnectionTarget &target,
                                                     std::chrono::milliseconds limit);

void validateOdbc(const ConnectionTarget &target);
QString odbcOptions(const ConnectionTarget &target, std::chrono::milliseconds limit);
std::unique_ptr<DatabaseSession> openOdbcSession(const DatabaseProvider &provider, const ConnectionTarget &target,
                                                 std::chrono::milliseconds limit);
