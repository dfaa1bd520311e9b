// The desktop host's window in process, as a user meets it: opening, editing,
// saving and closing with the message boxes answered by the test; every kind
// of edit counts as a change (and only edits do), files keep their encoding
// and sensor-script resave writes what File > Save writes.
#include "editor/editorhost.h"
#include "editorwindow.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPointer>
#include <QProcess>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <functional>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
        {"QuantityTyped", [](Window &t) { QTest::keyClicks(t.control("pvDataPersistence"), QStringLiteral("0")); }, true},
        {"UnitPicked", [](Window &t) { t.control<QComboBox>("cmbDataPersistence")->setCurrentIndex(3); }, true},
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

TEST_F(Window, ClosingWithChangesAsksAndDoesWhatTheAnswerSays)
{
    for (const auto &[answer, closes, written] : {std::tuple{ui::Yes, true, true}, std::tuple{ui::No, true, false},
                                                  std::tuple{ui::Cancel, false, false}}) {
        SCOPED_TRACE(answer);
        capture.boxes.clear();
        const QString path = jobFile(QStringLiteral("job.xml"));
        ASSERT_TRUE(window.openFile(path));
        window.show();
        control<QPlainTextEdit>("rtfScript")->setPlainText(QStringLiteral("Function Main()\n\tMain = 9\nEnd Function"));
        EXPECT_TRUE(window.isModified());
        capture.answer = answer;
        EXPECT_EQ(window.close(), closes);
        ASSERT_EQ(capture.boxes.size(), 1);
        EXPECT_EQ(capture.boxes[0].prompt, QStringLiteral("Save the changes to job.xml?"));
        EXPECT_EQ(capture.boxes[0].style, ui::YesNoCancel | ui::Question);
        EXPECT_EQ(readTextFile(path).contains(QStringLiteral("Main = 9")), written);
        EXPECT_EQ(window.isModified(), !written);
    }
}

// Looking for a change validates the job silently: a refusal elsewhere (an
// empty level script) must not pull the user away from where they type, and
// a job that does not validate is not written.
TEST_F(Window, AJobThatDoesNotValidateLeavesTheUserWhereTheyTypeAndIsNotWritten)
{
    const QString path = jobFile(QStringLiteral("job.xml"));
    ASSERT_TRUE(window.openFile(path));
    window.show();
    control<QPlainTextEdit>("rtfScriptWarning")->clear();
    QCoreApplication::processEvents();
    window.showPage(QStringLiteral("General"));
    const int general = control<QTabWidget>("ssTabDatos")->currentIndex();
    QWidget *script = control("rtfScript");
    script->setFocus();
    QTest::keyClicks(script, QStringLiteral("x"));
    QCoreApplication::processEvents();
    EXPECT_TRUE(window.isWindowModified());
    EXPECT_EQ(control<QTabWidget>("ssTabDatos")->currentIndex(), general);
    EXPECT_EQ(QApplication::focusWidget(), script);
    EXPECT_TRUE(capture.boxes.isEmpty());

    EXPECT_FALSE(window.save());
    EXPECT_EQ(capture.boxes.value(0).prompt, QStringLiteral("Warning Script Must Be Filled In."));
    EXPECT_EQ(fileBytes(path), exampleJob(QStringLiteral("existing-job.xml")).toUtf8());
    EXPECT_TRUE(window.isModified());
}

// A job the editor cannot show (a persistence unit the list does not have)
// is reported and the current one stays; a good one replaces the editor.
TEST_F(Window, OpeningAnotherJobReplacesTheEditorUnlessItCannotBeShown)
{
    ASSERT_TRUE(window.openFile(jobFile(QStringLiteral("good.xml"))));
    const QPointer<UCScript> shown = window.editor();
    control<QPlainTextEdit>("rtfScript")->setPlainText(QStringLiteral("kept"));
    const QString bad = jobFile(QStringLiteral("bad.xml"), exampleJob(QStringLiteral("existing-job.xml"))
                                                               .replace(QStringLiteral("<UnitTime>2</UnitTime>"),
                                                                        QStringLiteral("<UnitTime>7</UnitTime>"))
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
    EXPECT_EQ(capture.boxes.size(), 1);
}

TEST_F(Window, SaveAsAddsXmlAndAFileThatHoldsNoJobSaysWhatItHolds)
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

    const QString report = jobFile(QStringLiteral("report.xml"), "<?xml version=\"1.0\"?>\n<Report><Line/></Report>\n");
    EXPECT_FALSE(window.openFile(report));
    ASSERT_EQ(capture.boxes.size(), 1);
    EXPECT_EQ(capture.boxes[0].prompt, report + QStringLiteral(" is not a job definition: its root element is <Report>"));
}

