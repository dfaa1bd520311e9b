#pragma once

#include <QString>

class Error;

// The text that the loaded job's data object gives for error reports; empty
// until a job is loaded.
extern QString gLogText;

// The error report: hands the error to a new error recorder (two calls, flag 0
// then 1) and, when `showMessage` is true, shows
//   "Error: <number>\rDescription: <description>\rSource: <source>"
// with the critical-stop icon, one OK button and `title` ("Veltrano" when the
// caller passes an empty title; the caller's variable receives it).
// A recorder that cannot be created or fails raises out of ShowError before
// any message is shown.
void ShowError(const QString &description, const QString &source, const Error &error,
               QString &extraText, QString &title, bool &showMessage);

// The application title of every message of the component.
inline const QString &applicationTitle()
{
    static const QString title = QStringLiteral("Veltrano");
    return title;
}
