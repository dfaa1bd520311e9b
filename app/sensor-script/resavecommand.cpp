#include "resavecommand.h"

#include "commandline.h"
#include "exitcode.h"

#include "editor/ucscript.h"
#include "errorcore/error.h"
#include "hostkit/callbacknotifier.h"
#include "hostkit/hosttexts.h"
#include "hostkit/jobfile.h"
#include "hostkit/referenceobjects.h"
#include "hostkit/skins.h"
#include "model/savingchanges.h"
#include "platform/ui/msgbox.h"

#include <QDir>
#include <QTextStream>

#include <memory>

namespace {

QString oneLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

void printError(const QString &job, const QString &what, const Error &error)
{
    QTextStream err(stderr);
    err << "sensor-script resave: " << job << ": " << what << ": error " << error.number << ": "
        << oneLine(error.description);
    if (!error.source.isEmpty())
        err << " (source:" << error.source << ")";
    err << '\n';
}

// The one way out for a job that is not saved because of what it holds:
// each reason on a line of its own.
int refuse(const QString &job, const QStringList &reasons)
{
    QTextStream err(stderr);
    err << "sensor-script resave: " << job << ": not saved\n";
    for (const QString &reason : reasons)
        err << "  " << oneLine(reason).replace(QLatin1Char('\n'), QLatin1String("\n  ")) << '\n';
    return ExitRefused;
}

} // namespace

int resaveJobCommand(const QStringList &args)
{
    CommandLine line("resave", "JOB.xml [OUT.xml]",
                     QStringLiteral("Opens the job in the editor, validates it and saves it as the editor's "
                                    "File > Save does."));
    line.addDataOption(QStringLiteral(VT_DEFAULT_DATA_DIR));
    line.addFlag(QStringLiteral("force"),
                 QStringLiteral("Save even when the editor would change values it cannot show."));
    line.addArgument(QStringLiteral("JOB.xml"), QStringLiteral("The job file."));
    line.addArgument(QStringLiteral("OUT.xml"), QStringLiteral("Where to write it (JOB.xml itself when omitted)."),
                     QStringLiteral("[OUT.xml]"));
    if (const std::optional<int> done = line.parse(args, 1, 2))
        return *done;
    const QString job = line.arguments().at(0);
    const QString output = line.arguments().value(1, job);
    const QString dataFolder = QDir(line.dataFolder()).absolutePath();

    hostkit::installReferenceObjects();
    // What the editor would show in a message box (validation's refusal among
    // them) is kept for standard error.
    QStringList messages;
    ui::ScopedMsgBoxHandler keep([&messages](const QString &prompt, int, const QString &) {
        messages.append(prompt);
        return int(ui::Ok);
    });

    hostkit::JobFileText file;
    try {
        file = hostkit::readJobFile(job);
    } catch (const Error &error) {
        QTextStream(stderr) << "sensor-script resave: " << oneLine(error.description) << '\n';
        return ExitNotAJob;
    }
    if (!line.flag(QStringLiteral("force"))) {
        const QStringList changes = savingChanges(file.text);
        if (!changes.isEmpty())
            return refuse(job, changes);
    }

    hostkit::CallbackNotifier notifier;
    const std::unique_ptr<host::Skin> skin = hostkit::createSkin(hostkit::skinNames().value(0));
    auto editor = std::make_unique<UCScript>();
    try {
        editor->Engine_InitControl(&notifier, hostkit::languagesNode(dataFolder), skin.get());
        editor->Engine_SetPathData(dataFolder);
        editor->Engine_SetData(file.text);
        editor->Engine_ShowData();
    } catch (...) {
        printError(job, QStringLiteral("the editor cannot show the job"), toError(std::current_exception()));
        return ExitNotAJob;
    }

    QString text;
    try {
        messages.clear();
        if (!editor->Engine_Validate())
            return refuse(job, messages);
        text = editor->Engine_GetData();
    } catch (...) {
        printError(job, QStringLiteral("the editor cannot give the job back"), toError(std::current_exception()));
        return ExitRefused;
    }
    // The editor's copies of a large job go before the file is made.
    editor.reset();
    file.text.clear();

    try {
        hostkit::writeJobFile(output, text, file.encoding);
    } catch (const Error &error) {
        QTextStream(stderr) << "sensor-script resave: " << oneLine(error.description) << '\n';
        return ExitNotWritten;
    }
    return ExitOk;
}
