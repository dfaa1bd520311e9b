#include "csensor.h"

#include "errorcore/error.h"
#include "common/nodes.h"
#include "model/nodepath.h"

namespace {

// The sensor's values and the tags of their getters and setters.
const ModelValue EvalCode{"Script/EvalCode", " cSensor.GetEvalCode() ", " cSensor.SetEvalCode() "};
const ModelValue Language{"Script/Language", " cSensor.GetLanguage() ", " cSensor.SetLanguage() "};
const ModelValue Evaluation{"EvaluationData/Evaluation", " cSensor.GetEvaluation() ", " cSensor.SetEvaluation() "};
const ModelValue Properties{"Properties", " cSensor.GetProperties() ", " cSensor.SetProperties() "};
const ModelValue Status{"Status", " cSensor.GetStatus() ", " cSensor.SetStatus() "};
const ModelValue Marquee{"ViewInMarquee", " cSensor.GetMarquee() ", " cSensor.SetMarquee() "};
const ModelValue Numeric{"Quantity", " cSensor.GetNumeric() ", " cSensor.SetNumeric() "};
const ModelValue PersistenceQuantity{"DataPersistence/Quantity", " cSensor.GetPersistenceQuantity() ",
                                     " cSensor.SetPersistenceQuantity() ", 1};
const ModelValue PersistenceUnitTime{"DataPersistence/UnitTime", " cSensor.GetPersistenceUnitTime() ",
                                     " cSensor.SetPersistenceUnitTime() "};

QString levelPath(int level)
{
    return QStringLiteral("EvaluationData/Values/EvalData[Type='%1']").arg(level);
}

} // namespace

QString cSensor::GetEvalCode() const { return m_sensor.text(EvalCode); }
QString cSensor::GetLanguage() const { return m_sensor.text(Language); }
void cSensor::SetLanguage(const QString &pData) { m_sensor.setText(Language, pData); }
void cSensor::SetEvalCode(const QString &pData) { m_sensor.setScript(EvalCode, pData); }
int cSensor::GetEvaluation() const { return m_sensor.integer(Evaluation); }
XmlNode cSensor::GetProperties() const { return m_sensor.child(Properties); }
XmlNode cSensor::GetSensorXML() const { return m_sensor.node; }
int cSensor::GetStatus() const { return m_sensor.integer(Status); }
int cSensor::GetMarquee() const { return m_sensor.integer(Marquee); }
int cSensor::GetNumeric() const { return m_sensor.integer(Numeric); }
int cSensor::GetPersistenceQuantity() const { return m_sensor.integer(PersistenceQuantity); }
int cSensor::GetPersistenceUnitTime() const { return m_sensor.integer(PersistenceUnitTime); }
void cSensor::SetEvaluation(int pData) { m_sensor.setInteger(Evaluation, pData); }
void cSensor::SetStatus(int pData) { m_sensor.setInteger(Status, pData); }
void cSensor::SetMarquee(int pData) { m_sensor.setInteger(Marquee, pData); }
void cSensor::SetNumeric(int pData) { m_sensor.setInteger(Numeric, pData); }
void cSensor::SetPersistenceQuantity(int pData) { m_sensor.setInteger(PersistenceQuantity, pData); }
void cSensor::SetPersistenceUnitTime(int pData) { m_sensor.setInteger(PersistenceUnitTime, pData); }

void cSensor::Create(const QString &gPathData)
{
    passing(" cSensor.Create() ", [&] {
        const XmlNode pattern = GetPattern(QStringLiteral("Veltrano"), gPathData);
        m_sensor.node = pattern.cloneNode(true);
        // Written as it is: SetEvalCode would keep a pattern script that
        // differs from it only in its line breaks.
        m_sensor.setText(EvalCode, defaultSensorScript());
        SetLanguage(QStringLiteral("VBScript"));
    });
}

cEvalData cSensor::GetEvalData(int pWho) const
{
    return passing(" cSensor.GetEvalData() ", [&] {
        cEvalData level;
        const XmlNode node = m_sensor.node.selectSingleNode(levelPath(pWho));
        if (!node.isNull()) {
            level.SetEvalDataXML(node);
        } else {
            // Nothing, which names what it did not find when it is used.
            const XmlNode values = m_sensor.node.selectSingleNode(QStringLiteral("EvaluationData/Values"));
            const QString key = evalLevelKey(pWho);
            level.m_evalData.missing = values.isNull()
                ? QStringLiteral("%1 has no EvaluationData/Values").arg(nodePath(m_sensor.node))
                : QStringLiteral("%1 has no EvalData for %2")
                      .arg(nodePath(values), key.isEmpty() ? QStringLiteral("Type %1").arg(pWho) : key);
        }
        return level;
    });
}

void cSensor::UpdateEvalData(int pWho, const XmlNode &pNodo)
{
    passing(" cSensor.UpdateEvalData() ", [&] {
        XmlNode values = requiredNode(m_sensor.node, QStringLiteral("EvaluationData/Values"));
        const XmlNode current = m_sensor.node.selectSingleNode(levelPath(pWho));
        replaceInPlace(values, current, pNodo.cloneNode(true));
    });
}

void cSensor::SetProperties(const XmlNode &pData)
{
    m_sensor.replaceChild(Properties, pData, true);
}

void cSensor::SetSensorXML(const XmlNode &pData)
{
    passing(" cSensor.SetSensorXML() ", [&] {
        m_sensor.node = pData;
        if (m_sensor.node.selectSingleNode(QStringLiteral("DataPersistence")).isNull()) {
            const XmlNode document = m_sensor.node.ownerDocument();
            XmlNode persistence = document.createElement(QStringLiteral("DataPersistence"));
            XmlNode quantity = document.createElement(QStringLiteral("Quantity"));
            XmlNode unitTime = document.createElement(QStringLiteral("UnitTime"));
            quantity.setText(QStringLiteral("1"));
            unitTime.setText(QStringLiteral("0"));
            persistence.appendChild(quantity);
            persistence.appendChild(unitTime);
            m_sensor.node.appendChild(persistence);
        }
    });
}
