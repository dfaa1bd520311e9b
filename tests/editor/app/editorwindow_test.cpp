// The desktop host's window in process, as a user meets it: opening, editing,
// saving and closing with the message boxes answered by the test; every kind
// of edit counts as a change (and only edits do), files keep their encoding
// and sensor-script resave writes what File > Save writes.
#include "editor/editorhost.h"
#include "editorwindow.h"

#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <functional>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A job's levels by Type, taken out of its document (a save may put them in
// another order), and then the rest of the document.
QStringList levelsAndRest(XmlNode document)
{
    XmlNode values = document.selectSingleNode(QStringLiteral("JobDefinition/FreeDefinition/Sensor/EvaluationData/Values"));
    QStringList parts(3);
    for (XmlNode level : values.selectNodes(QStringLiteral("EvalData"))) {
        parts[level.selectSingleNode(QStringLiteral("Type")).text().toInt()] = level.xml();
        values.removeChild(level);
    }
    return parts << document.xml();
}

struct Window : ::testing::Test
{
    // `text` (the example job when empty) written to the temporary folder.
    QString jobFile(const QString &name, const QByteArray &text = {})
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.isEmpty() ? exampleJob(QStringLiteral("existing-job.xml")).toUtf8() : text);
        return path;
    }
    template <class T = QWidget>
    T *control(const char *name) const
    {
        return window.editor()->findChild<T *>(QLatin1String(name));
    }
    QString script() const { return control<QPlainTextEdit>("rtfScript")->toPlainText(); }

    ReferenceObjects objects;
    QTemporaryDir dir;
    ReportCapture capture;
    EditorWindow window{sourcePath(QStringLiteral("data")), QStringLiteral("en"), QStringLiteral("classic")};
};

