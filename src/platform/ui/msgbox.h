#pragma once

#include "scopedhandler.h"

#include <QString>
#include <functional>

// The message-box seam. Every message the system shows goes through MsgBox;
// the default handler shows a modal QMessageBox, tests and hosts install their
// own (record the prompt and answer it) with setMsgBoxHandler.
namespace ui {

// Button sets, icons and answers, with the numbers scripts and hosts know.
enum MsgBoxStyle {
    OkOnly = 0, OkCancel = 1, AbortRetryIgnore = 2, YesNoCancel = 3, YesNo = 4, RetryCancel = 5,
    Critical = 16, Question = 32, Exclamation = 48, Information = 64,
    DefaultButton2 = 256, DefaultButton3 = 512,
};
enum MsgBoxResult { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

using MsgBoxHandler = std::function<int(const QString &prompt, int style, const QString &title)>;

// Shows a message and returns the answer (one of MsgBoxResult).
int MsgBox(const QString &prompt, int style, const QString &title);

// Installs `handler` and returns the one it replaces; an empty handler
// restores the default.
MsgBoxHandler setMsgBoxHandler(MsgBoxHandler handler);

// Installs a handler for the lifetime of the guard, then puts the old one back.
using ScopedMsgBoxHandler = ScopedHandler<MsgBoxHandler, setMsgBoxHandler>;

} // namespace ui
