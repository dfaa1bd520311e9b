// The evaluation switch and the level tabs; every user edit tells the host
// once, and no click gets past a failing error log.
#include "editorhost.h"

#include "host/colorizer.h"
#include "hostkit/logerrorrecorder.h"

#include <QRegularExpression>
#include <functional>

namespace {

void expectLevelControlsEnabled(const EditorHost &host, bool enabled)
{
    for (const char *name : {"ssTabValues", "cmdCheckSyntax", "cmdColorizeCode", "cmdCopy", "cmdCut", "cmdPaste",
                             "cmdEvents", "cmbLanguageScriptDanger", "cmbLanguageScriptWarning", "cmbLanguageScriptGood",
                             "cmdWizardValues", "lblReferenceValue", "pvDangerRef", "pvWarningRef", "pvGoodRef"})
        EXPECT_EQ(host.find(QLatin1String(name))->isEnabled(), enabled) << name;
    EXPECT_TRUE(host.controls.chkEvalData->isEnabled());
    EXPECT_TRUE(host.controls.rtfScript->isEnabled());
}

void clickBox(QCheckBox *box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

TEST(EvalSwitch, FillingClickingAndEachValueSetTheFifteenControls)
{
    EditorHost fresh("new-job.xml");   // the pattern's Evaluation is 0
    EXPECT_FALSE(fresh.controls.chkEvalData->isChecked());
    expectLevelControlsEnabled(fresh, false);
    EditorHost host("existing-job.xml");
    EXPECT_EQ(fresh.notifier.count() + host.notifier.count(), 0);   // opening a job is no edit
    host.show();
    host.controls.ssTabDatos->selectKey(QStringLiteral("EvaluationData"));
    clickBox(host.controls.chkEvalData);
    EXPECT_FALSE(host.controls.chkEvalData->isChecked());
    expectLevelControlsEnabled(host, false);

    const QString warning = host.controls.rtfScriptWarning->toPlainText();
    for (const auto &[state, enabled] : {std::pair{Qt::Unchecked, false}, std::pair{Qt::Checked, true},
                                         std::pair{Qt::PartiallyChecked, true}}) {
        SCOPED_TRACE(state);
        host.notifier.resetCount();
        for (const Qt::CheckState at : {state == Qt::Unchecked ? Qt::Checked : Qt::Unchecked, state}) {
            host.controls.chkEvalData->setCheckState(at);   // greyed: the click's value 2
            emit host.controls.chkEvalData->clicked();
        }
        expectLevelControlsEnabled(host, enabled);
        EXPECT_EQ(host.controls.rtfScriptWarning->toPlainText(), warning);
        EXPECT_EQ(host.notifier.count(), 2);
    }
}

TEST(LevelTabs, EachShowsExactlyItsListAndBoxAndAnUnknownKeyNone)
{
    EditorHost host("existing-job.xml");
    for (const char *key : {"Warning", "Good", "Danger", "danger"}) {
        const bool known = findEvalLevel(QString::fromLatin1(key));
        if (known)
            host.controls.ssTabValues->selectKey(QLatin1String(key));
        else
            emit host.controls.ssTabValues->beforeTabClick(QLatin1String(key));
        QStringList visible;
        for (const char *level : {"Danger", "Warning", "Good"})
            for (const char *control : {"cmbLanguageScript%1", "pv%1Ref"})
                if (host.find(QString::fromLatin1(control).arg(QLatin1String(level)))->isVisibleTo(host.controls.panelToolbar))
                    visible << QLatin1String(level);
        EXPECT_EQ(visible, known ? QStringList(2, QLatin1String(key)) : QStringList()) << key;
    }
}

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

// Filling the editor, showing a number in the locale's form and the Events
// editor (whose edit the host sees in the job it gets back) are no change.
TEST(NotifyChange, EachUserEditTellsTheHostOnce)
{
    const std::pair<std::function<void(EditorHost &)>, int> rows[] = {
        {[](EditorHost &host) { QTest::keyClick(host.controls.pvGoodRef, Qt::Key_1); }, 1},
        {[](EditorHost &host) { QTest::keyClick(host.controls.pvDataPersistence, Qt::Key_7); }, 1},
        {[](EditorHost &host) { QTest::keyClick(host.controls.cmbDataPersistence, Qt::Key_Down); }, 1},
        {[](EditorHost &host) { emit host.controls.cmbLanguageScriptGood->activated(1); }, 1},
        {[](EditorHost &host) { QTest::keyClicks(host.controls.rtfScript, QStringLiteral("abc")); }, 3},
        {[](EditorHost &host) { clickBox(host.controls.chkActive); }, 1},
        {[](EditorHost &host) { clickBox(host.controls.chkQuantity); }, 1},
        {[](EditorHost &host) { clickBox(host.controls.chkViewInMarquee); }, 1},
        {[](EditorHost &host) { clickBox(host.controls.chkEvalData); }, 1},
        {[](EditorHost &) {}, 0},
        {[](EditorHost &host) { editEvents(host, "ID_Ok"); }, 0},
        {[](EditorHost &host) { editEvents(host, "ID_Cancel"); }, 0},
        {[](EditorHost &host) {
             host.controls.pvWarningRef->setText(QStringLiteral("+7"));
             emit host.controls.pvWarningRef->editingFinished();
         },
         0},
    };
    for (const auto &[edit, notifications] : rows) {
        SCOPED_TRACE(&edit - &rows[0].first);
        EditorHost host("existing-job.xml");
        host.show();
        edit(host);
        EXPECT_EQ(host.notifier.count(), notifications);
        EXPECT_TRUE(host.capture.boxes.isEmpty());
    }
}

// Every tool, popup entry and button clicked with an error log that cannot
// be written, on a job without a schedule: nothing may leave the click.
TEST(FailingErrorRecorder, NoClickOfTheEditorThrowsIntoTheEventLoop)
{
    EditorHost host;
    host.open(exampleJob(QStringLiteral("existing-job.xml"))
                  .remove(QRegularExpression(QStringLiteral("<Schedule>.*</Schedule>"),
                                             QRegularExpression::DotMatchesEverythingOption)));
    host::ScopedFactory<host::ErrorRecorder> failing(host::errorRecorders(), [] {
        return std::make_unique<hostkit::LogErrorRecorder>(QStringLiteral("/proc/no-such-dir/errors.log"));
    });
    // Every dialog is closed at once; a broken colouriser gives the pane commands a failure to report.
    ui::ScopedModalHandler modal([](QDialog &dialog) { return dialog.result(); });
    host::ScopedFactory<host::Colorizer> noColorizer(host::colorizers(), [] { return nullptr; });
    int clicked = 0;
    for (QAction *tool : host.editor->findChildren<QAction *>()) {
        EXPECT_NO_THROW(tool->trigger()) << tool->objectName().toStdString();
        ++clicked;
    }
    for (QAbstractButton *button : host.editor->findChildren<QAbstractButton *>()) {
        // The tool bar's own buttons are its tools, triggered above.
        const QString name = button->objectName();
        if (!button->isEnabled() || name.isEmpty() || name.startsWith(QLatin1String("qt_")))
            continue;
        EXPECT_NO_THROW(button->click()) << name.toStdString();
        ++clicked;
    }
    EXPECT_GT(clicked, 20);
    EXPECT_TRUE(host.capture.boxes.isEmpty());   // the report stops before its message box
}

} // namespace
