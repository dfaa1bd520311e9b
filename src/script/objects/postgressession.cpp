// PostgreSQL: Qt's driver opens the connection, one host at a time within
// the time left (with less than libpq's shortest wait left, a connection of
// our own polled to the deadline first tells whether the host answers in
// time); statements then go through libpq on the driver's own
// connection, so that we hold every bound:
// - the time: the call waits on the socket until its deadline, then cancels
//   the statement from the client side (whatever statement_timeout says);
// - the memory: rows arrive one at a time (single-row mode) and are charged
//   to the run's budget as they come;
// - read-only: each statement is sent alone (the extended protocol takes one
//   command, never "COMMIT; INSERT ...") inside a READ ONLY transaction we
//   begin and roll back ourselves. The only way a statement can change that
//   transaction's mode is SET TRANSACTION READ WRITE (or BEGIN READ WRITE) as
//   the whole statement, which then writes nothing; any statement that runs
//   a query has taken its snapshot, after which the server refuses to make
//   the transaction read-write; COMMIT inside a DO block or procedure is
//   refused inside our transaction block.
#include "adoerrors.h"
#include "connectionstring.h"
#include "databaseprovider.h"
#include "databasesession.h"
#include "runcontext.h"

#include "errorcore/error.h"

#include <QDateTime>
#include <QSqlDriver>

#include <libpq-fe.h>
#include <poll.h>

#include <cerrno>
#include <cmath>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// How long a cancelled statement may take to end before the connection is
// given up.
constexpr milliseconds CancelGrace{1500};

// libpq settings a connection string may pass on; the rest are ignored.
// Files a setting names are read, never written; an OpenSSL engine (a key
// written "engine:id") would load native code and is refused.
const QStringList passedSettings{
    QStringLiteral("application_name"), QStringLiteral("target_session_attrs"), QStringLiteral("options"),
    QStringLiteral("keepalives"),       QStringLiteral("keepalives_idle"),      QStringLiteral("keepalives_interval"),
    QStringLiteral("keepalives_count"), QStringLiteral("tcp_user_timeout"),     QStringLiteral("channel_binding"),
    QStringLiteral("gssencmode"),       QStringLiteral("sslrootcert"),          QStringLiteral("sslcrl"),
    QStringLiteral("sslcert"),          QStringLiteral("sslkey"),               QStringLiteral("hostaddr"),
    QStringLiteral("client_encoding"),
};

QString libpqQuoted(QString value)
{
    value.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    value.replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QLatin1Char('\'') + value + QLatin1Char('\'');
}

[[noreturn]] void fail(long number, const QString &text)
{
    throw Error(number, text, AdoError::connectionSource());
}

QString extra(const ConnectionTarget &target, const QString &name)
{
    QString value;
    for (const ConnectionStringPiece &piece : target.extras) {
        if (piece.name == name)
            value = piece.value;
    }
    return value;
}

void ignoreNotice(void *, const char *) {}

// The text of a value in the ISO form libpq reports, as a script sees it.
QVariant dateValue(Oid type, const QByteArray &text)
{
    switch (type) {
    case 1082: { // date
        const QDate date = QDate::fromString(QString::fromLatin1(text), Qt::ISODate);
        return date.isValid() ? QVariant(QDateTime(date, QTime(0, 0))) : QVariant();
    }
    case 1083: { // time
        const QTime time = QTime::fromString(QString::fromLatin1(text), Qt::ISODateWithMs);
        return time.isValid() ? QVariant(QDateTime(QDate(1899, 12, 30), time)) : QVariant();
    }
    case 1114:   // timestamp
    case 1184: { // timestamptz: "+01" needs its minutes for Qt
        QString iso = QString::fromLatin1(text).replace(QLatin1Char(' '), QLatin1Char('T'));
        if (type == 1184 && iso.size() > 3 && (iso.at(iso.size() - 3) == QLatin1Char('+') || iso.at(iso.size() - 3) == QLatin1Char('-')))
            iso += QLatin1String(":00");
        const QDateTime stamp = QDateTime::fromString(iso, Qt::ISODateWithMs);
        if (!stamp.isValid())
            return {};
        return type == 1184 ? QVariant(stamp.toLocalTime()) : QVariant(stamp);
    }
    default:
        return {};
    }
}

