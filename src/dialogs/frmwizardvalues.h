#pragma once

#include "dialogshape.h"

#include <QList>
#include <QString>

class ConditionsGrid;
class QFrame;
class QPushButton;
class QToolButton;
struct ConditionRow;

// The Conditions Wizard: builds a level script from a grid of comparisons of
// the sensor value with constants, joined by "And" or "Or". The caller
// creates it with its context (gPathData, gInterfaceLanguage, gSkin), shows
// it through ui::showModal, then reads Cancelado and, when that is false,
// ConditionsCode. The grid starts empty every time.
//
// Loading applies the skin, then the language (section "frmWizardValues";
// the design texts stay and the three messages are empty without a file).
// Insert and cmdNewCondition add a row, Delete and cmdDeleteCondition remove
// the first selected one; the first row's join cannot be edited. Ok checks
// the rows (a message, the dialog's caption as title, and the offending row
// selected), builds the script and hides the dialog; Cancel and Esc hide it
// with Cancelado true.
//
// A comparison value counts as a number when it is written as a script
// number ("1.5") or in the user's regional form ("1,5" under Spanish
// settings), blanks allowed around it (readConditionValue in
// conditionscode.h); the script holds it with a point, so it runs the same
// on every machine. A value the two forms read as different numbers ("1.500"
// under Spanish settings) shows the number it was taken for at the right of
// its cell.
class frmWizardValues : public ContextDialog
{
    Q_OBJECT

public:
    explicit frmWizardValues(const DialogContext &context = {}, QWidget *parent = nullptr);

    // Results: true after Cancel (false after Ok and before either); the
    // generated script, empty until an Ok that passed the check.
    bool Cancelado() const { return m_cancelado; }
    const QString &ConditionsCode() const { return m_conditionsCode; }

    // Esc: as cmdCancel.
    void reject() override;

protected:
    void Form_Load() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void AddCondition();
    void DeleteCondition();
    // Shows the first fault of the rows and selects its row; true when there is none.
    bool ValidateConditions();
    QList<ConditionRow> conditionRows() const;

    void cmdOk_Click();
    void cmdCancel_Click();
    void dtConditions_RequestEdit(int Row, int Col, int &Cancel) const;
    // True when the key was used (Insert, Delete).
    bool dtConditions_KeyDown(int KeyCode);
    // Keeps the headings readable: a column is never narrower than its heading.
    void fitHeadings();

    bool m_cancelado = false;
    QString m_conditionsCode;
    QString MsgConditionDuplicated;
    QString MsgConditionIncomplete;
    QString MsgNoConditions;

    QFrame *panelToolbar = nullptr;
    QToolButton *cmdNewCondition = nullptr;
    QToolButton *cmdDeleteCondition = nullptr;
    QFrame *panelContainer = nullptr;
    ConditionsGrid *dtConditions = nullptr;
    QPushButton *cmdOk = nullptr;
    QPushButton *cmdCancel = nullptr;
};
