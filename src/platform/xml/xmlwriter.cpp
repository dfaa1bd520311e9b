#include "xmlwriter.h"

#include "errorcore/error.h"

#include <QDomDocument>
#include <QList>
#include <QXmlStreamWriter>
#include <algorithm>
#include <utility>

namespace xmlwriter {
namespace {

constexpr int IndentWidth = 2;

bool isXmlCharacter(char16_t c)
{
    return c >= 0x20 ? c != 0xFFFE && c != 0xFFFF : c == u'\t' || c == u'\n' || c == u'\r';
}

// The data without the characters XML cannot carry (control characters but
// tab and line breaks, U+FFFE, U+FFFF, unpaired surrogates). Qt 6.4's stream
// writer drops some of them from text and writes CDATA as it is; later
// versions refuse them: filtering here keeps the output the same.
QString xmlCharactersOnly(const QString &data)
{
    QString kept;
    kept.reserve(data.size());
    bool dropped = false;
    for (qsizetype i = 0; i < data.size(); ++i) {
        const QChar c = data.at(i);
        if (c.isHighSurrogate() && i + 1 < data.size() && data.at(i + 1).isLowSurrogate()) {
            kept += c;
            kept += data.at(++i);
        } else if (!c.isSurrogate() && isXmlCharacter(c.unicode())) {
            kept += c;
        } else {
            dropped = true;
        }
    }
    return dropped ? kept : data;
}

QString safeComment(QString data)
{
    data = xmlCharactersOnly(data);
    while (data.contains(u"--"))
        data.replace(QLatin1String("--"), QLatin1String("- -"));
    if (data.endsWith(u'-'))
        data += u' ';
    return data;
}

QString doctypeText(const QDomDocumentType &type)
{
    QString text = QStringLiteral("<!DOCTYPE ") + type.name();
    if (!type.publicId().isEmpty())
        text += QStringLiteral(" PUBLIC \"%1\" \"%2\"").arg(type.publicId(), type.systemId());
    else if (!type.systemId().isEmpty())
        text += QStringLiteral(" SYSTEM \"%1\"").arg(type.systemId());
    if (!type.internalSubset().isEmpty())
        text += QStringLiteral(" [%1]").arg(type.internalSubset());
    return text + u'>';
}

// An attribute on its own, as name="value".
QString attributeText(const QDomAttr &attribute)
{
    QString value;
    for (QChar c : xmlCharactersOnly(attribute.value())) {
        switch (c.unicode()) {
        case '&': value += QStringLiteral("&amp;"); break;
        case '<': value += QStringLiteral("&lt;"); break;
        case '>': value += QStringLiteral("&gt;"); break;
        case '"': value += QStringLiteral("&quot;"); break;
        case '\t': value += QStringLiteral("&#9;"); break;
        case '\n': value += QStringLiteral("&#10;"); break;
        case '\r': value += QStringLiteral("&#13;"); break;
        default: value += c;
        }
    }
    return QStringLiteral("%1=\"%2\"").arg(attribute.name(), value);
}

// True when indenting the children of `node` cannot change any text: it has
// children and none of them is character data.
bool elementOnly(const QDomNode &node)
{
    if (!node.hasChildNodes())
        return false;
    for (QDomNode child = node.firstChild(); !child.isNull(); child = child.nextSibling()) {
        const auto type = child.nodeType();
        if (type == QDomNode::TextNode || type == QDomNode::CDATASectionNode
            || type == QDomNode::EntityReferenceNode)
            return false;
    }
    return true;
}

class Writer
{
public:
    Writer(bool indent, const Encodable &encodable)
        : m_writer(&m_out), m_indent(indent), m_encodable(encodable) {}

    QString result()
    {
        // The writer closes "<name/>" only when something follows it.
        m_writer.writeCharacters(QString());
        return m_out;
    }
    void writeDocument(const QDomDocument &document, const QString &declaration);
    void writeChildren(const QDomNode &parent);
    void writeSubtree(const QDomNode &top);
    void writeAttribute(const QDomAttr &attribute) { m_out += attributeText(attribute); }

private:
    struct Open
    {
        QDomNode node;
        bool formatted;              // children on lines of their own
    };

