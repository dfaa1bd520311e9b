// sensor-script resave as a job repository's check runs it, and the other
// commands reading their files as the editor does: never a byte replaced.
#include "platform/xml/xmlnode.h"
#include "runprogram.h"
#include "testsupport.h"

#include <QDir>
#include <functional>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

// The example job with `from` replaced by `to`, written as in.dir/job.xml in `encoding`.
void writeJob(Inputs &in, const QString &from = {}, const QString &to = {}, const char *encoding = "UTF-8")
{
    QString text = readTextFile(sourcePath(QStringLiteral("examples/jobs/existing-job.xml")));
    if (!from.isEmpty())
        text.replace(from, to);
    text.replace(QStringLiteral("encoding=\"UTF-8\""), QStringLiteral("encoding=\"%1\"").arg(QLatin1String(encoding)));
    in.write(QStringLiteral("job.xml"), QByteArrayView(encoding) == "UTF-8" ? text.toUtf8() : text.toLatin1());
}

TEST(Resave, SavesOrSaysWhyNot)
{
    const struct
    {
        const char *from, *to;
        int exitCode;
        const char *message; // on standard error
    } rows[] = {
        {"", "", 0, ""},
        {"Function Main(pSsrValue)\n\tMain = (pSsrValue >= 85 And pSsrValue < 95)\nEnd Function", "", 1,
         "job.xml: not saved\n  Warning Script Must Be Filled In.\n"},
        {"<JobDefinition>", "<Report><JobDefinition>", 2, "job.xml: line "},
        {"JobDefinition>", "Report>", 2, "job.xml is not a job definition: its root element is <Report>"},
        {"encoding=\"UTF-8\"?>", "encoding=\"US-ASCII\"?><!-- Señal -->", 2,
         "job.xml: byte 48 (line 1, column 49) is not valid US-ASCII"},
        {"<UnitTime>2</UnitTime>", "<UnitTime>7</UnitTime>", 2, "the editor cannot show the job"},
        {"<Status>1</Status>", "<Status>2</Status>", 1, "Status \"2\" will be saved as 1"},
        // <Bulk/> stands for 4,000 elements with an attribute each.
        {"<Documentation>", "<Documentation><Bulk/>", 2, "more than 20 bytes of memory per byte of its file"},
    };
    for (const auto &row : rows) {
        Inputs in;
        writeJob(in, QString::fromUtf8(row.from),
                 QString::fromUtf8(row.to).replace(QStringLiteral("<Bulk/>"), QStringLiteral("<a k='v'/>").repeated(4000)));
        expectRun(in.run({QStringLiteral("resave"), QStringLiteral("@job.xml"), QStringLiteral("@out.xml")}),
                  {{}, row.exitCode, nullptr, row.message});
        EXPECT_EQ(QFile::exists(in.dir.filePath(QStringLiteral("out.xml"))), row.exitCode == 0) << row.message;
    }
}

// The sample jobs save as they are, byte for byte; the foreign one is there
// to show a conversion, which resave lists and --force makes, and the new
// one holds no sensor yet: saving it makes one.
TEST(Resave, TheSampleJobsSaveUnchanged)
{
    for (const QString &name : QDir(sourcePath(QStringLiteral("examples/jobs"))).entryList({QStringLiteral("*.xml")})) {
        SCOPED_TRACE(name.toStdString());
        if (name == QLatin1String("new-job.xml"))
            continue;
        Inputs in;
        const QString original = sourcePath(QStringLiteral("examples/jobs/") + name);
        ASSERT_TRUE(QFile::copy(original, in.dir.filePath(QStringLiteral("job.xml"))));
        const bool foreign = name.startsWith(QLatin1String("foreign"));
        expectRun(in.run({QStringLiteral("resave"), QStringLiteral("@job.xml")}),
                  {{}, foreign ? 1 : 0, nullptr, foreign ? "will be saved as" : ""});
        EXPECT_EQ(readTextFile(in.dir.filePath(QStringLiteral("job.xml"))), readTextFile(original));
    }
}

