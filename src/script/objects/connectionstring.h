#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

struct DatabaseProvider;

// One "key=value" of a connection string.
struct ConnectionStringPiece
{
    QString key;       // as written, without surrounding blanks
    QString name;      // lower case, without blanks or tabs: "User ID" -> "userid"
    QString value;     // without its quotes or braces
    QChar quote;       // '"', '\'' or '{' when the value was enclosed; null otherwise
};

// Splits "key=value;key=value" into its pieces, in order. A value may be
// quoted with " or ' (a doubled quote stands for one) or enclosed in braces
// (a doubled "}" stands for one, as ODBC writes it); blanks around keys and
// unquoted values are dropped. Pieces without "=" or without a key are
// skipped.
QList<ConnectionStringPiece> connectionStringPieces(const QString &text);

// Where one value of a connection string ends, by the rules above: `from`
// is just after its "=". Masking and parsing share it.
qsizetype connectionValueEnd(const QString &text, qsizetype from);

// A connection string as a back-end reads it: its provider, the values of
// the provider's fields (by field name) and the pieces no field takes.
struct ConnectionTarget
{
    const DatabaseProvider *provider = nullptr;
    QMap<QString, QString> fields;
    QList<ConnectionStringPiece> extras;
    QString text;      // the string as given

    QString value(const QString &field) const { return fields.value(field); }
    // -1 when no port is given.
    int port() const;
};

// Reads a connection string the way the database objects and the
// connection dialog do, without judging it: a postgresql:// address, a
// Provider=, a Driver= that names a back-end, a DSN= or braced Driver=
// (ODBC), else the embedded default (SQLite). An unknown provider leaves
// `provider` null, with every piece among the extras.
ConnectionTarget readConnectionString(const QString &text);

// readConnectionString, then what a connection needs: an empty string, one
// without a data source or with a bad port raises AdoError::OpenFailed; a
// provider we do not support raises AdoError::ProviderNotFound naming the
// supported ones. Source "ADODB.Connection".
ConnectionTarget parseConnectionString(const QString &text);

// The connection string of `target` as the connection dialog writes it:
// the provider's name, then its fields in the table's order with their
// written keys (only those filled in), then the extras; a value is quoted
// when it needs it ("a;b" becomes "\"a;b\"").
QString buildConnectionString(const ConnectionTarget &target);

// `value` as a connection string writes it: as it is, or in double quotes
// (doubled inside) when it holds ";", starts with a quote or a brace, or
// has white space at either end.
QString quotedConnectionValue(const QString &value);
