// The desktop host's files as a user meets them: every kind of edit counts
// as a change (and only edits do), files keep their encoding, Save As names
// its file, a file that holds no job says so, and sensor-script resave writes
// what File > Save writes.
#include "editorwindow.h"
#include "reportcapture.h"
#include "testsupport.h"

#include "editor/ucscript.h"
#include "hostkit/referenceobjects.h"
#include "platform/ui/modal.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStringDecoder>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct JobFiles : ::testing::Test
{
    JobFiles()
    {
        static const bool installed = (hostkit::installReferenceObjects(), true);
        (void)installed;
    }

    // The example job in `encoding` (named in its declaration; a byte-order
    // mark before it when `mark` is given), with "Señal" in its name and its
    // general script.
    QString jobFile(const QString &name, const char *encoding = "UTF-8", QByteArrayView mark = {})
    {
        QString text = readTextFile(sourcePath(QStringLiteral("examples/jobs/existing-job.xml")));
        text.replace(QStringLiteral("encoding=\"UTF-8\""), QStringLiteral("encoding=\"%1\"").arg(QLatin1String(encoding)));
        text.replace(QStringLiteral("<Name>DISK-VAR</Name>"), QStringLiteral("<Name>Señal</Name>"));
        text.replace(QStringLiteral("Function Main()"), QStringLiteral("' Señal\r\nFunction Main()"));
        QStringEncoder encoder(mark.isEmpty() || QByteArrayView(encoding) != "UTF-16" ? encoding : "UTF-16LE");
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(mark.toByteArray() + QByteArray(encoder(text)));
        return path;
    }

    template <class T = QWidget>
    T *control(const char *name) const
    {
        return window.editor()->findChild<T *>(QString::fromLatin1(name));
    }

    QTemporaryDir dir;
    ReportCapture capture;
    EditorWindow window{sourcePath(QStringLiteral("data")), QStringLiteral("en"), QStringLiteral("classic")};
};

// ------------------------------------------------------------ what is a change

struct EditCase
{
    const char *name;
    std::function<void(JobFiles &)> edit;
    bool modified;
};

void PrintTo(const EditCase &row, std::ostream *out) { *out << row.name; }

class Edits : public JobFiles, public ::testing::WithParamInterface<EditCase>
{
};

TEST_P(Edits, MarkTheJobAndAskOnClosingExactlyWhenItChanged)
{
    ASSERT_TRUE(window.openFile(jobFile(QStringLiteral("job.xml"))));
    window.show();
    GetParam().edit(*this);
    QCoreApplication::processEvents();

    EXPECT_EQ(window.isModified(), GetParam().modified);
    EXPECT_EQ(window.isWindowModified(), GetParam().modified);
    capture.answer = ui::Cancel;
    EXPECT_EQ(window.close(), !GetParam().modified);
    EXPECT_EQ(capture.boxes.size(), GetParam().modified ? 1 : 0);
}

const EditCase editCases[] = {
    {"ReferenceValueTyped", [](JobFiles &t) { QTest::keyClicks(t.control("pvDangerRef"), QStringLiteral("1")); }, true},
    {"QuantityTyped", [](JobFiles &t) { QTest::keyClicks(t.control("pvDataPersistence"), QStringLiteral("0")); }, true},
    {"UnitPicked", [](JobFiles &t) { t.control<QComboBox>("cmbDataPersistence")->setCurrentIndex(3); }, true},
    {"ScriptTyped", [](JobFiles &t) { QTest::keyClicks(t.control("rtfScript"), QStringLiteral("x")); }, true},
    {"ScriptTypedAndUndone",
     [](JobFiles &t) {
         QTest::keyClicks(t.control("rtfScript"), QStringLiteral("x"));
         QCoreApplication::processEvents();
         QTest::keyClick(t.control("rtfScript"), Qt::Key_Z, Qt::ControlModifier);
     },
     false},
    {"ColorizedOnly", [](JobFiles &t) { t.control<QToolButton>("cmdColorizeCode")->click(); }, false},
};

INSTANTIATE_TEST_SUITE_P(JobFiles, Edits, ::testing::ValuesIn(editCases),
                         [](const auto &info) { return std::string(info.param.name); });

// Looking for a change validates the job silently: a refusal elsewhere (an
// empty level script) must not pull the user away from where they type.
TEST_F(JobFiles, LookingForChangesLeavesTheUserWhereTheyType)
{
    ASSERT_TRUE(window.openFile(jobFile(QStringLiteral("job.xml"))));
    window.show();
    control<QPlainTextEdit>("rtfScriptWarning")->clear();
    QCoreApplication::processEvents();
    window.showPage(QStringLiteral("General"));
    auto *pages = control<QTabWidget>("ssTabDatos");
    const int general = pages->currentIndex();
    QWidget *script = control("rtfScript");
    script->setFocus();
    QTest::keyClicks(script, QStringLiteral("x"));
    QCoreApplication::processEvents();

    EXPECT_TRUE(window.isWindowModified());
    EXPECT_EQ(pages->currentIndex(), general);
    EXPECT_EQ(QApplication::focusWidget(), script);
}

