#include "errorcore/error.h"
#include "common/showerror.h"
#include "host/colorizer.h"
#include "host/jobdata.h"
#include "host/jobsectioneditor.h"
#include "host/languagereader.h"
#include "hostkit/logerrorrecorder.h"
#include "hostkit/referenceobjects.h"
#include "host/registry.h"
#include "platform/ui/msgbox.h"
#include "testsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void report(hostkit::LogErrorRecorder &recorder, const Error &error, const QString &logText, double limit)
{
    for (long flag : {0L, 1L})
        recorder.record(0, error.description, QStringLiteral("Veltrano"), error.source, error, flag, logText,
                        limit, 0, 0, QString(), 0);
}

TEST(LogErrorRecorder, AppendsOneEntryPerReport)
{
    QTemporaryDir dir;
    hostkit::LogErrorRecorder recorder(dir.filePath(QStringLiteral("state/veltrano/errors.log")));
    report(recorder, Error(91, QStringLiteral("Object variable or With block variable not set"),
                           QStringLiteral(" cJob.GetType()  frmJob.Copy() ")),
           QStringLiteral("job DISK-VAR"), 1000000);
    report(recorder, Error::fromNumber(13), QString(), 1000000);
    const QString log = readTextFile(recorder.logPath());
    EXPECT_EQ(log.count(QStringLiteral("Veltrano: error ")), 2);
    EXPECT_TRUE(log.contains(QStringLiteral("error 91\n  Description: Object variable or With block variable not set\n"
                                            "  Source:  cJob.GetType()  frmJob.Copy() \n")));
    EXPECT_TRUE(log.contains(QStringLiteral("  Job: job DISK-VAR\n")));
    EXPECT_LT(log.indexOf(QStringLiteral("error 91")), log.indexOf(QStringLiteral("error 13")));
}

TEST(LogErrorRecorder, MovesAFullLogAside)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("errors.log"));
    hostkit::LogErrorRecorder recorder(path);
    report(recorder, Error::fromNumber(5), QStringLiteral("first"), 50);
    report(recorder, Error::fromNumber(6), QStringLiteral("second"), 50);
    EXPECT_TRUE(readTextFile(path + QStringLiteral(".1")).contains(QStringLiteral("first")));
    const QString current = readTextFile(path);
    EXPECT_TRUE(current.contains(QStringLiteral("second")));
    EXPECT_FALSE(current.contains(QStringLiteral("first")));
}

TEST(LogErrorRecorder, UnwritablePlaceRaises)
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    hostkit::LogErrorRecorder recorder(dir.filePath(QStringLiteral("file/errors.log")));
    EXPECT_THROW(report(recorder, Error::fromNumber(5), QString(), 1000000), Error);
}

// Every text of an entry goes through the report's masking: a password
// never reaches the log, whichever field carries it.
TEST(LogErrorRecorder, PasswordsAreMaskedInEveryField)
{
    QTemporaryDir dir;
    hostkit::LogErrorRecorder recorder(dir.filePath(QStringLiteral("errors.log")));
    const QString secret = QStringLiteral("s3cr3t");
    const Error error(-2147467259, QStringLiteral("cannot connect: Server=db;Password=s3cr3t;"),
                      QStringLiteral("postgresql://ann:s3cr3t@db/x"));
    for (long flag : {0L, 1L})
        recorder.record(0, error.description, QStringLiteral("Veltrano"), error.source, error, flag,
                        QStringLiteral("job Pwd=s3cr3t"), 1000000, 0, 0,
                        QStringLiteral("cn.Open \"dsn\", \"ann\", \"s3cr3t\""), 0);
    const QString log = readTextFile(recorder.logPath());
    EXPECT_FALSE(log.contains(secret)) << log.toStdString();
    EXPECT_EQ(log.count(QStringLiteral("****")), 4) << log.toStdString();
}

TEST(LogErrorRecorder, DefaultPathFollowsTheStateDirectory)
{
    const QByteArray saved = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", "/var/tmp/state-test");
    EXPECT_EQ(hostkit::LogErrorRecorder::defaultLogPath(), QStringLiteral("/var/tmp/state-test/veltrano/errors.log"));
    qputenv("XDG_STATE_HOME", saved);
}

TEST(LogErrorRecorder, InstalledAsTheReferenceRecorderReachedByShowError)
{
    QTemporaryDir dir;
    const QByteArray saved = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", QFile::encodeName(dir.path()));
    host::ScopedFactory<host::ErrorRecorder> recorders(host::errorRecorders(), nullptr);
    host::ScopedFactory<host::JobData> jobData(host::jobData(), nullptr);
    host::ScopedFactory<host::JobSectionEditor> editors(host::jobSectionEditors(), nullptr);
    host::ScopedFactory<host::LanguageReader> readers(host::languageReaders(), nullptr);
    host::ScopedFactory<host::Colorizer> colorizers(host::colorizers(), nullptr);
    hostkit::installReferenceObjects();
    ui::ScopedMsgBoxHandler silent([](const QString &, int, const QString &) { return int(ui::Ok); });
    QString extra, title;
    bool show = true;
    ShowError(QStringLiteral("Overflow"), QStringLiteral(" cSensor.GetStatus() "), Error::fromNumber(6), extra,
              title, show);
    qputenv("XDG_STATE_HOME", saved);
    EXPECT_TRUE(readTextFile(dir.filePath(QStringLiteral("veltrano/errors.log"))).contains(QStringLiteral("cSensor.GetStatus()")));
}

} // namespace