TEST_F(Window, EditsMarkTheJobAndClosingAsksExactlyWhenItChanged)
{
    const struct
    {
        const char *name;
        std::function<void(Window &)> edit;
        bool modified;
    } rows[] = {
        {"ReferenceValueTyped", [](Window &t) { QTest::keyClicks(t.control("pvDangerRef"), QStringLiteral("1")); }, true},
        {"ScriptTyped", [](Window &t) { QTest::keyClicks(t.control("rtfScript"), QStringLiteral("x")); }, true},
        {"ScriptTypedAndUndone",
         [](Window &t) {
             QTest::keyClicks(t.control("rtfScript"), QStringLiteral("x"));
             QCoreApplication::processEvents();
             QTest::keyClick(t.control("rtfScript"), Qt::Key_Z, Qt::ControlModifier);
         },
         false},
        {"ColorizedOnly", [](Window &t) { t.control<QToolButton>("cmdColorizeCode")->click(); }, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        capture.boxes.clear();
        ASSERT_TRUE(window.openFile(jobFile(QStringLiteral("job.xml"))));
        window.show();
        row.edit(*this);
        QCoreApplication::processEvents();
        EXPECT_EQ(window.isModified(), row.modified);
        EXPECT_EQ(window.isWindowModified(), row.modified);
        capture.answer = ui::Cancel;
        EXPECT_EQ(window.close(), !row.modified);
        EXPECT_EQ(capture.boxes.size(), row.modified ? 1 : 0);
    }
}

// Looking for a change validates the job silently: a refusal elsewhere (an
// empty level script) must not pull the user away from where they type.
TEST_F(Window, LookingForChangesLeavesTheUserWhereTheyType)
{
    ASSERT_TRUE(window.openFile(jobFile(QStringLiteral("job.xml"))));
    window.show();
    control<QPlainTextEdit>("rtfScriptWarning")->clear();
    QCoreApplication::processEvents();
    window.showPage(QStringLiteral("General"));
    auto *pages = control<QTabWidget>("ssTabDatos");
    const int general = pages->currentIndex();
    QWidget *pane = control("rtfScript");
    pane->setFocus();
    QTest::keyClicks(pane, QStringLiteral("x"));
    QCoreApplication::processEvents();
    EXPECT_TRUE(window.isWindowModified());
    EXPECT_EQ(pages->currentIndex(), general);
    EXPECT_EQ(QApplication::focusWidget(), pane);
}

// A job that does not validate (an empty level script) is not written, and
// the window stays open with the job still changed.
TEST_F(Window, ClosingWithChangesAsksAndDoesWhatTheAnswerSays)
{
    for (const auto &[answer, valid, closes, written] :
         {std::tuple{ui::Yes, true, true, true}, std::tuple{ui::No, true, true, false},
          std::tuple{ui::Cancel, true, false, false}, std::tuple{ui::Yes, false, false, false}}) {
        SCOPED_TRACE(testing::Message() << answer << (valid ? "" : ", not valid"));
        capture.boxes.clear();
        const QString path = jobFile(QStringLiteral("job.xml"));
        ASSERT_TRUE(window.openFile(path));
        window.show();
        control<QPlainTextEdit>("rtfScript")->setPlainText(QStringLiteral("Function Main()\n\tMain = 9\nEnd Function"));
        control<QPlainTextEdit>("rtfScriptWarning")->setPlainText(valid ? QStringLiteral("x") : QString());
        EXPECT_TRUE(window.isModified());
        capture.answer = answer;
        EXPECT_EQ(window.close(), closes);
        ASSERT_EQ(capture.boxes.size(), valid ? 1 : 2);
        EXPECT_EQ(capture.boxes.last().prompt, valid ? QStringLiteral("Save the changes to job.xml?")
                                                     : QStringLiteral("Warning Script Must Be Filled In."));
        EXPECT_EQ(capture.boxes[0].style, ui::YesNoCancel | ui::Question);
        EXPECT_EQ(readTextFile(path).contains(QStringLiteral("Main = 9")), written);
        EXPECT_EQ(window.isModified(), !written);
    }
}

// A job the editor cannot show (a persistence unit past the list's end) or a
// file that holds no job is reported and the current job stays; a good one
// replaces the editor.
TEST_F(Window, OpeningAnotherJob)
{
    ASSERT_TRUE(window.openFile(jobFile(QStringLiteral("good.xml"))));
    const QPointer<UCScript> shown = window.editor();
    control<QPlainTextEdit>("rtfScript")->setPlainText(QStringLiteral("kept"));
    const QString bad = jobFile(QStringLiteral("bad.xml"), exampleJob(QStringLiteral("existing-job.xml"))
                                                               .replace(QStringLiteral("<UnitTime>2</UnitTime>"),
                                                                        QStringLiteral("<UnitTime>4</UnitTime>"))
                                                               .toUtf8());
    EXPECT_FALSE(window.openFile(bad));
    EXPECT_TRUE(capture.boxes.value(0).prompt.contains(QStringLiteral(" frmJob.FillDataToProcess() ")));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(window.centralWidget(), shown.data());
    EXPECT_EQ(script(), QStringLiteral("kept"));
    EXPECT_TRUE(window.windowTitle().startsWith(QStringLiteral("good.xml[*]")));

    ASSERT_TRUE(window.openFile(jobFile(QStringLiteral("second.xml"))));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(shown.isNull());
    EXPECT_EQ(window.centralWidget(), window.editor());

    const QString report = jobFile(QStringLiteral("report.xml"), "<?xml version=\"1.0\"?>\n<Report><Line/></Report>\n");
    EXPECT_FALSE(window.openFile(report));
    ASSERT_EQ(capture.boxes.size(), 2);
    EXPECT_EQ(capture.boxes[1].prompt, report + QStringLiteral(" is not a job definition: its root element is <Report>"));
}

TEST_F(Window, SaveAsAddsXmlToANameWithoutExtension)
{
    window.newJob();
    const QString chosen = dir.filePath(QStringLiteral("disk"));
    ui::ScopedModalHandler dialog([&](QDialog &shown) {
        qobject_cast<QFileDialog *>(&shown)->selectFile(chosen);
        return int(QDialog::Accepted);
    });
    ASSERT_TRUE(window.saveAs());
    EXPECT_TRUE(QFile::exists(chosen + QStringLiteral(".xml")));
    EXPECT_FALSE(QFile::exists(chosen));
    EXPECT_TRUE(window.windowTitle().startsWith(QStringLiteral("disk.xml[*]")));
}

// A file without write permission says so in the title; Save leaves it
// alone and asks for another name, as Save As does.
// The Edit and Run entries are the editor's tools: same text and key, in the
// editor's language, and choosing one does what the tool does.
TEST_F(Window, TheEditAndRunMenusRunTheEditorsToolsWithTheirKeys)
{
    ASSERT_TRUE(window.openFile(jobFile(QStringLiteral("job.xml"))));
    QHash<QString, QAction *> entries;
    for (QAction *menu : window.menuBar()->actions())
        for (QAction *entry : menu->menu()->actions())
            if (entry->data().toString().startsWith(QStringLiteral("ID_")))
                entries.insert(entry->data().toString(), entry);
    ASSERT_EQ(entries.size(), 12);
    const auto sameAsTools = [&] {
        for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
            const QAction *tool = window.editor()->findChild<QAction *>(it.key());
            ASSERT_TRUE(tool) << qPrintable(it.key());
            EXPECT_EQ(it.value()->text(), tool->text());
            EXPECT_FALSE(it.value()->shortcut().isEmpty()) << qPrintable(it.key());
        }
    };
    sameAsTools();
    const QString before = script();
    control<QPlainTextEdit>("rtfScript")->insertPlainText(QStringLiteral("' typed\n"));
    entries.value(QStringLiteral("ID_Undo"))->trigger();
    EXPECT_EQ(script(), before);
    entries.value(QStringLiteral("ID_Redo"))->trigger();
    EXPECT_TRUE(script().startsWith(QStringLiteral("' typed")));
    const QString english = entries.value(QStringLiteral("ID_Undo"))->text();
    window.changeLanguage(QStringLiteral("es"));
    EXPECT_NE(entries.value(QStringLiteral("ID_Undo"))->text(), english);
    sameAsTools();
}

