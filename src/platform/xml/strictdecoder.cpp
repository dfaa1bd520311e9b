#include "strictdecoder.h"

#include <QStringDecoder>

namespace strictdecoder {
namespace {

bool isSurrogate(char32_t c)
{
    return c >= 0xD800 && c <= 0xDFFF;
}

// Appends the code point `c` (a scalar value) to the characters at `out`.
QChar *put(QChar *out, char32_t c)
{
    if (c < 0x10000) {
        *out++ = QChar(char16_t(c));
    } else {
        *out++ = QChar(QChar::highSurrogate(c));
        *out++ = QChar(QChar::lowSurrogate(c));
    }
    return out;
}

// The length of the UTF-8 sequence starting at `at` when it is well-formed
// (Unicode's table of well-formed byte sequences), else 0; `c` gets its
// code point.
int utf8Sequence(const unsigned char *bytes, qsizetype size, qsizetype at, char32_t &c)
{
    const unsigned char lead = bytes[at];
    int length;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80) {
        c = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        c = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;    // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF;   // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        c = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;   // nothing past U+10FFFF
    } else {
        return 0;
    }
    if (at + length > size)
        return 0;
    for (int k = 1; k < length; ++k) {
        const unsigned char next = bytes[at + k];
        if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF))
            return 0;
        c = (c << 6) | (next & 0x3F);
    }
    return length;
}

Result utf8(QByteArrayView bytes)
{
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype size = bytes.size();
    Result result;
    result.text.resize(size);
    QChar *start = result.text.data();
    QChar *out = start;
    qsizetype at = 0;
    while (at < size) {
        if (data[at] < 0x80) {
            *out++ = QChar(char16_t(data[at++]));
            continue;
        }
        char32_t c = 0;
        const int length = utf8Sequence(data, size, at, c);
        if (length == 0) {
            result.faultByte = at;
            break;
        }
        out = put(out, c);
        at += length;
    }
    result.text.truncate(out - start);
    return result;
}

// UTF-16 and UTF-32 in either byte order: `width` bytes a unit.
Result utfUnits(QByteArrayView bytes, int width, bool bigEndian)
{
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype units = bytes.size() / width;
    const auto unit = [&](qsizetype index) {
        char32_t value = 0;
        for (int k = 0; k < width; ++k) {
            const int shift = 8 * (bigEndian ? width - 1 - k : k);
            value |= char32_t(data[index * width + k]) << shift;
        }
        return value;
    };
    Result result;
    // A UTF-32 unit past U+FFFF takes two UTF-16 units.
    result.text.resize(width == 4 ? units * 2 : units);
    QChar *start = result.text.data();
    QChar *out = start;
    qsizetype index = 0;
    for (; index < units; ++index) {
        const char32_t c = unit(index);
        if (width == 4) {
            if (c > 0x10FFFF || isSurrogate(c))
                break;
            out = put(out, c);
        } else if (QChar::isHighSurrogate(c) && index + 1 < units && QChar::isLowSurrogate(unit(index + 1))) {
            *out++ = QChar(char16_t(c));
            *out++ = QChar(char16_t(unit(++index)));
        } else if (isSurrogate(c)) {
            break;
        } else {
            *out++ = QChar(char16_t(c));
        }
    }
    result.text.truncate(out - start);
    if (index < units || bytes.size() % width != 0)
        result.faultByte = index * width;
    return result;
}

qsizetype firstUnpairedSurrogate(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return i;
    }
    return -1;
}

// Any other encoding: decoded at once, and on a fault decoded again a byte at
// a time to find where the fault begins (the first byte that did not become
// part of a character before it).
Result withQt(QByteArrayView bytes, const QString &encoding)
{
    const QByteArray name = encoding.toLatin1();
    QStringDecoder whole(name.constData(),
                         QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInvalidToNull);
    Result result;
    result.text = whole(bytes);
    qsizetype surrogate = firstUnpairedSurrogate(result.text);
    if (!whole.hasError() && surrogate < 0)
        return result;

    QStringDecoder stepper(name.constData(), QStringConverter::Flag::ConvertInvalidToNull);
    QString text;
    qsizetype complete = 0;
    for (qsizetype at = 0; at < bytes.size(); ++at) {
        const QString piece = stepper(bytes.sliced(at, 1));
        if (stepper.hasError() || (surrogate >= 0 && text.size() + piece.size() > surrogate))
            break;
        if (!piece.isEmpty()) {
            text += piece;
            complete = at + 1;
        }
    }
    result.text = text;
    result.faultByte = complete;
    return result;
}

} // namespace

Result decode(QByteArrayView bytes, const QString &encoding)
{
    if (encoding == QLatin1String("UTF-8"))
        return utf8(bytes);
    if (encoding == QLatin1String("UTF-16LE") || encoding == QLatin1String("UTF-16BE"))
        return utfUnits(bytes, 2, encoding.endsWith(QLatin1String("BE")));
    if (encoding == QLatin1String("UTF-32LE") || encoding == QLatin1String("UTF-32BE"))
        return utfUnits(bytes, 4, encoding.endsWith(QLatin1String("BE")));
    return withQt(bytes, encoding);
}

} // namespace strictdecoder
