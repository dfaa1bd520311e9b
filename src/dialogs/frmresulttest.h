#pragma once

#include "platform/ui/chromedialog.h"

#include <QString>

class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace host {
class Skin;
}

// The Result Test dialog: the sensor value of a test run, the result text and
// the state picture. The caller sets the six fields, shows it through
// ui::showModal and releases it; Ok closes it. Loading applies the skin, then
// the language of gInterfaceLanguage from gPathData (section "frmResultTest";
// the design texts stay when there is no file), then shows Value, Msg and the
// picture of Ico.
class frmResultTest : public ui::ChromeDialog
{
    Q_OBJECT

public:
    explicit frmResultTest(QWidget *parent = nullptr);

    // Fields, set before the dialog is shown.
    QString Value;                  // the sensor value as text
    QString Msg;                    // the result text
    QString Ico;                    // the picture's key (see sensorImageKeys)
    QString gInterfaceLanguage;
    QString gPathData;
    const host::Skin *gSkin = nullptr;

protected:
    void Form_Load() override;

private:
    // Colours from gSkin: each one only when the skin gives it (> -1);
    // failures are skipped.
    void ApplySkin();
    // Texts from the language file; a failure before the texts are set is
    // reported (" frmResultTest.ChangeLanguage() ") and the design texts stay.
    void ChangeLanguage();

    QFrame *panelResult = nullptr;
    QLabel *lblValue = nullptr;
    QLineEdit *txtValue = nullptr;
    QLabel *lblResult = nullptr;
    QLabel *lblImage = nullptr;
    QPlainTextEdit *txtResult = nullptr;
    QPushButton *cmdOk = nullptr;
};
