#pragma once

#include <QStringList>
#include <QTableWidget>
#include <functional>

// The condition grid of the Conditions Wizard: rows of text cells, selected
// a whole row at a time. A column can have a default text, which every new
// row starts with, and a list of values: its cells are then edited with a
// drop-down list (opened with F4 or Alt+Down, chosen with the arrows or the
// first letters) and show a drop-down arrow. Before a cell is edited the grid
// asks its edit-request handler, which may refuse; a refused cell is shaded.
// A cell may carry a note, drawn at its right end.
class ConditionsGrid : public QTableWidget
{
    Q_OBJECT

public:
    // `columns`: the column count.
    ConditionsGrid(int columns, QWidget *parent = nullptr);

    void setColumnDefault(int column, const QString &text);
    void setColumnList(int column, const QStringList &values);
    QStringList columnList(int column) const;

    // Sets `cancel` to 1 to refuse editing the cell at (row, column).
    using EditRequest = std::function<void(int row, int column, int &cancel)>;
    void setEditRequestHandler(EditRequest handler) { m_editRequest = std::move(handler); }
    bool isEditRefused(int row, int column) const;

    // Appends a row whose cells hold their column's default.
    void appendRow();
    // The first selected row in row order; -1 when no row is selected.
    int firstSelectedRow() const;
    // The cell's text; empty for a cell that was never filled.
    QString cellText(int row, int column) const;
    void setCellText(int row, int column, const QString &text);

    // A note shown at the right end of a cell, dimmed (what a value was read
    // as); empty for none.
    QString cellNote(int row, int column) const;
    void setCellNote(int row, int column, const QString &note);

    // Ends an edit in progress, keeping what the editor holds.
    void commitEdit();

    using QTableWidget::edit;

protected:
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;

private:
    QStringList m_defaults;
    QList<QStringList> m_lists;
    EditRequest m_editRequest;
};
