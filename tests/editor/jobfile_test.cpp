// Evaluate runs in the job file's folder: the sample database job opens a relative SQLite path.
#include "editorhost.h"

#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>

TEST(JobFile, RelativePathsResolveAgainstTheJobFilesFolder)
{
    const QString jobs = sourcePath(QStringLiteral("examples/jobs")), before = QDir::currentPath();
    QTemporaryDir elsewhere;
    const std::pair<QString, QString> rows[] = {{jobs + QStringLiteral("/database-job.xml"), elsewhere.path()},
                                                {QString(), jobs}};   // job file named, folder started in
    for (const auto &[jobFile, startedIn] : rows) {
        ASSERT_TRUE(QDir::setCurrent(startedIn));
        EditorHost host("database-job.xml");
        host.editor->Engine_SetJobFile(jobFile);
        QString value;
        ui::ScopedModalHandler modal([&](QDialog &dialog) {
            dialog.show();   // the dialog fills its fields as it is shown
            value = dialog.findChild<QLineEdit *>("txtValue")->text();
            return int(QDialog::Accepted);
        });
        host.find<QAction>(QStringLiteral("ID_Evaluate"))->trigger();
        EXPECT_EQ(value, QStringLiteral("7")) << host.capture.boxes.value(0).prompt.toStdString();
        EXPECT_EQ(QDir::currentPath(), QFileInfo(startedIn).canonicalFilePath()) << jobFile.toStdString();
    }
    QDir::setCurrent(before);
}
