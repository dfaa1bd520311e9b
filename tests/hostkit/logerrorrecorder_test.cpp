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

// Both calls of a report, as the error report makes them.
void report(hostkit::LogErrorRecorder &recorder, const Error &error, const QString &logText, double limit = 1000000,
            const QString &extra = {})
{
    for (long flag : {0L, 1L})
        recorder.record(0, error.description, QStringLiteral("Veltrano"), error.source, error, flag, logText, limit, 0, 0,
                        extra, 0);
}

TEST(LogErrorRecorder, AppendsOneEntryPerReportAndMovesAFullLogAside)
{
    QTemporaryDir dir;
    hostkit::LogErrorRecorder recorder(dir.filePath(QStringLiteral("state/veltrano/errors.log")));
    report(recorder, Error(91, QStringLiteral("Object variable or With block variable not set"),
                           QStringLiteral(" cJob.GetType()  frmJob.Copy() ")),
           QStringLiteral("job DISK-VAR"));
    report(recorder, Error::fromNumber(13), QString());
    const QString log = readTextFile(recorder.logPath());
    EXPECT_EQ(log.count(QStringLiteral("Veltrano: error ")), 2);
    EXPECT_TRUE(log.contains(QStringLiteral("error 91\n  Description: Object variable or With block variable not set\n"
                                            "  Source:  cJob.GetType()  frmJob.Copy() \n  Job: job DISK-VAR\n")))
        << log.toStdString();
    EXPECT_LT(log.indexOf(QStringLiteral("error 91")), log.indexOf(QStringLiteral("error 13")));

    report(recorder, Error::fromNumber(6), QStringLiteral("second"), 50);
    EXPECT_TRUE(readTextFile(recorder.logPath() + QStringLiteral(".1")).contains(QStringLiteral("error 13")));
    EXPECT_FALSE(readTextFile(recorder.logPath()).contains(QStringLiteral("error 13")));
    EXPECT_TRUE(readTextFile(recorder.logPath()).contains(QStringLiteral("second")));

    QFile blocker(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    hostkit::LogErrorRecorder unwritable(dir.filePath(QStringLiteral("file/errors.log")));
    EXPECT_THROW(report(unwritable, Error::fromNumber(5), QString()), Error);
}

// Every text of an entry goes through the report's masking: a password
// never reaches the log, whichever field carries it.
TEST(LogErrorRecorder, PasswordsAreMaskedInEveryField)
{
    QTemporaryDir dir;
    hostkit::LogErrorRecorder recorder(dir.filePath(QStringLiteral("errors.log")));
    report(recorder, Error(-2147467259, QStringLiteral("cannot connect: Server=db;Password=s3cr3t;"),
                           QStringLiteral("postgresql://ann:s3cr3t@db/x")),
           QStringLiteral("job Pwd=s3cr3t"), 1000000, QStringLiteral("cn.Open \"dsn\", \"ann\", \"s3cr3t\""));
    const QString log = readTextFile(recorder.logPath());
    EXPECT_FALSE(log.contains(QStringLiteral("s3cr3t"))) << log.toStdString();
    EXPECT_EQ(log.count(QStringLiteral("****")), 4) << log.toStdString();
}

// The reference recorder writes below the state directory, and the error report reaches it.
TEST(LogErrorRecorder, InstalledAsTheReferenceRecorderReachedByShowError)
{
    QTemporaryDir dir;
    const QByteArray saved = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", QFile::encodeName(dir.path()));
    EXPECT_EQ(hostkit::LogErrorRecorder::defaultLogPath(), dir.filePath(QStringLiteral("veltrano/errors.log")));
    host::ScopedFactory<host::ErrorRecorder> recorders(host::errorRecorders(), nullptr);
    host::ScopedFactory<host::JobData> jobData(host::jobData(), nullptr);
    host::ScopedFactory<host::JobSectionEditor> editors(host::jobSectionEditors(), nullptr);
    host::ScopedFactory<host::LanguageReader> readers(host::languageReaders(), nullptr);
    host::ScopedFactory<host::Colorizer> colorizers(host::colorizers(), nullptr);
    hostkit::installReferenceObjects();
    ui::ScopedMsgBoxHandler silent([](const QString &, int, const QString &) { return int(ui::Ok); });
    QString extra, title;
    bool show = true;
    ShowError(QStringLiteral("Overflow"), QStringLiteral(" cSensor.GetStatus() "), Error::fromNumber(6), extra, title, show);
    qputenv("XDG_STATE_HOME", saved);
    EXPECT_TRUE(readTextFile(dir.filePath(QStringLiteral("veltrano/errors.log"))).contains(QStringLiteral("cSensor.GetStatus()")));
}

} // namespace
