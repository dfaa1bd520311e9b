// The Events editor through its tool bar, its pane and the modal and message
// seams, on a sensor of its own.
#include "dialogtest.h"

#include "dialogs/frmeditevents.h"
#include "dialogs/scriptpane.h"
#include "model/csensor.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QToolBar>
#include <QWindow>
#include <tuple>

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

// A pick from a drop-down tool, as the user makes it.
void choose(QComboBox *list, const QString &text)
{
    const int index = list->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    list->setCurrentIndex(index);
    emit list->activated(index);
}

struct Editor : Tested<frmEditEvents>
{
    explicit Editor(const char *key = "Warning")
    {
        sensor.SetSensorXML(XmlNode::parse(sensorXml).documentElement());
        dialog.gSensor = &sensor;
        dialog.ValueKey = key;
    }
    QComboBox *events() const { return named<QComboBox>(dialog, "ID_Events"); }
    QComboBox *language() const { return named<QComboBox>(dialog, "ID_Language"); }
    ScriptPane *pane() const { return named<ScriptPane>(dialog, "rtfScript"); }
    void click(const char *id) const { named<QAction>(dialog, id)->trigger(); }
    int run(const std::function<void()> &drive) { return runModal(dialog, [&](QDialog &) { drive(); }); }
    cEvent event(const char *name) const { return sensor.GetEvalData(1).oEvents.GetEvent(name); }
    QString level(int type) const { return sensor.GetEvalData(type).GetEvalDataXML().xml(); }
    // The one box shown, which is then forgotten: its prompt starts with `start` and ends with `end`.
    void expectBox(const char *start, const char *end = "")
    {
        ASSERT_EQ(capture.boxes.size(), 1);
        EXPECT_TRUE(capture.boxes[0].prompt.startsWith(start)) << capture.boxes[0].prompt.toStdString();
        EXPECT_TRUE(capture.boxes[0].prompt.endsWith(end)) << capture.boxes[0].prompt.toStdString();
        capture.boxes.clear();
    }
    cSensor sensor;
};

const QString caption = "Events Editions - Warning Value";
const char *const activateTrail = " frmEditEvents.InitData()  frmEditEvents.Form_Activate() ";

TEST(EditEvents, ShowsTheLevelsEventsWithTheFirstLoadedAndColoured)
{
    using Case = std::tuple<const char *, QStringList, const char *, const char *>;   // key, events, script, caption
    const Case cases[] = {
        {"Warning", {"OnReach", "OnRepeat", "OnOther"}, "Dim reach", "Events Editions - Warning Value"},
        {"Danger", {"OnReach"}, "Function Main(pSsrValue)\n\tMain=True\nEnd Function",
         "Events Editions - Danger Value"},
        {"Good", {}, "", "Events Editions - Good Value"},
        {"warning", {}, "", "Events Editions"},   // no such level: reported
    };
    for (const auto &[key, events, script, caption] : cases) {
        SCOPED_TRACE(key);
        Editor e(key);
        e.run([&] {
            EXPECT_EQ(e.dialog.windowTitle(), caption);
            QStringList listed;
            for (int i = 0; i < e.events()->count(); ++i)
                listed.append(e.events()->itemText(i));
            EXPECT_EQ(listed, events);
            EXPECT_EQ(e.events()->currentIndex(), events.isEmpty() ? -1 : 0);
            EXPECT_EQ(e.pane()->toPlainText(), script);
            bool coloured = false;
            for (int i = 0; i < e.pane()->document()->characterCount(); ++i)
                coloured = coloured || e.pane()->colourAt(i) != colorizer::TokenClass::Plain;
            EXPECT_EQ(coloured, !events.isEmpty());
        });
        if (key[0] == 'w')
            e.expectBox("Error: 91\r", activateTrail);
        EXPECT_TRUE(e.capture.boxes.isEmpty());
    }
}

TEST(EditEvents, SwitchingStoresTheEventLeftAndOkHandsTheCopyBack)
{
    Editor e;
    const QString danger = e.level(2);
    EXPECT_EQ(e.run([&] {
        e.pane()->setPlainText("reach edited");
        choose(e.language(), "JScript");
        choose(e.events(), "OnRepeat");
        EXPECT_EQ(e.pane()->toPlainText(), "repeat");
        EXPECT_EQ(e.language()->currentText(), "JScript");
        choose(e.language(), "VBScript");
        choose(e.events(), "OnReach");
        EXPECT_EQ(e.pane()->toPlainText(), "reach edited");
        EXPECT_EQ(e.language()->currentText(), "JScript");
        // An unknown language leaves the list as it is; leaving writes it.
        choose(e.events(), "OnOther");
        EXPECT_EQ(e.language()->currentText(), "JScript");
        EXPECT_EQ(e.event("OnReach").GetEvalCode(), "Dim reach");   // only the copy so far
        e.click("ID_Ok");
    }), QDialog::Accepted);
    EXPECT_EQ(e.event("OnReach").GetEvalCode(), "reach edited");
    EXPECT_EQ(QStringList({e.event("OnReach").GetLanguage(), e.event("OnRepeat").GetLanguage(),
                           e.event("OnOther").GetLanguage()}),
              QStringList({"JScript", "VBScript", "JScript"}));
    EXPECT_EQ(e.sensor.GetEvalData(1).GetEvalCode(), "warning");
    EXPECT_EQ(e.sensor.GetEvalData(1).GetReferenceValue(), 85.5);
    EXPECT_EQ(e.level(2), danger);
    EXPECT_TRUE(e.capture.boxes.isEmpty());
}

