// The host's whole sequence on each example job: init, path, data, show,
// edits in the controls, validate, get data; the returned text read back
// through the model.
#include "editorhost.h"

#include "host/colorizer.h"
#include "hostkit/documentjobdata.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

struct JobCase
{
    const char *name;
    const char *file;
    bool existing;
};

class HostSequence : public ::testing::TestWithParam<JobCase>
{
};

TEST_P(HostSequence, EditsInTheControlsReachTheReturnedJob)
{
    EditorHost host;
    host.openExample(QLatin1String(GetParam().file));
    UCScript &editor = *host.editor;
    const EditorControls &controls = host.controls;

    // Edits as a user makes them.
    const bool activeBefore = controls.chkActive->isChecked();
    QTest::mouseClick(controls.chkActive, Qt::LeftButton, {}, QPoint(4, controls.chkActive->height() / 2));
    controls.pvDataPersistence->setText(QStringLiteral("5"));
    controls.cmbDataPersistence->setCurrentIndex(3);
    controls.rtfScript->setPlainText(QStringLiteral("Function Main()\n\tMain = 42\nEnd Function"));
    controls.cmbLanguageScript->setCurrentIndex(0);
    controls.rtfScriptWarning->setPlainText(QStringLiteral("Function Main(v)\n\tMain = (v > 7)\nEnd Function"));
    controls.cmbLanguageScriptWarning->setCurrentIndex(1);
    controls.pvWarningRef->setText(QLocale().toString(7.5));
    const bool wasActive = controls.chkActive->isChecked();
    EXPECT_NE(wasActive, activeBefore);

    ASSERT_TRUE(editor.Engine_Validate());
    EXPECT_TRUE(host.capture.boxes.isEmpty());
    const ReturnedJob returned(editor.Engine_GetData());

    EXPECT_EQ(returned.job.GetType(), QStringLiteral("SENSOR"));
    EXPECT_EQ(returned.job.GetSubType(), QStringLiteral("SCRIPT"));
    EXPECT_EQ(returned.job.GetExecutionEngine(), QStringLiteral("SENSOR"));
    EXPECT_EQ(returned.sensor.GetStatus(), wasActive ? 1 : 0);
    EXPECT_EQ(returned.sensor.GetPersistenceQuantity(), 5);
    EXPECT_EQ(returned.sensor.GetPersistenceUnitTime(), 3);
    // A pane gives its script back with the line breaks of the script it was given.
    EXPECT_EQ(returned.sensor.GetEvalCode().replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
              QStringLiteral("Function Main()\n\tMain = 42\nEnd Function"));
    EXPECT_EQ(returned.sensor.GetLanguage(), QStringLiteral("VBScript"));
    const cEvalData warning = returned.sensor.GetEvalData(LevelWarning);
    EXPECT_EQ(warning.GetEvalCode(), QStringLiteral("Function Main(v)\n\tMain = (v > 7)\nEnd Function"));
    EXPECT_EQ(warning.GetLanguage(), QStringLiteral("JScript"));
    EXPECT_DOUBLE_EQ(warning.GetReferenceValue(), 7.5);
    EXPECT_FALSE(returned.job.GetProperties().isNull());
    EXPECT_FALSE(returned.job.GetSchedule().isNull());
}

TEST_P(HostSequence, AnUneditedJobComesBackWithItsOwnValues)
{
    EditorHost host;
    const QString text = readTextFile(sourcePath(QStringLiteral("examples/jobs/") + QLatin1String(GetParam().file)));
    host.open(text);
    ASSERT_TRUE(host.editor->Engine_Validate());
    const ReturnedJob returned(host.editor->Engine_GetData());

    if (GetParam().existing) {
        // The sensor as the file has it, levels included.
        XmlNode original = XmlNode::parse(text);
        cJob job;
        job.SetJobNodeXML(original.selectSingleNode(QStringLiteral("JobDefinition")));
        cSensor sensor;
        sensor.SetSensorXML(job.GetFreeDefinition().selectSingleNode(QStringLiteral("Sensor")));
        EXPECT_EQ(returned.sensor.GetEvalCode(), sensor.GetEvalCode());
        EXPECT_EQ(returned.sensor.GetLanguage(), sensor.GetLanguage());
        EXPECT_EQ(returned.sensor.GetEvaluation(), sensor.GetEvaluation());
        EXPECT_EQ(returned.sensor.GetPersistenceUnitTime(), sensor.GetPersistenceUnitTime());
        for (int level : {LevelDanger, LevelWarning, LevelGood}) {
            EXPECT_EQ(returned.sensor.GetEvalData(level).GetEvalCode(), sensor.GetEvalData(level).GetEvalCode());
            EXPECT_EQ(returned.sensor.GetEvalData(level).GetLanguage(), sensor.GetEvalData(level).GetLanguage());
            EXPECT_DOUBLE_EQ(returned.sensor.GetEvalData(level).GetReferenceValue(),
                             sensor.GetEvalData(level).GetReferenceValue());
        }
        EXPECT_EQ(returned.job.GetDefaultDescription(), job.GetDefaultDescription());
    } else {
        // A new job: the sensor of the pattern file, the host's default sections.
        cSensor pattern;
        pattern.Create(sourcePath(QStringLiteral("data")));
        EXPECT_EQ(returned.sensor.GetEvalCode(), defaultSensorScript());
        EXPECT_EQ(returned.sensor.GetPersistenceQuantity(), pattern.GetPersistenceQuantity());
        EXPECT_EQ(returned.sensor.GetEvalData(LevelDanger).GetEvalCode(),
                  pattern.GetEvalData(LevelDanger).GetEvalCode());
        EXPECT_FALSE(returned.sensor.GetProperties().isNull());
        EXPECT_EQ(returned.sensor.GetProperties().xml(), returned.job.GetProperties().xml());
    }
}

