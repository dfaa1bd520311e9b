#pragma once

#include "scripterrorinfo.h"

#include <QString>
#include <QVariant>
#include <QVariantList>
#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>

class ScriptRun;

// Where a script's debug output goes: one call per DebugPrint, MsgBox or
// InputBox, with its text, on the thread that runs the script.
using ScriptOutput = std::function<void(const QString &text)>;

// One script language as ScriptControl drives it; vbhost/ and jscript/ hold
// the two adapters. Every call that can fail returns false and leaves the
// error in error(); a call that succeeds leaves Number 0. Nothing throws.
class ScriptEngine
{
public:
    virtual ~ScriptEngine() = default;

    // Compiles the code and runs its global statements.
    virtual bool addCode(const QString &code) = 0;
    // Compiles only; nothing is added or run.
    virtual bool check(const QString &code) = 0;
    // Calls a global procedure. `args` are converted for the language and,
    // where it passes them by reference, written back from what the
    // procedure assigned. `result` is the procedure's value as a host value
    // (see bridge::toResult), invalid for Empty or undefined.
    virtual bool run(const QString &name, QVariantList &args, QVariant &result) = 0;
    virtual const ScriptErrorInfo &error() const = 0;
    // Ends the script: its global objects are released, and whatever code
    // the language runs on release runs under the time limit. False when
    // the limit or stop() cut that code short. Nothing else is called on
    // the engine afterwards.
    virtual bool close() = 0;

    // The run the next addCode, run and close belong to: a script still
    // running at its deadline stops with error 18 and timeoutDescription(),
    // one that grows the process past its budget with error 7 and
    // memoryDescription(). The engine keeps the run until the next setRun.
    virtual void setRun(std::shared_ptr<const ScriptRun> run) = 0;

    // The global DebugPrint(value) of both languages writes the value's text
    // to `output`; MsgBox writes its prompt there and answers OK at once,
    // InputBox its prompt and answers with its default (else ""): nothing
    // waits for a user while a script runs. Without an output (the
    // default) the text is dropped.
    virtual void setOutput(ScriptOutput output) = 0;

    // Safe from any thread: the call running now ends with error 18 and
    // stopDescription(), and so does every later call, at once.
    virtual void stop() = 0;
};

// The description of error 18 when the time limit stopped the script.
inline QString timeoutDescription(std::chrono::milliseconds limit)
{
    return QStringLiteral("The script was stopped: it ran longer than the time-out of %1 ms").arg(limit.count());
}

// The description of error 18 when stop() ended the script.
inline QString stopDescription()
{
    return QStringLiteral("User interrupt occurred");
}

// The description of error 7 when the memory budget stopped the script.
inline QString memoryDescription(std::size_t budget)
{
    return QStringLiteral("Out of memory: the script used more than its budget of %1 MB").arg(budget >> 20);
}
