// Evaluate runs in the job file's folder: the sample database job opens a relative SQLite path.
#include "editorhost.h"

#include "hostkit/jobfile.h"

#include <QDir>
#include <QLocale>
#include <functional>
#include <QLineEdit>
#include <QTemporaryDir>

TEST(JobFile, RelativePathsResolveAgainstTheJobFilesFolder)
{
    const QString jobs = sourcePath(QStringLiteral("examples/jobs")), before = QDir::currentPath();
    QTemporaryDir elsewhere;
    const std::pair<QString, QString> rows[] = {{jobs + QStringLiteral("/database-job.xml"), elsewhere.path()},
                                                {QString(), jobs}};   // job file named, folder started in
    for (const auto &[jobFile, startedIn] : rows) {
        ASSERT_TRUE(QDir::setCurrent(startedIn));
        EditorHost host("database-job.xml");
        host.editor->Engine_SetJobFile(jobFile);
        QString value;
        ui::ScopedModalHandler modal([&](QDialog &dialog) {
            dialog.show();   // the dialog fills its fields as it is shown
            value = dialog.findChild<QLineEdit *>("txtValue")->text();
            return int(QDialog::Accepted);
        });
        host.find<QAction>(QStringLiteral("ID_Evaluate"))->trigger();
        EXPECT_EQ(value, QStringLiteral("7")) << host.capture.boxes.value(0).prompt.toStdString();
        EXPECT_EQ(QDir::currentPath(), QFileInfo(startedIn).canonicalFilePath()) << jobFile.toStdString();
    }
    QDir::setCurrent(before);
}

// Runs a test under another default locale and puts the old one back.
struct LocaleGuard
{
    explicit LocaleGuard(const char *name) { QLocale::setDefault(QLocale(QLatin1String(name))); }
    ~LocaleGuard() { QLocale::setDefault(saved); }
    QLocale saved;
};

// One edit in the editor changes that one thing in the file the desktop
// editor writes, whatever else the job holds (comments and instructions
// anywhere, elements the editor does not know at every level, the same
// element twice, references), and no edit changes nothing.
TEST(JobFile, OneEditChangesThatOneThingWhateverElseTheJobHolds)
{
    const std::pair<const char *, const char *> jobs[] = {
        {"", ""},
        {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n", ""},
        {"version=\"1.0\" encoding=\"UTF-8\"", "version='1.0' encoding='UTF-8' standalone='yes'"},
        {"<JobDefinition>", "<?tool a='1'?><!-- c --><JobDefinition xmlns:n=\"urn:n\" xml:space=\"default\">"},
        {"<Status>1</Status>", "<!-- s --><?pi y?><Status>1</Status><n:Newer xmlns:n=\"urn:n\">7</n:Newer><Status>0</Status>"},
        {"<ReferenceValue>95</ReferenceValue>", "<!--r--><ReferenceValue><!--v-->95</ReferenceValue><Hysteresis/>"},
        {"<Language><![CDATA[VBScript]]></Language>\n        <EvalCode>",
         "<Timeout>30</Timeout><Language><![CDATA[VBScript]]></Language><?p?><EvalCode><!-- x -->"},
        {"<Name><![CDATA[OnLeave]]></Name>", "<Name><![CDATA[OnLeave]]></Name><Delay>5</Delay>"},
        {"</Values>", "<Extra a=\"&amp;&#10;&#9;\"/></Values><Extra/>"},
        {"</JobDefinition>", "<NewerTop><X>1</X></NewerTop></JobDefinition><!-- end -->"},
        {"<Evaluation>1</Evaluation>", "<Evaluation>1</Evaluation><Mode/>"},
        {"\tDim fso, drive\n", "\tDim fso, drive]]>&#13;\n<![CDATA[\tMain = \"a\rb\"\r\n"},
        {"<Quantity>3</Quantity>", "<Quantity><!--q-->3</Quantity>"},
        {"<ReferenceValue>85.5</ReferenceValue>", "<ReferenceValue>85.5<?v?></ReferenceValue>"},
    };
    const auto type = [](QLineEdit *box, const char *text) { box->setText(QString::fromUtf8(text)); };
    const struct
    {
        const char *name, *locale;
        std::function<void(const EditorControls &)> edit;
        const char *from, *to;       // in the job text
    } edits[] = {
        {"None", "en_US", [](const EditorControls &) {}, "", ""},
        {"Active", "en_US", [](const EditorControls &c) { c.chkActive->click(); }, "<Status>1</Status>", "<Status>0</Status>"},
        {"Persistence", "de_DE", [&](const EditorControls &c) { type(c.pvDataPersistence, "1.004"); },
         "3</Quantity>", "1004</Quantity>"},
        {"Reference", "de_DE", [&](const EditorControls &c) { type(c.pvWarningRef, "1.234,5"); },
         ">85.5<", ">1234.5<"},
        {"ReferenceFrench", "fr_FR", [&](const EditorControls &c) { type(c.pvWarningRef, "-1\u202F234,25"); },
         ">85.5<", ">-1234.25<"},
        {"ReferenceSpanish", "es_ES", [&](const EditorControls &c) { type(c.pvWarningRef, "1E+308"); },
         ">85.5<", ">1E+308<"},
        {"GoodScript", "en_US",
         [](const EditorControls &c) {
             c.rtfScriptGood->setPlainText(c.rtfScriptGood->toPlainText().replace("< 85", "< 80"));
         },
         "Main = (pSsrValue < 85)", "Main = (pSsrValue < 80)"},
    };
    const xmlfile::Encoding utf8;
    for (const auto &[from, to] : jobs) {
        const QString job = exampleJob(QStringLiteral("existing-job.xml")).replace(QString::fromUtf8(from), QString::fromUtf8(to));
        for (const auto &edit : edits) {
            SCOPED_TRACE(std::string(edit.name) + " in a job with " + to);
            LocaleGuard locale(edit.locale);
            EditorHost host;
            host.open(job);
            edit.edit(host.controls);
            ASSERT_TRUE(host.editor->Engine_Validate()) << host.capture.boxes.value(0).prompt.toStdString();
            const QString expected = QString(job).replace(QString::fromUtf8(edit.from), QString::fromUtf8(edit.to));
            EXPECT_EQ(QString::fromUtf8(hostkit::jobFileBytes(host.editor->Engine_GetData(), utf8)).toStdString(),
                      QString::fromUtf8(hostkit::jobFileBytes(expected, utf8)).toStdString());
        }
    }
}
