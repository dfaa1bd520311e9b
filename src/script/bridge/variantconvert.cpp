#include "variantconvert.h"

#include "qobjectadapter.h"
#include "script/objects/runcontext.h"
#include "script/vbscript/array.h"
#include "script/vbscript/errors.h"

#include <QObject>
#include <QStringList>
#include <QTimeZone>
#include <cmath>
#include <limits>

namespace bridge {

namespace {

const QDate kSerialEpoch(1899, 12, 30);
constexpr double kMsPerDay = 86400000.0;

bool isQObjectPointer(QMetaType type)
{
    return type.flags().testFlag(QMetaType::PointerToQObject);
}

// Elements counted between two looks at the run's memory and `stopped`.
constexpr double kCheckEvery = 16384;
// What one element takes at least once converted: a Variant and a QVariant.
constexpr double kElementBytes = 48;

vbs::Variant toVariant(const QVariant &value, QObjectAdapter::Ownership ownership, ConversionLimits &limits);
QVariant toQVariant(const vbs::Variant &value, ConversionLimits &limits);
QVariant toResult(const vbs::Variant &value, ConversionLimits &limits);

} // namespace

ConversionLimits::ConversionLimits(std::function<bool()> stopped) : m_stopped(std::move(stopped)) {}

ConversionLimits::Level ConversionLimits::enter()
{
    if (m_depth >= kMaxNesting)
        vbs::raiseError(static_cast<long>(vbs::RuntimeError::OutOfStackSpace),
                        toU16(QStringLiteral("Out of stack space: the value nests deeper than %1 levels, or holds itself")
                                  .arg(kMaxNesting)));
    return Level(m_depth);
}

void ConversionLimits::add(double count)
{
    m_elements += count;
    m_sinceCheck += count;
    if (m_elements > static_cast<double>(kMaxElements))
        vbs::raiseError(static_cast<long>(vbs::RuntimeError::OutOfMemory),
                        toU16(QStringLiteral("Out of memory: the value has more than %1 elements").arg(kMaxElements)));
    if (m_sinceCheck < kCheckEvery)
        return;
    const double pending = m_sinceCheck;
    m_sinceCheck = 0;
    if (m_stopped && m_stopped())
        vbs::raiseError(vbs::kCancelledError, u"User interrupt occurred");
    // What the elements counted since the last look take must fit in what the run has left.
    const std::optional<std::size_t> left = RunContext::memoryLeft();
    if (left && pending * kElementBytes >= static_cast<double>(*left))
        vbs::raiseError(vbs::RuntimeError::OutOfMemory);
}

double dateTimeToSerial(const QDateTime &dateTime)
{
    const QDateTime local = dateTime.toLocalTime();
    const double days = static_cast<double>(kSerialEpoch.daysTo(local.date()));
    const double fraction = local.time().msecsSinceStartOfDay() / kMsPerDay;
    // Before the epoch the fraction still counts forward from midnight.
    return days >= 0 ? days + fraction : days - fraction;
}

QDateTime serialToDateTime(double serial)
{
    const double days = std::trunc(serial);
    const double fraction = std::fabs(serial - days);
    qint64 ms = std::llround(fraction * kMsPerDay);
    qint64 dayCount = static_cast<qint64>(days);
    if (ms >= static_cast<qint64>(kMsPerDay)) {
        ms -= static_cast<qint64>(kMsPerDay);
        dayCount += serial < 0 ? -1 : 1;
    }
    return QDateTime(kSerialEpoch.addDays(dayCount), QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms)));
}

vbs::Variant toVariant(const QVariant &value, QObjectAdapter::Ownership ownership)
{
    ConversionLimits limits;
    return toVariant(value, ownership, limits);
}

QVariant toQVariant(const vbs::Variant &value)
{
    ConversionLimits limits;
    return toQVariant(value, limits);
}

QVariant toResult(const vbs::Variant &value)
{
    ConversionLimits limits;
    return toResult(value, limits);
}

