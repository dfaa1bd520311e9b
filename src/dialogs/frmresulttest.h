#pragma once

#include "dialogshape.h"

#include <QString>
#include <QStringList>

class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
struct EvaluationOutcome;

// The Result Test dialog: the sensor value of a test run, the result text and
// the state picture. The caller sets the fields (SetOutcome sets the first
// three from a run), shows it through ui::showModal and releases it; Ok
// closes it. Loading applies the skin, then the language (section
// "frmResultTest"; the design texts stay when there is no file), then shows
// Value, Msg and the picture of Ico. When the run printed something (Output,
// given only when the host takes debug output) the dialog grows by a
// read-only output box below the panel.
class frmResultTest : public ContextDialog
{
    Q_OBJECT

public:
    explicit frmResultTest(const DialogContext &context = {}, QWidget *parent = nullptr);

    // Fields, set before the dialog is shown; gInterfaceLanguage, gPathData
    // and gSkin follow from the context.
    QString Value;                  // the sensor value as text
    QString Msg;                    // the result text
    QString Ico;                    // the picture's key (see sensorImageKeys)
    QStringList Output;             // the run's debug output, one entry per line

    // Value, Msg and Ico of a completed run.
    void SetOutcome(const EvaluationOutcome &outcome);

protected:
    void Form_Load() override;

private:
    QFrame *panelResult = nullptr;
    QLabel *lblValue = nullptr;
    QLineEdit *txtValue = nullptr;
    QLabel *lblResult = nullptr;
    QLabel *lblImage = nullptr;
    QPlainTextEdit *txtResult = nullptr;
    QLabel *lblOutput = nullptr;
    QPlainTextEdit *txtOutput = nullptr;
    QPushButton *cmdOk = nullptr;
};
