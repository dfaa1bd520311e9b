#include "csensor.h"

#include "errorcore/error.h"
#include "common/nodes.h"
#include "model/nodepath.h"
#include "model/valueencoding.h"

namespace {

QString levelPath(int level)
{
    return QStringLiteral("EvaluationData/Values/EvalData[Type='%1']").arg(level);
}

} // namespace

QString cSensor::GetEvalCode() const
{
    return passing(" cSensor.GetEvalCode() ", [&] {
        return valueencoding::readText(requiredNode(m_sensor, QStringLiteral("Script/EvalCode")));
    });
}

QString cSensor::GetLanguage() const
{
    return passing(" cSensor.GetLanguage() ", [&] {
        return valueencoding::readText(requiredNode(m_sensor, QStringLiteral("Script/Language")));
    });
}

void cSensor::SetLanguage(const QString &pData)
{
    passing(" cSensor.SetLanguage() ", [&] {
        valueencoding::writeText(requiredNode(m_sensor, QStringLiteral("Script/Language")), pData);
    });
}

void cSensor::SetEvalCode(const QString &pData)
{
    passing(" cSensor.SetEvalCode() ", [&] {
        valueencoding::writeScript(requiredNode(m_sensor, QStringLiteral("Script/EvalCode")), pData);
    });
}

void cSensor::Create(const QString &gPathData)
{
    passing(" cSensor.Create() ", [&] {
        const XmlNode pattern = GetPattern(QStringLiteral("Veltrano"), gPathData);
        m_sensor = pattern.cloneNode(true);
        // Written as it is: SetEvalCode would keep a pattern script that
        // differs from it only in its line breaks.
        valueencoding::writeText(requiredNode(m_sensor, QStringLiteral("Script/EvalCode")), defaultSensorScript());
        SetLanguage(QStringLiteral("VBScript"));
    });
}

cEvalData cSensor::GetEvalData(int pWho) const
{
    return passing(" cSensor.GetEvalData() ", [&] {
        cEvalData level;
        const XmlNode node = m_sensor.selectSingleNode(levelPath(pWho));
        if (!node.isNull()) {
            level.SetEvalDataXML(node);
        } else {
            // Nothing, which names what it did not find when it is used.
            const XmlNode values = m_sensor.selectSingleNode(QStringLiteral("EvaluationData/Values"));
            const QString key = evalLevelKey(pWho);
            level.m_missing = values.isNull()
                ? QStringLiteral("%1 has no EvaluationData/Values").arg(nodePath(m_sensor))
                : QStringLiteral("%1 has no EvalData for %2")
                      .arg(nodePath(values), key.isEmpty() ? QStringLiteral("Type %1").arg(pWho) : key);
        }
        return level;
    });
}

void cSensor::UpdateEvalData(int pWho, const XmlNode &pNodo)
{
    passing(" cSensor.UpdateEvalData() ", [&] {
        XmlNode values = requiredNode(m_sensor, QStringLiteral("EvaluationData/Values"));
        const XmlNode current = m_sensor.selectSingleNode(levelPath(pWho));
        if (!current.isNull())
            values.removeChild(current);
        values.appendChild(pNodo.cloneNode(true));
    });
}

int cSensor::GetEvaluation() const
{
    return passing(" cSensor.GetEvaluation() ",
                   [&] { return readInteger(QStringLiteral("EvaluationData/Evaluation"), 0); });
}

XmlNode cSensor::GetProperties() const
{
    return passing(" cSensor.GetProperties() ",
                   [&] { return m_sensor.selectSingleNode(QStringLiteral("Properties")); });
}

XmlNode cSensor::GetSensorXML() const
{
    return passing(" cSensor.GetSensorXML() ", [&] { return m_sensor; });
}

int cSensor::GetStatus() const
{
    return passing(" cSensor.GetStatus() ", [&] { return readInteger(QStringLiteral("Status"), 0); });
}

int cSensor::GetMarquee() const
{
    return passing(" cSensor.GetMarquee() ", [&] { return readInteger(QStringLiteral("ViewInMarquee"), 0); });
}

int cSensor::GetNumeric() const
{
    return passing(" cSensor.GetNumeric() ", [&] { return readInteger(QStringLiteral("Quantity"), 0); });
}

int cSensor::GetPersistenceQuantity() const
{
    return passing(" cSensor.GetPersistenceQuantity() ",
                   [&] { return readInteger(QStringLiteral("DataPersistence/Quantity"), 1); });
}

int cSensor::GetPersistenceUnitTime() const
{
    return passing(" cSensor.GetPersistenceUnitTime() ",
                   [&] { return readInteger(QStringLiteral("DataPersistence/UnitTime"), 0); });
}

void cSensor::SetEvaluation(int pData)
{
    passing(" cSensor.SetEvaluation() ", [&] { writeInteger(QStringLiteral("EvaluationData/Evaluation"), pData); });
}

void cSensor::SetProperties(const XmlNode &pData)
{
    passing(" cSensor.SetProperties() ", [&] {
        const XmlNode current = m_sensor.selectSingleNode(QStringLiteral("Properties"));
        if (!current.isNull())
            m_sensor.removeChild(current);
        m_sensor.appendChild(pData.cloneNode(true));
    });
}

void cSensor::SetSensorXML(const XmlNode &pData)
{
    passing(" cSensor.SetSensorXML() ", [&] {
        m_sensor = pData;
        if (m_sensor.selectSingleNode(QStringLiteral("DataPersistence")).isNull()) {
            const XmlNode document = m_sensor.ownerDocument();
            XmlNode persistence = document.createElement(QStringLiteral("DataPersistence"));
            XmlNode quantity = document.createElement(QStringLiteral("Quantity"));
            XmlNode unitTime = document.createElement(QStringLiteral("UnitTime"));
            quantity.setText(QStringLiteral("1"));
            unitTime.setText(QStringLiteral("0"));
            persistence.appendChild(quantity);
            persistence.appendChild(unitTime);
            m_sensor.appendChild(persistence);
        }
    });
}

void cSensor::SetStatus(int pData)
{
    passing(" cSensor.SetStatus() ", [&] { writeInteger(QStringLiteral("Status"), pData); });
}

void cSensor::SetMarquee(int pData)
{
    passing(" cSensor.SetMarquee() ", [&] { writeInteger(QStringLiteral("ViewInMarquee"), pData); });
}

void cSensor::SetNumeric(int pData)
{
    passing(" cSensor.SetNumeric() ", [&] { writeInteger(QStringLiteral("Quantity"), pData); });
}

void cSensor::SetPersistenceQuantity(int pData)
{
    passing(" cSensor.SetPersistenceQuantity() ",
            [&] { writeInteger(QStringLiteral("DataPersistence/Quantity"), pData); });
}

void cSensor::SetPersistenceUnitTime(int pData)
{
    passing(" cSensor.SetPersistenceUnitTime() ",
            [&] { writeInteger(QStringLiteral("DataPersistence/UnitTime"), pData); });
}

int cSensor::readInteger(const QString &path, int defaultValue) const
{
    return valueencoding::readInteger(requiredNode(m_sensor, path), defaultValue);
}

void cSensor::writeInteger(const QString &path, int value)
{
    valueencoding::writeInteger(requiredNode(m_sensor, path), value);
}
