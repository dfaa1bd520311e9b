#include "cevaldata.h"

#include "errorcore/error.h"
#include "common/nodes.h"
#include "model/valuerules.h"

namespace {

XmlNode newElement(const QString &name)
{
    QString trimmed = name;
    return GetNewNode(XmlNode::Element, trimmed);
}

} // namespace

void cEvalData::Create()
{
    passing(" cEvalData.Create() ", [&] {
        XmlNode evalData = newElement(QStringLiteral("EvalData"));
        XmlNode script = newElement(QStringLiteral("Script"));
        script.appendChild(newElement(QStringLiteral("Language")));
        script.appendChild(newElement(QStringLiteral("EvalCode")));
        XmlNode reference = newElement(QStringLiteral("ReferenceValue"));
        reference.setText(QStringLiteral("0"));
        evalData.appendChild(newElement(QStringLiteral("Type")));
        evalData.appendChild(script);
        evalData.appendChild(newElement(QStringLiteral("Events")));
        evalData.appendChild(reference);
        m_evalData = evalData.cloneNode(true);
        MakeCollections();
    });
}

QString cEvalData::GetEvalCode() const
{
    return passing(" cEvalData.GetEvalCode() ", [&] {
        return valuerules::readText(m_evalData.selectSingleNode(QStringLiteral("Script/EvalCode")));
    });
}

double cEvalData::GetReferenceValue() const
{
    return passing(" cEvalData.GetReferenceValue() ", [&] {
        return valuerules::readDouble(m_evalData.selectSingleNode(QStringLiteral("ReferenceValue")));
    });
}

void cEvalData::SetReferenceValue(double pData)
{
    passing(" cEvalData.SetReferenceValue() ", [&] {
        valuerules::writeDouble(m_evalData.selectSingleNode(QStringLiteral("ReferenceValue")), pData);
    });
}

XmlNode cEvalData::GetEvalDataXML() const
{
    return passing(" cEvalData.GetEvalDataXML() ", [&] { return m_evalData; });
}

QString cEvalData::GetLanguage() const
{
    return passing(" cEvalData.GetLanguage() ", [&] {
        return valuerules::readText(m_evalData.selectSingleNode(QStringLiteral("Script/Language")));
    });
}

int cEvalData::GetType() const
{
    return passing(" cEvalData.GetType() ", [&] {
        return valuerules::readInteger(m_evalData.selectSingleNode(QStringLiteral("Type")), 0);
    });
}

void cEvalData::SetEvalCode(const QString &pData)
{
    passing(" cEvalData.SetEvalCode() ", [&] {
        valuerules::writeText(m_evalData.selectSingleNode(QStringLiteral("Script/EvalCode")), pData);
    });
}

void cEvalData::SetEvalDataXML(const XmlNode &pData)
{
    passing(" cEvalData.SetEvalDataXML() ", [&] {
        m_evalData = pData;
        MakeCollections();
    });
}

void cEvalData::SetLanguage(const QString &pData)
{
    passing(" cEvalData.SetLanguage() ", [&] {
        valuerules::writeText(m_evalData.selectSingleNode(QStringLiteral("Script/Language")), pData);
    });
}

void cEvalData::SetType(int pData)
{
    passing(" cEvalData.SetType() ", [&] {
        valuerules::writeInteger(m_evalData.selectSingleNode(QStringLiteral("Type")), pData);
    });
}

void cEvalData::MakeCollections()
{
    passing(" cEvalData.MakeCollections() ", [&] {
        oEvents = cEvents();
        oEvents.SetEventsXML(m_evalData.selectSingleNode(QStringLiteral("Events")));
    });
}
