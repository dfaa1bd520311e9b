// SQLite through Qt's driver, bounded through the driver's sqlite3 handle:
// a progress handler stops a statement at its deadline, a busy handler of
// ours waits for a lock no longer than that, the length limit keeps a value
// within the memory budget, and a read-only run opens the file read-only
// with an authoriser that allows reading and nothing else (no ATTACH, so no
// VACUUM INTO a new file either; no pragma that sets anything).
#include "adoerrors.h"
#include "connectionstring.h"
#include "databaseprovider.h"
#include "databasesession.h"
#include "runcontext.h"

#include "errorcore/error.h"

#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>

#include <sqlite3.h>

namespace {

[[noreturn]] void openFailed(long number, const QString &text)
{
    throw Error(number, text, AdoError::connectionSource());
}

bool isUri(const QString &file)
{
    return file.startsWith(QLatin1String("file:"), Qt::CaseInsensitive);
}

// Pragmas that only read, taking a table or index name as their argument.
bool readingPragma(const char *name, const char *argument)
{
    if (!argument)
        return true;   // a pragma without an argument reports; the read-only file refuses the rest
    static const char *const reading[] = {"table_info",       "table_xinfo",       "index_info", "index_xinfo",
                                          "index_list",       "foreign_key_list", "foreign_key_check",
                                          "integrity_check",  "quick_check"};
    for (const char *each : reading) {
        if (qstricmp(name, each) == 0)
            return true;
    }
    return false;
}

// What a read-only connection may do: read, run functions (never
// load_extension), begin and end transactions, read pragmas.
int readOnlyDecision(int action, const char *first, const char *second)
{
    switch (action) {
    case SQLITE_SELECT:
    case SQLITE_READ:
    case SQLITE_RECURSIVE:
    case SQLITE_TRANSACTION:
    case SQLITE_SAVEPOINT:
        return SQLITE_OK;
    case SQLITE_FUNCTION:
        return second && qstricmp(second, "load_extension") == 0 ? SQLITE_DENY : SQLITE_OK;
    case SQLITE_PRAGMA:
        return first && readingPragma(first, second) ? SQLITE_OK : SQLITE_DENY;
    default:
        return SQLITE_DENY;
    }
}

sqlite3 *handleOf(const QSqlDatabase &db)
{
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(handle.data());
}

class SqliteSession : public QtSqlSession
{
public:
    using QtSqlSession::QtSqlSession;

    // Opens the file; under a read-only run, read-only with the authoriser,
    // or not at all when the driver's handle cannot be reached.
    void start(const ConnectionTarget &target, const QString &options)
    {
        open(target, options);
        m_handle = handleOf(database());
        if (!RunContext::readOnly())
            return;
        if (!m_handle)
            openFailed(70, QStringLiteral("SQLite cannot be opened read-only here: the driver's handle is out of reach."));
        sqlite3_set_authorizer(m_handle, &SqliteSession::authorise, this);
        sqlite3_limit(m_handle, SQLITE_LIMIT_ATTACHED, 0);
    }

protected:
    bool exec(QSqlQuery &query, const QString &sql, std::chrono::milliseconds limit) override
    {
        if (!m_handle)
            return query.exec(sql);
        m_deadline = limit.count() > 0 ? std::chrono::steady_clock::now() + limit
                                       : std::chrono::steady_clock::time_point::max();
        sqlite3_progress_handler(m_handle, 1000, &SqliteSession::pastDeadline, this);
        sqlite3_busy_handler(m_handle, &SqliteSession::waitForLock, this);
        const int defaultLength = sqlite3_limit(m_handle, SQLITE_LIMIT_LENGTH, -1);
        if (const std::optional<qsizetype> left = RecordsetData::memoryLeft())
            // The driver copies what SQLite reads: a value may take half the budget left.
            sqlite3_limit(m_handle, SQLITE_LIMIT_LENGTH, int(qMin<qsizetype>(*left / 2, defaultLength)));
        m_denied = false;
        const bool done = query.exec(sql);
        sqlite3_progress_handler(m_handle, 0, nullptr, nullptr);
        sqlite3_limit(m_handle, SQLITE_LIMIT_LENGTH, defaultLength);
        return done;
    }

