#include "showerror.h"

#include "errorcore/error.h"
#include "host/errorrecorder.h"
#include "host/registry.h"
#include "platform/ui/msgbox.h"

void ShowError(const QString &description, const QString &source, const Error &error,
               const QString &extraText, QString &title, bool showMessage, const QString &logText)
{
    if (title.isEmpty())
        title = applicationTitle();

    const std::unique_ptr<host::ErrorRecorder> recorder = host::errorRecorders().create();
    for (long flag : {0L, 1L})
        recorder->record(0, description, title, source, error, flag, logText, 1000000.0, 0, 0,
                         extraText, 0);

    if (showMessage) {
        const QString text = QStringLiteral("Error: %1\rDescription: %2\rSource: %3")
                                 .arg(error.number)
                                 .arg(description, source);
        ui::MsgBox(text, ui::Critical | ui::OkOnly, title);
    }
}

bool reporting(const char *tag, const QString &title, const std::function<void()> &body,
               bool showMessage, const QString &logText)
{
    try {
        body();
        return true;
    } catch (...) {
        const Error error = toError(std::current_exception());
        QString shownTitle = title;
        ShowError(error.description, error.source + QLatin1String(tag), error, QString(), shownTitle,
                  showMessage, logText);
        return false;
    }
}

bool reporting(const char *tag, const QString &title, const std::function<void()> &body,
               bool showMessage)
{
    return reporting(tag, title, body, showMessage, QString());
}

void recordSkipped(const char *where, std::exception_ptr failure, const QString &extraText,
                   const QString &logText) noexcept
{
    try {
        const Error error = toError(failure);
        QString title;
        ShowError(error.description, error.source + QLatin1String(where), error, extraText, title,
                  false, logText);
    } catch (...) {
        // The error log itself failed: there is nowhere left to record it.
    }
}
