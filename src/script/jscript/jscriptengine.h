#pragma once

#include "script/engine/scriptengine.h"

#include <QJSValue>
#include <QString>
#include <QVariantList>
#include <chrono>
#include <memory>

class QJSEngine;

// JScript on QJSEngine: the JScript adapter of ScriptControl.
//
// addCode evaluates the code (its function declarations become global, its
// global statements run, as a host's AddCode does); run calls a global
// function. Every failure returns false and leaves the error in error():
//
//   number  1002  SyntaxError while compiling (source "JScript compilation error")
//           5009  ReferenceError: an undefined identifier, or run() of a missing function
//           5007  TypeError (an object or function expected)
//             28  RangeError from recursion past the engine's stack ("Out of stack space")
//              5  any other RangeError, URIError or EvalError
//           5022  a thrown value that is not one of the above (throw 'text', new Error(...))
//             18  stopped at the time-out, or by stop() ("User interrupt occurred")
//              7  stopped past the memory budget, or a built-in call that would
//                 take more than the run has left (jsbounds.h)
//             28  values, regular expressions or code nested too deep (jsbounds.h,
//                 bridge::ConversionLimits)
//           an error raised by an automation object keeps its own number
//   description  the engine's message (for a thrown value, its text)
//   line, text   1-based line and that line of the code; column 0-based
//                (known for compile errors only, else 0)
//   source       "JScript compilation error" or "JScript runtime error"
//
// Arguments: arrays passed to run() are JavaScript arrays; what the function
// puts in them is written back into `args`. Primitive values are passed by
// value in JavaScript, so assigning a parameter changes nothing outside.
class JScriptEngine : public ScriptEngine
{
public:
    JScriptEngine();
    ~JScriptEngine();
    JScriptEngine(const JScriptEngine &) = delete;
    JScriptEngine &operator=(const JScriptEngine &) = delete;

    bool addCode(const QString &code) override;
    // A syntax check that runs nothing and adds nothing: the code is
    // compiled as the body of a function that is never called. (A `return`
    // outside any function therefore passes here but fails in addCode.)
    bool check(const QString &code) override;
    bool run(const QString &name, QVariantList &args, QVariant &result) override;
    const ScriptErrorInfo &error() const override { return m_error; }
    // Nothing of a JScript program runs on release.
    bool close() override { return true; }

    // A script still running at the run's deadline, or growing the process
    // past its budget, is interrupted (from a watchdog thread) and the
    // engine stays usable.
    void setRun(std::shared_ptr<const ScriptRun> run) override;
    // Interrupts the running script (safe from any thread), as the time-out does.
    void stop() override;
    void setOutput(ScriptOutput output) override;

    // The engine's state (jscriptengine.cpp), shared with the watch over a call.
    struct Private;

private:
    // The calls themselves; a C++ exception leaving one (a conversion past
    // its bounds, memory that ran out) becomes the call's error in guarded.
    template <class Body>
    bool guarded(Body &&body);
    bool add(const QString &code);
    bool compile(const QString &code);
    bool call(const QString &name, QVariantList &args, QVariant &result);

    std::unique_ptr<Private> d;
    ScriptErrorInfo m_error;
    std::shared_ptr<const ScriptRun> m_run;
};
