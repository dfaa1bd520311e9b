#pragma once

#include <QString>
#include <functional>
#include <memory>

namespace host {
class LanguageReader;
}

// The steps every window's ChangeLanguage shares.

// A language reader with the language `languageId` loaded from `folder`, or
// null when the folder has no file for it (CheckLangInDisk) or the reader
// does not load it. A failure (testing the file, creating the reader) passes
// on: the window's ChangeLanguage reports it or passes it on itself.
std::unique_ptr<host::LanguageReader> OpenLanguage(const QString &languageId, const QString &folder);

// Hands the text of `key` in `section` to `assign`; a lookup or an assignment
// that fails is skipped.
void SetLanguageText(host::LanguageReader &reader, const QString &section, const QString &key,
                     const std::function<void(const QString &)> &assign);
