#include "error.h"

#include <QHash>
#include <new>

namespace {

// Descriptions of the standard run-time error numbers, as the platform words them.
const QHash<long, QString> &standardTable()
{
    static const QHash<long, QString> table = {
        {3, QStringLiteral("Return without GoSub")},
        {5, QStringLiteral("Invalid procedure call or argument")},
        {6, QStringLiteral("Overflow")},
        {7, QStringLiteral("Out of memory")},
        {9, QStringLiteral("Subscript out of range")},
        {10, QStringLiteral("This array is fixed or temporarily locked")},
        {11, QStringLiteral("Division by zero")},
        {13, QStringLiteral("Type mismatch")},
        {14, QStringLiteral("Out of string space")},
        {17, QStringLiteral("Can't perform requested operation")},
        {28, QStringLiteral("Out of stack space")},
        {35, QStringLiteral("Sub or Function not defined")},
        {48, QStringLiteral("Error in loading DLL")},
        {51, QStringLiteral("Internal error")},
        {52, QStringLiteral("Bad file name or number")},
        {53, QStringLiteral("File not found")},
        {54, QStringLiteral("Bad file mode")},
        {55, QStringLiteral("File already open")},
        {57, QStringLiteral("Device I/O error")},
        {58, QStringLiteral("File already exists")},
        {61, QStringLiteral("Disk full")},
        {62, QStringLiteral("Input past end of file")},
        {67, QStringLiteral("Too many files")},
        {68, QStringLiteral("Device unavailable")},
        {70, QStringLiteral("Permission denied")},
        {71, QStringLiteral("Disk not ready")},
        {74, QStringLiteral("Can't rename with different drive")},
        {75, QStringLiteral("Path/File access error")},
        {76, QStringLiteral("Path not found")},
        {91, QStringLiteral("Object variable or With block variable not set")},
        {92, QStringLiteral("For loop not initialized")},
        {94, QStringLiteral("Invalid use of Null")},
        {322, QStringLiteral("Can't create necessary temporary file")},
        {380, QStringLiteral("Invalid property value")},
        {424, QStringLiteral("Object required")},
        {429, QStringLiteral("ActiveX component can't create object")},
        {438, QStringLiteral("Object doesn't support this property or method")},
        {440, QStringLiteral("Automation error")},
        {445, QStringLiteral("Object doesn't support this action")},
        {446, QStringLiteral("Object doesn't support named arguments")},
        {448, QStringLiteral("Named argument not found")},
        {449, QStringLiteral("Argument not optional")},
        {450, QStringLiteral("Wrong number of arguments or invalid property assignment")},
        {451, QStringLiteral("Object not a collection")},
        {453, QStringLiteral("Specified DLL function not found")},
        {457, QStringLiteral("This key is already associated with an element of this collection")},
        {458, QStringLiteral("Variable uses an Automation type not supported in VBScript")},
        {462, QStringLiteral("The remote server machine does not exist or is unavailable")},
        {481, QStringLiteral("Invalid picture")},
        {500, QStringLiteral("Variable is undefined")},
        {501, QStringLiteral("Illegal assignment")},
        {502, QStringLiteral("Object not safe for scripting")},
        {503, QStringLiteral("Object not safe for initializing")},
        {504, QStringLiteral("Object not safe for creating")},
        {505, QStringLiteral("Invalid or unqualified reference")},
        {506, QStringLiteral("Class not defined")},
        {507, QStringLiteral("An exception occurred")},
    };
    return table;
}

} // namespace

Error::Error(long number, QString description, QString source, QString helpFile, long helpContext)
    : number(number)
    , description(std::move(description))
    , source(std::move(source))
    , helpFile(std::move(helpFile))
    , helpContext(helpContext)
{
}

Error Error::fromNumber(long number, const QString &source)
{
    QString text = standardDescription(number);
    if (text.isEmpty())
        text = QStringLiteral("Application-defined or object-defined error");
    return Error(number, text, source);
}

QString Error::standardDescription(long number)
{
    return standardTable().value(number);
}

Error &Error::tagged(const QString &tag)
{
    source += tag;
    return *this;
}

const char *Error::what() const noexcept
{
    m_what = QStringLiteral("%1: %2 [%3]").arg(number).arg(description, source).toStdString();
    return m_what.c_str();
}

Error toError(std::exception_ptr ex)
{
    try {
        std::rethrow_exception(ex);
    } catch (const Error &e) {
        return e;
    } catch (const std::bad_alloc &) {
        return Error::fromNumber(7);
    } catch (const std::exception &e) {
        return Error(51, QStringLiteral("Internal error: %1").arg(QString::fromLocal8Bit(e.what())));
    } catch (...) {
        return Error::fromNumber(51);
    }
}