INSTANTIATE_TEST_SUITE_P(ExampleJobs, HostSequence,
                         ::testing::Values(JobCase{"existing", "existing-job.xml", true},
                                           JobCase{"new", "new-job.xml", false},
                                           JobCase{"foreign", "foreign-tool-job.xml", true}),
                         [](const auto &info) { return std::string(info.param.name); });

// A job that has no sensor yet keeps what it holds; only the sensor comes
// from the pattern, with a copy of the job's own properties.
TEST(EngineEdges, AJobWithoutSensorKeepsItsPropertiesAndSchedule)
{
    const QString text = QStringLiteral(
        "<JobDefinition><Definition><Type>SENSOR</Type><SubType>SCRIPT</SubType><ExecutionEngine>SENSOR</ExecutionEngine>"
        "<Properties><Name>MINE</Name><Group>ops</Group><Description><Languages><Language><Id>en</Id>"
        "<Default>1</Default><Description>my own</Description></Language></Languages></Description></Properties>"
        "</Definition><Schedule><Every>7</Every></Schedule></JobDefinition>");
    const XmlNode original = XmlNode::parse(text);
    EditorHost host;
    host.open(text);
    ASSERT_TRUE(host.editor->Engine_Validate());
    const ReturnedJob returned(host.editor->Engine_GetData());
    EXPECT_EQ(returned.job.GetProperties().xml(),
              original.selectSingleNode(QStringLiteral("JobDefinition/Definition/Properties")).xml());
    EXPECT_EQ(returned.job.GetSchedule().xml(), original.selectSingleNode(QStringLiteral("JobDefinition/Schedule")).xml());
    EXPECT_EQ(returned.sensor.GetProperties().xml(), returned.job.GetProperties().xml());
    EXPECT_EQ(returned.sensor.GetEvalCode(), defaultSensorScript());
}

TEST(EngineEdges, ShowDataBeforeInitControlDoesNothing)
{
    EditorHost host;
    host.editor->Engine_SetPathData(sourcePath(QStringLiteral("data")));
    host.editor->Engine_SetData(readTextFile(sourcePath(QStringLiteral("examples/jobs/existing-job.xml"))));
    host.editor->Engine_ShowData();
    EXPECT_TRUE(host.pane(QStringLiteral("rtfScript"))->toPlainText().isEmpty());
    EXPECT_TRUE(host.capture.boxes.isEmpty());
}

TEST(EngineEdges, ASecondShowDataChangesNothing)
{
    EditorHost host;
    host.openExample(QStringLiteral("existing-job.xml"));
    host.controls.rtfScript->setPlainText(QStringLiteral("edited"));
    host.editor->Engine_SetData(readTextFile(sourcePath(QStringLiteral("examples/jobs/new-job.xml"))));
    host.editor->Engine_ShowData();
    EXPECT_EQ(host.controls.rtfScript->toPlainText(), QStringLiteral("edited"));
}

TEST(EngineEdges, ScriptsKeepTheirLineBreaks)
{
    EditorHost host;
    host.openExample(QStringLiteral("new-job.xml"));   // the default script, with "\r\n"
    host.controls.rtfScriptGood->setPlainText(QStringLiteral("a\nb"));   // the pattern's script had "\n"
    ASSERT_TRUE(host.editor->Validate());
    const ReturnedJob returned = host.returnedJob();
    EXPECT_EQ(returned.sensor.GetEvalCode(), defaultSensorScript());
    EXPECT_EQ(returned.sensor.GetEvalData(LevelGood).GetEvalCode(), QStringLiteral("a\nb"));
}

