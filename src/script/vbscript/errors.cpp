#include "errors.h"

#include <unordered_map>

namespace vbs {

namespace {

// One row of the description table: a runtime or a compile error number.
struct Description
{
    Description(RuntimeError n, std::u16string_view t) : number(static_cast<long>(n)), text(t) {}
    Description(CompileError n, std::u16string_view t) : number(static_cast<long>(n)), text(t) {}
    long number;
    std::u16string_view text;
};

const std::unordered_map<long, std::u16string_view> &descriptions()
{
    static const std::unordered_map<long, std::u16string_view> table = [] {
        const Description rows[] = {
        {RuntimeError::InvalidProcedureCall, u"Invalid procedure call or argument"},
        {RuntimeError::Overflow, u"Overflow"},
        {RuntimeError::OutOfMemory, u"Out of memory"},
        {RuntimeError::SubscriptOutOfRange, u"Subscript out of range"},
        {RuntimeError::ArrayFixedOrLocked, u"This array is fixed or temporarily locked"},
        {RuntimeError::DivisionByZero, u"Division by zero"},
        {RuntimeError::TypeMismatch, u"Type mismatch"},
        {RuntimeError::OutOfStringSpace, u"Out of string space"},
        {RuntimeError::CannotPerformOperation, u"Can't perform requested operation"},
        {RuntimeError::UserInterrupt, u"User interrupt occurred"},
        {RuntimeError::OutOfStackSpace, u"Out of stack space"},
        {RuntimeError::ProcedureNotDefined, u"Sub or Function not defined"},
        {RuntimeError::DllLoadFailed, u"Error in loading DLL"},
        {RuntimeError::InternalError, u"Internal error"},
        {RuntimeError::BadFileNameOrNumber, u"Bad file name or number"},
        {RuntimeError::FileNotFound, u"File not found"},
        {RuntimeError::BadFileMode, u"Bad file mode"},
        {RuntimeError::FileAlreadyOpen, u"File already open"},
        {RuntimeError::DeviceIoError, u"Device I/O error"},
        {RuntimeError::FileAlreadyExists, u"File already exists"},
        {RuntimeError::DiskFull, u"Disk full"},
        {RuntimeError::InputPastEndOfFile, u"Input past end of file"},
        {RuntimeError::TooManyFiles, u"Too many files"},
        {RuntimeError::DeviceUnavailable, u"Device unavailable"},
        {RuntimeError::PermissionDenied, u"Permission denied"},
        {RuntimeError::DiskNotReady, u"Disk not ready"},
        {RuntimeError::RenameAcrossDrives, u"Can't rename with different drive"},
        {RuntimeError::PathFileAccessError, u"Path/File access error"},
        {RuntimeError::PathNotFound, u"Path not found"},
        {RuntimeError::ObjectVariableNotSet, u"Object variable not set"},
        {RuntimeError::ForLoopNotInitialized, u"For loop not initialized"},
        {RuntimeError::InvalidUseOfNull, u"Invalid use of Null"},
        {RuntimeError::CannotCreateTemporaryFile, u"Can't create necessary temporary file"},
        {RuntimeError::ObjectRequired, u"Object required"},
        {RuntimeError::CannotCreateObject, u"ActiveX component can't create object"},
        {RuntimeError::ClassNotAutomation, u"Class doesn't support Automation"},
        {RuntimeError::AutomationNameNotFound, u"File name or class name not found during Automation operation"},
        {RuntimeError::MemberNotSupported, u"Object doesn't support this property or method"},
        {RuntimeError::AutomationError, u"Automation error"},
        {RuntimeError::ActionNotSupported, u"Object doesn't support this action"},
        {RuntimeError::NamedArgumentsNotSupported, u"Object doesn't support named arguments"},
        {RuntimeError::LocaleNotSupported, u"Object doesn't support current locale setting"},
        {RuntimeError::NamedArgumentNotFound, u"Named argument not found"},
        {RuntimeError::ArgumentNotOptional, u"Argument not optional"},
        {RuntimeError::WrongArgumentCount, u"Wrong number of arguments or invalid property assignment"},
        {RuntimeError::NotACollection, u"Object not a collection"},
        {RuntimeError::DllFunctionNotFound, u"Specified DLL function not found"},
        {RuntimeError::DuplicateKey, u"This key is already associated with an element of this collection"},
        {RuntimeError::UnsupportedAutomationType, u"Variable uses an Automation type not supported in VBScript"},
        {RuntimeError::RemoteServerUnavailable, u"The remote server machine does not exist or is unavailable"},
        {RuntimeError::VariableUndefined, u"Variable is undefined"},
        {RuntimeError::IllegalAssignment, u"Illegal assignment"},
        {RuntimeError::NotSafeForScripting, u"Object not safe for scripting"},
        {RuntimeError::NotSafeForInitializing, u"Object not safe for initializing"},
        {RuntimeError::NotSafeForCreating, u"Object not safe for creating"},
        {RuntimeError::InvalidReference, u"Invalid or unqualified reference"},
        {RuntimeError::ClassNotDefined, u"Class not defined"},
        {RuntimeError::ExceptionOccurred, u"An exception occurred"},
        {RuntimeError::RegExpObjectExpected, u"Regular Expression object expected"},
        {RuntimeError::RegExpSyntax, u"Syntax error in regular expression"},
        {RuntimeError::RegExpUnexpectedQuantifier, u"Unexpected quantifier"},
        {RuntimeError::RegExpExpectedBracket, u"Expected ']' in regular expression"},
        {RuntimeError::RegExpExpectedParenthesis, u"Expected ')' in regular expression"},
        {RuntimeError::RegExpInvalidRange, u"Invalid range in character set"},
        {RuntimeError::ElementNotFound, u"Element not found"},
        {CompileError::OutOfMemory, u"Out of memory"},
        {CompileError::SyntaxError, u"Syntax error"},
        {CompileError::ExpectedColon, u"Expected ':'"},
        {CompileError::ExpectedOpenParenthesis, u"Expected '('"},
        {CompileError::ExpectedCloseParenthesis, u"Expected ')'"},
        {CompileError::ExpectedCloseBracket, u"Expected ']'"},
        {CompileError::ExpectedIdentifier, u"Expected identifier"},
        {CompileError::ExpectedEquals, u"Expected '='"},
        {CompileError::ExpectedIf, u"Expected 'If'"},
        {CompileError::ExpectedTo, u"Expected 'To'"},
        {CompileError::ExpectedEnd, u"Expected 'End'"},
        {CompileError::ExpectedFunction, u"Expected 'Function'"},
        {CompileError::ExpectedSub, u"Expected 'Sub'"},
        {CompileError::ExpectedThen, u"Expected 'Then'"},
        {CompileError::ExpectedWend, u"Expected 'Wend'"},
        {CompileError::ExpectedLoop, u"Expected 'Loop'"},
        {CompileError::ExpectedNext, u"Expected 'Next'"},
        {CompileError::ExpectedCase, u"Expected 'Case'"},
        {CompileError::ExpectedSelect, u"Expected 'Select'"},
        {CompileError::ExpectedExpression, u"Expected expression"},
        {CompileError::ExpectedStatement, u"Expected statement"},
        {CompileError::ExpectedEndOfStatement, u"Expected end of statement"},
        {CompileError::ExpectedIntegerConstant, u"Expected integer constant"},
        {CompileError::ExpectedWhileOrUntil, u"Expected 'While' or 'Until'"},
        {CompileError::ExpectedWhileUntilOrEndOfStatement, u"Expected 'While', 'Until' or end of statement"},
        {CompileError::ExpectedWith, u"Expected 'With'"},
        {CompileError::IdentifierTooLong, u"Identifier too long"},
        {CompileError::InvalidNumber, u"Invalid number"},
        {CompileError::InvalidCharacter, u"Invalid character"},
        {CompileError::UnterminatedString, u"Unterminated string constant"},
        {CompileError::UnterminatedComment, u"Unterminated comment"},
        {CompileError::InvalidUseOfMe, u"Invalid use of 'Me' keyword"},
        {CompileError::LoopWithoutDo, u"'loop' without 'do'"},
        {CompileError::InvalidExit, u"Invalid 'exit' statement"},
        {CompileError::InvalidForVariable, u"Invalid 'for' loop control variable"},
        {CompileError::NameRedefined, u"Name redefined"},
        {CompileError::MustBeFirstStatement, u"Must be first statement on the line"},
        {CompileError::ParenthesesCallingSub, u"Cannot use parentheses when calling a Sub"},
        {CompileError::ExpectedLiteralConstant, u"Expected literal constant"},
        {CompileError::ExpectedIn, u"Expected 'In'"},
        {CompileError::ExpectedClass, u"Expected 'Class'"},
        {CompileError::MustBeInsideClass, u"Must be defined inside a Class"},
        {CompileError::ExpectedLetSetOrGet, u"Expected Let or Set or Get in property declaration"},
        {CompileError::ExpectedProperty, u"Expected 'Property'"},
        {CompileError::InconsistentPropertyArguments, u"Number of arguments must be consistent across the procedures of a property"},
        {CompileError::MultipleDefaults, u"Cannot have multiple default property/method in a Class"},
        {CompileError::ClassEventWithArguments, u"Class initialize or terminate do not have arguments"},
        {CompileError::PropertyWithoutArgument, u"Property set or let must have at least one argument"},
        {CompileError::UnexpectedNext, u"Unexpected 'Next'"},
        {CompileError::DefaultOnWrongMember, u"'Default' can be specified only on 'Property' or 'Function' or 'Sub'"},
        {CompileError::DefaultWithoutPublic, u"'Default' must be used together with 'Public'"},
        {CompileError::DefaultNotOnPropertyGet, u"'Default' can only be on Property Get"},
        };
        std::unordered_map<long, std::u16string_view> byNumber;
        for (const Description &row : rows)
            byNumber.emplace(row.number, row.text);
        return byNumber;
    }();
    return table;
}

} // namespace

std::u16string_view errorDescription(long number)
{
    const auto it = descriptions().find(number);
    return it == descriptions().end() ? std::u16string_view() : it->second;
}

ScriptError runtimeError(long number, std::u16string description)
{
    ScriptError e;
    e.number = number;
    if (description.empty()) {
        const std::u16string_view standard = errorDescription(number);
        description = standard.empty() ? std::u16string(u"Unknown runtime error") : std::u16string(standard);
    }
    e.description = std::move(description);
    e.source = kRuntimeSource;
    return e;
}

void raiseError(RuntimeError number)
{
    throw ScriptException(runtimeError(number));
}

void raiseError(long number, std::u16string description)
{
    throw ScriptException(runtimeError(number, std::move(description)));
}

long errorNumberFromHresult(std::int32_t hresult)
{
    const auto code = static_cast<std::uint32_t>(hresult);
    if ((code & 0xFFFF0000u) == 0x800A0000u)
        return static_cast<long>(code & 0xFFFFu);
    static const std::unordered_map<std::uint32_t, RuntimeError> map = {
        {0x80004001u, RuntimeError::ActionNotSupported},        // E_NOTIMPL
        {0x80004002u, RuntimeError::ClassNotAutomation},        // E_NOINTERFACE
        {0x80020001u, RuntimeError::MemberNotSupported},        // DISP_E_UNKNOWNINTERFACE
        {0x80020003u, RuntimeError::MemberNotSupported},        // DISP_E_MEMBERNOTFOUND
        {0x80020004u, RuntimeError::NamedArgumentNotFound},     // DISP_E_PARAMNOTFOUND
        {0x80020005u, RuntimeError::TypeMismatch},              // DISP_E_TYPEMISMATCH
        {0x80020006u, RuntimeError::MemberNotSupported},        // DISP_E_UNKNOWNNAME
        {0x80020007u, RuntimeError::NamedArgumentsNotSupported}, // DISP_E_NONAMEDARGS
        {0x80020008u, RuntimeError::UnsupportedAutomationType}, // DISP_E_BADVARTYPE
        {0x8002000Au, RuntimeError::Overflow},                  // DISP_E_OVERFLOW
        {0x8002000Bu, RuntimeError::SubscriptOutOfRange},       // DISP_E_BADINDEX
        {0x8002000Cu, RuntimeError::LocaleNotSupported},        // DISP_E_UNKNOWNLCID
        {0x8002000Du, RuntimeError::ArrayFixedOrLocked},        // DISP_E_ARRAYISLOCKED
        {0x8002000Eu, RuntimeError::WrongArgumentCount},        // DISP_E_BADPARAMCOUNT
        {0x8002000Fu, RuntimeError::ArgumentNotOptional},       // DISP_E_PARAMNOTOPTIONAL
        {0x80020011u, RuntimeError::NotACollection},            // DISP_E_NOTACOLLECTION
        {0x8002802Fu, RuntimeError::DllFunctionNotFound},       // TYPE_E_DLLFUNCTIONNOTFOUND
        {0x80028CA0u, RuntimeError::TypeMismatch},              // TYPE_E_TYPEMISMATCH
        {0x80028CA1u, RuntimeError::SubscriptOutOfRange},       // TYPE_E_OUTOFBOUNDS
        {0x80028CA2u, RuntimeError::DeviceIoError},             // TYPE_E_IOERROR
        {0x80028CA3u, RuntimeError::CannotCreateTemporaryFile}, // TYPE_E_CANTCREATETMPFILE
        {0x80030002u, RuntimeError::AutomationNameNotFound},    // STG_E_FILENOTFOUND
        {0x80030003u, RuntimeError::PathNotFound},              // STG_E_PATHNOTFOUND
        {0x80030004u, RuntimeError::TooManyFiles},              // STG_E_TOOMANYOPENFILES
        {0x80030005u, RuntimeError::PermissionDenied},          // STG_E_ACCESSDENIED
        {0x80030008u, RuntimeError::OutOfMemory},               // STG_E_INSUFFICIENTMEMORY
        {0x80030012u, RuntimeError::TooManyFiles},              // STG_E_NOMOREFILES
        {0x80030013u, RuntimeError::PermissionDenied},          // STG_E_DISKISWRITEPROTECTED
        {0x8003001Du, RuntimeError::DeviceIoError},             // STG_E_WRITEFAULT
        {0x8003001Eu, RuntimeError::DeviceIoError},             // STG_E_READFAULT
        {0x80030020u, RuntimeError::PathFileAccessError},       // STG_E_SHAREVIOLATION
        {0x80030021u, RuntimeError::PermissionDenied},          // STG_E_LOCKVIOLATION
        {0x80030050u, RuntimeError::FileAlreadyExists},         // STG_E_FILEALREADYEXISTS
        {0x80030070u, RuntimeError::DiskFull},                  // STG_E_MEDIUMFULL
        {0x800300FCu, RuntimeError::FileNotFound},              // STG_E_INVALIDNAME
        {0x80030100u, RuntimeError::PermissionDenied},          // STG_E_INUSE
        {0x80030101u, RuntimeError::PermissionDenied},          // STG_E_NOTCURRENT
        {0x80030103u, RuntimeError::DeviceIoError},             // STG_E_CANTSAVE
        {0x80040154u, RuntimeError::CannotCreateObject},        // REGDB_E_CLASSNOTREG
        {0x800401E3u, RuntimeError::CannotCreateObject},        // MK_E_UNAVAILABLE
        {0x800401E6u, RuntimeError::AutomationNameNotFound},    // MK_E_INVALIDEXTENSION
        {0x800401EAu, RuntimeError::AutomationNameNotFound},    // MK_E_CANTOPENFILE
        {0x800401F3u, RuntimeError::CannotCreateObject},        // CO_E_CLASSSTRING
        {0x800401F5u, RuntimeError::CannotCreateObject},        // CO_E_APPNOTFOUND
        {0x800401FEu, RuntimeError::CannotCreateObject},        // CO_E_APPDIDNTREG
        {0x80070005u, RuntimeError::PermissionDenied},          // E_ACCESSDENIED
        {0x8007000Eu, RuntimeError::OutOfMemory},               // E_OUTOFMEMORY
        {0x80070057u, RuntimeError::InvalidProcedureCall},      // E_INVALIDARG
        {0x800706BAu, RuntimeError::RemoteServerUnavailable},   // RPC_S_SERVER_UNAVAILABLE
        {0x80080005u, RuntimeError::CannotCreateObject},        // CO_E_SERVER_EXEC_FAILURE
    };
    const auto it = map.find(code);
    return it == map.end() ? static_cast<long>(hresult) : static_cast<long>(it->second);
}

void raiseHresult(std::int32_t hresult)
{
    throw ScriptException(runtimeError(errorNumberFromHresult(hresult)));
}

void raiseNameError(RuntimeError number, std::u16string_view name)
{
    const long n = static_cast<long>(number);
    throw ScriptException(runtimeError(n, std::u16string(errorDescription(n)) + u": '" + std::u16string(name) + u"'"));
}

void raiseCompileError(CompileError number, int line, int column, std::u16string lineText)
{
    ScriptError e;
    e.number = static_cast<long>(number);
    e.description = errorDescription(e.number);
    e.source = kCompileSource;
    e.line = line;
    e.column = column;
    e.text = std::move(lineText);
    throw ScriptException(std::move(e), true);
}

} // namespace vbs
