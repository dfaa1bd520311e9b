// The Events command: the Events editor on the level tab on view, its
// accepted edit in the job and reported to the host.
#include "editorhost.h"

#include "dialogs/frmeditevents.h"
#include "platform/ui/modal.h"

#include <QPlainTextEdit>

#include <gtest/gtest.h>

namespace {

struct EventsCase
{
    const char *level;       // the tab on view
    int type;
    const char *caption;
};

class EventsCommand : public ::testing::TestWithParam<EventsCase>
{
};

TEST_P(EventsCommand, EditsTheEventsOfTheTabOnView)
{
    const EventsCase &c = GetParam();
    EditorHost host;
    host.openExample(QStringLiteral("existing-job.xml"));
    host.controls.ssTabDatos->selectKey(QStringLiteral("EvaluationData"));
    host.controls.ssTabValues->selectKey(QLatin1String(c.level));

    QString caption;
    ui::ScopedModalHandler modal([&](QDialog &dialog) {
        dialog.show();
        caption = dialog.windowTitle();
        dialog.findChild<QPlainTextEdit *>(QStringLiteral("rtfScript"))->setPlainText(QStringLiteral("edited"));
        dialog.findChild<QAction *>(QStringLiteral("ID_Ok"))->trigger();
        return dialog.result();
    });
    host.find<QToolButton>(QStringLiteral("cmdEvents"))->click();

    EXPECT_EQ(caption, QLatin1String(c.caption));
    const ReturnedJob job = host.returnedJob();
    EXPECT_EQ(job.sensor.GetEvalData(c.type).oEvents.GetEvent(QStringLiteral("OnReach")).GetEvalCode(),
              QStringLiteral("edited"));
    EXPECT_EQ(host.notifier.count(), 1);
    EXPECT_TRUE(host.capture.boxes.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Levels, EventsCommand,
                         ::testing::Values(EventsCase{"Danger", 2, "Events Editions - Danger Value"},
                                           EventsCase{"Warning", 1, "Events Editions - Warning Value"},
                                           EventsCase{"Good", 0, "Events Editions - Good Value"}),
                         [](const auto &info) { return std::string(info.param.level); });

TEST(EventsCommandFailure, IsReportedWithTheCommandsTag)
{
    EditorHost host;
    host.openExample(QStringLiteral("existing-job.xml"));
    ui::ScopedModalHandler modal([](QDialog &) -> int { throw Error::fromNumber(7); });
    host.find<QToolButton>(QStringLiteral("cmdEvents"))->click();
    ASSERT_EQ(host.capture.boxes.size(), 1);
    EXPECT_TRUE(host.capture.boxes[0].prompt.startsWith(QStringLiteral("Error: 7\r")));
    EXPECT_TRUE(host.capture.boxes[0].prompt.endsWith(QStringLiteral(" frmJob.EditEvents() ")));
    EXPECT_EQ(host.capture.boxes[0].title, QStringLiteral("Veltrano"));
}

} // namespace
