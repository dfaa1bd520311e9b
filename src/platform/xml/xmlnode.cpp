#include "xmlnode.h"

#include "errorcore/error.h"
#include "domtext.h"
#include "locationpath.h"
#include "xmlfile.h"
#include "xmlreader.h"
#include "xmlwriter.h"


namespace {

bool isXmlName(const QString &name)
{
    if (name.isEmpty())
        return false;
    const QChar first = name.front();
    if (!(first.isLetter() || first == u'_' || first == u':'))
        return false;
    for (QChar c : name) {
        if (!(c.isLetterOrNumber() || c == u'_' || c == u':' || c == u'-' || c == u'.' || c.isMark()
              || c == QChar(0xB7)))
            return false;
    }
    return true;
}

void requireName(const QString &name, const char *what)
{
    if (!isXmlName(name)) {
        throw Error(5, QStringLiteral("Invalid procedure call or argument: \"%1\" is not a valid %2 name")
                           .arg(name, QLatin1String(what)));
    }
}

[[noreturn]] void raiseParseError(const XmlParseError &error, const QString &where)
{
    throw Error(error.code, error.reason, where);
}

[[noreturn]] void cannotAppend(const QString &why)
{
    throw Error(5, QStringLiteral("Invalid procedure call or argument: %1").arg(why));
}

bool isTextLike(QDomNode::NodeType type)
{
    return type == QDomNode::TextNode || type == QDomNode::CDATASectionNode || type == QDomNode::CommentNode
        || type == QDomNode::ProcessingInstructionNode;
}

} // namespace

QString XmlParseError::location() const
{
    if (line <= 0)
        return QString();
    return QStringLiteral("line %1, column %2").arg(line).arg(column);
}

XmlNode::XmlNode(const QDomNode &node)
    : m_doc(node.ownerDocument())
    , m_node(node)
{
}

XmlNode::XmlNode(const QDomNode &node, const QDomDocument &doc)
    : m_doc(doc)
    , m_node(node)
{
}

void XmlNode::requireNode() const
{
    if (m_node.isNull())
        throw Error::fromNumber(91);
}

XmlNode XmlNode::newDocument()
{
    const QDomDocument document{QDomDocumentType()};
    return XmlNode(document, document);
}

XmlNode XmlNode::parse(const QString &text, XmlParseError *error, qint64 fileBytes)
{
    const QDomDocument document = xmlreader::read(text, error, fileBytes);
    if (document.isNull())
        return XmlNode();
    return XmlNode(document, document);
}

XmlNode XmlNode::parse(const QString &text)
{
    XmlParseError error;
    const XmlNode document = parse(text, &error);
    if (document.isNull())
        raiseParseError(error, error.location());
    return document;
}

XmlNode XmlNode::load(const QString &path, XmlParseError *error)
{
    XmlParseError local;
    XmlParseError &result = error ? *error : local;
    result = XmlParseError();
    xmlfile::Text file;
    try {
        file = xmlfile::read(path);
    } catch (const Error &failure) {
        result.code = int(failure.number);
        result.reason = failure.description;
        return XmlNode();
    }
    return parse(file.text, &result, file.fileBytes);
}

XmlNode XmlNode::load(const QString &path)
{
    XmlParseError error;
    const XmlNode document = load(path, &error);
    if (document.isNull()) {
        raiseParseError(error, error.line > 0 ? QStringLiteral("%1: %2").arg(path, error.location())
                                              : QString());
    }
    return document;
}

int XmlNode::nodeType() const
{
    requireNode();
    return int(m_node.nodeType());
}

QString XmlNode::nodeName() const
{
    requireNode();
    return m_node.nodeName();
}

XmlNode XmlNode::selectSingleNode(const QString &path) const
{
    requireNode();
    const QList<QDomNode> nodes = LocationPath(path).select(m_node);
    return nodes.isEmpty() ? XmlNode() : XmlNode(nodes.first());
}

QList<XmlNode> XmlNode::selectNodes(const QString &path) const
{
    requireNode();
    const QList<QDomNode> nodes = LocationPath(path).select(m_node);
    QList<XmlNode> result;
    result.reserve(nodes.size());
    for (const QDomNode &node : nodes)
        result.append(XmlNode(node));
    return result;
}

QString XmlNode::text() const
{
    requireNode();
    switch (m_node.nodeType()) {
    case QDomNode::CommentNode:
    case QDomNode::ProcessingInstructionNode:
    case QDomNode::AttributeNode:
        return m_node.nodeValue();
    case QDomNode::DocumentTypeNode:
        return QString();
    default:
        return descendantText(m_node);
    }
}

void XmlNode::setText(const QString &value)
{
    requireNode();
    if (isTextLike(m_node.nodeType()) || m_node.isAttr()) {
        m_node.setNodeValue(value);
        return;
    }
    if (!m_node.isElement()) {
        throw Error(5, QStringLiteral("Invalid procedure call or argument: the text of a %1 node cannot be set")
                           .arg(m_node.nodeName()));
    }
    while (m_node.hasChildNodes())
        m_node.removeChild(m_node.firstChild());
    if (!value.isEmpty())
        m_node.appendChild(m_node.ownerDocument().createTextNode(value));
}

XmlNode XmlNode::appendChild(const XmlNode &child)
{
    return insertBefore(child, XmlNode());
}

