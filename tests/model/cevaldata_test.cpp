#include "model/cevaldata.h"
#include "model/csensor.h"
#include "modeltest.h"

#include <QLocale>

namespace {

const char *const levelXml = R"(<EvalData><Type>1</Type><Script><Language>VBScript</Language><EvalCode>x</EvalCode></Script><Events/><ReferenceValue>0</ReferenceValue></EvalData>)";

TEST(EvalDataEvents, EmptyEventsGetsOneDefaultEventOnce)
{
    const XmlNode document = XmlNode::parse(QString::fromUtf8(levelXml));
    const XmlNode element = document.documentElement();
    cEvalData level;
    level.SetEvalDataXML(element);
    EXPECT_EQ(element.selectSingleNode(QStringLiteral("Events")).xml(),
              QStringLiteral("<Events><Event><Name><![CDATA[OnReach]]></Name><Script>"
                             "<Language><![CDATA[VBScript]]></Language><EvalCode><![CDATA[Function Main(pSsrValue)]]>&#13;"
                             "<![CDATA[\n\tMain=True]]>&#13;<![CDATA[\nEnd Function]]></EvalCode></Script></Event></Events>"));
    level.SetEvalDataXML(element);
    cEvalData other;
    other.SetEvalDataXML(element);
    EXPECT_EQ(element.selectNodes(QStringLiteral("Events/Event")).size(), 1);
    const cEvent event = other.oEvents.GetEvent(QStringLiteral("OnReach"));
    EXPECT_EQ(event.GetName(), QStringLiteral("OnReach"));
    EXPECT_EQ(event.GetLanguage(), QStringLiteral("VBScript"));
    EXPECT_EQ(event.GetEvalCode(), defaultEventScript());
}

TEST(EvalDataEvents, WhiteSpaceOrCommentIsNotEmpty)
{
    for (const char *events : {"<Events>\n    </Events>", "<Events><!-- none yet --></Events>"}) {
        XmlNode element = rootOf(QStringLiteral("<EvalData><Type>0</Type>%1</EvalData>").arg(QLatin1String(events)));
        cEvalData level;
        level.SetEvalDataXML(element);
        EXPECT_TRUE(level.oEvents.GetEventsAsCollection().isEmpty()) << events;
    }
}

TEST(EvalDataEvents, WhiteSpaceAddedByProgramCountsToo)
{
    XmlNode element = rootOf(QStringLiteral("<EvalData><Events/></EvalData>"));
    XmlNode events = element.selectSingleNode(QStringLiteral("Events"));
    events.appendChild(element.createTextNode(QStringLiteral("  ")));
    cEvents list;
    list.SetEventsXML(events);
    EXPECT_TRUE(list.GetEventsAsCollection().isEmpty());
}

TEST(EvalDataEvents, CollectionKeepsDocumentOrder)
{
    XmlNode events = rootOf(QStringLiteral(
        "<Events><Event><Name>A</Name></Event><Other/><Event><Name>B</Name></Event><Event><Name>C</Name></Event></Events>"));
    cEvents list;
    list.SetEventsXML(events);
    const QList<cEvent> all = list.GetEventsAsCollection();
    ASSERT_EQ(all.size(), 3);
    EXPECT_EQ(all[0].GetName(), QStringLiteral("A"));
    EXPECT_EQ(all[1].GetName(), QStringLiteral("B"));
    EXPECT_EQ(all[2].GetName(), QStringLiteral("C"));
}

TEST(EvalDataEvents, UnknownEventIsAnObjectBoundToNothing)
{
    cEvents list;
    list.SetEventsXML(rootOf(QStringLiteral("<Events/>")));
    cEvent missing = list.GetEvent(QStringLiteral("OnLeave"));
    EXPECT_TRUE(missing.isNothing());
    EXPECT_TRUE(missing.GetEventXML().isNull());
    expectError(91, QStringLiteral(" cEvent.GetName() "), [&] { missing.GetName(); });
    expectError(91, QStringLiteral(" cEvent.GetEvalCode() "), [&] { missing.GetEvalCode(); });
    expectError(91, QStringLiteral(" cEvent.SetEvalCode() "), [&] { missing.SetEvalCode(QStringLiteral("x")); });
    expectError(91, QStringLiteral(" cEvent.GetLanguage() "), [&] { missing.GetLanguage(); });
    expectError(91, QStringLiteral(" cEvent.SetLanguage() "), [&] { missing.SetLanguage(QStringLiteral("x")); });
}

TEST(EvalDataEvents, NameWithAnApostropheMakesTheLookupFail)
{
    cEvents list;
    list.SetEventsXML(rootOf(QStringLiteral("<Events/>")));
    try {
        list.GetEvent(QStringLiteral("O'Reach"));
        FAIL();
    } catch (const Error &e) {
        EXPECT_NE(e.number, 0);
        EXPECT_TRUE(e.source.endsWith(QStringLiteral(" cEvents.GetEvent() ")));
    }
}

TEST(EvalDataEvents, EventScriptsWrittenAsCDataText)
{
    cEvents list;
    list.SetEventsXML(rootOf(QStringLiteral("<Events/>")));
    cEvent event = list.GetEvent(QStringLiteral("OnReach"));
    event.SetEvalCode(QStringLiteral("function Main(v) { return v > 1; }"));
    event.SetLanguage(QStringLiteral("JScript"));
    const cEvent again = list.GetEvent(QStringLiteral("OnReach"));
    EXPECT_EQ(again.GetEvalCode(), QStringLiteral("function Main(v) { return v > 1; }"));
    EXPECT_EQ(again.GetLanguage(), QStringLiteral("JScript"));
    EXPECT_EQ(again.GetEventXML().selectSingleNode(QStringLiteral("Script/EvalCode")).childNodes().size(), 1);
}

TEST(EvalDataLevel, WithoutEventsTheBindingFailsWithTheWholeTrail)
{
    const XmlNode sensorRoot = rootOf(QStringLiteral(
        "<Sensor><DataPersistence/><EvaluationData><Values><EvalData><Type>2</Type></EvalData></Values></EvaluationData></Sensor>"));
    cSensor sensor;
    sensor.SetSensorXML(sensorRoot);
    try {
        sensor.GetEvalData(LevelDanger);
        FAIL();
    } catch (const Error &e) {
        EXPECT_EQ(e.number, 91);
        EXPECT_EQ(e.source, QStringLiteral(" cEvents.SetEventsXML()  cEvalData.MakeCollections()  "
                                           "cEvalData.SetEvalDataXML()  cSensor.GetEvalData() "));
    }
}

TEST(EvalDataLevel, TypeAndReferenceValue)
{
    cEvalData level;
    level.SetEvalDataXML(rootOf(QString::fromUtf8(levelXml)));
    level.SetType(2);
    EXPECT_EQ(level.GetType(), 2);
    level.GetEvalDataXML().selectSingleNode(QStringLiteral("Type")).setText(QStringLiteral("x"));
    EXPECT_EQ(level.GetType(), 0);
    level.SetEvalCode(QStringLiteral("y"));
    level.SetLanguage(QStringLiteral("JScript"));
    EXPECT_EQ(level.GetEvalCode(), QStringLiteral("y"));
    EXPECT_EQ(level.GetLanguage(), QStringLiteral("JScript"));
}

class ReferenceValueLocales : public ::testing::TestWithParam<QLocale::Language> {};

TEST_P(ReferenceValueLocales, RoundTripsUnderTheSameSettings)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(GetParam()));
    cEvalData level;
    level.SetEvalDataXML(rootOf(QString::fromUtf8(levelXml)));
    for (double value : {1.5, -0.25, 85.125, 1e-7, 123456789.0}) {
        level.SetReferenceValue(value);
        EXPECT_EQ(level.GetReferenceValue(), value);
    }
    QLocale::setDefault(saved);
}