// The QMetaType the ADO field type is told from, for a column's type.
int metaTypeOf(Oid type)
{
    switch (type) {
    case 16: return QMetaType::Bool;
    case 20: case 26: return QMetaType::LongLong;
    case 21: case 23: return QMetaType::Int;
    case 700: case 701: case 1700: return QMetaType::Double;
    case 1082: return QMetaType::QDate;
    case 1083: return QMetaType::QTime;
    case 1114: case 1184: return QMetaType::QDateTime;
    case 17: return QMetaType::QByteArray;
    default: return QMetaType::QString;
    }
}

QVariant cellValue(const PGresult *result, int column)
{
    if (PQgetisnull(result, 0, column))
        return QVariant::fromValue(nullptr);
    const QByteArray text(PQgetvalue(result, 0, column), PQgetlength(result, 0, column));
    const Oid type = PQftype(result, column);
    bool ok = true;
    QVariant value;
    switch (metaTypeOf(type)) {
    case QMetaType::Bool:
        return text == "t";
    case QMetaType::LongLong:
        value = text.toLongLong(&ok);
        break;
    case QMetaType::Int:
        value = text.toInt(&ok);
        break;
    case QMetaType::Double:
        value = text.toDouble(&ok);
        break;
    case QMetaType::QByteArray: {
        size_t length = 0;
        unsigned char *bytes = PQunescapeBytea(reinterpret_cast<const unsigned char *>(text.constData()), &length);
        if (!bytes)
            throw Error(7, QStringLiteral("Out of memory"), AdoError::recordsetSource());
        value = QByteArray(reinterpret_cast<const char *>(bytes), qsizetype(length));
        PQfreemem(bytes);
        return value;
    }
    case QMetaType::QDate:
    case QMetaType::QTime:
    case QMetaType::QDateTime:
        value = dateValue(type, text);
        ok = value.isValid();
        break;
    default:
        return QString::fromUtf8(text);
    }
    return ok ? value : QVariant(QString::fromUtf8(text));
}

class PostgresSession : public QtSqlSession
{
public:
    using QtSqlSession::QtSqlSession;

    void start(const ConnectionTarget &target, const QString &options)
    {
        open(target, options);
        m_readOnly = RunContext::readOnly();
        if (PGconn *conn = connection())
            PQsetNoticeProcessor(conn, ignoreNotice, nullptr);
        else if (m_readOnly)
            fail(70, QStringLiteral("PostgreSQL cannot be used read-only here: the driver's connection is out of reach."));
    }

