#pragma once

#include "errorcore/error.h"
#include "script/engine/scripterrorinfo.h"
#include "script/vbscript/errors.h"

#include <exception>

// Raising the system's errors inside the VBScript engine, and the engine's
// errors as the system's.
namespace bridge {

// The engine's error in the script host's fields.
ScriptErrorInfo errorInfo(const vbs::ScriptError &error);

// An Error as a runtime error of the running script (its number,
// description and source; an empty source becomes "VBScript runtime error").
[[noreturn]] void raiseInScript(const Error &error);

// Runs `body` for a member of a Qt object: an Error or another C++ exception
// leaving it becomes a runtime error of the script; the engine's own errors
// pass unchanged.
template <class Body>
auto guardMember(Body &&body) -> decltype(body())
{
    try {
        return body();
    } catch (const vbs::ScriptException &) {
        throw;
    } catch (...) {
        raiseInScript(toError(std::current_exception()));
    }
}

} // namespace bridge
