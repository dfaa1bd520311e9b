#include "model/cjob.h"
#include "modeltest.h"

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
    void SetUp() override
    {
        document = XmlNode::parse(QString::fromUtf8(jobXml));
        job.SetJobNodeXML(document.selectSingleNode(QStringLiteral("JobDefinition")));
    }
    XmlNode jobNode() const { return document.selectSingleNode(QStringLiteral("JobDefinition")); }

    XmlNode document;
    cJob job;
};

TEST_F(JobTest, TypeFieldsWrittenIntoAnEmptyElementBecomeOneCData)
{
    job.SetType(QStringLiteral("SENSOR"));
    const XmlNode type = jobNode().selectSingleNode(QStringLiteral("Definition/Type"));
    ASSERT_EQ(type.childNodes().size(), 1);
    EXPECT_EQ(type.firstChild().nodeType(), int(XmlNode::CDATASection));
    job.SetType(QStringLiteral("SENSOR2"));
    EXPECT_EQ(type.childNodes().size(), 1) << "a second write adds no node";
    EXPECT_EQ(job.GetType(), QStringLiteral("SENSOR2"));
}

TEST_F(JobTest, PlainTextIsReplacedInPlace)
{
    job.SetSubType(QStringLiteral("SCRIPT"));
    const XmlNode subType = jobNode().selectSingleNode(QStringLiteral("Definition/SubType"));
    ASSERT_EQ(subType.childNodes().size(), 1);
    EXPECT_EQ(subType.firstChild().nodeType(), int(XmlNode::Text));
    EXPECT_EQ(subType.text(), QStringLiteral("SCRIPT"));
}

TEST_F(JobTest, ReadsAreTrimmed)
{
    EXPECT_EQ(job.GetSubType(), QStringLiteral("SCRIPT"));
    EXPECT_EQ(job.GetExecutionEngine(), QStringLiteral("SENSOR"));
    job.SetExecutionEngine(QStringLiteral("  SENSOR "));
    EXPECT_EQ(job.GetExecutionEngine(), QStringLiteral("SENSOR"));
}

TEST_F(JobTest, DefaultDescriptionIsTheDefaultLanguage)
{
    EXPECT_EQ(job.GetDefaultDescription(), QStringLiteral("Free space"));
}

TEST(JobDescription, WithoutDefaultTheFirstLanguageIsShown)
{
    XmlNode root = rootOf(QStringLiteral(
        "<JobDefinition><Definition><Properties><Description><Languages>"
        "<Language><Default>0</Default><Description>Primera</Description></Language>"
        "<Language><Default>0</Default><Description>Second</Description></Language>"
        "</Languages></Description></Properties></Definition></JobDefinition>"));
    cJob job;
    job.SetJobNodeXML(root);
    EXPECT_EQ(job.GetDefaultDescription(), QStringLiteral("Primera"));
}

TEST(JobDescription, EmptyLanguagesRaises91)
{
    cJob job;
    job.SetJobNodeXML(rootOf(QStringLiteral(
        "<JobDefinition><Definition><Properties><Description><Languages/></Description></Properties>"
        "</Definition></JobDefinition>")));
    expectError(91, QStringLiteral(" cJob.GetDefaultDescription() "), [&] { job.GetDefaultDescription(); });
}

TEST_F(JobTest, DocumentationIsAddedOnceWhenMissing)
{
    const XmlNode first = job.GetDocumentation();
    EXPECT_EQ(first.nodeName(), QStringLiteral("Documentation"));
    EXPECT_EQ(first.xml(), QStringLiteral("<Documentation><Languages/></Documentation>"));
    EXPECT_EQ(first.parentNode(), jobNode());
    const XmlNode second = job.GetDocumentation();
    EXPECT_EQ(second, first);
    EXPECT_EQ(jobNode().selectNodes(QStringLiteral("Documentation")).size(), 1);
}

TEST_F(JobTest, SetScheduleAppendsTheVeryNodeLast)
{
    XmlNode schedule = document.createElement(QStringLiteral("Schedule"));
    job.SetSchedule(schedule);
    EXPECT_EQ(jobNode().lastChild(), schedule);
    EXPECT_EQ(jobNode().selectNodes(QStringLiteral("Schedule")).size(), 1);
    schedule.setAttribute(QStringLiteral("changed"), QStringLiteral("yes"));
    EXPECT_EQ(job.GetSchedule().attribute(QStringLiteral("changed")), QStringLiteral("yes"));
}

TEST_F(JobTest, SetScheduleFromAnotherDocumentHandsBackTheNodeInTheJob)
{
    XmlNode schedule = rootOf(QStringLiteral("<Schedule><Every>60</Every></Schedule>"));
    job.SetSchedule(schedule);
    EXPECT_EQ(schedule, job.GetSchedule());
    EXPECT_EQ(job.GetSchedule().text(), QStringLiteral("60"));
}

