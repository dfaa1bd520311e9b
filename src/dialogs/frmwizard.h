#pragma once

#include "dialogshape.h"

#include <QString>

class QFrame;
class QLabel;
class QPushButton;
class QTextEdit;

// The Database Connection Wizard: the user enters (or builds in the
// connection dialog) a connection string and an SQL query, may test the
// connection, and Ok generates a VBScript whose Main returns the first field
// of the query's first row. Both boxes start empty.
//
// The caller creates it with its context (gPathData, gInterfaceLanguage,
// gSkin), shows it through ui::showModal, reads Cancelado and, when it is
// false, Code. Ok and Cancel only hide it. Loading runs EnableButtons,
// applies the skin, then the language (section "frmWizard"; the design texts
// stay when there is no file).
class frmWizard : public ContextDialog
{
    Q_OBJECT

public:
    explicit frmWizard(const DialogContext &context = {}, QWidget *parent = nullptr);

    // True after Cancel; false after Ok and before either.
    bool Cancelado() const;
    // The generated script; empty until Ok.
    const QString &Code() const { return m_code; }

    // Esc and closing the window cancel, as the Cancel button does.
    void reject() override;

protected:
    void Form_Load() override;

private:
    // Test is enabled when the connection string is not blank, Ok when the
    // query is not blank as well. A failure passes on (" frmWizard.EnableButtons() ").
    void EnableButtons();
    // The connection dialog on the string without its blanks; the box gets
    // the edited string, or the trimmed one when the user cancels. Reports
    // its failure (" frmWizard.EditCnnString() ").
    void EditCnnString();
    void TestConnection();
    void cmdOk_Click();
    void cmdCancel_Click();

    QFrame *PanelText = nullptr;
    QLabel *lblCnnString = nullptr;
    QTextEdit *rtfCnnString = nullptr;
    QPushButton *cmdEditCnnString = nullptr;
    QPushButton *cmdTestCnnString = nullptr;
    QLabel *lblQuery = nullptr;
    QTextEdit *rtfQuery = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *Image2 = nullptr;
    QPushButton *cmdOk = nullptr;
    QPushButton *cmdCancel = nullptr;

    bool m_cancelado = false;
    QString m_code;
};
