#include "chromedialog.h"

#include "formchrome.h"
#include "twips.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace ui {
namespace {

constexpr int CaptionTwips = 300;
constexpr int KeyboardStep = 10;   // pixels per Alt+arrow

// The caption bar: painted by DrawFormCaption, drags its window with the left button.
class CaptionBar : public QWidget
{
public:
    explicit CaptionBar(QWidget *form) : QWidget(form), m_form(form)
    {
        setObjectName(QStringLiteral("picCaption"));
    }

protected:
    void paintEvent(QPaintEvent *) override { DrawFormCaption(*m_form, *this); }

    void mousePressEvent(QMouseEvent *event) override
    {
        try {
            m_grab = event->position().toPoint() + pos();
        } catch (...) {
        }
    }

    void mouseMoveEvent(QMouseEvent *event) override
    {
        try {
            if (event->buttons() == Qt::LeftButton)
                MoveForm(*m_form, m_grab, event->globalPosition().toPoint());
        } catch (...) {
        }
    }

private:
    QWidget *m_form;
    QPoint m_grab;
};

} // namespace

FormDialog::FormDialog(QWidget *parent, Qt::WindowFlags flags) : QDialog(parent, flags)
{
    setModal(true);
}

void FormDialog::setVisible(bool visible)
{
    if (visible && !m_loaded) {
        m_loaded = true;
        try {
            Form_Load();
        } catch (...) {
        }
    }
    QDialog::setVisible(visible);
}

ChromeDialog::ChromeDialog(QWidget *parent) : FormDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    m_caption = new CaptionBar(this);
}

void ChromeDialog::setDesignSize(int widthTwips, int heightTwips)
{
    setFixedSize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
    m_caption->setGeometry(twipsRect(0, 0, widthTwips, CaptionTwips));
}

void ChromeDialog::paintEvent(QPaintEvent *)
{
    DrawFormBorder(*this);
}

void ChromeDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->modifiers() == Qt::AltModifier) {
        QPoint step;
        switch (event->key()) {
        case Qt::Key_Left: step = {-KeyboardStep, 0}; break;
        case Qt::Key_Right: step = {KeyboardStep, 0}; break;
        case Qt::Key_Up: step = {0, -KeyboardStep}; break;
        case Qt::Key_Down: step = {0, KeyboardStep}; break;
        default: break;
        }
        if (!step.isNull()) {
            move(pos() + step);
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void ChromeDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowTitleChange || event->type() == QEvent::WindowIconChange)
        m_caption->update();
    QDialog::changeEvent(event);
}

} // namespace ui
