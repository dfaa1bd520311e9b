#include "cjob.h"

#include "errorcore/error.h"
#include "common/nodes.h"
#include "model/valueencoding.h"

QString cJob::GetDefaultDescription() const
{
    return passing(" cJob.GetDefaultDescription() ", [&] {
        XmlNode language = m_job.selectSingleNode(
            QStringLiteral("Definition/Properties/Description/Languages/Language[Default='1']"));
        if (language.isNull())
            language = m_job.selectSingleNode(QStringLiteral("Definition/Properties/Description/Languages"))
                           .firstChild();
        return language.selectSingleNode(QStringLiteral("Description")).text();
    });
}

void cJob::SetType(const QString &pData)
{
    passing(" cJob.SetType() ", [&] {
        valueencoding::writeText(m_job.selectSingleNode(QStringLiteral("Definition/Type")), pData);
    });
}

void cJob::SetSubType(const QString &pData)
{
    passing(" cJob.SetSubType() ", [&] {
        valueencoding::writeText(m_job.selectSingleNode(QStringLiteral("Definition/SubType")), pData);
    });
}

void cJob::SetExecutionEngine(const QString &pData)
{
    passing(" cJob.SetExecutionEngine() ", [&] {
        valueencoding::writeText(m_job.selectSingleNode(QStringLiteral("Definition/ExecutionEngine")), pData);
    });
}

XmlNode cJob::GetJobNodeXML() const
{
    return passing(" cJob.GetJobNodeXML() ", [&] { return m_job; });
}

XmlNode cJob::GetSchedule() const
{
    return passing(" cJob.GetSchedule() ", [&] { return m_job.selectSingleNode(QStringLiteral("Schedule")); });
}

XmlNode cJob::GetProperties() const
{
    return passing(" cJob.GetProperties() ",
                   [&] { return m_job.selectSingleNode(QStringLiteral("Definition/Properties")); });
}

XmlNode cJob::GetFreeDefinition() const
{
    return passing(" cJob.GetFreeDefinition() ",
                   [&] { return m_job.selectSingleNode(QStringLiteral("FreeDefinition")); });
}

QString cJob::GetType() const
{
    return passing(" cJob.GetType() ", [&] {
        return valueencoding::readText(m_job.selectSingleNode(QStringLiteral("Definition/Type"))).trimmed();
    });
}

QString cJob::GetSubType() const
{
    return passing(" cJob.GetSubType() ", [&] {
        return valueencoding::readText(m_job.selectSingleNode(QStringLiteral("Definition/SubType"))).trimmed();
    });
}

XmlNode cJob::GetDocumentation()
{
    return passing(" cJob.GetDocumentation() ", [&] {
        if (m_job.selectSingleNode(QStringLiteral("Documentation")).isNull()) {
            XmlNode documentation = GetNewNode(XmlNode::Element, QStringLiteral("Documentation"));
            documentation.appendChild(GetNewNode(XmlNode::Element, QStringLiteral("Languages")));
            m_job.appendChild(documentation.cloneNode(true));
        }
        return m_job.selectSingleNode(QStringLiteral("Documentation"));
    });
}

void cJob::SetDocumentation(const XmlNode &pNode)
{
    passing(" cJob.SetDocumentation() ", [&] {
        const XmlNode current = m_job.selectSingleNode(QStringLiteral("Documentation"));
        if (!current.isNull())
            m_job.removeChild(current);
        m_job.appendChild(pNode.cloneNode(true));
    });
}

QString cJob::GetExecutionEngine() const
{
    return passing(" cJob.GetExecutionEngine() ", [&] {
        return valueencoding::readText(m_job.selectSingleNode(QStringLiteral("Definition/ExecutionEngine")))
            .trimmed();
    });
}

void cJob::SetJobNodeXML(const XmlNode &pJobXML)
{
    passing(" cJob.SetJobNodeXML() ", [&] { m_job = pJobXML; });
}

void cJob::SetSchedule(XmlNode &pSchXML)
{
    passing(" cJob.SetSchedule() ", [&] { replaceChild(QStringLiteral("Schedule"), pSchXML); });
}

void cJob::SetProperties(XmlNode &pPropXML)
{
    passing(" cJob.SetProperties() ", [&] {
        XmlNode definition = m_job.selectSingleNode(QStringLiteral("Definition"));
        const XmlNode current = m_job.selectSingleNode(QStringLiteral("Definition/Properties"));
        if (!current.isNull())
            current.parentNode().removeChild(current);
        pPropXML = definition.appendChild(pPropXML);
    });
}

void cJob::SetFreeDefinition(XmlNode &pFreeXML)
{
    passing(" cJob.SetFreeDefinition() ", [&] { replaceChild(QStringLiteral("FreeDefinition"), pFreeXML); });
}

void cJob::replaceChild(const QString &path, XmlNode &node)
{
    const XmlNode current = m_job.selectSingleNode(path);
    if (!current.isNull())
        m_job.removeChild(current);
    node = m_job.appendChild(node);
}
