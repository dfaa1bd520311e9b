#pragma once

#include <QDialog>
#include <QPoint>

// The shape every dialog of the component shares: a borderless modal window
// with its own chrome — the caption bar `picCaption` (title and icon, raised
// edge) across the top, a raised border round the client area, and dragging
// by the caption bar while the left button is held. Painting and dragging
// ignore their failures; nothing they do reaches the event loop.
//
// Use: create the dialog, set its public fields, show it through
// ui::showModal, read its results after it has hidden. The first time it
// becomes visible Form_Load runs (the dialog applies the skin, then the
// language, then fills its controls); a failure leaving Form_Load is dropped
// and the dialog still opens. Keys: Esc cancels, Enter presses the default
// button, Alt+arrow moves the window (for when no window manager can).
namespace ui {

class ChromeDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ChromeDialog(QWidget *parent = nullptr);

    // Sizes the client area by its design size in twips (the caption bar's
    // height is 300 twips, its width the client area's).
    void setDesignSize(int widthTwips, int heightTwips);

    // The caption bar, named "picCaption".
    QWidget *picCaption() const { return m_caption; }

    void setVisible(bool visible) override;

protected:
    // The dialog's loading; runs once, before the dialog is first shown.
    virtual void Form_Load() {}

    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QWidget *m_caption = nullptr;
    bool m_loaded = false;
};

} // namespace ui
