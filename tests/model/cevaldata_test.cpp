#include "model/cevaldata.h"
#include "model/csensor.h"
#include "modeltest.h"

#include <QLocale>
#include <functional>

namespace {

const QString levelXml = QStringLiteral("<EvalData><Type>1</Type><Script><Language>VBScript</Language>"
                                        "<EvalCode>x</EvalCode></Script><Events/><ReferenceValue>0</ReferenceValue></EvalData>");

const QString defaultEvents = QStringLiteral(
    "<Events><Event><Name><![CDATA[OnReach]]></Name><Script><Language><![CDATA[VBScript]]></Language><EvalCode>"
    "<![CDATA[Function Main(pSsrValue)]]>&#13;<![CDATA[\n\tMain=True]]>&#13;<![CDATA[\nEnd Function]]></EvalCode></Script>"
    "</Event></Events>");

QString eventNames(const cEvents &events)
{
    QStringList names;
    for (const cEvent &event : events.GetEventsAsCollection())
        names << event.GetName();
    return names.join(u' ');
}

TEST(EvalDataEvents, EmptyEventsGetsOneDefaultEventOnce)
{
    const XmlNode element = rootOf(levelXml);
    for (int binding = 0; binding < 2; ++binding)
        cEvalData().SetEvalDataXML(element);
    EXPECT_EQ(element.selectSingleNode(QStringLiteral("Events")).xml(), defaultEvents);
    cEvalData level;
    level.SetEvalDataXML(element);
    EXPECT_EQ(level.oEvents.GetEvent(QStringLiteral("OnReach")).GetEvalCode(), defaultEventScript());
}

// Only an Events without any node gets the default event; blanks the
// program added count too.
TEST(EvalDataEvents, WhiteSpaceOrCommentIsNotEmpty)
{
    for (const char *events : {"<Events>\n    </Events>", "<Events><!-- none yet --></Events>", "<Events/>"}) {
        XmlNode element = rootOf(QStringLiteral("<EvalData>%1</EvalData>").arg(QLatin1String(events)));
        XmlNode list = element.firstChild();
        if (!list.hasChildNodes())
            list.appendChild(element.createTextNode(QStringLiteral("  ")));
        cEvents read;
        read.SetEventsXML(list);
        EXPECT_EQ(eventNames(read), QString()) << events;
    }
}

TEST(EvalDataEvents, LookupsWritesAndOrder)
{
    cEvents list;
    list.SetEventsXML(rootOf(QStringLiteral("<Events><Event><Name>A</Name></Event><Other/><Event><Name>B</Name><Script>"
                                            "<Language/><EvalCode/></Script></Event><Event><Name>C</Name></Event></Events>")));
    EXPECT_EQ(eventNames(list), QStringLiteral("A B C"));
    cEvent event = list.GetEvent(QStringLiteral("B"));
    event.SetEvalCode(QStringLiteral("function Main(v) { return v > 1; }"));
    event.SetLanguage(QStringLiteral("JScript"));
    const cEvent again = list.GetEvent(QStringLiteral("B"));
    EXPECT_EQ(again.GetEvalCode(), QStringLiteral("function Main(v) { return v > 1; }"));
    EXPECT_EQ(again.GetLanguage(), QStringLiteral("JScript"));
    EXPECT_EQ(again.GetEventXML().selectSingleNode(QStringLiteral("Script/EvalCode")).childNodes().size(), 1);
    const Error quoted = raisedBy([&] { list.GetEvent(QStringLiteral("O'Reach")); });
    EXPECT_NE(quoted.number, 0);
    EXPECT_TRUE(quoted.source.endsWith(QStringLiteral(" cEvents.GetEvent() ")));
}

// An event, a level or a sensor bound to nothing raises 91 with its own tag.
TEST(EvalDataEvents, ObjectsBoundToNothingRaise91)
{
    cEvents list;
    list.SetEventsXML(rootOf(QStringLiteral("<Events/>")));
    cEvent missing = list.GetEvent(QStringLiteral("OnLeave"));
    EXPECT_TRUE(missing.isNothing());
    EXPECT_TRUE(missing.GetEventXML().isNull());
    cEvalData level;
    const std::pair<const char *, std::function<void()>> calls[] = {
        {"cEvent.GetName", [&] { missing.GetName(); }}, {"cEvent.GetEvalCode", [&] { missing.GetEvalCode(); }},
        {"cEvent.SetEvalCode", [&] { missing.SetEvalCode(QStringLiteral("x")); }},
        {"cEvent.GetLanguage", [&] { missing.GetLanguage(); }},
        {"cEvent.SetLanguage", [&] { missing.SetLanguage(QStringLiteral("x")); }},
        {"cEvalData.GetEvalCode", [&] { level.GetEvalCode(); }}, {"cEvalData.SetType", [&] { level.SetType(1); }},
        {"cEvalData.GetReferenceValue", [&] { level.GetReferenceValue(); }},
        {"cEvents.GetEventsAsCollection", [&] { level.oEvents.GetEventsAsCollection(); }},
    };
    for (const auto &[method, call] : calls)
        expectError(91, call, QStringLiteral(" %1() ").arg(QLatin1String(method)));
}

TEST(EvalDataLevel, WithoutEventsTheBindingFailsNamingTheLevelWithTheWholeTrail)
{
    const cSensor sensor = sensorOf(sensorJobWith(QStringLiteral("<Events/><ReferenceValue>90"),
                                                  QStringLiteral("<ReferenceValue>90")));
    const Error error = raisedBy([&] { sensor.GetEvalData(LevelDanger); });
    EXPECT_EQ(error.number, 91);
    EXPECT_EQ(error.source, QStringLiteral(" cEvalData.MakeCollections()  cEvalData.SetEvalDataXML()  cSensor.GetEvalData() "));
    EXPECT_EQ(error.description,
              QStringLiteral("JobDefinition/FreeDefinition/Sensor/EvaluationData/Values/EvalData[Type='2'] has no Events"));
}

TEST(EvalDataLevel, TypeScriptAndReferenceValue)
{
    cEvalData level;
    level.SetEvalDataXML(rootOf(levelXml));
    level.SetType(2);
    EXPECT_EQ(level.GetType(), 2);
    level.GetEvalDataXML().selectSingleNode(QStringLiteral("Type")).setText(QStringLiteral("x"));
    EXPECT_EQ(level.GetType(), 0);
    level.SetEvalCode(QStringLiteral("y"));
    level.SetLanguage(QStringLiteral("JScript"));
    EXPECT_EQ(level.GetEvalCode(), QStringLiteral("y"));
    EXPECT_EQ(level.GetLanguage(), QStringLiteral("JScript"));

    // The reference value is written with a point under every locale and
    // reads back under any other.
    const QLocale saved;
    const XmlNode reference = level.GetEvalDataXML().selectSingleNode(QStringLiteral("ReferenceValue"));
    const QLocale::Language languages[] = {QLocale::Spanish, QLocale::English, QLocale::German, QLocale::C};
    for (int i = 0; i < 3; ++i) {
        for (double value : {1.5, -0.25, 85.125, 1e-7, 123456789.0}) {
            QLocale::setDefault(QLocale(languages[i]));
            level.SetReferenceValue(value);
            EXPECT_FALSE(reference.text().contains(u',')) << reference.text().toStdString();
            QLocale::setDefault(QLocale(languages[i + 1]));
            EXPECT_EQ(level.GetReferenceValue(), value) << languages[i];
        }
    }
    QLocale::setDefault(saved);
    for (const char *text : {"abc", "", "1,2,3"}) {
        level.GetEvalDataXML().selectSingleNode(QStringLiteral("ReferenceValue")).setText(QString::fromLatin1(text));
        expectError(13, [&] { level.GetReferenceValue(); }, QStringLiteral(" cEvalData.GetReferenceValue() "));
    }
}

TEST(EvalDataLevel, CreateBuildsAFreshLevel)
{
    cEvalData level;
    level.Create();
    EXPECT_TRUE(level.GetEvalDataXML().parentNode().isNull());
    EXPECT_EQ(level.GetEvalDataXML().xml(), QStringLiteral("<EvalData><Type/><Script><Language/><EvalCode/></Script>%1"
                                                           "<ReferenceValue>0</ReferenceValue></EvalData>")
                                                .arg(defaultEvents));
}

} // namespace