// --force saves a job whose values the editor cannot all keep; without an
// output the job is rewritten in its own encoding.
TEST(Resave, ForceAndRewriteInPlace)
{
    Inputs in;
    writeJob(in, QStringLiteral("<Status>1</Status>"), QStringLiteral("<Status>2</Status>"));
    expectRun(in.run({QStringLiteral("resave"), QStringLiteral("--force"), QStringLiteral("@job.xml"), QStringLiteral("@out.xml")}),
              {{}, 0, nullptr, nullptr});
    EXPECT_TRUE(readTextFile(in.dir.filePath(QStringLiteral("out.xml"))).contains(QLatin1String("<Status>1</Status>")));

    writeJob(in, QStringLiteral("<Name>DISK-VAR</Name>"), QStringLiteral("<Name>Señal</Name>"), "ISO-8859-1");
    expectRun(in.run({QStringLiteral("resave"), QStringLiteral("@job.xml")}), {{}, 0, nullptr, nullptr});
    QFile file(in.dir.filePath(QStringLiteral("job.xml")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<JobDefinition>\n  <Definition>\n"));
    EXPECT_TRUE(bytes.contains("<Name>Se\xF1" "al</Name>"));
}

// The text of every script in a document, in document order.
QStringList scriptsOf(const QString &path)
{
    QStringList scripts;
    QList<XmlNode> open{XmlNode::load(path)};
    while (!open.isEmpty()) {
        const XmlNode node = open.takeFirst();
        if (node.nodeName() == QLatin1String("EvalCode"))
            scripts << node.text();
        open = node.childNodes() + open;
    }
    return scripts;
}

// Scripts that a hand or another tool wrote in other XML forms come back
// from a save with the same text, and a second save changes no byte; what a
// save cannot keep is refused with the reason.
TEST(Resave, KeepsEveryScriptExactlyWhateverFormHoldsIt)
{
    const QString generalTail =
        QStringLiteral("\tMain = Round(100 * (drive.TotalSize - drive.FreeSpace) / drive.TotalSize, 1)\nEnd Function]]>");
    const QString general = QStringLiteral("<![CDATA[Function Main()\n\tDim fso, drive\n\tSet fso = CreateObject(\"Scripting."
                                           "FileSystemObject\")\n\tSet drive = fso.GetDrive(fso.GetDriveName(\"/var\"))\n") + generalTail;
    const QString entity = QStringLiteral("<!DOCTYPE JobDefinition [<!ENTITY more SYSTEM \"more.vbs\">]>\n<JobDefinition>");
    const struct
    {
        const char *name;
        QString from, to;
        bool withEntity;             // the document type declares the external entity "more"
        int exitCode;
        const char *says;
    } rows[] = {
        // A save writes the two sections as one: the script is kept, the spelling is listed.
        {"SplitCData", generalTail, QStringLiteral("\tMain = 1]]><![CDATA[ + 2\nEnd Function]]>"), false, 1,
         "\\tMain = 1]]><![CDATA[ + 2\\nEnd Function]]>\" will be written as"},
        {"CDataThenText", generalTail, QStringLiteral("]]>\tMain = 3 &amp; 4\nEnd Function"), false, 0, ""},
        {"CommentBetween", generalTail, QStringLiteral("]]><!-- x --><![CDATA[\tMain = 4\nEnd Function]]>"), false, 0, ""},
        {"InstructionBetween", generalTail, QStringLiteral("]]><?tool x?>\tMain = 5\nEnd Function"), false, 0, ""},
        {"Separators", generalTail, QStringLiteral("\tMain = \"a\u2028b\u2029c\"\nEnd Function]]>"), false, 0, ""},
        {"NoBreakSpace", generalTail, QStringLiteral("\tMain = Len(\"a\u00A0b\")\nEnd Function]]>"), false, 0, ""},
        {"LineEnds", generalTail, QStringLiteral("\tMain = 8]]>&#13;\n<![CDATA[End Function]]>&#13;"), false, 0, ""},
        {"EntityInALevel", QStringLiteral("\tMain = (pSsrValue >= 95)\nEnd Function]]>"),
         QStringLiteral("\tMain = (pSsrValue >= 95)\n]]>&more;<![CDATA[End Function]]>"), true, 0, ""},
        {"OnlyAnEntity", general, QStringLiteral("&more;"), true, 1, "holds only &more;, whose text the editor does not read"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        Inputs in;
        writeJob(in, row.from, row.to);
        QString text = readTextFile(in.dir.filePath(QStringLiteral("job.xml")));
        if (row.withEntity)
            in.write(QStringLiteral("job.xml"), text.replace(QStringLiteral("<JobDefinition>"), entity).toUtf8());
        const QStringList scripts = scriptsOf(in.dir.filePath(QStringLiteral("job.xml")));
        expectRun(in.run({QStringLiteral("resave"), QStringLiteral("@job.xml"), QStringLiteral("@once.xml")}),
                  {{}, row.exitCode, nullptr, row.says});
        if (row.exitCode != 0)
            continue;
        EXPECT_EQ(scriptsOf(in.dir.filePath(QStringLiteral("once.xml"))), scripts);
        expectRun(in.run({QStringLiteral("resave"), QStringLiteral("@once.xml"), QStringLiteral("@twice.xml")}), {{}, 0, nullptr, ""});
        QFile once(in.dir.filePath(QStringLiteral("once.xml")));
        QFile twice(in.dir.filePath(QStringLiteral("twice.xml")));
        ASSERT_TRUE(once.open(QIODevice::ReadOnly) && twice.open(QIODevice::ReadOnly));
        EXPECT_EQ(once.readAll(), twice.readAll());
    }
}

// resave writes over a regular file only, or through a link to one (the
// link stays); the file keeps its owner, group and mode.
TEST(Resave, WritesOnlyOverARegularFileAndKeepsItsOwnerAndMode)
{
    const bool root = geteuid() == 0;
    const struct
    {
        const char *name;
        std::function<bool(const QString &)> make;   // makes what stands at the path; false: not here
        int exitCode;
        const char *says;
    } rows[] = {
        {"Fifo", [](const QString &path) { return mkfifo(QFile::encodeName(path), 0600) == 0; }, 3, "not a regular file"},
        {"Device", [root](const QString &path) { return root && mknod(QFile::encodeName(path), S_IFCHR | 0666, makedev(1, 3)) == 0; },
         3, "not a regular file"},
        {"Folder", [](const QString &path) { return QDir().mkdir(path); }, 3, "not a regular file"},
        {"DanglingLink", [](const QString &path) { return QFile::link(path + QStringLiteral(".missing"), path); }, 3,
         "the link points to nothing"},
        {"LinkToAFile",
         [](const QString &path) {
             QFile(path + QStringLiteral(".real")).open(QIODevice::WriteOnly);
             return QFile::link(path + QStringLiteral(".real"), path);
         },
         0, ""},
        {"OtherOwner",
         [root](const QString &path) {
             QFile(path).open(QIODevice::WriteOnly);
             return root && chown(QFile::encodeName(path), 65534, 65534) == 0 && chmod(QFile::encodeName(path), 0640) == 0;
         },
         0, ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        Inputs in;
        writeJob(in);
        const QString out = in.dir.filePath(QStringLiteral("out.xml"));
        if (!row.make(out))
            continue;                // a device or another owner needs root
        struct stat before = {};
        lstat(QFile::encodeName(out), &before);
        expectRun(in.run({QStringLiteral("resave"), QStringLiteral("@job.xml"), QStringLiteral("@out.xml")}),
                  {{}, row.exitCode, nullptr, row.says});
        struct stat after = {};
        lstat(QFile::encodeName(out), &after);
        EXPECT_EQ(after.st_mode, before.st_mode) << "what stands at the path keeps its kind and mode";
        EXPECT_EQ(after.st_uid, before.st_uid);
        EXPECT_EQ(after.st_gid, before.st_gid);
        EXPECT_EQ(QDir(in.dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).filter(QStringLiteral(".out.xml")),
                  QStringList()) << "no file is left beside it";
        if (row.exitCode == 0) {
            EXPECT_EQ(scriptsOf(out), scriptsOf(in.dir.filePath(QStringLiteral("job.xml"))));
        }
    }
}

// On a full file system resave fails with exit 3, the old file whole and no
// temporary file left, for a job that fits in a write buffer and for a
// larger one; with room enough the same run succeeds.
TEST(Resave, AFullDiskLeavesTheOldFileWhole)
{
    // A 128 KB file system in a mount namespace of its own, filled up but for `free` bytes.
    const QString script = QStringLiteral(
        "mount -t tmpfs -o size=128k tmpfs \"$1\" || exit 99; cd \"$1\" && cp \"$2\" job.xml && cp job.xml original.xml"
        " && { cat /dev/zero > fill 2>/dev/null; truncate -s -\"$3\" fill; }"
        "; \"$4\" resave job.xml; echo \"exit $?\"; cmp -s job.xml original.xml && echo same; ls -A");
    const struct
    {
        int padding;                 // characters added to the job's documentation
        int free;
        int exitCode;
    } rows[] = {{0, 0, 3}, {20000, 0, 3}, {20000, 8192, 3}, {20000, 40960, 0}};
    for (const auto &row : rows) {
        SCOPED_TRACE(testing::Message() << row.padding << " more, " << row.free << " free");
        Inputs in;
        writeJob(in, QStringLiteral("<Documentation>"),
                 QStringLiteral("<Documentation><Notes>n%1</Notes>").arg(QString(row.padding, u'n')));
        const QString disk = in.dir.filePath(QStringLiteral("disk"));
        QDir().mkdir(disk);
        QProcess shell;
        shell.start(QStringLiteral("unshare"),
                    {QStringLiteral("-rm"), QStringLiteral("sh"), QStringLiteral("-c"), script, QStringLiteral("sh"), disk,
                     in.dir.filePath(QStringLiteral("job.xml")), QString::number(row.free), QStringLiteral(SENSOR_SCRIPT_PATH)});
        ASSERT_TRUE(shell.waitForFinished(60000));
        const QString out = QString::fromUtf8(shell.readAllStandardOutput());
        if (shell.exitCode() == 99 || shell.error() == QProcess::FailedToStart)
            GTEST_SKIP() << "no private mount namespace here (unshare -rm, mount -t tmpfs): "
                         << shell.readAllStandardError().toStdString();
        EXPECT_EQ(out, QStringLiteral("exit %1\n%2fill\njob.xml\noriginal.xml\n")
                           .arg(row.exitCode)
                           .arg(row.exitCode != 0 ? QStringLiteral("same\n") : QString()));
    }
}

// Every command reads a file as its text says: a job as XML declares, a script
// saved in the ANSI code page with its accents, while behind a UTF-8
// byte-order mark the same byte is an error with its place.
TEST(Resave, CommandsReadTheDeclaredEncoding)
{
    Inputs in;
    writeJob(in, QStringLiteral("Used space"), QStringLiteral("Señal: used space"), "ISO-8859-1");
    const ProgramRun show = in.run({QStringLiteral("show"), QStringLiteral("@job.xml")});
    EXPECT_EQ(show.exitCode, 0) << show.err.toStdString();
    EXPECT_TRUE(show.out.contains(QStringLiteral("Description: Señal: used space"))) << show.out.toStdString();

    const QByteArray script = "Function Main()\n\tMain = \"Se\xF1" "al\"\nEnd Function\n";
    in.write(QStringLiteral("ansi.vbs"), script);
    in.write(QStringLiteral("marked.vbs"), "\xEF\xBB\xBF" + script);
    expectRun(in.run({QStringLiteral("run"), QStringLiteral("@ansi.vbs")}), {{}, 0, "Señal\n", ""});
    expectRun(in.run({QStringLiteral("run"), QStringLiteral("@marked.vbs")}),
              {{}, 66, nullptr, "byte 30 (line 2, column 12) is not valid UTF-8"});
}

TEST(JobCommands, ShowPrintsTheSensorOfAnExistingJob)
{
    const ProgramRun run = sensorScript({QStringLiteral("show"), sourcePath(QStringLiteral("examples/jobs/existing-job.xml"))});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    for (const char *line : {"  Type: SENSOR  SubType: SCRIPT  ExecutionEngine: SENSOR",
                             "  Description: Used space of the file system that holds /var, in percent",
                             "  Active: yes  In marquee: yes  Numeric values: yes", "  Data persistence: 3 Month(s)",
                             "  Evaluation: by levels (Danger, Warning, Good)", "Warning (Type 1)",
                             "  Reference value: 85.5", "    OnRepeat (JScript)"})
        EXPECT_TRUE(run.out.contains(QString::fromUtf8(line))) << line;
}

// Bad input ends with an error, not a crash.
TEST(JobCommands, BadInputAndUsage)
{
    Inputs in;
    ASSERT_EQ(mkfifo(in.dir.filePath(QStringLiteral("fifo")).toLocal8Bit().constData(), 0600), 0);
    in.write(QStringLiteral("notxml.xml"), "this is not XML");
    in.write(QStringLiteral("nodefinition.xml"), "<JobDefinition/>");
    in.write(QStringLiteral("noscript.xml"), "<JobDefinition><Definition><Type>SENSOR</Type><SubType/><ExecutionEngine/>"
                                             "<Properties><Description><Languages><Language><Description>d</Description>"
                                             "</Language></Languages></Description></Properties></Definition>"
                                             "<FreeDefinition><Sensor><Status>1</Status></Sensor></FreeDefinition></JobDefinition>");
    const QString newJob = sourcePath(QStringLiteral("examples/jobs/new-job.xml"));
    const RunRow rows[] = {
        {{"show", newJob}, 1, nullptr, "error 91"},
        {{"show", "@notxml.xml"}, 1, nullptr, "error 3100"},
        {{"show", "@nodefinition.xml"}, 1, nullptr, "error 91"},
        {{"show", "@noscript.xml"}, 1, nullptr, "error 91"},
        {{"show", "@missing.xml"}, 1, nullptr, "error 53"},
        {{"show", "@fifo"}, 1, nullptr, "Not a regular file"},
        {{"evaluate", "@none.xml"}, 3, nullptr, "SENSOR UNKNOWN - cannot read the job"},
        {{"evaluate", newJob}, 3, nullptr, "error 91"},
        {{"evaluate", "/dev/zero"}, 3, nullptr, "Not a regular file"},
        {{"evaluate", "--timeout", "-5", "@fifo"}, 3, nullptr, "--timeout"},
        {{"evaluate", "--timeout", "soon", "x.xml"}, 3, nullptr, nullptr},
        {{"evaluate"}, 3, nullptr, nullptr},
        {{"show"}, 64, nullptr, nullptr},
        {{}, 64, nullptr, nullptr},
        {{"frobnicate"}, 64, nullptr, nullptr},
    };
    for (const RunRow &row : rows)
        expectRun(in.run(row.args), row);
}

} // namespace