    std::shared_ptr<RecordsetData> execute(const QString &sql, milliseconds limit) override
    {
        PGconn *conn = connection();
        if (!conn || PQstatus(conn) != CONNECTION_OK)
            fail(AdoError::CommandFailed, QStringLiteral("The connection to the server was lost."));
        const Clock::time_point deadline = limit.count() > 0 ? Clock::now() + limit : Clock::time_point::max();
        const bool readOnly = m_readOnly || RunContext::readOnly();
        if (readOnly)
            command(conn, "BEGIN READ ONLY", deadline);
        const QByteArray text = sql.toUtf8();
        const int sent = readOnly ? PQsendQueryParams(conn, text.constData(), 0, nullptr, nullptr, nullptr, nullptr, 0)
                                  : PQsendQuery(conn, text.constData());
        if (!sent)
            fail(AdoError::CommandFailed, QString::fromUtf8(PQerrorMessage(conn)).simplified());
        PQsetSingleRowMode(conn);

        auto data = std::make_shared<RecordsetData>();
        QString code, message;
        bool columns = false;
        try {
            for (;;) {
                if (!waitForResult(conn, deadline))
                    timedOut(limit);
                PGresult *result = PQgetResult(conn);
                if (!result)
                    break;
                const ExecStatusType status = PQresultStatus(result);
                if (status == PGRES_SINGLE_TUPLE || status == PGRES_TUPLES_OK) {
                    if (!columns && code.isEmpty())
                        takeColumns(*data, result);
                    columns = true;
                    if (status == PGRES_SINGLE_TUPLE && data->open)
                        takeRow(*data, result);
                } else if (status == PGRES_COPY_IN || status == PGRES_COPY_OUT || status == PGRES_COPY_BOTH) {
                    PQclear(result);
                    fail(AdoError::CommandFailed, QStringLiteral("COPY to or from the client is not supported; "
                                                                 "select the rows instead."));
                } else if (status == PGRES_FATAL_ERROR && code.isEmpty()) {
                    code = QString::fromLatin1(PQresultErrorField(result, PG_DIAG_SQLSTATE));
                    message = QString::fromUtf8(PQresultErrorMessage(result)).simplified();
                }
                PQclear(result);
            }
        } catch (...) {
            abandon(conn);
            if (readOnly && connection())
                command(connection(), "ROLLBACK", Clock::now() + CancelGrace);
            throw;
        }
        if (readOnly)
            command(conn, "ROLLBACK", Clock::now() + CancelGrace);
        if (!code.isEmpty() || !message.isEmpty())
            raiseDatabaseError(provider(), code, message, AdoError::CommandFailed);
        return data;
    }

private:
    PGconn *connection() const
    {
        const QSqlDatabase db = database();
        const QVariant handle = db.isOpen() && db.driver() ? db.driver()->handle() : QVariant();
        // Qt names the type after libpq's struct.
        if (qstrcmp(handle.typeName(), "PGconn*") != 0 && qstrcmp(handle.typeName(), "pg_conn*") != 0)
            return nullptr;
        return *static_cast<PGconn *const *>(handle.data());
    }

