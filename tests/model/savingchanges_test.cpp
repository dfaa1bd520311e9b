#include "model/savingchanges.h"
#include "modeltest.h"

namespace {

TEST(SavingChanges, ListsWhatASaveChanges)
{
    const QString sensor = QStringLiteral("JobDefinition/FreeDefinition/Sensor/");
    const QString danger = sensor + QStringLiteral("EvaluationData/Values/EvalData[Type='2']/");
    const struct
    {
        const char *from; // replaced in the job text (empty: the text as it is)
        const char *to;
        QStringList expected;
    } rows[] = {
        {"", "", {}},
        {"<Language>VBScript</Language><EvalCode>Function", "<Language>PerlScript</Language><EvalCode>Function",
         {sensor + QStringLiteral("Script/Language \"PerlScript\" will be saved as VBScript")}},
        {"<Language>JScript</Language>", "<Language>jscript</Language>",
         {danger + QStringLiteral("Script/Language \"jscript\" will be saved as VBScript")}},
        {"<Evaluation>1</Evaluation>", "<Evaluation>yes</Evaluation>",
         {sensor + QStringLiteral("EvaluationData/Evaluation \"yes\" is not a number and will be saved as 0")}},
        {"<Quantity>1</Quantity>", "<Quantity>ten</Quantity>",
         {sensor + QStringLiteral("Quantity \"ten\" is not a number and will be saved as 0")}},
        {"<Status>1</Status>", "<Status>2</Status>", {sensor + QStringLiteral("Status \"2\" will be saved as 1")}},
        {"<Quantity>3</Quantity>", "<Quantity>2.5</Quantity>",
         {sensor + QStringLiteral("DataPersistence/Quantity \"2.5\" will be saved as 2")}},
        {"<ReferenceValue>90</ReferenceValue>", "<ReferenceValue>0.12345678901234567</ReferenceValue>",
         {danger + QStringLiteral("ReferenceValue \"0.12345678901234567\" will be saved as 0.123456789012346")}},
        {"<ReferenceValue>90</ReferenceValue>", "<ReferenceValue>86,25</ReferenceValue>",
         {danger + QStringLiteral("ReferenceValue \"86,25\" will be saved as 86.25")}},
        {"Function Main()\nMain = 1\nEnd Function", "  ",
         {sensor + QStringLiteral("Script/EvalCode is empty and will be saved as the default script")}},
        {"<Type>SENSOR</Type>", "<Type>BACKUP</Type>",
         {QStringLiteral("JobDefinition/Definition/Type \"BACKUP\" will be saved as SENSOR")}},
        {"</Sensor></FreeDefinition>", "</Sensor><Sensor/><Note>x</Note></FreeDefinition>",
         {QStringLiteral("JobDefinition/FreeDefinition holds another Sensor, which will be dropped"),
          QStringLiteral("JobDefinition/FreeDefinition/Note will be dropped")}},
        // A save keeps the document type and the references it leaves unresolved.
        {"<JobDefinition>\n  <Definition>", "<!DOCTYPE JobDefinition SYSTEM \"job.dtd\"><JobDefinition>\n  <Definition>&site;",
         {}},
        {"<Status>1</Status>", "<Status b=\"1\" a=\"2\">1</Status>",
         {sensor + QStringLiteral("Status will have its attributes in the order a, b")}},
        // Values that make the editor refuse the job are that error's business.
        {"<ReferenceValue>90</ReferenceValue><", "<ReferenceValue>ten</ReferenceValue><", {}},
        {"<Events><!----></Events>", "<Events/>",
         {danger + QStringLiteral("Events is empty and will be saved with the default event OnReach")}},
        // Spelling a save writes otherwise, each place; the white space between tags is formatting.
        {"<Status>1</Status>", "<Status a='1' >1</Status>\t<Notes></Notes>",
         {sensor + QStringLiteral("Status (line 7): \"<Status a='1' >\" will be written as \"<Status a=\"1\">\""),
          sensor + QStringLiteral("Notes (line 7): \"<Notes></Notes>\" will be written as \"<Notes/>\"")}},
        // A file's line ends are read as LF: CR LF or CR written as LF is no change.
        {"Main = 1\n", "Main = 1\r\n", {}},
        {"Main = 1\n", "Main = 1\r", {}},
    };
    for (const auto &row : rows) {
        // Each level holds something, so that none gets the default event.
        QString text = sensorJobWith().replace(QStringLiteral("<Events/>"), QStringLiteral("<Events><!----></Events>"));
        text.replace(text.indexOf(QString::fromUtf8(row.from)), qstrlen(row.from), QString::fromUtf8(row.to));
        EXPECT_EQ(savingChanges(text).join(u'\n').toStdString(), row.expected.join(u'\n').toStdString()) << row.to;
    }
}

} // namespace
