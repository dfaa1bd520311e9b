#pragma once

#include <QList>
#include <QStringList>
#include <QVariant>
#include <memory>

class QSqlQuery;

// The rows of a query and the cursor over them, shared by a Recordset and the
// Fields and Field objects handed out from it (a Field keeps reading the
// Recordset's current row, as it does in ADO, and stays valid when a script
// drops the Recordset first). All rows are read when the query runs, so a
// Recordset outlives its connection and knows its RecordCount.
struct RecordsetData
{
    QStringList names;                // column names
    QList<int> typeIds;               // QMetaType ids the driver reported
    QList<QVariantList> rows;         // values as scripts see them (scriptValue)
    qsizetype position = 0;           // current row; -1 before the first, rows.size() after the last
    bool open = false;

    bool bof() const { return rows.isEmpty() || position < 0; }
    bool eof() const { return rows.isEmpty() || position >= rows.size(); }

    // Reads every row of an executed query (positioned before its first row).
    // A statement without a result set gives a closed recordset.
    static std::shared_ptr<RecordsetData> fromQuery(QSqlQuery &query);

    // A database value as scripts see it: NULL becomes a null std::nullptr_t
    // QVariant; integers stay int or qlonglong, reals double, text QString,
    // booleans bool; a date or time becomes a QDateTime (a time alone on
    // 1899-12-30); a blob becomes an array of byte values.
    static QVariant scriptValue(const QVariant &value, bool isNull);
};
