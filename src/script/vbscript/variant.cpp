#include "variant.h"

#include "array.h"
#include "errors.h"
#include "locale.h"
#include "object.h"
#include "runguard.h"
#include "text.h"
#include "textbuilder.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace vbs {

__extension__ typedef __int128 Int128;

// --- value lifetime --------------------------------------------------------

void Variant::addRefPayload() const noexcept
{
    switch (m_type) {
    case Type::String: m.str->addRef(); break;
    case Type::Object: if (m.obj) m.obj->addRef(); break;
    case Type::Array: m.arr->addRef(); break;
    default: break;
    }
}

Variant &Variant::assignCounted(const Variant &o) noexcept
{
    // Copy first, release the old value last: releasing may run a
    // Class_Terminate that reads this very variable.
    Variant copy(o);
    swap(copy);
    return *this;
}

void Variant::releasePayload(Type type, Payload payload) noexcept
{
    switch (type) {
    case Type::String: payload.str->release(); break;
    case Type::Object: if (payload.obj) payload.obj->release(); break;
    case Type::Array: payload.arr->release(); break;
    default: break;
    }
}

void Variant::swap(Variant &o) noexcept
{
    std::swap(m_type, o.m_type);
    std::swap(m, o.m);
}

Variant::Variant(std::u16string &&text) : Variant(makeRef<StringData>(std::move(text))) {}

// --- string storage ------------------------------------------------------------

StringData::StringData(std::u16string t) : text(std::move(t))
{
    const std::size_t bytes = cost(text.capacity());
    m_account = chargeRun(bytes);
    if (m_account)
        m_charged = static_cast<std::uint32_t>(bytes);
}

StringData::StringData(std::u16string t, Reservation charged) : text(std::move(t))
{
    charged.resize(cost(text.capacity()));
    adopt(std::move(charged));
}

StringData::~StringData()
{
    refundTo(m_account, charged());
}

void StringData::adopt(Reservation charged) noexcept
{
    m_charged = static_cast<std::uint32_t>(charged.bytes());
    m_account = charged.release();
}

Ref<StringData> StringData::make(std::u16string_view t)
{
    Reservation charged(cost(t.size()));
    return makeRef<StringData>(std::u16string(t), std::move(charged));
}

void StringData::append(std::u16string_view more, bool moreOdd)
{
    if (oddByte()) {
        // The first byte of `more` fills the high half of the last unit;
        // the others pair up after it.
        const std::size_t bytes = more.size() * 2 - (moreOdd && !more.empty() ? 1 : 0);
        if (bytes == 0)
            return;
        auto byteAt = [more](std::size_t i) {
            return static_cast<char16_t>((i & 1) ? more[i / 2] >> 8 : more[i / 2] & 0xFF);
        };
        reserveUnits(text.size() + bytes / 2);
        text.back() = static_cast<char16_t>((text.back() & 0xFF) | byteAt(0) << 8);
        for (std::size_t i = 1; i < bytes; i += 2)
            text.push_back(static_cast<char16_t>(byteAt(i) | (i + 1 < bytes ? byteAt(i + 1) << 8 : 0)));
        if (bytes % 2)
            m_charged &= ~kOddByte;
        return;
    }
    const std::size_t size = text.size() + more.size();
    if (size <= text.capacity() && more.size() < 1024) {
        checkStringLength(size);
        text.append(more);
    } else {
        reserveUnits(size);
        appendChunked(text, more);
    }
    if (moreOdd && !more.empty())
        setOddByte();
}

void StringData::reserveUnits(std::size_t size)
{
    checkStringLength(size);
    if (size <= text.capacity())
        return;
    // Room for doubling, or for what is needed when doubling would pass
    // the budget; both buffers are charged while the text moves over.
    const std::size_t doubled = std::min(std::max(size, 2 * text.capacity()), std::max(size, maxStringLength()));
    Reservation charged;
    std::size_t capacity = doubled;
    try {
        charged.grow(cost(capacity));
    } catch (const ScriptException &) {
        capacity = size;
        charged.grow(cost(capacity));
    }
    std::u16string grown;
    grown.reserve(capacity);
    charged.resize(cost(grown.capacity()));
    appendChunked(grown, text);
    text.swap(grown);
    grown = std::u16string();
    const bool odd = oddByte();
    refundTo(m_account, this->charged());
    adopt(std::move(charged));
    if (odd)
        setOddByte();
}

Variant::Variant(Ref<StringData> text) noexcept
{
    m_type = Type::String;
    m.str = text.get();
    m.str->addRef();
}

