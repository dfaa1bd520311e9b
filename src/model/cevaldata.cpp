#include "cevaldata.h"

#include "errorcore/error.h"
#include "common/nodes.h"
#include "nodepath.h"

namespace {

// The level's values and the tags of their getters and setters.
const ModelValue EvalCode{"Script/EvalCode", " cEvalData.GetEvalCode() ", " cEvalData.SetEvalCode() "};
const ModelValue Language{"Script/Language", " cEvalData.GetLanguage() ", " cEvalData.SetLanguage() "};
const ModelValue ReferenceValue{"ReferenceValue", " cEvalData.GetReferenceValue() ", " cEvalData.SetReferenceValue() "};
const ModelValue Type{"Type", " cEvalData.GetType() ", " cEvalData.SetType() "};

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
        m_evalData = {evalData.cloneNode(true), QString()};
        MakeCollections();
    });
}

QString cEvalData::GetEvalCode() const { return m_evalData.text(EvalCode); }
double cEvalData::GetReferenceValue() const { return m_evalData.number(ReferenceValue); }
void cEvalData::SetReferenceValue(double pData) { m_evalData.setNumber(ReferenceValue, pData); }
XmlNode cEvalData::GetEvalDataXML() const { return m_evalData.node; }
QString cEvalData::GetLanguage() const { return m_evalData.text(Language); }
int cEvalData::GetType() const { return m_evalData.integer(Type); }
void cEvalData::SetEvalCode(const QString &pData) { m_evalData.setScript(EvalCode, pData); }
void cEvalData::SetLanguage(const QString &pData) { m_evalData.setText(Language, pData); }
void cEvalData::SetType(int pData) { m_evalData.setInteger(Type, pData); }

void cEvalData::SetEvalDataXML(const XmlNode &pData)
{
    passing(" cEvalData.SetEvalDataXML() ", [&] {
        m_evalData = {pData, QString()};
        MakeCollections();
    });
}

void cEvalData::MakeCollections()
{
    passing(" cEvalData.MakeCollections() ", [&] {
        oEvents = cEvents();
        oEvents.SetEventsXML(requiredNode(m_evalData.node, QStringLiteral("Events")));
    });
}
