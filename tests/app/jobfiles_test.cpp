// sensor-script resave as a job repository's check runs it, and the other
// commands reading their files as the editor does: never a byte replaced.
#include "runprogram.h"
#include "testsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Resave : ::testing::Test
{
    // The example job with `from` replaced by `to`, written in `encoding`.
    QString job(const char *name, const QString &from = {}, const QString &to = {}, const char *encoding = "UTF-8")
    {
        QString text = readTextFile(sourcePath(QStringLiteral("examples/jobs/existing-job.xml")));
        if (!from.isEmpty())
            text.replace(from, to);
        text.replace(QStringLiteral("encoding=\"UTF-8\""), QStringLiteral("encoding=\"%1\"").arg(QLatin1String(encoding)));
        QFile file(dir.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArrayView(encoding) == "UTF-8" ? text.toUtf8() : text.toLatin1());
        return file.fileName();
    }

    QTemporaryDir dir;
};

struct ExitCase
{
    const char *name;
    const char *from;
    const char *to;
    int exitCode;
    const char *message;             // on standard error
};

void PrintTo(const ExitCase &row, std::ostream *out) { *out << row.name; }

class ResaveExit : public Resave, public ::testing::WithParamInterface<ExitCase>
{
};

TEST_P(ResaveExit, SavesOrSaysWhyNot)
{
    const ExitCase &row = GetParam();
    const QString path = job("job.xml", QString::fromUtf8(row.from), QString::fromUtf8(row.to));
    const QString out = dir.filePath(QStringLiteral("out.xml"));
    const ProgramRun run = sensorScript({QStringLiteral("resave"), path, out});
    EXPECT_EQ(run.exitCode, row.exitCode) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QString::fromUtf8(row.message))) << run.err.toStdString();
    EXPECT_EQ(QFile::exists(out), row.exitCode == 0);
}

const ExitCase exitCases[] = {
    {"Saved", "", "", 0, ""},
    {"ValidationRefuses", "Function Main(pSsrValue)\n\tMain = (pSsrValue >= 85 And pSsrValue < 95)\nEnd Function", "", 1,
     "job.xml: not saved\n  Warning Script Must Be Filled In.\n"},
    {"NotWellFormed", "<JobDefinition>", "<Report><JobDefinition>", 2, "job.xml: line "},
    {"NotAJob", "JobDefinition>", "Report>", 2, "job.xml is not a job definition: its root element is <Report>"},
    {"InvalidByte", "encoding=\"UTF-8\"?>", "encoding=\"US-ASCII\"?><!-- Señal -->", 2,
     "job.xml: byte 48 (line 1, column 49) is not valid US-ASCII"},
    {"EditorCannotShowIt", "<UnitTime>2</UnitTime>", "<UnitTime>7</UnitTime>", 2, "the editor cannot show the job"},
    {"WouldChangeAValue", "<Status>1</Status>", "<Status>2</Status>", 1, "Status \"2\" will be saved as 1"},
};

INSTANTIATE_TEST_SUITE_P(Resave, ResaveExit, ::testing::ValuesIn(exitCases),
                         [](const auto &info) { return std::string(info.param.name); });

// --force saves a job whose values the editor cannot all keep.
TEST_F(Resave, ForceSavesWhatTheEditorChanges)
{
    const QString path = job("job.xml", QStringLiteral("<Status>1</Status>"), QStringLiteral("<Status>2</Status>"));
    const QString out = dir.filePath(QStringLiteral("out.xml"));
    const ProgramRun run = sensorScript({QStringLiteral("resave"), QStringLiteral("--force"), path, out});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(readTextFile(out).contains(QLatin1String("<Status>1</Status>")));
}

TEST_F(Resave, WithoutAnOutputRewritesTheJobInItsEncoding)
{
    const QString path = job("job.xml", QStringLiteral("<Name>DISK-VAR</Name>"), QStringLiteral("<Name>Señal</Name>"),
                             "ISO-8859-1");
    const ProgramRun run = sensorScript({QStringLiteral("resave"), path});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<JobDefinition>\n  <Definition>\n"));
    EXPECT_TRUE(bytes.contains("<Name>Se\xF1" "al</Name>"));
}

// Every command reads a job file as XML says, not as UTF-8 whatever it declares.
TEST_F(Resave, ShowReadsTheDeclaredEncoding)
{
    const QString path = job("job.xml", QStringLiteral("Used space"), QStringLiteral("Señal: used space"), "ISO-8859-1");
    const ProgramRun run = sensorScript({QStringLiteral("show"), path});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("Description: Señal: used space"))) << run.out.toStdString();
}

// A script saved in the ANSI code page runs with its accents; behind a UTF-8
// byte-order mark the same byte is an error with its place.
TEST_F(Resave, AnAnsiScriptRunsAndAMarkedOneWithABadByteDoesNot)
{
    const QByteArray script = "Function Main()\n\tMain = \"Se\xF1" "al\"\nEnd Function\n";
    for (const QByteArray &mark : {QByteArray(), QByteArray("\xEF\xBB\xBF")}) {
        QFile file(dir.filePath(QStringLiteral("script%1.vbs").arg(mark.size())));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(mark + script);
        file.close();
        const ProgramRun run = sensorScript({QStringLiteral("run"), file.fileName()});
        if (mark.isEmpty()) {
            EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
            EXPECT_EQ(run.out.trimmed(), QStringLiteral("Señal"));
        } else {
            EXPECT_EQ(run.exitCode, 66);
            EXPECT_TRUE(run.err.contains(QStringLiteral("byte 30 (line 2, column 12) is not valid UTF-8")))
                << run.err.toStdString();
        }
    }
}

} // namespace
