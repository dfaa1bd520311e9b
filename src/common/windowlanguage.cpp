#include "windowlanguage.h"

#include "languagefiles.h"

#include "host/languagereader.h"
#include "host/registry.h"

std::unique_ptr<host::LanguageReader> OpenLanguage(const QString &languageId, const QString &folder)
{
    if (!CheckLangInDisk(languageId, folder))
        return nullptr;
    std::unique_ptr<host::LanguageReader> reader = host::languageReaders().create();
    QString path = folder;
    if (!reader->LoadLanguage(languageId, path))
        return nullptr;
    return reader;
}

void SetLanguageText(host::LanguageReader &reader, const QString &section, const QString &key,
                     const std::function<void(const QString &)> &assign)
{
    try {
        assign(reader.GetText(section, key));
    } catch (...) {
    }
}
