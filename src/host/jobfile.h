#pragma once

#include <QString>

namespace host {

// Optional beside Engine: where the job the host gave is stored. While the
// editor runs the job's scripts (Evaluate, the Database Connection Wizard's
// test), relative paths in them resolve against that file's folder, as
// `sensor-script evaluate` resolves them; for a job without a file (a new
// one, or a host that does not say) they resolve against the process's
// current folder. A host calls it after Engine_SetData and again when the
// job is saved under another name.
class JobFile
{
public:
    virtual ~JobFile() = default;
    // The job file's path, or "" for a job that has none (yet).
    virtual void Engine_SetJobFile(const QString &pPath) = 0;
};

} // namespace host
