#include "model/cjob.h"
#include "modeltest.h"

#include <functional>

namespace {

const char *const jobXml = R"(<JobDefinition>
  <Definition>
    <Properties><Description><Languages>
      <Language><Id>es</Id><Default>0</Default><Description>Espacio libre</Description></Language>
      <Language><Id>en</Id><Default>1</Default><Description>Free space</Description></Language>
    </Languages></Description></Properties>
    <Type></Type>
    <SubType>  SCRIPT </SubType>
    <ExecutionEngine><![CDATA[ SENSOR ]]></ExecutionEngine>
  </Definition>
  <Schedule><Every>5</Every></Schedule>
  <FreeDefinition><Sensor/></FreeDefinition>
</JobDefinition>)";

class JobTest : public ::testing::Test
{
protected:
    void SetUp() override { job.SetJobNodeXML(jobNode); }
    int count(const char *path) const { return int(jobNode.selectNodes(QString::fromLatin1(path)).size()); }

    XmlNode jobNode = rootOf(QString::fromUtf8(jobXml));
    cJob job;
};

// An empty element gets one CDATA section, text is replaced in place, reads are trimmed.
TEST_F(JobTest, TypeFields)
{
    EXPECT_EQ(job.GetSubType(), QStringLiteral("SCRIPT"));
    EXPECT_EQ(job.GetExecutionEngine(), QStringLiteral("SENSOR"));
    job.SetType(QStringLiteral("SENSOR"));
    job.SetType(QStringLiteral("SENSOR2"));
    job.SetSubType(QStringLiteral("SCRIPT"));
    job.SetExecutionEngine(QStringLiteral("  SENSOR "));
    EXPECT_EQ(job.GetType(), QStringLiteral("SENSOR2"));
    EXPECT_EQ(job.GetExecutionEngine(), QStringLiteral("SENSOR"));
    EXPECT_EQ(jobNode.selectSingleNode(QStringLiteral("Definition/Type")).xml()
                  + jobNode.selectSingleNode(QStringLiteral("Definition/SubType")).xml(),
              QStringLiteral("<Type><![CDATA[SENSOR2]]></Type><SubType>SCRIPT</SubType>"));
}

TEST(JobDescription, DefaultLanguageElseTheFirstElse91)
{
    const QString job = QStringLiteral("<JobDefinition><Definition><Properties><Description><Languages>%1</Languages>"
                                       "</Description></Properties></Definition></JobDefinition>");
    cJob defaulted, first, none;
    defaulted.SetJobNodeXML(rootOf(QString::fromUtf8(jobXml)));
    first.SetJobNodeXML(rootOf(job.arg(QStringLiteral("<Language><Default>0</Default><Description>Primera</Description>"
                                                      "</Language><Language><Default>0</Default><Description>Second"
                                                      "</Description></Language>"))));
    none.SetJobNodeXML(rootOf(job.arg(QString())));
    EXPECT_EQ(defaulted.GetDefaultDescription(), QStringLiteral("Free space"));
    EXPECT_EQ(first.GetDefaultDescription(), QStringLiteral("Primera"));
    expectError(91, [&] { none.GetDefaultDescription(); }, QStringLiteral(" cJob.GetDefaultDescription() "));
}

TEST_F(JobTest, DocumentationIsAddedOnceAndSetByCopy)
{
    const XmlNode added = job.GetDocumentation();
    EXPECT_EQ(added.xml(), QStringLiteral("<Documentation><Languages/></Documentation>"));
    EXPECT_EQ(added.parentNode(), jobNode);
    EXPECT_EQ(job.GetDocumentation(), added);
    const XmlNode mine = rootOf(QStringLiteral("<Documentation><Languages><Language>x</Language></Languages></Documentation>"));
    job.SetDocumentation(mine);
    job.SetDocumentation(mine);
    EXPECT_EQ(mine.parentNode().nodeType(), int(XmlNode::Document)) << "the caller's node keeps its place";
    EXPECT_NE(job.GetDocumentation(), mine);
    EXPECT_EQ(job.GetDocumentation().xml(), mine.xml());
    EXPECT_EQ(count("Documentation"), 1);
}

