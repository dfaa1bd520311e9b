#include "hostkit/documentjobdata.h"
#include "hostkit/xmlsectioneditor.h"
#include "platform/ui/modal.h"
#include "platform/ui/msgbox.h"
#include "testsupport.h"

#include <QDialog>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

using hostkit::XmlSectionEditor;

struct Box
{
    QString prompt;
    int style;
    QString title;
};

// Drives the section dialog: `steps` gets the dialog, its text box and its
// buttons, and the handler returns the dialog's result as exec() would.
class SectionDialogDriver
{
public:
    using Steps = std::function<void(QDialog &, QPlainTextEdit &, QDialogButtonBox &)>;

    explicit SectionDialogDriver(Steps steps)
        : m_modal([this, steps](QDialog &dialog) {
              ++shown;
              title = dialog.windowTitle();
              auto *text = dialog.findChild<QPlainTextEdit *>(QStringLiteral("txtSection"));
              auto *buttons = dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
              if (!text || !buttons)
                  return int(QDialog::Rejected);
              initialText = text->toPlainText();
              monospaced = QFontInfo(text->font()).fixedPitch();
              steps(dialog, *text, *buttons);
              return dialog.result();
          })
        , m_boxes([this](const QString &prompt, int style, const QString &boxTitle) {
              boxes.append({prompt, style, boxTitle});
              return int(ui::Ok);
          })
    {
    }

    int shown = 0;
    QString title;
    QString initialText;
    bool monospaced = false;
    QList<Box> boxes;

private:
    ui::ScopedModalHandler m_modal;
    ui::ScopedMsgBoxHandler m_boxes;
};

void typeText(QPlainTextEdit &text, const QString &typed)
{
    text.selectAll();
    QTest::keyClick(&text, Qt::Key_Delete);
    QTest::keyClicks(&text, typed);
}

void press(QDialogButtonBox &buttons, QDialogButtonBox::StandardButton which)
{
    buttons.button(which)->click();
}

const QString scheduleText = QStringLiteral("<Schedule><Frequency>Minutes</Frequency><Interval>15</Interval></Schedule>");

TEST(SectionEditor, RefusesTextThatIsNotWellFormedAndStaysOpen)
{
    bool stillOpen = false;
    SectionDialogDriver driver([&](QDialog &dialog, QPlainTextEdit &text, QDialogButtonBox &buttons) {
        typeText(text, QStringLiteral("<Schedule><Interval>15</Schedule>"));
        press(buttons, QDialogButtonBox::Ok);
        stillOpen = dialog.result() == QDialog::Rejected
            && text.toPlainText() == QStringLiteral("<Schedule><Interval>15</Schedule>");
    });
    XmlSectionEditor editor;
    QString section = scheduleText;
    EXPECT_FALSE(editor.ShowScheduleEditor(section));
    EXPECT_EQ(section, scheduleText) << "a refused text is not handed back";
    ASSERT_EQ(driver.boxes.size(), 1);
    EXPECT_TRUE(driver.boxes.first().prompt.contains(QStringLiteral("not well-formed XML")))
        << driver.boxes.first().prompt.toStdString();
    EXPECT_TRUE(driver.boxes.first().prompt.contains(QStringLiteral("line 1")));
    EXPECT_EQ(driver.boxes.first().title, QStringLiteral("Schedule Properties"));
    EXPECT_TRUE(stillOpen) << "the dialog must neither close nor lose the text";
}

TEST(SectionEditor, FixedTextIsAcceptedAfterARefusal)
{
    const QString edited = QStringLiteral("<Schedule><Frequency>Hours</Frequency><Interval>2</Interval></Schedule>");
    SectionDialogDriver driver([&](QDialog &, QPlainTextEdit &text, QDialogButtonBox &buttons) {
        typeText(text, QStringLiteral("<Schedule><Frequency>Hours</Frequency>"));
        press(buttons, QDialogButtonBox::Ok);
        typeText(text, edited);
        press(buttons, QDialogButtonBox::Ok);
    });
    XmlSectionEditor editor;
    QString section = scheduleText;
    ASSERT_TRUE(editor.ShowScheduleEditor(section));
    EXPECT_EQ(section, edited);
    EXPECT_EQ(driver.boxes.size(), 1);
}

TEST(SectionEditor, ShowsTheSectionIndentedInAMonospacedBox)
{
    SectionDialogDriver driver([](QDialog &, QPlainTextEdit &, QDialogButtonBox &buttons) {
        press(buttons, QDialogButtonBox::Ok);
    });
    XmlSectionEditor editor;
    QString section = scheduleText;
    ASSERT_TRUE(editor.ShowScheduleEditor(section));
    EXPECT_EQ(driver.initialText, QStringLiteral("<Schedule>\n  <Frequency>Minutes</Frequency>\n"
                                                 "  <Interval>15</Interval>\n</Schedule>"));
    EXPECT_TRUE(driver.monospaced);
    EXPECT_EQ(XmlNode::parse(section).documentElement().xml(), scheduleText);
}

