#include "showerror.h"

#include "errorcore/error.h"
#include "host/errorrecorder.h"
#include "host/registry.h"
#include "platform/ui/msgbox.h"

QString gLogText;

void ShowError(const QString &description, const QString &source, const Error &error,
               QString &extraText, QString &title, bool &showMessage)
{
    if (title.isEmpty())
        title = applicationTitle();

    const std::unique_ptr<host::ErrorRecorder> recorder = host::errorRecorders().create();
    for (long flag : {0L, 1L})
        recorder->record(0, description, title, source, error, flag, gLogText, 1000000.0, 0, 0,
                         extraText, 0);

    if (showMessage) {
        const QString text = QStringLiteral("Error: %1\rDescription: %2\rSource: %3")
                                 .arg(error.number)
                                 .arg(description, source);
        ui::MsgBox(text, ui::Critical | ui::OkOnly, title);
    }
}

bool reporting(const char *tag, const QString &title, const std::function<void()> &body,
               bool showMessage)
{
    try {
        body();
        return true;
    } catch (...) {
        const Error error = toError(std::current_exception());
        QString extra;
        QString shownTitle = title;
        bool show = showMessage;
        ShowError(error.description, error.source + QLatin1String(tag), error, extra, shownTitle,
                  show);
        return false;
    }
}
