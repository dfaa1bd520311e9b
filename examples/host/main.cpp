// veltrano-host [JOB.xml]
//
// The smallest host of the job editor: creates the component, gives it a
// notifier, the interface languages, the data folder and a job (the file
// given, else a new job), shows it, then validates and prints the job text
// the editor gives back.
#include "editor/ucscript.h"
#include "errorcore/error.h"
#include "hostkit/callbacknotifier.h"
#include "hostkit/referenceobjects.h"
#include "platform/xml/xmlnode.h"

#include <QApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    hostkit::installReferenceObjects();

    QString job = QStringLiteral(
        "<JobDefinition><Definition><Type>SENSOR</Type><SubType>SCRIPT</SubType>"
        "<ExecutionEngine>SENSOR</ExecutionEngine></Definition></JobDefinition>");
    if (argc > 1) {
        QFile file(QString::fromLocal8Bit(argv[1]));
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "veltrano-host: cannot read %s\n", argv[1]);
            return 2;
        }
        job = QString::fromUtf8(file.readAll());
    }

    try {
        hostkit::CallbackNotifier notifier; // counts the edits; a real host marks its document modified
        const XmlNode languages = XmlNode::parse(QStringLiteral(
            "<Languages><Language><Id>en</Id></Language><Language><Id>es</Id></Language></Languages>"))
                                      .documentElement();
        UCScript editor;
        editor.Engine_InitControl(&notifier, languages, nullptr);
        editor.Engine_SetPathData(QStringLiteral(VELTRANO_DATA_DIR));
        editor.Engine_SetData(job);
        editor.Engine_ShowData();
        editor.show();
        app.processEvents();

        if (!editor.Engine_Validate()) {
            std::fprintf(stderr, "veltrano-host: the job does not validate\n");
            return 1;
        }
        std::fputs(editor.Engine_GetData().toUtf8().constData(), stdout);
    } catch (const Error &error) {
        std::fprintf(stderr, "veltrano-host: error %ld: %s\n", error.number, qPrintable(error.description));
        return 1;
    }
    return 0;
}
