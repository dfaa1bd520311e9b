#pragma once

// The exit codes of sensor-script, for every command. The low numbers mean
// what the command reports: evaluate's sensor state, the phase of run or
// check that failed, show's failure or what stopped resave; the high ones are shared.
enum ExitCode : int {
    ExitOk = 0,

    // evaluate: the sensor's state (a monitoring plugin's codes)
    ExitWarning = 1,
    ExitCritical = 2,
    ExitUnknown = 3, // also a script error or a job that cannot be read

    // run, check: the phase that failed (the script error report on standard error)
    ExitCompileError = 1,
    ExitRuntimeError = 2,

    // show: the job could not be read or shown
    ExitShowFailed = 1,

    // resave
    ExitRefused = 1,     // the editor's validation refused the job (its message on standard error)
    ExitNotAJob = 2,     // not a job definition, unreadable, or a job the editor cannot show
    ExitNotWritten = 3,  // the output file could not be written

    ExitUsage = 64,   // unknown command or option, missing or extra argument, bad option value
    ExitNoInput = 66, // run, check, colorize: the script file cannot be read
};
