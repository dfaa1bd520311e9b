#pragma once

#include "recordsetdata.h"

#include <QObject>
#include <QPointer>
#include <QVariant>

// The C library's EOF macro would turn the property name below into "(-1)"
// for moc; the compiler never sees the name outside a string.
#ifdef Q_MOC_RUN
#undef EOF
#endif

// ADODB.Recordset: the rows a query returned and a cursor over them. Made by
// Connection.Execute, or created empty and filled by Open(sql, connection).
// All rows are read at once, so RecordCount is always known and the cursor
// moves both ways.
class AdoRecordset : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("DefaultMember", "Fields")
    Q_PROPERTY(bool EOF READ isEof)
    Q_PROPERTY(bool BOF READ isBof)
    Q_PROPERTY(QObject *Fields READ fields)
    Q_PROPERTY(int RecordCount READ recordCount)
    Q_PROPERTY(int State READ state)
    Q_PROPERTY(int AbsolutePosition READ absolutePosition)

public:
    explicit AdoRecordset(QObject *parent = nullptr);
    explicit AdoRecordset(std::shared_ptr<RecordsetData> data, QObject *parent = nullptr);

    // Reading EOF, BOF, Fields, RecordCount or AbsolutePosition of a closed
    // Recordset raises 3704.
    bool isEof() const;
    bool isBof() const;
    // The Fields collection: the one handed out before while it lives (its
    // first caller owns it), else a new one.
    QObject *fields() const;
    int recordCount() const;
    // 1 open, 0 closed.
    int state() const;
    // 1-based number of the current row; -2 at BOF, -3 at EOF (ADO's values).
    int absolutePosition() const;

    // Runs `source` (SQL) on `activeConnection`: an open ADODB.Connection or a
    // connection string (a connection of its own, closed again once the rows
    // are read). The cursor type, lock type and options are accepted and
    // ignored. Raises 3705 when already open, 3001 without a connection, and
    // what the connection raises.
    Q_INVOKABLE void Open(const QVariant &source = {}, const QVariant &activeConnection = {},
                          const QVariant &cursorType = {}, const QVariant &lockType = {},
                          const QVariant &options = {});
    // Raises 3704 when already closed.
    Q_INVOKABLE void Close();
    // MoveNext at EOF and MovePrevious at BOF raise 3021.
    Q_INVOKABLE void MoveNext();
    Q_INVOKABLE void MovePrevious();
    Q_INVOKABLE void MoveFirst();
    Q_INVOKABLE void MoveLast();

private:
    const RecordsetData &openData() const;

    std::shared_ptr<RecordsetData> m_data;
    mutable QPointer<QObject> m_fields;
    mutable std::shared_ptr<RecordsetData> m_fieldsData; // the rows m_fields reads
};
