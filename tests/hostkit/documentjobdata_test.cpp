#include "errorcore/error.h"
#include "hostkit/documentjobdata.h"
#include "hostkit/savingnotice.h"
#include "platform/ui/msgbox.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace {

using hostkit::DocumentJobData;

QString exampleJob(const char *name)
{
    return readTextFile(QStringLiteral(VT_EXAMPLES_DIR "/jobs/") + QString::fromLatin1(name));
}

// Wraps a copy of the document's JobDefinition as the editor hands it over.
XmlNode wrapped(const XmlNode &document)
{
    XmlNode wrapper = XmlNode::newDocument().createElement(QStringLiteral("FreeDefinition"));
    wrapper.appendChild(document.selectSingleNode(QStringLiteral("JobDefinition")).cloneNode(true));
    return wrapper;
}

struct ExistingRow
{
    const char *name;
    const char *file;
    bool existing;
};

class JobDataExample : public ::testing::TestWithParam<ExistingRow>
{
};

TEST_P(JobDataExample, IsExistingJobFollowsTheSensorInFreeDefinition)
{
    const QString text = exampleJob(GetParam().file);
    ASSERT_FALSE(text.isEmpty());
    DocumentJobData data;
    data.LoadData(text);
    EXPECT_EQ(data.IsExistingJob(), GetParam().existing);
    EXPECT_EQ(data.text(), text);
    EXPECT_EQ(data.GetDocument().selectSingleNode(QStringLiteral("JobDefinition")).nodeName(),
              QStringLiteral("JobDefinition"));
}

