#include "common/nodes.h"
#include "common/showerror.h"
#include "model/cjob.h"
#include "model/csensor.h"
#include "modeltest.h"
#include "reportcapture.h"
#include "testsupport.h"

#include <QHash>
#include <QSet>

namespace {

// Every element (with its attributes), text, comment and processing
// instruction of a document, one line each, named by its path.
void flatten(const XmlNode &node, const QString &path, QStringList &out)
{
    QHash<QString, int> seen;
    for (const XmlNode &child : node.childNodes()) {
        const QString name = child.nodeName();
        const QString childPath = QStringLiteral("%1/%2[%3]").arg(path, name).arg(seen[name]++);
        switch (child.nodeType()) {
        case XmlNode::Element: {
            QStringList attributes;
            const auto map = child.domNode().attributes();
            for (int i = 0; i < map.count(); ++i)
                attributes << map.item(i).nodeName() + QLatin1Char('=') + map.item(i).nodeValue();
            attributes.sort();
            out << childPath + QLatin1Char(' ') + attributes.join(QLatin1Char(' '));
            flatten(child, childPath, out);
            break;
        }
        default:
            out << childPath + QStringLiteral(" = ") + child.text() + child.domNode().nodeValue();
            break;
        }
    }
}

QStringList flattened(const XmlNode &document)
{
    QStringList lines;
    flatten(document, QString(), lines);
    return lines;
}

// What the editor does on save: the sensor goes into a new FreeDefinition.
void saveSensor(cJob &job, const cSensor &sensor)
{
    QString name = QStringLiteral("FreeDefinition");
    XmlNode free = GetNewNode(XmlNode::Element, name);
    free.appendChild(sensor.GetSensorXML().cloneNode(true));
    XmlNode copy = free.cloneNode(true);
    job.SetFreeDefinition(copy);
}

TEST(RoundTrip, ForeignJobKeepsEverythingTheSystemDoesNotOwn)
{
    const QString original = readTextFile(sourcePath(QStringLiteral("examples/jobs/foreign-tool-job.xml")));
    ASSERT_FALSE(original.isEmpty());
    const QStringList before = flattened(XmlNode::parse(original));

    const XmlNode document = XmlNode::parse(original);
    cJob job;
    job.SetJobNodeXML(document.selectSingleNode(QStringLiteral("JobDefinition")));
    EXPECT_EQ(job.GetType(), QStringLiteral("BATCH"));
    job.SetType(QStringLiteral("SENSOR"));
    job.SetSubType(QStringLiteral("SCRIPT"));
    job.SetExecutionEngine(QStringLiteral("SENSOR"));
    EXPECT_EQ(job.GetDefaultDescription(),
              QStringLiteral("Comprobación de la cola de pedidos — señal «crítica» en Sevilla"));

    cSensor sensor;
    sensor.SetSensorXML(job.GetFreeDefinition().selectSingleNode(QStringLiteral("Sensor")));
    sensor.SetEvalCode(sensor.GetEvalCode());
    sensor.SetLanguage(sensor.GetLanguage());
    sensor.SetStatus(sensor.GetStatus());
    sensor.SetMarquee(sensor.GetMarquee());
    sensor.SetNumeric(sensor.GetNumeric());
    sensor.SetPersistenceQuantity(sensor.GetPersistenceQuantity());
    sensor.SetPersistenceUnitTime(sensor.GetPersistenceUnitTime());
    sensor.SetEvaluation(sensor.GetEvaluation());
    QHash<int, QString> scripts;
    for (int code : {LevelDanger, LevelWarning, LevelGood}) {
        cEvalData level = sensor.GetEvalData(code);
        scripts[code] = level.GetEvalCode();
        level.SetEvalCode(level.GetEvalCode());
        level.SetLanguage(level.GetLanguage());
        level.SetType(code);
        level.SetReferenceValue(level.GetReferenceValue());
        for (cEvent event : level.oEvents.GetEventsAsCollection()) {
            event.SetEvalCode(event.GetEvalCode());
            event.SetLanguage(event.GetLanguage());
        }
    }
    EXPECT_TRUE(scripts[LevelDanger].contains(QStringLiteral("\"]]>\"")));
    EXPECT_TRUE(scripts[LevelWarning].contains(QStringLiteral("«atención»")));
    saveSensor(job, sensor);

    const QString saved = document.xml();
    const XmlNode reloaded = XmlNode::parse(saved);
    const QStringList after = flattened(reloaded);
    const QSet<QString> afterSet(after.begin(), after.end());
    for (const QString &line : before) {
        if (line.startsWith(QLatin1String("/JobDefinition[0]/Definition[0]/Type[0]/"))
            || line.startsWith(QLatin1String("/JobDefinition[0]/Definition[0]/SubType[0]/"))
            || line.startsWith(QLatin1String("/JobDefinition[0]/Definition[0]/ExecutionEngine[0]/")))
            continue;
        EXPECT_TRUE(afterSet.contains(line)) << "lost: " << line.toStdString();
    }

    cSensor again;
    again.SetSensorXML(reloaded.selectSingleNode(QStringLiteral("JobDefinition/FreeDefinition/Sensor")));
    for (int code : {LevelDanger, LevelWarning, LevelGood})
        EXPECT_EQ(again.GetEvalData(code).GetEvalCode(), scripts[code]) << code;
    EXPECT_EQ(again.GetEvalData(LevelWarning).GetReferenceValue(), 50.25);
    cJob reloadedJob;
    reloadedJob.SetJobNodeXML(reloaded.selectSingleNode(QStringLiteral("JobDefinition")));
    EXPECT_EQ(reloadedJob.GetType(), QStringLiteral("SENSOR"));
    EXPECT_EQ(reloadedJob.GetExecutionEngine(), QStringLiteral("SENSOR"));
}

TEST(RoundTrip, EditedScriptWithCDataEndMarkerSurvivesRepeatedSaves)
{
    // Each round edits the script again: a rewrite must replace the whole
    // stored text, not just the first of the sections the writer split it into.
    const QString script = QStringLiteral("Function Main()\r\n\tMain = \"]]>\" & \"]]]]>\"\r\nEnd Function");
    QString text = readTextFile(sourcePath(QStringLiteral("examples/jobs/existing-job.xml")));
    for (int round = 0; round < 3; ++round) {
        const XmlNode document = XmlNode::parse(text);
        cJob job;
        job.SetJobNodeXML(document.selectSingleNode(QStringLiteral("JobDefinition")));
        cSensor sensor;
        sensor.SetSensorXML(job.GetFreeDefinition().selectSingleNode(QStringLiteral("Sensor")));
        if (round > 0) {
            EXPECT_EQ(sensor.GetEvalCode(), script) << round;
        }
        sensor.SetEvalCode(script);
        EXPECT_EQ(sensor.GetEvalCode(), script) << round;
        saveSensor(job, sensor);
        text = document.xml();
    }
}

TEST(RoundTrip, SavedFreeDefinitionIsLastAndHoldsOneSensor)
{
    const XmlNode document = XmlNode::parse(readTextFile(sourcePath(QStringLiteral("examples/jobs/existing-job.xml"))));
    cJob job;
    job.SetJobNodeXML(document.selectSingleNode(QStringLiteral("JobDefinition")));
    cSensor sensor;
    sensor.SetSensorXML(job.GetFreeDefinition().selectSingleNode(QStringLiteral("Sensor")));
    saveSensor(job, sensor);
    const XmlNode jobNode = job.GetJobNodeXML();
    EXPECT_EQ(jobNode.lastChild().nodeName(), QStringLiteral("FreeDefinition"));
    EXPECT_EQ(jobNode.selectNodes(QStringLiteral("FreeDefinition/Sensor")).size(), 1);
    EXPECT_EQ(jobNode.selectNodes(QStringLiteral("FreeDefinition")).size(), 1);

    // The sensor object keeps working on its element after the save replaced
    // the free definition it was taken from.
    sensor.SetStatus(0);
    EXPECT_EQ(sensor.GetStatus(), 0);
    saveSensor(job, sensor);
    EXPECT_EQ(jobNode.selectSingleNode(QStringLiteral("FreeDefinition/Sensor/Status")).text(), QStringLiteral("0"));
}

TEST(RoundTrip, NewJobGetsItsSensorFromThePattern)
{
    const XmlNode document = XmlNode::parse(readTextFile(sourcePath(QStringLiteral("examples/jobs/new-job.xml"))));
    cJob job;
    job.SetJobNodeXML(document.selectSingleNode(QStringLiteral("JobDefinition")));
    EXPECT_TRUE(job.GetFreeDefinition().isNull());
    cSensor sensor;
    sensor.Create(QStringLiteral(VT_DATA_DIR));
    saveSensor(job, sensor);
    cSensor reloaded;
    reloaded.SetSensorXML(XmlNode::parse(document.xml()).selectSingleNode(QStringLiteral("JobDefinition/FreeDefinition/Sensor")));
    EXPECT_EQ(reloaded.GetEvalCode(), defaultSensorScript());
    EXPECT_EQ(reloaded.GetEvalData(LevelDanger).oEvents.GetEvent(QStringLiteral("OnReach")).GetLanguage(),
              QStringLiteral("VBScript"));
}

// The example of the error report: 91 passed on by cJob.GetType and reported
// by the Copy command.
TEST(SourceTrail, ReportShowsTheChainUnderTheTitle)
{
    ReportCapture capture;
    cJob unbound;
    reporting(" frmJob.Copy() ", QString(), [&] { unbound.GetType(); });
    ASSERT_EQ(capture.boxes.size(), 1);
    EXPECT_EQ(capture.boxes[0].title, QStringLiteral("Veltrano"));
    const QStringList lines = capture.boxes[0].prompt.split(QLatin1Char('\r'));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], QStringLiteral("Error: 91"));
    EXPECT_EQ(lines[1], QStringLiteral("Description: Object variable or With block variable not set"));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("Source: ")));
    EXPECT_TRUE(lines[2].endsWith(QStringLiteral(" cJob.GetType()  frmJob.Copy() ")));
}

TEST(BadInput, JobTextsThatCannotBeUsedRaiseErrors)
{
    EXPECT_THROW(XmlNode::parse(QStringLiteral("this is not XML")), Error);
    EXPECT_THROW(XmlNode::parse(QString()), Error);

    cJob job;
    job.SetJobNodeXML(XmlNode::parse(QStringLiteral("<JobDefinition><Schedule/></JobDefinition>"))
                          .selectSingleNode(QStringLiteral("JobDefinition")));
    expectError(91, QStringLiteral(" cJob.SetType() "), [&] { job.SetType(QStringLiteral("SENSOR")); });

    cSensor sensor;
    sensor.SetSensorXML(rootOf(QStringLiteral("<Sensor><Status>1</Status></Sensor>")));
    expectError(91, QStringLiteral(" cSensor.GetEvalCode() "), [&] { sensor.GetEvalCode(); });
    EXPECT_EQ(sensor.GetStatus(), 1);
}

} // namespace
