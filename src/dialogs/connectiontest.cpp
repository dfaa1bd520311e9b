#include "connectiontest.h"

#include "busyrun.h"

#include "errorcore/error.h"
#include "common/showerror.h"
#include "platform/ui/msgbox.h"
#include "script/objects/runcontext.h"
#include "script/objects/secretmask.h"
#include "script/scriptcontrol.h"

#include <QApplication>

namespace {

// What the test runs: the connection of a generated script, opened and closed.
// SQLite opens any file and reads it at the first statement: reading the
// schema version tells a database from another file.
const QString testScript = QStringLiteral(
    "Function Main(pConnection)\r\n"
    "\tDim Cnn\r\n"
    "\tSet Cnn = CreateObject(\"ADODB.Connection\")\r\n"
    "\tCnn.CursorLocation = 2\r\n"
    "\tCnn.ConnectionTimeout = %1\r\n"
    "\tCnn.ConnectionString = pConnection\r\n"
    "\tCnn.Open\r\n"
    "\tIf Cnn.Provider = \"SQLite\" Then Cnn.Execute \"PRAGMA schema_version\"\r\n"
    "\tCnn.Close\r\n"
    "End Function");

} // namespace

void TestConnectionString(const QString &connection, const QString &failureTitle)
{
    Error failure;
    RunSecrets secrets;
    try {
        runScriptsBusy(QApplication::activeWindow(), [&](ScriptControl &script) {
            const RunSecrets::Active active(secrets);
            script.setTimeout((ConnectionTestSeconds + 10) * 1000);
            QVariantList args{connection};
            if (!script.addCode(testScript.arg(ConnectionTestSeconds)) || !script.run(QStringLiteral("Main"), args))
                failure = Error(script.error().Number, script.error().Description, script.error().Source);
        });
    } catch (...) {
        failure = toError(std::current_exception());
        if (failure.number == 0)
            failure.number = 51;
    }
    if (failure.number == 0) {
        ui::MsgBox(QStringLiteral("Ok!"), ui::OkOnly | ui::Information, applicationTitle());
        return;
    }
    const QStringList known = secrets.list();
    ui::MsgBox(QStringLiteral("Error: %1\rDescription: %2\rSource: %3")
                   .arg(QString::number(failure.number), maskSecrets(failure.description, known),
                        maskSecrets(failure.source, known)),
               ui::OkOnly | ui::Information, failureTitle);
}
