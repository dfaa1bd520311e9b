#include "xmlreader.h"

#include <QList>
#include <algorithm>
#include <QXmlStreamReader>

namespace xmlreader {
namespace {

// No job comes near these; documents beyond them are refused before they
// cost time.
constexpr qsizetype maxDepth = 1000;
constexpr qsizetype maxAttributes = 1000;

// The stream reader compares every attribute of an element with the ones
// before it, so an element with very many attributes costs time before the
// builder sees it. This scan runs first: it finds a tag holding more than
// maxAttributes "=" outside quotes (each attribute has one, and an "=" in a
// tag that is not an attribute's makes the text ill-formed anyway), skipping
// comments, CDATA sections, processing instructions and declarations. It
// works on the characters of the text or the bytes of an ASCII-compatible
// encoding alike: the markup characters are single units in both. True, and
// `error` filled with the tag's place, when such a tag is found.
template <class Unit>
bool tooManyAttributes(const Unit *text, qsizetype size, XmlParseError *error)
{
    const auto at = [&](qsizetype i, const char *literal) {
        for (qsizetype k = 0; literal[k]; ++k)
            if (i + k >= size || text[i + k] != Unit(literal[k]))
                return false;
        return true;
    };
    const auto skipTo = [&](qsizetype i, const char *end) {
        while (i < size && !at(i, end))
            ++i;
        return i;
    };
    int line = 1;
    qsizetype lineStart = 0;
    const auto countLines = [&](qsizetype from, qsizetype to) {
        for (qsizetype k = from; k < to && k < size; ++k)
            if (text[k] == Unit('\n')) {
                ++line;
                lineStart = k + 1;
            }
    };
    qsizetype i = 0;
    while (i < size) {
        if (text[i] != Unit('<')) {
            countLines(i, i + 1);
            ++i;
            continue;
        }
        qsizetype end;
        if (at(i, "<!--"))
            end = skipTo(i + 4, "-->");
        else if (at(i, "<![CDATA["))
            end = skipTo(i + 9, "]]>");
        else if (at(i, "<?"))
            end = skipTo(i + 2, "?>");
        else if (at(i, "<!"))
            end = skipTo(i + 2, ">");
        else {
            const int tagLine = line;
            const qsizetype tagColumn = i - lineStart + 1;
            qsizetype equals = 0;
            Unit quote = 0;
            for (end = i + 1; end < size; ++end) {
                const Unit c = text[end];
                if (quote) {
                    if (c == quote)
                        quote = 0;
                } else if (c == Unit('"') || c == Unit('\'')) {
                    quote = c;
                } else if (c == Unit('=')) {
                    ++equals;
                } else if (c == Unit('>') || c == Unit('<')) {
                    break;
                }
            }
            if (equals > maxAttributes) {
                if (error) {
                    error->code = 31000 + int(QXmlStreamReader::CustomError);
                    error->line = tagLine;
                    error->column = int(tagColumn);
                    error->reason = QStringLiteral("An element has more than %1 attributes.").arg(maxAttributes);
                }
                return true;
            }
        }
        countLines(i, end);
        i = end + 1;
    }
    return false;
}

bool isBlank(QStringView text)
{
    for (QChar c : text) {
        if (c != u' ' && c != u'\t' && c != u'\n' && c != u'\r')
            return false;
    }
    return true;
}

bool onlyCarriageReturns(QStringView text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c == u'\r'; });
}

// The data of the XML declaration as written ("version='1.0' encoding=..."),
// taken from the head of the source; `head` is empty when the source is not
// in an ASCII-compatible encoding, and the data is then rebuilt.
QString declarationData(const QString &head, const QXmlStreamReader &reader)
{
    QStringView text(head);
    if (text.startsWith(QChar(0xFEFF)))
        text = text.mid(1);
    if (text.startsWith(u"<?xml")) {
        const qsizetype end = text.indexOf(u"?>");
        if (end > 5)
            return text.mid(5, end - 5).trimmed().toString();
    }
    QString data = QStringLiteral("version=\"%1\"").arg(reader.documentVersion());
    if (!reader.documentEncoding().isEmpty())
        data += QStringLiteral(" encoding=\"%1\"").arg(reader.documentEncoding());
    if (reader.isStandaloneDocument())
        data += QStringLiteral(" standalone=\"yes\"");
    return data;
}

