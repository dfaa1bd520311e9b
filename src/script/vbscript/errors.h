#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace vbs {

// The sources an error reports.
inline constexpr std::u16string_view kCompileSource = u"VBScript compilation error";
inline constexpr std::u16string_view kRuntimeSource = u"VBScript runtime error";

// Raised when the cancel flag is set or the time limit passes; On Error
// Resume Next does not catch it.
inline constexpr long kCancelledError = 18; // "User interrupt occurred"

// What the embedder sees of a failed compile or run. Line is 1-based;
// column is the 0-based offset of the error within the line; text is the
// whole source line. Number 0 means no error.
struct ScriptError
{
    long number = 0;
    std::u16string description;
    std::u16string source;
    std::u16string text;
    int line = 0;
    int column = 0;
    std::u16string helpFile;
    long helpContext = 0;
};

// Travels inside the engine; the interpreter fills in the position of the
// statement it was executing when it leaves that statement.
class ScriptException : public std::exception
{
public:
    explicit ScriptException(ScriptError e, bool positioned = false)
        : error(std::move(e)), positioned(positioned) {}
    const char *what() const noexcept override { return "script error"; }

    ScriptError error;
    bool positioned = false;
    bool fatal = false; // cancellation: never resumed
    // Source of the unit the error happened in; the engine takes the line
    // text from it only when the error leaves the engine (errors caught by
    // On Error Resume Next never pay for it).
    const std::u16string *sourceText = nullptr;
};

// VBScript's message for a runtime or compile error number; empty when the
// number has none.
std::u16string_view errorDescription(long number);

// Raise a runtime error with the standard description (or
// "Unknown runtime error" for a number without one).
[[noreturn]] void raiseError(long number);
[[noreturn]] void raiseError(long number, std::u16string description);
// A compile error at a position.
[[noreturn]] void raiseCompileError(long number, int line, int column, std::u16string lineText);

} // namespace vbs
