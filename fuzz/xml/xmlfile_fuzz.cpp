// The input is the bytes of a file. It is decoded as a job file is
// (xmlfile::decode) and parsed; when both succeed it is written back in its
// own encoding, and the bytes written must decode and parse again to a
// document that writes the same text (but for the declaration's encoding,
// which a save names): a save never changes what a read found, and never
// writes what cannot be read back. A raised error is an
// answer; a crash, a sanitizer report, a hang or a round trip that changes
// the document is a finding (the target aborts).
#include "errorcore/error.h"
#include "platform/xml/xmlfile.h"
#include "platform/xml/xmlnode.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// The document as text without its XML declaration, which a save rewrites
// on purpose (it names the encoding the file is written in).
QString content(const XmlNode &document)
{
    XmlNode copy = document.cloneNode(true);
    const XmlNode first = copy.firstChild();
    if (!first.isNull() && first.nodeType() == XmlNode::ProcessingInstruction && first.nodeName() == QLatin1String("xml"))
        copy.removeChild(first);
    return copy.xml();
}

[[noreturn]] void finding(const char *what, const QString &before, const QString &after)
{
    std::fprintf(stderr, "%s\n--- before\n%s\n--- after\n%s\n", what, qPrintable(before), qPrintable(after));
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    xmlfile::Text file;
    try {
        file = xmlfile::decode(bytes);
    } catch (const Error &) {
        return 0;
    }
    XmlParseError error;
    const XmlNode document = XmlNode::parse(file.text, &error, file.fileBytes);
    if (document.isNull())
        return 0;
    QByteArray saved;
    try {
        saved = xmlfile::encode(document, file.encoding, true);
    } catch (const Error &) {
        return 0;                    // a character the encoding cannot hold in a name, or too large
    }
    const QString before = content(document);
    xmlfile::Text again;
    try {
        again = xmlfile::decode(saved);
    } catch (const Error &failure) {
        finding("the saved bytes do not decode", before, failure.description);
    }
    const XmlNode reread = XmlNode::parse(again.text, &error, again.fileBytes);
    if (reread.isNull())
        finding("the saved text does not parse", before, again.text + QStringLiteral("\n") + error.reason);
    if (content(reread) != before)
        finding("the saved document differs", before, content(reread));
    return 0;
}