TEST_F(Window, AReadOnlyFileSaysSoAndSaveOffersSaveAs)
{
    const QString path = jobFile(QStringLiteral("locked.xml"));
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner));
    const QByteArray before = fileBytes(path);
    ASSERT_TRUE(window.openFile(path));
    EXPECT_TRUE(window.windowTitle().startsWith(QStringLiteral("locked.xml (read-only)[*]")));
    ui::ScopedModalHandler dialog([&](QDialog &shown) {
        qobject_cast<QFileDialog *>(&shown)->selectFile(dir.filePath(QStringLiteral("copy.xml")));
        return int(QDialog::Accepted);
    });
    ASSERT_TRUE(window.save());
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_TRUE(window.windowTitle().startsWith(QStringLiteral("copy.xml[*]")));
}

// A file changed on disk since it was opened is not saved over without a
// word: the question comes at save time, or once when the window is back in
// front, and the answer saves over it, reloads it or leaves both as they are.
TEST_F(Window, AFileChangedOnDiskIsAskedAbout)
{
    const QString edited = QStringLiteral("Function Main()\n\tMain = 9\nEnd Function");
    for (const auto &[answer, atSave] : {std::pair{ui::Yes, true}, std::pair{ui::No, true}, std::pair{ui::Cancel, true},
                                         std::pair{ui::Yes, false}, std::pair{ui::No, false}, std::pair{ui::Cancel, false}}) {
        SCOPED_TRACE(testing::Message() << answer << (atSave ? " at save" : " back in front"));
        capture.boxes.clear();
        const QString path = jobFile(QStringLiteral("job.xml"));
        ASSERT_TRUE(window.openFile(path));
        control<QPlainTextEdit>("rtfScript")->setPlainText(edited);
        // The same size: only the time of the change tells.
        jobFile(QStringLiteral("job.xml"),
                exampleJob(QStringLiteral("existing-job.xml")).replace(QStringLiteral("DISK-VAR"), QStringLiteral("DISK-XYZ")).toUtf8());
        capture.answer = answer;
        for (int activation = 0; activation < (atSave ? 0 : 2); ++activation) {
            QEvent activate(QEvent::WindowActivate);
            QCoreApplication::sendEvent(&window, &activate);
            QCoreApplication::processEvents();
        }
        if (atSave) {
            EXPECT_EQ(window.save(), answer == ui::Yes);
        }
        ASSERT_EQ(capture.boxes.size(), 1) << "asked once";
        EXPECT_TRUE(capture.boxes[0].prompt.startsWith(QStringLiteral("job.xml has changed on disk")));
        EXPECT_EQ(readTextFile(path).contains(QStringLiteral("Main = 9")), answer == ui::Yes);
        EXPECT_EQ(script() == edited, answer != ui::No) << "No reloads the file";
        capture.answer = ui::Yes;
        EXPECT_TRUE(window.save());
        EXPECT_EQ(capture.boxes.size(), answer == ui::Cancel ? 2 : 1) << "saving again asks only when nothing was decided";
    }
}

