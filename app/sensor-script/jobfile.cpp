#include "jobfile.h"

#include "errorcore/error.h"

#include <QFile>

bool JobFile::bindSensor(cSensor &sensor) const
{
    if (sensorNode.isNull())
        return false;
    sensor.SetSensorXML(sensorNode);
    return true;
}

JobFile readJobFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(53, QStringLiteral("File not found: %1").arg(path));
    JobFile jobFile;
    jobFile.document = XmlNode::parse(QString::fromUtf8(file.readAll()));
    jobFile.job.SetJobNodeXML(jobFile.document.selectSingleNode(QStringLiteral("JobDefinition")));
    const XmlNode freeDefinition = jobFile.job.GetFreeDefinition();
    if (!freeDefinition.isNull())
        jobFile.sensorNode = freeDefinition.selectSingleNode(QStringLiteral("Sensor"));
    return jobFile;
}
