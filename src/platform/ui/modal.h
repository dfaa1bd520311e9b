#pragma once

#include "scopedhandler.h"

#include <functional>

class QDialog;

// The modal-dialog seam: every dialog is shown through showModal. The default
// handler runs QDialog::exec; a test installs one that drives the dialog and
// closes it, a host may install its own.
namespace ui {

using ModalHandler = std::function<int(QDialog &dialog)>;

// Shows `dialog` modally and returns its result code.
int showModal(QDialog &dialog);

// Installs `handler` and returns the one it replaces; empty restores the default.
ModalHandler setModalHandler(ModalHandler handler);

// Installs a handler for the lifetime of the guard, then puts the old one back.
using ScopedModalHandler = ScopedHandler<ModalHandler, setModalHandler>;

} // namespace ui
