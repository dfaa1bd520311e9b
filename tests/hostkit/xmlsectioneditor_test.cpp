#include "hostkit/documentjobdata.h"
#include "hostkit/xmlsectioneditor.h"
#include "platform/ui/modal.h"
#include "platform/ui/msgbox.h"

#include <QDateTime>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using hostkit::XmlSectionEditor;

// One edit in the section dialog ('S'chedule, 'D'ocumentation, 'P'roperties):
// each typed text replaces the box's text (nullptr: the text as shown) and
// presses OK, or for the last one Cancel when `cancel` is set.
struct EditRow
{
    char which;
    const char *section;
    std::vector<const char *> typed;
    bool cancel;
    bool accepted;
    const char *results;  // the dialog's result after each press: 0 open or cancelled, 1 accepted
    const char *expected; // the section afterwards
    const char *title;
    const char *box;      // in the one message shown, or nullptr for none
};

bool show(char which, QString &section)
{
    long mode = 0;
    XmlSectionEditor editor;
    return which == 'S' ? editor.ShowScheduleEditor(section)
        : which == 'D'  ? editor.ShowDocumentationEditor(section)
                        : editor.ShowPropertiesEditor(section, mode) && mode == 0;
}

const char *const scheduleText = "<Schedule><Frequency>Minutes</Frequency><Interval>15</Interval></Schedule>";
const char *const scheduleEdited = "<Schedule><Frequency>Hours</Frequency><Interval>2</Interval></Schedule>";

const EditRow editRows[] = {
    // The section is shown indented, one element a line.
    {'S', scheduleText, {nullptr}, false, true, "1",
     "<Schedule>\n  <Frequency>Minutes</Frequency>\n  <Interval>15</Interval>\n</Schedule>", "Schedule Properties", nullptr},
    // A text that is not well-formed is refused; the dialog stays open with the text.
    {'S', scheduleText, {"<Schedule><Interval>15</Schedule>"}, false, false, "0", scheduleText, "Schedule Properties",
     "(line 1"},
    {'S', scheduleText, {"<Schedule><Frequency>Hours</Frequency>", scheduleEdited}, false, true, "01", scheduleEdited,
     "Schedule Properties", "not well-formed XML"},
    {'D', "<Documentation/>", {"<Documentation><Languages/></Documentation>"}, true, false, "0", "<Documentation/>",
     "Documentation", nullptr},
    // The section keeps its root element, unless it was not XML.
    {'P', "<Properties><Name>DISK-VAR</Name></Properties>", {"<Schedule/>", "<Properties><Name>X</Name></Properties>"},
     false, true, "01", "<Properties><Name>X</Name></Properties>", "General Properties", "<Properties>"},
    {'D', "not xml", {"<Documentation/>"}, false, true, "1", "<Documentation/>", "Documentation", nullptr},
};

TEST(SectionEditor, EditsAndRefusals)
{
    for (const EditRow &row : editRows) {
        SCOPED_TRACE(row.section);
        QString title, results;
        QStringList boxes;
        ui::ScopedModalHandler modal([&](QDialog &dialog) {
            title = dialog.windowTitle();
            auto *text = dialog.findChild<QPlainTextEdit *>(QStringLiteral("txtSection"));
            auto *buttons = dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
            if (!text || !buttons)
                return int(QDialog::Rejected);
            EXPECT_TRUE(QFontInfo(text->font()).fixedPitch());
            for (const char *typed : row.typed) {
                if (typed) {
                    text->selectAll();
                    QTest::keyClick(text, Qt::Key_Delete);
                    QTest::keyClicks(text, QString::fromUtf8(typed));
                }
                const bool cancel = row.cancel && typed == row.typed.back();
                buttons->button(cancel ? QDialogButtonBox::Cancel : QDialogButtonBox::Ok)->click();
                results += QString::number(dialog.result());
                EXPECT_TRUE(!typed || text->toPlainText() == QString::fromUtf8(typed)) << "the text stays";
            }
            return dialog.result();
        });
        ui::ScopedMsgBoxHandler messages([&](const QString &prompt, int, const QString &boxTitle) {
            boxes << boxTitle + u'|' + prompt;
            return int(ui::Ok);
        });
        QString section = QString::fromUtf8(row.section);
        EXPECT_EQ(show(row.which, section), row.accepted);
        EXPECT_EQ(section, QString::fromUtf8(row.expected));
        EXPECT_EQ(title, QString::fromUtf8(row.title));
        EXPECT_EQ(results, QString::fromLatin1(row.results));
        EXPECT_EQ(boxes.size(), row.box ? 1 : 0);
        for (const QString &box : boxes)
            EXPECT_TRUE(box.startsWith(title + u'|') && box.contains(QString::fromUtf8(row.box))) << box.toStdString();
    }
}

// New properties hold a name, a group and a description in the host's language.
TEST(SectionEditorDefaults, PropertiesAndSchedule)
{
    for (const char *language : {"es", "en"}) {
        hostkit::DocumentJobData::setDefaultInterfaceLanguage(QString::fromLatin1(language));
        XmlSectionEditor editor;
        const XmlNode properties = editor.GetDefaultProperties();
        EXPECT_EQ(properties.nodeName(), QStringLiteral("Properties"));
        EXPECT_FALSE(properties.selectSingleNode(QStringLiteral("Name")).text().isEmpty());
        EXPECT_FALSE(properties.selectSingleNode(QStringLiteral("Group")).text().isEmpty());
        const XmlNode description = properties.selectSingleNode(QStringLiteral("Description/Languages/Language[Default='1']"));
        EXPECT_EQ(description.selectSingleNode(QStringLiteral("Id")).text(), QString::fromLatin1(language));
        const QString text = description.selectSingleNode(QStringLiteral("Description")).text();
        EXPECT_FALSE(text.trimmed().isEmpty());
        EXPECT_TRUE(QByteArrayView(language) != "es" || text == QStringLiteral("Nuevo sensor")) << text.toStdString();
        EXPECT_NE(editor.GetDefaultProperties(), properties) << "each call gives a new element";
    }
    const XmlNode schedule = XmlSectionEditor().GetDefaultSchedule();
    EXPECT_EQ(schedule.nodeName(), QStringLiteral("Schedule"));
    EXPECT_EQ(schedule.selectSingleNode(QStringLiteral("Frequency")).text(), QStringLiteral("Minutes"));
    EXPECT_EQ(schedule.selectSingleNode(QStringLiteral("Interval")).text(), QStringLiteral("15"));
    const QDateTime start = QDateTime::fromString(schedule.selectSingleNode(QStringLiteral("Start")).text(), Qt::ISODate);
    ASSERT_TRUE(start.isValid());
    EXPECT_LE(std::abs(start.date().daysTo(QDate::currentDate())), 1);
}

} // namespace