Variant::Variant(Ref<Object> object) noexcept
{
    m_type = Type::Object;
    m.obj = object.get();
    if (m.obj)
        m.obj->addRef();
}

Variant::Variant(Ref<Array> array) noexcept
{
    if (!array) {
        m.i64 = 0;
        return;
    }
    m_type = Type::Array;
    m.arr = array.get();
    m.arr->addRef();
}

Variant Variant::nothing() noexcept
{
    Variant v;
    v.m_type = Type::Object;
    v.m.obj = nullptr;
    return v;
}

Ref<Object> Variant::objectRef() const noexcept { return m_type == Type::Object ? Ref<Object>(m.obj) : Ref<Object>(); }
Ref<Array> Variant::arrayRef() const noexcept { return m_type == Type::Array ? Ref<Array>(m.arr) : Ref<Array>(); }

std::int32_t Variant::integralValue() const noexcept
{
    switch (m_type) {
    case Type::Boolean: return m.b ? -1 : 0;
    case Type::Byte: return m.u8;
    case Type::Integer: return m.i16;
    case Type::Long: return m.i32;
    default: return 0;
    }
}

// --- numbers and text --------------------------------------------------------

double roundHalfEven(double value) noexcept
{
    const double r = std::nearbyint(value); // default rounding mode: to nearest even
    return r;
}

namespace {

bool startsWithNoCase(std::u16string_view s, std::u16string_view prefix)
{
    return s.size() >= prefix.size() && equalsNoCase(s.substr(0, prefix.size()), prefix);
}

std::u16string_view trimSpaces(std::u16string_view s)
{
    while (!s.empty() && (s.front() == u' ' || s.front() == u'\t' || s.front() == 0x3000))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == u' ' || s.back() == u'\t' || s.back() == 0x3000))
        s.remove_suffix(1);
    return s;
}

bool parseRadix(std::u16string_view s, int radix, double &out)
{
    if (s.empty())
        return false;
    std::uint64_t v = 0;
    std::size_t digits = 0;
    for (char16_t c : s) {
        int d;
        if (c >= u'0' && c <= u'9')
            d = c - u'0';
        else if (c >= u'a' && c <= u'f')
            d = c - u'a' + 10;
        else if (c >= u'A' && c <= u'F')
            d = c - u'A' + 10;
        else
            return false;
        if (d >= radix)
            return false;
        v = v * static_cast<unsigned>(radix) + static_cast<unsigned>(d);
        if (v > 0xFFFFFFFFull)
            return false;
        ++digits;
    }
    // Up to 16 bits wrap as an Integer, up to 32 bits as a Long.
    if (v <= 0xFFFF && ((radix == 16 && digits <= 4) || (radix == 8 && v <= 0xFFFF && digits <= 6)))
        out = static_cast<std::int16_t>(static_cast<std::uint16_t>(v));
    else
        out = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
    return true;
}

enum class NumberText { Invalid, Radix, Decimal };

// What a numeric text says: a radix literal's value in `radix`, or a decimal
// number as ASCII digits with '.' and an 'e' exponent in `ascii`, and its sign.
NumberText readNumber(std::u16string_view text, std::string &ascii, bool &minus, double &radix)
{
    const Locale &loc = currentLocale();
    std::u16string_view s = trimSpaces(text);
    if (s.empty())
        return NumberText::Invalid;
    if (startsWithNoCase(s, u"&H"))
        return parseRadix(s.substr(2), 16, radix) ? NumberText::Radix : NumberText::Invalid;
    if (startsWithNoCase(s, u"&O"))
        return parseRadix(s.substr(2), 8, radix) ? NumberText::Radix : NumberText::Invalid;
    if (s.front() == u'&')
        return parseRadix(s.substr(1), 8, radix) ? NumberText::Radix : NumberText::Invalid;

    bool negative = false;
    bool parens = false;
    auto skipCurrency = [&] {
        if (!loc.currencySymbol.empty() && s.substr(0, loc.currencySymbol.size()) == loc.currencySymbol) {
            s.remove_prefix(loc.currencySymbol.size());
            s = trimSpaces(s);
        }
    };
    if (s.front() == u'(' && s.back() == u')') {
        parens = true;
        s = trimSpaces(s.substr(1, s.size() - 2));
    }
    skipCurrency();
    if (!s.empty() && (s.front() == u'-' || s.front() == u'+')) {
        negative = s.front() == u'-';
        s = trimSpaces(s.substr(1));
    }
    skipCurrency();
    if (!s.empty() && (s.back() == u'-' || s.back() == u'+') && !negative) {
        negative = s.back() == u'-';
        s = trimSpaces(s.substr(0, s.size() - 1));
    }
    if (!loc.currencySymbol.empty() && s.size() > loc.currencySymbol.size() &&
        s.substr(s.size() - loc.currencySymbol.size()) == loc.currencySymbol)
        s = trimSpaces(s.substr(0, s.size() - loc.currencySymbol.size()));

    ascii.reserve(s.size() + 2);
    bool digits = false, seenDecimal = false, seenExp = false;
    std::size_t i = 0;
    while (i < s.size()) {
        const char16_t c = s[i];
        if (c >= u'0' && c <= u'9') {
            ascii.push_back(static_cast<char>(c));
            digits = true;
            ++i;
        } else if (!seenDecimal && !seenExp && s.substr(i, loc.decimalSeparator.size()) == loc.decimalSeparator) {
            ascii.push_back('.');
            seenDecimal = true;
            i += loc.decimalSeparator.size();
        } else if (!seenDecimal && !seenExp && digits && !loc.groupSeparator.empty() &&
                   s.substr(i, loc.groupSeparator.size()) == loc.groupSeparator) {
            i += loc.groupSeparator.size();
        } else if (!seenExp && digits && (c == u'e' || c == u'E' || c == u'd' || c == u'D')) {
            seenExp = true;
            ascii.push_back('e');
            ++i;
            if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) {
                ascii.push_back(static_cast<char>(s[i]));
                ++i;
            }
            if (i >= s.size() || s[i] < u'0' || s[i] > u'9')
                return NumberText::Invalid;
        } else {
            return NumberText::Invalid;
        }
    }
    if (!digits || (negative && parens))
        return NumberText::Invalid;
    minus = negative != parens;
    return NumberText::Decimal;
}

