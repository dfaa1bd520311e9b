#pragma once

#include "recordsetdata.h"

#include <QObject>
#include <QString>
#include <QVariant>

// ADODB.Connection over Qt SQL: SQLite (the embedded default), PostgreSQL and
// ODBC, chosen by the connection string (see connectionstring.h). Every
// failure raises Error with source "ADODB.Connection" and the numbers of
// adoerrors.h; no password ever appears in a description.
//
// Each open connection has a Qt SQL connection name of its own, removed again
// on Close and on destruction.
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
    // Seconds to wait for the server when opening (15 by default; 0 means the
    // driver's own limit), never longer than the running script may still
    // take. A negative value raises 3001.
    int connectionTimeout() const;
    void setConnectionTimeout(int seconds);
    // Seconds a statement may run (30 by default, 0 unlimited): PostgreSQL's
    // statement_timeout; SQLite waits this long for a locked database. A
    // statement never runs longer than the running script may still take
    // (SQLite's is interrupted then; ODBC's connection time-out is that time).
    // Opened by a read-only ScriptControl call, the connection is read-only.
    int commandTimeout() const;
    void setCommandTimeout(int seconds);
    // 1 open, 0 closed.
    int state() const;
    // "SQLite", "PostgreSQL" or "ODBC" once opened; empty before.
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
    // database's message for a failed statement, -2147217871 on a time-out.
    Q_INVOKABLE QObject *Execute(const QVariant &sql, const QVariant &recordsAffected = {},
                                 const QVariant &options = {});

    // Execute's rows without the Recordset object.
    std::shared_ptr<RecordsetData> query(const QString &sql);

private:
    [[noreturn]] void fail(long number, const QString &description) const;
    void closeDatabase();
    void applyCommandTimeout();

    QString m_connectionString;
    int m_cursorLocation = 2;
    int m_connectionTimeout = 15;
    int m_commandTimeout = 30;
    qint64 m_appliedCommandTimeout = -1; // milliseconds last handed to the database
    QString m_sqlName;        // Qt SQL connection name; empty while closed
    QString m_provider;
    QStringList m_secrets;    // passwords of the open connection, kept out of messages
};
