#include "recordsetdata.h"

#include <QDateTime>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>

QVariant RecordsetData::scriptValue(const QVariant &value, bool isNull)
{
    if (isNull || !value.isValid())
        return QVariant::fromValue(nullptr);
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Double:
    case QMetaType::QString:
    case QMetaType::QDateTime:
        return value;
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return value.toInt();
    case QMetaType::UInt:
    case QMetaType::Long:
        return value.toLongLong();
    case QMetaType::ULong:
    case QMetaType::ULongLong: {
        const qulonglong number = value.toULongLong();
        if (number <= qulonglong(std::numeric_limits<qlonglong>::max()))
            return qlonglong(number);
        return double(number);
    }
    case QMetaType::Float:
        return double(value.toFloat());
    case QMetaType::QDate:
        return QDateTime(value.toDate(), QTime(0, 0));
    case QMetaType::QTime:
        return QDateTime(QDate(1899, 12, 30), value.toTime());
    case QMetaType::QByteArray: {
        QVariantList bytes;
        const QByteArray data = value.toByteArray();
        bytes.reserve(data.size());
        for (const char byte : data)
            bytes.append(int(static_cast<unsigned char>(byte)));
        return bytes;
    }
    default:
        break;
    }
    return value.toString();
}

std::shared_ptr<RecordsetData> RecordsetData::fromQuery(QSqlQuery &query)
{
    auto data = std::make_shared<RecordsetData>();
    if (!query.isSelect())
        return data;
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i) {
        data->names << record.fieldName(i);
        data->typeIds << record.field(i).metaType().id();
    }
    while (query.next()) {
        QVariantList row;
        row.reserve(record.count());
        for (int i = 0; i < record.count(); ++i)
            row.append(scriptValue(query.value(i), query.isNull(i)));
        data->rows.append(std::move(row));
    }
    data->open = true;
    return data;
}
