#include "frmresulttest.h"

#include "sensorimages.h"

#include "common/skincolors.h"
#include "platform/ui/controlcolors.h"
#include "platform/ui/controltext.h"
#include "platform/ui/placement.h"
#include "tools/testevaluation.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using ui::placed;

frmResultTest::frmResultTest(const DialogContext &context, QWidget *parent)
    : ContextDialog(context, parent, "frmResultTest", QStringLiteral("Result Test"), 4365, 2610)
{

    panelResult = raisedPanel(this, "panelResult", 30, 330, 4305, 1830);
    lblValue = placed(new QLabel(QStringLiteral("Value:"), panelResult), "lblValue", 60, 45, 450, 195);
    txtValue = placed(new QLineEdit(panelResult), "txtValue", 75, 270, 4125, 300);
    lblResult = placed(new QLabel(QStringLiteral("Result:"), panelResult), "lblResult", 90, 705, 495, 195);
    lblImage = placed(new QLabel(panelResult), "lblImage", 60, 885, 390, 405);
    lblImage->setFrameStyle(QFrame::Panel | QFrame::Raised);
    lblImage->setAlignment(Qt::AlignCenter);
    txtResult = placed(new QPlainTextEdit(panelResult), "txtResult", 480, 930, 3495, 675);
    txtValue->setReadOnly(true);
    txtResult->setReadOnly(true);
    for (QLabel *label : {lblValue, lblResult})
        ui::fitToText(*label);

    cmdOk = placed(new QPushButton(QStringLiteral("&Ok"), this), "cmdOk", 1515, 2175, 1335, 390);
    cmdOk->setDefault(true);
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);
}

void frmResultTest::SetOutcome(const EvaluationOutcome &outcome)
{
    Value = outcome.valueText;
    Msg = outcome.resultText;
    Ico = outcome.imageKey;
}

void frmResultTest::Form_Load()
{
    applySkinGroups(gSkin, {{GetColorFont, ui::setForeColor, {lblResult, lblValue, cmdOk}},
                            {GetFormBackColor, ui::setBackColor, {this}},
                            {GetTabBackColor, ui::setBackColor, {lblResult, lblValue, panelResult, lblImage}},
                            {GetButtonBackColor, ui::setBackColor, {cmdOk}}});
    applyDialogLanguage(*this, *this, " frmResultTest.ChangeLanguage() ", QStringLiteral(" "),
                        {lblResult, lblValue, cmdOk});
    txtValue->setText(Value);
    txtResult->setPlainText(Msg);
    lblImage->setPixmap(sensorImage(Ico, devicePixelRatioF()));
}
