#pragma once

#include <QString>

namespace host {

// Reads one language file (language id + ".lng" in a folder), created for
// each language change.
class LanguageReader
{
public:
    virtual ~LanguageReader() = default;
    // True when the texts are ready to be read.
    virtual bool LoadLanguage(const QString &languageId, QString &folder) = 0;
    // The text stored for `key` in `section`; raises when the file lacks it.
    virtual QString GetText(const QString &section, const QString &key) = 0;
};

} // namespace host