TEST(SectionEditor, CancelReturnsFalseAndLeavesTheText)
{
    SectionDialogDriver driver([](QDialog &, QPlainTextEdit &text, QDialogButtonBox &buttons) {
        typeText(text, QStringLiteral("<Documentation><Languages/></Documentation>"));
        press(buttons, QDialogButtonBox::Cancel);
    });
    XmlSectionEditor editor;
    QString section = QStringLiteral("<Documentation/>");
    EXPECT_FALSE(editor.ShowDocumentationEditor(section));
    EXPECT_EQ(section, QStringLiteral("<Documentation/>"));
    EXPECT_EQ(driver.title, QStringLiteral("Documentation"));
    EXPECT_TRUE(driver.boxes.isEmpty());
}

TEST(SectionEditor, TheSectionKeepsItsRootElement)
{
    SectionDialogDriver driver([](QDialog &, QPlainTextEdit &text, QDialogButtonBox &buttons) {
        typeText(text, QStringLiteral("<Schedule/>"));
        press(buttons, QDialogButtonBox::Ok);
        typeText(text, QStringLiteral("<Properties><Name>X</Name></Properties>"));
        press(buttons, QDialogButtonBox::Ok);
    });
    XmlSectionEditor editor;
    QString section = QStringLiteral("<Properties><Name>DISK-VAR</Name></Properties>");
    long mode = 0;
    ASSERT_TRUE(editor.ShowPropertiesEditor(section, mode));
    EXPECT_EQ(section, QStringLiteral("<Properties><Name>X</Name></Properties>"));
    EXPECT_EQ(driver.title, QStringLiteral("General Properties"));
    ASSERT_EQ(driver.boxes.size(), 1);
    EXPECT_TRUE(driver.boxes.first().prompt.contains(QStringLiteral("<Properties>")));
    EXPECT_EQ(mode, 0);
}

TEST(SectionEditor, ASectionThatWasNotXmlAcceptsAnyRoot)
{
    SectionDialogDriver driver([](QDialog &, QPlainTextEdit &text, QDialogButtonBox &buttons) {
        EXPECT_EQ(text.toPlainText(), QStringLiteral("not xml"));
        typeText(text, QStringLiteral("<Documentation/>"));
        press(buttons, QDialogButtonBox::Ok);
    });
    XmlSectionEditor editor;
    QString section = QStringLiteral("not xml");
    ASSERT_TRUE(editor.ShowDocumentationEditor(section));
    EXPECT_EQ(section, QStringLiteral("<Documentation/>"));
}

TEST(SectionEditorDefaults, PropertiesHoldADescriptionInTheDefaultLanguage)
{
    XmlSectionEditor editor;
    const XmlNode properties = editor.GetDefaultProperties();
    ASSERT_FALSE(properties.isNull());
    EXPECT_EQ(properties.nodeName(), QStringLiteral("Properties"));
    EXPECT_FALSE(properties.selectSingleNode(QStringLiteral("Name")).text().isEmpty());
    EXPECT_FALSE(properties.selectSingleNode(QStringLiteral("Group")).text().isEmpty());
    const XmlNode language = properties.selectSingleNode(QStringLiteral("Description/Languages/Language[Default='1']"));
    ASSERT_FALSE(language.isNull());
    EXPECT_EQ(language.selectSingleNode(QStringLiteral("Id")).text(), QStringLiteral("en"));
    EXPECT_FALSE(language.selectSingleNode(QStringLiteral("Description")).text().trimmed().isEmpty());
    EXPECT_NE(editor.GetDefaultProperties(), properties) << "each call gives a new element";
}

TEST(SectionEditorDefaults, PropertiesFollowTheHostLanguage)
{
    hostkit::DocumentJobData::setDefaultInterfaceLanguage(QStringLiteral("es"));
    const XmlNode properties = XmlSectionEditor().GetDefaultProperties();
    hostkit::DocumentJobData::setDefaultInterfaceLanguage(QStringLiteral("en"));
    const XmlNode language = properties.selectSingleNode(QStringLiteral("Description/Languages/Language[Default='1']"));
    EXPECT_EQ(language.selectSingleNode(QStringLiteral("Id")).text(), QStringLiteral("es"));
    EXPECT_EQ(language.selectSingleNode(QStringLiteral("Description")).text(), QStringLiteral("Nuevo sensor"));
}

TEST(SectionEditorDefaults, ScheduleRunsEveryFifteenMinutesFromToday)
{
    const XmlNode schedule = XmlSectionEditor().GetDefaultSchedule();
    EXPECT_EQ(schedule.nodeName(), QStringLiteral("Schedule"));
    EXPECT_EQ(schedule.selectSingleNode(QStringLiteral("Frequency")).text(), QStringLiteral("Minutes"));
    EXPECT_EQ(schedule.selectSingleNode(QStringLiteral("Interval")).text(), QStringLiteral("15"));
    const QDateTime start = QDateTime::fromString(schedule.selectSingleNode(QStringLiteral("Start")).text(), Qt::ISODate);
    ASSERT_TRUE(start.isValid());
    EXPECT_LE(std::abs(start.date().daysTo(QDate::currentDate())), 1);
}

} // namespace