TEST(EditEvents, OnlyOkAndTheCloseBoxsYesHandTheEditBack)
{
    const auto closeBox = [](Editor &e) {
        QCloseEvent close;   // as the window manager's close box sends it
        QCoreApplication::sendEvent(e.dialog.windowHandle(), &close);
    };
    const struct
    {
        const char *name;
        std::function<void(Editor &)> leave;
        int answer;
        bool asked, saved;
    } cases[] = {
        {"Ok", [](Editor &e) { e.click("ID_Ok"); }, ui::Ok, false, true},
        {"Cancel", [](Editor &e) { e.click("ID_Cancel"); }, ui::Ok, false, false},
        {"CloseBoxYes", closeBox, ui::Yes, true, true},
        {"CloseBoxNo", closeBox, ui::No, true, false},
        {"ClosedByTheProgram", [](Editor &e) { e.dialog.close(); }, ui::Yes, false, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Editor e;
        e.capture.answer = c.answer;
        EXPECT_NE(e.run([&] {
            e.pane()->setPlainText("edited");
            c.leave(e);
        }), -1);
        EXPECT_EQ(e.event("OnReach").GetEvalCode(), c.saved ? "edited" : "Dim reach");
        const QString asked = caption + "|36|Save the changes made to the events?";   // Yes and No, a question
        EXPECT_EQ(boxes(e.capture), c.asked ? QStringList{asked} : QStringList());
    }
}

// Ok without an edit leaves the sensor as it was, each level where it stood.
TEST(EditEvents, OkWithoutAnEditChangesNothing)
{
    for (const char *key : {"Danger", "Warning", "Good"}) {
        Editor e(key);
        e.sensor.GetEvalData(2);   // the default event an empty Events gets on any read
        const QString before = e.sensor.GetSensorXML().xml();
        e.run([&] { e.click("ID_Ok"); });
        EXPECT_EQ(e.sensor.GetSensorXML().xml(), before) << key;
    }
}

TEST(EditEvents, WithoutEventsTypingStoresNothingAndOkHandsBackTheSameLevel)
{
    Editor e("Good");
    const QString good = e.level(0);
    e.run([&] {
        e.pane()->setPlainText("typed");
        e.click("ID_Ok");
    });
    EXPECT_EQ(e.level(0), good);
}

TEST(EditEvents, AFailedFirstActivationIsReportedAndRetriedAtTheNextActivation)
{
    Editor e;
    e.dialog.gSensor = nullptr;
    e.run([&] {
        e.expectBox("Error: 91\r", activateTrail);
        EXPECT_EQ(e.events()->count(), 0);
        e.pane()->setPlainText("not stored");
        choose(e.language(), "JScript");   // saving is off
        e.dialog.gSensor = &e.sensor;
        QEvent leave(QEvent::WindowDeactivate), back(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&e.dialog, &leave);
        QCoreApplication::sendEvent(&e.dialog, &back);
        EXPECT_EQ(e.events()->count(), 3);
        EXPECT_EQ(e.pane()->toPlainText(), "Dim reach");
        e.click("ID_Ok");
    });
    EXPECT_TRUE(e.capture.boxes.isEmpty());
    EXPECT_EQ(e.event("OnReach").GetEvalCode(), "Dim reach");
}

TEST(EditEvents, AFailedSaveOrOkIsReportedAndNothingMoves)
{
    Editor e;
    // An event without a Script element: showing it fails, and so does leaving it.
    XmlNode broken = e.event("OnOther").GetEventXML();
    broken.removeChild(broken.selectSingleNode("Script"));
    e.run([&] {
        choose(e.events(), "OnOther");
        e.expectBox("Error: 91\r", "");
        e.pane()->setPlainText("typed");
        choose(e.events(), "OnReach");
        EXPECT_EQ(e.pane()->toPlainText(), "typed");
        e.expectBox("Error: 91\r", " frmEditEvents.SaveData()  frmEditEvents.ssToolEvents_CtlClick() ");
    });
    Editor missing;
    XmlNode warning = missing.sensor.GetEvalData(1).GetEvalDataXML();
    warning.parentNode().removeChild(warning);
    EXPECT_EQ(missing.run([&] {
        missing.capture.boxes.clear();
        missing.click("ID_Ok");
        missing.expectBox("Error: ", " frmEditEvents.Ok()  frmEditEvents.ssToolEvents_ToolClick() ");
    }), -1);
}

TEST(EditEvents, CheckSyntaxSaysSoEitherWayUnderTheWindowsCaption)
{
    using Case = std::tuple<const char *, const char *, const char *>;   // language, script, the message's start
    const Case cases[] = {
        {"VBScript", "Function Main(pSsrValue)\n\tMain = True\nEnd Function", "Script Ok!"},
        {"JScript", "function Main(v) { return v > 1; }", "Script Ok!"},
        {"VBScript", "Function Main(\nEnd", "Code Error.\rError.\r\nNumber: "},
        {"JScript", "Function Main()\nEnd Function", "Code Error.\rError.\r\n"},   // that language's, not this one's
    };
    Editor e;
    e.run([&] {
        e.dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&e.dialog));
        for (const auto &[language, script, message] : cases) {
            SCOPED_TRACE(script);
            choose(e.language(), language);
            e.pane()->setPlainText(script);
            QTest::keyClick(e.pane(), Qt::Key_F7);   // as the job editor's Check key
            EXPECT_TRUE(boxes(e.capture).value(0).startsWith(caption + "|64|" + message));   // Ok only, information
            // A failed check marks the report's line, with its column in the status line.
            const QString report = e.capture.boxes.value(0).prompt;
            const auto field = [&](const char *name) { return report.section(name, 1).section(u'\r', 0, 0); };
            EXPECT_EQ(e.pane()->markedLine(), field("Line: ").toInt());
            if (e.pane()->markedLine() > 0) {
                EXPECT_TRUE(e.pane()->statusText().contains("column " + field("Column: ") + ':'));
            }
            e.expectBox("");
        }
    });
}

