#pragma once

#include <QStringList>

namespace host {

// Where a test run's debug output goes: the text of each DebugPrint, and the
// prompts of MsgBox and InputBox, which never wait for a user while scripts
// run. Optional: with no factory installed (a scheduler) the output is
// dropped, and the editor shows no output box.
class DebugOutput
{
public:
    virtual ~DebugOutput() = default;
    // The run's output, one entry per call in the order the scripts made
    // them; called on the interface thread once the run has ended (whether
    // or not it failed), and only when the run printed something.
    virtual void Write(const QStringList &lines) = 0;
};

} // namespace host
