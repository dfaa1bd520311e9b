#pragma once

#include "model/cevaldata.h"
#include "model/modelvalue.h"
#include "platform/xml/xmlnode.h"

#include <QString>

// The script of a new sensor and of a general script left empty.
inline const QString &defaultSensorScript()
{
    static const QString script = QStringLiteral("Function Main()\r\n\tMain=True\r\nEnd Function");
    return script;
}

// The Sensor element: the general script and its language, the options, the
// copy of the job's properties and the three evaluation levels. Bound to the
// live element of the job document (SetSensorXML) or to a copy of the sensor
// pattern (Create). A missing element on a read or write path raises 91
// naming it; failures pass on with the operation's source tag (the value
// table beside the getters in csensor.cpp holds those of the values).
class cSensor
{
public:
    QString GetEvalCode() const;
    QString GetLanguage() const;
    void SetLanguage(const QString &pData);
    void SetEvalCode(const QString &pData);
    // Binds a deep copy of the pattern "Veltrano.xml" in `gPathData`, then
    // writes the default script and "VBScript". A missing or malformed pattern
    // raises the pattern loader's error and leaves the object as it was.
    void Create(const QString &gPathData);
    // A new object over the level whose Type text is exactly the decimal
    // `pWho`; nothing (isNothing()) when there is no such level, and using
    // it then raises 91 "<Values> has no EvalData for Danger".
    cEvalData GetEvalData(int pWho) const;
    // Replaces the level `pWho` by a deep copy of `pNodo`, where the level
    // stood (appended last when there was none).
    void UpdateEvalData(int pWho, const XmlNode &pNodo);
    int GetEvaluation() const;
    XmlNode GetProperties() const;          // null when the sensor has none
    XmlNode GetSensorXML() const;
    int GetStatus() const;
    int GetMarquee() const;
    int GetNumeric() const;
    int GetPersistenceQuantity() const;     // default 1
    int GetPersistenceUnitTime() const;     // 0 hours, 1 days, 2 months, 3 years
    void SetEvaluation(int pData);
    // Replaces Properties by a deep copy of `pData`; the caller's node stays where it was.
    void SetProperties(const XmlNode &pData);
    // Binds the element itself; one without DataPersistence gets
    // DataPersistence(Quantity "1", UnitTime "0") appended.
    void SetSensorXML(const XmlNode &pData);
    void SetStatus(int pData);
    void SetMarquee(int pData);
    void SetNumeric(int pData);
    void SetPersistenceQuantity(int pData);
    void SetPersistenceUnitTime(int pData);

    bool isNothing() const { return m_sensor.node.isNull(); }

private:
    ModelElement m_sensor;
};