// A save rewrites the file in its own encoding: a second save of the same
// job writes the same bytes, sensor-script resave writes them too, and an
// edit of the script changes only its own line, "Señal" and what was typed
// intact.
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
        text.replace(QStringLiteral("Function Main()"), QStringLiteral("' Señal\r\nFunction Main()"));
        QStringEncoder encoder(row.codec);
        const QString original = jobFile(QStringLiteral("original.xml"), row.mark.toByteArray() + QByteArray(encoder(text)));
        const QString path = dir.filePath(QStringLiteral("job.xml"));
        QFile::remove(path);
        ASSERT_TRUE(QFile::copy(original, path));
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
        QWidget *script = control("rtfScript");
        QTest::keyClick(script, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(script, QStringLiteral(" ' "));
        QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("ñ€"));
        QCoreApplication::sendEvent(script, &typed);
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
    const QString before = readTextFile(path);
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
    EXPECT_TRUE(window.isModified());
    EXPECT_TRUE(window.isWindowModified());
    capture.answer = ui::Yes;
    EXPECT_TRUE(window.close());
    EXPECT_EQ(capture.boxes.value(0).prompt, QStringLiteral("Save the changes to job.xml?"));

    // The file as saved is the unedited one with the Warning level's OnRepeat script replaced.
    const ReturnedJob after(readTextFile(path));
    EXPECT_EQ(after.sensor.GetEvalData(LevelWarning).oEvents.GetEvent(QStringLiteral("OnRepeat")).GetEvalCode(), newScript);
    ReturnedJob expected(before);
    cEvalData warning = expected.sensor.GetEvalData(LevelWarning);
    warning.oEvents.GetEvent(QStringLiteral("OnRepeat")).SetEvalCode(newScript);
    EXPECT_EQ(after.document.xml(), expected.document.xml());
}

TEST_F(Window, TheWindowSpeaksTheInterfaceLanguage)
{
    window.newJob();
    window.changeLanguage(QStringLiteral("es"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Trabajo nuevo[*] - Editor de sensores de Veltrano"));
    QStringList menus, languages, skins;
    const QAction *saveAs = nullptr;
    for (const QAction *menu : window.menuBar()->actions()) {
        menus << menu->text();
        for (const QAction *item : menu->menu()->actions()) {
            if (menu->text() == QStringLiteral("&Idioma"))
                languages << item->text();
            if (menu->text() == QStringLiteral("&Tema"))
                skins << item->text();
            if (item->text() == QStringLiteral("Guardar &como..."))
                saveAs = item;
        }
    }
    EXPECT_EQ(menus, QStringList({QStringLiteral("&Archivo"), QStringLiteral("&Idioma"), QStringLiteral("&Tema")}));
    EXPECT_EQ(languages, QStringList({QStringLiteral("English"), QStringLiteral("Español")}));
    EXPECT_EQ(skins, QStringList({QStringLiteral("Clásico"), QStringLiteral("Oscuro")}));
    ASSERT_NE(saveAs, nullptr);
    EXPECT_EQ(saveAs->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+S")));

    // The save question and its buttons.
    QTest::keyClicks(control("rtfScript"), QStringLiteral("x"));
    capture.answer = ui::Cancel;
    window.close();
    EXPECT_EQ(capture.boxes.value(0).prompt, QStringLiteral("¿Guardar los cambios en el trabajo nuevo?"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Sí"));

    window.changeLanguage(QStringLiteral("en"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("New job[*] - Veltrano sensor editor"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));
}

} // namespace
