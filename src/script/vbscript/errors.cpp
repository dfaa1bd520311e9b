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
