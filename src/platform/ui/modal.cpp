#include "modal.h"

#include "controlcolors.h"

#include <QDialog>

namespace ui {
namespace {

int execDialog(QDialog &dialog)
{
    return dialog.exec();
}

ModalHandler &currentHandler()
{
    static ModalHandler handler = execDialog;
    return handler;
}

} // namespace

int showModal(QDialog &dialog)
{
    applyWindowPalette(dialog);
    return currentHandler()(dialog);
}

ModalHandler setModalHandler(ModalHandler handler)
{
    ModalHandler previous = currentHandler();
    currentHandler() = handler ? std::move(handler) : ModalHandler(execDialog);
    return previous;
}

} // namespace ui
