#include "numbervariant.h"

#include <QSet>
#include <QVariant>

bool isNumberVariant(const QVariant &value)
{
    static const QSet<int> numberTypes = {QMetaType::Int,   QMetaType::UInt,  QMetaType::LongLong, QMetaType::ULongLong,
                                          QMetaType::Long,  QMetaType::ULong, QMetaType::Short,    QMetaType::UShort,
                                          QMetaType::Double, QMetaType::Float};
    return numberTypes.contains(value.typeId());
}
