// An error log that cannot be written must never abort the host: every tool,
// popup entry and button of the editor is clicked with such a log, on a job
// without a schedule, and nothing may leave the click.
#include "editorhost.h"

#include "host/colorizer.h"
#include "hostkit/logerrorrecorder.h"

#include <QRegularExpression>

namespace {

TEST(FailingErrorRecorder, NoClickOfTheEditorThrowsIntoTheEventLoop)
{
    EditorHost host;
    host.open(exampleJob(QStringLiteral("existing-job.xml"))
                  .remove(QRegularExpression(QStringLiteral("<Schedule>.*</Schedule>"),
                                             QRegularExpression::DotMatchesEverythingOption)));
    host::ScopedFactory<host::ErrorRecorder> failing(host::errorRecorders(), [] {
        return std::make_unique<hostkit::LogErrorRecorder>(QStringLiteral("/proc/no-such-dir/errors.log"));
    });
    // Every dialog is closed at once; a broken colouriser gives the pane
    // commands a failure to report.
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
