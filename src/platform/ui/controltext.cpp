#include "controltext.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QToolButton>
#include <QWidgetAction>

namespace ui {

void setControlText(QObject &control, const QString &text)
{
    if (auto *action = qobject_cast<QAction *>(&control)) {
        action->setText(text);
        action->setToolTip(text);
        if (auto *shown = qobject_cast<QWidgetAction *>(action); shown && shown->defaultWidget()) {
            shown->defaultWidget()->setToolTip(text);
            setControlText(*shown->defaultWidget(), text);
        }
    } else if (auto *tool = qobject_cast<QToolButton *>(&control);
               tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly && !tool->icon().isNull()) {
        tool->setToolTip(text);
    } else if (auto *button = qobject_cast<QAbstractButton *>(&control)) {
        button->setText(text);
    } else if (auto *label = qobject_cast<QLabel *>(&control)) {
        label->setText(text);
    } else if (auto *frame = qobject_cast<QGroupBox *>(&control)) {
        frame->setTitle(text);
    } else if (auto *list = qobject_cast<QComboBox *>(&control)) {
        list->setToolTip(text);
    }
}

void fitToText(QLabel &label)
{
    label.resize(qMax(label.width(), label.sizeHint().width()), label.height());
}

} // namespace ui
