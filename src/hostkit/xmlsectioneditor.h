#pragma once

#include "host/jobsectioneditor.h"

namespace hostkit {

// The reference JobSectionEditor. Its defaults are those of a new sensor job:
//   <Properties><Name>NEW-SENSOR</Name><Description><Languages><Language>
//     <Id>en</Id><Default>1</Default><Description>New sensor</Description>
//   </Language></Languages></Description><Group>Sensors</Group></Properties>
// (the Id and the texts follow the host's interface language: "es" gives a
// Spanish description) and a schedule of every 15 minutes from today:
//   <Schedule><Frequency>Minutes</Frequency><Interval>15</Interval>
//     <Start>YYYY-MM-DDT00:00:00</Start></Schedule>
// Each Show…Editor opens a SectionXmlDialog through ui::showModal; when the
// user accepts, `section` receives the edited text (always well-formed, with
// the section's root element) and the call returns true; otherwise `section`
// is left as it was. The number passed to ShowPropertiesEditor is not used.
class XmlSectionEditor : public host::JobSectionEditor
{
public:
    // Each call gives a new element of a new document.
    XmlNode GetDefaultProperties() override;
    XmlNode GetDefaultSchedule() override;
    bool ShowPropertiesEditor(QString &section, long &mode) override;
    bool ShowScheduleEditor(QString &section) override;
    bool ShowDocumentationEditor(QString &section) override;

private:
    static bool edit(const QString &title, QString &section);
};

} // namespace hostkit
