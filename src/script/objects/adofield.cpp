#include "adofield.h"

#include "adoerrors.h"
#include "errorcore/error.h"

AdoField::AdoField(std::shared_ptr<RecordsetData> data, int index, QObject *parent)
    : QObject(parent)
    , m_data(std::move(data))
    , m_index(index)
{
}

QVariant AdoField::value() const
{
    if (!m_data->open)
        throw Error(AdoError::ObjectClosed, QStringLiteral("Operation is not allowed when the object is closed."),
                    AdoError::fieldSource());
    if (m_data->bof() || m_data->eof())
        throw Error(AdoError::NoCurrentRecord,
                    QStringLiteral("Either BOF or EOF is True, or the current record has been deleted. "
                                   "Requested operation requires a current record."),
                    AdoError::fieldSource());
    return RecordsetData::fieldValue(m_data->rows.at(m_data->position).value(m_index));
}

QString AdoField::name() const
{
    return m_data->names.value(m_index);
}

int AdoField::type() const
{
    switch (m_data->typeIds.value(m_index)) {
    case QMetaType::Bool:
        return 11;
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
        return 3;
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return 20;
    case QMetaType::Float:
    case QMetaType::Double:
        return 5;
    case QMetaType::QDate:
        return 7;
    case QMetaType::QTime:
    case QMetaType::QDateTime:
        return 135;
    case QMetaType::QString:
        return 202;
    case QMetaType::QByteArray:
        return 205;
    default:
        break;
    }
    return 12;
}