    void writeStartTag(const QDomElement &element, bool empty);
    void writeLeaf(const QDomNode &node);
    void writeCData(const QString &data);
    void writeCharacterData(const QString &data, bool cdata);
    void lineBreak(qsizetype depth);
    // Raises 5 when `text` holds a character the output cannot hold: there
    // is no reference for it where `what` stands.
    const QString &requireEncodable(const QString &text, const char *what) const;
    bool needsReference(char32_t c) const { return c == u'\r' || (m_encodable && !m_encodable(c)); }

    QString m_out;
    QXmlStreamWriter m_writer;
    bool m_indent;
    const Encodable &m_encodable;
};

const QString &Writer::requireEncodable(const QString &text, const char *what) const
{
    if (!m_encodable)
        return text;
    for (const char32_t c : text.toUcs4()) {
        if (!m_encodable(c))
            throw Error(5, QStringLiteral("The character U+%1 in %2 \"%3\" cannot be written in this encoding")
                               .arg(QString::number(uint(c), 16).toUpper().rightJustified(4, u'0'),
                                    QLatin1String(what), text.left(40)));
    }
    return text;
}

void Writer::lineBreak(qsizetype depth)
{
    m_writer.writeCharacters(u'\n' + QString(depth * IndentWidth, u' '));
}

void Writer::writeStartTag(const QDomElement &element, bool empty)
{
    if (empty)
        m_writer.writeEmptyElement(requireEncodable(element.tagName(), "the element name"));
    else
        m_writer.writeStartElement(requireEncodable(element.tagName(), "the element name"));
    const QDomNamedNodeMap map = element.attributes();
    QList<std::pair<QString, QString>> attributes;
    attributes.reserve(map.count());
    for (int i = 0; i < map.count(); ++i) {
        const QDomAttr attribute = map.item(i).toAttr();
        attributes.append({attribute.name(), attribute.value()});
    }
    std::sort(attributes.begin(), attributes.end());
    for (const auto &[name, value] : std::as_const(attributes))
        m_writer.writeAttribute(requireEncodable(name, "the attribute name"),
                                requireEncodable(xmlCharactersOnly(value), "the attribute value"));
}

// Character data with its carriage returns, and the characters the output
// cannot hold, written as references ("&#13;"): a parser turns a literal
// carriage return into a line feed, inside a CDATA section too. The reader
// joins the pieces of a CDATA section split by carriage returns again.
void Writer::writeCharacterData(const QString &text, bool cdata)
{
    const QString data = xmlCharactersOnly(text);
    qsizetype from = 0;
    bool wrote = false;
    const auto writePiece = [&](qsizetype end) {
        if (end > from) {
            const QString piece = data.mid(from, end - from);
            cdata ? writeCData(piece) : m_writer.writeCharacters(piece);
            wrote = true;
        }
    };
    for (qsizetype i = 0; i < data.size(); ++i) {
        const bool pair = data.at(i).isHighSurrogate() && i + 1 < data.size();
        const char32_t c = pair ? QChar::surrogateToUcs4(data.at(i), data.at(i + 1)) : data.at(i).unicode();
        if (!needsReference(c)) {
            i += pair ? 1 : 0;
            continue;
        }
        writePiece(i);
        m_writer.writeEntityReference(u'#' + QString::number(uint(c)));
        wrote = true;
        i += pair ? 1 : 0;
        from = i + 1;
    }
    writePiece(data.size());
    if (!wrote)
        cdata ? writeCData(QString()) : m_writer.writeCharacters(QString());
}

void Writer::writeCData(const QString &data)
{
    // "]]>" would end the section: close it after "]]" and open a new one
    // for ">". Done here so the output does not depend on the Qt version.
    qsizetype from = 0;
    for (qsizetype at = data.indexOf(u"]]>"); at >= 0; at = data.indexOf(u"]]>", from)) {
        m_writer.writeCDATA(data.mid(from, at + 2 - from));
        from = at + 2;
    }
    m_writer.writeCDATA(data.mid(from));
}

void Writer::writeLeaf(const QDomNode &node)
{
    switch (node.nodeType()) {
    case QDomNode::ElementNode:
        writeStartTag(node.toElement(), true);
        break;
    case QDomNode::TextNode:
        writeCharacterData(node.nodeValue(), false);
        break;
    case QDomNode::CDATASectionNode:
        writeCharacterData(node.nodeValue(), true);
        break;
    case QDomNode::CommentNode:
        m_writer.writeComment(requireEncodable(safeComment(node.nodeValue()), "a comment"));
        break;
    case QDomNode::ProcessingInstructionNode: {
        QString data = xmlCharactersOnly(node.toProcessingInstruction().data());
        data.replace(QLatin1String("?>"), QLatin1String("? >"));
        m_writer.writeProcessingInstruction(requireEncodable(node.nodeName(), "a processing instruction"),
                                            requireEncodable(data, "a processing instruction"));
        break;
    }
    case QDomNode::EntityReferenceNode:
        m_writer.writeEntityReference(node.nodeName());
        break;
    case QDomNode::DocumentTypeNode:
        m_writer.writeDTD(requireEncodable(doctypeText(node.toDocumentType()), "the document type"));
        break;
    case QDomNode::AttributeNode:
        writeAttribute(node.toAttr());
        break;
    default:
        break;                       // entities and notations: nothing
    }
}

void Writer::writeSubtree(const QDomNode &top)
{
    // A walk in document order with a stack of the open elements, so that a
    // deep document cannot exhaust the call stack.
    QList<Open> open;
    QDomNode node = top;
    for (;;) {
        if (!open.isEmpty() && open.last().formatted)
            lineBreak(open.size());
        if (node.isElement() && node.hasChildNodes()) {
            writeStartTag(node.toElement(), false);
            // Inside text content nothing is indented, however deep.
            const bool formatted = m_indent && (open.isEmpty() || open.last().formatted) && elementOnly(node);
            open.append({node, formatted});
            node = node.firstChild();
            continue;
        }
        writeLeaf(node);
        for (;;) {
            if (node == top)
                return;
            const QDomNode next = node.nextSibling();
            if (!next.isNull()) {
                node = next;
                break;
            }
            const Open closed = open.takeLast();
            if (closed.formatted)
                lineBreak(open.size());
            m_writer.writeEndElement();
            node = closed.node;
        }
    }
}

void Writer::writeChildren(const QDomNode &parent)
{
    for (QDomNode child = parent.firstChild(); !child.isNull(); child = child.nextSibling())
        writeSubtree(child);
}

void Writer::writeDocument(const QDomDocument &document, const QString &declaration)
{
    bool first = true;
    const auto separate = [&] {
        if (!first)
            m_writer.writeCharacters(QStringLiteral("\n"));
        first = false;
    };
    const QDomDocumentType type = document.doctype();
    bool typePending = !type.isNull() && !type.name().isEmpty();
    QDomNode child = document.firstChild();
    if (!declaration.isEmpty()) {
        separate();
        m_writer.writeProcessingInstruction(QStringLiteral("xml"), requireEncodable(declaration, "the XML declaration"));
        if (child.isProcessingInstruction() && child.nodeName() == QLatin1String("xml"))
            child = child.nextSibling();
    }
    for (; !child.isNull(); child = child.nextSibling()) {
        if (typePending && child.isElement()) {
            separate();
            writeLeaf(type);
            typePending = false;
        }
        separate();
        writeSubtree(child);
    }
    if (typePending) {
        separate();
        writeLeaf(type);
    }
}

} // namespace

QString write(const QDomNode &node, bool indent, const Encodable &encodable, const QString &declaration)
{
    Writer writer(indent, encodable);
    if (node.isDocument())
        writer.writeDocument(node.toDocument(), declaration);
    else if (node.isDocumentFragment())
        writer.writeChildren(node);
    else
        writer.writeSubtree(node);
    return writer.result();
}

} // namespace xmlwriter