// A comment or processing instruction seen before the document exists (the
// document is made when the document type or the root element shows whether
// it has a document type).
struct PrologItem
{
    QXmlStreamReader::TokenType type;
    QString target;
    QString data;
};

class Builder
{
public:
    Builder(QXmlStreamReader &reader, QString head)
        : m_reader(reader), m_head(std::move(head)) {}

    QDomDocument run(XmlParseError *error);

private:
    void makeDocument(const QDomDocumentType &type);
    void append(const QDomNode &node);
    void flushText();
    void dropBlankText(QDomNode parent);
    void startElement();
    void endElement();
    void prologOrAppend(QXmlStreamReader::TokenType type, const QString &target, const QString &data);

    QXmlStreamReader &m_reader;
    QString m_head;
    QDomDocument m_doc;
    QList<QDomNode> m_open;          // the document, then the open elements (not yet in it)
    QList<PrologItem> m_prolog;
    void addCharacters(QStringView text, bool cdata);

    QString m_text;                  // character data not yet made a node
    bool m_hasText = false;
    bool m_textIsCData = false;
};

void Builder::makeDocument(const QDomDocumentType &type)
{
    if (!m_doc.isNull())
        return;
    m_doc = QDomDocument(type);
    m_open = {m_doc};
    for (const PrologItem &item : std::as_const(m_prolog)) {
        if (item.type == QXmlStreamReader::Comment)
            m_doc.appendChild(m_doc.createComment(item.data));
        else
            m_doc.appendChild(m_doc.createProcessingInstruction(item.target, item.data));
    }
    m_prolog.clear();
}

void Builder::prologOrAppend(QXmlStreamReader::TokenType type, const QString &target, const QString &data)
{
    if (m_doc.isNull()) {
        m_prolog.append({type, target, data});
        return;
    }
    flushText();
    if (type == QXmlStreamReader::Comment)
        append(m_doc.createComment(data));
    else
        append(m_doc.createProcessingInstruction(target, data));
}

void Builder::append(const QDomNode &node)
{
    m_open.last().appendChild(node);
}

void Builder::flushText()
{
    if (!m_hasText)
        return;
    // Character data outside the root element can only be white space.
    if (m_open.size() > 1)
        append(m_textIsCData ? QDomNode(m_doc.createCDATASection(m_text)) : QDomNode(m_doc.createTextNode(m_text)));
    m_text.clear();
    m_hasText = false;
    m_textIsCData = false;
}

// Adjacent CDATA sections make one CDATA node: the writer splits a section at
// "]]>", and writes a carriage return (which a parser turns into a line feed
// when it stands in the text) as the reference "&#13;" between two sections.
// So a run of carriage returns next to a CDATA section belongs to it.
void Builder::addCharacters(QStringView text, bool cdata)
{
    if (m_hasText && cdata != m_textIsCData) {
        const bool joins = cdata ? onlyCarriageReturns(m_text) : onlyCarriageReturns(text);
        if (!joins)
            flushText();
    }
    if (cdata)
        m_textIsCData = true;
    else if (!m_hasText)
        m_textIsCData = false;
    m_text += text;
    m_hasText = true;
}

void Builder::dropBlankText(QDomNode parent)
{
    QDomNode child = parent.firstChild();
    if (child.isNull() || child == parent.lastChild())
        return;                      // no child, or an only child: kept
    while (!child.isNull()) {
        const QDomNode next = child.nextSibling();
        if (child.nodeType() == QDomNode::TextNode && isBlank(child.nodeValue()))
            parent.removeChild(child);
        child = next;
    }
}

void Builder::startElement()
{
    const QXmlStreamAttributes attributes = m_reader.attributes();
    if (m_open.size() > maxDepth) {   // the document, then maxDepth elements
        m_reader.raiseError(QStringLiteral("Elements are nested deeper than %1 levels.").arg(maxDepth));
        return;
    }
    if (attributes.size() > maxAttributes) {
        m_reader.raiseError(QStringLiteral("An element has more than %1 attributes.").arg(maxAttributes));
        return;
    }
    makeDocument(QDomDocumentType());
    flushText();
    QDomElement element = m_doc.createElement(m_reader.qualifiedName().toString());
    for (const QXmlStreamAttribute &attribute : attributes)
        element.setAttribute(attribute.qualifiedName().toString(), attribute.value().toString());
    m_open.append(element);
}

