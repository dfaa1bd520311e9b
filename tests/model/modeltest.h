#pragma once

#include "expecterror.h"
#include "model/csensor.h"
#include "platform/xml/xmlnode.h"

#include <QString>

// Parses an inline document and returns its root element.
inline XmlNode rootOf(const QString &xml)
{
    return XmlNode::parse(xml).documentElement();
}

// A job whose sensor has a value in every element the editor shows.
inline const char *const sensorJob = R"(<JobDefinition>
  <Definition><Type>SENSOR</Type><SubType>SCRIPT</SubType><ExecutionEngine>SENSOR</ExecutionEngine></Definition>
  <FreeDefinition><Sensor>
    <Script><Language>VBScript</Language><EvalCode>Function Main()
Main = 1
End Function</EvalCode></Script>
    <Status>1</Status><ViewInMarquee>0</ViewInMarquee><Quantity>1</Quantity>
    <DataPersistence><Quantity>3</Quantity><UnitTime>2</UnitTime></DataPersistence>
    <EvaluationData><Evaluation>1</Evaluation><Values>
      <EvalData><Type>2</Type><Script><Language>JScript</Language><EvalCode>d</EvalCode></Script><Events/><ReferenceValue>90</ReferenceValue></EvalData>
      <EvalData><Type>1</Type><Script><Language>VBScript</Language><EvalCode>w</EvalCode></Script><Events/><ReferenceValue>75.5</ReferenceValue></EvalData>
      <EvalData><Type>0</Type><Script><Language>VBScript</Language><EvalCode>g</EvalCode></Script><Events/><ReferenceValue>0</ReferenceValue></EvalData>
    </Values></EvaluationData>
  </Sensor></FreeDefinition>
</JobDefinition>)";

// sensorJob with the first `from` replaced by `to`.
inline QString sensorJobWith(const QString &from = {}, const QString &to = {})
{
    QString text = QString::fromUtf8(sensorJob);
    const qsizetype at = from.isEmpty() ? -1 : text.indexOf(from);
    EXPECT_TRUE(from.isEmpty() || at >= 0) << from.toStdString() << " is not in the job";
    if (at >= 0)
        text.replace(at, from.size(), to);
    return text;
}

// The sensor of a job text, bound to the element in its document.
inline cSensor sensorOf(const QString &jobText)
{
    cSensor sensor;
    sensor.SetSensorXML(XmlNode::parse(jobText).selectSingleNode(QStringLiteral("JobDefinition/FreeDefinition/Sensor")));
    return sensor;
}
