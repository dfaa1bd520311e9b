// ArrangeControls: the step table at several sizes; sensor-editor run as a
// user runs it, with --screenshot writing a picture of the window.
#include "editorhost.h"

#include "platform/ui/twips.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

namespace {

TEST(Arrange, FollowsTheStepTableAtEachSize)
{
    EditorHost host("existing-job.xml");
    UCScript &editor = *host.editor;
    const EditorControls &controls = host.controls;
    editor.show();
    for (const QSize size : {QSize(590, 340), QSize(1200, 900), QSize(1000, 260)}) {
        SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height());
        editor.resize(size);
        EXPECT_EQ(controls.ssTabDatos->height(), editor.height() - controls.ssToolBarJob->height());
        EXPECT_EQ(controls.ssTabDatos->width(), editor.width());
        const int W = controls.ssTabDatos->reportedSize().width();
        const int H = controls.ssTabDatos->reportedSize().height();
        EXPECT_EQ(controls.fraScript->geometry(), ui::twipsRect(120, 1230, W - 240, H - 1620));
        const int frameWidth = ui::pixelsToTwips(controls.fraScript->width());
        const int frameHeight = ui::pixelsToTwips(controls.fraScript->height());
        EXPECT_EQ(controls.rtfScript->geometry(), ui::twipsRect(90, 645, frameWidth - 180, frameHeight - 770));
        EXPECT_EQ(controls.fraDescription->width(), ui::twipsToPixels(W - 120 - 4950));
        EXPECT_EQ(controls.ssTabValues->geometry(), ui::twipsRect(-15, 360, W + 45, H - 345));
        const QSize levels = controls.ssTabValues->reportedSize();
        for (ScriptPane *pane : {controls.rtfScriptDanger, controls.rtfScriptWarning, controls.rtfScriptGood})
            EXPECT_EQ(pane->geometry(), QRect(0, ui::twipsToPixels(405), ui::twipsToPixels(levels.width()),
                                              ui::twipsToPixels(levels.height() - 405)));
        EXPECT_EQ(controls.panelToolbar->width(), ui::twipsToPixels(levels.width() - 30));

        // Controls outside the step table keep their design positions.
        EXPECT_EQ(controls.chkActive->geometry(), ui::twipsRect(105, 345, 1785, 255));
        EXPECT_EQ(controls.pvDataPersistence->geometry(), ui::twipsRect(1920, 600, 900, 345));
        EXPECT_EQ(controls.cmdWizard->geometry(), ui::twipsRect(3930, 45, 330, 330));
        EXPECT_EQ(controls.fraStatus->geometry(), ui::twipsRect(120, 60, 4755, 1110));
    }
}

// A job is pictured at least at the design size and the program ends with 0;
// a file that is not a job ends it with 1.
TEST(SensorEditor, ScreenshotOrAnErrorCode)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("editor.png"));
    const QString bad = dir.filePath(QStringLiteral("bad.xml"));
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<JobDefinition><Definition>");
    file.close();
    for (const auto &[job, code] : {std::pair{sourcePath(QStringLiteral("examples/jobs/existing-job.xml")), 0},
                                    std::pair{bad, 1}}) {
        SCOPED_TRACE(job.toStdString());
            QProcess process;
        process.start(QStringLiteral(SENSOR_EDITOR_PATH), {job, QStringLiteral("--skin"), QStringLiteral("dark"),
                                                           QStringLiteral("--page"), QStringLiteral("EvaluationData"),
                                                           QStringLiteral("--screenshot"), png});
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), code);
        const QImage image(png);
        EXPECT_GE(image.width(), code ? -1 : 590);
        EXPECT_GE(image.height(), code ? -1 : 340);
    }
}

} // namespace
