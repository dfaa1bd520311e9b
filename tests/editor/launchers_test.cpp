// The dialogs the editor opens: the host's section editors, the Conditions
// Wizard and the Database Connection Wizard; an accepted edit reaches the job
// and the host, a cancelled one changes nothing.
#include "editorhost.h"

#include "dialogs/conditionsgrid.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace {

QStringList paneTexts(const EditorHost &host)
{
    QStringList texts;
    for (const ScriptPane *pane : {host.controls.rtfScript, host.controls.rtfScriptDanger,
                                  host.controls.rtfScriptWarning, host.controls.rtfScriptGood})
        texts << pane->toPlainText();
    return texts;
}

TEST(SectionEditors, AnAcceptedEditIsWrittenBackWithOneNotificationACancelledOneChangesNothing)
{
    const struct
    {
        const char *tool;
        const char *edited;                 // the section the user leaves in the host's editor
        std::vector<const char *> written;  // paths in the returned job that must hold "edited"
    } rows[] = {
        {"ID_GeneralProperties",
         "<Properties><Name>edited</Name><Description><Languages><Language><Id>en</Id>"
         "<Default>1</Default><Description>Edited text</Description></Language></Languages>"
         "</Description><Group>G</Group></Properties>",
         {"Definition/Properties/Name", "FreeDefinition/Sensor/Properties/Name"}},
        {"ID_ScheduleProperties", "<Schedule><Interval>edited</Interval></Schedule>", {"Schedule/Interval"}},
        {"ID_Documentation", "<Documentation><Text>edited</Text></Documentation>", {"Documentation/Text"}},
    };
    for (const auto &row : rows) {
        for (const bool accept : {true, false}) {
            SCOPED_TRACE(std::string(row.tool) + (accept ? " Ok" : " Cancel"));
            EditorHost host("existing-job.xml");
            const QString before = host.editor->Engine_GetData();
            ui::ScopedModalHandler modal([&](QDialog &dialog) {
                dialog.show();
                dialog.findChild<QPlainTextEdit *>(QStringLiteral("txtSection"))->setPlainText(QLatin1String(row.edited));
                auto *buttons = dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
                buttons->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
                return dialog.result();
            });
            host.find<QAction>(QLatin1String(row.tool))->trigger();
            const QString after = host.editor->Engine_GetData();
            EXPECT_TRUE(host.capture.boxes.isEmpty());
            EXPECT_EQ(host.notifier.count(), accept ? 1 : 0);
            if (!accept) {
                EXPECT_EQ(after, before);
                continue;
            }
            const XmlNode job = XmlNode::parse(after).documentElement();
            for (const char *path : row.written)
                EXPECT_EQ(job.selectSingleNode(QLatin1String(path)).text(), QStringLiteral("edited")) << path;
            EXPECT_EQ(host.find<QTextEdit>(QStringLiteral("rtfDescription"))->toPlainText(),
                      ReturnedJob(after).job.GetDefaultDescription());
        }
    }
}

QString conditionScript(const char *comparison, const char *value)
{
    return QStringLiteral("Function Main(pSsrValue)\r\nIF cdbl(pSsrValue) %1 %2 THEN\r\n"
                          "\t\tMain=TRUE\r\nELSE\r\n\t\tMain=FALSE\r\nEND IF\r\nEnd Function")
        .arg(QLatin1String(comparison), QLatin1String(value));
}

