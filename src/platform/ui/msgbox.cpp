#include "msgbox.h"

#include "controlcolors.h"

#include <QMessageBox>
#include <QPushButton>

namespace ui {
namespace {

QMessageBox::StandardButtons buttonsOf(int style)
{
    switch (style & 0x7) {
    case OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case AbortRetryIgnore: return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    case YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case YesNo: return QMessageBox::Yes | QMessageBox::No;
    case RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
    default: return QMessageBox::Ok;
    }
}

QMessageBox::Icon iconOf(int style)
{
    switch (style & 0x70) {
    case Critical: return QMessageBox::Critical;
    case Question: return QMessageBox::Question;
    case Exclamation: return QMessageBox::Warning;
    case Information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

int answerOf(int button)
{
    switch (button) {
    case QMessageBox::Cancel: return Cancel;
    case QMessageBox::Abort: return Abort;
    case QMessageBox::Retry: return Retry;
    case QMessageBox::Ignore: return Ignore;
    case QMessageBox::Yes: return Yes;
    case QMessageBox::No: return No;
    default: return Ok;
    }
}

int showMessageBox(const QString &prompt, int style, const QString &title)
{
    QMessageBox box(iconOf(style), title, prompt, buttonsOf(style));
    applyWindowPalette(box);
    const QList<QAbstractButton *> buttons = box.buttons();
    const int defaultIndex = (style & DefaultButton3) ? 2 : (style & DefaultButton2) ? 1 : 0;
    if (defaultIndex < buttons.size())
        box.setDefaultButton(qobject_cast<QPushButton *>(buttons.at(defaultIndex)));
    return answerOf(box.exec());
}

MsgBoxHandler &currentHandler()
{
    static MsgBoxHandler handler = showMessageBox;
    return handler;
}

} // namespace

int MsgBox(const QString &prompt, int style, const QString &title)
{
    return currentHandler()(prompt, style, title);
}

MsgBoxHandler setMsgBoxHandler(MsgBoxHandler handler)
{
    MsgBoxHandler previous = currentHandler();
    currentHandler() = handler ? std::move(handler) : MsgBoxHandler(showMessageBox);
    return previous;
}

} // namespace ui
