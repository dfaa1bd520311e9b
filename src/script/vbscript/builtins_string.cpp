// String built-ins: Asc .. Unescape. Null in the text argument gives Null
// where VBScript does; positions are 1-based and a bad one raises 5.
#include "array.h"
#include "builtins_library.h"
#include "runguard.h"
#include "string_ops.h"
#include "textbuilder.h"

#include <bit>
#include <string_view>

namespace vbs {

namespace lib {

// Read in place: only an object's default value needs a call (and a copy).
bool isNullArg(ArgRefs args, std::size_t i)
{
    if (!argPresent(args, i))
        return false;
    const Variant &v = *args[i];
    return v.isObject() ? v.valueOf().isNull() : v.isNull();
}

CompareMode compareArg(ArgRefs args, std::size_t i)
{
    if (!argPresent(args, i))
        return CompareMode::Binary;
    if (isNullArg(args, i))
        raiseError(RuntimeError::InvalidUseOfNull);
    const std::int32_t mode = argLong(args, i);
    if (mode == 0)
        return CompareMode::Binary;
    if (mode == 1)
        return CompareMode::Text;
    raiseError(RuntimeError::InvalidProcedureCall);
}

std::int32_t longAtLeast(ArgRefs args, std::size_t i, std::int32_t minimum)
{
    if (isNullArg(args, i))
        raiseError(RuntimeError::InvalidUseOfNull);
    const std::int32_t v = argLong(args, i);
    if (v < minimum)
        raiseError(RuntimeError::InvalidProcedureCall);
    return v;
}

std::int32_t longOr(ArgRefs args, std::size_t i, std::int32_t fallback)
{
    return argPresent(args, i) ? argLong(args, i) : fallback;
}

Variant text(std::u16string s)
{
    checkStringLength(s.size());
    return Variant(std::move(s));
}

} // namespace lib

namespace {

using namespace lib;

constexpr std::size_t npos = std::u16string::npos;

// Windows-1252 for the range 0x80..0x9F, the code page Asc and Chr use.
constexpr char16_t kCp1252High[32] = {0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x8D,   0x017D, 0x8F,
                                      0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};

int ansiCode(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i)
        if (kCp1252High[i] == c)
            return 0x80 + i;
    return '?';
}

char16_t fromAnsi(int code) { return code >= 0x80 && code < 0xA0 ? kCp1252High[code - 0x80] : static_cast<char16_t>(code); }

Variant fnAsc(CallContext &, ArgRefs args)
{
    const TextArg text(args, 0);
    const std::u16string_view s = text.view();
    if (s.empty())
        raiseError(RuntimeError::InvalidProcedureCall);
    return Variant::fromInteger(static_cast<std::int16_t>(ansiCode(s[0])));
}

Variant fnAscW(CallContext &, ArgRefs args)
{
    const TextArg text(args, 0);
    const std::u16string_view s = text.view();
    if (s.empty())
        raiseError(RuntimeError::InvalidProcedureCall);
    return Variant::fromInteger(static_cast<std::int16_t>(s[0]));
}

// The byte functions see a text as its UTF-16 bytes, low byte first.
char16_t byteAt(std::u16string_view s, std::size_t i)
{
    const char16_t unit = s[i / 2];
    return (i & 1) ? static_cast<char16_t>(unit >> 8) : static_cast<char16_t>(unit & 0xFF);
}

// `count` bytes of `s` from byte `from`, as a text (odd when count is).
Variant bytesOf(std::u16string_view s, std::size_t from, std::size_t count)
{
    if (from % 2 == 0 && count % 2 == 0)
        return Variant(s.substr(from / 2, count / 2));
    TextBuilder out((count + 1) / 2);
    for (std::size_t i = 0; i < count; i += 2)
        out.push_back(i + 1 < count ? static_cast<char16_t>(byteAt(s, from + i) | (byteAt(s, from + i + 1) << 8))
                                    : byteAt(s, from + i));
    Variant v = out.take();
    if (count % 2)
        v.stringData()->setOddByte();
    return v;
}

Variant fnAscB(CallContext &, ArgRefs args)
{
    const TextArg text(args, 0);
    const std::u16string_view s = text.view();
    if (s.empty())
        raiseError(RuntimeError::InvalidProcedureCall);
    return Variant::fromByte(static_cast<std::uint8_t>(s[0] & 0xFF));
}

Variant fnChr(CallContext &, ArgRefs args)
{
    const std::int32_t code = argLong(args, 0);
    if (code < 0 || code > 255)
        raiseError(RuntimeError::InvalidProcedureCall);
    return Variant(std::u16string(1, fromAnsi(code)));
}

Variant fnChrW(CallContext &, ArgRefs args)
{
    const std::int32_t code = argLong(args, 0);
    if (code < -32768 || code > 65535)
        raiseError(RuntimeError::InvalidProcedureCall);
    return Variant(std::u16string(1, static_cast<char16_t>(code < 0 ? code + 65536 : code)));
}

// One byte: a text of odd length.
Variant fnChrB(CallContext &, ArgRefs args)
{
    const std::int32_t code = argLong(args, 0);
    if (code < 0 || code > 255)
        raiseError(RuntimeError::Overflow);
    Variant v(std::u16string(1, static_cast<char16_t>(code)));
    v.stringData()->setOddByte();
    return v;
}

Variant fnLen(CallContext &, ArgRefs args)
{
    if (isNullArg(args, 0))
        return Variant::null();
    return Variant::fromLong(static_cast<std::int32_t>(TextArg(args, 0).byteSize() / 2)); // whole units
}

Variant fnLenB(CallContext &, ArgRefs args)
{
    if (isNullArg(args, 0))
        return Variant::null();
    return Variant::fromLong(static_cast<std::int32_t>(TextArg(args, 0).byteSize()));
}

// Left and Right.
Variant leftRight(ArgRefs args, bool left)
{
    if (isNullArg(args, 0)) {
        longAtLeast(args, 1, 0);
        return Variant::null();
    }
    const TextArg text(args, 0);
    const std::u16string_view s = text.view();
    const std::size_t n = static_cast<std::size_t>(longAtLeast(args, 1, 0));
    if (n >= s.size())
        return text.whole();
    return Variant(left ? s.substr(0, n) : s.substr(s.size() - n));
}

// LeftB and RightB: counts of bytes.
Variant leftRightBytes(ArgRefs args, bool left)
{
    if (isNullArg(args, 0)) {
        longAtLeast(args, 1, 0);
        return Variant::null();
    }
    const TextArg text(args, 0);
    const std::size_t n = static_cast<std::size_t>(longAtLeast(args, 1, 0)), size = text.byteSize();
    if (n >= size)
        return text.whole();
    return bytesOf(text.view(), left ? 0 : size - n, n);
}

Variant fnLeft(CallContext &, ArgRefs args) { return leftRight(args, true); }
Variant fnRight(CallContext &, ArgRefs args) { return leftRight(args, false); }
Variant fnLeftB(CallContext &, ArgRefs args) { return leftRightBytes(args, true); }
Variant fnRightB(CallContext &, ArgRefs args) { return leftRightBytes(args, false); }

// Mid and MidB: `bytes` counts start and length in bytes.
Variant mid(CallContext &ctx, ArgRefs args, bool bytes)
{
    const bool null = isNullArg(args, 0);
    if (argPresent(args, 2) && isNullArg(args, 2))
        raiseError(RuntimeError::InvalidUseOfNull); // before the start is converted
    const std::int32_t start = longAtLeast(args, 1, 1);
    const bool hasLength = argPresent(args, 2);
    const std::int32_t length = hasLength ? longAtLeast(args, 2, 0) : 0;
    if (null)
        return Variant::null();
    const TextArg text(args, 0);
    const std::u16string_view s = text.view();
    const std::size_t from = static_cast<std::size_t>(start - 1), size = bytes ? text.byteSize() : s.size();
    if (from >= size)
        return Variant(std::u16string());
    const std::size_t count = hasLength ? std::min<std::size_t>(static_cast<std::size_t>(length), size - from) : size - from;
    if (bytes)
        return bytesOf(s, from, count);
    if (count == 1)
        return ctx.character(s[from]); // a character loop makes no strings
    return Variant(s.substr(from, count));
}

Variant fnMid(CallContext &ctx, ArgRefs args) { return mid(ctx, args, false); }
Variant fnMidB(CallContext &ctx, ArgRefs args) { return mid(ctx, args, true); }

std::size_t sameLength(std::u16string_view s) { return s.size(); }

// F of the text argument, charged before it is made for the `Length` it
// will have at most.
template <std::u16string (*F)(std::u16string_view), std::size_t (*Length)(std::u16string_view) = sameLength>
Variant transformed(ArgRefs args)
{
    const TextArg arg(args, 0);
    const std::size_t length = Length(arg.view());
    checkStringLength(length);
    Reservation charged(StringData::cost(length));
    return Variant(makeRef<StringData>(F(arg.view()), std::move(charged)));
}

// Functions of one text argument that give Null for Null.
template <std::u16string (*F)(std::u16string_view), std::size_t (*Length)(std::u16string_view) = sameLength>
Variant textFunction(CallContext &, ArgRefs args)
{
    if (isNullArg(args, 0))
        return Variant::null();
    return transformed<F, Length>(args);
}

Variant fnStrReverse(CallContext &, ArgRefs args) { return transformed<reverseText>(args); }

Variant repeated(std::size_t n, char16_t unit)
{
    TextBuilder out(n);
    out.append(n, unit);
    return out.take();
}

Variant fnSpace(CallContext &, ArgRefs args)
{
    if (isNullArg(args, 0))
        raiseError(RuntimeError::InvalidUseOfNull);
    return repeated(static_cast<std::size_t>(longAtLeast(args, 0, 0)), u' ');
}

Variant fnString(CallContext &, ArgRefs args)
{
    if (isNullArg(args, 0) || isNullArg(args, 1))
        return Variant::null();
    const std::int32_t n = longAtLeast(args, 0, 0);
    const Variant c = argValue(args, 1);
    char16_t unit = 0;
    if (c.isString()) {
        if (c.string().empty())
            raiseError(RuntimeError::InvalidProcedureCall);
        unit = c.string()[0];
    } else {
        const std::int32_t code = argLong(args, 1);
        unit = fromAnsi(((code % 256) + 256) % 256);
    }
    return repeated(static_cast<std::size_t>(n), unit);
}

// InStrB: where the bytes of `needle` first stand among those of `hay`,
// from byte `from` on and at any byte offset (npos: nowhere).
std::size_t findBytes(const TextArg &hay, const TextArg &needle, std::size_t from)
{
    const std::size_t n = hay.byteSize(), m = needle.byteSize();
    if (from > n || m > n - from)
        return npos;
    if constexpr (std::endian::native == std::endian::little) {
        const std::string_view h(reinterpret_cast<const char *>(hay.view().data()), n);
        const std::string_view k(reinterpret_cast<const char *>(needle.view().data()), m);
        return h.find(k, from);
    }
    for (std::size_t i = from; i + m <= n; ++i) {
        std::size_t k = 0;
        while (k < m && byteAt(hay.view(), i + k) == byteAt(needle.view(), k))
            ++k;
        if (k == m)
            return i;
    }
    return npos;
}

// InStr([start,] string1, string2[, compare]) and InStrB (bytes, always binary).
Variant inStr(ArgRefs args, bool bytes)
{
    std::size_t first = 0;
    std::int32_t start = 1;
    if (args.size() >= 3) {
        if (isNullArg(args, 0))
            raiseError(RuntimeError::InvalidUseOfNull);
        start = longAtLeast(args, 0, 1);
        first = 1;
    }
    const CompareMode mode = args.size() >= 4 ? compareArg(args, 3) : CompareMode::Binary;
    if (isNullArg(args, first) || isNullArg(args, first + 1))
        return Variant::null();
    const TextArg hayArg(args, first), needleArg(args, first + 1);
    const std::u16string_view hay = hayArg.view(), needle = needleArg.view();
    if (hay.empty() && !needle.empty())
        return Variant::fromLong(0);
    if (bytes && !needle.empty()) {
        const std::size_t hit = findBytes(hayArg, needleArg, static_cast<std::size_t>(start - 1));
        return Variant::fromLong(hit == npos ? 0 : static_cast<std::int32_t>(hit + 1));
    }
    const std::size_t from = bytes ? static_cast<std::size_t>(start - 1) / 2 : static_cast<std::size_t>(start - 1);
    const std::size_t hit = findText(hay, needle, from, mode);
    if (hit == npos)
        return Variant::fromLong(0);
    return Variant::fromLong(static_cast<std::int32_t>(bytes ? hit * 2 + 1 : hit + 1));
}

Variant fnInStr(CallContext &, ArgRefs args) { return inStr(args, false); }
Variant fnInStrB(CallContext &, ArgRefs args) { return inStr(args, true); }

// InStrRev(string1, string2[, start[, compare]])
Variant fnInStrRev(CallContext &, ArgRefs args)
{
    std::int32_t start = -1;
    if (argPresent(args, 2)) {
        if (isNullArg(args, 2))
            raiseError(RuntimeError::InvalidUseOfNull);
        start = argLong(args, 2);
        if (start == 0 || start < -1)
            raiseError(RuntimeError::InvalidProcedureCall);
    }
    const CompareMode mode = compareArg(args, 3);
    if (isNullArg(args, 0) || isNullArg(args, 1))
        raiseError(RuntimeError::InvalidUseOfNull);
    const TextArg hayArg(args, 0), needleArg(args, 1);
    const std::u16string_view hay = hayArg.view(), needle = needleArg.view();
    const std::size_t limit = start == -1 ? hay.size() : static_cast<std::size_t>(start);
    if (limit > hay.size())
        return Variant::fromLong(0);
    const std::size_t hit = findTextReverse(hay, needle, limit, mode);
    return Variant::fromLong(hit == npos ? 0 : static_cast<std::int32_t>(hit + 1));
}

Variant fnStrComp(CallContext &, ArgRefs args)
{
    const CompareMode mode = compareArg(args, 2);
    if (isNullArg(args, 0) || isNullArg(args, 1))
        return Variant::null();
    return Variant::fromInteger(
        static_cast<std::int16_t>(compareText(TextArg(args, 0).view(), TextArg(args, 1).view(), mode)));
}

// Replace(expression, find, replacewith[, start[, count[, compare]]])
Variant fnReplace(CallContext &, ArgRefs args)
{
    const std::int32_t start = argPresent(args, 3) ? longAtLeast(args, 3, 1) : 1;
    const std::int32_t count = argPresent(args, 4) ? longAtLeast(args, 4, -1) : -1;
    const CompareMode mode = compareArg(args, 5);
    if (isNullArg(args, 0))
        raiseError(RuntimeError::InvalidUseOfNull);
    const TextArg s(args, 0), find(args, 1), with(args, 2);
    TextBuilder out;
    replaceText(out, s.view(), find.view(), with.view(), static_cast<std::size_t>(start - 1), count, mode);
    return out.take();
}

// Split(expression[, delimiter[, limit[, compare]]]): the parts are counted
// first, so that the array is charged before anything of it is made.
Variant fnSplit(CallContext &, ArgRefs args)
{
    const TextArg delimiterArg = argPresent(args, 1) ? TextArg(args, 1) : TextArg(u" ");
    const std::int32_t limit = argPresent(args, 2) ? longAtLeast(args, 2, -1) : -1;
    const CompareMode mode = compareArg(args, 3);
    const TextArg text(args, 0);
    const std::u16string_view s = text.view(), delimiter = delimiterArg.view();
    const std::size_t parts = splitText(s, delimiter, limit, mode, [](std::u16string_view) {});
    if (parts > Array::maxElements())
        raiseError(RuntimeError::OutOfMemory);
    Ref<Array> array = Array::create({Array::Bound{0, static_cast<std::int32_t>(parts)}});
    std::size_t i = 0;
    splitText(s, delimiter, limit, mode, [&](std::u16string_view part) { (*array)[i++] = Variant(part); });
    return Variant(array);
}

// The one-dimensional array argument of Join and Filter (94 for Null, 13 for
// anything else).
Ref<Array> listArg(ArgRefs args, std::size_t i)
{
    const Variant v = argValue(args, i);
    if (v.isNull())
        raiseError(RuntimeError::InvalidUseOfNull);
    if (!v.isArray() || v.array()->dimensions() != 1)
        raiseError(RuntimeError::TypeMismatch);
    return v.arrayRef();
}

// An element of Join's or Filter's list as text: strings as they are, others
// converted into `scratch`; a Null element is 13.
std::u16string_view elementText(const Variant &e, std::u16string &scratch)
{
    if (e.isString())
        return e.string();
    if (e.isNull())
        raiseError(RuntimeError::TypeMismatch);
    scratch = e.toString();
    return scratch;
}

// Join(list[, delimiter]): the length is added up first, so that the result
// is charged (and refused past the budget) before it is made.
Variant fnJoin(CallContext &, ArgRefs args)
{
    const Ref<Array> list = listArg(args, 0);
    const TextArg delimiterArg = argPresent(args, 1) ? TextArg(args, 1) : TextArg(u" ");
    const std::u16string_view delimiter = delimiterArg.view();
    const Array &a = *list;
    std::u16string scratch;
    std::size_t length = a.size() > 1 ? (a.size() - 1) * delimiter.size() : 0;
    for (std::size_t k = 0; k < a.size(); ++k) {
        length += elementText(a[k], scratch).size();
        work(1);
    }
    TextBuilder out(length);
    for (std::size_t k = 0; k < a.size(); ++k) {
        if (k)
            out.append(delimiter);
        out.append(elementText(a[k], scratch));
    }
    return out.take();
}

// Filter(inputstrings, value[, include[, compare]]): one search for every
// element, the kept ones counted before the result is made.
Variant fnFilter(CallContext &, ArgRefs args)
{
    const Ref<Array> list = listArg(args, 0);
    const TextArg match(args, 1);
    const bool include = argPresent(args, 2) ? argBool(args, 2) : true;
    const CompareMode mode = compareArg(args, 3);
    const TextSearch search(match.view(), mode);
    const Array &a = *list;
    Reservation flags(a.size() / 8 + 1);
    std::vector<bool> keep(a.size());
    std::size_t kept = 0;
    std::u16string scratch;
    for (std::size_t k = 0; k < a.size(); ++k) {
        keep[k] = (search.find(elementText(a[k], scratch), 0) != std::u16string::npos) == include;
        kept += keep[k];
        work(1);
    }
    Ref<Array> out = Array::create({Array::Bound{0, static_cast<std::int32_t>(kept)}});
    for (std::size_t k = 0, i = 0; k < a.size(); ++k)
        if (keep[k])
            (*out)[i++] = a[k].isString() ? a[k] : Variant(elementText(a[k], scratch));
    return Variant(out);
}

} // namespace

