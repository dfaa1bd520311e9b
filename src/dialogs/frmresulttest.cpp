#include "frmresulttest.h"

#include "sensorimages.h"

#include "errorcore/error.h"
#include "common/showerror.h"
#include "common/skinapply.h"
#include "common/skincolors.h"
#include "common/windowlanguage.h"
#include "host/languagereader.h"
#include "platform/ui/controlcolors.h"
#include "platform/ui/twips.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QString section = QStringLiteral("frmResultTest");

template <class Control>
Control *place(Control *control, const char *name, int left, int top, int width, int height)
{
    control->setObjectName(QLatin1String(name));
    control->setGeometry(ui::twipsRect(left, top, width, height));
    return control;
}

// A label grows to the right when its text (another language's) is longer
// than its design box.
void fitWidth(QLabel &label)
{
    label.resize(qMax(label.width(), label.sizeHint().width()), label.height());
}

} // namespace

frmResultTest::frmResultTest(QWidget *parent) : ui::ChromeDialog(parent)
{
    setObjectName(section);
    setWindowTitle(QStringLiteral("Result Test"));
    setDesignSize(4365, 2610);

    panelResult = place(new QFrame(this), "panelResult", 30, 330, 4305, 1830);
    panelResult->setFrameStyle(QFrame::Panel | QFrame::Raised);
    lblValue = place(new QLabel(QStringLiteral("Value:"), panelResult), "lblValue", 60, 45, 450, 195);
    txtValue = place(new QLineEdit(panelResult), "txtValue", 75, 270, 4125, 300);
    lblResult = place(new QLabel(QStringLiteral("Result:"), panelResult), "lblResult", 90, 705, 495, 195);
    lblImage = place(new QLabel(panelResult), "lblImage", 60, 885, 390, 405);
    lblImage->setFrameStyle(QFrame::Panel | QFrame::Raised);
    lblImage->setAlignment(Qt::AlignCenter);
    txtResult = place(new QPlainTextEdit(panelResult), "txtResult", 480, 930, 3495, 675);
    txtValue->setReadOnly(true);
    txtResult->setReadOnly(true);
    for (QLabel *label : {lblValue, lblResult})
        fitWidth(*label);

    cmdOk = place(new QPushButton(QStringLiteral("&Ok"), this), "cmdOk", 1515, 2175, 1335, 390);
    cmdOk->setDefault(true);
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);
}

void frmResultTest::Form_Load()
{
    ApplySkin();
    try {
        ChangeLanguage();
    } catch (...) {
        // The error report itself failed: the dialog still opens.
    }
    txtValue->setText(Value);
    txtResult->setPlainText(Msg);
    lblImage->setPixmap(sensorImage(Ico, devicePixelRatioF()));
}

void frmResultTest::ApplySkin()
{
    ApplySkinColor(GetColorFont, gSkin, [&](const QColor &color) {
        for (QWidget *control : {static_cast<QWidget *>(lblResult), static_cast<QWidget *>(lblValue),
                                 static_cast<QWidget *>(cmdOk)})
            ui::setForeColor(*control, color);
    });
    ApplySkinColor(GetFormBackColor, gSkin, [&](const QColor &color) { ui::setBackColor(*this, color); });
    ApplySkinColor(GetTabBackColor, gSkin, [&](const QColor &color) {
        for (QWidget *control : {static_cast<QWidget *>(lblResult), static_cast<QWidget *>(lblValue),
                                 static_cast<QWidget *>(panelResult), static_cast<QWidget *>(lblImage)})
            ui::setBackColor(*control, color);
    });
    ApplySkinColor(GetButtonBackColor, gSkin, [&](const QColor &color) { ui::setBackColor(*cmdOk, color); });
}

void frmResultTest::ChangeLanguage()
{
    reporting(" frmResultTest.ChangeLanguage() ", QString(), [&] {
        const std::unique_ptr<host::LanguageReader> reader = OpenLanguage(gInterfaceLanguage, gPathData);
        if (!reader)
            return;
        SetLanguageText(*reader, section, QStringLiteral("Caption"),
                        [&](const QString &text) { setWindowTitle(QLatin1Char(' ') + text); });
        SetLanguageText(*reader, section, QStringLiteral("lblResult"),
                        [&](const QString &text) {
                            lblResult->setText(text);
                            fitWidth(*lblResult);
                        });
        SetLanguageText(*reader, section, QStringLiteral("lblValue"),
                        [&](const QString &text) {
                            lblValue->setText(text);
                            fitWidth(*lblValue);
                        });
        SetLanguageText(*reader, section, QStringLiteral("cmdOk"),
                        [&](const QString &text) { cmdOk->setText(text); });
    });
}
