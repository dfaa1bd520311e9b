// An edit of the Events editor in the desktop host: the editor reports no
// change for it, the window still knows the job changed, asks on closing,
// and the saved file holds the edit and nothing else new.
#include "editorwindow.h"
#include "reportcapture.h"
#include "testsupport.h"

#include "editor/keyedtabwidget.h"
#include "editor/ucscript.h"
#include "hostkit/referenceobjects.h"
#include "model/csensor.h"
#include "platform/ui/modal.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QTemporaryDir>
#include <QPlainTextEdit>
#include <QToolButton>
#include <gtest/gtest.h>
#include <map>

namespace {

const QString newScript = QStringLiteral("function Main(v) {\n\treturn v > 90;\n}");

// A saved job: its levels by Type, taken out of the document, and the rest.
struct SavedJob
{
    explicit SavedJob(const QString &path) : document(XmlNode::parse(readTextFile(path)))
    {
        XmlNode values = document.selectSingleNode(
            QStringLiteral("JobDefinition/FreeDefinition/Sensor/EvaluationData/Values"));
        for (XmlNode level : values.selectNodes(QStringLiteral("EvalData"))) {
            levels[level.selectSingleNode(QStringLiteral("Type")).text().toInt()] = level;
            values.removeChild(level);
        }
    }
    XmlNode document;
    std::map<int, XmlNode> levels;
};

struct EventsEdit : ::testing::Test
{
    EventsEdit()
    {
        static const bool installed = (hostkit::installReferenceObjects(), true);
        (void)installed;
        QFile::copy(sourcePath(QStringLiteral("examples/jobs/existing-job.xml")), path);
    }

    // Events on the Warning tab: OnRepeat gets the new script, then Ok.
    void editWarningEvent()
    {
        window.showPage(QStringLiteral("EvaluationData"));
        window.editor()->findChild<KeyedTabWidget *>(QStringLiteral("ssTabValues"))->selectKey(QStringLiteral("Warning"));
        ui::ScopedModalHandler modal([](QDialog &dialog) {
            dialog.show();
            auto *events = dialog.findChild<QComboBox *>(QStringLiteral("ID_Events"));
            const int repeat = events->findText(QStringLiteral("OnRepeat"));
            events->setCurrentIndex(repeat);
            emit events->activated(repeat);
            dialog.findChild<QPlainTextEdit *>(QStringLiteral("rtfScript"))->setPlainText(newScript);
            dialog.findChild<QAction *>(QStringLiteral("ID_Ok"))->trigger();
            return dialog.result();
        });
        window.editor()->findChild<QToolButton *>(QStringLiteral("cmdEvents"))->click();
    }

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("job.xml"));
    ReportCapture capture;
    EditorWindow window{sourcePath(QStringLiteral("data")), QStringLiteral("en"), QStringLiteral("classic")};
};

TEST_F(EventsEdit, ClosingAsksToSaveAndTheFileHoldsTheNewScriptAndNothingElseNew)
{
    ASSERT_TRUE(window.openFile(path));
    ASSERT_TRUE(window.save());   // the job as the editor writes it, unedited
    const SavedJob before(path);
    EXPECT_FALSE(window.isModified());

    editWarningEvent();
    EXPECT_TRUE(window.isModified());
    capture.answer = ui::Yes;
    EXPECT_TRUE(window.close());
    ASSERT_EQ(capture.boxes.size(), 1);
    EXPECT_EQ(capture.boxes[0].prompt, QStringLiteral("Save the changes to job.xml?"));

    // The file as reopened: the event holds the new script.
    ASSERT_TRUE(window.openFile(path));
    const cSensor sensor = [&] {
        cSensor s;
        s.SetSensorXML(XmlNode::parse(window.editor()->Engine_GetData())
                           .selectSingleNode(QStringLiteral("JobDefinition/FreeDefinition/Sensor")));
        return s;
    }();
    EXPECT_EQ(sensor.GetEvalData(1).oEvents.GetEvent(QStringLiteral("OnRepeat")).GetEvalCode(), newScript);

    // Everything else is as before the edit.
    const SavedJob after(path);
    EXPECT_EQ(after.document.xml(), before.document.xml());
    for (const int type : {0, 2})
        EXPECT_EQ(after.levels.at(type).xml(), before.levels.at(type).xml());
    cEvalData warning;
    warning.SetEvalDataXML(before.levels.at(1));
    warning.oEvents.GetEvent(QStringLiteral("OnRepeat")).SetEvalCode(newScript);
    EXPECT_EQ(after.levels.at(1).xml(), before.levels.at(1).xml());
}

TEST_F(EventsEdit, TheTitleMarksTheChangeOnceTheEventsEditorHasClosed)
{
    ASSERT_TRUE(window.openFile(path));
    window.show();
    editWarningEvent();
    EXPECT_TRUE(window.isWindowModified());
    capture.answer = ui::No;
    window.close();
}

} // namespace
