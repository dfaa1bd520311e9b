#include "recordsetdata.h"

#include "runcontext.h"

#include "errorcore/error.h"

#include <QDateTime>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

// What one kept value costs beyond its payload, and what one row costs
// beyond its values: the QVariant and list bookkeeping.
constexpr qsizetype ValueOverhead = sizeof(QVariant) + 16;
constexpr qsizetype RowOverhead = 64;
// What one byte of a blob costs once a script reads it as an array: a
// QVariant in the list, then the script engine's own value.
constexpr qsizetype BlobByteCost = 2 * sizeof(QVariant);
// The process's size is compared with the budget after each CheckEvery
// bytes of rows and for each row of LargeRow bytes or more; a row's way
// from the driver takes up to RowCopies times its size.
constexpr qsizetype CheckEvery = qsizetype(4) << 20;
constexpr qsizetype LargeRow = qsizetype(1) << 20;
constexpr qsizetype RowCopies = 3;

[[noreturn]] void outOfMemory(qsizetype wanted, qsizetype budget)
{
    throw Error(7, QStringLiteral("Out of memory: the rows would pass the script's memory budget "
                                  "(%1 MB read, %2 MB left)")
                       .arg((wanted + (1 << 20) - 1) >> 20)
                       .arg(budget >> 20),
                QStringLiteral("ADODB.Recordset"));
}

} // namespace

std::optional<qsizetype> RecordsetData::memoryLeft()
{
    const std::optional<std::size_t> left = RunContext::memoryLeft();
    if (!left)
        return std::nullopt;
    return qsizetype(qMin<std::size_t>(*left, std::size_t(std::numeric_limits<qsizetype>::max())));
}

qsizetype RecordsetData::valueBytes(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::QString:
        return ValueOverhead + value.toString().size() * qsizetype(sizeof(QChar));
    case QMetaType::QByteArray:
        return ValueOverhead + value.toByteArray().size();
    default:
        return ValueOverhead;
    }
}

void RecordsetData::charge(qsizetype bytes)
{
    heldBytes += bytes;
    std::optional<qsizetype> room;
    if (budget && heldBytes > *budget)
        room = *budget;
    else if (budget && (bytes >= LargeRow || heldBytes - checkedBytes >= CheckEvery)) {
        checkedBytes = heldBytes;
        if (const std::optional<qsizetype> left = memoryLeft(); left && *left < RowCopies * bytes)
            room = *left;
    }
    if (room) {
        const qsizetype wanted = heldBytes;
        rows.clear();
        rows.squeeze();
        heldBytes = checkedBytes = 0;
        outOfMemory(wanted, *room);
    }
}

void RecordsetData::appendRow(QVariantList row)
{
    qsizetype bytes = RowOverhead;
    for (const QVariant &value : std::as_const(row))
        bytes += valueBytes(value);
    charge(bytes);
    rows.append(std::move(row));
}

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
    case QMetaType::QByteArray:
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
    default:
        break;
    }
    return value.toString();
}

QVariant RecordsetData::fieldValue(const QVariant &kept)
{
    if (kept.typeId() != QMetaType::QByteArray)
        return kept;
    const QByteArray data = kept.toByteArray();
    if (const std::optional<qsizetype> left = memoryLeft(); left && data.size() * BlobByteCost > *left)
        outOfMemory(data.size() * BlobByteCost, *left);
    QVariantList bytes;
    bytes.reserve(data.size());
    for (const char byte : data)
        bytes.append(int(static_cast<unsigned char>(byte)));
    return bytes;
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
        data->appendRow(std::move(row));
    }
    data->open = true;
    return data;
}
