#include "expecterror.h"
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

XmlNode rootOf(const QString &xml)
{
    return XmlNode::parse(xml).documentElement();
}

// The job text the editor returns for a FreeDefinition holding a copy of `job`.
QString returned(DocumentJobData &data, const XmlNode &job)
{
    XmlNode wrapper = XmlNode::newDocument().createElement(QStringLiteral("FreeDefinition"));
    wrapper.appendChild(job.cloneNode(true));
    data.SetDefinition(wrapper);
    return data.GetDefinition().xml();
}

XmlNode jobOf(const DocumentJobData &data)
{
    return data.GetDocument().selectSingleNode(QStringLiteral("JobDefinition"));
}

// A job is an existing one when a Sensor sits in its FreeDefinition; the text
// the editor returns for it reads back as the same job.
TEST(JobData, ExistingJobsAndTheTextReturned)
{
    const std::pair<const char *, bool> files[] = {
        {"existing-job.xml", true}, {"foreign-tool-job.xml", true}, {"new-job.xml", false}};
    for (const auto &[file, existing] : files) {
        const QString text = exampleJob(file);
        DocumentJobData data;
        data.LoadData(text);
        EXPECT_EQ(data.IsExistingJob(), existing) << file;
        EXPECT_EQ(data.text(), text);
        const QString job = jobOf(data).xml();
        const QString back = returned(data, jobOf(data));
        DocumentJobData reread;
        reread.LoadData(back);
        EXPECT_EQ(jobOf(reread).xml(), job) << file;
        EXPECT_EQ(reread.IsExistingJob(), existing) << file;
    }
    DocumentJobData data;
    EXPECT_FALSE(data.IsExistingJob());
    EXPECT_TRUE(data.GetDocument().isNull());
    EXPECT_TRUE(data.GetDefinition().isNull());
    data.LoadData(QStringLiteral("<JobDefinition><Sensor/><FreeDefinition/></JobDefinition>"));
    EXPECT_FALSE(data.IsExistingJob()) << "a Sensor outside FreeDefinition";
}

TEST(JobData, BadTextRaisesTheParserErrorAndKeepsThePreviousJob)
{
    DocumentJobData data;
    data.LoadData(exampleJob("existing-job.xml"));
    const std::pair<const char *, long> rows[] = {{"", 31004},
                                                  {"<JobDefinition><Definition></JobDefinition>", 31003},
                                                  {"job: DISK-VAR", 31003},
                                                  {"<JobDefinition><Definition>", 31004}};
    for (const auto &[text, number] : rows) {
        const Error error = raisedBy([&] { data.LoadData(QString::fromUtf8(text)); });
        EXPECT_EQ(error.number, number) << text;
        EXPECT_TRUE(error.source.contains(QStringLiteral("JobData.LoadData()"))) << error.source.toStdString();
    }
    EXPECT_TRUE(data.IsExistingJob());
    EXPECT_EQ(data.text(), exampleJob("existing-job.xml"));
}

// What surrounds the root (comments, instructions, the document type) stays,
// so that the references to entities it declares read back.
TEST(JobData, GetDefinitionKeepsWhatSurroundsTheRoot)
{
    DocumentJobData data;
    EXPECT_EQ(returned(data, rootOf(QStringLiteral("<JobDefinition/>"))),
              QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<JobDefinition/>"));
    EXPECT_THROW(returned(data, rootOf(QStringLiteral("<Sensor/>"))), Error) << "a wrapper without a job";
    data.LoadData(QStringLiteral("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<!-- before -->\n"
                                 "<JobDefinition><Old/></JobDefinition>\n<?tool after?>"));
    EXPECT_EQ(returned(data, rootOf(QStringLiteral("<JobDefinition><New/></JobDefinition>"))),
              QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- before -->\n"
                             "<JobDefinition><New/></JobDefinition>\n<?tool after?>"));
    data.LoadData(QStringLiteral("<!DOCTYPE JobDefinition PUBLIC \"-//x//jobs\" 'jobs.dtd'>"
                                 "<JobDefinition><Site>&site;</Site></JobDefinition>"));
    const QString back = returned(data, jobOf(data));
    EXPECT_TRUE(back.contains(QStringLiteral("<!DOCTYPE JobDefinition PUBLIC \"-//x//jobs\" \"jobs.dtd\">")))
        << back.toStdString();
    DocumentJobData reread;
    reread.LoadData(back);
    EXPECT_EQ(jobOf(reread).xml(), QStringLiteral("<JobDefinition><Site>&site;</Site></JobDefinition>"));
}

// Opening a job from a file tells once what a save will change and what an
// edit of a script changes beyond the edit, and nothing when there is neither.
TEST(JobData, OpeningTellsWhatASaveChanges)
{
    const struct
    {
        const char *from, *to;
        QStringList says;            // the prompt starts with the first and holds the others
    } rows[] = {
        {"", "", {}},
        {"<Language><![CDATA[VBScript]]></Language>", "<Language><![CDATA[PerlScript]]></Language>",
         {QStringLiteral("Saving changes:\r- "), QStringLiteral("\"PerlScript\" will be saved as VBScript")}},
        {"Main = (pSsrValue >= 95)", "Main = (pSsrValue >=\u00A095)\u2028",
         {QStringLiteral("Editing:\r- "),
          QStringLiteral("EvalData[Type='2']/Script/EvalCode holds 1 \u00D7 U+00A0, which a script pane shows as a "
                         "blank: kept while the script is not edited, saved as shown once it is"),
          QStringLiteral("1 \u00D7 U+2028, which a script pane shows as a line break")}},
    };
    for (const auto &row : rows) {
        QStringList prompts;
        ui::ScopedMsgBoxHandler capture([&](const QString &prompt, int, const QString &) {
            prompts << prompt;
            return int(ui::Ok);
        });
        const QString text = exampleJob("existing-job.xml").replace(QString::fromUtf8(row.from), QString::fromUtf8(row.to));
        hostkit::tellSavingChanges(text, QStringLiteral("Veltrano"), QStringLiteral("Saving changes:"), QStringLiteral("Editing:"));
        ASSERT_EQ(prompts.size(), row.says.isEmpty() ? 0 : 1) << prompts.join(u'\n').toStdString();
        for (const QString &piece : row.says)
            EXPECT_TRUE(piece == row.says[0] ? prompts[0].startsWith(piece) : prompts[0].contains(piece))
                << prompts[0].toStdString();
    }
}

// The log names the job by its name and description, else by the host's text.
TEST(JobData, LogTextNamesTheJob)
{
    DocumentJobData data;
    data.LoadData(exampleJob("existing-job.xml"));
    EXPECT_EQ(data.GetLogText(), QStringLiteral("DISK-VAR: Used space of the file system that holds /var, in percent"));
    data.LoadData(exampleJob("foreign-tool-job.xml"));
    EXPECT_EQ(data.GetLogText(), QStringLiteral("Comprobación de la cola de pedidos — señal «crítica» en Sevilla"));
    data.LoadData(exampleJob("new-job.xml"));
    EXPECT_EQ(data.GetLogText(), QString());
    DocumentJobData::setDefaultLogText(QStringLiteral("jobs/disk.xml"));
    EXPECT_EQ(data.GetLogText(), QStringLiteral("jobs/disk.xml"));
    DocumentJobData::setDefaultLogText(QString());
}

} // namespace
