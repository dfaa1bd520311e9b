#pragma once

#include "model/modelvalue.h"
#include "platform/xml/xmlnode.h"

#include <QString>

// The job definition: reads and changes the bound JobDefinition element of
// the live document (never a copy). Every operation except SetJobNodeXML
// needs the object bound; unbound, or with a path missing, it raises 91.
// Failures pass on with the operation's source tag (" cJob.GetType() ").
class cJob
{
public:
    // Text of the Description of the Language whose Default is "1"; without
    // one, of the first child of the Languages element.
    QString GetDefaultDescription() const;
    void SetType(const QString &pData);
    void SetSubType(const QString &pData);
    void SetExecutionEngine(const QString &pData);
    XmlNode GetJobNodeXML() const;
    XmlNode GetSchedule() const;        // null when the job has none
    XmlNode GetProperties() const;      // null when the job has none
    XmlNode GetFreeDefinition() const;  // null when the job has none
    QString GetType() const;            // trimmed
    QString GetSubType() const;         // trimmed
    // The live Documentation element; one holding an empty Languages element
    // is added first when the job has none.
    XmlNode GetDocumentation();
    // Replaces Documentation by a deep copy of `pNode`; the caller's node is untouched.
    void SetDocumentation(const XmlNode &pNode);
    QString GetExecutionEngine() const; // trimmed
    void SetJobNodeXML(const XmlNode &pJobXML);
    // These three replace a subtree with the node itself (not a copy): it
    // leaves any parent it had. A node of another document is imported, and
    // the caller's variable then refers to the node now in the job.
    void SetSchedule(XmlNode &pSchXML);
    void SetProperties(XmlNode &pPropXML);
    void SetFreeDefinition(XmlNode &pFreeXML);

private:
    ModelElement m_job;
};
