#pragma once

#include "qobjectadapter.h"
#include "script/vbscript/variant.h"

#include <QDateTime>
#include <QString>
#include <QVariant>
#include <cstddef>
#include <functional>
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
//
// Every conversion is bounded (ConversionLimits): a value nested deeper than
// kMaxNesting levels, or one that holds itself, fails with 28 "Out of stack
// space"; one of more than kMaxElements elements in all, or one that would
// take more memory than the script's run has left, with 7 "Out of memory".
namespace bridge {

inline constexpr int kMaxNesting = 256;
inline constexpr std::size_t kMaxElements = std::size_t(1) << 24;

// A result that was an object with no plain default value: its type name
// ("Dictionary"). It converts to that name as text, so whoever shows results
// shows it as before; whoever must tell an object from text checks the type.
// Handed back to an engine it is that text.
struct ObjectName
{
    QString typeName;
};

// The bounds of one conversion, over all its levels; what passes them is
// raised as a runtime error (vbs::ScriptException).
class ConversionLimits
{
public:
    // `stopped` is asked now and then while the elements are counted: when
    // it says so, the conversion ends with 18 (the script was stopped).
    explicit ConversionLimits(std::function<bool()> stopped = {});

    // One level further down until the returned object goes: 28 past kMaxNesting.
    class Level
    {
    public:
        explicit Level(int &depth) : m_depth(depth) { ++m_depth; }
        ~Level() { --m_depth; }
        Level(const Level &) = delete;
        Level &operator=(const Level &) = delete;

    private:
        int &m_depth;
    };
    [[nodiscard]] Level enter();
    // `count` more elements (an array's length, before it is read): 7 past
    // kMaxElements or past the memory the run has left.
    void add(double count);

private:
    std::function<bool()> m_stopped;
    int m_depth = 0;
    double m_elements = 0;
    double m_sinceCheck = 0;
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
