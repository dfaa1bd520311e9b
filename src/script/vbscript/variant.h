#pragma once

#include "budget.h"
#include "ref.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vbs {

class Object;
class Array;

// Text of a String variant. Shared between copies; the interpreter appends in
// place only while a single variable holds it (s = s & x). Its bytes are
// charged to the budget of the run it was made in (see RunGuard) and given
// back when it goes.
struct StringData final : RefCounted
{
private:
    // Declared first: the count fits beside RefCounted's own in its padding.
    std::uint32_t m_charged = 0;
    MemoryBudget::Account *m_account = nullptr;

public:
    // Charges the text after it was made: past the budget, 7 (and the text is freed).
    explicit StringData(std::u16string t);
    // Takes over a charge made before the text was allocated.
    StringData(std::u16string t, Reservation charged);
    ~StringData() override;
    // A copy of `text`, charged before it is allocated.
    static Ref<StringData> make(std::u16string_view text);
    // What a string of `capacity` units is charged.
    static std::size_t cost(std::size_t capacity) noexcept { return sizeof(StringData) + capacity * sizeof(char16_t); }

    // Appends, charging a larger capacity before the text grows: past the
    // budget or the length limit, 7 and the text stays as it was. Byte
    // texts join byte by byte (see oddByte): `moreOdd` says `more` ends in
    // half a unit; after an odd text, `more` moves down by one byte.
    void append(std::u16string_view more, bool moreOdd = false);

    // A text of an odd number of bytes, as the byte functions (ChrB, LeftB,
    // MidB ...) make it: its last unit holds one byte, in its low half.
    bool oddByte() const noexcept { return (m_charged & kOddByte) != 0; }
    void setOddByte() noexcept { m_charged |= kOddByte; }

    std::u16string text;

private:
    static constexpr std::uint32_t kOddByte = 0x80000000u; // charges stay below 2^31 (maxStringLength)
    std::uint32_t charged() const noexcept { return m_charged & ~kOddByte; }
    void adopt(Reservation charged) noexcept;
    // Room for `size` units, charged before the text moves over.
    void reserveUnits(std::size_t size);
};

// The numbers VarType returns.
enum class VarType : std::uint16_t {
    Empty = 0, Null = 1, Integer = 2, Long = 3, Single = 4, Double = 5, Currency = 6,
    Date = 7, String = 8, Object = 9, Error = 10, Boolean = 11, Variant = 12,
    Byte = 17, Array = 0x2000
};

// A VBScript value: a subtype tag and a payload. Numbers live inline (no heap
// allocation); strings, objects and arrays are reference counted. Arrays have
// value semantics: a copy shares the data until one side writes (copy on
// write, see Array). Conversions follow VBScript's C* functions, use the
// current locale (locale.h) and raise ScriptException (errors.h) on failure:
// 13 "Type mismatch", 6 "Overflow", 94 "Invalid use of Null".
class Variant
{
public:
    enum class Type : std::uint8_t {
        Empty, Null, Boolean, Byte, Integer, Long, Single, Double, Currency, Date,
        String, Object, Error, Array
    };

    Variant() noexcept { m.i64 = 0; }
    // Numbers copy and die inline; only strings, objects and arrays touch
    // a reference count.
    Variant(const Variant &o) noexcept : m_type(o.m_type), m(o.m)
    {
        if (counted())
            addRefPayload();
    }
    Variant(Variant &&o) noexcept : m_type(o.m_type), m(o.m)
    {
        o.m_type = Type::Empty;
        o.m.i64 = 0;
    }
    Variant &operator=(const Variant &o) noexcept
    {
        if (!counted() && !o.counted()) {
            m_type = o.m_type;
            m = o.m;
            return *this;
        }
        return assignCounted(o);
    }
    // The old payload is released last (its release may run a Class_Terminate
    // that reads this very variable), and out of line: the source never
    // escapes, so moving a number costs two stores. A variable moved into
    // itself ends Empty.
    Variant &operator=(Variant &&o) noexcept
    {
        const Type oldType = m_type;
        const Payload old = m;
        m_type = o.m_type;
        m = o.m;
        o.m_type = Type::Empty;
        o.m.i64 = 0;
        if ((kCountedTypes >> static_cast<unsigned>(oldType)) & 1u)
            releasePayload(oldType, old);
        return *this;
    }
    // Released by value: a temporary's address never escapes, so the
    // compiler keeps numbers in registers.
    ~Variant()
    {
        if (counted())
            releasePayload(m_type, m);
    }