// An element joins its parent when it is complete. Appending a node costs as
// much as the chain of ancestors above the parent, and an open element is in
// no tree yet, so the chain stays short however deep the document is.
void Builder::endElement()
{
    flushText();
    dropBlankText(m_open.last());
    const QDomNode element = m_open.takeLast();
    append(element);
}

QDomDocument Builder::run(XmlParseError *error)
{
    while (!m_reader.atEnd()) {
        switch (m_reader.readNext()) {
        case QXmlStreamReader::StartDocument:
            if (!m_reader.documentVersion().isEmpty())
                m_prolog.append({QXmlStreamReader::ProcessingInstruction, QStringLiteral("xml"),
                                 declarationData(m_head, m_reader)});
            break;
        case QXmlStreamReader::DTD:
            makeDocument(QDomImplementation().createDocumentType(m_reader.dtdName().toString(),
                                                                m_reader.dtdPublicId().toString(),
                                                                m_reader.dtdSystemId().toString()));
            break;
        case QXmlStreamReader::StartElement:
            startElement();
            break;
        case QXmlStreamReader::EndElement:
            endElement();
            break;
        case QXmlStreamReader::Characters:
            if (m_reader.isCDATA()) {
                if (m_open.size() < 2)
                    break;           // the reader rejects it; never reached
                addCharacters(m_reader.text(), true);
            } else if (!m_doc.isNull()) {
                addCharacters(m_reader.text(), false);
            }
            break;
        case QXmlStreamReader::Comment:
            prologOrAppend(QXmlStreamReader::Comment, QString(), m_reader.text().toString());
            break;
        case QXmlStreamReader::ProcessingInstruction:
            prologOrAppend(QXmlStreamReader::ProcessingInstruction,
                           m_reader.processingInstructionTarget().toString(),
                           m_reader.processingInstructionData().toString());
            break;
        case QXmlStreamReader::EntityReference:
            // An entity the reader could not resolve (declared outside the
            // document) stays a reference.
            flushText();
            append(m_doc.createEntityReference(m_reader.name().toString()));
            break;
        default:
            break;
        }
    }
    if (m_reader.hasError() || m_doc.isNull()) {
        if (error) {
            const bool premature = !m_reader.hasError();
            error->code = 31000 + (premature ? int(QXmlStreamReader::PrematureEndOfDocumentError)
                                             : int(m_reader.error()));
            error->line = int(m_reader.lineNumber());
            error->column = int(m_reader.columnNumber());
            error->reason = premature ? QStringLiteral("Premature end of document.") : m_reader.errorString();
        }
        return QDomDocument();
    }
    flushText();
    if (error)
        *error = XmlParseError();
    return m_doc;
}

QDomDocument readWith(QXmlStreamReader &reader, const QString &head, XmlParseError *error)
{
    reader.setNamespaceProcessing(false);
    return Builder(reader, head).run(error);
}

} // namespace

QDomDocument read(const QString &text, XmlParseError *error)
{
    if (tooManyAttributes(text.utf16(), text.size(), error))
        return QDomDocument();
    QXmlStreamReader reader(text);
    return readWith(reader, text.left(256), error);
}

QDomDocument read(const QByteArray &data, XmlParseError *error)
{
    if (tooManyAttributes(reinterpret_cast<const unsigned char *>(data.constData()), data.size(), error))
        return QDomDocument();
    // The declaration is ASCII in every ASCII-compatible encoding; for the
    // others (UTF-16, UTF-32) it is rebuilt from what the reader reports.
    QByteArray head = data.left(256);
    if (head.startsWith("\xEF\xBB\xBF"))
        head.remove(0, 3);
    QXmlStreamReader reader(data);
    return readWith(reader, head.startsWith("<?xml") ? QString::fromLatin1(head) : QString(), error);
}

} // namespace xmlreader
