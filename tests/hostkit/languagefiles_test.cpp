// The shipped language files against what the windows ask of them: a
// language reader records every key asked while each window opens.
#include "hostkit/lnglanguagereader.h"
#include "windows.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTemporaryDir>

namespace {

using hostkit::LngLanguageReader;

// The shipped reader, keeping "section/key" → text of each key asked.
struct RecordingReader : LngLanguageReader
{
    explicit RecordingReader(QMap<QString, QString> &asked) : asked(asked) {}
    QString GetText(const QString &section, const QString &key) override
    {
        QString &text = asked[section + u'/' + key];   // asked, even when the file lacks it
        return text = LngLanguageReader::GetText(section, key);
    }
    QMap<QString, QString> &asked;
};

LngLanguageReader shipped(const char *languageId)
{
    LngLanguageReader reader;
    QString folder = QStringLiteral(VT_DATA_DIR);
    EXPECT_TRUE(reader.LoadLanguage(QString::fromLatin1(languageId), folder)) << languageId;
    EXPECT_TRUE(reader.warnings().isEmpty()) << languageId << ": " << reader.warnings().join(u'\n').toStdString();
    return reader;
}

QStringList keysOf(const LngLanguageReader &reader, const QString &section)
{
    QStringList keys;
    for (const QString &key : reader.keys(section))
        keys << section + u'/' + key;
    keys.sort();
    return keys;
}

// Each file holds every key a window asks for and, in the sections the
// windows read, no other; a text read for a control (a key that is its name
// or begins with it, or the title) shows in its window. Without files every
// window shows its designed texts: the English file's.
TEST(LanguageFiles, HoldTheKeysTheWindowsAskForTheirTextsShowAndEnglishIsAsDesigned)
{
    QList<QMap<QString, QString>> designed, english;
    QTemporaryDir noFiles;
    forEachWindow(noFiles.path(), "en", [&](QWidget &window) { designed << shownTexts(window); });
    for (const char *language : {"en", "es"}) {
        SCOPED_TRACE(language);
        QMap<QString, QString> asked;
        QSet<QString> controls;
        QStringList shown;
        {
            const ReferenceObjects installedFirst;
            const host::ScopedFactory<host::LanguageReader> recording(
                host::languageReaders(), [&] { return std::make_unique<RecordingReader>(asked); });
            forEachWindow(QStringLiteral(VT_DATA_DIR), language, [&](QWidget &window) {
                shown += shownTexts(window).values();
                if (QLatin1String(language) == u"en")
                    english << shownTexts(window);
                for (const QObject *control : window.findChildren<QObject *>())
                    controls.insert(control->objectName());
            });
        }
        controls.remove(QString());
        const LngLanguageReader file = shipped(language);
        QSet<QString> held;
        for (const QString &section : file.sections())
            if (std::any_of(asked.keyBegin(), asked.keyEnd(), [&](const QString &key) { return key.startsWith(section + u'/'); }))
                for (const QString &key : file.keys(section))
                    held.insert(section + u'/' + key);
        const QSet<QString> askedFor(asked.keyBegin(), asked.keyEnd());
        EXPECT_EQ(QStringList(QSet(askedFor).subtract(held).values()).join(u' '), QString()) << "not in the file";
        EXPECT_EQ(QStringList(QSet(held).subtract(askedFor).values()).join(u' '), QString()) << "asked by no window";
        for (auto entry = asked.begin(); entry != asked.end(); ++entry) {
            const QString key = entry.key().section(u'/', 1);
            const bool caption = key == u"Caption";
            if (caption || std::any_of(controls.begin(), controls.end(), [&](const QString &name) { return key.startsWith(name); })) {
                // A tool tip may name the key after the text: "Cut (Ctrl+X)".
                EXPECT_TRUE(std::any_of(shown.begin(), shown.end(), [&](const QString &text) {
                    return text.trimmed() == entry.value() || text.startsWith(entry.value() + QStringLiteral(" ("))
                        || (caption && text.trimmed().startsWith(entry.value()));
                })) << entry.key().toStdString() << " is not shown";
            }
        }
    }
    for (qsizetype window = 0; window < designed.size(); ++window)
        for (auto text = designed[window].begin(); text != designed[window].end(); ++text)
            EXPECT_EQ(english[window].value(text.key()).trimmed(), text.value().trimmed()) << text.key().toStdString();
}

// "name: text" for each text of `control` wider or taller than the room it
// gives the text (a button's frame, a box's check mark, a list's arrow, a
// tab's margins take some): a label's, a button's, a frame's title, every
// entry of a list, every tab's and column heading's; "name: scroll bar" for
// a read-only box that needs one; "name: tabs past the edge", "name: tools
// hidden" for a tab or tool bar short of room.
QStringList clippedTexts(const QWidget &control)
{
    QStringList cut;
    const QString name = control.objectName().isEmpty() ? control.parentWidget()->objectName() : control.objectName();
    const QFontMetrics metrics = control.fontMetrics();
    const auto check = [&](const QString &text, int room) {
        const int width = metrics.boundingRect(QRect(0, 0, 10000, 10000), Qt::TextShowMnemonic, text).width();
        if (!text.isEmpty() && !text.contains(u'<') && (width > room || metrics.height() > control.height()))
            cut << name + QStringLiteral(": ") + text;
    };
    const auto *label = qobject_cast<const QLabel *>(&control);
    const auto *button = qobject_cast<const QAbstractButton *>(&control);
    const auto *box = qobject_cast<const QPlainTextEdit *>(&control);
    const auto *list = qobject_cast<const QComboBox *>(&control);
    const auto *tabs = qobject_cast<const QTabBar *>(&control);
    const auto *headings = qobject_cast<const QHeaderView *>(&control);
    if (label && !label->wordWrap())
        check(label->text(), control.contentsRect().width() - 2 * label->margin() - qMax(0, label->indent()));
    else if (button && !control.inherits("QToolButton"))
        check(button->text(),
              control.contentsRect().width() - (control.inherits("QPushButton") ? 8 : button->iconSize().width() + 6));
    else if (box && box->isReadOnly() && box->verticalScrollBar()->isVisible())
        cut << name + QStringLiteral(": scroll bar");
    else if (const auto *frame = qobject_cast<const QGroupBox *>(&control))
        check(frame->title(), control.width() - 8);
    else if (list && !list->isEditable()) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        const QStyle *style = list->style();
        for (int entry = 0; entry < list->count(); ++entry)
            check(list->itemText(entry),
                  style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list).width() - 4);
    } else if (tabs) {
        for (int tab = 0; tab < tabs->count(); ++tab)
            check(tabs->tabText(tab),
                  tabs->tabRect(tab).width() - tabs->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, tabs));
        if (tabs->count() && tabs->tabRect(tabs->count() - 1).right() >= tabs->width())
            cut << name + QStringLiteral(": tabs past the edge");
    } else if (headings && headings->model()) {
        for (int column = 0; column < headings->count(); ++column)
            check(headings->model()->headerData(column, headings->orientation()).toString(),
                  headings->sectionSize(column) - 8);
    } else if (const auto *more = control.findChild<QWidget *>(QStringLiteral("qt_toolbar_ext_button"));
               control.inherits("QToolBar") && more && more->isVisible())
        cut << name + QStringLiteral(": tools hidden");
    return cut;
}

