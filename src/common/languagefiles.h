#pragma once

#include <QString>

// Language resources of the General module.

// True when the language file folder + "\" + languageId + ".lng" exists (a
// file, not a folder). The name is built as written, without GetValidPath;
// it is then read as this machine's file system takes it (localFilePath), so
// a folder with backslashes, slashes or a trailing backslash all work. Raises
// nothing of its own; a failure passes on with " General.CheckLangInDisk() ".
bool CheckLangInDisk(const QString &languageId, const QString &folder);
