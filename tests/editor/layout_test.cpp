// ArrangeControls: the step table at several sizes, and a step that cannot
// be applied keeps its control where it was while the later steps run.
#include "editorhost.h"

#include "platform/ui/twips.h"

#include <QGroupBox>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

struct SizeCase
{
    const char *name;
    int width;
    int height;
};

class Arrange : public ::testing::TestWithParam<SizeCase>
{
};

QSize twipsToPixelsSize(const QSize &twips)
{
    return {ui::twipsToPixels(twips.width()), ui::twipsToPixels(twips.height())};
}

TEST_P(Arrange, FollowsTheStepTable)
{
    EditorHost host;
    host.openExample(QStringLiteral("existing-job.xml"));
    UCScript &editor = *host.editor;
    editor.show();
    editor.resize(GetParam().width, GetParam().height);

    EXPECT_EQ(editor.ssTabDatos->height(), editor.height() - editor.ssToolBarJob->height());
    EXPECT_EQ(editor.ssTabDatos->width(), editor.width());
    const int W = editor.ssTabDatos->reportedSize().width();
    const int H = editor.ssTabDatos->reportedSize().height();
    EXPECT_EQ(editor.fraScript->geometry(), ui::twipsRect(120, 1230, W - 240, H - 1620));
    const int frameWidth = ui::pixelsToTwips(editor.fraScript->width());
    const int frameHeight = ui::pixelsToTwips(editor.fraScript->height());
    EXPECT_EQ(editor.rtfScript->geometry(), ui::twipsRect(90, 645, frameWidth - 180, frameHeight - 770));
    EXPECT_EQ(editor.fraDescription->width(), ui::twipsToPixels(W - 120 - 4950));
    EXPECT_EQ(editor.ssTabValues->geometry(), ui::twipsRect(-15, 360, W + 45, H - 345));

    const QSize levels = editor.ssTabValues->reportedSize();
    for (QTextEdit *pane : {editor.rtfScriptDanger, editor.rtfScriptWarning, editor.rtfScriptGood})
        EXPECT_EQ(pane->geometry(), QRect(QPoint(0, ui::twipsToPixels(405)),
                                          twipsToPixelsSize(QSize(levels.width(), levels.height() - 405))));
    EXPECT_EQ(editor.panelToolbar->width(), ui::twipsToPixels(levels.width() - 30));

    // Controls outside the step table keep their design positions.
    EXPECT_EQ(editor.chkActive->geometry(), ui::twipsRect(105, 180, 1485, 300));
    EXPECT_EQ(editor.pvDataPersistence->geometry(), ui::twipsRect(1785, 405, 960, 345));
    EXPECT_EQ(editor.cmdWizard->geometry(), ui::twipsRect(3930, 45, 330, 330));
    EXPECT_EQ(editor.fraStatus->geometry(), ui::twipsRect(120, 60, 4755, 1110));
}

INSTANTIATE_TEST_SUITE_P(Sizes, Arrange,
                         ::testing::Values(SizeCase{"Design", 590, 340}, SizeCase{"Large", 1200, 900},
                                           SizeCase{"WideAndLow", 1000, 260}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(ArrangeTooSmall, AFailingStepKeepsItsControlAndLaterStepsRun)
{
    EditorHost host;
    host.openExample(QStringLiteral("existing-job.xml"));
    UCScript &editor = *host.editor;
    editor.show();
    editor.resize(700, 500);
    const QRect frameBefore = editor.fraScript->geometry();
    const QRect paneBefore = editor.rtfScript->geometry();

    // A page 60 pixels high: 900 twips, less than fraScript's 1620.
    const int header = editor.ssTabDatos->height() - ui::twipsToPixels(editor.ssTabDatos->reportedSize().height());
    editor.resize(640, editor.ssToolBarJob->height() + header + 60);
    const int H = editor.ssTabDatos->reportedSize().height();
    ASSERT_LT(H - 1620, 0);
    ASSERT_GE(H - 345, 0);

    EXPECT_EQ(editor.fraScript->geometry(), frameBefore);
    EXPECT_EQ(editor.rtfScript->geometry(), paneBefore);   // from the frame it kept
    EXPECT_EQ(editor.ssTabValues->height(), ui::twipsToPixels(H - 345));
    EXPECT_EQ(editor.ssTabDatos->width(), 640);
}

TEST(ArrangeTooSmall, AnEditorShorterThanItsToolBarKeepsTheTabHeight)
{
    EditorHost host;
    UCScript &editor = *host.editor;
    editor.show();
    editor.resize(600, 400);
    const int tabHeight = editor.ssTabDatos->height();
    editor.resize(600, editor.ssToolBarJob->height() / 2);
    EXPECT_EQ(editor.ssTabDatos->height(), tabHeight);
    EXPECT_TRUE(host.capture.boxes.isEmpty());
}

} // namespace