    // Strings and references convert implicitly; numbers go through the
    // named factories so the subtype is always explicit.
    // A text made for the value is charged once made; a copy is charged
    // before it is made.
    Variant(std::u16string &&text);
    Variant(const std::u16string &text) : Variant(StringData::make(text)) {}
    Variant(std::u16string_view text) : Variant(StringData::make(text)) {}
    Variant(const char16_t *text) : Variant(std::u16string_view(text)) {}
    Variant(Ref<StringData> text) noexcept;
    Variant(Ref<Object> object) noexcept; // a null reference is Nothing
    Variant(Ref<Array> array) noexcept;   // a null reference is Empty

    static Variant null() noexcept { Variant v; v.m_type = Type::Null; return v; }
    static Variant fromBool(bool b) noexcept { Variant v; v.m_type = Type::Boolean; v.m.b = b; return v; }
    static Variant fromByte(std::uint8_t x) noexcept { Variant v; v.m_type = Type::Byte; v.m.u8 = x; return v; }
    // An Integer's payload is kept sign-extended to 32 bits, so Integer and
    // Long read alike (wholeValue).
    static Variant fromInteger(std::int16_t x) noexcept { Variant v; v.m_type = Type::Integer; v.m.i32 = x; return v; }
    static Variant fromLong(std::int32_t x) noexcept { Variant v; v.m_type = Type::Long; v.m.i32 = x; return v; }
    static Variant fromSingle(float x) noexcept { Variant v; v.m_type = Type::Single; v.m.f32 = x; return v; }
    static Variant fromDouble(double x) noexcept { Variant v; v.m_type = Type::Double; v.m.f64 = x; return v; }
    // Currency is a 64-bit integer scaled by 10,000 (1.5 is 15000).
    static Variant fromCurrency(std::int64_t scaled) noexcept { Variant v; v.m_type = Type::Currency; v.m.i64 = scaled; return v; }
    // Date: days since 30 December 1899, the fraction is the time of day.
    static Variant fromDate(double serial) noexcept { Variant v; v.m_type = Type::Date; v.m.f64 = serial; return v; }
    static Variant fromError(std::int32_t code) noexcept { Variant v; v.m_type = Type::Error; v.m.i32 = code; return v; }
    static Variant nothing() noexcept;
    // The value of an omitted argument (f a, , c): an Error with
    // DISP_E_PARAMNOTFOUND, as VBScript passes it.
    static Variant missing() noexcept { return fromError(kMissingCode); }
    static constexpr std::int32_t kMissingCode = static_cast<std::int32_t>(0x80020004u);

    Type type() const noexcept { return m_type; }
    bool isEmpty() const noexcept { return m_type == Type::Empty; }
    bool isNull() const noexcept { return m_type == Type::Null; }
    bool isString() const noexcept { return m_type == Type::String; }
    bool isObject() const noexcept { return m_type == Type::Object; }
    bool isNothing() const noexcept { return m_type == Type::Object && !m.obj; }
    bool isArray() const noexcept { return m_type == Type::Array; }
    bool isMissing() const noexcept { return m_type == Type::Error && m.i32 == kMissingCode; }
    // Boolean, Byte, Integer, Long, Single, Double, Currency or Date.
    bool isArithmetic() const noexcept { return m_type >= Type::Boolean && m_type <= Type::Date; }
    // Byte, Integer or Long.
    bool isIntegral() const noexcept { return m_type >= Type::Byte && m_type <= Type::Long; }

