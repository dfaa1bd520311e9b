#pragma once

#include <QStringList>

// sensor-script show JOB.xml: prints the job's sensor as the model reads it.
// Exit codes: ExitOk, ExitShowFailed (the error on standard error), ExitUsage.
int showJobCommand(const QStringList &args);
