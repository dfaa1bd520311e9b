#pragma once

#include "model/cevent.h"
#include "platform/xml/xmlnode.h"

#include <QList>
#include <QString>

// The Events element of a level: lookup by name, the list of all events, and
// the default "OnReach" event for an element that has no child node at all.
class cEvents
{
public:
    // Always returns an event object; it is bound to nothing when no event has
    // the name. The name goes into the lookup unescaped, so a name holding an
    // apostrophe makes the lookup raise.
    cEvent GetEvent(const QString &pEvent) const;
    QList<cEvent> GetEventsAsCollection() const;   // document order; empty when none
    XmlNode GetEventsXML() const;
    // Binds the element; one without any child node (not even white space)
    // gets the default event appended.
    void SetEventsXML(const XmlNode &pData);

private:
    XmlNode m_events;
};

// The script of a new event and of a level's default event.
inline const QString &defaultEventScript()
{
    static const QString script = QStringLiteral("Function Main(pSsrValue)\r\n\tMain=True\r\nEnd Function");
    return script;
}