// The decimal text of readNumber times 10,000, rounded half to even, exactly:
// the last of Currency's four decimals and the ends of its range never pass
// through a Double. 6 beyond the range.
std::int64_t scaledDecimal(const std::string &ascii, bool minus)
{
    std::string digits; // without leading zeros
    long exponent = 4;  // digits * 10^exponent is the scaled value
    std::size_t i = 0;
    bool fraction = false;
    for (; i < ascii.size() && ascii[i] != 'e'; ++i) {
        if (ascii[i] == '.') {
            fraction = true;
            continue;
        }
        exponent -= fraction ? 1 : 0;
        if (!digits.empty() || ascii[i] != '0')
            digits.push_back(ascii[i]);
    }
    if (i < ascii.size())
        exponent += std::clamp(std::strtol(ascii.c_str() + i + 1, nullptr, 10), -100000L, 100000L);
    const Int128 most = (Int128(1) << 63) - (minus ? 0 : 1);
    const long whole = static_cast<long>(digits.size()) + std::min(exponent, 0L); // digits left of the point
    Int128 value = 0;
    for (long k = 0; k < whole; ++k) {
        value = value * 10 + (digits[static_cast<std::size_t>(k)] - '0');
        if (value > most)
            raiseError(RuntimeError::Overflow);
    }
    for (long k = 0; k < exponent && value != 0; ++k) {
        value *= 10;
        if (value > most)
            raiseError(RuntimeError::Overflow);
    }
    if (whole >= 0 && static_cast<std::size_t>(whole) < digits.size()) {
        const char first = digits[static_cast<std::size_t>(whole)];
        const bool rest = digits.find_first_not_of('0', static_cast<std::size_t>(whole) + 1) != std::string::npos;
        if (first > '5' || (first == '5' && (rest || (value & 1))))
            ++value;
        if (value > most)
            raiseError(RuntimeError::Overflow);
    }
    return static_cast<std::int64_t>(minus ? -value : value);
}

} // namespace

bool parseNumber(std::u16string_view text, double &out)
{
    std::string ascii;
    bool minus = false;
    switch (readNumber(text, ascii, minus, out)) {
    case NumberText::Invalid: return false;
    case NumberText::Radix: return true;
    case NumberText::Decimal: break;
    }
    const double v = std::strtod(ascii.c_str(), nullptr);
    if (!std::isfinite(v))
        return false;
    out = minus ? -v : v;
    return true;
}

bool parseCurrency(std::u16string_view text, std::int64_t &out)
{
    std::string ascii;
    bool minus = false;
    double radix = 0;
    switch (readNumber(text, ascii, minus, radix)) {
    case NumberText::Invalid: return false;
    case NumberText::Radix: out = static_cast<std::int64_t>(radix) * 10000; return true;
    case NumberText::Decimal: break;
    }
    // What a Double cannot hold is not a number, as for CDbl.
    if (!std::isfinite(std::strtod(ascii.c_str(), nullptr)))
        return false;
    out = scaledDecimal(ascii, minus);
    return true;
}

