#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// A connection string taken apart into what the connection dialog shows, in
// the forms ADODB.Connection opens (script/objects/connectionstring.h):
//   SQLite       Provider=SQLite;Data Source=FILE
//   PostgreSQL   Provider=PostgreSQL;Host=..;Port=..;Database=..;User ID=..;
//                Password=..;sslmode=..;Connect Timeout=..
//   ODBC         DSN=..;UID=..;PWD=..  or a driver string (Driver={...};...)
struct ConnectionFields
{
    enum class Provider { SQLite, PostgreSQL, Odbc };

    Provider provider = Provider::SQLite;
    QString file;                  // SQLite
    QString host, port, database;  // PostgreSQL; an empty port: the default
    QString user, password;        // PostgreSQL, ODBC data source
    QString sslMode;               // PostgreSQL; empty: libpq's default
    QString connectTimeout;        // PostgreSQL, in seconds; empty: the test's own limit
    bool odbcDriver = false;       // ODBC: true, driverString is the whole string; false, dsn
    QString dsn, driverString;     // ODBC
    // Pairs with no field of their own, with their keys as written, in order;
    // they are written back after the fields.
    QList<QPair<QString, QString>> extras;
};

// The fields of `text`; an empty text gives a new SQLite connection. The
// provider is chosen as ADODB.Connection chooses it; a string of another
// provider keeps what it has in `extras`.
ConnectionFields parseConnectionFields(const QString &text);

// The connection string of `fields`: only the fields that are filled in, a
// value quoted when it needs it ("a;b" becomes "\"a;b\"").
QString buildConnectionString(const ConnectionFields &fields);

// The ODBC data sources configured on this system: the sections of the
// system's odbc.ini ($ODBCSYSINI/odbc.ini, else /etc/odbc.ini) and of the
// user's ($ODBCINI, else ~/.odbc.ini), sorted, without the list sections.
QStringList odbcDataSources();
