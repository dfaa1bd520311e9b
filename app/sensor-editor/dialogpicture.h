#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Pictures a dialog of the editor, reached as a user reaches it: `steps`
// are followed from `editor`, each one in the window on view a page to show
// (a tab by its key or title, an entry of a list by its text or key:
// EvaluationData, Warning, PostgreSQL), text to type into a box
// ("rtfCnnString=Provider=SQLite;Data Source=a.db", up to the first "=" the
// box's name) or a tool or button to press (by name: ID_Evaluate,
// cmdWizard, cmdEditCnnString). A press that opens a
// dialog goes on in that dialog, so steps reach dialogs opened from dialogs.
// The dialog the last press opened, with the pages named after it shown, is
// written to `path` as a PNG; every dialog is then closed as cancelled.
// Returns an empty text when the picture was written, else why not.
QString pictureDialog(QWidget &editor, const QStringList &steps, const QString &path);