// The script has the focus first and Ctrl+Enter is Ok (the Tab round of
// every window: Layout.TabGoesRoundEveryControlOnce).
TEST(EditEvents, TheScriptHasTheFocusAndCtrlEnterIsOk)
{
    Editor e;
    EXPECT_EQ(e.run([&] {
        e.dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&e.dialog));
        EXPECT_EQ(QApplication::focusWidget(), e.pane());
        QTest::keyClick(e.pane(), Qt::Key_Return, Qt::ControlModifier);
    }), int(QDialog::Accepted));
}

TEST(EditEvents, SkinAndLanguageDressTheWindowWhoseToolsWorkOnThePaneBelowTheBar)
{
    Editor e;
    const TestSkin skin({.form = -1, .toolbar = 0x0000ff, .toolbarFont = 0x00ff00});
    e.dialog.gSkin = &skin;
    e.dialog.gInterfaceLanguage = "es";
    const QColor designedBack = e.dialog.palette().color(QPalette::Window);
    e.run([&] {
        const QToolBar *bar = named<QToolBar>(e.dialog, "ssToolEvents");
        EXPECT_EQ(bar->palette().color(QPalette::Window), QColor(Qt::red));
        EXPECT_EQ(bar->palette().color(QPalette::WindowText), QColor(Qt::green));
        EXPECT_EQ(e.dialog.palette().color(QPalette::Window), designedBack);
        for (const auto &[control, text] : {std::pair{"", "Edición de eventos - Warning Value"}, {"ID_Ok", "Aceptar"},
                                            {"ID_CheckSyntax", "Comprobar sintaxis"}, {"ID_EventsLabel", "Eventos"}})
            EXPECT_EQ(shownText(e.dialog, control), text) << control;
        EXPECT_FALSE(named<QAction>(e.dialog, "ID_Cut")->icon().pixmap(16, 16).isNull());
        e.pane()->selectAll();
        e.click("ID_Cut");
        EXPECT_EQ(e.pane()->toPlainText(), QString());
        EXPECT_EQ(QApplication::clipboard()->text(), "Dim reach");
        e.click("ID_Paste");
        e.click("ID_Paste");
        EXPECT_EQ(e.pane()->toPlainText(), "Dim reachDim reach");
        for (const QSize size : {QSize(700, 500), QSize(420, 260)}) {
            e.dialog.resize(size);
            QApplication::processEvents();
            EXPECT_EQ(e.pane()->geometry(), QRect(0, bar->height(), size.width(), size.height() - bar->height()));
        }
    });
    EXPECT_TRUE(e.capture.boxes.isEmpty());
}


// An edit reaches the event picked alone, whatever its name (another's, with quotes).
TEST(EditEvents, AnEditReachesTheEventPickedAlone)
{
    const QString xml = QString(sensorXml).replace("OnRepeat", "OnReach").replace("OnOther", "On&quot;O'ther");
    for (int picked = 0; picked < 3; ++picked) {
        Editor e;
        e.sensor.SetSensorXML(XmlNode::parse(xml).documentElement());
        e.run([&] {
            e.events()->setCurrentIndex(picked);
            emit e.events()->activated(picked);
            e.pane()->setPlainText("edited");
            e.click("ID_Ok");
        });
        QStringList scripts = {"Dim reach", "repeat", "other"}, stored;
        scripts[picked] = "edited";
        for (const XmlNode &code : e.sensor.GetSensorXML().selectNodes("EvaluationData/Values/EvalData[Type='1']/Events/Event/Script/EvalCode"))
            stored << code.text();
        EXPECT_EQ(stored, scripts);
        EXPECT_TRUE(e.capture.boxes.isEmpty()) << boxes(e.capture).join(u'\n').toStdString();
    }
}

} // namespace
