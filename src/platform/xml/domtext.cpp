#include "domtext.h"

namespace {

bool isCharacterData(const QDomNode &node)
{
    const auto type = node.nodeType();
    return type == QDomNode::TextNode || type == QDomNode::CDATASectionNode;
}

} // namespace

QString descendantText(const QDomNode &node)
{
    if (isCharacterData(node))
        return node.nodeValue();
    // A walk without recursion: down to the first child, else to the next
    // sibling, else up until an ancestor (below `node`) has one.
    QString text;
    QDomNode current = node.firstChild();
    while (!current.isNull()) {
        if (isCharacterData(current))
            text += current.nodeValue();
        if (current.hasChildNodes()) {
            current = current.firstChild();
            continue;
        }
        while (!current.isNull() && current != node && current.nextSibling().isNull())
            current = current.parentNode();
        if (current.isNull() || current == node)
            break;
        current = current.nextSibling();
    }
    return text;
}
