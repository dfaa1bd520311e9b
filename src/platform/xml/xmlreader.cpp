#include "xmlreader.h"

#include "doctypescan.h"
#include "readinglimits.h"

#include <QList>
#include <QSet>
#include <QXmlStreamReader>
#include <algorithm>

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
// taken from the head of the text.
QString declarationData(QStringView text, const QXmlStreamReader &reader)
{
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

// The external entities of the internal subset, which the stream reader
// would expand to nothing: their declarations are blanked out of the text it
// reads, and each reference to one, now undeclared, comes back as a
// processing instruction with a target the text does not hold, which the
// builder turns into an entity reference.
class ExternalEntities : public QXmlStreamEntityResolver
{
public:
    ExternalEntities(const QString &text, const DoctypeScan &scan)
        : m_names(scan.externalEntities.cbegin(), scan.externalEntities.cend())
    {
        m_target = QStringLiteral("vt-unread-entity");
        while (text.contains(QStringLiteral("<?") + m_target))
            m_target += u'-';
    }
    QString resolveUndeclaredEntity(const QString &name) override
    {
        return m_names.contains(name) ? QStringLiteral("<?%1 %2?>").arg(m_target, name) : QString();
    }
    bool isReference(QStringView target) const { return target == m_target; }
    bool isKnown(const QString &name) const { return m_names.contains(name); }

private:
    QSet<QString> m_names;
    QString m_target;
};

class Builder
{
public:
    Builder(QXmlStreamReader &reader, QStringView text, const DoctypeScan &scan, const ExternalEntities &entities,
            qint64 fileBytes)
        : m_reader(reader), m_source(text), m_scan(scan), m_entities(entities), m_fileBytes(fileBytes),
          m_budget(fileBytes < 0 ? -1 : readinglimits::budgetFor(fileBytes))
    {
    }

    QDomDocument run(XmlParseError *error);

private:
    void makeDocument();
    void append(const QDomNode &node);
    void flushText();
    void startElement();
    void endElement();
    void prologOrAppend(QXmlStreamReader::TokenType type, const QString &target, const QString &data);
    void addCharacters(QStringView text, bool cdata);
    // Counts a node of `length` characters; false (the reader stopped) past a limit.
    bool countCharacterNode(qsizetype length);
    bool withinLimits();
    void checkEntityDeclarations();
    // A comment or instruction of the internal subset: it stays in the subset.
    bool insideDoctype() const
    {
        const qint64 at = m_reader.characterOffset();
        return m_scan.begin >= 0 && !m_dtdSeen && at > m_scan.begin && at <= m_scan.end;
    }

    QXmlStreamReader &m_reader;
    QStringView m_source;
    const DoctypeScan &m_scan;
    const ExternalEntities &m_entities;
    qint64 m_fileBytes;
    qint64 m_budget;
    readinglimits::Tally m_tally;
    QDomDocument m_doc;
    // What is known of an open element's content. White space between its
    // children is formatting while it holds only elements (and comments,
    // instructions); once it holds text, CDATA or an entity reference it is
    // mixed content, where white space is text.
    struct Content
    {
        bool mixed = false;
        // Blanks seen while it was not mixed, each after the child it
        // followed (null: before the first child).
        QList<std::pair<QDomNode, QString>> blanks;
        // The last of them is on one line and follows an element: if an
        // element follows it too, it stands between two inline elements
        // ("<b>a</b> <i>b</i>") and is text.
        bool inlineBlank = false;
    };
    void keepBlanks(Content &content);

    QList<QDomNode> m_open;          // the document, then the open elements (not yet in it)
    QList<Content> m_content;        // beside m_open
    QList<PrologItem> m_prolog;
    bool m_dtdSeen = false;

    QString m_text;                  // character data not yet made a node
    bool m_hasText = false;
    bool m_textIsCData = false;
};

bool Builder::withinLimits()
{
    if (m_tally.elements() <= readinglimits::maxElements && (m_budget < 0 || m_tally.bytes() <= m_budget))
        return true;
    m_reader.raiseError(m_tally.excess(m_fileBytes));
    return false;
}

bool Builder::countCharacterNode(qsizetype length)
{
    m_tally.characterNode(length);
    return withinLimits();
}

// The document, once the document type (or its absence) is known. A type
// with an internal subset is made by the DOM's own parser from the
// declaration as written, which keeps the subset.
void Builder::makeDocument()
{
    if (!m_doc.isNull())
        return;
    if (m_dtdSeen && m_scan.begin >= 0 && m_scan.hasInternalSubset) {
        const QString name = m_reader.dtdName().toString();
        QDomDocument document;
        if (!document.setContent(m_scan.declaration(m_source).toString() + QStringLiteral("<%1/>").arg(name))) {
            m_reader.raiseError(QStringLiteral("The internal subset of the document type cannot be kept."));
            return;
        }
        // The subset's own comments and instructions stay in its text only.
        for (QDomNode child = document.firstChild(); !child.isNull();) {
            const QDomNode next = child.nextSibling();
            if (!child.isDocumentType())
                document.removeChild(child);
            child = next;
        }
        m_doc = document;
    } else if (m_dtdSeen) {
        m_doc = QDomDocument(QDomImplementation().createDocumentType(
            m_reader.dtdName().toString(), m_reader.dtdPublicId().toString(), m_reader.dtdSystemId().toString()));
    } else {
        m_doc = QDomDocument(QDomDocumentType());
    }
    m_open = {m_doc};
    m_content = {Content()};
    for (const PrologItem &item : std::as_const(m_prolog)) {
        countCharacterNode(item.target.size() + item.data.size());
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
    if (type == QXmlStreamReader::ProcessingInstruction && m_entities.isReference(target)) {
        if (countCharacterNode(data.size()))
            append(m_doc.createEntityReference(data));
        return;
    }
    if (!countCharacterNode(target.size() + data.size()))
        return;
    if (type == QXmlStreamReader::Comment)
        append(m_doc.createComment(data));
    else
        append(m_doc.createProcessingInstruction(target, data));
}

// Any node joining the innermost open element. Character data makes the
// element's content mixed: the blanks kept back so far become text nodes
// where they stood.
void Builder::append(const QDomNode &node)
{
    Content &content = m_content.last();
    content.inlineBlank = false;
    if (!content.mixed && (node.isText() || node.isCDATASection() || node.isEntityReference())) {
        content.mixed = true;
        keepBlanks(content);
    }
    m_open.last().appendChild(node);
}

void Builder::keepBlanks(Content &content)
{
    QDomNode element = m_open.last();
    for (const auto &[after, blank] : std::as_const(content.blanks)) {
        if (!countCharacterNode(blank.size()))
            return;
        const QDomText text = m_doc.createTextNode(blank);
        if (after.isNull())
            element.insertBefore(text, element.firstChild());
        else
            element.insertAfter(text, after);
    }
    content.blanks.clear();
}

// White space between elements is formatting and is dropped; in mixed
// content, or as an element's only content, it stays. A blank is made a node
// only once that is known, so a document that is mostly indentation costs
// little more than its elements.
void Builder::flushText()
{
    if (!m_hasText)
        return;
    const QString text = std::exchange(m_text, QString());
    const bool cdata = m_textIsCData;
    m_hasText = false;
    m_textIsCData = false;
    // Character data outside the root element can only be white space.
    if (m_open.size() < 2)
        return;
    Content &content = m_content.last();
    if (!cdata && isBlank(text) && !content.mixed) {
        const QDomNode after = m_open.last().lastChild();
        content.blanks.append({after, text});
        content.inlineBlank = after.isElement() && !text.contains(u'\n') && !text.contains(u'\r');
        return;
    }
    if (countCharacterNode(text.size()))
        append(cdata ? QDomNode(m_doc.createCDATASection(text)) : QDomNode(m_doc.createTextNode(text)));
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
    makeDocument();
    flushText();
    if (m_content.size() > 1 && m_content.last().inlineBlank) {
        m_content.last().mixed = true;
        keepBlanks(m_content.last());
    }
    const QString name = m_reader.qualifiedName().toString();
    m_tally.element(name.size());
    for (qsizetype i = 0; i < attributes.size(); ++i)
        m_tally.attribute(attributes[i].qualifiedName().size(), attributes[i].value().size(), i == 0);
    if (!withinLimits() || m_doc.isNull())
        return;
    QDomElement element = m_doc.createElement(name);
    for (const QXmlStreamAttribute &attribute : attributes)
        element.setAttribute(attribute.qualifiedName().toString(), attribute.value().toString());
    m_open.append(element);
    m_content.append(Content());
}

// An element joins its parent when it is complete. Appending a node costs as
// much as the chain of ancestors above the parent, and an open element is in
// no tree yet, so the chain stays short however deep the document is.
void Builder::endElement()
{
    flushText();
    Content &content = m_content.last();
    // White space as the only content is the element's text.
    if (!content.mixed && content.blanks.size() == 1 && !m_open.last().hasChildNodes())
        keepBlanks(content);
    m_content.removeLast();
    const QDomNode element = m_open.takeLast();
    append(element);
}

// An external entity the scan did not find (declared through a parameter
// entity, say) would be lost: such a document is refused.
void Builder::checkEntityDeclarations()
{
    for (const QXmlStreamEntityDeclaration &declaration : m_reader.entityDeclarations()) {
        const QString name = declaration.name().toString();
        if (!declaration.systemId().isEmpty() && declaration.notationName().isEmpty()
            && !m_entities.isKnown(name) && !m_scan.parameterEntities.contains(name)) {
            m_reader.raiseError(QStringLiteral("The external entity '%1' is declared in a way that cannot be kept.")
                                    .arg(name));
            return;
        }
    }
}

QDomDocument Builder::run(XmlParseError *error)
{
    while (!m_reader.atEnd()) {
        switch (m_reader.readNext()) {
        case QXmlStreamReader::StartDocument:
            if (!m_reader.documentVersion().isEmpty())
                m_prolog.append({QXmlStreamReader::ProcessingInstruction, QStringLiteral("xml"),
                                 declarationData(m_source.left(256), m_reader)});
            break;
        case QXmlStreamReader::DTD:
            m_dtdSeen = true;
            checkEntityDeclarations();
            makeDocument();
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
            if (!insideDoctype())
                prologOrAppend(QXmlStreamReader::Comment, QString(), m_reader.text().toString());
            break;
        case QXmlStreamReader::ProcessingInstruction:
            if (!insideDoctype())
                prologOrAppend(QXmlStreamReader::ProcessingInstruction,
                           m_reader.processingInstructionTarget().toString(),
                           m_reader.processingInstructionData().toString());
            break;
        case QXmlStreamReader::EntityReference:
            // An entity the reader could not resolve (declared outside the
            // document) stays a reference.
            flushText();
            if (countCharacterNode(m_reader.name().size()))
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

} // namespace

QDomDocument read(const QString &text, XmlParseError *error, qint64 fileBytes)
{
    if (tooManyAttributes(text.utf16(), text.size(), error))
        return QDomDocument();
    const DoctypeScan scan = scanDoctype(text);
    ExternalEntities entities(text, scan);
    QString readable;
    if (scan.begin >= 0 && !scan.externalDeclarations.isEmpty()) {
        // Blanked out, line breaks kept: the reader's lines and columns stay.
        readable = text;
        for (const auto &[first, second] : scan.externalDeclarations)
            for (qsizetype i = first; i < second; ++i)
                if (readable[i] != u'\n' && readable[i] != u'\r')
                    readable[i] = u' ';
    }
    QXmlStreamReader reader(readable.isNull() ? text : readable);
    reader.setNamespaceProcessing(false);
    reader.setEntityResolver(&entities);
    return Builder(reader, text, scan, entities, fileBytes).run(error);
}

} // namespace xmlreader
