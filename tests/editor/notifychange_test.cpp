// Every user edit that changes the job tells the host; filling the editor,
// showing a number in the locale's form and an Events editor left with
// Cancel do not.
#include "editorhost.h"

#include "platform/ui/modal.h"

#include <QDialog>
#include <QPlainTextEdit>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Edits an event of the Danger level in the Events editor and leaves it with `tool`.
void editEvents(EditorHost &host, const char *tool)
{
    host.controls.ssTabDatos->selectKey(QStringLiteral("EvaluationData"));
    ui::ScopedModalHandler modal([tool](QDialog &dialog) {
        dialog.show();
        dialog.findChild<QPlainTextEdit *>(QStringLiteral("rtfScript"))->setPlainText(QStringLiteral("edited"));
        dialog.findChild<QAction *>(QLatin1String(tool))->trigger();
        return dialog.result();
    });
    host.find<QToolButton>(QStringLiteral("cmdEvents"))->click();
}

struct ChangeCase
{
    const char *name;
    std::function<void(EditorHost &)> edit;
    int notifications;
};

class UserEdit : public ::testing::TestWithParam<ChangeCase>
{
};

TEST_P(UserEdit, TellsTheHostOncePerChange)
{
    EditorHost host;
    host.openExample(QStringLiteral("existing-job.xml"));
    GetParam().edit(host);
    EXPECT_EQ(host.notifier.count(), GetParam().notifications);
    EXPECT_TRUE(host.capture.boxes.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Edits, UserEdit,
    ::testing::Values(
        ChangeCase{"TypingAReferenceValue",
                   [](EditorHost &host) { QTest::keyClick(host.controls.pvGoodRef, Qt::Key_1); }, 1},
        ChangeCase{"TypingAPersistenceQuantity",
                   [](EditorHost &host) { QTest::keyClick(host.controls.pvDataPersistence, Qt::Key_7); }, 1},
        ChangeCase{"PickingAUnit",
                   [](EditorHost &host) { QTest::keyClick(host.controls.cmbDataPersistence, Qt::Key_Down); }, 1},
        ChangeCase{"AcceptingAnEventsEdit", [](EditorHost &host) { editEvents(host, "ID_Ok"); }, 1},
        ChangeCase{"CancellingAnEventsEdit", [](EditorHost &host) { editEvents(host, "ID_Cancel"); }, 0},
        ChangeCase{"LeavingABoxItsNumberReformatted",
                   [](EditorHost &host) {
                       NumericBox *box = host.controls.pvWarningRef;
                       box->setText(QStringLiteral("+7"));
                       emit box->editingFinished();
                   },
                   0}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
