#pragma once

#include "platform/xml/xmlnode.h"

#include <QString>

namespace host {

// The job data object, one per editor: holds the host's job text and
// produces the text the editor returns.
class JobData
{
public:
    virtual ~JobData() = default;
    // Parses the job text; raises the parser's error for text that is not XML.
    virtual void LoadData(const QString &pData) = 0;
    // A node in which "JobDefinition" selects the job definition element.
    virtual XmlNode GetDocument() const = 0;
    // The interface language id (the base name of the language file).
    virtual QString GetInterfaceLanguage() const = 0;
    // Text handed to the error recorder with each error report.
    virtual QString GetLogText() const = 0;
    // True when the job's free definition holds its Sensor element.
    virtual bool IsExistingJob() const = 0;
    // Receives an element "FreeDefinition" holding a copy of JobDefinition.
    virtual void SetDefinition(const XmlNode &pData) = 0;
    // A node whose XML text is what the editor returns to the host.
    virtual XmlNode GetDefinition() const = 0;
};

} // namespace host
