#pragma once

#include "model/cjob.h"
#include "model/csensor.h"
#include "platform/xml/xmlnode.h"

#include <QString>

// A job file as the commands read it: the parsed document, the job over it
// and the job's sensor element.
struct JobFile
{
    XmlNode document;
    cJob job;
    XmlNode sensorNode; // FreeDefinition/Sensor; null for a new job

    // Binds `sensor` to the job's sensor element; false for a new job.
    bool bindSensor(cSensor &sensor) const;
};

// Reads and parses `path` as the hosts do (hostkit::readJobFile: decoded as
// XML says, a JobDefinition at the root). Raises its errors: the file's, the
// decoding's, the parser's and "... is not a job definition".
JobFile readJobFile(const QString &path);
