// A sensor's values, and the sensor read as a whole: a value the editor
// cannot take is refused with the element named, so every reader of a job
// says the same.
#include "model/csensor.h"
#include "model/sensorvalues.h"
#include "modeltest.h"

#include <QTemporaryDir>
#include <functional>

namespace {

class SensorTest : public ::testing::Test
{
protected:
    XmlNode element(const char *path) const { return root.selectSingleNode(QString::fromLatin1(path)); }

    cSensor sensor = sensorOf(sensorJobWith());
    XmlNode root = sensor.GetSensorXML();
};

TEST_F(SensorTest, ReadsEveryValueInLevelOrderAndWritesEachBackInItsPlace)
{
    SensorValues values = readSensorValues(sensor);
    EXPECT_EQ(values, (SensorValues{{{"Function Main()\nMain = 1\nEnd Function", "VBScript"}, true,
                                     {{{"d", "JScript"}, {"w", "VBScript"}, {"g", "VBScript"}}}},
                                    {90, 75.5, 0}, 1, 0, 1, 3, 2}));
    for (int code : {-1, 7}) {
        const Error error = raisedBy([&] { sensor.GetEvalData(code).GetReferenceValue(); });
        EXPECT_TRUE(error.description.endsWith(QStringLiteral("EvalData for Type %1").arg(code))) << code;
    }
    values = {{{"general", "JScript"}, false, {{{"D", "VBScript"}, {"W", "JScript"}, {"G", "JScript"}}}}, {1.5, 2.5, 3.5},
              0, 1, 0, 9, -1};
    writeSensorValues(sensor, values);
    EXPECT_EQ(readSensorValues(sensor), values);
    EXPECT_EQ(sensor.GetEvalData(LevelWarning).GetType(), LevelWarning);
}

TEST_F(SensorTest, LevelLookupComparesTheTypeTextExactly)
{
    element("EvaluationData/Values/EvalData[Type='1']/Type").setText(QStringLiteral("01"));
    cEvalData danger = sensor.GetEvalData(LevelDanger);
    EXPECT_TRUE(sensor.GetEvalData(LevelWarning).isNothing()) << "a Type of \"01\" is not level 1";
    EXPECT_TRUE(sensor.GetEvalData(7).isNothing());
    danger.SetEvalCode(QStringLiteral("changed"));
    EXPECT_EQ(sensor.GetEvalData(LevelDanger).GetEvalCode(), QStringLiteral("changed")) << "lookups share the element";
}

TEST_F(SensorTest, ValuesWriteAndIntegerTextsRead)
{
    sensor.SetEvalCode(QStringLiteral("x"));
    sensor.SetLanguage(QStringLiteral("JScript"));
    sensor.SetStatus(0);
    sensor.SetMarquee(1);
    sensor.SetNumeric(0);
    sensor.SetPersistenceQuantity(48);
    sensor.SetPersistenceUnitTime(0);
    sensor.SetEvaluation(0);
    EXPECT_EQ(element("Script").xml(), QStringLiteral("<Script><Language>JScript</Language><EvalCode>x</EvalCode></Script>"));
    EXPECT_EQ(element("Status").xml() + element("ViewInMarquee").xml() + element("Quantity").xml(),
              QStringLiteral("<Status>0</Status><ViewInMarquee>1</ViewInMarquee><Quantity>0</Quantity>"));
    EXPECT_EQ(element("DataPersistence").xml(),
              QStringLiteral("<DataPersistence><Quantity>48</Quantity><UnitTime>0</UnitTime></DataPersistence>"));
    EXPECT_EQ(element("EvaluationData/Evaluation").text(), QStringLiteral("0"));

    const std::tuple<const char *, const char *, int, int (cSensor::*)() const> rows[] = {
        {"Status", "active", 0, &cSensor::GetStatus},
        {"Status", "2.5", 2, &cSensor::GetStatus},
        {"DataPersistence/Quantity", "", 1, &cSensor::GetPersistenceQuantity},
        {"DataPersistence/UnitTime", "days", 0, &cSensor::GetPersistenceUnitTime},
        {"EvaluationData/Evaluation", "5", 5, &cSensor::GetEvaluation},
    };
    for (const auto &[path, text, expected, get] : rows) {
        element(path).setText(QString::fromLatin1(text));
        EXPECT_EQ((sensor.*get)(), expected) << path << " '" << text << "'";
    }
    element("Status").setText(QStringLiteral("99999999999"));
    expectError(6, [&] { sensor.GetStatus(); }, QStringLiteral(" cSensor.GetStatus() "));
}

// A missing DataPersistence is added to the live document; an empty one reads as 1 and adds nothing.
TEST(SensorAttach, DataPersistenceIsAddedOnlyWhenMissing)
{
    const XmlNode document = XmlNode::parse(QStringLiteral("<FreeDefinition><Sensor><Status>1</Status></Sensor></FreeDefinition>"));
    cSensor sensor;
    for (int round = 0; round < 2; ++round)
        sensor.SetSensorXML(document.selectSingleNode(QStringLiteral("FreeDefinition/Sensor")));
    EXPECT_EQ(sensor.GetPersistenceQuantity(), 1);
    EXPECT_EQ(document.xml(), QStringLiteral("<FreeDefinition><Sensor><Status>1</Status><DataPersistence>"
                                             "<Quantity>1</Quantity><UnitTime>0</UnitTime></DataPersistence>"
                                             "</Sensor></FreeDefinition>"));
    const XmlNode root = rootOf(QStringLiteral("<Sensor><DataPersistence><Quantity/><UnitTime>3</UnitTime></DataPersistence></Sensor>"));
    const QString before = root.xml();
    sensor.SetSensorXML(root);
    EXPECT_EQ(sensor.GetPersistenceQuantity(), 1);
    EXPECT_EQ(root.xml(), before);
}

// A level is replaced by a copy where it stood; a missing one is appended.
TEST_F(SensorTest, UpdateEvalDataAndSetPropertiesCopy)
{
    XmlNode copy = sensor.GetEvalData(LevelDanger).GetEvalDataXML().cloneNode(true);
    copy.selectSingleNode(QStringLiteral("Script/EvalCode")).setText(QStringLiteral("edited"));
    XmlNode values = element("EvaluationData/Values");
    const qsizetype at = values.childNodes().indexOf(element("EvaluationData/Values/EvalData[Type='2']"));
    ASSERT_LT(at + 1, values.childNodes().size()) << "a level that is not the last one";
    sensor.UpdateEvalData(LevelDanger, copy);
    EXPECT_EQ(values.selectNodes(QStringLiteral("EvalData[Type='2']")).size(), 1);
    const XmlNode replaced = values.childNodes().at(at);
    EXPECT_EQ(replaced.selectSingleNode(QStringLiteral("Script/EvalCode")).text(), QStringLiteral("edited"));
    EXPECT_NE(replaced, copy);
    values.removeChild(element("EvaluationData/Values/EvalData[Type='1']"));
    copy.selectSingleNode(QStringLiteral("Type")).setText(QStringLiteral("1"));
    sensor.UpdateEvalData(LevelWarning, copy);
    EXPECT_EQ(values.selectNodes(QStringLiteral("EvalData")).size(), 3);
    EXPECT_EQ(sensor.GetEvalData(LevelWarning).GetEvalCode(), QStringLiteral("edited"));

    const XmlNode properties = XmlNode::parse(QStringLiteral("<Job><Properties><Name>A</Name></Properties></Job>"))
                                   .selectSingleNode(QStringLiteral("Job/Properties"));
    sensor.SetProperties(properties);
    root.appendChild(root.createElement(QStringLiteral("After")));
    sensor.SetProperties(properties);
    EXPECT_EQ(properties.parentNode().nodeName(), QStringLiteral("Job"));
    EXPECT_EQ(root.selectNodes(QStringLiteral("Properties")).size(), 1);
    EXPECT_EQ(root.lastChild().previousSibling().nodeName(), QStringLiteral("Properties")) << "where it stood";
    EXPECT_EQ(sensor.GetProperties().text(), QStringLiteral("A"));
}

TEST(SensorCreate, BuildsFromThePatternWithTheDefaultScript)
{
    QString backslashed = QStringLiteral("C:") + QStringLiteral(VT_DATA_DIR);
    backslashed.replace(QLatin1Char('/'), QLatin1Char('\\'));
    for (const QString &folder : {QStringLiteral(VT_DATA_DIR), backslashed}) {
        cSensor sensor;
        sensor.Create(folder);
        EXPECT_EQ(sensor.GetEvalCode(), defaultSensorScript());
        EXPECT_EQ(sensor.GetLanguage(), QStringLiteral("VBScript"));
        EXPECT_TRUE(sensor.GetSensorXML().parentNode().isNull()) << "a free copy until the job is saved";
        for (int level : {LevelDanger, LevelWarning, LevelGood})
            EXPECT_EQ(sensor.GetEvalData(level).oEvents.GetEventsAsCollection().size(), 1) << "the default event";
    }
    QTemporaryDir empty;
    cSensor sensor;
    expectError(53, [&] { sensor.Create(empty.path()); },
                QStringLiteral(" General.GetPattern()  General.GetPattern()  cSensor.Create() "));
    EXPECT_TRUE(sensor.isNothing());
}

TEST(SensorMissing, AbsentElementsRaise91)
{
    cSensor sensor;
    expectError(91, [&] { sensor.SetSensorXML(XmlNode()); }, QStringLiteral(" cSensor.SetSensorXML() "));
    expectError(91, [&] { sensor.GetEvalCode(); }, QStringLiteral(" cSensor.GetEvalCode() "));
    sensor.SetSensorXML(rootOf(QStringLiteral("<Sensor><DataPersistence/></Sensor>")));
    const std::pair<const char *, std::function<void()>> calls[] = {
        {" cSensor.GetStatus() ", [&] { sensor.GetStatus(); }},
        {" cSensor.GetEvalCode() ", [&] { sensor.GetEvalCode(); }},
        {" cSensor.SetLanguage() ", [&] { sensor.SetLanguage(QStringLiteral("VBScript")); }},
        {" cSensor.GetPersistenceQuantity() ", [&] { sensor.GetPersistenceQuantity(); }},
        {" cSensor.UpdateEvalData() ", [&] { sensor.UpdateEvalData(1, rootOf(QStringLiteral("<EvalData/>"))); }},
    };
    for (const auto &[trail, call] : calls)
        expectError(91, call, QString::fromLatin1(trail));
    EXPECT_TRUE(sensor.GetEvalData(LevelDanger).isNothing());
    EXPECT_TRUE(sensor.GetProperties().isNull());
}

TEST(SensorReading, RefusesNamingTheElement)
{
    const std::tuple<const char *, const char *, long, const char *> rows[] = {
        {"<ReferenceValue>90<", "<ReferenceValue>ten<", 13,
         "Type mismatch: JobDefinition/FreeDefinition/Sensor/EvaluationData/Values/EvalData[Type='2']/ReferenceValue "
         "\"ten\" is not a number"},
        {"<Quantity>1</Quantity>", "<Quantity>1e20</Quantity>", 6,
         "Overflow: JobDefinition/FreeDefinition/Sensor/Quantity \"1e20\" is outside the 32-bit range"},
        {"<Type>2</Type>", "<Type>5</Type>", 91,
         "JobDefinition/FreeDefinition/Sensor/EvaluationData/Values has no EvalData for Danger"},
        {"<ViewInMarquee>0</ViewInMarquee>", "", 91, "JobDefinition/FreeDefinition/Sensor has no ViewInMarquee"},
        {"<UnitTime>2<", "<UnitTime>7<", 380,
         "Invalid property value: JobDefinition/FreeDefinition/Sensor/DataPersistence/UnitTime 7 is not a unit (0 to 3)"},
    };
    for (const auto &[from, to, number, description] : rows) {
        const cSensor sensor = sensorOf(sensorJobWith(QString::fromUtf8(from), QString::fromUtf8(to)));
        const Error error = raisedBy([&] { readSensorValues(sensor); });
        EXPECT_EQ(error.number, number) << from;
        EXPECT_EQ(error.description.toStdString(), description);
    }
}

} // namespace
