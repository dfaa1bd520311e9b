#include "adoconnection.h"

#include "adoerrors.h"
#include "adorecordset.h"
#include "connectionstring.h"
#include "databaseprovider.h"
#include "databasesession.h"
#include "runcontext.h"
#include "secretmask.h"

#include "errorcore/error.h"

#include <chrono>
#include <limits>
#include <optional>

namespace {

const QString closedText = QStringLiteral("Operation is not allowed when the object is closed.");
const QString openText = QStringLiteral("Operation is not allowed when the object is open.");

// The bound of one database call: the connection's own seconds, but never
// longer than the running script may still take, whatever the script set;
// zero for none at all.
std::chrono::milliseconds callLimit(int seconds)
{
    const std::chrono::milliseconds own(qint64(seconds) * 1000);
    const std::optional<std::chrono::milliseconds> left = RunContext::remaining();
    if (!left)
        return own;
    return own.count() > 0 ? qMin(own, *left) : *left;
}

bool given(const QVariant &value)
{
    return value.isValid() && !value.isNull();
}

// The user a string names, in a field or, for a back-end without one, among
// the pieces no field takes.
QString userOf(const ConnectionTarget &target)
{
    QString user = target.value(QStringLiteral("user"));
    for (const ConnectionStringPiece &piece : target.extras) {
        if (user.isEmpty() && QStringList{"userid", "user", "uid", "username"}.contains(piece.name))
            user = piece.value;
    }
    return user;
}

} // namespace

AdoConnection::AdoConnection(QObject *parent)
    : QObject(parent)
{
}

AdoConnection::~AdoConnection() = default;

void AdoConnection::fail(long number, const QString &description) const
{
    throw Error(number, maskSecrets(description, m_secrets), AdoError::connectionSource());
}

void AdoConnection::rethrow(const Error &error) const
{
    throw Error(error.number, maskSecrets(error.description, m_secrets), error.source);
}

QString AdoConnection::connectionString() const
{
    return m_connectionString;
}

void AdoConnection::setConnectionString(const QString &text)
{
    if (m_session)
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
    return m_session ? 1 : 0;
}

QString AdoConnection::provider() const
{
    return m_provider;
}

void AdoConnection::Open(const QVariant &connectionString, const QVariant &userId, const QVariant &password,
                         const QVariant &)
{
    if (m_session)
        fail(AdoError::ObjectOpen, openText);
    if (given(connectionString))
        m_connectionString = connectionString.toString();

    ConnectionTarget target;
    try {
        target = parseConnectionString(m_connectionString);
    } catch (const Error &error) {
        rethrow(error);
    }
    if (given(userId))
        target.fields.insert(QStringLiteral("user"), userId.toString());
    if (given(password))
        target.fields.insert(QStringLiteral("password"), password.toString());
    const QString secret = target.value(QStringLiteral("password"));
    m_secrets = secret.isEmpty() ? QStringList() : QStringList{secret};
    // A password that is the user's name is no more secret than the name the
    // messages show: masking the name would only tell that they are equal.
    if (!secret.isEmpty() && secret != userOf(target))
        RunContext::rememberSecret(secret);

    const DatabaseProvider &provider = *target.provider;
    if (RunContext::readOnly() && !provider.readOnlyEnforced)
        fail(70, QStringLiteral("Permission denied: a read-only run cannot open %1, which has no read-only mode that a "
                                "statement cannot lift.")
                     .arg(provider.displayName));
    bool ok = false;
    const int ownSeconds = target.value(QStringLiteral("timeout")).trimmed().toInt(&ok);
    try {
        m_session = provider.open(provider, target, callLimit(ok && ownSeconds >= 0 ? ownSeconds : m_connectionTimeout));
    } catch (const Error &error) {
        rethrow(error);
    }
    m_provider = provider.key;
}

void AdoConnection::Close()
{
    if (!m_session)
        fail(AdoError::ObjectClosed, closedText);
    m_session.reset();
    m_provider.clear();
}

std::shared_ptr<RecordsetData> AdoConnection::query(const QString &sql, int timeoutSeconds)
{
    if (!m_session)
        fail(AdoError::ConnectionClosed,
             QStringLiteral("The connection cannot be used to perform this operation. "
                            "It is either closed or invalid in this context."));
    if (sql.trimmed().isEmpty())
        fail(AdoError::BadArguments, QStringLiteral("Execute needs an SQL statement."));
    try {
        return m_session->execute(sql, callLimit(timeoutSeconds >= 0 ? timeoutSeconds : m_commandTimeout));
    } catch (const Error &error) {
        rethrow(error);
    }
}

QObject *AdoConnection::Execute(const QVariant &sql, const QVariant &, const QVariant &)
{
    return new AdoRecordset(query(sql.toString()));
}
