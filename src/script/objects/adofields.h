#pragma once

#include "recordsetdata.h"

#include <QObject>
#include <QPointer>
#include <QVariant>
#include <QVariantList>

#include <vector>

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

    // The Field: the one handed out before while it lives (its first
    // caller owns it), else a new one. A number is an ordinal, anything else
    // a name. No such field raises 3265; a closed Recordset raises 3704.
    Q_INVOKABLE QObject *Item(const QVariant &index) const;
    // Every Field, in column order (what For Each walks), each new (the caller owns them).
    Q_INVOKABLE QVariantList Items() const;

private:
    QObject *field(int column) const;

    std::shared_ptr<RecordsetData> m_data;
    mutable std::vector<QPointer<QObject>> m_made; // by column
};