// A replaced part stands where the old one stood: a save keeps the order.
TEST_F(JobTest, SetScheduleAndFreeDefinitionReplaceWhereTheyStood)
{
    XmlNode schedule = jobNode.createElement(QStringLiteral("Schedule"));
    job.SetSchedule(schedule);
    EXPECT_EQ(job.GetSchedule(), schedule) << "the very node";
    EXPECT_EQ(jobNode.lastChild().nodeName(), QStringLiteral("FreeDefinition")) << "the schedule where it stood";
    XmlNode foreign = rootOf(QStringLiteral("<Schedule><Every>60</Every></Schedule>"));
    job.SetSchedule(foreign);
    EXPECT_EQ(foreign, job.GetSchedule()) << "handed back as the node in the job";
    EXPECT_EQ(job.GetSchedule().text(), QStringLiteral("60"));
    EXPECT_EQ(count("Schedule"), 1);
    XmlNode free = rootOf(QStringLiteral("<FreeDefinition><Sensor><Status>1</Status></Sensor></FreeDefinition>"));
    job.SetFreeDefinition(free);
    EXPECT_EQ(count("FreeDefinition"), 1);
    EXPECT_EQ(job.GetFreeDefinition().selectSingleNode(QStringLiteral("Sensor/Status")).text(), QStringLiteral("1"));
}

TEST(JobSchedule, OnlyTheFirstOfTwoSchedulesIsReplaced)
{
    XmlNode root = rootOf(QStringLiteral("<JobDefinition><Schedule>a</Schedule><Schedule>b</Schedule></JobDefinition>"));
    cJob job;
    job.SetJobNodeXML(root);
    XmlNode schedule = root.createElement(QStringLiteral("Schedule"));
    schedule.setText(QStringLiteral("c"));
    job.SetSchedule(schedule);
    EXPECT_EQ(root.xml(), QStringLiteral("<JobDefinition><Schedule>c</Schedule><Schedule>b</Schedule></JobDefinition>"));
}

TEST_F(JobTest, SetPropertiesWithTheSamePropertiesChangesNothing)
{
    const XmlNode definition = jobNode.selectSingleNode(QStringLiteral("Definition"));
    const QString before = definition.xml();
    XmlNode properties = job.GetProperties();
    job.SetProperties(properties);
    EXPECT_EQ(definition.xml(), before);
    EXPECT_EQ(count("Definition/Properties"), 1);
}

// Lookups of an element the job lacks give nothing; writes and reads raise 91.
TEST(JobMissing, LookupsWithoutTheElementGiveNothing)
{
    cJob job;
    job.SetJobNodeXML(rootOf(QStringLiteral("<JobDefinition><Definition/></JobDefinition>")));
    EXPECT_TRUE(job.GetSchedule().isNull());
    EXPECT_TRUE(job.GetProperties().isNull());
    EXPECT_TRUE(job.GetFreeDefinition().isNull());
    expectError(91, [&] { job.GetType(); }, QStringLiteral(" cJob.GetType() "));
    expectError(91, [&] { job.SetType(QStringLiteral("SENSOR")); }, QStringLiteral(" cJob.SetType() "));
    job.SetJobNodeXML(rootOf(QStringLiteral("<JobDefinition/>")));
    XmlNode properties = rootOf(QStringLiteral("<Properties/>"));
    expectError(91, [&] { job.SetProperties(properties); }, QStringLiteral(" cJob.SetProperties() "));
}

// Every operation but the binding one needs a bound job.
TEST(JobUnbound, EveryOperationRaises91WithItsTag)
{
    cJob job;
    XmlNode node = rootOf(QStringLiteral("<X/>"));
    const std::pair<const char *, std::function<void()>> calls[] = {
        {"GetDefaultDescription", [&] { job.GetDefaultDescription(); }}, {"GetSchedule", [&] { job.GetSchedule(); }},
        {"GetProperties", [&] { job.GetProperties(); }}, {"GetFreeDefinition", [&] { job.GetFreeDefinition(); }},
        {"GetType", [&] { job.GetType(); }}, {"GetSubType", [&] { job.GetSubType(); }},
        {"GetDocumentation", [&] { job.GetDocumentation(); }},
        {"SetDocumentation", [&] { job.SetDocumentation(node); }},
        {"GetExecutionEngine", [&] { job.GetExecutionEngine(); }}, {"SetSchedule", [&] { job.SetSchedule(node); }},
        {"SetProperties", [&] { job.SetProperties(node); }},
        {"SetFreeDefinition", [&] { job.SetFreeDefinition(node); }}, {"SetType", [&] { job.SetType({}); }},
        {"SetSubType", [&] { job.SetSubType({}); }}, {"SetExecutionEngine", [&] { job.SetExecutionEngine({}); }},
    };
    for (const auto &[method, call] : calls)
        expectError(91, call, QStringLiteral(" cJob.%1() ").arg(QLatin1String(method)));
    EXPECT_TRUE(job.GetJobNodeXML().isNull());
}

} // namespace
