#include "frmwizardvalues.h"

#include "conditionscode.h"
#include "conditionsgrid.h"

#include "errorcore/error.h"
#include "common/regional.h"
#include "common/showerror.h"
#include "common/skincolors.h"
#include "platform/ui/controlcolors.h"
#include "platform/ui/msgbox.h"
#include "platform/ui/placement.h"

#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

using ui::placed;

namespace {

// The grid's columns: join, operand, comparison, value.
enum Column { ColJoin, ColOperand, ColComparison, ColValue, ColumnCount };

struct ColumnDesign
{
    const char *heading;
    int widthTwips;
};
constexpr ColumnDesign columnDesigns[ColumnCount] = {
    {"Operator", 990}, {"Sensor Value", 1350}, {"Operator", 900}, {"Comparision Value", 4350}};

// The pictures of the two condition buttons: a green plus (add) and a red
// cross (delete), 16 x 16 logical pixels.
QIcon conditionIcon(bool add)
{
    const qreal ratio = 2.0;
    QPixmap picture(QSize(16, 16) * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(add ? QColor(30, 150, 40) : QColor(200, 30, 30), 3, Qt::SolidLine, Qt::RoundCap));
    if (add) {
        painter.drawLine(QPointF(8, 2.5), QPointF(8, 13.5));
        painter.drawLine(QPointF(2.5, 8), QPointF(13.5, 8));
    } else {
        painter.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
        painter.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
    }
    return QIcon(picture);
}

QToolButton *pictureButton(const char *name, bool add, QWidget *parent, int left)
{
    auto *button = placed(new QToolButton(parent), name, left, 30, 330, 330);
    button->setIcon(conditionIcon(add));
    button->setAutoRaise(true);
    return button;
}

// The grid's colours: its cells' text and background.
void setGridForeColor(QWidget &grid, const QColor &color)
{
    QPalette palette = grid.palette();
    palette.setColor(QPalette::Text, color);
    palette.setColor(QPalette::WindowText, color);
    grid.setPalette(palette);
}

void setGridBackColor(QWidget &grid, const QColor &color)
{
    QPalette palette = grid.palette();
    palette.setColor(QPalette::Base, color);
    palette.setColor(QPalette::Window, color);
    grid.setPalette(palette);
}

} // namespace

frmWizardValues::frmWizardValues(const DialogContext &context, QWidget *parent)
    : ContextDialog(context, parent, "frmWizardValues", QStringLiteral("Conditions Wizard"), 8430, 4995)
{

    panelToolbar = raisedPanel(this, "panelToolbar", 0, 300, 8430, 390);
    cmdNewCondition = pictureButton("cmdNewCondition", true, panelToolbar, 45);
    cmdDeleteCondition = pictureButton("cmdDeleteCondition", false, panelToolbar, 390);

    panelContainer = raisedPanel(this, "panelContainer", 60, 705, 8325, 3840);
    dtConditions = placed(new ConditionsGrid(ColumnCount, panelContainer), "dtConditions", 105, 105, 8115, 3630);
    for (int column = 0; column < ColumnCount; ++column)
        dtConditions->setHorizontalHeaderItem(column,
                                              new QTableWidgetItem(QLatin1String(columnDesigns[column].heading)));
    fitHeadings();
    dtConditions->setColumnDefault(ColOperand, QStringLiteral("pSsrValue"));
    dtConditions->setColumnList(ColJoin, {QStringLiteral("And"), QStringLiteral("Or")});
    dtConditions->setColumnList(ColComparison, {QStringLiteral("="), QStringLiteral(">"), QStringLiteral("<"),
                                                QStringLiteral(">="), QStringLiteral("<="), QStringLiteral("<>")});
    dtConditions->setEditRequestHandler(
        [this](int row, int column, int &cancel) { dtConditions_RequestEdit(row, column, cancel); });
    dtConditions->installEventFilter(this);
    // A value that reads as two numbers shows the one it was taken for.
    connect(dtConditions, &QTableWidget::itemChanged, this, [this](QTableWidgetItem *cell) {
        if (cell->column() != ColValue)
            return;
        const ConditionValue value = readConditionValue(cell->text());
        dtConditions->setCellNote(cell->row(), ColValue,
                                  value.ambiguous ? QStringLiteral("= %1").arg(doubleToPlainText(value.number))
                                                  : QString());
    });

    cmdOk = placed(new QPushButton(QStringLiteral("&Ok"), this), "cmdOk", 5700, 4545, 1335, 390);
    cmdCancel = placed(new QPushButton(QStringLiteral("&Cancel"), this), "cmdCancel", 7050, 4545, 1335, 390);

    connect(cmdNewCondition, &QToolButton::clicked, this,
            [this] { handleEvent(" frmWizardValues.cmdNewCondition_Click() ", [&] { AddCondition(); }); });
    connect(cmdDeleteCondition, &QToolButton::clicked, this,
            [this] { handleEvent(" frmWizardValues.cmdDeleteCondition_Click() ", [&] { DeleteCondition(); }); });
    connect(cmdOk, &QPushButton::clicked, this,
            [this] { handleEvent(" frmWizardValues.cmdOk_Click() ", [&] { cmdOk_Click(); }); });
    connect(cmdCancel, &QPushButton::clicked, this,
            [this] { handleEvent(" frmWizardValues.cmdCancel_Click() ", [&] { cmdCancel_Click(); }); });
}