// ------------------------------------------------------------------ encodings

struct EncodingCase
{
    const char *name;
    const char *encoding;
    QByteArrayView mark;
};

void PrintTo(const EncodingCase &row, std::ostream *out) { *out << row.name; }

class Encodings : public JobFiles, public ::testing::WithParamInterface<EncodingCase>
{
};

// A save rewrites the file in its own encoding: a second save of the same
// job writes the same bytes, sensor-script resave writes them too, and an
// edit of the script changes only its own line, "Señal" and what was typed
// intact.
TEST_P(Encodings, SavesKeepTheEncodingAndChangeOnlyWhatWasEdited)
{
    const EncodingCase &row = GetParam();
    const QString original = jobFile(QStringLiteral("original.xml"), row.encoding, row.mark);
    const QString path = dir.filePath(QStringLiteral("job.xml"));
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
        QStringDecoder decoder(row.mark.isEmpty() || QByteArrayView(row.encoding) != "UTF-16" ? row.encoding : "UTF-16LE");
        return QString(decoder(bytes)).split(u'\n');
    };
    const QStringList before = lines(saved);
    const QStringList after = lines(fileBytes(path));
    ASSERT_EQ(after.size(), before.size());
    QStringList changed;
    for (qsizetype i = 0; i < after.size(); ++i) {
        if (after[i] != before[i])
            changed << after[i];
    }
    ASSERT_EQ(changed.size(), 1) << changed.join(u'\n').toStdString();
    EXPECT_TRUE(after.join(u'\n').contains(QStringLiteral("<Name>Señal</Name>")));
    EXPECT_TRUE(window.openFile(path));
    EXPECT_TRUE(control<QWidget>("rtfScript")->property("plainText").toString().endsWith(QStringLiteral("End Function ' ñ€")));
}

INSTANTIATE_TEST_SUITE_P(JobFiles, Encodings,
                         ::testing::Values(EncodingCase{"Utf8", "UTF-8", {}},
                                           EncodingCase{"Utf8Bom", "UTF-8", QByteArrayView("\xEF\xBB\xBF", 3)},
                                           EncodingCase{"Latin1", "ISO-8859-1", {}},
                                           EncodingCase{"Windows1252", "windows-1252", {}},
                                           EncodingCase{"Utf16Bom", "UTF-16", QByteArrayView("\xFF\xFE", 2)}),
                         [](const auto &info) { return std::string(info.param.name); });

// --------------------------------------------------------- naming and refusing

TEST_F(JobFiles, SaveAsAddsXmlToANameWithoutExtension)
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

TEST_F(JobFiles, AFileThatHoldsNoJobSaysWhatItHolds)
{
    const QString path = dir.filePath(QStringLiteral("report.xml"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<?xml version=\"1.0\"?>\n<Report><Line/></Report>\n");
    file.close();

    EXPECT_FALSE(window.openFile(path));
    ASSERT_EQ(capture.boxes.size(), 1);
    EXPECT_EQ(capture.boxes[0].prompt, path + QStringLiteral(" is not a job definition: its root element is <Report>"));
}

// ------------------------------------------------------------- host's own texts

TEST_F(JobFiles, TheWindowSpeaksTheInterfaceLanguage)
{
    window.newJob();
    window.changeLanguage(QStringLiteral("es"));
    QStringList menus;
    for (const QAction *menu : window.menuBar()->actions())
        menus << menu->text();
    EXPECT_EQ(menus, QStringList({QStringLiteral("&Archivo"), QStringLiteral("&Idioma"), QStringLiteral("&Tema")}));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Trabajo nuevo[*] - Editor de sensores de Veltrano"));

    QStringList languages, skins;
    const QAction *saveAs = nullptr;
    for (const QAction *menu : window.menuBar()->actions()) {
        for (const QAction *item : menu->menu()->actions()) {
            if (menu->text() == QStringLiteral("&Idioma"))
                languages << item->text();
            if (menu->text() == QStringLiteral("&Tema"))
                skins << item->text();
            if (item->text() == QStringLiteral("Guardar &como..."))
                saveAs = item;
        }
    }
    EXPECT_EQ(languages, QStringList({QStringLiteral("English"), QStringLiteral("Español")}));
    EXPECT_EQ(skins, QStringList({QStringLiteral("Clásico"), QStringLiteral("Oscuro")}));
    ASSERT_NE(saveAs, nullptr);
    EXPECT_EQ(saveAs->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+S")));

    // The save question and its buttons.
    QTest::keyClicks(control("rtfScript"), QStringLiteral("x"));
    capture.answer = ui::Cancel;
    window.close();
    ASSERT_EQ(capture.boxes.size(), 1);
    EXPECT_EQ(capture.boxes[0].prompt, QStringLiteral("¿Guardar los cambios en el trabajo nuevo?"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Sí"));

    window.changeLanguage(QStringLiteral("en"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("New job[*] - Veltrano sensor editor"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));
}

} // namespace
