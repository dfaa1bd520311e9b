#pragma once

#include <QStringList>

// sensor-script resave [--data DIR] JOB.xml [OUT.xml]
// Opens the job in the editor as the desktop host does (Engine_InitControl,
// Engine_SetPathData, Engine_SetData, Engine_ShowData), validates it and
// writes what Engine_GetData gives to OUT.xml (JOB.xml itself when omitted)
// with the desktop host's file code: the same bytes File > Save writes.
// Runs on the offscreen platform. Exit codes: ExitOk saved, ExitRefused
// (the editor's message on standard error), ExitNotAJob, ExitNotWritten,
// ExitUsage.
int resaveJobCommand(const QStringList &args);
