#include "xmlfile.h"

#include "readinglimits.h"
#include "regularfile.h"
#include "strictdecoder.h"
#include "xmlwriter.h"

#include "errorcore/error.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>

namespace xmlfile {
namespace {

struct Mark
{
    QByteArrayView bytes;
    const char *encoding;
};

// Longest first: the UTF-32 LE mark begins with the UTF-16 LE one.
const Mark byteOrderMarks[] = {
    {QByteArrayView("\xFF\xFE\x00\x00", 4), "UTF-32LE"},
    {QByteArrayView("\x00\x00\xFE\xFF", 4), "UTF-32BE"},
    {QByteArrayView("\xEF\xBB\xBF", 3), "UTF-8"},
    {QByteArrayView("\xFF\xFE", 2), "UTF-16LE"},
    {QByteArrayView("\xFE\xFF", 2), "UTF-16BE"},
};

// "<?" in the encodings that are not ASCII-compatible, for a file without a mark.
const Mark declarationStarts[] = {
    {QByteArrayView("\x3C\x00\x00\x00\x3F\x00\x00\x00", 8), "UTF-32LE"},
    {QByteArrayView("\x00\x00\x00\x3C\x00\x00\x00\x3F", 8), "UTF-32BE"},
    {QByteArrayView("\x3C\x00\x3F\x00", 4), "UTF-16LE"},
    {QByteArrayView("\x00\x3C\x00\x3F", 4), "UTF-16BE"},
};

bool isUnicodeFamily(const QString &name)
{
    return name.startsWith(QLatin1String("UTF-16")) || name.startsWith(QLatin1String("UTF-32"));
}

// The `encoding` of the declaration at the start of `head`; empty when there
// is no declaration or it names none.
QString declaredEncoding(const QString &head)
{
    // "<?xml-stylesheet" and the like are processing instructions, not the declaration.
    if (!head.startsWith(QLatin1String("<?xml")) || head.size() < 6
        || !QStringView(u" \t\r\n").contains(head.at(5)))
        return {};
    const QString declaration = head.left(head.indexOf(QLatin1String("?>")));
    static const QRegularExpression encoding(QStringLiteral("\\sencoding\\s*=\\s*([\"'])([^\"']*)\\1"));
    return encoding.match(declaration).captured(2);
}

[[noreturn]] void notReadable(const QString &name, const QString &why)
{
    throw Error(31003, name.isEmpty() ? why : QStringLiteral("%1: %2").arg(name, why));
}

QString decodeStrictly(QByteArrayView bytes, const Encoding &encoding, qsizetype markLength, const QString &name)
{
    strictdecoder::Result decoded = strictdecoder::decode(bytes, encoding.name);
    if (decoded.ok())
        return std::move(decoded.text);
    // The text holds the characters before the fault: its lines give the place.
    const QStringView before(decoded.text);
    const qsizetype lineStart = before.lastIndexOf(u'\n') + 1;
    notReadable(name, QStringLiteral("byte %1 (line %2, column %3) is not valid %4")
                          .arg(markLength + decoded.faultByte)
                          .arg(before.count(u'\n') + 1)
                          .arg(before.size() - lineStart + 1)
                          .arg(encoding.declarationName()));
}

} // namespace

QString Encoding::declarationName() const
{
    if (!label.isEmpty())
        return label;
    return isUnicodeFamily(name) ? name.left(6) : name;
}

QByteArray readFileBytes(const QString &path, qint64 maxBytes)
{
    return regularfile::read(path, maxBytes);
}

bool startsWithByteOrderMark(QByteArrayView bytes)
{
    for (const Mark &mark : byteOrderMarks)
        if (bytes.startsWith(mark.bytes))
            return true;
    return false;
}

Text decode(const QByteArray &bytes, const QString &name)
{
    Text result;
    result.fileBytes = bytes.size();
    Encoding &encoding = result.encoding;
    qsizetype markLength = 0;
    for (const Mark &mark : byteOrderMarks) {
        if (QByteArrayView(bytes).startsWith(mark.bytes)) {
            encoding.name = QString::fromLatin1(mark.encoding);
            encoding.byteOrderMark = true;
            markLength = mark.bytes.size();
            break;
        }
    }
    bool known = encoding.byteOrderMark;
    for (const Mark &start : declarationStarts) {
        if (!known && QByteArrayView(bytes).startsWith(start.bytes)) {
            encoding.name = QString::fromLatin1(start.encoding);
            known = true;
        }
    }
    const QByteArrayView body = QByteArrayView(bytes).sliced(markLength);
    if (known) {
        // The mark (or the first bytes) decide; the declaration's name is kept.
        result.text = decodeStrictly(body, encoding, markLength, name);
        encoding.label = declaredEncoding(result.text.left(256));
        return result;
    }

    // ASCII-compatible: the declaration, read as ASCII, names the encoding.
    encoding.label = declaredEncoding(QString::fromLatin1(body.first(qMin<qsizetype>(body.size(), 256))));
    if (!encoding.label.isEmpty()) {
        const QStringDecoder probe(encoding.label.toLatin1().constData());
        if (!probe.isValid())
            notReadable(name, QStringLiteral("unknown encoding \"%1\" in the XML declaration").arg(encoding.label));
        encoding.name = QString::fromLatin1(probe.name());
        if (isUnicodeFamily(encoding.name))
            notReadable(name, QStringLiteral("the XML declaration says \"%1\" but the file is not written in it "
                                             "(no byte-order mark)").arg(encoding.label));
    }
    result.text = decodeStrictly(body, encoding, markLength, name);
    return result;
}

Text read(const QString &path)
{
    return decode(readFileBytes(path), path);
}

QByteArray encode(const XmlNode &document, const Encoding &encoding, bool indent)
{
    QStringEncoder encoder(encoding.name.toLatin1().constData());
    if (!encoder.isValid())
        throw Error(5, QStringLiteral("Cannot write the encoding \"%1\"").arg(encoding.name));

    // The declaration names the file's encoding. The writer puts it in place
    // of the document's own: a copy of the document would cost as much
    // memory again.
    if (!document.domNode().isDocument())
        throw Error(5, QStringLiteral("Only a whole document is written to a file"));
    // A file that is UTF-8, or starts with a byte-order mark, reads right
    // without naming its encoding: a declaration that does not name it stays
    // so, and none is added.
    const QString declared = encoding.declarationName();
    const bool needsName = encoding.name != QLatin1String("UTF-8")
        && !(encoding.byteOrderMark && encoding.name.startsWith(QLatin1String("UTF-")));
    const QDomNode first = document.domNode().firstChild();
    QString declaration;
    if (first.isProcessingInstruction() && first.nodeName() == QLatin1String("xml")) {
        static const QRegularExpression named(QStringLiteral("(\\sencoding\\s*=\\s*)([\"'])[^\"']*\\2"));
        declaration = first.toProcessingInstruction().data();
        if (declaration.contains(named))
            declaration.replace(named, QStringLiteral("\\1\\2%1\\2").arg(declared));
        else if (needsName)
            declaration.replace(QRegularExpression(QStringLiteral("^(version\\s*=\\s*([\"'])[^\"']*\\2)")),
                                QStringLiteral("\\1 encoding=\"%1\"").arg(declared));
    } else if (needsName) {
        declaration = QStringLiteral("version=\"1.0\" encoding=\"%1\"").arg(declared);
    }

    // What the encoding cannot hold becomes a reference. Every Unicode
    // encoding holds every character; for the others each character is tried
    // once.
    xmlwriter::Encodable encodable;
    if (!encoding.name.startsWith(QLatin1String("UTF-"))) {
        encodable = [name = encoding.name, known = QHash<char32_t, bool>()](char32_t c) mutable {
            if (c < 0x80)
                return true;
            const auto found = known.constFind(c);
            if (found != known.constEnd())
                return *found;
            QStringEncoder one(name.toLatin1().constData());
            const char32_t chars[] = {c};
            const QByteArray bytes = one(QString::fromUcs4(chars, 1));
            return *known.insert(c, !one.hasError() && !bytes.isEmpty());
        };
    }
    // A file ends with a line break (which reads back as nothing).
    const QString text = xmlwriter::write(document.domNode(), indent, encodable, declaration) + u'\n';
    QByteArray bytes = encoder(text);
    if (encoding.byteOrderMark) {
        for (const Mark &mark : byteOrderMarks) {
            if (encoding.name == QLatin1String(mark.encoding)) {
                bytes.prepend(mark.bytes.data(), mark.bytes.size());
                break;
            }
        }
    }
    // Reading it back builds the same tree.
    if (bytes.size() > kMaxFileBytes)
        throw Error(7, QStringLiteral("The file would be %L1 bytes, more than the %L2 a file may have to be read "
                                      "back").arg(bytes.size()).arg(kMaxFileBytes));
    const QString excess = readinglimits::tallyOf(document.domNode()).excess(bytes.size());
    if (!excess.isEmpty())
        throw Error(7, QStringLiteral("The file could not be read back: %1").arg(excess));
    return bytes;
}

void writeFileBytes(const QString &path, const QByteArray &bytes)
{
    regularfile::replace(path, bytes);
}

} // namespace xmlfile
