#pragma once

#include <QStringList>

// sensor-script evaluate [-t SECONDS] JOB.xml: runs the job's sensor
// scripts as the editor's test evaluation does and answers as a monitoring
// plugin: one line "SENSOR <STATE> - value <value>" and the exit code
//   ExitOk        the Good script returned true, or the sensor does not evaluate its data
//   ExitWarning   the Warning script returned true
//   ExitCritical  the Danger script returned true
//   ExitUnknown   no level returned true, a script failed (the script error
//                 report on standard error) or the job could not be read
// or ExitUsage.
int evaluateJobCommand(const QStringList &args);