    // The primary result code: AUTH when the authoriser refused the
    // statement (SQLite reports a refusal while preparing as a plain
    // error), else the handle's own when it can be read.
    QString errorCode(const QSqlError &error) const override
    {
        if (m_denied)
            return QString::number(SQLITE_AUTH);
        bool ok = false;
        const int code = m_handle ? sqlite3_errcode(m_handle) : error.nativeErrorCode().toInt(&ok);
        return m_handle || ok ? QString::number(code & 0xff) : error.nativeErrorCode();
    }

private:
    static int authorise(void *self, int action, const char *first, const char *second, const char *, const char *)
    {
        const int decision = readOnlyDecision(action, first, second);
        if (decision != SQLITE_OK)
            static_cast<SqliteSession *>(self)->m_denied = true;
        return decision;
    }

    static int pastDeadline(void *self)
    {
        return std::chrono::steady_clock::now() >= static_cast<SqliteSession *>(self)->m_deadline ? 1 : 0;
    }

    static int waitForLock(void *self, int)
    {
        const auto deadline = static_cast<SqliteSession *>(self)->m_deadline;
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline)
            return 0;
        QThread::msleep(qMin<qint64>(10, std::chrono::duration_cast<std::chrono::milliseconds>(deadline - now).count() + 1));
        return 1;
    }

    sqlite3 *m_handle = nullptr;
    bool m_denied = false;
    std::chrono::steady_clock::time_point m_deadline = std::chrono::steady_clock::time_point::max();
};

} // namespace

void validateSqlite(const ConnectionTarget &target)
{
    if (!target.value(QStringLiteral("database")).trimmed().isEmpty())
        return;
    const QList<ConnectionStringPiece> pieces = connectionStringPieces(target.text);
    const bool named = std::any_of(pieces.cbegin(), pieces.cend(), [](const ConnectionStringPiece &piece) {
        return piece.name == QLatin1String("provider") || piece.name == QLatin1String("driver");
    });
    if (named)
        openFailed(AdoError::OpenFailed,
                   QStringLiteral("The connection string names no SQLite database file (Data Source=FILE)."));
    openFailed(AdoError::OpenFailed,
               QStringLiteral("The connection string names no data source. %1").arg(supportedProvidersText()));
}

QString sqliteOptions(const ConnectionTarget &target, std::chrono::milliseconds limit)
{
    QString options;
    if (isUri(target.value(QStringLiteral("database")).trimmed()))
        options += QStringLiteral("QSQLITE_OPEN_URI;");
    if (RunContext::readOnly())
        options += QStringLiteral("QSQLITE_OPEN_READONLY;");
    return options + QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(limit.count() > 0 ? limit.count() : 0);
}

std::unique_ptr<DatabaseSession> openSqliteSession(const DatabaseProvider &provider, const ConnectionTarget &target,
                                                   std::chrono::milliseconds limit)
{
    ConnectionTarget opened = target;
    const QString file = target.value(QStringLiteral("database")).trimmed();
    if (file != QLatin1String(":memory:") && !isUri(file)) {
        const QFileInfo info(file);
        if (!info.exists())
            openFailed(AdoError::OpenFailed, QStringLiteral("SQLite database file not found: %1").arg(info.absoluteFilePath()));
        if (!info.isFile())
            openFailed(AdoError::OpenFailed, QStringLiteral("Not an SQLite database file: %1").arg(info.absoluteFilePath()));
        opened.fields.insert(QStringLiteral("database"), info.absoluteFilePath());
    }
    opened.fields.remove(QStringLiteral("password"));   // SQLite has none; never hand it on
    auto session = std::make_unique<SqliteSession>(provider);
    session->start(opened, sqliteOptions(opened, limit));
    return session;
}
