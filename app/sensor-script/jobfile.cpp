#include "jobfile.h"

#include "inputfile.h"

#include "errorcore/error.h"

bool JobFile::bindSensor(cSensor &sensor) const
{
    if (sensorNode.isNull())
        return false;
    sensor.SetSensorXML(sensorNode);
    return true;
}

JobFile readJobFile(const QString &path)
{
    JobFile jobFile;
    jobFile.document = XmlNode::parse(QString::fromUtf8(readInputFile(path)));
    jobFile.job.SetJobNodeXML(jobFile.document.selectSingleNode(QStringLiteral("JobDefinition")));
    const XmlNode freeDefinition = jobFile.job.GetFreeDefinition();
    if (!freeDefinition.isNull())
        jobFile.sensorNode = freeDefinition.selectSingleNode(QStringLiteral("Sensor"));
    return jobFile;
}
