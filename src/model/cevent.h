#pragma once

#include "model/modelvalue.h"
#include "platform/xml/xmlnode.h"

#include <QString>

// One Event element of a level: its name, script and script language. An
// event may be bound to nothing (a lookup that found no event of the name);
// every read or write on it then raises 91.
class cEvent
{
public:
    void SetEventXML(const XmlNode &pData);   // nothing is accepted too
    XmlNode GetEventXML() const;              // null when bound to nothing
    QString GetName() const;
    QString GetEvalCode() const;
    void SetEvalCode(const QString &pData);
    QString GetLanguage() const;
    void SetLanguage(const QString &pData);

    bool isNothing() const { return m_event.node.isNull(); }

private:
    ModelElement m_event;
};
