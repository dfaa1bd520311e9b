#include "cevent.h"

#include "errorcore/error.h"
#include "model/valueencoding.h"

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
                   [&] { return valueencoding::readText(m_event.selectSingleNode(QStringLiteral("Name"))); });
}

QString cEvent::GetEvalCode() const
{
    return passing(" cEvent.GetEvalCode() ", [&] {
        return valueencoding::readText(m_event.selectSingleNode(QStringLiteral("Script/EvalCode")));
    });
}

void cEvent::SetEvalCode(const QString &pData)
{
    passing(" cEvent.SetEvalCode() ", [&] {
        valueencoding::writeScript(m_event.selectSingleNode(QStringLiteral("Script/EvalCode")), pData);
    });
}

QString cEvent::GetLanguage() const
{
    return passing(" cEvent.GetLanguage() ", [&] {
        return valueencoding::readText(m_event.selectSingleNode(QStringLiteral("Script/Language")));
    });
}

void cEvent::SetLanguage(const QString &pData)
{
    passing(" cEvent.SetLanguage() ", [&] {
        valueencoding::writeText(m_event.selectSingleNode(QStringLiteral("Script/Language")), pData);
    });
}
