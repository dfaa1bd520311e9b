#pragma once

#include <QDomNode>

// A walk of a DOM tree without recursion, in document order: the node after
// `node` below `root` — its first child, else its next sibling, else the next
// sibling of its nearest ancestor below `root` that has one; null after the
// last. Starting at `root` itself visits `root` and then all below it.
inline QDomNode nextInTree(QDomNode node, const QDomNode &root)
{
    if (node.hasChildNodes())
        return node.firstChild();
    while (!node.isNull() && node != root && node.nextSibling().isNull())
        node = node.parentNode();
    if (node.isNull() || node == root)
        return QDomNode();
    return node.nextSibling();
}
