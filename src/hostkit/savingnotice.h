#pragma once

#include <QString>

namespace hostkit {

// Tells the user, in one message box, what saving the job opened from
// `jobText` will change of what it holds (savingChanges, under `heading`) and
// what an edit of one of its scripts would change beyond the edit
// (editingNotes, under `notesHeading`), one item a line; says nothing when
// both lists are empty or the text cannot be read. A host calls it once,
// after the editor has shown a job it opened from a file.
void tellSavingChanges(const QString &jobText, const QString &title, const QString &heading,
                       const QString &notesHeading);

} // namespace hostkit