// The text the editor returns reads back as the same job.
TEST_P(JobDataExample, GetDefinitionIsAJobTextThatReadsBack)
{
    DocumentJobData data;
    data.LoadData(exampleJob(GetParam().file));
    const XmlNode job = data.GetDocument().selectSingleNode(QStringLiteral("JobDefinition"));
    data.SetDefinition(wrapped(data.GetDocument()).cloneNode(true));
    const QString returned = data.GetDefinition().xml();
    EXPECT_TRUE(returned.startsWith(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<")))
        << returned.left(80).toStdString();
    EXPECT_FALSE(returned.contains(QStringLiteral("FreeDefinition><JobDefinition")));

    DocumentJobData reread;
    reread.LoadData(returned);
    EXPECT_EQ(reread.GetDocument().selectSingleNode(QStringLiteral("JobDefinition")).xml(), job.xml());
    EXPECT_EQ(reread.IsExistingJob(), GetParam().existing);
}

const ExistingRow existingRows[] = {
    {"ExistingJob", "existing-job.xml", true},
    {"ForeignToolJob", "foreign-tool-job.xml", true},
    {"NewJob", "new-job.xml", false},
};

INSTANTIATE_TEST_SUITE_P(JobData, JobDataExample, ::testing::ValuesIn(existingRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(JobData, SensorOutsideFreeDefinitionIsANewJob)
{
    DocumentJobData data;
    data.LoadData(QStringLiteral("<JobDefinition><Sensor/><FreeDefinition/></JobDefinition>"));
    EXPECT_FALSE(data.IsExistingJob());
    data.LoadData(QStringLiteral("<JobDefinition><FreeDefinition><Sensor/></FreeDefinition></JobDefinition>"));
    EXPECT_TRUE(data.IsExistingJob());
}

TEST(JobData, NothingLoadedIsANewJobWithoutDocument)
{
    DocumentJobData data;
    EXPECT_FALSE(data.IsExistingJob());
    EXPECT_TRUE(data.GetDocument().isNull());
    EXPECT_TRUE(data.GetDefinition().isNull());
    EXPECT_EQ(data.GetLogText(), QString());
}

struct BadTextRow
{
    const char *name;
    const char *text;
    long number;
};

class JobDataBadText : public ::testing::TestWithParam<BadTextRow>
{
};

TEST_P(JobDataBadText, RaisesTheParserErrorAndKeepsThePreviousJob)
{
    DocumentJobData data;
    data.LoadData(exampleJob("existing-job.xml"));
    try {
        data.LoadData(QString::fromUtf8(GetParam().text));
        FAIL() << "bad text must raise";
    } catch (const Error &error) {
        EXPECT_EQ(error.number, GetParam().number);
        EXPECT_TRUE(error.source.contains(QStringLiteral("JobData.LoadData()"))) << error.source.toStdString();
    }
    EXPECT_TRUE(data.IsExistingJob());
    EXPECT_EQ(data.text(), exampleJob("existing-job.xml"));
}

const BadTextRow badTextRows[] = {
    {"Empty", "", 31004},
    {"Unclosed", "<JobDefinition><Definition></JobDefinition>", 31003},
    {"NotXml", "job: DISK-VAR", 31003},
    {"Truncated", "<JobDefinition><Definition>", 31004},
};

INSTANTIATE_TEST_SUITE_P(JobData, JobDataBadText, ::testing::ValuesIn(badTextRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(JobData, GetDefinitionKeepsTheCommentsAroundTheRoot)
{
    DocumentJobData data;
    data.LoadData(QStringLiteral("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<!-- before -->\n"
                                 "<JobDefinition><Old/></JobDefinition>\n<?tool after?>"));
    XmlNode wrapper = XmlNode::parse(QStringLiteral("<FreeDefinition><JobDefinition><New/></JobDefinition>"
                                                    "</FreeDefinition>")).documentElement();
    data.SetDefinition(wrapper);
    EXPECT_EQ(data.GetDefinition().xml(),
              QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- before -->\n"
                             "<JobDefinition><New/></JobDefinition>\n<?tool after?>"));
}

// A document type stays, so that the references to entities it declares
// read back.
TEST(JobData, GetDefinitionKeepsTheDocumentType)
{
    DocumentJobData data;
    data.LoadData(QStringLiteral("<!DOCTYPE JobDefinition PUBLIC \"-//x//jobs\" 'jobs.dtd'>"
                                 "<JobDefinition><Site>&site;</Site></JobDefinition>"));
    data.SetDefinition(wrapped(data.GetDocument()));
    const QString returned = data.GetDefinition().xml();
    EXPECT_TRUE(returned.contains(QStringLiteral("<!DOCTYPE JobDefinition PUBLIC \"-//x//jobs\" \"jobs.dtd\">")))
        << returned.toStdString();
    DocumentJobData reread;
    reread.LoadData(returned);
    EXPECT_EQ(reread.GetDocument().selectSingleNode(QStringLiteral("JobDefinition")).xml(),
              QStringLiteral("<JobDefinition><Site>&site;</Site></JobDefinition>"));
}

// Opening a job from a file tells once what a save will change, and only
// when it changes something.
TEST(JobData, OpeningTellsWhatASaveChanges)
{
    QStringList prompts;
    ui::ScopedMsgBoxHandler capture([&](const QString &prompt, int, const QString &) {
        prompts << prompt;
        return int(ui::Ok);
    });
    const QString job = exampleJob("existing-job.xml");
    hostkit::tellSavingChanges(job, QStringLiteral("Veltrano"), QStringLiteral("Saving changes:"));
    EXPECT_TRUE(prompts.isEmpty()) << prompts.join(QLatin1Char('\n')).toStdString();
    QString perl = job;
    perl.replace(QStringLiteral("<Language><![CDATA[VBScript]]></Language>"),
                 QStringLiteral("<Language><![CDATA[PerlScript]]></Language>"));
    ASSERT_NE(perl, job);
    hostkit::tellSavingChanges(perl, QStringLiteral("Veltrano"), QStringLiteral("Saving changes:"));
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_TRUE(prompts[0].startsWith(QStringLiteral("Saving changes:\r- ")) && prompts[0].contains(QStringLiteral("\"PerlScript\" will be saved as VBScript")))
        << prompts[0].toStdString();
}

TEST(JobData, GetDefinitionWithoutLoadedTextIsDeclarationAndJob)
{
    DocumentJobData data;
    data.SetDefinition(XmlNode::parse(QStringLiteral("<FreeDefinition><JobDefinition/></FreeDefinition>"))
                           .documentElement());
    EXPECT_EQ(data.GetDefinition().xml(),
              QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<JobDefinition/>"));
}

TEST(JobData, GetDefinitionOfAWrapperWithoutJobIsNull)
{
    DocumentJobData data;
    data.SetDefinition(XmlNode::parse(QStringLiteral("<FreeDefinition><Sensor/></FreeDefinition>")).documentElement());
    EXPECT_TRUE(data.GetDefinition().isNull());
    EXPECT_THROW(data.GetDefinition().xml(), Error);
}

TEST(JobData, InterfaceLanguageComesFromTheHost)
{
    DocumentJobData data;
    EXPECT_EQ(data.GetInterfaceLanguage(), QStringLiteral("en"));
    DocumentJobData::setDefaultInterfaceLanguage(QStringLiteral("es"));
    EXPECT_EQ(data.GetInterfaceLanguage(), QStringLiteral("es"));
    data.setInterfaceLanguage(QStringLiteral("fr"));
    EXPECT_EQ(data.GetInterfaceLanguage(), QStringLiteral("fr"));
    DocumentJobData::setDefaultInterfaceLanguage(QStringLiteral("en"));
    EXPECT_EQ(DocumentJobData().GetInterfaceLanguage(), QStringLiteral("en"));
}

TEST(JobData, LogTextNamesTheJob)
{
    DocumentJobData data;
    data.LoadData(exampleJob("existing-job.xml"));
    EXPECT_EQ(data.GetLogText(),
              QStringLiteral("DISK-VAR: Used space of the file system that holds /var, in percent"));
    data.LoadData(exampleJob("foreign-tool-job.xml"));
    EXPECT_EQ(data.GetLogText(), QStringLiteral("Comprobación de la cola de pedidos — señal «crítica» en Sevilla"));
    data.LoadData(exampleJob("new-job.xml"));
    EXPECT_EQ(data.GetLogText(), QString());

    DocumentJobData::setDefaultLogText(QStringLiteral("jobs/disk.xml"));
    EXPECT_EQ(data.GetLogText(), QStringLiteral("jobs/disk.xml"));
    data.setLogText(QStringLiteral("disk job"));
    EXPECT_EQ(data.GetLogText(), QStringLiteral("disk job"));
    DocumentJobData::setDefaultLogText(QString());
}

} // namespace
