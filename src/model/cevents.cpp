#include "cevents.h"

#include "errorcore/error.h"
#include "common/nodes.h"

namespace {

XmlNode newElement(const QString &name)
{
    return GetNewNode(XmlNode::Element, name);
}

XmlNode newCData(const QString &data)
{
    XmlNode section = GetNewNode(XmlNode::CDATASection, QString());
    section.setText(data);
    return section;
}

// Event(Name, Script(Language, EvalCode)), each node inserted as a deep copy.
XmlNode defaultEvent()
{
    XmlNode event = newElement(QStringLiteral("Event"));
    XmlNode name = newElement(QStringLiteral("Name"));
    XmlNode script = newElement(QStringLiteral("Script"));
    XmlNode language = newElement(QStringLiteral("Language"));
    XmlNode evalCode = newElement(QStringLiteral("EvalCode"));
    name.appendChild(newCData(QStringLiteral("OnReach")).cloneNode(true));
    language.appendChild(newCData(QStringLiteral("VBScript")).cloneNode(true));
    evalCode.appendChild(newCData(defaultEventScript()).cloneNode(true));
    script.appendChild(language.cloneNode(true));
    script.appendChild(evalCode.cloneNode(true));
    event.appendChild(name.cloneNode(true));
    event.appendChild(script.cloneNode(true));
    return event;
}

} // namespace

cEvent cEvents::GetEvent(const QString &pEvent) const
{
    return passing(" cEvents.GetEvent() ", [&] {
        cEvent event;
        event.SetEventXML(m_events.selectSingleNode(QStringLiteral("Event[Name='") + pEvent + QStringLiteral("']")));
        return event;
    });
}

QList<cEvent> cEvents::GetEventsAsCollection() const
{
    return passing(" cEvents.GetEventsAsCollection() ", [&] {
        QList<cEvent> events;
        for (const XmlNode &node : m_events.selectNodes(QStringLiteral("Event"))) {
            cEvent event;
            event.SetEventXML(node);
            events.append(event);
        }
        return events;
    });
}

XmlNode cEvents::GetEventsXML() const
{
    return passing(" cEvents.GetEventsXML() ", [&] { return m_events; });
}

void cEvents::SetEventsXML(const XmlNode &pData)
{
    passing(" cEvents.SetEventsXML() ", [&] {
        m_events = pData;
        if (!m_events.hasChildNodes())
            m_events.appendChild(defaultEvent().cloneNode(true));
    });
}
