#pragma once

#include "script/scriptengine.h"

#include <memory>

namespace vbs {
class Engine;
}

// The VBScript engine (script/vbscript) as ScriptControl drives it, with the
// automation objects of script/objects creatable by CreateObject.
//
// Errors are the engine's (see vbs::Engine), in ScriptErrorInfo's fields;
// error 18 after the time limit says so in its description. An argument of
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
    void setTimeLimit(std::chrono::milliseconds limit) override;

private:
    // Takes the engine's error after a failed call; false for the caller to return.
    bool failed();

    std::unique_ptr<vbs::Engine> m_engine;
    ScriptErrorInfo m_error;
    std::chrono::milliseconds m_limit{0};
};
