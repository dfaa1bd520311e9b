// The Events editor through its tool bar, its pane and the modal and message
// seams, on a sensor of its own.
#include "reportcapture.h"
#include "testsupport.h"

#include "dialogs/frmeditevents.h"
#include "dialogs/scriptpane.h"
#include "host/skin.h"
#include "hostkit/referenceobjects.h"
#include "model/csensor.h"
#include "platform/ui/modal.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>

#include <QPlainTextEdit>
#include <QTest>
#include <QToolBar>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

// Warning: two events and a third without a known language; Danger: an empty
// Events; Good: an Events holding only a comment. No level of Type 3.
const char *const sensorXml = R"(<Sensor><EvaluationData><Evaluation>1</Evaluation><Values>
<EvalData><Type>2</Type><Script><Language>VBScript</Language><EvalCode>danger</EvalCode></Script>
<Events></Events><ReferenceValue>95</ReferenceValue></EvalData>
<EvalData><Type>1</Type><Script><Language>VBScript</Language><EvalCode>warning</EvalCode></Script>
<Events>
<Event><Name>OnReach</Name><Script><Language>VBScript</Language><EvalCode>Dim reach</EvalCode></Script></Event>
<Event><Name>OnRepeat</Name><Script><Language>JScript</Language><EvalCode>repeat</EvalCode></Script></Event>
<Event><Name>OnOther</Name><Script><Language>PerlScript</Language><EvalCode>other</EvalCode></Script></Event>
</Events><ReferenceValue>85.5</ReferenceValue></EvalData>
<EvalData><Type>0</Type><Script><Language>VBScript</Language><EvalCode>good</EvalCode></Script>
<Events><!-- none --></Events><ReferenceValue>0</ReferenceValue></EvalData>
</Values></EvaluationData></Sensor>)";

struct EditEvents : ::testing::Test
{
    EditEvents()
    {
        static const bool installed = (hostkit::installReferenceObjects(), true);
        (void)installed;
        sensor.SetSensorXML(XmlNode::parse(QLatin1String(sensorXml)).documentElement());
        dialog.gSensor = &sensor;
        dialog.gPathData = sourcePath(QStringLiteral("data"));
        dialog.gInterfaceLanguage = QStringLiteral("en");
        dialog.ValueKey = QStringLiteral("Warning");
    }

