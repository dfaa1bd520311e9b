#include "domtext.h"

#include "domwalk.h"

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
    QString text;
    for (QDomNode current = node.firstChild(); !current.isNull(); current = nextInTree(current, node)) {
        if (isCharacterData(current))
            text += current.nodeValue();
    }
    return text;
}
