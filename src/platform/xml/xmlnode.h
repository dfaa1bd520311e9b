#pragma once

#include "platform/xml/xmlparseerror.h"

#include <QDomDocument>
#include <QList>
#include <QString>

// A node of an XML document, after the DOM the job model is written against.
//
// Nodes are reference-counted: an XmlNode keeps its node and the document it
// belongs to alive, so a node removed from its parent (or a node created by a
// document that has since gone out of scope) stays usable for as long as it is
// referenced. Copies of an XmlNode refer to the same node.
//
// Failures raise Error (common/error.h):
//  - any operation that needs a node, called on a null XmlNode: 91;
//  - an ill-formed location path: 5, naming the path and what is wrong;
//  - a parse failure: the parse error's code, with its reason as description.
class XmlNode
{
public:
    // DOM node type codes.
    enum Type {
        Element = 1, Attribute = 2, Text = 3, CDATASection = 4, EntityReference = 5,
        Entity = 6, ProcessingInstruction = 7, Comment = 8, Document = 9,
        DocumentType = 10, DocumentFragment = 11, Notation = 12
    };

    XmlNode() = default;             // the null node ("nothing")
    explicit XmlNode(const QDomNode &node);   // a null QDomNode gives the null node

    // A new, empty document.
    static XmlNode newDocument();
    // Parses text into a new document node. Insignificant white space (a
    // white-space text between the children of an element that holds no
    // text) is dropped; white space in mixed content, or as an element's only
    // content, is kept. Adjacent CDATA sections, and
    // "&#13;" references between them, make one CDATA node. Raises on a parse failure:
    // number 31000 + the reader's error kind (31003 not well-formed, 31004
    // premature end, also for an empty text), description the reader's
    // reason, source "line L, column C".
    static XmlNode parse(const QString &text);
    // The same without raising: a failure gives the null node and fills
    // `error` (when given); success clears it. `fileBytes`, the size of the
    // file the text came from, limits the memory the tree may take
    // (xmlreader.h); -1 for a text from elsewhere.
    static XmlNode parse(const QString &text, XmlParseError *error, qint64 fileBytes = -1);
    // Reads a file (xmlfile::read: a regular file, decoded as XML says) and
    // parses it into a new document node; a file that cannot be read raises
    // its error: 53 "File not found", 75 when it exists but is not a regular
    // file or cannot be read, 7 when it is too large, 31003 for a byte that is
    // not valid in its encoding; each with the path in the description. A
    // parse failure raises as parse() does, with the path in front of the
    // position in the source.
    static XmlNode load(const QString &path);
    // The same without raising: the null node, and `error` filled (when given).
    static XmlNode load(const QString &path, XmlParseError *error);

    bool isNull() const { return m_node.isNull(); }
    explicit operator bool() const { return !isNull(); }
    // Same underlying node (not equal content); two null nodes are equal.
    bool operator==(const XmlNode &other) const { return m_node == other.m_node; }
    bool operator!=(const XmlNode &other) const { return !(*this == other); }

    int nodeType() const;            // one of Type; raises 91 on a null node
    QString nodeName() const;        // element/PI name, "#text", "#cdata-section", "#document", ...

    // Location paths, relative to this node: steps separated by "/", each step a
    // child element name (or "*", ".", "..") with at most one predicate
    // [Child='literal'] or [Child="literal"] comparing a child element's text.
    // A path beginning with "/" starts at the document. A node that matches
    // nothing gives a null XmlNode / an empty list; a malformed path raises 5.
    // Both raise 91 on a null node; results come in document order.
    XmlNode selectSingleNode(const QString &path) const;
    QList<XmlNode> selectNodes(const QString &path) const;

    // The concatenated text of all descendant text and CDATA nodes (for a text,
    // CDATA, comment or processing-instruction node, its own data; for an
    // attribute, its value; empty for a document type). 91 on a null node.
    QString text() const;
    // An element's children are replaced by one text node holding `value` (an
    // empty value leaves no child at all); a text, CDATA, comment or
    // processing-instruction node gets `value` as its data. 91 on a null node,
    // 5 for a node without text of its own (a document, a document type).
    void setText(const QString &value);

    // Appends `child` as the last child and returns the node now in the tree.
    // A node of this document is moved (it leaves any parent it had) and is
    // itself returned; a node of another document is imported as a deep copy,
    // and that copy is returned. 91 when this node or `child` is null; 5 when
    // `child` is this node or one of its ancestors, is a document, or cannot
    // go here (a child of a text-like node, a second document element, text
    // directly under a document).
    XmlNode appendChild(const XmlNode &child);
    // The same, with `child` put just before `before`, a child of this node
    // (5 when it is not); a null `before` appends.
    XmlNode insertBefore(const XmlNode &child, const XmlNode &before);
    // Removes `child` from this node and returns it; it stays alive and usable.
    // Raises 5 when `child` is not a child of this node, 91 when either is null.
    XmlNode removeChild(const XmlNode &child);
    // A copy with the same owner document, not in any tree; `deep` copies the
    // subtree too (a shallow copy of an element keeps its attributes). A copy
    // of a document is a new document; a deep one keeps the document type
    // whole (identifiers and internal subset). 91 on a null node.
    XmlNode cloneNode(bool deep) const;

    // Navigation: each gives the null node when there is no such node, and
    // raises 91 when called on a null node.
    XmlNode firstChild() const;
    XmlNode lastChild() const;
    XmlNode previousSibling() const;
    XmlNode nextSibling() const;
    XmlNode parentNode() const;      // null for a document and a removed node
    QList<XmlNode> childNodes() const;
    bool hasChildNodes() const;
    XmlNode ownerDocument() const;   // for a document node, the node itself
    XmlNode documentElement() const; // of this node's document; null when it has none

    // New nodes belonging to this node's document, not yet inserted anywhere.
    // 91 on a null node; createElement raises 5 for a name that is not an XML
    // name (empty, starting with a digit, holding a blank, ...).
    XmlNode createElement(const QString &name) const;
    XmlNode createCDATASection(const QString &data) const;
    XmlNode createTextNode(const QString &data) const;
    XmlNode createComment(const QString &data) const;

    // Attributes of an element (raises 91 on a null node). attribute() gives ""
    // for a missing attribute or a node that is not an element; setAttribute
    // raises 5 on a node that is not an element or for an invalid name.
    QString attribute(const QString &name) const;
    void setAttribute(const QString &name, const QString &value);

    // The node and its subtree as XML text. Written with QXmlStreamWriter: a
    // CDATA section holding "]]>" is split, and carriage returns are written
    // as "&#13;", so the text reads back unchanged (parse joins the pieces of a
    // split CDATA section into one node again).
    // `indent` adds line breaks and indentation between elements only: an
    // element with any text or CDATA child is written exactly as it is. A
    // document writes its XML declaration only when it has one, and puts a
    // line break between its top-level nodes. 91 on a null node.
    QString xml(bool indent = false) const;

    const QDomNode &domNode() const { return m_node; }

private:
    XmlNode(const QDomNode &node, const QDomDocument &doc);
    void requireNode() const;

    // m_doc is declared first so that it is released after the node: a node
    // outside any tree points at its document without holding it.
    QDomDocument m_doc;              // keeps the owning document alive
    QDomNode m_node;
};
