#pragma once

#include "platform/xml/xmlnode.h"

#include <QString>

namespace host {

// The host's editors of the job sections it owns (properties, schedule,
// documentation), created for one use. Each Show… call takes the section's
// XML text, shows the editor modally and returns true when the user
// accepted; the text then holds the edited section.
class JobSectionEditor
{
public:
    virtual ~JobSectionEditor() = default;
    virtual XmlNode GetDefaultProperties() = 0;
    virtual XmlNode GetDefaultSchedule() = 0;
    virtual bool ShowPropertiesEditor(QString &section, long &mode) = 0;
    virtual bool ShowScheduleEditor(QString &section) = 0;
    virtual bool ShowDocumentationEditor(QString &section) = 0;
};

} // namespace host
