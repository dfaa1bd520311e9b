// The host's sequence on the example jobs (init, path, data, show, edits,
// validate, get data) with the returned text read back through the model;
// what validation refuses, and numbers typed under two locales.
#include "editorhost.h"

#include "model/sensorvalues.h"

#include "host/colorizer.h"
#include "hostkit/documentjobdata.h"
#include "hostkit/jobfile.h"

#include <QLocale>
#include <QRegularExpression>
#include <functional>
#include <tuple>

namespace {

// A job that has no sensor yet keeps what it holds; only the sensor comes
// from the pattern, with the default script and a copy of the job's
// properties (the host's defaults for a new job).
TEST(HostSequence, EachJobComesBackWithItsOwnValuesThenWithTheEdits)
{
    const QString sensorless = QStringLiteral(
        "<JobDefinition><Definition><Type>SENSOR</Type><SubType>SCRIPT</SubType><ExecutionEngine>SENSOR</ExecutionEngine>"
        "<Properties><Name>MINE</Name><Group>ops</Group><Description><Languages><Language><Id>en</Id>"
        "<Default>1</Default><Description>my own</Description></Language></Languages></Description></Properties>"
        "</Definition><Schedule><Every>7</Every></Schedule></JobDefinition>");
    const QString newJob = exampleJob(QStringLiteral("new-job.xml"));
    for (const QString &text : {exampleJob(QStringLiteral("existing-job.xml")),
                                exampleJob(QStringLiteral("foreign-tool-job.xml")), sensorless, newJob}) {
        SCOPED_TRACE(text.left(300).toStdString());
        EditorHost host;
        EXPECT_THROW(host.editor->Engine_SetData(QStringLiteral("<JobDefinition>")), Error);   // reaches the host
        host.open(text);
        const EditorControls &controls = host.controls;
        ASSERT_TRUE(host.editor->Engine_Validate());
        const ReturnedJob unedited = host.returnedJob();
        if (text == sensorless || text == newJob) {
            cSensor pattern;
            pattern.Create(sourcePath(QStringLiteral("data")));
            pattern.SetEvalCode(defaultSensorScript());
            EXPECT_EQ(readSensorValues(unedited.sensor), readSensorValues(pattern));
            EXPECT_FALSE(unedited.job.GetProperties().isNull());
            EXPECT_EQ(unedited.sensor.GetProperties().xml(), unedited.job.GetProperties().xml());
        }
        if (text == sensorless) {
            const XmlNode original = XmlNode::parse(text);
            EXPECT_EQ(unedited.job.GetProperties().xml(),
                      original.selectSingleNode(QStringLiteral("JobDefinition/Definition/Properties")).xml());
            EXPECT_EQ(unedited.job.GetSchedule().xml(), original.selectSingleNode(QStringLiteral("JobDefinition/Schedule")).xml());
        } else if (text != newJob) {
            const ReturnedJob original(text);
            EXPECT_EQ(readSensorValues(unedited.sensor), readSensorValues(original.sensor));
            EXPECT_EQ(unedited.job.GetDefaultDescription(), original.job.GetDefaultDescription());
        }

        const bool activeBefore = controls.chkActive->isChecked();
        QTest::mouseClick(controls.chkActive, Qt::LeftButton, {}, QPoint(4, controls.chkActive->height() / 2));
        controls.pvDataPersistence->setText(QStringLiteral("5"));
        controls.cmbDataPersistence->setCurrentIndex(3);
        controls.rtfScript->setPlainText(QStringLiteral("Function Main()\n\tMain = 42\nEnd Function"));
        controls.cmbLanguageScript->setCurrentIndex(0);
        controls.rtfScriptWarning->setPlainText(QStringLiteral("Function Main(v)\n\tMain = (v > 7)\nEnd Function"));
        controls.cmbLanguageScriptWarning->setCurrentIndex(1);
        controls.pvWarningRef->setText(QLocale().toString(7.5));
        EXPECT_EQ(host.returnedJob().sensor.GetEvalCode(), unedited.sensor.GetEvalCode()) << "stored before Validate";

        ASSERT_TRUE(host.editor->Engine_Validate());
        const ReturnedJob returned = host.returnedJob();
        EXPECT_EQ(returned.job.GetType(), QStringLiteral("SENSOR"));
        EXPECT_EQ(returned.job.GetSubType(), QStringLiteral("SCRIPT"));
        EXPECT_EQ(returned.job.GetExecutionEngine(), QStringLiteral("SENSOR"));
        EXPECT_EQ(returned.sensor.GetStatus(), activeBefore ? 0 : 1);
        EXPECT_EQ(returned.sensor.GetPersistenceQuantity(), 5);
        EXPECT_EQ(returned.sensor.GetPersistenceUnitTime(), 3);
        EXPECT_EQ(returned.sensor.GetEvalCode().replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                  QStringLiteral("Function Main()\n\tMain = 42\nEnd Function"));
        EXPECT_EQ(returned.sensor.GetLanguage(), QStringLiteral("VBScript"));
        const cEvalData warning = returned.sensor.GetEvalData(LevelWarning);
        EXPECT_EQ(warning.GetEvalCode(), QStringLiteral("Function Main(v)\n\tMain = (v > 7)\nEnd Function"));
        EXPECT_EQ(warning.GetLanguage(), QStringLiteral("JScript"));
        EXPECT_DOUBLE_EQ(warning.GetReferenceValue(), 7.5);
    }
    EditorHost blank("existing-job.xml");   // an empty general script is stored as the default
    blank.controls.rtfScript->setPlainText(QStringLiteral("   "));
    blank.controls.cmbLanguageScript->setCurrentIndex(1);
    ASSERT_TRUE(blank.editor->Validate());
    EXPECT_EQ(blank.returnedJob().sensor.GetEvalCode(), defaultSensorScript());
    EXPECT_EQ(blank.returnedJob().sensor.GetLanguage(), QStringLiteral("VBScript"));
    EditorHost badUnit;   // a persistence unit one past the list's end raises to the host
    const QString badJob = exampleJob(QStringLiteral("existing-job.xml"))
                               .replace(QStringLiteral("<UnitTime>2</UnitTime>"), QStringLiteral("<UnitTime>4</UnitTime>"));
    expectError(380, [&] { badUnit.open(badJob); }, QStringLiteral(" frmJob.FillDataToProcess()  UCScript.Engine_ShowData() "));
}

// Showing before Engine_InitControl does nothing; a failing statement of
// Engine_InitControl is recorded without a message and the rest still runs;
// a second Engine_ShowData changes nothing; the languages are copied.
TEST(HostSequence, OutOfOrderAndFailingCalls)
{
    EditorHost host;
    host.editor->Engine_SetPathData(sourcePath(QStringLiteral("data")));
    host.editor->Engine_SetData(exampleJob(QStringLiteral("existing-job.xml")));
    host.editor->Engine_ShowData();
    EXPECT_TRUE(host.controls.rtfScript->toPlainText().isEmpty());
    host.editor->Engine_InitControl(&host.notifier, XmlNode(), host.skin.get());
    EXPECT_TRUE(host.capture.boxes.isEmpty());
    ASSERT_EQ(host.capture.recorderCalls.size(), 2);
    EXPECT_EQ(host.capture.recorderCalls[0].number, 91);
    EXPECT_TRUE(host.capture.recorderCalls[0].source.endsWith(QStringLiteral(" UCScript.Engine_InitControl() ")));
    host.editor->Engine_SetData(exampleJob(QStringLiteral("existing-job.xml")));
    host.editor->Engine_ShowData();
    EXPECT_FALSE(host.controls.rtfScript->toPlainText().isEmpty());
    host.notifier.resetCount();
    host.controls.chkEvalData->click();
    EXPECT_EQ(host.notifier.count(), 1);
    host.controls.rtfScript->setPlainText(QStringLiteral("edited"));
    host.editor->Engine_SetData(exampleJob(QStringLiteral("new-job.xml")));
    host.editor->Engine_ShowData();
    EXPECT_EQ(host.controls.rtfScript->toPlainText(), QStringLiteral("edited"));

    EditorHost other;
    const XmlNode languages = XmlNode::parse(QStringLiteral("<Languages><Id>en</Id></Languages>")).documentElement();
    other.editor->Engine_InitControl(&other.notifier, languages, nullptr);
    EXPECT_NE(other.editor->languages(), languages);
    EXPECT_EQ(other.editor->languages().xml(), languages.xml());
    other.editor->Engine_UpdateLanguages(languages);
    EXPECT_EQ(other.editor->languages(), languages);
}

// A colouriser that cannot be created is reported (429) and the text stays;
// each editor's report carries its own job's log text.
TEST(ErrorLog, EachEditorReportsWithItsOwnJobsLogText)
{
    const auto logText = [](const char *example) {
        hostkit::DocumentJobData data;
        data.LoadData(exampleJob(QLatin1String(example)));
        return data.GetLogText();
    };
    EditorHost first("existing-job.xml");
    EditorHost second("disk-space-jscript.xml");   // its capture records the reports of both editors from here on
    ASSERT_NE(logText("existing-job.xml"), logText("disk-space-jscript.xml"));
    const QString before = first.controls.rtfScriptDanger->toPlainText();
    const host::ScopedFactory<host::Colorizer> none(host::colorizers(), [] { return nullptr; });
    first.find<QToolButton>(QStringLiteral("cmdColorizeScript"))->click();
    EXPECT_TRUE(second.onlyBox().startsWith(QStringLiteral("Error: 429\r")));
    EXPECT_TRUE(second.onlyBox().endsWith(QStringLiteral(" frmJob.ColorizeCode() ")));
    EXPECT_EQ(first.controls.rtfScriptDanger->toPlainText(), before);
    second.find<QToolButton>(QStringLiteral("cmdColorizeScript"))->click();
    ASSERT_EQ(second.capture.recorderCalls.size(), 4);
    EXPECT_EQ(second.capture.recorderCalls[0].logText, logText("existing-job.xml"));
    EXPECT_EQ(second.capture.recorderCalls[2].logText, logText("disk-space-jscript.xml"));
}

TEST(Validation, TheFirstEmptyLevelIsRefusedWithItsTabElseTheScriptsAreStored)
{
    const struct
    {
        const char *name;
        bool evaluate;
        const char *danger, *warning, *good;
        const char *refusal;   // and the tab it selects; nullptr: accepted
    } rows[] = {
        {"DangerAndWarningEmpty", true, "", "", "x", "Danger"},
        {"WarningOnlySpaces", true, "x", "   ", "x", "Warning"},
        {"GoodEmpty", true, "x", "x", "", "Good"},
        {"ALineBreakIsNotEmpty", true, "\n", "x", "x", nullptr},
        {"AllFilled", true, "a", "b", "c", nullptr},
        {"SwitchOffStoresEmptyScripts", false, "", "", "", nullptr},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EditorHost host("existing-job.xml");
        const EditorControls &controls = host.controls;
        controls.chkEvalData->setChecked(row.evaluate);
        controls.ssTabValues->selectKey(QStringLiteral("Good"));
        controls.rtfScriptDanger->setPlainText(QLatin1String(row.danger));
        controls.rtfScriptWarning->setPlainText(QLatin1String(row.warning));
        controls.rtfScriptGood->setPlainText(QLatin1String(row.good));

        const bool accepted = host.editor->Validate();
        if (!row.refusal) {
            EXPECT_TRUE(accepted);
            EXPECT_TRUE(host.capture.boxes.isEmpty());
            const ReturnedJob returned = host.returnedJob();
            EXPECT_EQ(returned.sensor.GetEvaluation(), row.evaluate ? 1 : 0);
            EXPECT_EQ(returned.sensor.GetEvalData(LevelWarning).GetEvalCode(), QLatin1String(row.warning));
            continue;
        }
        EXPECT_FALSE(accepted);
        EXPECT_EQ(host.onlyBox(), QLatin1String(row.refusal) + QStringLiteral(" Script Must Be Filled In."));
        EXPECT_EQ(host.capture.boxes.value(0).style, ui::OkOnly | ui::Information);
        EXPECT_EQ(controls.ssTabValues->selectedKey(), QLatin1String(row.refusal));
        const ScriptPane *refused = host.pane(QStringLiteral("rtfScript") + QLatin1String(row.refusal));
        EXPECT_TRUE(host.editor->focusWidget() == refused || refused->isAncestorOf(host.editor->focusWidget()));
    }
}

struct LocaleGuard
{
    explicit LocaleGuard(const char *name) { QLocale::setDefault(QLocale(QLatin1String(name))); }
    ~LocaleGuard() { QLocale::setDefault(saved); }
    QLocale saved;
};

// Typed as a user types (leaving the box with Return): stored as typed and
// shown in the locale's form without an exponent, a group separator read as
// one; or kept as typed and refused naming its field, when it is left and
// again when the job is stored. The job holds the number with a point.
TEST(NumericBoxes, TypedNumbersAreStoredAndShownInTheLocalesFormOrRefused)
{
    const QString whole = QStringLiteral("Data Persistence: \"%1\" is not a whole number from 1 to 2,147,483,647.");
    const QString warning = QStringLiteral("Reference Value (Warning Value): \"%1\" is not a number such as -12,345.5.");
    const struct
    {
        const char *locale, *box, *typed, *shown;
        double stored;
        QString refusal = {};
    } rows[] = {
        {"es_ES", "pvWarningRef", "12,5", "12,5", 12.5},
        {"es_ES", "pvWarningRef", "1.234,5", "1234,5", 1234.5},
        {"en_US", "pvWarningRef", "1,500", "1500", 1500},
        {"en_US", "pvWarningRef", "1.25e+02", "125", 125},
        {"es_ES", "pvWarningRef", "-0,00001", "-0,00001", -0.00001},
        {"en_US", "pvDataPersistence", "1,000", "1000", 1000},
        {"en_US", "pvWarningRef", "12,5", "12,5", 0, warning.arg("12,5")},
        {"en_US", "pvWarningRef", "1x2a.5", "1x2a.5", 0, warning.arg("1x2a.5")},
        {"es_ES", "pvWarningRef", "12.5", "12.5", 0,
         QStringLiteral("Reference Value (Warning Value): \"12.5\" is not a number such as -12.345,5.")},
        {"en_US", "pvDataPersistence", "2.5", "2.5", 0, whole.arg("2.5")},
        {"en_US", "pvDataPersistence", "-3", "-3", 0, whole.arg("-3")},
        {"fr_FR", "pvWarningRef", "1\u00A0234\u202F567 890,5", "1234567890,5", 1234567890.5},   // any of the blanks
        {"en_US", "pvWarningRef", "1e309", "1e309", 0, warning.arg("1e309")},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(row.locale) + " " + row.box + " " + row.typed);
        LocaleGuard locale(row.locale);
        EditorHost host("existing-job.xml");
        auto *box = host.find<NumericBox>(QLatin1String(row.box));
        box->clear();
        for (const QChar c : QString::fromUtf8(row.typed))   // any character, as a keyboard layout gives it
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::keyClick(box, Qt::Key_Return);
        QCoreApplication::processEvents();
        EXPECT_EQ(box->text(), QString::fromUtf8(row.shown));
        EXPECT_EQ(host.capture.boxes.isEmpty() ? QString() : host.onlyBox(), row.refusal) << "on leaving the box";
        host.capture.boxes.clear();

        const bool accepted = host.editor->Engine_Validate();
        EXPECT_TRUE(host.capture.recorderCalls.isEmpty()) << "a refusal, not an error";
        if (!row.refusal.isEmpty()) {
            EXPECT_FALSE(accepted);
            EXPECT_EQ(host.onlyBox(), row.refusal);
            continue;
        }
        ASSERT_TRUE(accepted);
        EXPECT_TRUE(host.capture.boxes.isEmpty());
        const ReturnedJob job = host.returnedJob();
        EXPECT_EQ(box == host.controls.pvDataPersistence ? job.sensor.GetPersistenceQuantity()
                                                         : job.sensor.GetEvalData(LevelWarning).GetReferenceValue(),
                  row.stored);
        EXPECT_FALSE(job.document.xml().contains(QRegularExpression(QStringLiteral("<ReferenceValue>[^<]*,"))));
    }
}

