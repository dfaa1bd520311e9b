#pragma once

#include "platform/xml/xmlnode.h"

#include <QByteArray>
#include <QString>

// XML files as bytes on disk: decoded as XML says and written back in the
// encoding they came in.
//
// Decoding: a byte-order mark decides first (UTF-8, UTF-16 LE/BE, UTF-32
// LE/BE); without one, the first bytes tell UTF-16/32 from an
// ASCII-compatible encoding, and then the declaration's `encoding` names it
// (any name QStringDecoder knows: UTF-8, ISO-8859-1, windows-1252, ...);
// with no declaration or no `encoding` the file is UTF-8. Nothing is
// replaced: a byte sequence that is invalid in the encoding, an unknown
// encoding name, or a declaration of UTF-16/32 in a file that is not written
// in it raises 31003 naming the place.
//
// Encoding: the text in the same encoding, with its byte-order mark when it
// had one. A character the encoding cannot hold is written as a character
// reference "&#N;" in text and CDATA content; in a name, an attribute value,
// a comment or a processing instruction it cannot be, and the write raises 5
// naming the character.
namespace xmlfile {

// How a file's characters are stored.
struct Encoding
{
    // The name the converters are made with; UTF-16 and UTF-32 always with
    // their byte order ("UTF-16LE").
    QString name = QStringLiteral("UTF-8");
    // The encoding's name as the declaration wrote it; empty when it said
    // none (or there was no declaration).
    QString label;
    bool byteOrderMark = false;

    // The name for a declaration: the label as written, else the name
    // without its byte order ("UTF-16").
    QString declarationName() const;
    bool operator==(const Encoding &) const = default;
};

struct Text
{
    QString text;                    // without the byte-order mark
    Encoding encoding;
    qint64 fileBytes = 0;            // the size of the bytes it was decoded from
};

// The largest file read; real job files are a few kilobytes.
inline constexpr qint64 kMaxFileBytes = 16 << 20;

// The bytes of a regular file of at most `maxBytes` (regularfile::read): a
// FIFO would block and a device such as /dev/zero never ends. Raises 53 for a
// missing file, 75 for anything that is not a regular file or cannot be read,
// 7 for a file over the limit; the description names the path.
QByteArray readFileBytes(const QString &path, qint64 maxBytes = kMaxFileBytes);

// The text of `bytes` as described above; `name` (a path) goes in front of a
// message.
Text decode(const QByteArray &bytes, const QString &name = {});
// Whether `bytes` start with a byte-order mark decode knows (UTF-8, -16, -32).
bool startsWithByteOrderMark(QByteArrayView bytes);
// readFileBytes, then decode.
Text read(const QString &path);

// `document` as the bytes of a file in `encoding`: the declaration's
// encoding set to encoding.declarationName(); a declaration that names none
// gets it, and one is added to a document without, only where a reader needs
// it (not UTF-8 and no byte-order mark); elements indented two
// blanks a level when `indent` (see xmlwriter), a line break at the end, the
// byte-order mark first when the encoding has one. A file that read() and
// XmlNode::parse would refuse is never made: larger than kMaxFileBytes, or a
// tree past the reading limits for its size (readinglimits.h) raise 7 saying
// which.
QByteArray encode(const XmlNode &document, const Encoding &encoding, bool indent);

// Replaces `path` with `bytes` in one step (regularfile::replace): any
// failure leaves the old file whole. Raises 75 naming the path and the step
// that failed.
void writeFileBytes(const QString &path, const QByteArray &bytes);

} // namespace xmlfile
