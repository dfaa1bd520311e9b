#include "cevaldata.h"

#include "errorcore/error.h"
#include "common/nodes.h"
#include "model/nodepath.h"
#include "model/valueencoding.h"

namespace {

XmlNode newElement(const QString &name)
{
    return GetNewNode(XmlNode::Element, name);
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
        m_missing.clear();
        MakeCollections();
    });
}

QString cEvalData::GetEvalCode() const
{
    return passing(" cEvalData.GetEvalCode() ", [&] {
        return valueencoding::readText(requiredNode(bound(), QStringLiteral("Script/EvalCode")));
    });
}

double cEvalData::GetReferenceValue() const
{
    return passing(" cEvalData.GetReferenceValue() ", [&] {
        return valueencoding::readDouble(requiredNode(bound(), QStringLiteral("ReferenceValue")));
    });
}

void cEvalData::SetReferenceValue(double pData)
{
    passing(" cEvalData.SetReferenceValue() ", [&] {
        valueencoding::writeDouble(requiredNode(bound(), QStringLiteral("ReferenceValue")), pData);
    });
}

XmlNode cEvalData::GetEvalDataXML() const
{
    return passing(" cEvalData.GetEvalDataXML() ", [&] { return m_evalData; });
}

QString cEvalData::GetLanguage() const
{
    return passing(" cEvalData.GetLanguage() ", [&] {
        return valueencoding::readText(requiredNode(bound(), QStringLiteral("Script/Language")));
    });
}

int cEvalData::GetType() const
{
    return passing(" cEvalData.GetType() ", [&] {
        return valueencoding::readInteger(requiredNode(bound(), QStringLiteral("Type")), 0);
    });
}

void cEvalData::SetEvalCode(const QString &pData)
{
    passing(" cEvalData.SetEvalCode() ", [&] {
        valueencoding::writeScript(requiredNode(bound(), QStringLiteral("Script/EvalCode")), pData);
    });
}

void cEvalData::SetEvalDataXML(const XmlNode &pData)
{
    passing(" cEvalData.SetEvalDataXML() ", [&] {
        m_evalData = pData;
        m_missing.clear();
        MakeCollections();
    });
}

void cEvalData::SetLanguage(const QString &pData)
{
    passing(" cEvalData.SetLanguage() ", [&] {
        valueencoding::writeText(requiredNode(bound(), QStringLiteral("Script/Language")), pData);
    });
}

void cEvalData::SetType(int pData)
{
    passing(" cEvalData.SetType() ", [&] {
        valueencoding::writeInteger(requiredNode(bound(), QStringLiteral("Type")), pData);
    });
}

void cEvalData::MakeCollections()
{
    passing(" cEvalData.MakeCollections() ", [&] {
        oEvents = cEvents();
        oEvents.SetEventsXML(m_evalData.selectSingleNode(QStringLiteral("Events")));
    });
}

const XmlNode &cEvalData::bound() const
{
    if (m_evalData.isNull() && !m_missing.isEmpty())
        throw Error(91, m_missing);
    return m_evalData;
}
