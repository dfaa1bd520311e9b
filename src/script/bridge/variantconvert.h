#pragma once

#include "qobjectadapter.h"
#include "script/vbscript/variant.h"

#include <QDateTime>
#include <QString>
#include <QVariant>
#include <string>

class QObject;

// Values crossing between Qt and the VBScript engine.
//
// QVariant -> Variant: invalid is Empty, std::nullptr_t is Null, bool is
// Boolean, integers are Long (Double beyond 32 bits), floating point is
// Double, text is String, dates and times are Date, lists are a
// one-dimensional array, a QObject is an object (a null one is Nothing).
// Anything else raises 13 "Type mismatch". A QObject without a parent
// becomes the script's (deleted with its last reference) unless `ownership`
// says the caller keeps it, as it does for the arguments the host passes.
//
// Variant -> QVariant: Empty is invalid, Null is std::nullptr_t, Boolean is
// bool, Byte/Integer/Long are int, Single/Double/Currency are double, Date
// is a local QDateTime, String is QString, an array is a QVariantList (in
// storage order), an object wrapping a QObject is that QObject*, Nothing is
// a null QObject*; another object gives its default value, or its type name
// when it has none.
//
// A procedure's result or a written-back argument goes through toResult:
// there every object, inside arrays too, gives its default value, so the
// host never holds a pointer that the engine frees with the script. An
// object without one gives an ObjectName.
namespace bridge {

// A result that was an object with no plain default value: its type name
// ("Dictionary"). It converts to that name as text, so whoever shows results
// shows it as before; whoever must tell an object from text checks the type.
// Handed back to an engine it is that text.
struct ObjectName
{
    QString typeName;
};

inline QString toQString(std::u16string_view text)
{
    return QString(reinterpret_cast<const QChar *>(text.data()), static_cast<qsizetype>(text.size()));
}
inline std::u16string toU16(const QString &text)
{
    return text.toStdU16String();
}

// Date serials: days since 30 December 1899, the fraction is the time of day
// (for days before that date too: -1.25 is 29 December 1899, 06:00).
double dateTimeToSerial(const QDateTime &dateTime);
QDateTime serialToDateTime(double serial);

vbs::Variant toVariant(const QVariant &value,
                       QObjectAdapter::Ownership ownership = QObjectAdapter::Ownership::Script);
QVariant toQVariant(const vbs::Variant &value);
// A procedure's result for the host: as toQVariant, but every object other
// than Nothing, in an array as well, gives its default value (or its type
// name), never a pointer whose owner may go away.
QVariant toResult(const vbs::Variant &value);

// Converts an argument to the C++ type of a method parameter (QString,
// int, qlonglong, double, bool, QDateTime, QVariantList, QObject*, QVariant).
// Raises 13 when the value does not convert.
QVariant toParameter(const vbs::Variant &value, QMetaType type);

} // namespace bridge

Q_DECLARE_METATYPE(bridge::ObjectName)
