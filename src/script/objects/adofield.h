#pragma once

#include "recordsetdata.h"

#include <QObject>
#include <QVariant>

// ADODB.Field: one column of a Recordset, read at the Recordset's current row.
class AdoField : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("DefaultMember", "Value")
    Q_PROPERTY(QVariant Value READ value)
    Q_PROPERTY(QString Name READ name)
    Q_PROPERTY(int Type READ type)

public:
    AdoField(std::shared_ptr<RecordsetData> data, int index, QObject *parent = nullptr);

    // The value at the current row; raises 3704 when the Recordset is closed
    // and 3021 at BOF or EOF.
    QVariant value() const;
    QString name() const;
    // The ADO data type number (3 integer, 20 big integer, 5 double, 11
    // boolean, 7 date, 135 timestamp, 202 text, 205 binary, 12 other).
    int type() const;

private:
    std::shared_ptr<RecordsetData> m_data;
    int m_index;
};
