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
    lblResult = placed(new QLabel(QStringLiteral("Result:"), panelResult), "lblResult", 90, 675, 495, 195);   // a line of text above the picture
    lblImage = placed(new QLabel(panelResult), "lblImage", 60, 885, 390, 405);
    lblImage->setFrameStyle(QFrame::Panel | QFrame::Raised);
    lblImage->setAlignment(Qt::AlignCenter);
    txtResult = placed(new QPlainTextEdit(panelResult), "txtResult", 480, 930, 3495, 675);
    txtValue->setReadOnly(true);
    txtResult->setReadOnly(true);
    for (QLabel *label : {lblValue, lblResult})
        ui::fitToText(*label);

    // The output box, shown by Form_Load when the run printed something.
    lblOutput = placed(new QLabel(QStringLiteral("Script output:"), this), "lblOutput", 60, 2190, 900, 195);
    txtOutput = placed(new QPlainTextEdit(this), "txtOutput", 30, 2400, 4305, 1560);
    txtOutput->setReadOnly(true);
    txtOutput->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::Monospace);
    txtOutput->setFont(fixed);
    ui::fitToText(*lblOutput);
    lblOutput->hide();
    txtOutput->hide();

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
    applySkinGroups(gSkin, {{GetColorFont, ui::setForeColor, {lblResult, lblValue, lblOutput, cmdOk}},
                            {GetFormBackColor, ui::setBackColor, {this}},
                            {GetTabBackColor, ui::setBackColor, {lblResult, lblValue, panelResult, lblImage}},
                            {GetButtonBackColor, ui::setBackColor, {cmdOk}}});
    applyDialogLanguage(*this, *this, " frmResultTest.ChangeLanguage() ", QStringLiteral(" "),
                        {lblResult, lblValue, lblOutput, cmdOk});
    txtValue->setText(Value);
    txtResult->setPlainText(Msg);
    lblImage->setPixmap(sensorImage(Ico, devicePixelRatioF()));

    // The result box grows to show the whole result text (a long message in
    // another language, a reason a value is none) without a scroll bar; what
    // lies below moves down with it.
    const int margins = 2 * (txtResult->frameWidth() + int(txtResult->document()->documentMargin()) + 1);
    const QRect room(0, 0, txtResult->width() - margins, 100000);
    const int textHeight = txtResult->fontMetrics().boundingRect(room, Qt::TextWordWrap, Msg).height();
    const int grow = ui::pixelsToTwips(qMax(0, textHeight + margins - txtResult->height()));
    ui::place(txtResult, 480, 930, 3495, 675 + grow);
    ui::place(panelResult, 30, 330, 4305, 1830 + grow);
    int bottom = 2610 + grow;
    if (!Output.isEmpty()) {
        txtOutput->setPlainText(Output.join(QLatin1Char('\n')));
        ui::place(lblOutput, 60, 2190 + grow, lblOutput->width() * ui::TwipsPerPixel, 195);
        ui::place(txtOutput, 30, 2400 + grow, 4305, 1560);
        lblOutput->show();
        txtOutput->show();
        bottom += 1815;
    }
    ui::place(cmdOk, 1515, bottom - 435, 1335, 390);
    setDesignSize(4365, bottom);
}
