#pragma once

#include "recordsetdata.h"

#include <QObject>
#include <QVariant>
#include <QVariantList>

// ADODB.Fields: the columns of a Recordset, by ordinal (0-based) or by name
// (without regard to case). Rs("name"), Rs(0), Rs.Fields(0) and
// Rs.Fields.Item("name") all end here.
class AdoFields : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("DefaultMember", "Item")
    Q_CLASSINFO("Enumerator", "Items")
    Q_PROPERTY(int Count READ count)

public:
    explicit AdoFields(std::shared_ptr<RecordsetData> data, QObject *parent = nullptr);

    int count() const;

    // A new Field; a number is an ordinal, anything else a name. No such
    // field raises 3265; a closed Recordset raises 3704.
    Q_INVOKABLE QObject *Item(const QVariant &index) const;
    // Every Field, in column order (what For Each walks).
    Q_INVOKABLE QVariantList Items() const;

private:
    std::shared_ptr<RecordsetData> m_data;
};
