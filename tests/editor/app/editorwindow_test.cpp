// The desktop host's window in process: opening, saving and closing as a user
// does, with the message boxes answered by the test.
#include "editorwindow.h"
#include "reportcapture.h"
#include "testsupport.h"

#include "editor/ucscript.h"
#include "hostkit/referenceobjects.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

namespace {

struct Window : ::testing::Test
{
    Window()
    {
        static const bool installed = [] {
            hostkit::installReferenceObjects();
            return true;
        }();
        (void)installed;
    }

    // A copy of an example job in the temporary folder, with `from` replaced by `to`.
    QString jobFile(const QString &name, const QString &from = {}, const QString &to = {})
    {
        QString text = readTextFile(sourcePath(QStringLiteral("examples/jobs/existing-job.xml")));
        if (!from.isEmpty())
            text.replace(from, to);
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
        return path;
    }

    // A control of the editor on view, found by name as a host finds it.
    template <class T>
    T *control(const QString &name) const
    {
        return window.editor()->findChild<T *>(name);
    }

    // Runs what the event loop would delete.
    static void deleteLaterNow() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QTemporaryDir dir;
    ReportCapture capture;
    EditorWindow window{sourcePath(QStringLiteral("data")), QStringLiteral("en"), QStringLiteral("classic")};
};

TEST_F(Window, AJobTheEditorCannotShowIsReportedAndTheCurrentOneStays)
{
    ASSERT_TRUE(window.openFile(jobFile(QStringLiteral("good.xml"))));
    const QPointer<UCScript> shown = window.editor();
    control<QPlainTextEdit>(QStringLiteral("rtfScript"))->setPlainText(QStringLiteral("kept"));

    // Well-formed, but a persistence unit the list does not have: showing fails.
    const QString bad = jobFile(QStringLiteral("bad.xml"), QStringLiteral("<UnitTime>2</UnitTime>"),
                                QStringLiteral("<UnitTime>7</UnitTime>"));
    EXPECT_FALSE(window.openFile(bad));
    ASSERT_EQ(capture.boxes.size(), 1);
    EXPECT_TRUE(capture.boxes[0].prompt.contains(QStringLiteral(" frmJob.FillDataToProcess() ")));

    deleteLaterNow();
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(window.editor(), shown.data());
    EXPECT_EQ(window.centralWidget(), shown.data());
    EXPECT_EQ(control<QPlainTextEdit>(QStringLiteral("rtfScript"))->toPlainText(), QStringLiteral("kept"));
    EXPECT_TRUE(window.windowTitle().startsWith(QStringLiteral("good.xml[*]")));
}

TEST_F(Window, OpeningAnotherJobReplacesTheEditor)
{
    ASSERT_TRUE(window.openFile(jobFile(QStringLiteral("first.xml"))));
    const QPointer<UCScript> first = window.editor();
    ASSERT_TRUE(window.openFile(jobFile(QStringLiteral("second.xml"))));
    deleteLaterNow();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(window.centralWidget(), window.editor());
    EXPECT_TRUE(capture.boxes.isEmpty());
}

TEST_F(Window, AnEditMarksTheWindowAndSavingClearsTheMark)
{
    const QString path = jobFile(QStringLiteral("job.xml"));
    ASSERT_TRUE(window.openFile(path));
    EXPECT_FALSE(window.isModified());
    control<QPlainTextEdit>(QStringLiteral("rtfScript"))->setPlainText(QStringLiteral("Function Main()\n\tMain = 7\nEnd Function"));
    EXPECT_TRUE(window.isModified());

    ASSERT_TRUE(window.save());
    EXPECT_FALSE(window.isModified());
    EXPECT_TRUE(readTextFile(path).contains(QStringLiteral("Main = 7")));
}

TEST_F(Window, AJobThatDoesNotValidateIsNotWritten)
{
    const QString path = jobFile(QStringLiteral("job.xml"));
    ASSERT_TRUE(window.openFile(path));
    const QString before = readTextFile(path);
    control<QCheckBox>(QStringLiteral("chkEvalData"))->setChecked(true);
    control<QPlainTextEdit>(QStringLiteral("rtfScriptWarning"))->clear();

    EXPECT_FALSE(window.save());
    ASSERT_EQ(capture.boxes.size(), 1);
    EXPECT_EQ(capture.boxes[0].prompt, QStringLiteral("Warning Script Must Be Filled In."));
    EXPECT_EQ(readTextFile(path), before);
    EXPECT_TRUE(window.isModified());
}

struct CloseCase
{
    const char *name;
    int answer;
    bool closes;
    bool written;
};

class CloseWithChanges : public Window, public ::testing::WithParamInterface<CloseCase>
{
};

TEST_P(CloseWithChanges, AsksAndDoesWhatTheAnswerSays)
{
    const QString path = jobFile(QStringLiteral("job.xml"));
    ASSERT_TRUE(window.openFile(path));
    window.show();
    control<QPlainTextEdit>(QStringLiteral("rtfScript"))->setPlainText(QStringLiteral("Function Main()\n\tMain = 9\nEnd Function"));
    capture.answer = GetParam().answer;

    EXPECT_EQ(window.close(), GetParam().closes);
    ASSERT_EQ(capture.boxes.size(), 1);
    EXPECT_EQ(capture.boxes[0].style, ui::YesNoCancel | ui::Question);
    EXPECT_EQ(readTextFile(path).contains(QStringLiteral("Main = 9")), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(Answers, CloseWithChanges,
                         ::testing::Values(CloseCase{"Yes", ui::Yes, true, true},
                                           CloseCase{"No", ui::No, true, false},
                                           CloseCase{"Cancel", ui::Cancel, false, false}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
