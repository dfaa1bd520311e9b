#pragma once

#include <QDialog>
#include <QPoint>

// The chrome of the borderless dialogs: a modal window with its own chrome — the caption bar `picCaption` (title and icon, raised
// edge) across the top, a raised border round the client area, and dragging
// by the caption bar while the left button is held. Painting and dragging
// ignore their failures; nothing they do reaches the event loop.
//
// Use: create the dialog, set its public fields, show it through
// ui::showModal, read its results after it has hidden (see FormDialog for
// its loading; dialogs/dialogshape.h for the rest of a dialog's shape). Keys: Esc cancels, Enter presses the default
// button, Alt+arrow moves the window (for when no window manager can).
namespace ui {

// A modal dialog whose loading (Form_Load) runs once, the first time it is
// about to show; a failure leaving Form_Load is dropped and the dialog
// still opens. The Events editor, which has the system's frame, is one;
// the borderless dialogs are ChromeDialogs.
class FormDialog : public QDialog
{
    Q_OBJECT

public:
    explicit FormDialog(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::Dialog);

    void setVisible(bool visible) override;

protected:
    // The dialog's loading: its skin, then its language, then its controls' content.
    virtual void Form_Load() {}

private:
    bool m_loaded = false;
};

class ChromeDialog : public FormDialog
{
    Q_OBJECT

public:
    explicit ChromeDialog(QWidget *parent = nullptr);

    // Sizes the client area by its design size in twips (the caption bar's
    // height is 300 twips, its width the client area's).
    void setDesignSize(int widthTwips, int heightTwips);

    // The caption bar, named "picCaption".
    QWidget *picCaption() const { return m_caption; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QWidget *m_caption = nullptr;
};

} // namespace ui
