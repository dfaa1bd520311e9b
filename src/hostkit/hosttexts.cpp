#include "hosttexts.h"

#include "common/nodes.h"

#include <QDir>

namespace hostkit {
namespace {

const QString section = QStringLiteral("EditorWindow");

QFileInfoList lngFiles(const QString &dataFolder)
{
    return QDir(dataFolder).entryInfoList({QStringLiteral("*.lng")}, QDir::Files, QDir::Name);
}

// The standard buttons' texts as the platform themes ask for them, by key.
struct ButtonText
{
    const char *source;
    const char *key;
};

const ButtonText buttonTexts[] = {
    {"&Yes", "ButtonYes"}, {"&No", "ButtonNo"}, {"Cancel", "ButtonCancel"}, {"&Cancel", "ButtonCancel"},
    {"OK", "ButtonOk"},    {"&OK", "ButtonOk"},
};

} // namespace

QList<LanguageFile> languageFiles(const QString &dataFolder)
{
    QList<LanguageFile> files;
    for (const QFileInfo &file : lngFiles(dataFolder)) {
        const QString id = file.completeBaseName();
        files.append({id, HostTexts(id, dataFolder).text("LanguageName", id)});
    }
    return files;
}

XmlNode languagesNode(const QString &dataFolder)
{
    XmlNode languages = GetNewNode(XmlNode::Element, QStringLiteral("Languages"));
    for (const QFileInfo &file : lngFiles(dataFolder)) {
        XmlNode language = languages.createElement(QStringLiteral("Language"));
        XmlNode id = languages.createElement(QStringLiteral("Id"));
        id.setText(file.completeBaseName());
        language.appendChild(id);
        languages.appendChild(language);
    }
    return languages;
}

HostTexts::HostTexts(const QString &languageId, const QString &dataFolder)
{
    QString folder = dataFolder;
    m_loaded = m_reader.LoadLanguage(languageId, folder);
}

QString HostTexts::text(const char *key, const QString &english) const
{
    if (!m_loaded)
        return english;
    try {
        return m_reader.GetText(section, QString::fromLatin1(key));
    } catch (...) {
        return english;              // a key the file lacks
    }
}

QString HostTexts::translate(const char *context, const char *sourceText, const char *, int) const
{
    if (!m_loaded || !context || !sourceText || !QByteArrayView(context).endsWith("Theme"))
        return {};
    for (const ButtonText &button : buttonTexts) {
        if (qstrcmp(button.source, sourceText) == 0)
            return text(button.key, QString());
    }
    return {};
}

} // namespace hostkit
