#pragma once

#include <QStringList>

// sensor-script show JOB.xml: prints the job's sensor as the model reads it.
int showJobCommand(const QStringList &args);
