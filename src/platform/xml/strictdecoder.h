#pragma once

#include <QByteArrayView>
#include <QString>

// Bytes to characters without guessing or replacing anything. UTF-8, UTF-16
// and UTF-32 (either byte order) are decoded here by the letter of Unicode:
// an overlong or truncated sequence, an encoded surrogate, a code point past
// U+10FFFF, an unpaired surrogate in UTF-16 and bytes left over at the end
// are faults. Every other encoding goes through QStringDecoder, and is held
// to the same promise: a sequence it flags, a character cut off by the end
// and an unpaired surrogate in its output are faults.
namespace strictdecoder {

struct Result
{
    QString text;                    // the characters before the fault, or all of them
    qsizetype faultByte = -1;        // where the first fault begins; -1 when there is none

    bool ok() const { return faultByte < 0; }
};

// `encoding` is a name QStringDecoder knows; UTF-16 and UTF-32 with their
// byte order ("UTF-16LE").
Result decode(QByteArrayView bytes, const QString &encoding);

} // namespace strictdecoder
