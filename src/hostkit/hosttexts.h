#pragma once

#include "hostkit/lnglanguagereader.h"
#include "platform/xml/xmlnode.h"

#include <QList>
#include <QString>
#include <QTranslator>

// The desktop host's own texts (its menus, title, file dialogs and save
// question) and its list of languages, from the language files of the data
// folder: section "EditorWindow", key "LanguageName" for the name a language
// calls itself.
namespace hostkit {

struct LanguageFile
{
    QString id;                      // the file's name without ".lng"
    QString name;                    // its LanguageName, else the id
};

// The language files of `dataFolder`, by id.
QList<LanguageFile> languageFiles(const QString &dataFolder);

// The host's languages object for Engine_InitControl: <Languages> with a
// <Language><Id>id</Id></Language> per language file.
XmlNode languagesNode(const QString &dataFolder);

// The texts of section "EditorWindow" in one language. A key the file lacks,
// or a language without a file, gives the English text the caller passes.
// While installed on the application (QCoreApplication::installTranslator),
// it also names the standard buttons of message boxes ("&Yes", "&No",
// "Cancel", ...: keys ButtonYes, ButtonNo, ButtonCancel, ButtonOk).
class HostTexts : public QTranslator
{
public:
    HostTexts(const QString &languageId, const QString &dataFolder);

    QString text(const char *key, const QString &english) const;

    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override;
    bool isEmpty() const override { return !m_loaded; }

private:
    mutable LngLanguageReader m_reader;
    bool m_loaded = false;
};

} // namespace hostkit