// The wizard's script replaces the pane of the level on view, coloured, and
// the host hears of it once; Cancel leaves every pane as it was.
TEST(ConditionsWizard, TheScriptReplacesThePaneOnViewColouredAndNotified)
{
    for (const EvalLevelName &level : evalLevels) {
        SCOPED_TRACE(level.key);
        EditorHost host("existing-job.xml");
        host.show();
        host.controls.ssTabValues->selectKey(level.keyText());
        ScriptPane *pane = host.pane(QStringLiteral("rtfScript") + level.keyText());
        QStringList expected = paneTexts(host);
        const qsizetype paneIndex = 1 + (findEvalLevel(level.keyText()) - evalLevels.data());
        const QString original = expected[paneIndex];

        for (const auto &[comparison, value] : {std::pair{">", "90"}, std::pair{"<=", "5"}, std::pair{"", ""}}) {
            const bool ok = *comparison;   // else Cancel
            host.notifier.resetCount();
            QString caption;
            ui::ScopedModalHandler modal([&](QDialog &dialog) {
                dialog.show();
                caption = dialog.windowTitle();
                if (ok) {
                    dialog.findChild<QAbstractButton *>(QStringLiteral("cmdNewCondition"))->click();
                    auto *grid = dialog.findChild<ConditionsGrid *>(QStringLiteral("dtConditions"));
                    grid->setCellText(0, 2, QLatin1String(comparison));
                    grid->setCellText(0, 3, QLatin1String(value));
                }
                dialog.findChild<QPushButton *>(ok ? QStringLiteral("cmdOk") : QStringLiteral("cmdCancel"))->click();
                return dialog.result();
            });
            QTest::mouseClick(host.controls.cmdWizardValues, Qt::LeftButton);
            EXPECT_EQ(caption, QStringLiteral(" Conditions Wizard"));   // the editor's language and data folder
            if (ok)
                expected[paneIndex] = conditionScript(comparison, value).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            EXPECT_EQ(paneTexts(host), expected);
            EXPECT_EQ(pane->colourAt(0), colorizer::TokenClass::Keyword);
            EXPECT_EQ(host.notifier.count(), ok ? 1 : 0);   // colouring is no change
        }
        // Each result is one step of the pane's undo history.
        const QString first = conditionScript(">", "90").replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QStringList undone;
        for (const Qt::Key key : {Qt::Key_Z, Qt::Key_Z, Qt::Key_Y, Qt::Key_Y}) {
            QTest::keyClick(pane, key, Qt::ControlModifier);
            undone << pane->toPlainText();
        }
        EXPECT_EQ(undone, QStringList({first, original, first, expected[paneIndex]}));
        EXPECT_TRUE(host.capture.boxes.isEmpty());
        ASSERT_TRUE(host.editor->Engine_Validate());
        EXPECT_EQ(host.returnedJob().sensor.GetEvalData(level.type).GetEvalCode(), conditionScript("<=", "5"));
    }
}

