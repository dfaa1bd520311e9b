#include "documentjobdata.h"

#include "errorcore/error.h"

#include <QRegularExpression>

namespace hostkit {
namespace {

struct HostSettings {
    QString interfaceLanguage = QStringLiteral("en");
    QString logText;
};

HostSettings &settings()
{
    static HostSettings instance;
    return instance;
}

// A literal in the quotes it does not hold.
QString quotedLiteral(const QString &text)
{
    const QChar quote = text.contains(QLatin1Char('"')) ? QLatin1Char('\'') : QLatin1Char('"');
    return quote + text + quote;
}

bool isXmlDeclaration(const XmlNode &node)
{
    return node.nodeType() == XmlNode::ProcessingInstruction
        && node.nodeName().compare(QLatin1String("xml"), Qt::CaseInsensitive) == 0;
}

// The loaded document's XML declaration as it was written (quotes, version,
// standalone), naming UTF-8, the encoding of the text the job is handed back
// in: a host writes the file in its own encoding and names that. None when
// the loaded document had none; the usual one for a job that was not loaded.
QString declarationOf(const XmlNode &loaded)
{
    if (loaded.isNull())
        return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    const XmlNode first = loaded.firstChild();
    if (first.isNull() || !isXmlDeclaration(first))
        return QString();
    static const QRegularExpression named(QStringLiteral("(\\sencoding\\s*=\\s*)([\"'])[^\"']*\\2"));
    QString data = first.domNode().toProcessingInstruction().data();
    data.replace(named, QStringLiteral("\\1\\2UTF-8\\2"));
    return QStringLiteral("<?xml %1?>").arg(data);
}

// A document that holds only the XML declaration and, when the loaded
// document has one, its document type (name, identifiers, internal subset):
// a reference to an entity it declares then still reads back.
XmlNode declaredDocument(const XmlNode &loaded)
{
    QString doctype;
    const QDomDocumentType type = loaded.isNull() ? QDomDocumentType() : loaded.domNode().toDocument().doctype();
    if (!type.isNull() && !type.name().isEmpty()) {
        doctype = QStringLiteral("<!DOCTYPE ") + type.name();
        if (!type.publicId().isEmpty())
            doctype += QStringLiteral(" PUBLIC ") + quotedLiteral(type.publicId()) + QLatin1Char(' ')
                + quotedLiteral(type.systemId());
        else if (!type.systemId().isEmpty())
            doctype += QStringLiteral(" SYSTEM ") + quotedLiteral(type.systemId());
        // The internal subset declares the external entities the job still refers to.
        if (!type.internalSubset().isEmpty())
            doctype += QStringLiteral(" [") + type.internalSubset() + QLatin1Char(']');
        doctype += QLatin1Char('>');
    }
    const QString text = declarationOf(loaded) + doctype + QStringLiteral("<JobDefinition/>");
    XmlParseError error;
    XmlNode document = XmlNode::parse(text, &error);
    if (document.isNull())
        return declaredDocument(XmlNode());
    document.removeChild(document.documentElement());
    return document;
}

} // namespace

void DocumentJobData::LoadData(const QString &pData)
{
    passing(" JobData.LoadData() ", [&] {
        XmlNode document = XmlNode::parse(pData);
        m_document = document;
        m_text = pData;
    });
}

XmlNode DocumentJobData::GetDocument() const
{
    return m_document;
}

QString DocumentJobData::GetInterfaceLanguage() const
{
    return m_interfaceLanguage.isEmpty() ? defaultInterfaceLanguage() : m_interfaceLanguage;
}

QString DocumentJobData::GetLogText() const
{
    if (!m_logText.isEmpty())
        return m_logText;
    if (!defaultLogText().isEmpty())
        return defaultLogText();
    if (m_document.isNull())
        return {};
    const XmlNode job = m_document.selectSingleNode(QStringLiteral("JobDefinition"));
    if (job.isNull())
        return {};
    const XmlNode name = job.selectSingleNode(QStringLiteral("Definition/Properties/Name"));
    const XmlNode description = job.selectSingleNode(
        QStringLiteral("Definition/Properties/Description/Languages/Language[Default='1']/Description"));
    const QString nameText = name.isNull() ? QString() : name.text().trimmed();
    const QString descriptionText = description.isNull() ? QString() : description.text().trimmed();
    if (nameText.isEmpty() || descriptionText.isEmpty())
        return nameText + descriptionText;
    return nameText + QLatin1String(": ") + descriptionText;
}

bool DocumentJobData::IsExistingJob() const
{
    return !m_document.isNull()
        && !m_document.selectSingleNode(QStringLiteral("JobDefinition/FreeDefinition/Sensor")).isNull();
}

void DocumentJobData::SetDefinition(const XmlNode &pData)
{
    m_definition = pData;
}

XmlNode DocumentJobData::GetDefinition() const
{
    return passing(" JobData.GetDefinition() ", [&] {
        if (m_definition.isNull())
            return XmlNode();
        const XmlNode job = m_definition.nodeName() == QLatin1String("JobDefinition")
            ? m_definition
            : m_definition.selectSingleNode(QStringLiteral("JobDefinition"));
        if (job.isNull())
            return XmlNode();

        XmlNode result = declaredDocument(m_document);
        bool rootWritten = false;
        if (!m_document.isNull()) {
            for (const XmlNode &node : m_document.childNodes()) {
                const int type = node.nodeType();
                if (type == XmlNode::Element && !rootWritten) {
                    result.appendChild(job);
                    rootWritten = true;
                } else if (type == XmlNode::Comment
                           || (type == XmlNode::ProcessingInstruction && !isXmlDeclaration(node))) {
                    result.appendChild(node);
                }
            }
        }
        if (!rootWritten)
            result.appendChild(job);
        return result;
    });
}

void DocumentJobData::setDefaultInterfaceLanguage(const QString &languageId)
{
    settings().interfaceLanguage = languageId;
}

QString DocumentJobData::defaultInterfaceLanguage()
{
    return settings().interfaceLanguage;
}

void DocumentJobData::setDefaultLogText(const QString &logText)
{
    settings().logText = logText;
}

QString DocumentJobData::defaultLogText()
{
    return settings().logText;
}

} // namespace hostkit