    // Waits until libpq holds a whole result; false when `deadline` came first.
    static bool waitForResult(PGconn *conn, Clock::time_point deadline)
    {
        while (PQisBusy(conn)) {
            int wait = -1;
            if (deadline != Clock::time_point::max()) {
                const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now()).count();
                if (left <= 0)
                    return false;
                wait = int(qMin<qint64>(left, 1000));
            }
            pollfd socket{PQsocket(conn), POLLIN, 0};
            const int ready = ::poll(&socket, 1, wait);
            if (ready < 0 && errno != EINTR)
                return true;   // PQgetResult reports the broken connection
            if (ready > 0 && !PQconsumeInput(conn))
                return true;
        }
        return true;
    }

    // One statement of ours (its results read and dropped); a failure ends
    // the run as a failed command.
    void command(PGconn *conn, const char *sql, Clock::time_point deadline)
    {
        if (!PQsendQuery(conn, sql))
            fail(AdoError::CommandFailed, QString::fromUtf8(PQerrorMessage(conn)).simplified());
        QString failure;
        for (;;) {
            if (!waitForResult(conn, deadline)) {
                abandon(conn);
                fail(AdoError::CommandFailed, QStringLiteral("The server did not answer %1 in time.").arg(QLatin1String(sql)));
            }
            PGresult *result = PQgetResult(conn);
            if (!result)
                break;
            if (PQresultStatus(result) == PGRES_FATAL_ERROR)
                failure = QString::fromUtf8(PQresultErrorMessage(result)).simplified();
            PQclear(result);
        }
        if (!failure.isEmpty())
            fail(AdoError::CommandFailed, failure);
    }

    // The deadline came: the caller cancels from the client side.
    [[noreturn]] static void timedOut(milliseconds limit)
    {
        fail(AdoError::CommandTimeout,
             QStringLiteral("Query timeout expired: the statement ran past %1 ms and was cancelled.").arg(limit.count()));
    }

    // Ends what the server is still doing for us: a cancel request (sent from
    // a thread of its own, since a server that never closes the request's
    // socket would keep it waiting), then the remaining results are read and
    // dropped; a server that does not end the statement within the grace
    // loses the connection.
    void abandon(PGconn *conn)
    {
        if (PGcancel *cancel = PQgetCancel(conn)) {
            std::thread([cancel] {
                char error[256];
                PQcancel(cancel, error, sizeof error);
                PQfreeCancel(cancel);
            }).detach();
        }
        const Clock::time_point grace = Clock::now() + CancelGrace;
        for (;;) {
            if (!waitForResult(conn, grace)) {
                QSqlDatabase db = database();
                db.close();
                return;
            }
            PGresult *result = PQgetResult(conn);
            if (!result)
                return;
            const ExecStatusType status = PQresultStatus(result);
            PQclear(result);
            if (status == PGRES_COPY_IN || status == PGRES_COPY_BOTH)
                PQputCopyEnd(conn, "not supported");
            else if (status == PGRES_COPY_OUT && !dropCopyData(conn, grace))
                return;
        }
    }

    // Reads and drops what a COPY TO STDOUT sends; false (and the
    // connection given up) when `deadline` comes first.
    bool dropCopyData(PGconn *conn, Clock::time_point deadline)
    {
        for (;;) {
            char *buffer = nullptr;
            const int got = PQgetCopyData(conn, &buffer, 1);
            if (buffer)
                PQfreemem(buffer);
            if (got == -1 || got == -2)
                return true;
            if (got > 0)
                continue;
            const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now()).count();
            pollfd socket{PQsocket(conn), POLLIN, 0};
            if (left <= 0 || ::poll(&socket, 1, int(left)) <= 0 || !PQconsumeInput(conn)) {
                QSqlDatabase db = database();
                db.close();
                return false;
            }
        }
    }

    static void takeColumns(RecordsetData &data, const PGresult *result)
    {
        for (int i = 0; i < PQnfields(result); ++i) {
            data.names << QString::fromUtf8(PQfname(result, i));
            data.typeIds << metaTypeOf(PQftype(result, i));
        }
        data.open = true;
    }

    static void takeRow(RecordsetData &data, const PGresult *result)
    {
        qsizetype raw = 0;
        for (int i = 0; i < PQnfields(result); ++i)
            raw += PQgetlength(result, 0, i);
        data.charge(raw);   // the row as it came, before it is converted
        QVariantList row;
        row.reserve(PQnfields(result));
        for (int i = 0; i < PQnfields(result); ++i)
            row.append(cellValue(result, i));
        data.heldBytes -= raw;
        data.appendRow(std::move(row));
    }

    bool m_readOnly = false;
};

} // namespace

void validatePostgres(const ConnectionTarget &target)
{
    const QString key = extra(target, QStringLiteral("sslkey"));
    if (key.contains(QLatin1Char(':')))
        fail(AdoError::OpenFailed, QStringLiteral("The sslkey setting names an OpenSSL engine (\"engine:key\"), which would "
                                                  "load native code; give the key file's path."));
}

