#include "model/csensor.h"
#include "modeltest.h"
#include "testsupport.h"

#include <QTemporaryDir>

namespace {

const char *const sensorXml = R"(<Sensor>
  <Script><Language><![CDATA[VBScript]]></Language><EvalCode></EvalCode></Script>
  <Status>1</Status><ViewInMarquee>0</ViewInMarquee><Quantity>1</Quantity>
  <DataPersistence><Quantity>3</Quantity><UnitTime>2</UnitTime></DataPersistence>
  <EvaluationData><Evaluation>1</Evaluation><Values>
    <EvalData><Type>2</Type><Script><Language>VBScript</Language><EvalCode>danger</EvalCode></Script><Events/><ReferenceValue>90</ReferenceValue></EvalData>
    <EvalData><Type>02</Type><Script><Language>VBScript</Language><EvalCode>padded</EvalCode></Script><Events/><ReferenceValue>0</ReferenceValue></EvalData>
    <EvalData><Type>0</Type><Script><Language>JScript</Language><EvalCode>good</EvalCode></Script><Events/><ReferenceValue>0</ReferenceValue></EvalData>
  </Values></EvaluationData>
</Sensor>)";

class SensorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        root = rootOf(QString::fromUtf8(sensorXml));
        sensor.SetSensorXML(root);
    }
    XmlNode root;
    cSensor sensor;
};

TEST_F(SensorTest, LevelLookupComparesTheTypeTextExactly)
{
    const cEvalData danger = sensor.GetEvalData(LevelDanger);
    ASSERT_FALSE(danger.isNothing());
    EXPECT_EQ(danger.GetEvalCode(), QStringLiteral("danger"));
    EXPECT_TRUE(sensor.GetEvalData(LevelWarning).isNothing()) << "a Type of \"02\" is not level 1 or 2";
    EXPECT_EQ(sensor.GetEvalData(LevelGood).GetLanguage(), QStringLiteral("JScript"));
    EXPECT_TRUE(sensor.GetEvalData(7).isNothing());
}

TEST_F(SensorTest, TwoLookupsShareTheElement)
{
    cEvalData first = sensor.GetEvalData(LevelDanger);
    const cEvalData second = sensor.GetEvalData(LevelDanger);
    first.SetEvalCode(QStringLiteral("changed"));
    EXPECT_EQ(second.GetEvalCode(), QStringLiteral("changed"));
    EXPECT_EQ(first.GetEvalDataXML(), second.GetEvalDataXML());
}

TEST_F(SensorTest, GeneralScriptWrittenAsCDataText)
{
    sensor.SetEvalCode(QStringLiteral("Function Main()\r\n\tMain = 42\r\nEnd Function"));
    const XmlNode evalCode = root.selectSingleNode(QStringLiteral("Script/EvalCode"));
    ASSERT_EQ(evalCode.childNodes().size(), 1);
    EXPECT_EQ(evalCode.firstChild().nodeType(), int(XmlNode::CDATASection));
    sensor.SetEvalCode(QStringLiteral("x"));
    EXPECT_EQ(evalCode.childNodes().size(), 1);
    EXPECT_EQ(sensor.GetEvalCode(), QStringLiteral("x"));
    sensor.SetLanguage(QStringLiteral("JScript"));
    EXPECT_EQ(sensor.GetLanguage(), QStringLiteral("JScript"));
}

TEST_F(SensorTest, OptionsReadAndWrite)
{
    EXPECT_EQ(sensor.GetStatus(), 1);
    EXPECT_EQ(sensor.GetMarquee(), 0);
    EXPECT_EQ(sensor.GetNumeric(), 1);
    EXPECT_EQ(sensor.GetPersistenceQuantity(), 3);
    EXPECT_EQ(sensor.GetPersistenceUnitTime(), 2);
    EXPECT_EQ(sensor.GetEvaluation(), 1);
    sensor.SetStatus(0);
    sensor.SetMarquee(1);
    sensor.SetNumeric(0);
    sensor.SetPersistenceQuantity(48);
    sensor.SetPersistenceUnitTime(0);
    sensor.SetEvaluation(0);
    EXPECT_EQ(root.selectSingleNode(QStringLiteral("Status")).xml(), QStringLiteral("<Status>0</Status>"));
    EXPECT_EQ(root.selectSingleNode(QStringLiteral("DataPersistence")).xml(),
              QStringLiteral("<DataPersistence><Quantity>48</Quantity><UnitTime>0</UnitTime></DataPersistence>"));
    EXPECT_EQ(sensor.GetMarquee(), 1);
    EXPECT_EQ(sensor.GetNumeric(), 0);
    EXPECT_EQ(sensor.GetEvaluation(), 0);
}

struct IntegerRow
{
    const char *name;
    const char *element;   // path below Sensor
    const char *text;
    int expected;
};

