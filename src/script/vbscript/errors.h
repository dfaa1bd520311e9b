#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

namespace vbs {

// The sources an error reports.
inline constexpr std::u16string_view kCompileSource = u"VBScript compilation error";
inline constexpr std::u16string_view kRuntimeSource = u"VBScript runtime error";

// Runtime error numbers (Err.Number). Every one has its standard description
// (errorDescription), which Err.Raise also uses for a number it is given.
enum class RuntimeError : long {
    InvalidProcedureCall = 5,
    Overflow = 6,
    OutOfMemory = 7,
    SubscriptOutOfRange = 9,
    ArrayFixedOrLocked = 10,
    DivisionByZero = 11,
    TypeMismatch = 13,
    OutOfStringSpace = 14,
    CannotPerformOperation = 17,
    UserInterrupt = 18, // cancelled or out of time; On Error Resume Next does not catch it
    OutOfStackSpace = 28,
    ProcedureNotDefined = 35,
    DllLoadFailed = 48,
    InternalError = 51,
    BadFileNameOrNumber = 52,
    FileNotFound = 53,
    BadFileMode = 54,
    FileAlreadyOpen = 55,
    DeviceIoError = 57,
    FileAlreadyExists = 58,
    DiskFull = 61,
    InputPastEndOfFile = 62,
    TooManyFiles = 67,
    DeviceUnavailable = 68,
    PermissionDenied = 70,
    DiskNotReady = 71,
    RenameAcrossDrives = 74,
    PathFileAccessError = 75,
    PathNotFound = 76,
    ObjectVariableNotSet = 91,
    ForLoopNotInitialized = 92,
    InvalidUseOfNull = 94,
    CannotCreateTemporaryFile = 322,
    ObjectRequired = 424,
    CannotCreateObject = 429,
    ClassNotAutomation = 430,
    AutomationNameNotFound = 432,
    MemberNotSupported = 438,
    AutomationError = 440,
    ActionNotSupported = 445,
    NamedArgumentsNotSupported = 446,
    LocaleNotSupported = 447,
    NamedArgumentNotFound = 448,
    ArgumentNotOptional = 449,
    WrongArgumentCount = 450,
    NotACollection = 451,
    DllFunctionNotFound = 453,
    DuplicateKey = 457,
    UnsupportedAutomationType = 458,
    RemoteServerUnavailable = 462,
    VariableUndefined = 500,
    IllegalAssignment = 501,
    NotSafeForScripting = 502,
    NotSafeForInitializing = 503,
    NotSafeForCreating = 504,
    InvalidReference = 505,
    ClassNotDefined = 506,
    ExceptionOccurred = 507,
    RegExpObjectExpected = 5016,
    RegExpSyntax = 5017,
    RegExpUnexpectedQuantifier = 5018,
    RegExpExpectedBracket = 5019,
    RegExpExpectedParenthesis = 5020,
    RegExpInvalidRange = 5021,
    ElementNotFound = 32811,
};

// Compile error numbers: what the lexer, the parser and the resolver report.
enum class CompileError : long {
    NestingTooDeep = 28, // reported as "Out of stack space", like its runtime twin
    OutOfMemory = 1001,
    SyntaxError = 1002,
    ExpectedColon = 1003,
    ExpectedOpenParenthesis = 1005,
    ExpectedCloseParenthesis = 1006,
    ExpectedCloseBracket = 1007,
    ExpectedIdentifier = 1010,
    ExpectedEquals = 1011,
    ExpectedIf = 1012,
    ExpectedTo = 1013,
    ExpectedEnd = 1014,
    ExpectedFunction = 1015,
    ExpectedSub = 1016,
    ExpectedThen = 1017,
    ExpectedWend = 1018,
    ExpectedLoop = 1019,
    ExpectedNext = 1020,
    ExpectedCase = 1021,
    ExpectedSelect = 1022,
    ExpectedExpression = 1023,
    ExpectedStatement = 1024,
    ExpectedEndOfStatement = 1025,
    ExpectedIntegerConstant = 1026,
    ExpectedWhileOrUntil = 1027,
    ExpectedWhileUntilOrEndOfStatement = 1028,
    ExpectedWith = 1029,
    IdentifierTooLong = 1030,
    InvalidNumber = 1031,
    InvalidCharacter = 1032,
    UnterminatedString = 1033,
    UnterminatedComment = 1034,
    InvalidUseOfMe = 1037,
    LoopWithoutDo = 1038,
    InvalidExit = 1039,
    InvalidForVariable = 1040,
    NameRedefined = 1041,
    MustBeFirstStatement = 1042,
    ParenthesesCallingSub = 1044,
    ExpectedLiteralConstant = 1045,
    ExpectedIn = 1046,
    ExpectedClass = 1047,
    MustBeInsideClass = 1048,
    ExpectedLetSetOrGet = 1049,
    ExpectedProperty = 1050,
    InconsistentPropertyArguments = 1051,
    MultipleDefaults = 1052,
    ClassEventWithArguments = 1053,
    PropertyWithoutArgument = 1054,
    UnexpectedNext = 1055,
    DefaultOnWrongMember = 1056,
    DefaultWithoutPublic = 1057,
    DefaultNotOnPropertyGet = 1058,
};

// The number a cancelled or timed-out run ends with, for embedders that
// compare Err numbers.
inline constexpr long kCancelledError = static_cast<long>(RuntimeError::UserInterrupt);

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

    bool is(RuntimeError n) const { return number == static_cast<long>(n); }
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

// The standard message of a runtime or compile error number; empty when the
// number has none.
std::u16string_view errorDescription(long number);

// A runtime error record: the given description, or the standard one (or
// "Unknown runtime error" for a number without one).
ScriptError runtimeError(long number, std::u16string description = {});
inline ScriptError runtimeError(RuntimeError number) { return runtimeError(static_cast<long>(number)); }

// Raise a runtime error with the standard description.
[[noreturn]] void raiseError(RuntimeError number);
// Raise a runtime error with its own description (a host object's, Err.Raise's).
[[noreturn]] void raiseError(long number, std::u16string description);
// The Err.Number of a failure a COM-style host reports as an HRESULT: a code
// of the script engine's own facility (0x800A....) is the error number it
// carries; the common COM, dispatch, storage and moniker codes are the
// runtime errors they stand for (E_INVALIDARG 5, DISP_E_TYPEMISMATCH 13,
// REGDB_E_CLASSNOTREG 429 ...); any other code is its own number.
long errorNumberFromHresult(std::int32_t hresult);
// Raise the runtime error of an HRESULT, with its standard description.
[[noreturn]] void raiseHresult(std::int32_t hresult);
// Raise a runtime error about a name: "Variable is undefined: 'x'".
[[noreturn]] void raiseNameError(RuntimeError number, std::u16string_view name);
// A compile error at a position.
[[noreturn]] void raiseCompileError(CompileError number, int line, int column, std::u16string lineText);

} // namespace vbs