// Every text of every page of every window shows whole, in both languages
// and both skins.
TEST(LanguageFiles, EveryTextShowsWhole)
{
    for (const char *language : {"en", "es"})
        for (const char *skinName : {"classic", "dark"}) {
            const std::unique_ptr<host::Skin> skin = hostkit::createSkin(QLatin1String(skinName));
            QStringList clipped;
            forEachWindow(QStringLiteral(VT_DATA_DIR), language, [&](QWidget &window) {
                const QString name = window.objectName().isEmpty() ? window.metaObject()->className() : window.objectName();
                forEachPage(window, [&] {
                    for (const QWidget *control : window.findChildren<QWidget *>())
                        for (const QString &cut : control->isVisible() ? clippedTexts(*control) : QStringList())
                            if (!clipped.contains(name + u'/' + cut))
                                clipped << name + u'/' + cut;
                });
            }, skin.get());
            EXPECT_EQ(clipped.join(u'\n'), QString()) << language << " " << skinName;
        }
}

// Both files have the same keys, each with a text, and the Spanish file
// translates (but for the words that are the same in both).
TEST(LanguageFiles, BothFilesHoldTheSameKeysEachWithATranslatedText)
{
    LngLanguageReader english = shipped("en"), spanish = shipped("es");
    EXPECT_EQ(english.sections(), spanish.sections());
    const QSet<QString> sameInBoth = {"frmJob/fraScript", "frmJob/ssTabDatosTabGeneral", "EditorWindow/ButtonNo",
                                      "ConnectionDialog/cmdBrowseFile"};
    for (const QString &section : english.sections()) {
        EXPECT_EQ(keysOf(english, section), keysOf(spanish, section));
        for (const QString &key : english.keys(section)) {
            const QString en = english.GetText(section, key), es = spanish.GetText(section, key);
            EXPECT_FALSE(en.trimmed().isEmpty() || es.trimmed().isEmpty()) << key.toStdString();
            EXPECT_TRUE(sameInBoth.contains(section + u'/' + key) || en != es) << key.toStdString() << " is not translated";
        }
    }
}

} // namespace