INSTANTIATE_TEST_SUITE_P(EvalDataLevel, ReferenceValueLocales,
                         ::testing::Values(QLocale::English, QLocale::German, QLocale::French));

TEST(EvalDataLevel, ReferenceValueThatIsNotANumberIsATypeMismatch)
{
    for (const char *text : {"abc", "", "1,2,3"}) {
        cEvalData level;
        XmlNode element = rootOf(QString::fromUtf8(levelXml));
        element.selectSingleNode(QStringLiteral("ReferenceValue")).setText(QString::fromLatin1(text));
        level.SetEvalDataXML(element);
        expectError(13, QStringLiteral(" cEvalData.GetReferenceValue() "), [&] { level.GetReferenceValue(); });
    }
}

TEST(EvalDataLevel, CreateBuildsAFreshLevel)
{
    cEvalData level;
    level.Create();
    EXPECT_EQ(level.GetType(), 0);
    EXPECT_EQ(level.GetEvalCode(), QString());
    EXPECT_EQ(level.GetLanguage(), QString());
    EXPECT_EQ(level.GetReferenceValue(), 0.0);
    const XmlNode element = level.GetEvalDataXML();
    EXPECT_TRUE(element.parentNode().isNull());
    QStringList children;
    for (const XmlNode &child : element.childNodes())
        children << child.nodeName();
    EXPECT_EQ(children, QStringList({"Type", "Script", "Events", "ReferenceValue"}));
    const QList<cEvent> events = level.oEvents.GetEventsAsCollection();
    ASSERT_EQ(events.size(), 1);
    EXPECT_EQ(events[0].GetName(), QStringLiteral("OnReach"));
}

TEST(EvalDataLevel, NothingRaises91Everywhere)
{
    cEvalData level;
    EXPECT_TRUE(level.isNothing());
    expectError(91, QStringLiteral(" cEvalData.GetEvalCode() "), [&] { level.GetEvalCode(); });
    expectError(91, QStringLiteral(" cEvalData.SetType() "), [&] { level.SetType(1); });
    expectError(91, QStringLiteral(" cEvalData.GetReferenceValue() "), [&] { level.GetReferenceValue(); });
    expectError(91, QStringLiteral(" cEvents.GetEventsAsCollection() "), [&] { level.oEvents.GetEventsAsCollection(); });
}

} // namespace
