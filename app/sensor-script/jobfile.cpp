#include "jobfile.h"

#include "hostkit/jobfile.h"

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
    jobFile.document = XmlNode::parse(hostkit::readJobFile(path).text);
    jobFile.job.SetJobNodeXML(jobFile.document.selectSingleNode(QStringLiteral("JobDefinition")));
    const XmlNode freeDefinition = jobFile.job.GetFreeDefinition();
    if (!freeDefinition.isNull())
        jobFile.sensorNode = freeDefinition.selectSingleNode(QStringLiteral("Sensor"));
    return jobFile;
}
