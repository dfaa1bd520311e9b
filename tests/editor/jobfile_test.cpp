// Evaluate runs the job's scripts in the job file's folder, as the command
// line's evaluate does: the sample database job names its SQLite file by a
// path relative to that folder, whatever folder the host was started in.
#include "editorhost.h"

#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>

TEST(JobFile, RelativePathsResolveAgainstTheJobFilesFolder)
{
    const QString jobs = sourcePath(QStringLiteral("examples/jobs"));
    QTemporaryDir elsewhere;
    const struct
    {
        const char *name;
        QString jobFile, startedIn;
    } rows[] = {
        {"JobFileStartedElsewhere", jobs + QStringLiteral("/database-job.xml"), elsewhere.path()},
        {"RelativeJobFile", QStringLiteral("jobs/database-job.xml"), sourcePath(QStringLiteral("examples"))},
        {"NoFileStartedInItsFolder", QString(), jobs},
    };
    const QString before = QDir::currentPath();
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(QDir::setCurrent(row.startedIn));
        EditorHost host("database-job.xml");
        host.editor->Engine_SetJobFile(row.jobFile);
        QString value;
        ui::ScopedModalHandler modal([&](QDialog &dialog) {
            dialog.show();   // the dialog fills its fields as it is shown
            value = dialog.findChild<QLineEdit *>("txtValue")->text();
            return int(QDialog::Accepted);
        });
        host.find<QAction>(QStringLiteral("ID_Evaluate"))->trigger();

        EXPECT_TRUE(host.capture.boxes.isEmpty()) << host.capture.boxes.value(0).prompt.toStdString();
        EXPECT_EQ(value, QStringLiteral("7"));
        EXPECT_EQ(QDir::currentPath(), QFileInfo(row.startedIn).canonicalFilePath());
    }
    QDir::setCurrent(before);
}
