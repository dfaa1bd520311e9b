// The Database Connection Wizard from the editor's cmdWizard, end to end:
// a connection built in the connection dialog and tested against a real
// SQLite file, the generated script put into the general pane, and the test
// evaluation running it against that database.
#include "editorhost.h"

#include "platform/ui/modal.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString sqliteFileWith42(const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("sensor.db"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("dbwizard-test"));
        db.setDatabaseName(path);
        db.open();
        QSqlQuery query(db);
        query.exec(QStringLiteral("CREATE TABLE readings (v INTEGER)"));
        query.exec(QStringLiteral("INSERT INTO readings VALUES (42)"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("dbwizard-test"));
    return path;
}

template <class T>
T *named(QWidget &dialog, const char *name)
{
    T *control = dialog.findChild<T *>(QLatin1String(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
}

void click(QWidget &dialog, const char *button)
{
    QTest::mouseClick(named<QPushButton>(dialog, button), Qt::LeftButton);
}

struct LaunchCase
{
    const char *name;
    const char *page;   // the ssTabDatos page on view
    bool confirm;       // Ok in the wizard, else Cancel
};

class DbWizard : public ::testing::TestWithParam<LaunchCase>
{
};

TEST_P(DbWizard, OkPutsTheScriptInTheGeneralPaneWhoseRunReadsTheDatabase)
{
    const LaunchCase &c = GetParam();
    QTemporaryDir dir;
    const QString file = sqliteFileWith42(dir);
    EditorHost host;
    host.openExample(QStringLiteral("existing-job.xml"));
    host.controls.ssTabDatos->setCurrentIndex(host.controls.ssTabDatos->indexOfKey(QLatin1String(c.page)));
    ScriptPane *pane = host.controls.rtfScript;
    const QString before = pane->toPlainText();

    QString value;
    ui::ScopedModalHandler modal([&](QDialog &shown) {
        shown.show();
        if (shown.objectName() == QLatin1String("frmWizard")) {
            click(shown, "cmdEditCnnString");
            named<QTextEdit>(shown, "rtfQuery")->setPlainText(QStringLiteral("SELECT v FROM readings"));
            click(shown, "cmdTestCnnString");
            click(shown, c.confirm ? "cmdOk" : "cmdCancel");
        } else if (shown.objectName() == QLatin1String("ConnectionDialog")) {
            named<QLineEdit>(shown, "txtDatabaseFile")->setText(file);
            click(shown, "cmdTestConnection");
            click(shown, "cmdOk");
        } else if (shown.objectName() == QLatin1String("frmResultTest")) {
            value = named<QLineEdit>(shown, "txtValue")->text();
            shown.accept();
        }
        return shown.result();
    });
    host.controls.cmdWizard->click();

    ASSERT_EQ(host.capture.boxes.size(), 2);   // the two tests
    EXPECT_EQ(host.capture.boxes[0].prompt, QStringLiteral("Ok!"));
    EXPECT_EQ(host.capture.boxes[1].prompt, QStringLiteral("Ok!"));
    if (!c.confirm) {
        EXPECT_EQ(pane->toPlainText(), before);
        EXPECT_EQ(host.notifier.count(), 0);
        return;
    }
    EXPECT_EQ(host.notifier.count(), 1);
    EXPECT_TRUE(pane->toPlainText().startsWith(QStringLiteral("Function Main()\n\t'Get Result From Database\n")));
    EXPECT_TRUE(pane->toPlainText().contains(QStringLiteral("\tCnn.ConnectionString=\"Provider=SQLite;Data Source=")
                                             + file + QStringLiteral("\"\n")));
    EXPECT_EQ(pane->colourAt(0), colorizer::TokenClass::Keyword);   // colourised
    host.editor->EvaluateScripts();
    EXPECT_EQ(value, QStringLiteral("42"));
}

INSTANTIATE_TEST_SUITE_P(Launch, DbWizard,
                         ::testing::Values(LaunchCase{"OkOnTheGeneralPage", "General", true},
                                           LaunchCase{"OkOnTheEvaluationPage", "EvaluationData", true},
                                           LaunchCase{"CancelChangesNothing", "General", false}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
