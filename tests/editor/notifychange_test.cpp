// Every user edit that changes the job tells the host once; filling the
// editor, showing a number in the locale's form and an Events editor left
// with Cancel do not.
#include "editorhost.h"

#include <functional>

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

void clickBox(QCheckBox *box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

TEST(NotifyChange, EachUserEditTellsTheHostOnce)
{
    const struct
    {
        const char *name;
        std::function<void(EditorHost &)> edit;
        int notifications;
    } rows[] = {
        {"TypingAReferenceValue", [](EditorHost &host) { QTest::keyClick(host.controls.pvGoodRef, Qt::Key_1); }, 1},
        {"TypingAPersistenceQuantity",
         [](EditorHost &host) { QTest::keyClick(host.controls.pvDataPersistence, Qt::Key_7); }, 1},
        {"PickingAUnit", [](EditorHost &host) { QTest::keyClick(host.controls.cmbDataPersistence, Qt::Key_Down); }, 1},
        {"PickingALevelLanguage", [](EditorHost &host) { emit host.controls.cmbLanguageScriptGood->activated(1); }, 1},
        {"TypingInAScript", [](EditorHost &host) { QTest::keyClicks(host.controls.rtfScript, QStringLiteral("abc")); },
         3},
        {"ClickingActive", [](EditorHost &host) { clickBox(host.controls.chkActive); }, 1},
        {"ClickingQuantity", [](EditorHost &host) { clickBox(host.controls.chkQuantity); }, 1},
        {"ClickingInMarquee", [](EditorHost &host) { clickBox(host.controls.chkViewInMarquee); }, 1},
        {"ClickingTheEvaluationSwitch", [](EditorHost &host) { clickBox(host.controls.chkEvalData); }, 1},
        {"AcceptingAnEventsEdit", [](EditorHost &host) { editEvents(host, "ID_Ok"); }, 1},
        {"CancellingAnEventsEdit", [](EditorHost &host) { editEvents(host, "ID_Cancel"); }, 0},
        {"LeavingABoxItsNumberReformatted",
         [](EditorHost &host) {
             host.controls.pvWarningRef->setText(QStringLiteral("+7"));
             emit host.controls.pvWarningRef->editingFinished();
         },
         0},
    };
    for (const auto &row : rows) {
        EditorHost host("existing-job.xml");
        host.show();
        row.edit(host);
        EXPECT_EQ(host.notifier.count(), row.notifications) << row.name;
        EXPECT_TRUE(host.capture.boxes.isEmpty()) << row.name;
    }
}

} // namespace
