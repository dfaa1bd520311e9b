// sensor-editor [JOB.xml] [--data DIR] [--lang ID] [--skin NAME]
//               [--page General|EvaluationData] [--screenshot FILE.png [--dialog STEPS]]
//
// The desktop host of the sensor job editor: opens a job file (or a new job)
// in the embedded editor, saves it back, and switches the interface language
// and the skin at run time. --screenshot writes a picture of the window once
// it is shown and laid out, then exits; with --dialog, of the dialog that
// the steps reach (cmdWizard/cmdEditCnnString/ODBC: dialogpicture.h).
// --help and --version need no display; a data folder without the sensor
// pattern is refused (exit 2).
#include "appenvironment.h"
#include "dialogpicture.h"
#include "editorwindow.h"

#include "host/debugoutput.h"
#include "host/registry.h"
#include "hostkit/referenceobjects.h"
#include "editor/ucscript.h"
#include "platform/ui/msgbox.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

// This host takes the scripts' debug output: the editor then shows it in the
// Result Test dialog, and a copy goes to standard error, where it outlives
// the dialog (and the output of a run that failed is seen too).
class StandardErrorOutput : public host::DebugOutput
{
public:
    void Write(const QStringList &lines) override
    {
        for (const QString &line : lines)
            std::fprintf(stderr, "script: %s\n", qPrintable(line));
    }
};

} // namespace

int main(int argc, char **argv)
{
    const std::unique_ptr<QTemporaryDir> runtimeDir = appenv::ensureRuntimeDir();
    appenv::dropWindowHintWarnings();
    // --help, --version and a data folder refused print and exit: they need no display.
    const bool noWindow = appenv::asksHelpOrVersion(argc, argv) || !appenv::dataArgumentProblem(argc, argv).isEmpty();
    const std::unique_ptr<QCoreApplication> application = noWindow
        ? std::make_unique<QCoreApplication>(argc, argv)
        : std::make_unique<QApplication>(argc, argv);
    QCoreApplication &app = *application;
    QCoreApplication::setApplicationName(QStringLiteral("sensor-editor"));
    QCoreApplication::setApplicationVersion(appenv::version());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Edits the sensor script job of a job definition file."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("JOB.xml"), QStringLiteral("The job to open (a new job when omitted)."));
    const QCommandLineOption dataOption(QStringLiteral("data"), QStringLiteral("Data folder (language files, sensor pattern)."),
                                        QStringLiteral("DIR"), appenv::defaultDataFolder());
    const QCommandLineOption langOption(QStringLiteral("lang"), QStringLiteral("Interface language id (en, es, ...)."),
                                        QStringLiteral("ID"), QStringLiteral("en"));
    const QCommandLineOption skinOption(QStringLiteral("skin"), QStringLiteral("Skin: classic or dark."),
                                        QStringLiteral("NAME"), QStringLiteral("classic"));
    const QCommandLineOption pageOption(QStringLiteral("page"), QStringLiteral("Page to show first: General or EvaluationData."),
                                        QStringLiteral("KEY"));
    const QCommandLineOption shotOption(QStringLiteral("screenshot"),
                                        QStringLiteral("Write a PNG of the window once it is shown, then exit."),
                                        QStringLiteral("FILE"));
    const QCommandLineOption dialogOption(
        QStringLiteral("dialog"),
        QStringLiteral("With --screenshot: the picture is of the dialog that STEPS reach, separated by '/': each a "
                       "tool or button to press (ID_Evaluate, cmdEvents, cmdWizard, cmdWizardValues, and in the "
                       "Database Connection Wizard cmdEditCnnString), a page to show (Warning, PostgreSQL, ODBC) "
                       "or BOX=TEXT, text typed into a box."),
        QStringLiteral("STEPS"));
    parser.addOptions({dataOption, langOption, skinOption, pageOption, shotOption, dialogOption});
    parser.process(app);
    const QString dataProblem = appenv::dataFolderProblem(parser.value(dataOption));
    if (!dataProblem.isEmpty()) {
        std::fprintf(stderr, "sensor-editor: %s\n", qPrintable(dataProblem));
        return 2;
    }

    hostkit::installReferenceObjects();
    host::debugOutputs().install([] { return std::make_unique<StandardErrorOutput>(); });

    // A picture run asks nobody: messages go to standard error, answered OK.
    if (parser.isSet(shotOption))
        ui::setMsgBoxHandler([](const QString &prompt, int, const QString &title) {
            QString text = prompt;
            text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
            std::fprintf(stderr, "sensor-editor: %s: %s\n", qPrintable(title), qPrintable(text));
            return int(ui::Ok);
        });

    EditorWindow window(QDir(parser.value(dataOption)).absolutePath(), parser.value(langOption),
                        parser.value(skinOption));
    const QStringList jobs = parser.positionalArguments();
    bool opened = false;
    if (!jobs.isEmpty())
        opened = window.openFile(jobs.first());
    if (!opened)
        window.newJob();
    if (parser.isSet(pageOption))
        window.showPage(parser.value(pageOption));
    window.show();

    // A dialog may run in the job's folder: the picture's name is taken from where we started.
    const QString picturePath = QFileInfo(parser.value(shotOption)).absoluteFilePath();
    if (parser.isSet(shotOption) && parser.isSet(dialogOption)) {
        const QString path = picturePath;
        const QStringList steps = parser.value(dialogOption).split(QLatin1Char('/'), Qt::SkipEmptyParts);
        QTimer::singleShot(300, &window, [&window, path, steps] {
            const QString problem = pictureDialog(*window.editor(), steps, path);
            if (!problem.isEmpty())
                std::fprintf(stderr, "sensor-editor: %s\n", qPrintable(problem));
            window.setWindowModified(false);
            QApplication::exit(problem.isEmpty() ? 0 : 1);
        });
    } else if (parser.isSet(shotOption)) {
        const QString path = picturePath;
        QTimer::singleShot(300, &window, [&window, path, opened, &jobs] {
            const bool written = window.grab().save(path, "PNG");
            if (!written)
                std::fprintf(stderr, "sensor-editor: cannot write %s\n", qPrintable(path));
            // Nothing to ask on the way out: the picture is all that was wanted.
            window.setWindowModified(false);
            QApplication::exit(written && (opened || jobs.isEmpty()) ? 0 : 1);
        });
    }
    return app.exec();
}
