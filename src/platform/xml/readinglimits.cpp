#include "readinglimits.h"

#include "domwalk.h"

#include <QDomNamedNodeMap>

namespace readinglimits {
namespace {

constexpr qint64 nodeBytes = 272;
constexpr qint64 characterBytes = 2;
constexpr qint64 attributeTableBytes = 2048;

} // namespace

qint64 budgetFor(qint64 fileBytes)
{
    return qMax(minimumBudget, bytesPerFileByte * fileBytes);
}

void Tally::element(qsizetype nameLength)
{
    ++m_elements;
    m_bytes += nodeBytes + characterBytes * nameLength;
}

void Tally::attribute(qsizetype nameLength, qsizetype valueLength, bool first)
{
    m_bytes += nodeBytes + characterBytes * (nameLength + valueLength) + (first ? attributeTableBytes : 0);
}

void Tally::characterNode(qsizetype length)
{
    m_bytes += nodeBytes + characterBytes * length;
}

QString Tally::excess(qint64 fileBytes) const
{
    if (m_elements > maxElements)
        return QStringLiteral("The document has more than %L1 elements.").arg(maxElements);
    if (fileBytes >= 0 && m_bytes > budgetFor(fileBytes))
        return QStringLiteral("The document would take more than %1 bytes of memory per byte of its file "
                              "(more than %L2 bytes for %L3).")
            .arg(bytesPerFileByte)
            .arg(budgetFor(fileBytes))
            .arg(fileBytes);
    return {};
}

Tally tallyOf(const QDomNode &tree)
{
    Tally tally;
    for (QDomNode node = tree; !node.isNull(); node = nextInTree(node, tree)) {
        if (node.isElement()) {
            tally.element(node.nodeName().size());
            const QDomNamedNodeMap attributes = node.attributes();
            for (int i = 0; i < attributes.count(); ++i) {
                const QDomNode attribute = attributes.item(i);
                tally.attribute(attribute.nodeName().size(), attribute.nodeValue().size(), i == 0);
            }
        } else if (!node.isDocument() && !node.isDocumentType()) {
            tally.characterNode(node.nodeValue().size() + node.nodeName().size());
        }
    }
    return tally;
}

} // namespace readinglimits
