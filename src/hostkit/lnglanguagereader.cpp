#include "lnglanguagereader.h"

#include "errorcore/error.h"
#include "common/nodes.h"

#include <QFile>
#include <QStringDecoder>

namespace hostkit {

QString unescapeLngValue(const QString &raw)
{
    QString value;
    value.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw.at(i);
        if (c != QLatin1Char('\\') || i + 1 == raw.size()) {
            value += c;
            continue;
        }
        const QChar next = raw.at(i + 1);
        switch (next.unicode()) {
        case 'n': value += QLatin1Char('\n'); break;
        case 'r': value += QLatin1Char('\r'); break;
        case 't': value += QLatin1Char('\t'); break;
        case '\\': value += QLatin1Char('\\'); break;
        default:
            // Not an escape: the backslash stays, the next character is read normally.
            value += c;
            continue;
        }
        ++i;
    }
    return value;
}

bool LngLanguageReader::LoadLanguage(const QString &languageId, QString &folder)
{
    if (languageId.trimmed().isEmpty())
        return false;
    return loadFile(localFilePath(folder + QLatin1Char('/') + languageId + QLatin1String(".lng")));
}

bool LngLanguageReader::loadFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return false;
    loadText(text);
    return true;
}

void LngLanguageReader::loadText(const QString &text)
{
    m_sections.clear();
    m_sectionIndex.clear();
    m_warnings.clear();

    QString content = text;
    if (content.startsWith(QChar(0xfeff)))
        content.remove(0, 1);
    const QStringList lines = content.split(QLatin1Char('\n'));
    Section *current = nullptr;
    for (qsizetype number = 1; number <= lines.size(); ++number) {
        QString line = lines.at(number - 1);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QString trimmed = line.trimmed();
        const auto warn = [&](const QString &why) {
            m_warnings << QStringLiteral("line %1: %2").arg(number).arg(why);
        };
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('#')))
            continue;
        if (trimmed.startsWith(QLatin1Char('['))) {
            if (!trimmed.endsWith(QLatin1Char(']')) || trimmed.size() < 3) {
                warn(QStringLiteral("a section line needs a name between [ and ]"));
                current = nullptr;
                continue;
            }
            const QString name = trimmed.mid(1, trimmed.size() - 2).trimmed();
            const QString lookup = name.toLower();
            auto found = m_sectionIndex.constFind(lookup);
            if (found == m_sectionIndex.constEnd()) {
                found = m_sectionIndex.insert(lookup, m_sections.size());
                m_sections.append(Section{name, {}, {}});
            }
            current = &m_sections[*found];
            continue;
        }
        const qsizetype equals = trimmed.indexOf(QLatin1Char('='));
        if (equals < 0) {
            warn(QStringLiteral("no '=' between key and text"));
            continue;
        }
        const QString key = trimmed.left(equals).trimmed();
        if (key.isEmpty()) {
            warn(QStringLiteral("no key before '='"));
            continue;
        }
        if (!current) {
            warn(QStringLiteral("key '%1' is outside any [section]").arg(key));
            continue;
        }
        const QString lookup = key.toLower();
        if (!current->texts.contains(lookup))
            current->keys << key;
        current->texts.insert(lookup, unescapeLngValue(trimmed.mid(equals + 1).trimmed()));
    }
}

QString LngLanguageReader::GetText(const QString &section, const QString &key)
{
    return passing(" LanguageReader.GetText() ", [&] {
        const auto found = m_sectionIndex.constFind(section.toLower());
        if (found == m_sectionIndex.constEnd())
            throw Error(5, QStringLiteral("Invalid procedure call or argument: no section [%1] in the language file")
                               .arg(section));
        const Section &texts = m_sections.at(*found);
        const auto text = texts.texts.constFind(key.toLower());
        if (text == texts.texts.constEnd())
            throw Error(5, QStringLiteral("Invalid procedure call or argument: no key '%1' in section [%2]")
                               .arg(key, section));
        return *text;
    });
}

QStringList LngLanguageReader::sections() const
{
    QStringList names;
    for (const Section &section : m_sections)
        names << section.name;
    return names;
}

QStringList LngLanguageReader::keys(const QString &section) const
{
    const auto found = m_sectionIndex.constFind(section.toLower());
    return found == m_sectionIndex.constEnd() ? QStringList() : m_sections.at(*found).keys;
}

} // namespace hostkit
