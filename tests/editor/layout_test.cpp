// ArrangeControls: the step table at several sizes, and a step that cannot
// be applied keeps its control where it was while the later steps run.
#include "editorhost.h"

#include "platform/ui/twips.h"

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

TEST(Arrange, AFailingStepKeepsItsControlAndLaterStepsRun)
{
    EditorHost host("existing-job.xml");
    UCScript &editor = *host.editor;
    const EditorControls &controls = host.controls;
    editor.show();
    editor.resize(700, 500);
    const QRect frameBefore = controls.fraScript->geometry();
    const QRect paneBefore = controls.rtfScript->geometry();

    // A page 60 pixels high: 900 twips, less than fraScript's 1620.
    const int header = controls.ssTabDatos->height() - ui::twipsToPixels(controls.ssTabDatos->reportedSize().height());
    editor.resize(640, controls.ssToolBarJob->height() + header + 60);
    const int H = controls.ssTabDatos->reportedSize().height();
    ASSERT_LT(H - 1620, 0);
    ASSERT_GE(H - 345, 0);

    EXPECT_EQ(controls.fraScript->geometry(), frameBefore);
    EXPECT_EQ(controls.rtfScript->geometry(), paneBefore);   // from the frame it kept
    EXPECT_EQ(controls.ssTabValues->height(), ui::twipsToPixels(H - 345));
    EXPECT_EQ(controls.ssTabDatos->width(), 640);

    // The skipped step is in the error log, and nothing is shown.
    EXPECT_TRUE(host.capture.boxes.isEmpty());
    ASSERT_FALSE(host.capture.recorderCalls.isEmpty());
    const auto &skipped = host.capture.recorderCalls.first();
    EXPECT_EQ(skipped.number, 380);
    EXPECT_TRUE(skipped.source.endsWith(QStringLiteral(" UCScript.ArrangeControls() ")));
    EXPECT_TRUE(skipped.extraText.startsWith(QStringLiteral("Skipped step "))) << skipped.extraText.toStdString();
}

// An editor shorter than its tool bar keeps the tab height, and an error log
// that fails does not stop the layout.
TEST(Arrange, TooSmallWithAFailingErrorLog)
{
    EditorHost host;
    struct Broken : host::ErrorRecorder
    {
        void record(long, const QString &, const QString &, const QString &, const Error &, long,
                    const QString &, double, long, long, const QString &, long) override
        {
            throw Error(70, QStringLiteral("Permission denied"));
        }
    };
    const host::ScopedFactory<host::ErrorRecorder> broken(host::errorRecorders(),
                                                          [] { return std::make_unique<Broken>(); });
    host.editor->show();
    host.editor->resize(640, 400);
    const int tabHeight = host.controls.ssTabDatos->height();
    host.editor->resize(640, host.controls.ssToolBarJob->height() / 2);
    EXPECT_EQ(host.controls.ssTabDatos->height(), tabHeight);
    host.editor->resize(640, host.controls.ssToolBarJob->height() + 40);   // every frame step fails
    host.editor->resize(700, 500);
    EXPECT_EQ(host.controls.ssTabDatos->width(), 700);
    EXPECT_TRUE(host.capture.boxes.isEmpty());
}

} // namespace
