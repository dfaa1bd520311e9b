// Pictures of the editor's dialogs taken the way sensor-editor --dialog
// takes them, and the window's size on a small screen.
#include "editor/editorhost.h"
#include "dialogpicture.h"
#include "editorwindow.h"

#include <QImage>
#include <QScreen>
#include <QTemporaryDir>

namespace {

struct Pictures : ::testing::Test
{
    Pictures() { window.openFile(sourcePath(QStringLiteral("examples/jobs/existing-job.xml"))); window.show(); }

    ReferenceObjects objects;
    QTemporaryDir dir;
    ReportCapture capture;
    EditorWindow window{sourcePath(QStringLiteral("data")), QStringLiteral("en"), QStringLiteral("classic")};
};

// Each picture is of the dialog the steps reach, on the page they name and
// with what they typed; steps that reach none say why.
TEST_F(Pictures, StepsReachNestedDialogsTheirPagesAndBoxesOrSayWhyNot)
{
    const QSize wizard(571, 295), connection(440, 300);
    const struct
    {
        const char *name, *steps, *problem;
        QSize size;
    } cases[] = {
        {"wizard", "cmdWizard", "", wizard},
        {"sqlite", "cmdWizard/cmdEditCnnString", "", connection},
        {"odbc", "cmdWizard/cmdEditCnnString/ODBC", "", connection},
        {"postgresql", "cmdWizard/cmdEditCnnString/PostgreSQL", "", connection},
        {"typed", "cmdWizard/rtfCnnString=Provider=PostgreSQL;Host=db.lan/cmdEditCnnString", "", connection},
        {"levelFirst", "EvaluationData/Warning/cmdEvents", "", QSize()},
        {"unknown", "cmdWizard/cmdNope", "no tool, button or page cmdNope in Database Connection Wizard", {}},
        {"disabled", "cmdWizard/cmdTestCnnString", "cmdTestCnnString cannot be pressed now in Database Connection Wizard", {}},
        {"noBox", "cmdWizard/txtNone=x", "no box txtNone in Database Connection Wizard", {}},
        {"noPage", "Nowhere/cmdEvents", "no tool, button or page Nowhere in the editor", {}},
        {"noDialog", "EvaluationData", "EvaluationData opens no dialog", {}},
    };
    QMap<QString, QImage> taken;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QLatin1String(c.name) + QStringLiteral(".png"));
        EXPECT_EQ(pictureDialog(*window.editor(), QString::fromUtf8(c.steps).split(u'/'), path), QString::fromUtf8(c.problem));
        const QImage image(path);
        EXPECT_EQ(image.isNull(), *c.problem != 0);
        if (!c.size.isEmpty()) {
            EXPECT_EQ(image.size(), c.size);
        }
        taken.insert(QLatin1String(c.name), image);
    }
    // The page and the typed text show: each picture of the dialog differs.
    const QStringList pages = {"sqlite", "odbc", "postgresql", "typed"};
    for (qsizetype a = 0; a < pages.size(); ++a)
        for (qsizetype b = a + 1; b < pages.size(); ++b)
            EXPECT_NE(taken[pages[a]], taken[pages[b]]) << pages[a].toStdString() << " " << pages[b].toStdString();
    EXPECT_TRUE(capture.boxes.isEmpty());
}

// On a screen smaller than its usual size the window fits the screen, and
// however small it is made the editor keeps its design size.
TEST_F(Pictures, TheWindowFitsASmallScreenAndNeverSqueezesTheEditor)
{
    const QSize screen = window.screen()->availableSize(), designed = window.editor()->minimumSize();
    ASSERT_LT(screen.width(), 820) << "the offscreen screen is 800 pixels wide";
    EXPECT_LE(window.frameGeometry().width(), screen.width());
    EXPECT_GE(designed.width(), 580);
    for (const QSize size : {QSize(300, 200), QSize(700, 400)}) {
        window.resize(size);
        EXPECT_GE(window.editor()->width(), designed.width());
        EXPECT_GE(window.editor()->height(), designed.height());
    }
}

} // namespace