// One edit changes that one thing in the file the desktop editor writes,
// whatever else the job holds: declarations, comments and instructions,
// elements the editor does not know at every level, the same element twice.
TEST(HostSequence, OneEditChangesThatOneThingWhateverElseTheJobHolds)
{
    const std::pair<const char *, const char *> jobs[] = {
        {"", ""}, {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n", ""},
        {"version=\"1.0\" encoding=\"UTF-8\"", "version='1.0' encoding='UTF-8' standalone='yes'"},
        {"<JobDefinition>", "<?tool a='1'?><!-- c --><JobDefinition xmlns:n=\"urn:n\" xml:space=\"default\"><n:Top/>"},
        {"<Status>1</Status>", "<!-- s --><Status>1</Status><n:Newer xmlns:n=\"urn:n\">7</n:Newer><Status>0</Status>"},
        {"<Quantity>3</Quantity>", "<Quantity><!--q-->3</Quantity><Keep/>"},
        {"<ReferenceValue>85.5</ReferenceValue>", "<ReferenceValue>85.5<?v?></ReferenceValue><Hysteresis/>"},
        {"</Events>", "<Delay>5</Delay><?e?></Events>"}, {"</JobDefinition>", "</JobDefinition><!-- end -->"},
        {"\tDim fso, drive\n", "<?p?>\tDim fso, drive]]>&#13;\n<![CDATA[\tMain = \"a\rb\"\r\n"},
    };
    // Locale, edit, and what it changes in the job text.
    const std::tuple<const char *, std::function<void(const EditorControls &)>, const char *, const char *> edits[] = {
        {"en_US", [](const EditorControls &) {}, "", ""},
        {"en_US", [](const EditorControls &c) { c.chkActive->click(); }, "<Status>1", "<Status>0"},
        {"de_DE", [](const EditorControls &c) { c.pvDataPersistence->setText("1.004"); }, "3</Quantity>", "1004</Quantity>"},
        {"fr_FR", [](const EditorControls &c) { c.pvWarningRef->setText("-1\u202F234,25"); }, ">85.5<", ">-1234.25<"},
    };
    for (const auto &[from, to] : jobs) {
        const QString job = exampleJob(QStringLiteral("existing-job.xml")).replace(QString::fromUtf8(from), QString::fromUtf8(to));
        for (const auto &[name, edit, before, after] : edits) {
            SCOPED_TRACE(std::string(after) + " in a job with " + to);
            LocaleGuard locale(name);
            EditorHost host;
            host.open(job);
            edit(host.controls);
            ASSERT_TRUE(host.editor->Engine_Validate()) << host.capture.boxes.value(0).prompt.toStdString();
            const QString expected = QString(job).replace(QString::fromUtf8(before), QString::fromUtf8(after));
            EXPECT_EQ(hostkit::jobFileBytes(host.editor->Engine_GetData(), {}).toStdString(),
                      hostkit::jobFileBytes(expected, {}).toStdString());
        }
    }
}

} // namespace