XmlNode XmlNode::insertBefore(const XmlNode &child, const XmlNode &before)
{
    requireNode();
    if (!before.isNull() && before.m_node.parentNode() != m_node)
        cannotAppend(QStringLiteral("the node to insert before is not a child of this node"));
    child.requireNode();
    if (before == child)
        return child;
    if (child.m_node.isDocument())
        cannotAppend(QStringLiteral("a document cannot be appended to another node"));
    const auto parentType = m_node.nodeType();
    if (isTextLike(parentType) || parentType == QDomNode::DocumentTypeNode || parentType == QDomNode::AttributeNode)
        cannotAppend(QStringLiteral("a %1 node cannot have children").arg(m_node.nodeName()));

    QDomDocument ownDocument = m_node.ownerDocument();
    QDomNode node = child.m_node;
    if (node.ownerDocument() != ownDocument) {
        node = ownDocument.importNode(node, true);
    } else {
        for (QDomNode up = m_node; !up.isNull(); up = up.parentNode()) {
            if (up == node)
                cannotAppend(QStringLiteral("a node cannot be appended under itself or its descendant"));
        }
    }
    if (m_node.isDocument()) {
        if (node.isText() || node.isEntityReference())
            cannotAppend(QStringLiteral("text cannot be a child of a document"));
        if (node.isElement() && !ownDocument.documentElement().isNull()
            && ownDocument.documentElement() != node)
            cannotAppend(QStringLiteral("a document can have only one document element"));
    }
    // A null reference puts the node first in QDom, not last.
    const QDomNode appended = before.isNull() ? m_node.appendChild(node) : m_node.insertBefore(node, before.m_node);
    if (appended.isNull())
        cannotAppend(QStringLiteral("a %1 node cannot be appended here").arg(node.nodeName()));
    return XmlNode(appended, ownDocument);
}

XmlNode XmlNode::removeChild(const XmlNode &child)
{
    requireNode();
    child.requireNode();
    if (child.m_node.parentNode() != m_node) {
        throw Error(5, QStringLiteral("Invalid procedure call or argument: the node to remove is not a child of "
                                      "this node"));
    }
    const QDomNode removed = m_node.removeChild(child.m_node);
    return XmlNode(removed, removed.ownerDocument());
}

XmlNode XmlNode::cloneNode(bool deep) const
{
    requireNode();
    // The DOM's own copy of a document drops the identifiers and the internal
    // subset of its document type: such a copy is made from the type as
    // written instead.
    const QDomDocumentType type = m_node.isDocument() ? m_node.toDocument().doctype() : QDomDocumentType();
    QDomDocument copy;
    if (!deep || type.isNull() || type.name().isEmpty()
        || !copy.setContent(xmlwriter::write(type, false) + QStringLiteral("<%1/>").arg(type.name())))
        return XmlNode(m_node.cloneNode(deep));
    // Only the type: comments of its internal subset stay in the subset.
    for (QDomNode child = copy.firstChild(); !child.isNull();) {
        const QDomNode next = child.nextSibling();
        if (!child.isDocumentType())
            copy.removeChild(child);
        child = next;
    }
    for (QDomNode child = m_node.firstChild(); !child.isNull(); child = child.nextSibling())
        if (!child.isDocumentType())
            copy.appendChild(copy.importNode(child, true));
    return XmlNode(copy, copy);
}

XmlNode XmlNode::firstChild() const
{
    requireNode();
    return XmlNode(m_node.firstChild());
}

XmlNode XmlNode::lastChild() const
{
    requireNode();
    return XmlNode(m_node.lastChild());
}

XmlNode XmlNode::previousSibling() const
{
    requireNode();
    return XmlNode(m_node.previousSibling());
}

XmlNode XmlNode::nextSibling() const
{
    requireNode();
    return XmlNode(m_node.nextSibling());
}

XmlNode XmlNode::parentNode() const
{
    requireNode();
    return XmlNode(m_node.parentNode());
}

QList<XmlNode> XmlNode::childNodes() const
{
    requireNode();
    QList<XmlNode> children;
    for (QDomNode child = m_node.firstChild(); !child.isNull(); child = child.nextSibling())
        children.append(XmlNode(child));
    return children;
}

bool XmlNode::hasChildNodes() const
{
    requireNode();
    return m_node.hasChildNodes();
}

XmlNode XmlNode::ownerDocument() const
{
    requireNode();
    const QDomDocument document = m_node.ownerDocument();
    return XmlNode(document, document);
}

XmlNode XmlNode::documentElement() const
{
    requireNode();
    const QDomDocument document = m_node.ownerDocument();
    return XmlNode(document.documentElement(), document);
}

XmlNode XmlNode::createElement(const QString &name) const
{
    requireNode();
    requireName(name, "element");
    QDomDocument document = m_node.ownerDocument();
    return XmlNode(document.createElement(name), document);
}

XmlNode XmlNode::createCDATASection(const QString &data) const
{
    requireNode();
    QDomDocument document = m_node.ownerDocument();
    return XmlNode(document.createCDATASection(data), document);
}

XmlNode XmlNode::createTextNode(const QString &data) const
{
    requireNode();
    QDomDocument document = m_node.ownerDocument();
    return XmlNode(document.createTextNode(data), document);
}

XmlNode XmlNode::createComment(const QString &data) const
{
    requireNode();
    QDomDocument document = m_node.ownerDocument();
    return XmlNode(document.createComment(data), document);
}

QString XmlNode::attribute(const QString &name) const
{
    requireNode();
    return m_node.isElement() ? m_node.toElement().attribute(name) : QString();
}

void XmlNode::setAttribute(const QString &name, const QString &value)
{
    requireNode();
    if (!m_node.isElement()) {
        throw Error(5, QStringLiteral("Invalid procedure call or argument: a %1 node has no attributes")
                           .arg(m_node.nodeName()));
    }
    requireName(name, "attribute");
    m_node.toElement().setAttribute(name, value);
}

QString XmlNode::xml(bool indent) const
{
    requireNode();
    return xmlwriter::write(m_node, indent);
}
