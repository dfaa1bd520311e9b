#include "formchrome.h"

#include "errorcore/error.h"

#include <QIcon>
#include <QLinearGradient>
#include <QPainter>
#include <QPalette>
#include <QWidget>
#include <QWindow>

namespace ui {
namespace {

// An edge one pixel wide inside `rect`: `topLeft` on the top and left sides,
// `bottomRight` on the bottom and right sides.
void drawEdge(QPainter &painter, const QRect &rect, const QColor &topLeft, const QColor &bottomRight)
{
    painter.setPen(topLeft);
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
}

} // namespace

void DrawFormCaption(QWidget &form, QWidget &picCaption)
{
    try {
        QPainter painter(&picCaption);
        const QRect rect(0, 0, form.width(), picCaption.height());
        const QPalette &palette = form.palette();

        // The active caption: a gradient from the highlight colour to a lighter shade.
        const QColor from = palette.color(QPalette::Active, QPalette::Highlight);
        QLinearGradient gradient(rect.topLeft(), rect.topRight());
        gradient.setColorAt(0, from);
        gradient.setColorAt(1, from.lighter(160));
        painter.fillRect(rect, gradient);

        int textLeft = 4;
        const QIcon icon = form.windowIcon();
        if (!icon.isNull()) {
            const int side = qMin(16, rect.height() - 4);
            icon.paint(&painter, QRect(3, (rect.height() - side) / 2, side, side));
            textLeft += side + 2;
        }
        QFont font = form.font();
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(palette.color(QPalette::Active, QPalette::HighlightedText));
        painter.drawText(rect.adjusted(textLeft, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                         form.windowTitle());

        // Raised outer edge on all four sides.
        drawEdge(painter, rect.adjusted(0, 0, -1, -1), palette.color(QPalette::Light),
                 palette.color(QPalette::Shadow));
    } catch (...) {
    }
}

void DrawFormBorder(QWidget &form)
{
    try {
        QPainter painter(&form);
        // Raised inner edge on all four sides.
        drawEdge(painter, form.rect().adjusted(0, 0, -1, -1), form.palette().color(QPalette::Light),
                 form.palette().color(QPalette::Dark));
    } catch (...) {
    }
}

bool MoveForm(QWidget &form, const QPoint &grab, const QPoint &globalPos)
{
    return passing(" General.MoveForm() ", [&] {
        QWidget *window = form.window();
        if (QWindow *handle = window->windowHandle(); handle && handle->startSystemMove())
            return true;
        window->move(globalPos - grab);
        return false;
    });
}

} // namespace ui