// A save rewrites the file in its own encoding: sensor-script resave writes
// the same bytes, and an edit of the script changes only its own line,
// "Señal" and what was typed intact.
TEST_F(Window, SavesKeepTheEncodingAndChangeOnlyWhatWasEdited)
{
    const struct
    {
        const char *encoding;
        QByteArrayView mark;
        const char *codec;
    } rows[] = {
        {"UTF-8", {}, "UTF-8"},
        {"UTF-8", QByteArrayView("\xEF\xBB\xBF", 3), "UTF-8"},
        {"ISO-8859-1", {}, "ISO-8859-1"},
        {"windows-1252", {}, "windows-1252"},
        {"UTF-16", QByteArrayView("\xFF\xFE", 2), "UTF-16LE"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(row.encoding) + (row.mark.isEmpty() ? "" : " with a byte-order mark"));
        QString text = exampleJob(QStringLiteral("existing-job.xml"));
        text.replace(QStringLiteral("encoding=\"UTF-8\""), QStringLiteral("encoding=\"%1\"").arg(QLatin1String(row.encoding)));
        text.replace(QStringLiteral("<Name>DISK-VAR</Name>"), QStringLiteral("<Name>Señal</Name>"));
        text.replace(QStringLiteral("Function Main()"), QStringLiteral("' Señal]]>&#13;<![CDATA[\nFunction Main()"));
        QStringEncoder encoder(row.codec);
        const QByteArray bytes = row.mark.toByteArray() + QByteArray(encoder(text));
        const QString original = jobFile(QStringLiteral("original.xml"), bytes);
        const QString path = jobFile(QStringLiteral("job.xml"), bytes);
        ASSERT_TRUE(window.openFile(path));
        ASSERT_TRUE(window.save()) << capture.boxes.value(0).prompt.toStdString();
        const QByteArray saved = fileBytes(path);
        EXPECT_TRUE(saved.startsWith(row.mark.toByteArray()));

        QProcess resave;
        resave.start(QStringLiteral(SENSOR_SCRIPT_PATH),
                     {QStringLiteral("resave"), original, dir.filePath(QStringLiteral("resaved.xml"))});
        ASSERT_TRUE(resave.waitForFinished(60000));
        EXPECT_EQ(resave.exitCode(), 0) << resave.readAllStandardError().toStdString();
        EXPECT_EQ(fileBytes(dir.filePath(QStringLiteral("resaved.xml"))), saved);

        ASSERT_TRUE(window.openFile(path));
        QWidget *pane = control("rtfScript");
        QTest::keyClick(pane, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(pane, QStringLiteral(" ' "));
        QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("ñ€"));
        QCoreApplication::sendEvent(pane, &typed);
        ASSERT_TRUE(window.save());
        const auto lines = [&row](const QByteArray &bytes) {
            QStringDecoder decoder(row.codec);
            return QString(decoder(bytes)).split(u'\n');
        };
        const QStringList before = lines(saved);
        const QStringList after = lines(fileBytes(path));
        ASSERT_EQ(after.size(), before.size());
        QStringList changed;
        for (qsizetype i = 0; i < after.size(); ++i)
            if (after[i] != before[i])
                changed << after[i];
        EXPECT_EQ(changed.size(), 1) << changed.join(u'\n').toStdString();
        EXPECT_TRUE(after.join(u'\n').contains(QStringLiteral("<Name>Señal</Name>")));
        EXPECT_TRUE(window.openFile(path));
        EXPECT_TRUE(script().endsWith(QStringLiteral("End Function ' ñ€")));
    }
}

