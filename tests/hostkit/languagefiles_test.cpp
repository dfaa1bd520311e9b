// The shipped language files against what the windows ask of them: a
// language reader that records every key asked while each window is opened.
#include "hostkit/lnglanguagereader.h"
#include "windows.h"

#include <QSet>
#include <QTemporaryDir>

namespace {

using hostkit::LngLanguageReader;

// The shipped reader, keeping "section/key" → text of each key asked.
struct RecordingReader : LngLanguageReader
{
    explicit RecordingReader(QMap<QString, QString> &asked) : asked(asked) {}
    QString GetText(const QString &section, const QString &key) override
    {
        QString &text = asked[section + u'/' + key];
        return text = LngLanguageReader::GetText(section, key);
    }
    QMap<QString, QString> &asked;
};

// The keys asked while every window opens in `language`, with their texts,
// and the names of the windows' controls.
QMap<QString, QString> askedKeys(const char *language, QSet<QString> *controls = nullptr)
{
    QMap<QString, QString> asked;
    const ReferenceObjects installedFirst;
    const host::ScopedFactory<host::LanguageReader> recording(
        host::languageReaders(), [&] { return std::make_unique<RecordingReader>(asked); });
    forEachWindow(QStringLiteral(VT_DATA_DIR), language, [&](QWidget &window) {
        for (const QObject *control : window.findChildren<QObject *>())
            if (controls)
                controls->insert(control->objectName());
    });
    return asked;
}

LngLanguageReader shipped(const char *languageId)
{
    LngLanguageReader reader;
    QString folder = QStringLiteral(VT_DATA_DIR);
    EXPECT_TRUE(reader.LoadLanguage(QString::fromLatin1(languageId), folder)) << languageId;
    EXPECT_TRUE(reader.warnings().isEmpty()) << languageId << ": " << reader.warnings().join(u'\n').toStdString();
    return reader;
}

QSet<QString> keySet(const LngLanguageReader &reader, const QSet<QString> &sections = {})
{
    QSet<QString> keys;
    for (const QString &section : reader.sections())
        if (sections.isEmpty() || sections.contains(section))
            for (const QString &key : reader.keys(section))
                keys.insert(section + QLatin1Char('/') + key);
    return keys;
}

QString listed(QSet<QString> keys)
{
    QStringList sorted = keys.values();
    sorted.sort();
    return sorted.join(u' ');
}

// Each file holds every key a window asks for, and in the sections the
// windows read, no key that none asks for.
TEST(LanguageFiles, HoldEveryKeyTheWindowsAskForAndNoOther)
{
    for (const char *language : {"en", "es"}) {
        SCOPED_TRACE(language);
        const QMap<QString, QString> texts = askedKeys(language);
        const QSet<QString> asked(texts.keyBegin(), texts.keyEnd());
        QSet<QString> sections;
        for (const QString &key : asked)
            sections.insert(key.section(u'/', 0, 0));
        const QSet<QString> held = keySet(shipped(language), sections);
        EXPECT_EQ(listed(QSet<QString>(asked).subtract(held)), QString()) << "asked for, not in the file";
        EXPECT_EQ(listed(QSet<QString>(held).subtract(asked)), QString()) << "in the file, asked for by no window";
    }
}

// A text read for a control (a key that names it or starts with its name,
// or the title) shows in a window; without a file every window shows the
// texts it was designed with, and those are the English file's.
TEST(LanguageFiles, TheirTextsShowAndEnglishIsTheDesignedText)
{
    QSet<QString> controls;
    const QMap<QString, QString> spanish = askedKeys("es", &controls);
    QStringList shown;
    forEachWindow(QStringLiteral(VT_DATA_DIR), "es", [&](QWidget &window) { shown += shownTexts(window).values(); });
    for (auto entry = spanish.begin(); entry != spanish.end(); ++entry) {
        const QString key = entry.key().section(u'/', 1);
        const bool forAControl = key == u"Caption" || std::any_of(controls.begin(), controls.end(), [&](const QString &name) {
                                     return !name.isEmpty() && key.startsWith(name);
                                 });
        const bool found = std::any_of(shown.begin(), shown.end(), [&](const QString &text) {
            return text.trimmed() == entry.value() || (key == u"Caption" && text.trimmed().startsWith(entry.value()));
        });
        EXPECT_TRUE(!forAControl || found) << entry.key().toStdString() << " is not shown";
    }

    QTemporaryDir noFiles;
    QList<QMap<QString, QString>> designed;
    forEachWindow(noFiles.path(), "en", [&](QWidget &window) { designed << shownTexts(window); });
    int window = 0;
    forEachWindow(QStringLiteral(VT_DATA_DIR), "en", [&](QWidget &shownWindow) {
        const QMap<QString, QString> english = shownTexts(shownWindow), &design = designed.value(window++);
        for (auto text = design.begin(); text != design.end(); ++text)
            EXPECT_EQ(english.value(text.key()).trimmed(), text.value().trimmed()) << text.key().toStdString();
    });
}

// Both files have the same sections and keys, every text is there, and
// the Spanish file translates (but for the words that are the same in both).
TEST(LanguageFiles, BothFilesHoldTheSameKeysEachWithATranslatedText)
{
    LngLanguageReader english = shipped("en");
    LngLanguageReader spanish = shipped("es");
    EXPECT_EQ(english.sections(), spanish.sections());
    const QSet<QString> en = keySet(english), es = keySet(spanish);
    EXPECT_EQ(listed(QSet<QString>(en).subtract(es)), QString()) << "only in en.lng";
    EXPECT_EQ(listed(QSet<QString>(es).subtract(en)), QString()) << "only in es.lng";
    const QSet<QString> sameInBoth = {"frmJob/fraScript", "frmJob/ssTabDatosTabGeneral", "EditorWindow/ButtonNo",
                                      "ConnectionDialog/cmdBrowseFile"};
    for (const QString &name : en) {
        const QString section = name.section(u'/', 0, 0), key = name.section(u'/', 1);
        const QString englishText = english.GetText(section, key), spanishText = spanish.GetText(section, key);
        EXPECT_FALSE(englishText.trimmed().isEmpty() || spanishText.trimmed().isEmpty()) << name.toStdString();
        EXPECT_TRUE(sameInBoth.contains(name) || englishText != spanishText) << name.toStdString() << " is not translated";
    }
}

} // namespace
