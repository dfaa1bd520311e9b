#pragma once

#include <QList>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <optional>

class QSqlQuery;

// The rows of a query and the cursor over them, shared by a Recordset and the
// Fields and Field objects handed out from it (a Field keeps reading the
// Recordset's current row, as it does in ADO, and stays valid when a script
// drops the Recordset first). All rows are read when the query runs, so a
// Recordset outlives its connection and knows its RecordCount.
//
// Rows are charged to the running script's memory budget as they arrive:
// the row that would pass what the run may still take raises error 7 "Out
// of memory" before it is kept, and the rows read so far are let go.
struct RecordsetData
{
    QStringList names;                // column names
    QList<int> typeIds;               // QMetaType ids the driver reported
    QList<QVariantList> rows;         // values as scripts see them (scriptValue), blobs as QByteArray
    qsizetype position = 0;           // current row; -1 before the first, rows.size() after the last
    bool open = false;

    // Bytes the kept rows take, as charged, and their amount when the
    // process's own size was last compared with the budget.
    qsizetype heldBytes = 0;
    qsizetype checkedBytes = 0;
    // Bytes the rows may take: what the run had left when the query began;
    // nothing when the run has no memory budget.
    std::optional<qsizetype> budget = memoryLeft();

    bool bof() const { return rows.isEmpty() || position < 0; }
    bool eof() const { return rows.isEmpty() || position >= rows.size(); }

    // Keeps a row after charging its size; raises 7 (and drops every row)
    // when it would pass the budget.
    void appendRow(QVariantList row);
    // Charges `bytes` more; raises 7 when the rows would pass the budget,
    // or when the process, measured after each few megabytes and for every
    // large row, has no room left for another such row and the copies a
    // driver makes of it on the way.
    void charge(qsizetype bytes);

    // Reads every row of an executed query (positioned before its first row).
    // A statement without a result set gives a closed recordset.
    static std::shared_ptr<RecordsetData> fromQuery(QSqlQuery &query);

    // A database value as kept in a row: NULL becomes a null std::nullptr_t
    // QVariant; integers stay int or qlonglong, reals double, text QString,
    // booleans bool; a date or time becomes a QDateTime (a time alone on
    // 1899-12-30); a blob stays a QByteArray (see fieldValue).
    static QVariant scriptValue(const QVariant &value, bool isNull);
    // A kept value as a script reads it: a blob becomes an array of byte
    // values, charged to the budget first (error 7 when it would not fit).
    static QVariant fieldValue(const QVariant &kept);

    // Bytes a kept value takes.
    static qsizetype valueBytes(const QVariant &value);
    // What the running script may still allocate, in bytes; nothing without
    // a budget.
    static std::optional<qsizetype> memoryLeft();
};
