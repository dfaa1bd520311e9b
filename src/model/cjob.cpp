#include "cjob.h"

#include "errorcore/error.h"
#include "common/nodes.h"

namespace {

// The job's values and the tags of their getters and setters.
const ModelValue Type{"Definition/Type", " cJob.GetType() ", " cJob.SetType() "};
const ModelValue SubType{"Definition/SubType", " cJob.GetSubType() ", " cJob.SetSubType() "};
const ModelValue ExecutionEngine{"Definition/ExecutionEngine", " cJob.GetExecutionEngine() ",
                                 " cJob.SetExecutionEngine() "};
const ModelValue Schedule{"Schedule", " cJob.GetSchedule() ", " cJob.SetSchedule() "};
const ModelValue Properties{"Definition/Properties", " cJob.GetProperties() ", " cJob.SetProperties() "};
const ModelValue FreeDefinition{"FreeDefinition", " cJob.GetFreeDefinition() ", " cJob.SetFreeDefinition() "};
const ModelValue Documentation{"Documentation", " cJob.GetDocumentation() ", " cJob.SetDocumentation() "};

} // namespace

void cJob::SetType(const QString &pData) { m_job.setText(Type, pData); }
void cJob::SetSubType(const QString &pData) { m_job.setText(SubType, pData); }
void cJob::SetExecutionEngine(const QString &pData) { m_job.setText(ExecutionEngine, pData); }
XmlNode cJob::GetJobNodeXML() const { return m_job.node; }
XmlNode cJob::GetSchedule() const { return m_job.child(Schedule); }
XmlNode cJob::GetProperties() const { return m_job.child(Properties); }
XmlNode cJob::GetFreeDefinition() const { return m_job.child(FreeDefinition); }
QString cJob::GetType() const { return m_job.text(Type).trimmed(); }
QString cJob::GetSubType() const { return m_job.text(SubType).trimmed(); }
QString cJob::GetExecutionEngine() const { return m_job.text(ExecutionEngine).trimmed(); }
void cJob::SetJobNodeXML(const XmlNode &pJobXML) { m_job.node = pJobXML; }
void cJob::SetSchedule(XmlNode &pSchXML) { pSchXML = m_job.replaceChild(Schedule, pSchXML, false); }
void cJob::SetProperties(XmlNode &pPropXML) { pPropXML = m_job.replaceChild(Properties, pPropXML, false); }
void cJob::SetFreeDefinition(XmlNode &pFreeXML) { pFreeXML = m_job.replaceChild(FreeDefinition, pFreeXML, false); }

QString cJob::GetDefaultDescription() const
{
    return passing(" cJob.GetDefaultDescription() ", [&] {
        XmlNode language = m_job.node.selectSingleNode(
            QStringLiteral("Definition/Properties/Description/Languages/Language[Default='1']"));
        if (language.isNull())
            language = m_job.node.selectSingleNode(QStringLiteral("Definition/Properties/Description/Languages"))
                           .firstChild();
        return language.selectSingleNode(QStringLiteral("Description")).text();
    });
}

XmlNode cJob::GetDocumentation()
{
    return passing(Documentation.getTag, [&] {
        if (m_job.node.selectSingleNode(QLatin1String(Documentation.path)).isNull()) {
            XmlNode documentation = GetNewNode(XmlNode::Element, QLatin1String(Documentation.path));
            documentation.appendChild(GetNewNode(XmlNode::Element, QStringLiteral("Languages")));
            m_job.node.appendChild(documentation.cloneNode(true));
        }
        return m_job.node.selectSingleNode(QLatin1String(Documentation.path));
    });
}

void cJob::SetDocumentation(const XmlNode &pNode)
{
    m_job.replaceChild(Documentation, pNode, true);
}