TEST(EngineEdges, CaptionIsVeltranoInEveryState)
{
    EditorHost host;
    EXPECT_EQ(host.editor->Engine_Caption(), QStringLiteral("Veltrano"));
    host.openExample(QStringLiteral("existing-job.xml"));
    EXPECT_EQ(host.editor->Engine_Caption(), QStringLiteral("Veltrano"));
}

TEST(EngineEdges, GetDataWithoutValidateLeavesOutTheEdits)
{
    EditorHost host;
    host.openExample(QStringLiteral("existing-job.xml"));
    const QString before = host.returnedJob().sensor.GetEvalCode();
    host.controls.rtfScript->setPlainText(QStringLiteral("Function Main()\nMain = 1\nEnd Function"));
    const ReturnedJob returned(host.editor->Engine_GetData());
    EXPECT_EQ(returned.sensor.GetEvalCode(), before);
}

TEST(EngineEdges, TextThatIsNotXmlReachesTheHost)
{
    EditorHost host;
    EXPECT_THROW(host.editor->Engine_SetData(QStringLiteral("<JobDefinition>")), Error);
}

TEST(EngineEdges, InitControlKeepsACopyOfTheLanguagesAndUpdateKeepsTheObject)
{
    EditorHost host;
    const XmlNode languages = XmlNode::parse(QStringLiteral("<Languages><Id>en</Id></Languages>")).documentElement();
    host.editor->Engine_InitControl(&host.notifier, languages, nullptr);
    EXPECT_NE(host.editor->languages(), languages);
    EXPECT_EQ(host.editor->languages().xml(), languages.xml());
    host.editor->Engine_UpdateLanguages(languages);
    EXPECT_EQ(host.editor->languages(), languages);
}

TEST(EngineEdges, InitControlRecordsAFailingStatementWithoutAMessage)
{
    EditorHost host;
    host.editor->Engine_InitControl(&host.notifier, XmlNode(), host.skin.get());
    EXPECT_TRUE(host.capture.boxes.isEmpty());
    ASSERT_EQ(host.capture.recorderCalls.size(), 2);
    EXPECT_EQ(host.capture.recorderCalls[0].number, 91);
    EXPECT_TRUE(host.capture.recorderCalls[0].source.endsWith(QStringLiteral(" UCScript.Engine_InitControl() ")));
    // The later statements still ran: the notifier is kept, and showing fills the editor.
    host.editor->Engine_SetPathData(sourcePath(QStringLiteral("data")));
    host.editor->Engine_SetData(readTextFile(sourcePath(QStringLiteral("examples/jobs/existing-job.xml"))));
    host.editor->Engine_ShowData();
    EXPECT_FALSE(host.controls.rtfScript->toPlainText().isEmpty());
    host.notifier.resetCount();
    host.editor->chkEvalData_Click(1);
    EXPECT_EQ(host.notifier.count(), 1);
}

} // namespace

namespace {

// The log text a job's data object gives for error reports.
QString logTextOf(const QString &example)
{
    hostkit::DocumentJobData data;
    data.LoadData(readTextFile(sourcePath(QStringLiteral("examples/jobs/") + example)));
    return data.GetLogText();
}

TEST(ErrorLog, EachEditorReportsWithItsOwnJobsLogText)
{
    EditorHost first;
    first.openExample(QStringLiteral("existing-job.xml"));
    EditorHost second;   // its capture records the reports of both editors from here on
    second.openExample(QStringLiteral("disk-space-jscript.xml"));
    ASSERT_NE(logTextOf(QStringLiteral("existing-job.xml")), logTextOf(QStringLiteral("disk-space-jscript.xml")));

    const host::ScopedFactory<host::Colorizer> none(host::colorizers(), [] { return nullptr; });
    first.editor->ColorizeCode(true, QStringLiteral("Danger"));
    second.editor->ColorizeCode(true, QStringLiteral("Danger"));
    ASSERT_EQ(second.capture.recorderCalls.size(), 4);
    EXPECT_EQ(second.capture.recorderCalls[0].logText, logTextOf(QStringLiteral("existing-job.xml")));
    EXPECT_EQ(second.capture.recorderCalls[2].logText, logTextOf(QStringLiteral("disk-space-jscript.xml")));
}

} // namespace
