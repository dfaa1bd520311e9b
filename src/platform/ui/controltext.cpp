#include "controltext.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QRegularExpression>
#include <QToolButton>
#include <QWidgetAction>

namespace ui {

void setControlText(QObject &control, const QString &text)
{
    if (auto *action = qobject_cast<QAction *>(&control)) {
        action->setText(text);
        action->setToolTip(tipWithKeys(text, action->shortcut()));
        if (auto *shown = qobject_cast<QWidgetAction *>(action); shown && shown->defaultWidget()) {
            shown->defaultWidget()->setToolTip(text);
            setControlText(*shown->defaultWidget(), text);
        }
    } else if (auto *tool = qobject_cast<QToolButton *>(&control);
               tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly && !tool->icon().isNull()) {
        tool->setToolTip(tipWithKeys(text, tool->property(kKeysProperty).value<QKeySequence>()));
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

QString tipWithKeys(const QString &text, const QKeySequence &keys)
{
    QString plain = text;
    plain.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    if (keys.isEmpty())
        return plain;
    return QStringLiteral("%1 (%2)").arg(plain, keys.toString(QKeySequence::NativeText));
}

void fitToText(QLabel &label)
{
    label.resize(qMax(label.width(), label.sizeHint().width()), qMax(label.height(), label.sizeHint().height()));
}

} // namespace ui