namespace {

// The libpq settings of the target besides its host, port, database, user
// and password.
QStringList settings(const ConnectionTarget &target, milliseconds limit)
{
    QStringList parts;
    // Whole seconds, rounded down so as not to pass the limit; libpq waits at
    // least 2 s (openPostgresSession checks first when less is left).
    if (limit.count() > 0)
        parts << QStringLiteral("connect_timeout=%1").arg(qMax<qint64>(limit.count() / 1000, 2));
    if (const QString mode = target.value(QStringLiteral("sslmode")); !mode.isEmpty())
        parts << QStringLiteral("sslmode=%1").arg(libpqQuoted(mode));
    for (const ConnectionStringPiece &piece : target.extras) {
        if (passedSettings.contains(piece.name))
            parts << QStringLiteral("%1=%2").arg(piece.name, libpqQuoted(piece.value));
    }
    return parts;
}

// libpq waits at least 2 s for a host. With less time left, a connection of
// our own, polled up to the deadline, first tells whether the host answers
// in time; false when it did not.
bool answersBefore(const ConnectionTarget &target, Clock::time_point deadline)
{
    QStringList parts = settings(target, milliseconds(0));
    for (const auto &[field, keyword] : {std::pair{"host", "host"}, {"port", "port"}, {"database", "dbname"},
                                         {"user", "user"}, {"password", "password"}}) {
        if (const QString value = target.value(QLatin1String(field)); !value.isEmpty())
            parts << QStringLiteral("%1=%2").arg(QLatin1String(keyword), libpqQuoted(value));
    }
    PGconn *conn = PQconnectStart(parts.join(QLatin1Char(' ')).toUtf8().constData());
    if (!conn)
        return true;   // Qt's own open reports it
    PostgresPollingStatusType status = PQstatus(conn) == CONNECTION_BAD ? PGRES_POLLING_FAILED : PGRES_POLLING_WRITING;
    bool inTime = true;
    while (status != PGRES_POLLING_OK && status != PGRES_POLLING_FAILED) {
        const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) {
            inTime = false;
            break;
        }
        pollfd socket{PQsocket(conn), short(status == PGRES_POLLING_READING ? POLLIN : POLLOUT), 0};
        if (socket.fd < 0) {
            status = PQconnectPoll(conn);
            continue;
        }
        const int ready = ::poll(&socket, 1, int(qMin<qint64>(left, 1000)));
        if (ready < 0 && errno != EINTR)
            break;
        if (ready > 0)
            status = PQconnectPoll(conn);
    }
    PQfinish(conn);
    return inTime;
}

} // namespace

QString postgresOptions(const ConnectionTarget &target, milliseconds limit)
{
    return settings(target, limit).join(QLatin1Char(';'));
}

std::unique_ptr<DatabaseSession> openPostgresSession(const DatabaseProvider &provider, const ConnectionTarget &target,
                                                     milliseconds limit)
{
    // libpq tries every host of a list (and every address of a name) with
    // the whole connect time-out each: we try them one at a time within the
    // time left instead.
    const QStringList hosts = target.value(QStringLiteral("host")).split(QLatin1Char(','));
    const QStringList addresses = extra(target, QStringLiteral("hostaddr")).split(QLatin1Char(','));
    const QStringList ports = target.value(QStringLiteral("port")).split(QLatin1Char(','));
    const qsizetype attempts = qMax(hosts.size(), addresses.size());
    const Clock::time_point deadline = limit.count() > 0 ? Clock::now() + limit : Clock::time_point::max();
    QStringList failures;
    for (qsizetype i = 0; i < attempts; ++i) {
        milliseconds left{0};
        if (deadline != Clock::time_point::max()) {
            left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now());
            if (left.count() <= 0) {
                failures << QStringLiteral("the connect time-out ended the attempts after %1 of %2 hosts")
                                .arg(i)
                                .arg(attempts);
                break;
            }
        }
        ConnectionTarget one = target;
        one.fields.insert(QStringLiteral("host"), hosts.value(i).trimmed());
        one.fields.insert(QStringLiteral("port"), (ports.size() > 1 ? ports.value(i) : ports.value(0)).trimmed());
        one.extras.erase(std::remove_if(one.extras.begin(), one.extras.end(),
                                        [](const ConnectionStringPiece &p) { return p.name == QLatin1String("hostaddr"); }),
                         one.extras.end());
        if (!addresses.value(i).trimmed().isEmpty())
            one.extras.append({QStringLiteral("hostaddr"), QStringLiteral("hostaddr"), addresses.value(i).trimmed(), QChar()});
        if (left.count() > 0 && left < milliseconds(2000) && !answersBefore(one, deadline)) {
            failures << QStringLiteral("host %1: timeout expired before it answered (%2 of %3 hosts tried)")
                            .arg(one.value(QStringLiteral("host")))
                            .arg(i + 1)
                            .arg(attempts);
            break;
        }
        auto session = std::make_unique<PostgresSession>(provider);
        try {
            session->start(one, postgresOptions(one, left));
            return session;
        } catch (const Error &error) {
            if (error.number != AdoError::OpenFailed)
                throw;
            failures << error.description;
        }
    }
    fail(AdoError::OpenFailed, failures.join(QStringLiteral("; ")));
}
