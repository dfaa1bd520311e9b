#pragma once

#include "platform/xml/xmlnode.h"

#include <QString>
#include <QStringList>

// What opening and saving a job in the editor changes of what the document
// holds, one sentence per change, in document order: values the editor
// cannot show ('JobDefinition/FreeDefinition/Sensor/Script/Language
// "PerlScript" will be saved as VBScript'), numbers that read as something
// else, and what a save does not keep (anything in FreeDefinition beside its
// first Sensor). The document type and the references it leaves unresolved
// are kept (DocumentJobData::GetDefinition).
// Empty when saving keeps every value. Values that make the editor refuse the
// job (a reference value that is not a number, an integer out of range, a
// missing part) are not listed: opening such a job fails with an error.
QStringList savingChanges(const XmlNode &document);

// The same for a job text, and the elements whose attributes a save puts in
// another order (sorted by name); raises the parser's error when it is not XML.
QStringList savingChanges(const QString &text);

// What an edit of a script changes beyond the edit, one sentence per script
// and kind, in document order: characters a plain-text pane shows otherwise
// (a no-break space as a blank, a line separator as a line break; they stay
// while the script is not edited) and references to entities whose text the
// editor does not read. Empty when an edit changes only what is typed.
QStringList editingNotes(const XmlNode &document);