    // Raw payloads: valid only for the matching subtype.
    bool boolValue() const noexcept { return m.b; }
    std::uint8_t byteValue() const noexcept { return m.u8; }
    std::int16_t integerValue() const noexcept { return m.i16; }
    std::int32_t longValue() const noexcept { return m.i32; }
    // Integer or Long, either of them, without looking which.
    std::int32_t wholeValue() const noexcept { return m.i32; }
    float singleValue() const noexcept { return m.f32; }
    double doubleValue() const noexcept { return m.f64; }
    std::int64_t currencyValue() const noexcept { return m.i64; }
    double dateValue() const noexcept { return m.f64; }
    std::int32_t errorValue() const noexcept { return m.i32; }
    const std::u16string &string() const noexcept { return m.str->text; }
    StringData *stringData() const noexcept { return m.str; }
    Object *object() const noexcept { return m.obj; } // null for Nothing
    Ref<Object> objectRef() const noexcept;
    Array *array() const noexcept { return m.arr; }
    Ref<Array> arrayRef() const noexcept;

    // An integral subtype (Boolean, Byte, Integer, Long) as a 32-bit value.
    std::int32_t integralValue() const noexcept;

    // Conversions with the rules of CBool, CByte, CInt, CLng, CSng, CDbl,
    // CCur, CDate and CStr. Integer conversions round half to even; an
    // object converts through its default member; Empty is 0, "" or False.
    bool toBool() const;
    std::uint8_t toByte() const;
    std::int16_t toInteger() const;
    std::int32_t toLong() const;
    float toSingle() const;
    double toDouble() const;
    std::int64_t toCurrency() const;
    double toDate() const;
    std::u16string toString() const;

    // The value itself, or an object's default member value (438 when the
    // object has none, 91 for Nothing). Used wherever a plain value is needed.
    Variant valueOf() const;

    VarType varType() const noexcept;
    std::u16string typeName() const;

    void swap(Variant &o) noexcept;

    // Integer or Long `t` in place: for a variant that holds no string,
    // object or array (nothing to release), two stores.
    void setWhole(Type t, std::int32_t x) noexcept
    {
        m_type = t;
        m.i64 = static_cast<std::uint32_t>(x);
    }
    bool holdsCounted() const noexcept { return counted(); }
    // Empty in place, for a variant that holds no string, object or array.
    void setEmptyInPlace() noexcept
    {
        m_type = Type::Empty;
        m.i64 = 0;
    }

private:
    // String, Object or Array: one test, since every copy and every end of a value asks.
    bool counted() const noexcept { return (kCountedTypes >> static_cast<unsigned>(m_type)) & 1u; }
    static constexpr unsigned kCountedTypes = (1u << static_cast<unsigned>(Type::String)) |
                                              (1u << static_cast<unsigned>(Type::Object)) |
                                              (1u << static_cast<unsigned>(Type::Array));
    void addRefPayload() const noexcept;
    Variant &assignCounted(const Variant &o) noexcept;

    Type m_type = Type::Empty;
    union Payload {
        bool b;
        std::uint8_t u8;
        std::int16_t i16;
        std::int32_t i32;
        float f32;
        double f64;
        std::int64_t i64;
        StringData *str;
        Object *obj;
        Array *arr;
    };
    static void releasePayload(Type type, Payload payload) noexcept;
    Payload m;
};

// Text <-> number helpers shared by conversions and built-ins.
// Parses a numeric string as VBScript does (spaces, sign, decimal and
// grouping separators of the current locale, exponent, &H and &O forms,
// a currency symbol); false when the text is not a number.
bool parseNumber(std::u16string_view text, double &out);
// The same text as a Currency (times 10,000), read exactly and rounded half
// to even at the fourth decimal; false when it is not a number, 6 beyond
// Currency's range.
bool parseCurrency(std::u16string_view text, std::int64_t &out);
// Double as CStr writes it: 15 significant digits, exponent form "1E+20"
// outside 1E-5 .. 1E15; Single uses 7 digits.
std::u16string formatDouble(double value, int significantDigits = 15);
std::u16string formatCurrency(std::int64_t scaled);
// Parses a date and/or time as CDate does (order and separators of the
// current locale, month names, ISO yyyy-mm-dd, h:mm[:ss] [AM|PM]); false
// when the text is not a date.
bool parseDate(std::u16string_view text, double &out);
// A Date as CStr writes it (the locale's short date and long time; the
// date alone when there is no time, the time alone on day 0).
std::u16string formatDate(double serial);
// Rounds half to even (CInt, CLng, Round, \ and Mod operands).
double roundHalfEven(double value) noexcept;

} // namespace vbs
