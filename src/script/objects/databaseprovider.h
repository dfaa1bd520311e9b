#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <chrono>
#include <memory>
#include <vector>

class DatabaseSession;
struct ConnectionTarget;

// One setting of a connection string as a back-end reads it: the name of
// the field it fills (the connection dialog's name for it too), the key
// spellings accepted (lower case, blanks removed) and the spelling written
// back.
struct ProviderField
{
    QString field;      // "database", "host", "port", "user", "password", ...
    QStringList keys;   // "datasource", "database", ...; the later of two wins
    QString written;    // "Data Source"
    bool alwaysWritten = false;   // written even when empty
};

// A native error code of a back-end and the error number a script sees for
// it (a time-out, a full disk, a refused write).
struct ProviderError
{
    QString code;       // SQLSTATE or the driver's number, as the driver reports it
    long number;
};

// One database back-end, the one place that knows it: how connection strings
// name it, which Qt SQL driver opens it, how its settings become the
// driver's, how its errors are told apart, what the connection dialog shows,
// and whether a read-only run can use it. Everything else loops over
// databaseProviders().
struct DatabaseProvider
{
    QString key;                  // "SQLite": the Provider property and the dialog's page
    QString displayName;          // the dialog's list
    QString writtenName;          // the Provider= the dialog writes; empty: none
    QStringList providerNames;    // Provider=... values that choose it (lower case)
    QStringList driverNames;      // unbraced Driver=... values that choose it (lower case)
    QStringList uriSchemes;       // scheme:// addresses that choose it
    QStringList pickKeys;         // keys that choose it when no Provider is given
    QString qtDriver;             // "QSQLITE"
    // True when a read-only run can use it: the session enforces read-only
    // so that no statement can lift it. The others are refused then.
    bool readOnlyEnforced = false;
    QList<ProviderField> fields;
    QList<ProviderError> errors;
    // Checks a parsed target and raises AdoError::OpenFailed for what cannot
    // be opened (no database file, an unregistered ODBC driver).
    void (*validate)(const ConnectionTarget &target) = nullptr;
    // The Qt driver's connect options for the target, the connect bounded
    // by `limit` (zero: no limit of ours). Raises for a setting that would
    // have the driver load native code or write files.
    QString (*driverOptions)(const ConnectionTarget &target, std::chrono::milliseconds limit) = nullptr;
    // Opens a session within `limit` (zero: no limit) or raises.
    std::unique_ptr<DatabaseSession> (*open)(const DatabaseProvider &provider, const ConnectionTarget &target,
                                             std::chrono::milliseconds limit) = nullptr;

    // The field of that name; nullptr when the back-end has none.
    const ProviderField *fieldNamed(const QString &field) const;
    // The field a normalised key fills; nullptr for a key of no field.
    const ProviderField *fieldForKey(const QString &name) const;
    // The error number for a native code, or `fallback`.
    long errorNumber(const QString &code, long fallback) const;
};

// Every back-end, in the order the connection dialog lists them; the first
// is the embedded default.
const std::vector<DatabaseProvider> &databaseProviders();

// The back-end with that key ("PostgreSQL"), nullptr for none.
const DatabaseProvider *providerByKey(const QString &key);

// The key spellings that hold a password in any back-end's strings.
const QStringList &passwordKeys();

// The keys every back-end accepts, as the error for an unknown provider
// lists them: "Provider=SQLite (Data Source=FILE), ...".
QString supportedProvidersText();

// The ODBC drivers and data sources registered on this machine, as the
// driver manager lists them (its system and user files); sorted.
QStringList registeredOdbcDrivers();
QStringList registeredOdbcDataSources();
