#include "adofields.h"

#include "adoerrors.h"
#include "adofield.h"
#include "errorcore/error.h"
#include "numbervariant.h"

#include <QSet>

#include <cmath>

namespace {

void requireOpen(const RecordsetData &data)
{
    if (!data.open)
        throw Error(AdoError::ObjectClosed, QStringLiteral("Operation is not allowed when the object is closed."),
                    AdoError::fieldsSource());
}

// An index by position: a number, a Boolean or a character; anything else
// names a field.
bool isNumber(const QVariant &value)
{
    static const QSet<int> alsoNumbers = {QMetaType::Bool, QMetaType::Char, QMetaType::SChar, QMetaType::UChar};
    return isNumberVariant(value) || alsoNumbers.contains(value.typeId());
}

} // namespace

AdoFields::AdoFields(std::shared_ptr<RecordsetData> data, QObject *parent)
    : QObject(parent)
    , m_data(std::move(data))
{
}

int AdoFields::count() const
{
    requireOpen(*m_data);
    return int(m_data->names.size());
}

QObject *AdoFields::Item(const QVariant &index) const
{
    requireOpen(*m_data);
    int column = -1;
    if (isNumber(index)) {
        const double number = std::round(index.toDouble());
        if (number >= 0 && number < double(m_data->names.size()))
            column = int(number);
    } else {
        const QString name = index.toString();
        for (int i = 0; i < m_data->names.size(); ++i) {
            if (!m_data->names.at(i).compare(name, Qt::CaseInsensitive)) {
                column = i;
                break;
            }
        }
    }
    if (column < 0)
        throw Error(AdoError::ItemNotFound,
                    QStringLiteral("Item cannot be found in the collection corresponding to the requested "
                                   "name or ordinal: %1")
                        .arg(index.toString()),
                    AdoError::fieldsSource());
    return field(column);
}

QObject *AdoFields::field(int column) const
{
    if (m_made.size() < std::size_t(m_data->names.size()))
        m_made.resize(std::size_t(m_data->names.size()));
    QPointer<QObject> &made = m_made[std::size_t(column)];
    if (!made)
        made = new AdoField(m_data, column);
    return made.data();
}

QVariantList AdoFields::Items() const
{
    requireOpen(*m_data);
    QVariantList fields;
    for (int i = 0; i < m_data->names.size(); ++i)
        fields.append(QVariant::fromValue<QObject *>(new AdoField(m_data, i)));
    return fields;
}