std::u16string formatDouble(double value, int significantDigits)
{
    if (value == 0)
        return u"0";
    if (!std::isfinite(value))
        return std::isnan(value) ? u"NaN" : (value > 0 ? u"Infinity" : u"-Infinity");
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*G", significantDigits, value);
    std::u16string out;
    const std::u16string &dec = currentLocale().decimalSeparator;
    for (const char *p = buf; *p; ++p) {
        if (*p == '.')
            out += dec;
        else
            out.push_back(static_cast<char16_t>(*p));
    }
    return out;
}

std::u16string formatCurrency(std::int64_t scaled)
{
    const bool negative = scaled < 0;
    const std::uint64_t mag = negative ? 0 - static_cast<std::uint64_t>(scaled) : static_cast<std::uint64_t>(scaled);
    std::u16string out = fromAscii(std::to_string(mag / 10000));
    std::uint64_t frac = mag % 10000;
    if (frac) {
        std::string f = std::to_string(frac + 10000).substr(1);
        while (!f.empty() && f.back() == '0')
            f.pop_back();
        out += currentLocale().decimalSeparator + fromAscii(f);
    }
    return negative ? u"-" + out : out;
}

// --- conversions ---------------------------------------------------------------

Variant Variant::valueOf() const
{
    if (m_type != Type::Object)
        return *this;
    if (!m.obj)
        raiseError(RuntimeError::ObjectVariableNotSet);
    Variant v = m.obj->get(u"", {});
    for (int depth = 0; v.m_type == Type::Object && depth < 8; ++depth) {
        if (!v.m.obj)
            raiseError(RuntimeError::ObjectVariableNotSet);
        v = v.m.obj->get(u"", {});
    }
    if (v.m_type == Type::Object)
        raiseError(RuntimeError::MemberNotSupported);
    return v;
}

double Variant::toDouble() const
{
    switch (m_type) {
    case Type::Empty: return 0;
    case Type::Null: raiseError(RuntimeError::InvalidUseOfNull);
    case Type::Boolean: return m.b ? -1 : 0;
    case Type::Byte: return m.u8;
    case Type::Integer: return m.i16;
    case Type::Long: return m.i32;
    case Type::Single: return m.f32;
    case Type::Double:
    case Type::Date: return m.f64;
    case Type::Currency: return static_cast<double>(m.i64) / 10000.0;
    case Type::String: {
        double d;
        if (parseNumber(m.str->text, d))
            return d;
        raiseError(RuntimeError::TypeMismatch);
    }
    case Type::Object: return valueOf().toDouble();
    case Type::Error:
    case Type::Array: break;
    }
    raiseError(RuntimeError::TypeMismatch);
}

namespace {
double integralSource(const Variant &v)
{
    // Exact paths for the integral subtypes; everything else rounds.
    if (v.isIntegral() || v.type() == Variant::Type::Boolean)
        return v.integralValue();
    if (v.type() == Variant::Type::Currency) {
        const std::int64_t c = v.currencyValue();
        std::int64_t q = c / 10000, r = c % 10000;
        if (r < 0) {
            r += 10000;
            --q;
        }
        if (r > 5000 || (r == 5000 && (q & 1)))
            ++q;
        return static_cast<double>(q);
    }
    return roundHalfEven(v.toDouble());
}
} // namespace

std::int32_t Variant::toLong() const
{
    if (m_type == Type::Long)
        return m.i32;
    const double d = integralSource(*this);
    if (!(d >= -2147483648.0 && d <= 2147483647.0))
        raiseError(RuntimeError::Overflow);
    return static_cast<std::int32_t>(d);
}

std::int16_t Variant::toInteger() const
{
    if (m_type == Type::Integer)
        return m.i16;
    const double d = integralSource(*this);
    if (!(d >= -32768.0 && d <= 32767.0))
        raiseError(RuntimeError::Overflow);
    return static_cast<std::int16_t>(d);
}

std::uint8_t Variant::toByte() const
{
    // True is all bits set: as a byte that is 255, not an overflow.
    if (m_type == Type::Boolean)
        return m.b ? 255 : 0;
    const double d = integralSource(*this);
    if (!(d >= 0 && d <= 255))
        raiseError(RuntimeError::Overflow);
    return static_cast<std::uint8_t>(d);
}

float Variant::toSingle() const
{
    const double d = toDouble();
    if (std::fabs(d) > std::numeric_limits<float>::max())
        raiseError(RuntimeError::Overflow);
    return static_cast<float>(d);
}