    template <class T>
    T *named(const char *name) const
    {
        T *found = dialog.findChild<T *>(QLatin1String(name));
        if (!found)
            ADD_FAILURE() << "no control named " << name;
        return found;
    }
    QComboBox *events() const { return named<QComboBox>("ID_Events"); }
    QComboBox *language() const { return named<QComboBox>("ID_Language"); }
    ScriptPane *pane() const { return named<ScriptPane>("rtfScript"); }
    void click(const char *id) const { named<QAction>(id)->trigger(); }
    // A pick from a drop-down tool, as the user makes it.
    static void choose(QComboBox *list, const QString &text)
    {
        const int index = list->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
    // The close box of the window manager.
    void closeBox() const
    {
        QCloseEvent close;
        QCoreApplication::sendEvent(dialog.windowHandle(), &close);
    }

    // Shows the window through the modal seam and runs `drive` while it is
    // open; the window stays open when `drive` does not close it.
    int run(const std::function<void()> &drive)
    {
        ui::ScopedModalHandler modal([&](QDialog &shown) {
            shown.show();
            drive();
            const int result = shown.isVisible() ? -1 : shown.result();
            shown.hide();
            return result;
        });
        return ui::showModal(dialog);
    }

    QString level(int type) const { return sensor.GetEvalData(type).GetEvalDataXML().xml(); }
    cEvent event(int type, const char *name) const
    {
        return sensor.GetEvalData(type).oEvents.GetEvent(QLatin1String(name));
    }

    ReportCapture capture;
    cSensor sensor;
    frmEditEvents dialog;
};

struct OpenCase
{
    const char *name;
    const char *key;
    QStringList events;
    const char *script;      // on view in the pane
    const char *caption;
    const char *report;      // the end of a report's source, or ""
};

class EditEventsOpen : public EditEvents, public ::testing::WithParamInterface<OpenCase>
{
};

TEST_P(EditEventsOpen, ShowsTheLevelsEventsWithTheFirstLoaded)
{
    const OpenCase &c = GetParam();
    dialog.ValueKey = QLatin1String(c.key);
    run([&] {
        EXPECT_EQ(dialog.windowTitle(), QLatin1String(c.caption));
        QStringList shown;
        for (int i = 0; i < events()->count(); ++i)
            shown.append(events()->itemText(i));
        EXPECT_EQ(shown, c.events);
        EXPECT_EQ(events()->currentIndex(), c.events.isEmpty() ? -1 : 0);
        EXPECT_EQ(pane()->toPlainText(), QString::fromUtf8(c.script));
        if (!c.events.isEmpty()) {   // colourised: some of the text shows a colour
            bool coloured = false;
            for (int i = 0; i < pane()->document()->characterCount() && !coloured; ++i)
                coloured = pane()->colourAt(i) != colorizer::TokenClass::Plain;
            EXPECT_TRUE(coloured);
        }
    });
    if (*c.report) {
        ASSERT_EQ(capture.boxes.size(), 1);
        EXPECT_TRUE(capture.boxes[0].prompt.startsWith(QStringLiteral("Error: 91\r")));
        EXPECT_TRUE(capture.boxes[0].prompt.endsWith(QLatin1String(c.report)));
    } else {
        EXPECT_TRUE(capture.boxes.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Levels, EditEventsOpen,
    ::testing::Values(
        OpenCase{"Warning", "Warning", {"OnReach", "OnRepeat", "OnOther"}, "Dim reach",
                 "Events Editions - Warning Value", ""},
        OpenCase{"EmptyEventsGetTheDefault", "Danger", {"OnReach"}, "Function Main(pSsrValue)\n\tMain=True\nEnd Function",
                 "Events Editions - Danger Value", ""},
        OpenCase{"CommentOnlyEventsShowNone", "Good", {}, "", "Events Editions - Good Value", ""},
        OpenCase{"UnknownKey", "warning", {}, "", "Events Editions",
                 " frmEditEvents.InitData()  frmEditEvents.Form_Activate() "}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(EditEvents, SwitchingStoresTheEventLeftAndOkHandsTheCopyBack)
{
    const QString danger = level(2);
    const int result = run([&] {
        pane()->setPlainText(QStringLiteral("reach edited"));
        choose(language(), QStringLiteral("JScript"));
        choose(events(), QStringLiteral("OnRepeat"));
        EXPECT_EQ(pane()->toPlainText(), QStringLiteral("repeat"));
        EXPECT_EQ(language()->currentText(), QStringLiteral("JScript"));
        choose(language(), QStringLiteral("VBScript"));
        choose(events(), QStringLiteral("OnReach"));
        EXPECT_EQ(pane()->toPlainText(), QStringLiteral("reach edited"));
        EXPECT_EQ(language()->currentText(), QStringLiteral("JScript"));
        // An unknown language leaves the list as it is; leaving writes it.
        choose(events(), QStringLiteral("OnOther"));
        EXPECT_EQ(language()->currentText(), QStringLiteral("JScript"));
        EXPECT_EQ(event(1, "OnReach").GetEvalCode(), QStringLiteral("Dim reach"));   // only the copy so far
        click("ID_Ok");
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(event(1, "OnReach").GetEvalCode(), QStringLiteral("reach edited"));
    EXPECT_EQ(event(1, "OnReach").GetLanguage(), QStringLiteral("JScript"));
    EXPECT_EQ(event(1, "OnRepeat").GetLanguage(), QStringLiteral("VBScript"));
    EXPECT_EQ(event(1, "OnOther").GetLanguage(), QStringLiteral("JScript"));
    const cEvalData warning = sensor.GetEvalData(1);
    EXPECT_EQ(warning.GetEvalCode(), QStringLiteral("warning"));
    EXPECT_EQ(warning.GetReferenceValue(), 85.5);
    EXPECT_EQ(level(2), danger);
    EXPECT_TRUE(capture.boxes.isEmpty());
}

struct ExitCase
{
    const char *name;
    std::function<void(EditEvents &)> leave;
    int answer;
    bool asked, saved;
};

class EditEventsExit : public EditEvents, public ::testing::WithParamInterface<ExitCase>
{
};

TEST_P(EditEventsExit, OnlyOkAndTheCloseBoxsYesHandTheEditBack)
{
    const ExitCase &c = GetParam();
    capture.answer = c.answer;
    run([&] {
        pane()->setPlainText(QStringLiteral("edited"));
        c.leave(*this);
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(event(1, "OnReach").GetEvalCode(), c.saved ? QStringLiteral("edited") : QStringLiteral("Dim reach"));
    if (c.asked) {
        ASSERT_EQ(capture.boxes.size(), 1);
        EXPECT_EQ(capture.boxes[0].prompt, QStringLiteral("Save the changes made to the events?"));
        EXPECT_EQ(capture.boxes[0].style, ui::YesNo | ui::Question);
        EXPECT_EQ(capture.boxes[0].title, QStringLiteral("Events Editions - Warning Value"));
    } else {
        EXPECT_TRUE(capture.boxes.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ways, EditEventsExit,
    ::testing::Values(ExitCase{"Ok", [](EditEvents &t) { t.click("ID_Ok"); }, ui::Ok, false, true},
                      ExitCase{"Cancel", [](EditEvents &t) { t.click("ID_Cancel"); }, ui::Ok, false, false},
                      ExitCase{"CloseBoxYes", [](EditEvents &t) { t.closeBox(); }, ui::Yes, true, true},
                      ExitCase{"CloseBoxNo", [](EditEvents &t) { t.closeBox(); }, ui::No, true, false},
                      ExitCase{"ClosedByTheProgram", [](EditEvents &t) { t.dialog.close(); }, ui::Yes, false, false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(EditEvents, WithoutEventsTypingStoresNothingAndOkHandsBackTheSameLevel)
{
    dialog.ValueKey = QStringLiteral("Good");
    const QString good = level(0);
    run([&] {
        pane()->setPlainText(QStringLiteral("typed"));
        click("ID_Ok");
    });
    EXPECT_EQ(level(0), good);
}

TEST_F(EditEvents, AFailedFirstActivationIsReportedAndRetriedAtTheNextActivation)
{
    dialog.gSensor = nullptr;
    run([&] {
        ASSERT_EQ(capture.boxes.size(), 1);
        EXPECT_TRUE(capture.boxes[0].prompt.endsWith(QStringLiteral(" frmEditEvents.InitData()  frmEditEvents.Form_Activate() ")));
        EXPECT_EQ(events()->count(), 0);
        pane()->setPlainText(QStringLiteral("not stored"));
        choose(language(), QStringLiteral("JScript"));   // saving is off

        dialog.gSensor = &sensor;
        QEvent leave(QEvent::WindowDeactivate), back(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&dialog, &leave);
        QCoreApplication::sendEvent(&dialog, &back);
        EXPECT_EQ(events()->count(), 3);
        EXPECT_EQ(pane()->toPlainText(), QStringLiteral("Dim reach"));
        click("ID_Ok");
    });
    EXPECT_EQ(capture.boxes.size(), 1);
    EXPECT_EQ(event(1, "OnReach").GetEvalCode(), QStringLiteral("Dim reach"));
}

TEST_F(EditEvents, OkOnAMissingLevelIsReportedAndTheWindowStaysOpen)
{
    XmlNode warning = sensor.GetEvalData(1).GetEvalDataXML();
    warning.parentNode().removeChild(warning);
    capture.answer = ui::Ok;
    run([&] {
        capture.boxes.clear();
        click("ID_Ok");
        ASSERT_EQ(capture.boxes.size(), 1);
        EXPECT_TRUE(capture.boxes[0].prompt.endsWith(QStringLiteral(" frmEditEvents.Ok()  frmEditEvents.ssToolEvents_ToolClick() ")));
        EXPECT_TRUE(dialog.isVisible());
    });
}

struct SyntaxCase
{
    const char *name;
    const char *language;
    const char *script;
    const char *message;     // the start of the message
};

class EditEventsSyntax : public EditEvents, public ::testing::WithParamInterface<SyntaxCase>
{
};

TEST_P(EditEventsSyntax, CheckSyntaxSaysSoEitherWayUnderTheWindowsCaption)
{
    const SyntaxCase &c = GetParam();
    run([&] {
        choose(language(), QLatin1String(c.language));
        pane()->setPlainText(QLatin1String(c.script));
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClick(pane(), Qt::Key_F7); // as the job editor's Check key
    });
    ASSERT_EQ(capture.boxes.size(), 1);
    EXPECT_TRUE(capture.boxes[0].prompt.startsWith(QLatin1String(c.message))) << capture.boxes[0].prompt.toStdString();
    EXPECT_EQ(capture.boxes[0].style, ui::OkOnly | ui::Information);
    EXPECT_EQ(capture.boxes[0].title, QStringLiteral("Events Editions - Warning Value"));
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, EditEventsSyntax,
    ::testing::Values(
        SyntaxCase{"VBScriptOk", "VBScript", "Function Main(pSsrValue)\n\tMain = True\nEnd Function", "Script Ok!"},
        SyntaxCase{"JScriptOk", "JScript", "function Main(v) { return v > 1; }", "Script Ok!"},
        SyntaxCase{"VBScriptError", "VBScript", "Function Main(\nEnd", "Code Error.\rError.\r\nNumber: "},
        SyntaxCase{"ThisLanguageNotThatOne", "JScript", "Function Main()\nEnd Function", "Code Error.\rError.\r\n"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(EditEvents, AFailedSaveIsReportedAndTheSwitchDoesNotHappen)
{
    // An event without a Script element: showing it fails, and so does leaving it.
    XmlNode broken = event(1, "OnOther").GetEventXML();
    broken.removeChild(broken.selectSingleNode(QStringLiteral("Script")));
    run([&] {
        choose(events(), QStringLiteral("OnOther"));
        pane()->setPlainText(QStringLiteral("typed"));
        choose(events(), QStringLiteral("OnReach"));
        EXPECT_EQ(pane()->toPlainText(), QStringLiteral("typed"));
    });
    ASSERT_EQ(capture.boxes.size(), 2);
    EXPECT_TRUE(capture.boxes[1].prompt.startsWith(QStringLiteral("Error: 91\r")));
    EXPECT_TRUE(capture.boxes[1].prompt.endsWith(
        QStringLiteral(" frmEditEvents.SaveData()  frmEditEvents.ssToolEvents_CtlClick() ")));
}

TEST_F(EditEvents, TheClipboardToolsWorkOnThePane)
{
    run([&] {
        pane()->selectAll();
        click("ID_Cut");
        EXPECT_EQ(pane()->toPlainText(), QString());
        EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Dim reach"));
        click("ID_Paste");
        click("ID_Paste");
        EXPECT_EQ(pane()->toPlainText(), QStringLiteral("Dim reachDim reach"));
    });
    EXPECT_TRUE(capture.boxes.isEmpty());
}

TEST_F(EditEvents, ThePaneFillsTheWindowBelowTheBar)
{
    run([&] {
        for (const QSize size : {QSize(700, 500), QSize(420, 260)}) {
            dialog.resize(size);
            QApplication::processEvents();
            const QToolBar *bar = named<QToolBar>("ssToolEvents");
            EXPECT_EQ(pane()->geometry(), QRect(0, bar->height(), size.width(), size.height() - bar->height()));
        }
    });
}

// A skin with the three colours of the window.
struct ToolbarSkin : host::Skin
{
    long GetToolbarBackColor() const override { return 0x0000ff; }   // red
    long GetToolbarColorFont() const override { return 0x00ff00; }   // green
    long GetFormBackColor() const override { return -1; }            // none
};

TEST_F(EditEvents, SkinAndLanguageDressTheWindowAndTheTools)
{
    const ToolbarSkin skin;
    dialog.gSkin = &skin;
    dialog.gInterfaceLanguage = QStringLiteral("es");
    const QColor designedBack = dialog.palette().color(QPalette::Window);
    run([&] {
        const QToolBar *bar = named<QToolBar>("ssToolEvents");
        EXPECT_EQ(bar->palette().color(QPalette::Window), QColor(Qt::red));
        EXPECT_EQ(bar->palette().color(QPalette::WindowText), QColor(Qt::green));
        EXPECT_EQ(dialog.palette().color(QPalette::Window), designedBack);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Edición de eventos - Warning Value"));
        EXPECT_EQ(named<QAction>("ID_Ok")->text(), QStringLiteral("Aceptar"));
        EXPECT_EQ(named<QAction>("ID_CheckSyntax")->text(), QStringLiteral("Comprobar sintaxis"));
        EXPECT_EQ(named<QLabel>("ID_EventsLabel")->text(), QStringLiteral("Eventos"));
        EXPECT_FALSE(named<QAction>("ID_Cut")->icon().pixmap(16, 16).isNull());
        dialog.close();
    });
}

} // namespace