void addStringBuiltins(BuiltinTable &t)
{
    t.add(u"Asc", 1, 1, fnAsc);
    t.add(u"AscB", 1, 1, fnAscB);
    t.add(u"AscW", 1, 1, fnAscW);
    t.add(u"Chr", 1, 1, fnChr);
    t.add(u"ChrB", 1, 1, fnChrB);
    t.add(u"ChrW", 1, 1, fnChrW);
    t.add(u"Filter", 2, 4, fnFilter);
    t.add(u"InStr", 2, 4, fnInStr);
    t.add(u"InStrB", 2, 4, fnInStrB);
    t.add(u"InStrRev", 2, 4, fnInStrRev);
    t.add(u"Join", 1, 2, fnJoin);
    t.add(u"LCase", 1, 1, textFunction<lowerText>);
    t.add(u"Left", 2, 2, fnLeft);
    t.add(u"LeftB", 2, 2, fnLeftB);
    t.add(u"Len", 1, 1, fnLen);
    t.add(u"LenB", 1, 1, fnLenB);
    t.add(u"LTrim", 1, 1, textFunction<trimLeft>);
    t.add(u"Mid", 2, 3, fnMid);
    t.add(u"MidB", 2, 3, fnMidB);
    t.add(u"Replace", 3, 6, fnReplace);
    t.add(u"Right", 2, 2, fnRight);
    t.add(u"RightB", 2, 2, fnRightB);
    t.add(u"RTrim", 1, 1, textFunction<trimRight>);
    t.add(u"Space", 1, 1, fnSpace);
    t.add(u"Split", 1, 4, fnSplit);
    t.add(u"StrComp", 2, 3, fnStrComp);
    t.add(u"String", 2, 2, fnString);
    t.add(u"StrReverse", 1, 1, fnStrReverse);
    t.add(u"Trim", 1, 1, textFunction<trimBoth>);
    t.add(u"UCase", 1, 1, textFunction<upperText>);
    // Escape and Unescape take no Null (94).
    t.add(u"Escape", 1, 1, [](CallContext &, ArgRefs a) { return transformed<escapeText, escapedLength>(a); });
    t.add(u"Unescape", 1, 1, [](CallContext &, ArgRefs a) { return transformed<unescapeText>(a); });
}

} // namespace vbs