// The Events editor writes into the job itself and reports no change: the
// window still marks the job, asks on closing, and the saved file holds the
// new event script and nothing else new.
TEST_F(Window, AnEventsEditIsAChangeAndTheSavedFileHoldsItAndNothingElseNew)
{
    const QString path = jobFile(QStringLiteral("job.xml"));
    ASSERT_TRUE(window.openFile(path));
    ASSERT_TRUE(window.save());   // the job as the editor writes it, unedited
    ReturnedJob expected(readTextFile(path));
    window.show();
    window.showPage(QStringLiteral("EvaluationData"));
    control<KeyedTabWidget>("ssTabValues")->selectKey(QStringLiteral("Warning"));
    const QString newScript = QStringLiteral("function Main(v) {\n\treturn v > 90;\n}");
    {
        ui::ScopedModalHandler modal([&](QDialog &dialog) {
            dialog.show();
            auto *events = dialog.findChild<QComboBox *>(QStringLiteral("ID_Events"));
            const int repeat = events->findText(QStringLiteral("OnRepeat"));
            events->setCurrentIndex(repeat);
            emit events->activated(repeat);
            dialog.findChild<QPlainTextEdit *>(QStringLiteral("rtfScript"))->setPlainText(newScript);
            dialog.findChild<QAction *>(QStringLiteral("ID_Ok"))->trigger();
            return dialog.result();
        });
        control<QToolButton>("cmdEvents")->click();
    }
    EXPECT_TRUE(window.isWindowModified());
    capture.answer = ui::Yes;
    EXPECT_TRUE(window.close());
    EXPECT_EQ(capture.boxes.value(0).prompt, QStringLiteral("Save the changes to job.xml?"));

    // The file as saved is the unedited one with the Warning level's OnRepeat script replaced.
    ReturnedJob saved(readTextFile(path));
    EXPECT_EQ(saved.sensor.GetEvalData(LevelWarning).oEvents.GetEvent(QStringLiteral("OnRepeat")).GetEvalCode(), newScript);
    expected.sensor.GetEvalData(LevelWarning).oEvents.GetEvent(QStringLiteral("OnRepeat")).SetEvalCode(newScript);
    EXPECT_EQ(levelsAndRest(saved.document), levelsAndRest(expected.document));
}

// On the offscreen screen, 800 pixels wide, the window fits; however small
// it is made, the editor keeps its design size (8850 by 4620 twips and the
// tool bar).
TEST_F(Window, FitsASmallScreenAndNeverSqueezesTheEditor)
{
    window.newJob();
    window.show();
    EXPECT_LE(window.frameGeometry().width(), window.screen()->availableSize().width());
    window.resize(300, 200);
    EXPECT_GE(window.editor()->width(), 590);
    EXPECT_GE(window.editor()->height(), 336);
}

} // namespace
