#include "model/savingchanges.h"
#include "modeltest.h"

namespace {

const char *const jobXml = R"(<JobDefinition>
  <Definition><Type>SENSOR</Type><SubType>SCRIPT</SubType><ExecutionEngine>SENSOR</ExecutionEngine></Definition>
  <FreeDefinition><Sensor>
    <Script><Language>VBScript</Language><EvalCode>Function Main()
Main = 1
End Function</EvalCode></Script>
    <Status>1</Status><ViewInMarquee>0</ViewInMarquee><Quantity>1</Quantity>
    <DataPersistence><Quantity>3</Quantity><UnitTime>2</UnitTime></DataPersistence>
    <EvaluationData><Evaluation>1</Evaluation><Values>
      <EvalData><Type>2</Type><Script><Language>JScript</Language><EvalCode>d</EvalCode></Script><Events/><ReferenceValue>90</ReferenceValue></EvalData>
      <EvalData><Type>1</Type><Script><Language>VBScript</Language><EvalCode>w</EvalCode></Script><Events/><ReferenceValue>75.5</ReferenceValue></EvalData>
      <EvalData><Type>0</Type><Script><Language>VBScript</Language><EvalCode>g</EvalCode></Script><Events/><ReferenceValue>0</ReferenceValue></EvalData>
    </Values></EvaluationData>
  </Sensor></FreeDefinition>
</JobDefinition>)";

const QString sensorPath = QStringLiteral("JobDefinition/FreeDefinition/Sensor/");

struct ChangeRow
{
    const char *name;
    const char *from;        // replaced in the job text (empty: the text as it is)
    const char *to;
    QStringList expected;    // each prefixed by sensorPath when it starts with "~"
};

class SavingChanges : public ::testing::TestWithParam<ChangeRow>
{
};

TEST_P(SavingChanges, ListsWhatASaveChanges)
{
    QString text = QString::fromUtf8(jobXml);
    if (*GetParam().from)
        text.replace(QString::fromUtf8(GetParam().from), QString::fromUtf8(GetParam().to));
    QStringList expected;
    for (const QString &line : GetParam().expected)
        expected << (line.startsWith(QLatin1Char('~')) ? sensorPath + line.mid(1) : line);
    EXPECT_EQ(savingChanges(text).join(QLatin1Char('\n')).toStdString(), expected.join(QLatin1Char('\n')).toStdString());
}

const QString danger = QStringLiteral("~EvaluationData/Values/EvalData[Type='2']/");

const ChangeRow changeRows[] = {
    {"NothingToSay", "", "", {}},
    {"OtherLanguage", "<Language>VBScript</Language><EvalCode>Function", "<Language>PerlScript</Language><EvalCode>Function",
     {QStringLiteral("~Script/Language \"PerlScript\" will be saved as VBScript")}},
    {"LevelLanguageInOtherCase", "<Language>JScript</Language>", "<Language>jscript</Language>",
     {danger + QStringLiteral("Script/Language \"jscript\" will be saved as VBScript")}},
    {"EvaluationInWords", "<Evaluation>1</Evaluation>", "<Evaluation>yes</Evaluation>",
     {QStringLiteral("~EvaluationData/Evaluation \"yes\" is not a number and will be saved as 0")}},
    {"QuantityInWords", "<Quantity>1</Quantity>", "<Quantity>ten</Quantity>",
     {QStringLiteral("~Quantity \"ten\" is not a number and will be saved as 0")}},
    {"SwitchAboveOne", "<Status>1</Status>", "<Status>2</Status>",
     {QStringLiteral("~Status \"2\" will be saved as 1")}},
    {"FractionOfUnits", "<Quantity>3</Quantity>", "<Quantity>2.5</Quantity>",
     {QStringLiteral("~DataPersistence/Quantity \"2.5\" will be saved as 2")}},
    {"ReferenceBeyondFifteenDigits", "<ReferenceValue>90</ReferenceValue>",
     "<ReferenceValue>0.12345678901234567</ReferenceValue>",
     {danger + QStringLiteral("ReferenceValue \"0.12345678901234567\" will be saved as 0.123456789012346")}},
    {"EmptyScript", "Function Main()\nMain = 1\nEnd Function", "  ",
     {QStringLiteral("~Script/EvalCode is empty and will be saved as the default script")}},
    {"OtherKind", "<Type>SENSOR</Type>", "<Type>BACKUP</Type>",
     {QStringLiteral("JobDefinition/Definition/Type \"BACKUP\" will be saved as SENSOR")}},
    {"SecondSensor", "</Sensor></FreeDefinition>", "</Sensor><Sensor/><Note>x</Note></FreeDefinition>",
     {QStringLiteral("JobDefinition/FreeDefinition holds another Sensor, which will be dropped"),
      QStringLiteral("JobDefinition/FreeDefinition/Note will be dropped")}},
    // A save keeps the document type and the references it leaves unresolved.
    {"DocumentTypeAndEntityKept", "<JobDefinition>\n  <Definition>",
     "<!DOCTYPE JobDefinition SYSTEM \"job.dtd\"><JobDefinition>\n  <Definition>&site;", {}},
    // Values that make the editor refuse the job are that error's business.
    {"RefusedValuesAreNotListed", "<ReferenceValue>90</ReferenceValue><", "<ReferenceValue>ten</ReferenceValue><", {}},
};

INSTANTIATE_TEST_SUITE_P(Model, SavingChanges, ::testing::ValuesIn(changeRows),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
