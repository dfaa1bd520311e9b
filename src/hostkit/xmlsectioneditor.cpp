#include "xmlsectioneditor.h"

#include "hostkit/documentjobdata.h"
#include "hostkit/sectionxmldialog.h"
#include "platform/ui/modal.h"

#include <QApplication>
#include <QDate>

namespace hostkit {
namespace {

XmlNode elementOf(const QString &text)
{
    return XmlNode::parse(text).documentElement();
}

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

} // namespace

XmlNode XmlSectionEditor::GetDefaultProperties()
{
    const QString language = DocumentJobData::defaultInterfaceLanguage().isEmpty()
        ? QStringLiteral("en")
        : DocumentJobData::defaultInterfaceLanguage();
    const bool spanish = language.startsWith(QLatin1String("es"), Qt::CaseInsensitive);
    const QString description = spanish ? QStringLiteral("Nuevo sensor") : QStringLiteral("New sensor");
    const QString group = spanish ? QStringLiteral("Sensores") : QStringLiteral("Sensors");
    return elementOf(QStringLiteral("<Properties><Name>NEW-SENSOR</Name><Description><Languages><Language>"
                                    "<Id>%1</Id><Default>1</Default><Description>%2</Description>"
                                    "</Language></Languages></Description><Group>%3</Group></Properties>")
                         .arg(escaped(language), escaped(description), escaped(group)));
}

XmlNode XmlSectionEditor::GetDefaultSchedule()
{
    return elementOf(QStringLiteral("<Schedule><Frequency>Minutes</Frequency><Interval>15</Interval>"
                                    "<Start>%1T00:00:00</Start></Schedule>")
                         .arg(QDate::currentDate().toString(Qt::ISODate)));
}

bool XmlSectionEditor::ShowPropertiesEditor(QString &section, long &)
{
    return edit(QStringLiteral("General Properties"), section);
}

bool XmlSectionEditor::ShowScheduleEditor(QString &section)
{
    return edit(QStringLiteral("Schedule Properties"), section);
}

bool XmlSectionEditor::ShowDocumentationEditor(QString &section)
{
    return edit(QStringLiteral("Documentation"), section);
}

bool XmlSectionEditor::edit(const QString &title, QString &section)
{
    SectionXmlDialog dialog(title, section, QApplication::activeWindow());
    if (ui::showModal(dialog) != QDialog::Accepted)
        return false;
    section = dialog.sectionText();
    return true;
}

} // namespace hostkit
