#pragma once

#include <QString>

// Error numbers the database objects raise, as scripts written for ADO test
// them (Err.Number). Provider failures carry the driver's own text in the
// description, with any password removed.
namespace AdoError {

// Opening failed: unreachable server, wrong password, missing SQLite file,
// a driver that is not installed, an empty connection string.
constexpr long OpenFailed = -2147467259;        // 0x80004005
// The database refused a statement (syntax, missing table, constraint).
constexpr long CommandFailed = -2147217900;     // 0x80040E14
// A statement ran past CommandTimeout.
constexpr long CommandTimeout = -2147217871;    // 0x80040E31
// Arguments of the wrong type or out of range (a negative time-out).
constexpr long BadArguments = 3001;
// No current record: a field read or a MoveNext at EOF or BOF.
constexpr long NoCurrentRecord = 3021;
// No field of that name or ordinal.
constexpr long ItemNotFound = 3265;
// The object is closed (a closed Recordset read, Close twice).
constexpr long ObjectClosed = 3704;
// The object is open (Open twice, a new connection string while open).
constexpr long ObjectOpen = 3705;
// The connection string names a provider we do not support.
constexpr long ProviderNotFound = 3706;
// Execute on a connection that is not open.
constexpr long ConnectionClosed = 3709;

inline const QString connectionSource() { return QStringLiteral("ADODB.Connection"); }
inline const QString recordsetSource() { return QStringLiteral("ADODB.Recordset"); }
inline const QString fieldsSource() { return QStringLiteral("ADODB.Fields"); }
inline const QString fieldSource() { return QStringLiteral("ADODB.Field"); }

} // namespace AdoError
