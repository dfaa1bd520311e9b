// sensor-editor run as a user runs it: --screenshot writes a picture of the
// window showing the job, then the program ends.
#include "testsupport.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

int runEditor(const QStringList &args)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(SENSOR_EDITOR_PATH), args);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
}

TEST(SensorEditor, ScreenshotOfAnExampleJob)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("editor.png"));
    EXPECT_EQ(runEditor({sourcePath(QStringLiteral("examples/jobs/existing-job.xml")), QStringLiteral("--skin"),
                         QStringLiteral("dark"), QStringLiteral("--page"), QStringLiteral("EvaluationData"),
                         QStringLiteral("--screenshot"), png}),
              0);
    const QImage image(png);
    ASSERT_FALSE(image.isNull());
    EXPECT_GE(image.width(), 590);
    EXPECT_GE(image.height(), 340);
}

TEST(SensorEditor, AFileThatIsNotAJobEndsWithAnErrorCode)
{
    QTemporaryDir dir;
    const QString bad = dir.filePath(QStringLiteral("bad.xml"));
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<JobDefinition><Definition>");
    file.close();
    const QString png = dir.filePath(QStringLiteral("editor.png"));
    EXPECT_EQ(runEditor({bad, QStringLiteral("--screenshot"), png}), 1);
}

} // namespace