class IntegerEncoding : public ::testing::TestWithParam<IntegerRow> {};

TEST_P(IntegerEncoding, ReadsTextAsInteger)
{
    const IntegerRow &row = GetParam();
    XmlNode root = rootOf(QString::fromUtf8(sensorXml));
    root.selectSingleNode(QString::fromLatin1(row.element)).setText(QString::fromUtf8(row.text));
    cSensor sensor;
    sensor.SetSensorXML(root);
    const QString element = QString::fromLatin1(row.element);
    const int value = element == QLatin1String("Status") ? sensor.GetStatus()
        : element == QLatin1String("DataPersistence/Quantity") ? sensor.GetPersistenceQuantity()
        : element == QLatin1String("DataPersistence/UnitTime") ? sensor.GetPersistenceUnitTime()
        : sensor.GetEvaluation();
    EXPECT_EQ(value, row.expected);
}

INSTANTIATE_TEST_SUITE_P(Sensor, IntegerEncoding, ::testing::Values(
    IntegerRow{"WordIsDefault", "Status", "active", 0},
    IntegerRow{"EmptyIsDefault", "Status", "", 0},
    IntegerRow{"HalfDownToEven", "Status", "2.5", 2},
    IntegerRow{"HalfUpToEven", "Status", "3.5", 4},
    IntegerRow{"Blanks", "Status", " 7 ", 7},
    IntegerRow{"Negative", "Status", "-1", -1},
    IntegerRow{"Exponent", "Status", "1e3", 1000},
    IntegerRow{"EmptyPersistenceIsOne", "DataPersistence/Quantity", "", 1},
    IntegerRow{"WordPersistenceIsOne", "DataPersistence/Quantity", "many", 1},
    IntegerRow{"UnitWordIsZero", "DataPersistence/UnitTime", "days", 0},
    IntegerRow{"AnyNonZeroEvaluation", "EvaluationData/Evaluation", "5", 5}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(SensorInteger, HugeNumberOverflows)
{
    XmlNode root = rootOf(QString::fromUtf8(sensorXml));
    root.selectSingleNode(QStringLiteral("Status")).setText(QStringLiteral("99999999999"));
    cSensor sensor;
    sensor.SetSensorXML(root);
    expectError(6, QStringLiteral(" cSensor.GetStatus() "), [&] { sensor.GetStatus(); });
}

TEST(SensorAttach, MissingDataPersistenceIsAddedToTheLiveDocument)
{
    const XmlNode document = XmlNode::parse(QStringLiteral("<FreeDefinition><Sensor><Status>1</Status></Sensor></FreeDefinition>"));
    cSensor sensor;
    sensor.SetSensorXML(document.selectSingleNode(QStringLiteral("FreeDefinition/Sensor")));
    EXPECT_EQ(sensor.GetPersistenceQuantity(), 1);
    EXPECT_EQ(sensor.GetPersistenceUnitTime(), 0);
    EXPECT_EQ(document.xml(), QStringLiteral("<FreeDefinition><Sensor><Status>1</Status><DataPersistence>"
                                             "<Quantity>1</Quantity><UnitTime>0</UnitTime></DataPersistence>"
                                             "</Sensor></FreeDefinition>"));
    sensor.SetSensorXML(document.selectSingleNode(QStringLiteral("FreeDefinition/Sensor")));
    EXPECT_EQ(document.selectNodes(QStringLiteral("FreeDefinition/Sensor/DataPersistence")).size(), 1);
}

TEST(SensorAttach, EmptyQuantityReadsOneAndNothingIsAdded)
{
    XmlNode root = rootOf(QStringLiteral("<Sensor><DataPersistence><Quantity/><UnitTime>3</UnitTime></DataPersistence></Sensor>"));
    const QString before = root.xml();
    cSensor sensor;
    sensor.SetSensorXML(root);
    EXPECT_EQ(sensor.GetPersistenceQuantity(), 1);
    EXPECT_EQ(sensor.GetPersistenceUnitTime(), 3);
    EXPECT_EQ(root.xml(), before);
}

TEST(SensorAttach, NothingRaises91)
{
    cSensor sensor;
    expectError(91, QStringLiteral(" cSensor.SetSensorXML() "), [&] { sensor.SetSensorXML(XmlNode()); });
}

TEST_F(SensorTest, UpdateEvalDataReplacesTheLevelAndAppendsItLast)
{
    XmlNode copy = sensor.GetEvalData(LevelDanger).GetEvalDataXML().cloneNode(true);
    copy.selectSingleNode(QStringLiteral("Script/EvalCode")).setText(QStringLiteral("edited"));
    sensor.UpdateEvalData(LevelDanger, copy);
    const XmlNode values = root.selectSingleNode(QStringLiteral("EvaluationData/Values"));
    EXPECT_EQ(values.selectNodes(QStringLiteral("EvalData[Type='2']")).size(), 1);
    EXPECT_EQ(values.lastChild().selectSingleNode(QStringLiteral("Script/EvalCode")).text(), QStringLiteral("edited"));
    EXPECT_NE(values.lastChild(), copy) << "a copy goes into the sensor";
}

TEST_F(SensorTest, UpdateEvalDataForAMissingLevelOnlyAppends)
{
    const int before = root.selectNodes(QStringLiteral("EvaluationData/Values/EvalData")).size();
    XmlNode warning = rootOf(QStringLiteral("<EvalData><Type>1</Type><Script><Language/><EvalCode/></Script><Events/><ReferenceValue>0</ReferenceValue></EvalData>"));
    sensor.UpdateEvalData(LevelWarning, warning);
    EXPECT_EQ(root.selectNodes(QStringLiteral("EvaluationData/Values/EvalData")).size(), before + 1);
    EXPECT_FALSE(sensor.GetEvalData(LevelWarning).isNothing());
}

TEST_F(SensorTest, SetPropertiesCopiesAndLeavesTheCallersNode)
{
    const XmlNode document = XmlNode::parse(QStringLiteral("<Job><Properties><Name>A</Name></Properties></Job>"));
    const XmlNode properties = document.selectSingleNode(QStringLiteral("Job/Properties"));
    sensor.SetProperties(properties);
    sensor.SetProperties(properties);
    EXPECT_EQ(properties.parentNode().nodeName(), QStringLiteral("Job"));
    EXPECT_EQ(root.selectNodes(QStringLiteral("Properties")).size(), 1);
    EXPECT_EQ(root.lastChild().nodeName(), QStringLiteral("Properties"));
    EXPECT_EQ(sensor.GetProperties().text(), QStringLiteral("A"));
}

TEST(SensorCreate, BuildsFromThePatternWithTheDefaultScript)
{
    cSensor sensor;
    sensor.Create(QStringLiteral(VT_DATA_DIR));
    EXPECT_EQ(sensor.GetEvalCode(), QStringLiteral("Function Main()\r\n\tMain=True\r\nEnd Function"));
    EXPECT_EQ(sensor.GetLanguage(), QStringLiteral("VBScript"));
    EXPECT_EQ(sensor.GetSensorXML().nodeName(), QStringLiteral("Sensor"));
    EXPECT_TRUE(sensor.GetSensorXML().parentNode().isNull()) << "a free copy until the job is saved";
    for (int level : {LevelDanger, LevelWarning, LevelGood}) {
        const cEvalData data = sensor.GetEvalData(level);
        ASSERT_FALSE(data.isNothing()) << level;
        EXPECT_EQ(data.GetType(), level);
        EXPECT_EQ(data.oEvents.GetEventsAsCollection().size(), 1) << "the default event of an empty Events";
    }
}

TEST(SensorCreate, FolderWithBackslashesLoadsTheSameFile)
{
    QString folder = QStringLiteral("C:") + QStringLiteral(VT_DATA_DIR);
    folder.replace(QLatin1Char('/'), QLatin1Char('\\'));
    cSensor sensor;
    sensor.Create(folder);
    EXPECT_EQ(sensor.GetLanguage(), QStringLiteral("VBScript"));
}

TEST(SensorCreate, MissingPatternLeavesTheObjectUnbound)
{
    QTemporaryDir empty;
    cSensor sensor;
    expectError(53, QStringLiteral(" General.GetPattern()  General.GetPattern()  cSensor.Create() "),
                [&] { sensor.Create(empty.path()); });
    EXPECT_TRUE(sensor.isNothing());
    expectError(91, QStringLiteral(" cSensor.GetEvalCode() "), [&] { sensor.GetEvalCode(); });
}

TEST(SensorMissing, AbsentElementsRaise91)
{
    cSensor sensor;
    sensor.SetSensorXML(rootOf(QStringLiteral("<Sensor><DataPersistence/></Sensor>")));
    expectError(91, QStringLiteral(" cSensor.GetStatus() "), [&] { sensor.GetStatus(); });
    expectError(91, QStringLiteral(" cSensor.GetEvalCode() "), [&] { sensor.GetEvalCode(); });
    expectError(91, QStringLiteral(" cSensor.SetLanguage() "), [&] { sensor.SetLanguage(QStringLiteral("VBScript")); });
    expectError(91, QStringLiteral(" cSensor.GetPersistenceQuantity() "), [&] { sensor.GetPersistenceQuantity(); });
    expectError(91, QStringLiteral(" cSensor.UpdateEvalData() "), [&] { sensor.UpdateEvalData(1, rootOf(QStringLiteral("<EvalData/>"))); });
    EXPECT_TRUE(sensor.GetEvalData(LevelDanger).isNothing());
    EXPECT_TRUE(sensor.GetProperties().isNull());
}

} // namespace
