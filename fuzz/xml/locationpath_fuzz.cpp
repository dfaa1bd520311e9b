// The first line of the input is a location path, the rest a document (a
// small job-like document when the rest does not parse). The path is parsed
// and, when well-formed, evaluated from the document and from its first few
// hundred nodes. A raised error (5 for an ill-formed path) is
// an answer; a crash, a sanitizer report or a hang is a finding.
#include "errorcore/error.h"
#include "platform/xml/locationpath.h"
#include "platform/xml/xmlnode.h"

#include <QDomDocument>
#include <QString>

#include <cstdint>
#include <string_view>

namespace {

const char fallbackDocument[] =
    "<JobDefinition><FreeDefinition><Sensor><EvaluationData><Values>"
    "<EvalData><Type>0</Type><Events><Event><Name>OnReach</Name></Event></Events></EvalData>"
    "<EvalData><Type>2</Type><Script><Language>VBScript</Language></Script></EvalData>"
    "</Values></EvaluationData></Sensor></FreeDefinition><Languages>"
    "<Language Default=\"1\"><Description>d</Description></Language></Languages>"
    "</JobDefinition>";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    const std::size_t newline = input.find('\n');
    const std::string_view pathText = input.substr(0, newline);
    const std::string_view documentText =
        newline == std::string_view::npos ? std::string_view() : input.substr(newline + 1);

    const QString path = QString::fromUtf8(pathText.data(), qsizetype(pathText.size()));
    XmlNode document = XmlNode::parse(
        QString::fromUtf8(documentText.data(), qsizetype(documentText.size())), nullptr);
    if (document.isNull())
        document = XmlNode::parse(QString::fromLatin1(fallbackDocument));

    try {
        const LocationPath parsed(path);
        (void)parsed.select(QDomNode());
    } catch (const Error &) {
        return 0;
    }
    // The document, then its nodes in document order (the first few hundred),
    // each as the context of the path.
    int contexts = 0;
    for (XmlNode node = document; !node.isNull() && contexts < 256; ++contexts) {
        try {
            (void)node.selectNodes(path);
            (void)node.selectSingleNode(path);
        } catch (const Error &) {
        }
        if (node.hasChildNodes()) {
            node = node.firstChild();
            continue;
        }
        while (!node.isNull() && node.nextSibling().isNull())
            node = node.parentNode();
        if (!node.isNull())
            node = node.nextSibling();
    }
    return 0;
}
