// A sensor read as a whole: a value the editor cannot take is refused with
// the element named, so every reader of a job says the same.
#include "model/sensorreading.h"
#include "modeltest.h"

namespace {

const char *const jobXml = R"(<JobDefinition><FreeDefinition><Sensor>
  <Script><Language>VBScript</Language><EvalCode>general</EvalCode></Script>
  <Status>1</Status><ViewInMarquee>0</ViewInMarquee><Quantity>1</Quantity>
  <DataPersistence><Quantity>3</Quantity><UnitTime>2</UnitTime></DataPersistence>
  <EvaluationData><Evaluation>1</Evaluation><Values>
    <EvalData><Type>2</Type><Script><Language>JScript</Language><EvalCode>d</EvalCode></Script><Events/><ReferenceValue>90</ReferenceValue></EvalData>
    <EvalData><Type>1</Type><Script><Language>VBScript</Language><EvalCode>w</EvalCode></Script><Events/><ReferenceValue>75.5</ReferenceValue></EvalData>
    <EvalData><Type>0</Type><Script><Language>VBScript</Language><EvalCode>g</EvalCode></Script><Events/><ReferenceValue>0</ReferenceValue></EvalData>
  </Values></EvaluationData>
</Sensor></FreeDefinition></JobDefinition>)";

SensorValues read(const QString &from, const QString &to)
{
    const XmlNode document = XmlNode::parse(QString::fromUtf8(jobXml).replace(from, to));
    cSensor sensor;
    sensor.SetSensorXML(document.selectSingleNode(QStringLiteral("JobDefinition/FreeDefinition/Sensor")));
    return readSensorValues(sensor);
}

TEST(SensorReading, ReadsEveryValueInLevelOrder)
{
    const SensorValues values = read(QString(), QString());
    EXPECT_EQ(values.script, QStringLiteral("general"));
    EXPECT_EQ(values.persistenceUnit, 2);
    EXPECT_EQ(values.evaluation, 1);
    EXPECT_EQ(values.levels[0].level, LevelDanger);
    EXPECT_EQ(values.levels[0].language, QStringLiteral("JScript"));
    EXPECT_EQ(values.levels[1].reference, 75.5);
    EXPECT_EQ(values.levels[2].script, QStringLiteral("g"));
}

TEST(SensorReading, LevelCodeOutsideTheThreeIsNamedByNumber)
{
    cSensor sensor;
    sensor.SetSensorXML(XmlNode::parse(QString::fromUtf8(jobXml)).selectSingleNode(QStringLiteral("JobDefinition/FreeDefinition/Sensor")));
    for (int code : {-1, 7}) {
        try {
            sensor.GetEvalData(code).GetReferenceValue();
            ADD_FAILURE() << code;
        } catch (const Error &error) {
            EXPECT_TRUE(error.description.endsWith(QStringLiteral("EvalData for Type %1").arg(code))) << error.description.toStdString();
        }
    }
}

struct RefusedRow
{
    const char *name;
    const char *from;
    const char *to;
    long number;
    const char *description;
};

class SensorReadingRefuses : public ::testing::TestWithParam<RefusedRow>
{
};

TEST_P(SensorReadingRefuses, NamingTheElement)
{
    const RefusedRow &row = GetParam();
    try {
        read(QString::fromUtf8(row.from), QString::fromUtf8(row.to));
        ADD_FAILURE() << "no error";
    } catch (const Error &error) {
        EXPECT_EQ(error.number, row.number);
        EXPECT_EQ(error.description.toStdString(), row.description);
    }
}

const RefusedRow refusedRows[] = {
    {"ReferenceInWords", "<ReferenceValue>90<", "<ReferenceValue>ten<", 13,
     "Type mismatch: JobDefinition/FreeDefinition/Sensor/EvaluationData/Values/EvalData[Type='2']/ReferenceValue "
     "\"ten\" is not a number"},
    {"QuantityBeyond32Bits", "<Quantity>1</Quantity>", "<Quantity>1e20</Quantity>", 6,
     "Overflow: JobDefinition/FreeDefinition/Sensor/Quantity \"1e20\" is outside the 32-bit range"},
    {"MissingLevel", "<Type>2</Type>", "<Type>5</Type>", 91,
     "JobDefinition/FreeDefinition/Sensor/EvaluationData/Values has no EvalData for Danger"},
    {"MissingPart", "<ViewInMarquee>0</ViewInMarquee>", "", 91,
     "JobDefinition/FreeDefinition/Sensor has no ViewInMarquee"},
    {"UnitOutOfRange", "<UnitTime>2<", "<UnitTime>7<", 380,
     "Invalid property value: JobDefinition/FreeDefinition/Sensor/DataPersistence/UnitTime 7 is not a unit (0 to 3)"},
};

INSTANTIATE_TEST_SUITE_P(Model, SensorReadingRefuses, ::testing::ValuesIn(refusedRows),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
