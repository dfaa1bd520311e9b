#pragma once

#include "script/engine/scriptengine.h"

#include "script/engine/watchdog.h"

#include <atomic>
#include <memory>

namespace vbs {
class Engine;
}

// The VBScript engine (script/vbscript) as ScriptControl drives it, with the
// automation objects of script/objects creatable by CreateObject.
//
// Errors are the engine's (see vbs::Engine), in ScriptErrorInfo's fields;
// error 18 after the run's time limit says so in its description. A
// watchdog thread cancels the script at the run's deadline, so a loop of
// slow built-ins stops at the first checkpoint after it, and when the
// process has grown past the run's memory budget, which ends the call with
// 7. stop() cancels the same way, from any thread, with 18 "User interrupt
// occurred". The engine itself charges what a script allocates to the run's
// budget (ScriptRun::memoryAccount, shared by every engine of the run)
// before allocating it (7 "Out of memory" past it): the watchdog's look at
// the process is for what the host's objects allocate. An argument of
// run() that has no VBScript value raises 13 with the source "VBScript
// runtime error" before anything runs.
//
// Arguments are passed by reference: what the procedure assigns to a ByRef
// parameter is written back into `args` (as bridge::toResult gives it). An
// object the caller passed and got back unchanged stays the caller's pointer.
class VBScriptEngine : public ScriptEngine
{
public:
    VBScriptEngine();
    ~VBScriptEngine() override;
    VBScriptEngine(const VBScriptEngine &) = delete;
    VBScriptEngine &operator=(const VBScriptEngine &) = delete;

    bool addCode(const QString &code) override;
    bool check(const QString &code) override;
    bool run(const QString &name, QVariantList &args, QVariant &result) override;
    const ScriptErrorInfo &error() const override { return m_error; }
    bool close() override;
    void setRun(std::shared_ptr<const ScriptRun> run) override;
    void stop() override;
    void setOutput(ScriptOutput output) override;

private:
    // Takes the engine's error after a failed call; false for the caller to return.
    bool failed();
    // Runs one call of the engine under the watchdog.
    template <class Call>
    bool watched(Call &&call);

    std::unique_ptr<vbs::Engine> m_engine;
    ScriptErrorInfo m_error;
    std::shared_ptr<const ScriptRun> m_run; // the limits of the calls: none until setRun
    std::unique_ptr<Watchdog> m_watchdog;
    Watchdog::Fired m_fired = Watchdog::Fired::No; // what stopped the last call
    bool m_stoppedQuietly = false; // stopped, yet the engine reported success
    std::atomic<bool> m_stopped{false}; // stop() was called
};