namespace {

vbs::Variant toVariant(const QVariant &value, QObjectAdapter::Ownership ownership, ConversionLimits &limits)
{
    if (!value.isValid())
        return vbs::Variant();
    const QMetaType type = value.metaType();
    if (isQObjectPointer(type))
        return vbs::Variant(QObjectAdapter::wrap(value.value<QObject *>(), ownership));
    if (value.isNull()) // std::nullptr_t, or a typed null such as a database NULL
        return vbs::Variant::null();
    if (type == QMetaType::fromType<ObjectName>())
        return vbs::Variant(toU16(value.value<ObjectName>().typeName));
    switch (type.id()) {
    case QMetaType::Bool:
        return vbs::Variant::fromBool(value.toBool());
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return vbs::Variant::fromLong(value.toInt());
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: {
        const qlonglong n = value.toLongLong();
        if (n >= std::numeric_limits<std::int32_t>::min() && n <= std::numeric_limits<std::int32_t>::max())
            return vbs::Variant::fromLong(static_cast<std::int32_t>(n));
        return vbs::Variant::fromDouble(value.toDouble());
    }
    case QMetaType::Float:
        return vbs::Variant::fromSingle(value.toFloat());
    case QMetaType::Double:
        return vbs::Variant::fromDouble(value.toDouble());
    case QMetaType::QString:
    case QMetaType::QChar:
    case QMetaType::QByteArray:
    case QMetaType::QUrl:
        return vbs::Variant(toU16(value.toString()));
    case QMetaType::QDateTime:
        return vbs::Variant::fromDate(dateTimeToSerial(value.toDateTime()));
    case QMetaType::QDate:
        return vbs::Variant::fromDate(static_cast<double>(kSerialEpoch.daysTo(value.toDate())));
    case QMetaType::QTime:
        return vbs::Variant::fromDate(value.toTime().msecsSinceStartOfDay() / kMsPerDay);
    case QMetaType::QVariantList:
    case QMetaType::QStringList: {
        const auto level = limits.enter();
        const QVariantList list = value.toList();
        limits.add(static_cast<double>(list.size()));
        std::vector<vbs::Variant> items;
        items.reserve(static_cast<std::size_t>(list.size()));
        for (const QVariant &item : list)
            items.push_back(toVariant(item, ownership, limits));
        return vbs::Variant(vbs::Array::fromValues(std::move(items)));
    }
    default:
        vbs::raiseError(vbs::RuntimeError::TypeMismatch);
    }
}

// The elements of an array, each converted by `element`, one level deeper
// and counted against the limits.
QVariantList toList(const vbs::Variant &value, ConversionLimits &limits,
                    QVariant (*element)(const vbs::Variant &, ConversionLimits &))
{
    const auto level = limits.enter();
    const vbs::Array *array = value.array();
    limits.add(static_cast<double>(array->size()));
    QVariantList list;
    list.reserve(static_cast<qsizetype>(array->size()));
    for (std::size_t i = 0; i < array->size(); ++i)
        list.append(element((*array)[i], limits));
    return list;
}

QVariant toQVariant(const vbs::Variant &value, ConversionLimits &limits)
{
    using T = vbs::Variant::Type;
    switch (value.type()) {
    case T::Empty:
        return QVariant();
    case T::Null:
        return QVariant::fromValue(nullptr);
    case T::Boolean:
        return QVariant(value.boolValue());
    case T::Byte:
    case T::Integer:
    case T::Long:
        return QVariant(static_cast<int>(value.integralValue()));
    case T::Single:
        return QVariant(static_cast<double>(value.singleValue()));
    case T::Double:
        return QVariant(value.doubleValue());
    case T::Currency:
        return QVariant(static_cast<double>(value.currencyValue()) / 10000.0);
    case T::Date:
        return QVariant(serialToDateTime(value.dateValue()));
    case T::String:
        return QVariant(toQString(value.string()));
    case T::Error:
        return value.isMissing() ? QVariant() : QVariant(static_cast<int>(value.errorValue()));
    case T::Array:
        return toList(value, limits, toQVariant);
    case T::Object:
        if (value.isNothing())
            return QVariant::fromValue<QObject *>(nullptr);
        if (QObject *object = QObjectAdapter::unwrap(value.object()))
            return QVariant::fromValue(object);
        return toResult(value, limits);
    }
    return QVariant();
}

QVariant toResult(const vbs::Variant &value, ConversionLimits &limits)
{
    if (value.isArray())
        return toList(value, limits, toResult);
    if (!value.isObject())
        return toQVariant(value, limits);
    if (value.isNothing())
        return QVariant::fromValue<QObject *>(nullptr);
    try {
        const vbs::Variant plain = value.valueOf();
        if (!plain.isObject())
            return toResult(plain, limits);
    } catch (const vbs::ScriptException &) {
        // The object has no plain default value (438), or reading it failed:
        // either way the documented answer is the type name. The error is not
        // logged: this runs for every object a procedure hands back, with no
        // job or caller to name in an error report.
    }
    static const bool convertsToText =
        QMetaType::registerConverter<ObjectName, QString>([](const ObjectName &object) { return object.typeName; });
    (void)convertsToText;
    return QVariant::fromValue(ObjectName{toQString(value.object()->typeName())});
}

} // namespace

QVariant toParameter(const vbs::Variant &value, QMetaType type)
{
    if (type.id() == QMetaType::QVariant)
        return value.isMissing() ? QVariant() : toQVariant(value);
    if (isQObjectPointer(type)) {
        if (!value.isObject())
            vbs::raiseError(vbs::RuntimeError::TypeMismatch);
        QObject *object = value.isNothing() ? nullptr : QObjectAdapter::unwrap(value.object());
        if (!value.isNothing() && !object)
            vbs::raiseError(vbs::RuntimeError::TypeMismatch);
        if (object && !object->metaObject()->inherits(type.metaObject()))
            vbs::raiseError(vbs::RuntimeError::TypeMismatch);
        QVariant holder(type);
        *static_cast<QObject **>(holder.data()) = object;
        return holder;
    }
    const vbs::Variant plain = value.isObject() ? value.valueOf() : value;
    switch (type.id()) {
    case QMetaType::QString:
        return QVariant(toQString(plain.toString()));
    case QMetaType::Int:
        return QVariant(static_cast<int>(plain.toLong()));
    case QMetaType::LongLong: {
        const double d = vbs::roundHalfEven(plain.toDouble());
        if (!(d >= -9.2e18 && d <= 9.2e18))
            vbs::raiseError(vbs::RuntimeError::Overflow);
        return QVariant(static_cast<qlonglong>(d));
    }
    case QMetaType::Double:
        return QVariant(plain.toDouble());
    case QMetaType::Float:
        return QVariant(plain.toSingle());
    case QMetaType::Bool:
        return QVariant(plain.toBool());
    case QMetaType::QDateTime:
        return QVariant(serialToDateTime(plain.toDate()));
    case QMetaType::QVariantList:
        if (!plain.isArray())
            vbs::raiseError(vbs::RuntimeError::TypeMismatch);
        return toQVariant(plain);
    default: {
        QVariant converted = toQVariant(plain);
        if (!converted.convert(type))
            vbs::raiseError(vbs::RuntimeError::TypeMismatch);
        return converted;
    }
    }
}

} // namespace bridge
