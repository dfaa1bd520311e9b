#pragma once

#include "recordsetdata.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>

class DatabaseSession;
class Error;

// ADODB.Connection over the back-ends of the provider table
// (databaseprovider.h), chosen by the connection string (connectionstring.h).
// Every failure raises Error with source "ADODB.Connection" and the numbers
// of adoerrors.h or of the provider's error table; no password ever appears
// in a description, and the password of each open is remembered by the run
// (RunContext::rememberSecret) so that its exits mask it too.
//
// In a read-only run only back-ends that enforce read-only open (error 70
// for the others). Each open connection is a session of its own, ended on
// Close and on destruction.
class AdoConnection : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("DefaultMember", "ConnectionString")
    Q_PROPERTY(QString ConnectionString READ connectionString WRITE setConnectionString)
    Q_PROPERTY(int CursorLocation READ cursorLocation WRITE setCursorLocation)
    Q_PROPERTY(int ConnectionTimeout READ connectionTimeout WRITE setConnectionTimeout)
    Q_PROPERTY(int CommandTimeout READ commandTimeout WRITE setCommandTimeout)
    Q_PROPERTY(int State READ state)
    Q_PROPERTY(QString Provider READ provider)

public:
    explicit AdoConnection(QObject *parent = nullptr);
    ~AdoConnection() override;

    QString connectionString() const;
    // Raises 3705 while the connection is open.
    void setConnectionString(const QString &text);
    // 2 (server, the default) or 3 (client); both read every row at once.
    int cursorLocation() const;
    void setCursorLocation(int location);
    // Seconds to wait for the server when opening, over every host a string
    // lists (15 by default, a Connect Timeout in the string wins; 0 means
    // the driver's own limit), never longer than the running script may
    // still take. A negative value raises 3001.
    int connectionTimeout() const;
    void setConnectionTimeout(int seconds);
    // Seconds a statement may run (30 by default, 0 unlimited), waiting for a
    // lock included, and never longer than the running script may still
    // take, whatever the statement sets: it is cancelled from the client
    // side then (-2147217871).
    int commandTimeout() const;
    void setCommandTimeout(int seconds);
    // 1 open, 0 closed.
    int state() const;
    // The provider's key once opened ("SQLite", "PostgreSQL", "ODBC"); empty before.
    QString provider() const;

    // Opens the connection: with `connectionString` when given (it replaces
    // ConnectionString), and `userId`/`password` when given (they replace the
    // string's). A missing SQLite file is an error, not a new empty database.
    Q_INVOKABLE void Open(const QVariant &connectionString = {}, const QVariant &userId = {},
                          const QVariant &password = {}, const QVariant &options = {});
    // Raises 3704 when the connection is not open.
    Q_INVOKABLE void Close();
    // Runs one SQL statement and returns a new Recordset (closed for a
    // statement without rows). The records-affected and options arguments are
    // accepted and ignored. Raises 3709 when not open, -2147217900 with the
    // database's message for a failed statement, -2147217871 on a time-out,
    // 7 for rows past the memory budget, 61 for a full disk, 70 for a write
    // a read-only run refuses.
    Q_INVOKABLE QObject *Execute(const QVariant &sql, const QVariant &recordsAffected = {},
                                 const QVariant &options = {});

    // Execute's rows without the Recordset object; `timeoutSeconds` (a
    // Command's own) in place of CommandTimeout when not negative.
    std::shared_ptr<RecordsetData> query(const QString &sql, int timeoutSeconds = -1);

private:
    [[noreturn]] void fail(long number, const QString &description) const;
    // The same error with the open's passwords masked.
    [[noreturn]] void rethrow(const Error &error) const;

    QString m_connectionString;
    int m_cursorLocation = 2;
    int m_connectionTimeout = 15;
    int m_commandTimeout = 30;
    std::unique_ptr<DatabaseSession> m_session;   // null while closed
    QString m_provider;
    QStringList m_secrets;    // passwords of the last open, kept out of messages
};