// From cmdWizard, from either page: the wizard's script replaces the general
// pane, coloured and notified, and a test run of it reads the SQLite file;
// Cancel changes nothing.
TEST(DatabaseWizard, OkPutsTheScriptInTheGeneralPaneWhoseRunReadsTheDatabase)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("sensor.db"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("dbwizard-test"));
        db.setDatabaseName(file);
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        EXPECT_TRUE(query.exec(QStringLiteral("CREATE TABLE readings (v INTEGER)")));
        EXPECT_TRUE(query.exec(QStringLiteral("INSERT INTO readings VALUES (42)")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("dbwizard-test"));
    const QString connection = QStringLiteral("Provider=SQLite;Data Source=") + file;
    for (const auto &[page, confirm] : {std::pair{"General", true}, std::pair{"EvaluationData", true},
                                        std::pair{"General", false}}) {
        SCOPED_TRACE(std::string(page) + (confirm ? " Ok" : " Cancel"));
        EditorHost host("existing-job.xml");
        host.controls.ssTabDatos->selectKey(QLatin1String(page));
        const QString before = host.controls.rtfScript->toPlainText();
        QString value;
        ui::ScopedModalHandler modal([&](QDialog &shown) {
            shown.show();
            if (shown.objectName() == QLatin1String("frmResultTest")) {
                value = shown.findChild<QLineEdit *>(QStringLiteral("txtValue"))->text();
                return int(QDialog::Accepted);
            }
            shown.findChild<QTextEdit *>(QStringLiteral("rtfCnnString"))->setPlainText(connection);
            shown.findChild<QTextEdit *>(QStringLiteral("rtfQuery"))->setPlainText(QStringLiteral("SELECT v FROM readings"));
            shown.findChild<QPushButton *>(confirm ? QStringLiteral("cmdOk") : QStringLiteral("cmdCancel"))->click();
            return shown.result();
        });
        host.controls.cmdWizard->click();
        EXPECT_EQ(host.notifier.count(), confirm ? 1 : 0);
        EXPECT_TRUE(host.capture.boxes.isEmpty());
        if (!confirm) {
            EXPECT_EQ(host.controls.rtfScript->toPlainText(), before);
            continue;
        }
        const QString script = host.controls.rtfScript->toPlainText();
        EXPECT_TRUE(script.startsWith(QStringLiteral("Function Main()\n\t'Get Result From Database\n"))) << script.toStdString();
        EXPECT_TRUE(script.contains(QStringLiteral("\tCnn.ConnectionString=\"") + connection + QStringLiteral("\"\n")));
        EXPECT_EQ(host.controls.rtfScript->colourAt(0), colorizer::TokenClass::Keyword);
        host.find<QAction>(QStringLiteral("ID_Evaluate"))->trigger();
        EXPECT_EQ(value, QStringLiteral("42")) << host.capture.boxes.value(0).prompt.toStdString();
        QTest::keyClick(host.controls.rtfScript, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(host.controls.rtfScript->toPlainText(), before) << "the wizard's script is one step to undo";
    }
}

// The Events editor edits the events of the level tab on view; a failure to
// open it or the Conditions Wizard is reported with the command's tag.
TEST(EventsCommand, EditsTheEventsOfTheTabOnView)
{
    for (const EvalLevelName &level : evalLevels) {
        SCOPED_TRACE(level.key);
        EditorHost host("existing-job.xml");
        host.controls.ssTabDatos->selectKey(QStringLiteral("EvaluationData"));
        host.controls.ssTabValues->selectKey(level.keyText());
        QString caption;
        ui::ScopedModalHandler modal([&](QDialog &dialog) {
            dialog.show();
            caption = dialog.windowTitle();
            dialog.findChild<QPlainTextEdit *>(QStringLiteral("rtfScript"))->setPlainText(QStringLiteral("edited"));
            dialog.findChild<QAction *>(QStringLiteral("ID_Ok"))->trigger();
            return dialog.result();
        });
        host.find<QToolButton>(QStringLiteral("cmdEvents"))->click();
        EXPECT_EQ(caption, QStringLiteral("Events Editions - %1 Value").arg(level.keyText()));
        const cEvalData levelData = host.returnedJob().sensor.GetEvalData(level.type);
        EXPECT_EQ(levelData.oEvents.GetEvent(QStringLiteral("OnReach")).GetEvalCode(), QStringLiteral("edited"));
        EXPECT_EQ(host.notifier.count(), 0);   // the host sees the edit in the job it gets back
        EXPECT_TRUE(host.capture.boxes.isEmpty());
    }
    for (const auto &[button, tag] : {std::pair{"cmdEvents", " frmJob.EditEvents() "},
                                      std::pair{"cmdWizardValues", " frmJob.cmdWizardValues_Click() "}}) {
        SCOPED_TRACE(button);
        EditorHost host("existing-job.xml");
        const QStringList before = paneTexts(host);
        ui::ScopedModalHandler modal([](QDialog &) -> int { throw Error::fromNumber(7); });
        host.find<QToolButton>(QLatin1String(button))->click();
        EXPECT_TRUE(host.onlyBox().startsWith(QStringLiteral("Error: 7\r")));
        EXPECT_TRUE(host.onlyBox().endsWith(QLatin1String(tag)));
        EXPECT_EQ(paneTexts(host), before);
    }
}

} // namespace
