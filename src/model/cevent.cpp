#include "cevent.h"

#include "errorcore/error.h"
#include "model/valuerules.h"

void cEvent::SetEventXML(const XmlNode &pData)
{
    passing(" cEvent.SetEventXML() ", [&] { m_event = pData; });
}

XmlNode cEvent::GetEventXML() const
{
    return passing(" cEvent.GetEventXML() ", [&] { return m_event; });
}

QString cEvent::GetName() const
{
    return passing(" cEvent.GetName() ",
                   [&] { return valuerules::readText(m_event.selectSingleNode(QStringLiteral("Name"))); });
}

QString cEvent::GetEvalCode() const
{
    return passing(" cEvent.GetEvalCode() ", [&] {
        return valuerules::readText(m_event.selectSingleNode(QStringLiteral("Script/EvalCode")));
    });
}

void cEvent::SetEvalCode(const QString &pData)
{
    passing(" cEvent.SetEvalCode() ", [&] {
        valuerules::writeText(m_event.selectSingleNode(QStringLiteral("Script/EvalCode")), pData);
    });
}

QString cEvent::GetLanguage() const
{
    return passing(" cEvent.GetLanguage() ", [&] {
        return valuerules::readText(m_event.selectSingleNode(QStringLiteral("Script/Language")));
    });
}

void cEvent::SetLanguage(const QString &pData)
{
    passing(" cEvent.SetLanguage() ", [&] {
        valuerules::writeText(m_event.selectSingleNode(QStringLiteral("Script/Language")), pData);
    });
}