void frmWizardValues::Form_Load()
{
    applySkinGroups(gSkin, {{GetColorFont, setGridForeColor, {dtConditions}},
                            {GetColorFont, ui::setForeColor, {cmdOk, cmdCancel}},
                            {GetFormBackColor, ui::setBackColor, {this}},
                            {GetToolbarBackColor, ui::setBackColor, {cmdNewCondition, cmdDeleteCondition, panelToolbar}},
                            {GetTabBackColor, setGridBackColor, {dtConditions}},
                            {GetTabBackColor, ui::setBackColor, {panelContainer}},
                            {GetButtonBackColor, ui::setBackColor, {cmdOk, cmdCancel}}});
    applyDialogLanguage(*this, *this, " frmWizardValues.ChangeLanguage() ", QStringLiteral(" "),
                        {cmdNewCondition, cmdDeleteCondition, cmdOk, cmdCancel}, [&](const SectionTexts &texts) {
                            texts(QStringLiteral("MsgConditionDuplicated"), [&](const QString &t) { MsgConditionDuplicated = t; });
                            texts(QStringLiteral("MsgConditionIncomplete"), [&](const QString &t) { MsgConditionIncomplete = t; });
                            texts(QStringLiteral("MsgNoConditions"), [&](const QString &t) { MsgNoConditions = t; });
                            for (int column = 0; column < dtConditions->columnCount(); ++column)
                                texts(QStringLiteral("dtConditionsHeading%1").arg(column), [&](const QString &t) {
                                    dtConditions->horizontalHeaderItem(column)->setText(t);
                                });
                        });
    fitHeadings();
}

void frmWizardValues::fitHeadings()
{
    // The last column takes the width the others leave.
    QHeaderView *header = dtConditions->horizontalHeader();
    for (int column = 0; column + 1 < dtConditions->columnCount(); ++column)
        dtConditions->setColumnWidth(column, qMax(ui::twipsToPixels(columnDesigns[column].widthTwips),
                                                  header->sectionSizeHint(column)));
}

void frmWizardValues::AddCondition()
{
    dtConditions->appendRow();
}

void frmWizardValues::DeleteCondition()
{
    const int row = dtConditions->firstSelectedRow();
    if (row == -1)
        return;
    dtConditions->removeRow(row);
    dtConditions->setFocus();
}

void frmWizardValues::dtConditions_RequestEdit(int Row, int Col, int &Cancel) const
{
    // The first row has no join.
    if (Row == 0 && Col == ColJoin)
        Cancel = 1;
}

bool frmWizardValues::dtConditions_KeyDown(int KeyCode)
{
    switch (KeyCode) {
    case Qt::Key_Insert: AddCondition(); return true;
    case Qt::Key_Delete: DeleteCondition(); return true;
    default: return false;
    }
}

bool frmWizardValues::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == dtConditions && event->type() == QEvent::KeyPress) {
        bool used = false;
        handleEvent(" frmWizardValues.dtConditions_KeyDown() ",
                [&] { used = dtConditions_KeyDown(static_cast<QKeyEvent *>(event)->key()); });
        if (used)
            return true;
    }
    return ui::ChromeDialog::eventFilter(watched, event);
}

QList<ConditionRow> frmWizardValues::conditionRows() const
{
    QList<ConditionRow> rows;
    for (int row = 0; row < dtConditions->rowCount(); ++row)
        rows.append({dtConditions->cellText(row, ColJoin), dtConditions->cellText(row, ColOperand),
                     dtConditions->cellText(row, ColComparison), dtConditions->cellText(row, ColValue)});
    return rows;
}

bool frmWizardValues::ValidateConditions()
{
    const ConditionsFault fault = findConditionsFault(conditionRows());
    const QString *message = nullptr;
    switch (fault.kind) {
    case ConditionsFault::None: return true;
    case ConditionsFault::NoConditions: message = &MsgNoConditions; break;
    case ConditionsFault::Incomplete: message = &MsgConditionIncomplete; break;
    case ConditionsFault::Duplicated: message = &MsgConditionDuplicated; break;
    }
    ui::MsgBox(*message, ui::OkOnly | ui::Information, windowTitle());
    if (fault.row >= 0)
        dtConditions->selectRow(fault.row);
    dtConditions->setFocus();
    return false;
}

void frmWizardValues::cmdOk_Click()
{
    // A cell still being edited (Ok pressed with Alt+O) gives its text to the grid first.
    dtConditions->commitEdit();
    if (!ValidateConditions())
        return;
    m_conditionsCode = conditionsCode(conditionRows());
    m_cancelado = false;
    accept();
}

void frmWizardValues::cmdCancel_Click()
{
    m_cancelado = true;
    ui::ChromeDialog::reject();
}

void frmWizardValues::reject()
{
    handleEvent(" frmWizardValues.cmdCancel_Click() ", [&] { cmdCancel_Click(); });
}