TEST(JobSchedule, OnlyTheFirstOfTwoSchedulesIsReplaced)
{
    XmlNode root = rootOf(QStringLiteral("<JobDefinition><Schedule>a</Schedule><Schedule>b</Schedule></JobDefinition>"));
    cJob job;
    job.SetJobNodeXML(root);
    XmlNode schedule = root.createElement(QStringLiteral("Schedule"));
    schedule.setText(QStringLiteral("c"));
    job.SetSchedule(schedule);
    EXPECT_EQ(root.xml(), QStringLiteral("<JobDefinition><Schedule>b</Schedule><Schedule>c</Schedule></JobDefinition>"));
}

TEST_F(JobTest, SetDocumentationCopiesAndLeavesTheCallersNode)
{
    const XmlNode mine = rootOf(QStringLiteral("<Documentation><Languages><Language>x</Language></Languages></Documentation>"));
    job.SetDocumentation(mine);
    EXPECT_TRUE(mine.parentNode().nodeType() == XmlNode::Document) << "the caller's node keeps its place";
    EXPECT_NE(job.GetDocumentation(), mine);
    EXPECT_EQ(job.GetDocumentation().xml(), mine.xml());
    job.SetDocumentation(mine);
    EXPECT_EQ(jobNode().selectNodes(QStringLiteral("Documentation")).size(), 1);
}

TEST_F(JobTest, SetPropertiesMovesThemBehindTheTypeFields)
{
    XmlNode properties = job.GetProperties();
    job.SetProperties(properties);
    const XmlNode definition = jobNode().selectSingleNode(QStringLiteral("Definition"));
    EXPECT_EQ(definition.lastChild().nodeName(), QStringLiteral("Properties"));
    EXPECT_EQ(definition.firstChild().nodeName(), QStringLiteral("Type"));
    EXPECT_EQ(definition.selectNodes(QStringLiteral("Properties")).size(), 1);
}

TEST(JobProperties, WithoutDefinitionRaises91)
{
    cJob job;
    job.SetJobNodeXML(rootOf(QStringLiteral("<JobDefinition/>")));
    XmlNode properties = rootOf(QStringLiteral("<Properties/>"));
    expectError(91, QStringLiteral(" cJob.SetProperties() "), [&] { job.SetProperties(properties); });
}

TEST_F(JobTest, SetFreeDefinitionReplacesAndAppendsLast)
{
    XmlNode free = rootOf(QStringLiteral("<FreeDefinition><Sensor><Status>1</Status></Sensor></FreeDefinition>"));
    job.SetFreeDefinition(free);
    EXPECT_EQ(jobNode().lastChild().nodeName(), QStringLiteral("FreeDefinition"));
    EXPECT_EQ(jobNode().selectNodes(QStringLiteral("FreeDefinition")).size(), 1);
    EXPECT_EQ(job.GetFreeDefinition().selectSingleNode(QStringLiteral("Sensor/Status")).text(), QStringLiteral("1"));
}

TEST(JobMissing, LookupsWithoutTheElementGiveNothing)
{
    cJob job;
    job.SetJobNodeXML(rootOf(QStringLiteral("<JobDefinition><Definition/></JobDefinition>")));
    EXPECT_TRUE(job.GetSchedule().isNull());
    EXPECT_TRUE(job.GetProperties().isNull());
    EXPECT_TRUE(job.GetFreeDefinition().isNull());
    expectError(91, QStringLiteral(" cJob.GetType() "), [&] { job.GetType(); });
    expectError(91, QStringLiteral(" cJob.SetType() "), [&] { job.SetType(QStringLiteral("SENSOR")); });
}

// Every operation but the binding one needs a bound job.
TEST(JobUnbound, EveryOperationRaises91WithItsTag)
{
    cJob job;
    XmlNode node = rootOf(QStringLiteral("<X/>"));
    const std::vector<std::pair<const char *, std::function<void()>>> calls = {
        {" cJob.GetDefaultDescription() ", [&] { job.GetDefaultDescription(); }},
        {" cJob.SetType() ", [&] { job.SetType({}); }},
        {" cJob.SetSubType() ", [&] { job.SetSubType({}); }},
        {" cJob.SetExecutionEngine() ", [&] { job.SetExecutionEngine({}); }},
        {" cJob.GetSchedule() ", [&] { job.GetSchedule(); }},
        {" cJob.GetProperties() ", [&] { job.GetProperties(); }},
        {" cJob.GetFreeDefinition() ", [&] { job.GetFreeDefinition(); }},
        {" cJob.GetType() ", [&] { job.GetType(); }},
        {" cJob.GetSubType() ", [&] { job.GetSubType(); }},
        {" cJob.GetDocumentation() ", [&] { job.GetDocumentation(); }},
        {" cJob.SetDocumentation() ", [&] { job.SetDocumentation(node); }},
        {" cJob.GetExecutionEngine() ", [&] { job.GetExecutionEngine(); }},
        {" cJob.SetSchedule() ", [&] { job.SetSchedule(node); }},
        {" cJob.SetProperties() ", [&] { job.SetProperties(node); }},
        {" cJob.SetFreeDefinition() ", [&] { job.SetFreeDefinition(node); }},
    };
    for (const auto &[tag, call] : calls)
        expectError(91, QString::fromLatin1(tag), call);
    EXPECT_TRUE(job.GetJobNodeXML().isNull());
}

} // namespace
