#include "conditionsgrid.h"

#include <QComboBox>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

constexpr int NoteRole = Qt::UserRole + 1;

// Cells of list columns: a drop-down list to edit them, a drop-down arrow to
// show it; a refused cell is shaded towards its text colour.
class CellDelegate : public QStyledItemDelegate
{
public:
    explicit CellDelegate(ConditionsGrid *grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override
    {
        const QStringList values = m_grid->columnList(index.column());
        if (values.isEmpty())
            return QStyledItemDelegate::createEditor(parent, option, index);
        auto *list = new QComboBox(parent);
        list->addItems(values);
        // The choice lands in the cell as soon as it is made.
        connect(list, &QComboBox::activated, this, [this, list] {
            emit const_cast<CellDelegate *>(this)->commitData(list);
        });
        return list;
    }

    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        if (auto *list = qobject_cast<QComboBox *>(editor))
            list->setCurrentIndex(list->findText(index.data(Qt::EditRole).toString()));
        else
            QStyledItemDelegate::setEditorData(editor, index);
    }

    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        if (auto *list = qobject_cast<QComboBox *>(editor))
            model->setData(index, list->currentText(), Qt::EditRole);
        else
            QStyledItemDelegate::setModelData(editor, model, index);
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const bool refused = m_grid->isEditRefused(index.row(), index.column());
        if (refused && !(option.state & QStyle::State_Selected)) {
            QColor shade = option.palette.color(QPalette::Base);
            const QColor text = option.palette.color(QPalette::Text);
            shade.setRgbF(0.8f * shade.redF() + 0.2f * text.redF(), 0.8f * shade.greenF() + 0.2f * text.greenF(),
                          0.8f * shade.blueF() + 0.2f * text.blueF());
            painter->fillRect(option.rect, shade);
        }
        QStyledItemDelegate::paint(painter, option, index);
        const QString note = index.data(NoteRole).toString();
        if (!note.isEmpty()) {
            QColor dim = option.palette.color(option.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                                    : QPalette::Text);
            dim.setAlphaF(0.6f);
            painter->save();
            painter->setPen(dim);
            painter->drawText(option.rect.adjusted(0, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter, note);
            painter->restore();
        }
        if (refused || m_grid->columnList(index.column()).isEmpty())
            return;
        QStyleOption arrow;
        arrow.initFrom(m_grid);
        const int side = qMin(option.rect.height(), 16);
        arrow.rect = QRect(option.rect.right() - side, option.rect.top() + (option.rect.height() - side) / 2,
                           side, side);
        arrow.palette.setColor(QPalette::ButtonText, option.state & QStyle::State_Selected
                                                         ? option.palette.color(QPalette::HighlightedText)
                                                         : option.palette.color(QPalette::Text));
        m_grid->style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, painter, m_grid);
    }

private:
    ConditionsGrid *m_grid;
};

} // namespace

ConditionsGrid::ConditionsGrid(int columns, QWidget *parent)
    : QTableWidget(0, columns, parent), m_defaults(columns), m_lists(columns)
{
    setItemDelegate(new CellDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
}

void ConditionsGrid::setColumnDefault(int column, const QString &text)
{
    m_defaults[column] = text;
}

void ConditionsGrid::setColumnList(int column, const QStringList &values)
{
    m_lists[column] = values;
}

QStringList ConditionsGrid::columnList(int column) const
{
    return column >= 0 && column < m_lists.size() ? m_lists[column] : QStringList();
}

bool ConditionsGrid::isEditRefused(int row, int column) const
{
    int cancel = 0;
    if (m_editRequest)
        m_editRequest(row, column, cancel);
    return cancel != 0;
}

void ConditionsGrid::appendRow()
{
    const int row = rowCount();
    insertRow(row);
    for (int column = 0; column < columnCount(); ++column)
        setItem(row, column, new QTableWidgetItem(m_defaults.value(column)));
}

int ConditionsGrid::firstSelectedRow() const
{
    int first = -1;
    for (const QModelIndex &index : selectionModel()->selectedRows())
        if (first < 0 || index.row() < first)
            first = index.row();
    return first;
}

QString ConditionsGrid::cellText(int row, int column) const
{
    const QTableWidgetItem *cell = item(row, column);
    return cell ? cell->text() : QString();
}

void ConditionsGrid::setCellText(int row, int column, const QString &text)
{
    if (QTableWidgetItem *cell = item(row, column))
        cell->setText(text);
    else
        setItem(row, column, new QTableWidgetItem(text));
}

QString ConditionsGrid::cellNote(int row, int column) const
{
    const QTableWidgetItem *cell = item(row, column);
    return cell ? cell->data(NoteRole).toString() : QString();
}

void ConditionsGrid::setCellNote(int row, int column, const QString &note)
{
    if (cellNote(row, column) == note)
        return;
    if (!item(row, column))
        setItem(row, column, new QTableWidgetItem);
    item(row, column)->setData(NoteRole, note);
    item(row, column)->setToolTip(note);
}

void ConditionsGrid::commitEdit()
{
    if (state() != EditingState)
        return;
    if (QWidget *editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

bool ConditionsGrid::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    if (index.isValid() && isEditRefused(index.row(), index.column()))
        return false;
    return QTableWidget::edit(index, trigger, event);
}
