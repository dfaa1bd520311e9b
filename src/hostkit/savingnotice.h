#pragma once

#include <QString>

namespace hostkit {

// Tells the user, in one message box under `heading`, what saving the job
// opened from `jobText` will change of what it holds (savingChanges), one
// change a line; says nothing when
// a save keeps every value or the text cannot be read. A host calls it once,
// after the editor has shown a job it opened from a file.
void tellSavingChanges(const QString &jobText, const QString &title, const QString &heading);

} // namespace hostkit
