#pragma once

#include <QString>
#include <exception>
#include <functional>
#include <string>

// The system's error object: the fields of a raised error as the host and the
// error report see them. Raised as a C++ exception; passing procedures append
// their source tag, reporting procedures end the chain (see passing here and reporting in
// common/showerror.h, which reports through ShowError).
class Error : public std::exception
{
public:
    Error() = default;
    Error(long number, QString description, QString source = {},
          QString helpFile = {}, long helpContext = 0);

    // An error with the standard description of `number` (for example 91:
    // "Object variable or With block variable not set"); an unknown number
    // gets "Application-defined or object-defined error".
    static Error fromNumber(long number, const QString &source = {});

    // The standard description of a number, empty for numbers not in the table.
    static QString standardDescription(long number);

    long number = 0;
    QString description;
    QString source;
    QString helpFile;
    long helpContext = 0;

    // Appends a source tag (" cJob.GetType() ") to the trail.
    Error &tagged(const QString &tag);

    const char *what() const noexcept override;

private:
    mutable std::string m_what;
};

// Any exception turned into an Error: an Error passes unchanged, bad_alloc is
// 7 "Out of memory", anything else is 51 "Internal error" with its text.
Error toError(std::exception_ptr ex);

// Runs `body`; an Error leaving it gets `tag` appended to its source, any
// other exception becomes an Error first. The convention of every passing
// procedure: passing(" cJob.GetType() ", [&] { ... }).
template <class Body>
auto passing(const char *tag, Body &&body) -> decltype(body())
{
    try {
        return body();
    } catch (...) {
        throw toError(std::current_exception()).tagged(QString::fromLatin1(tag));
    }
}