std::int64_t Variant::toCurrency() const
{
    if (m_type == Type::Currency)
        return m.i64;
    if (isIntegral() || m_type == Type::Boolean)
        return static_cast<std::int64_t>(integralValue()) * 10000;
    if (m_type == Type::String) {
        std::int64_t scaled = 0;
        if (!parseCurrency(m.str->text, scaled))
            raiseError(RuntimeError::TypeMismatch);
        return scaled;
    }
    // -2^63 is the one end a Double holds exactly.
    const double d = roundHalfEven(toDouble() * 10000.0);
    if (!(d >= -9223372036854775808.0 && d < 9223372036854775808.0))
        raiseError(RuntimeError::Overflow);
    return static_cast<std::int64_t>(d);
}

double Variant::toDate() const
{
    if (m_type == Type::Date)
        return m.f64;
    if (m_type == Type::String) {
        double d;
        if (parseDate(m.str->text, d) || parseNumber(m.str->text, d)) {
            if (d < -657434.0 || d >= 2958466.0)
                raiseError(RuntimeError::Overflow);
            return d;
        }
        raiseError(RuntimeError::TypeMismatch);
    }
    const double d = toDouble();
    if (d < -657434.0 || d >= 2958466.0)
        raiseError(RuntimeError::Overflow);
    return d;
}

bool Variant::toBool() const
{
    switch (m_type) {
    case Type::Empty: return false;
    case Type::Null: raiseError(RuntimeError::InvalidUseOfNull);
    case Type::Boolean: return m.b;
    case Type::String: {
        std::u16string_view s = trimSpaces(m.str->text);
        if (equalsNoCase(s, u"True") || equalsNoCase(s, u"#TRUE#"))
            return true;
        if (equalsNoCase(s, u"False") || equalsNoCase(s, u"#FALSE#"))
            return false;
        double d;
        if (parseNumber(s, d))
            return d != 0;
        raiseError(RuntimeError::TypeMismatch);
    }
    case Type::Object: return valueOf().toBool();
    case Type::Error:
    case Type::Array: raiseError(RuntimeError::TypeMismatch);
    case Type::Currency: return m.i64 != 0;
    default: return toDouble() != 0;
    }
}

std::u16string Variant::toString() const
{
    switch (m_type) {
    case Type::Empty: return {};
    case Type::Null: raiseError(RuntimeError::InvalidUseOfNull);
    case Type::Boolean: return m.b ? u"True" : u"False";
    case Type::Byte: return fromAscii(std::to_string(m.u8));
    case Type::Integer: return fromAscii(std::to_string(m.i16));
    case Type::Long: return fromAscii(std::to_string(m.i32));
    case Type::Single: return formatDouble(m.f32, 7);
    case Type::Double: return formatDouble(m.f64, 15);
    case Type::Currency: return formatCurrency(m.i64);
    case Type::Date: return formatDate(m.f64);
    case Type::String: return m.str->text;
    case Type::Object: return valueOf().toString();
    case Type::Error: return u"Error " + fromAscii(std::to_string(m.i32));
    case Type::Array: break;
    }
    raiseError(RuntimeError::TypeMismatch);
}

VarType Variant::varType() const noexcept
{
    switch (m_type) {
    case Type::Empty: return VarType::Empty;
    case Type::Null: return VarType::Null;
    case Type::Boolean: return VarType::Boolean;
    case Type::Byte: return VarType::Byte;
    case Type::Integer: return VarType::Integer;
    case Type::Long: return VarType::Long;
    case Type::Single: return VarType::Single;
    case Type::Double: return VarType::Double;
    case Type::Currency: return VarType::Currency;
    case Type::Date: return VarType::Date;
    case Type::String: return VarType::String;
    case Type::Object: return VarType::Object;
    case Type::Error: return VarType::Error;
    case Type::Array: return static_cast<VarType>(0x2000 | 12);
    }
    return VarType::Empty;
}

std::u16string Variant::typeName() const
{
    switch (m_type) {
    case Type::Empty: return u"Empty";
    case Type::Null: return u"Null";
    case Type::Boolean: return u"Boolean";
    case Type::Byte: return u"Byte";
    case Type::Integer: return u"Integer";
    case Type::Long: return u"Long";
    case Type::Single: return u"Single";
    case Type::Double: return u"Double";
    case Type::Currency: return u"Currency";
    case Type::Date: return u"Date";
    case Type::String: return u"String";
    case Type::Object: return m.obj ? m.obj->typeName() : u"Nothing";
    case Type::Error: return u"Error";
    case Type::Array: return u"Variant()";
    }
    return u"Empty";
}

} // namespace vbs
