#pragma once

#include <QString>
#include <exception>
#include <functional>

class Error;

// The error report: hands the error to a new error recorder (two calls, flag 0
// then 1) together with `logText`, the text the loaded job's data object gives
// for error reports (empty when the reporter has no job), and, when
// `showMessage` is true, shows
//   "Error: <number>\rDescription: <description>\rSource: <source>"
// with the critical-stop icon, one OK button and `title` ("Veltrano" when the
// caller passes an empty title; the caller's variable receives it).
// A recorder that cannot be created or fails raises out of ShowError before
// any message is shown.
void ShowError(const QString &description, const QString &source, const Error &error,
               const QString &extraText, QString &title, bool showMessage,
               const QString &logText = QString());

// Runs `body`; any failure is handed to ShowError with the error's source
// followed by `tag`, then cleared. Nothing leaves a reporting procedure except
// a failure of the error report itself (a recorder that cannot be created).
// Returns true when the body completed.
bool reporting(const char *tag, const QString &title, const std::function<void()> &body,
               bool showMessage = true);

// The same for a reporter that holds a job: its reports carry the job's log
// text.
bool reporting(const char *tag, const QString &title, const std::function<void()> &body,
               bool showMessage, const QString &logText);

// Records a failure that its caller skips (no message): the error's number
// and description, its source trail followed by `where`, and `extraText`.
// A recorder that cannot be created or fails is ignored as well.
void recordSkipped(const char *where, std::exception_ptr failure, const QString &extraText,
                   const QString &logText) noexcept;

// The application title of every message of the component.
inline const QString &applicationTitle()
{
    static const QString title = QStringLiteral("Veltrano");
    return title;
}
