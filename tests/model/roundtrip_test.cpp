#include "model/cjob.h"
#include "model/csensor.h"
#include "modeltest.h"
#include "testsupport.h"

#include <QHash>

namespace {

QString exampleJob(const char *name)
{
    return readTextFile(sourcePath(QStringLiteral("examples/jobs/") + QLatin1String(name)));
}

// Two copies of a job with foreign content are opened as the editor opens
// them; in one every value is written back through the model. Both write out
// the same text, which reads back as itself and keeps the foreign parts.
TEST(RoundTrip, ForeignJobKeepsEverythingTheSystemDoesNotOwn)
{
    const QString original = exampleJob("foreign-tool-job.xml");
    const XmlNode documents[] = {XmlNode::parse(original), XmlNode::parse(original)};
    QHash<int, QString> scripts;
    for (const XmlNode &document : documents) {
        const bool writeBack = &document == &documents[1];
        cJob job;
        job.SetJobNodeXML(document.selectSingleNode(QStringLiteral("JobDefinition")));
        EXPECT_EQ(job.GetDefaultDescription(),
                  QStringLiteral("Comprobación de la cola de pedidos — señal «crítica» en Sevilla"));
        job.SetType(QStringLiteral("SENSOR"));
        cSensor sensor;
        sensor.SetSensorXML(job.GetFreeDefinition().selectSingleNode(QStringLiteral("Sensor")));
        for (int code : {LevelDanger, LevelWarning, LevelGood}) {
            cEvalData level = sensor.GetEvalData(code);
            scripts[code] = level.GetEvalCode();
            if (!writeBack)
                continue;
            level.SetEvalCode(level.GetEvalCode());
            level.SetLanguage(level.GetLanguage());
            level.SetType(code);
            level.SetReferenceValue(level.GetReferenceValue());
            for (cEvent event : level.oEvents.GetEventsAsCollection()) {
                event.SetEvalCode(event.GetEvalCode());
                event.SetLanguage(event.GetLanguage());
            }
        }
        if (!writeBack)
            continue;
        sensor.SetEvalCode(sensor.GetEvalCode());
        sensor.SetLanguage(sensor.GetLanguage());
        sensor.SetStatus(sensor.GetStatus());
        sensor.SetMarquee(sensor.GetMarquee());
        sensor.SetNumeric(sensor.GetNumeric());
        sensor.SetPersistenceQuantity(sensor.GetPersistenceQuantity());
        sensor.SetPersistenceUnitTime(sensor.GetPersistenceUnitTime());
        sensor.SetEvaluation(sensor.GetEvaluation());
    }
    EXPECT_TRUE(scripts[LevelDanger].contains(QStringLiteral("\"]]>\"")));
    EXPECT_TRUE(scripts[LevelWarning].contains(QStringLiteral("«atención»")));

    const QString saved = documents[1].xml();
    EXPECT_EQ(saved, documents[0].xml());
    EXPECT_EQ(XmlNode::parse(saved).xml(), saved);
    for (const char *kept : {"<!-- Exported by", "xmlns:inv=\"urn:example:inventory\"", "<?inventory-sync checksum=\"9f2c\"?>",
                             "<Sensor inv:source=\"import\" revision=\"12\"><!-- maintained", "&amp; ≤ 80</Thresholds>",
                             "<inv:Channel>sms</inv:Channel>", "<Colour>#ff0000</Colour>"})
        EXPECT_TRUE(saved.contains(QString::fromUtf8(kept))) << kept;
    cSensor again = sensorOf(saved);
    for (int code : {LevelDanger, LevelWarning, LevelGood})
        EXPECT_EQ(again.GetEvalData(code).GetEvalCode(), scripts[code]) << code;
    EXPECT_EQ(again.GetEvalData(LevelWarning).GetReferenceValue(), 50.25);
}

// Each round edits the script again: a rewrite must replace the whole stored
// text, not just the first of the sections the writer split it into.
TEST(RoundTrip, EditedScriptWithCDataEndMarkerSurvivesRepeatedSaves)
{
    const QString script = QStringLiteral("Function Main()\r\n\tMain = \"]]>\" & \"]]]]>\"\r\nEnd Function");
    QString text = exampleJob("existing-job.xml");
    for (int round = 0; round < 3; ++round) {
        cSensor sensor = sensorOf(text);
        if (round > 0) {
            EXPECT_EQ(sensor.GetEvalCode(), script) << round;
        }
        sensor.SetEvalCode(script);
        EXPECT_EQ(sensor.GetEvalCode(), script) << round;
        text = sensor.GetSensorXML().ownerDocument().xml();
    }
}

} // namespace

// A script written back unchanged keeps the nodes that hold it, and one that
// a script pane gives back (no-break spaces as blanks, every line break a
// line feed) counts as unchanged; a changed one reads back as written,
// comments and processing instructions kept.
TEST(RoundTrip, ScriptFormsKeptUnlessTheScriptChanges)
{
    const struct
    {
        const char *stored; // inside EvalCode
        const char *written;
        const char *after;  // nullptr: as stored
    } rows[] = {
        {"<![CDATA[a]]>b<!--c--><![CDATA[d]]><?p x?>", "abd", nullptr},
        {"<![CDATA[a]]>b<!--c--><![CDATA[d]]><?p x?>", "x", "<![CDATA[x]]><!--c--><?p x?>"},
        {"<!--c--><![CDATA[a]]>", "x", "<!--c--><![CDATA[x]]>"},
        {"<!--c-->", "x", "<!--c--><![CDATA[x]]>"},
        {"a<b>c</b>d", "x", "x"},
        {"a&e;b", "ab", nullptr},
        {"a&e;b", "x", "x"},
        {"a\xC2\xA0" "b\xE2\x80\xA8" "c\xE2\x80\xA9" "d", "a b\nc\nd", nullptr},
        {"l1&#13;\nl2&#13;l3", "l1\r\nl2\r\nl3", nullptr},
        {"l1&#13;\nl2&#13;l3", "l1\nl2\nl4", "l1\nl2\nl4"},
        {"a\xC2\xA0" "b", "a b!", "a b!"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.stored + std::string(" <- ") + row.written);
        const QString stored = QString::fromUtf8(row.stored);
        cSensor sensor = sensorOf(QStringLiteral("<!DOCTYPE JobDefinition SYSTEM \"job.dtd\">")
                                  + sensorJobWith(QStringLiteral("Function Main()\nMain = 1\nEnd Function"), stored));
        const XmlNode script = sensor.GetSensorXML().selectSingleNode(QStringLiteral("Script/EvalCode"));
        const QString before = script.xml();
        const QString text = sensor.GetEvalCode();
        sensor.SetEvalCode(QString::fromUtf8(row.written));
        if (row.after) {
            EXPECT_EQ(sensor.GetEvalCode(), QString::fromUtf8(row.written));
            EXPECT_EQ(script.xml(), QStringLiteral("<EvalCode>%1</EvalCode>").arg(QString::fromUtf8(row.after)));
        } else {
            EXPECT_EQ(script.xml(), before);
            EXPECT_EQ(sensor.GetEvalCode(), text);
        }
    }
}
