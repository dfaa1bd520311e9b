#pragma once

#include "dialogshape.h"
#include "script/objects/connectionstring.h"

#include <QMap>
#include <QString>

class ConnectionPage;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QStackedWidget;

// The connection dialog of the Database Connection Wizard (its "Edit ..."):
// builds a connection string that ADODB.Connection opens, with one page per
// back-end of the provider table that has one (connectionpages.h) — SQLite
// (a database file, with a file picker), PostgreSQL (host, port, database,
// user, password, SSL mode, connect time-out), ODBC (a data source
// registered on this machine, or a driver string) — and tests it.
//
// The caller sets the fields, shows it through ui::showModal and reads
// Cancelado and, when it is false, ConnectionString. An InitialString is
// taken apart into the fields (keys without a field are kept and written
// back); an empty one is a new connection. Passwords are masked. Loading
// applies the skin, then the language (section "ConnectionDialog"), then
// shows InitialString.
class ConnectionDialog : public ContextDialog
{
    Q_OBJECT

public:
    explicit ConnectionDialog(QWidget *parent = nullptr);

    // Fields, set before the dialog is shown, besides the context's.
    QString InitialString;          // the string to edit; empty: a new connection

    // True unless the user confirmed with Ok.
    bool Cancelado() const { return m_cancelado; }
    // The string built from the fields at Ok; empty before.
    const QString &ConnectionString() const { return m_connectionString; }

protected:
    void Form_Load() override;

private:
    void ApplySkin();
    // Reports its failure (" ConnectionDialog.ChangeLanguage() ").
    void ChangeLanguage();
    void ShowFields(const ConnectionTarget &target);
    // The page of the provider chosen in cmbProvider.
    ConnectionPage *CurrentPage() const;
    void cmdTestConnection_Click();
    void cmdOk_Click();

    QFrame *PanelConnection = nullptr;
    QLabel *lblProvider = nullptr;
    QComboBox *cmbProvider = nullptr;
    QStackedWidget *stkProvider = nullptr;
    QPushButton *cmdTestConnection = nullptr;
    QPushButton *cmdOk = nullptr;
    QPushButton *cmdCancel = nullptr;
    QMap<QString, ConnectionPage *> m_pages;   // by provider key

    // The string being edited, taken apart: its pieces without a field are
    // written back while its provider stays chosen.
    ConnectionTarget m_initial;
    bool m_cancelado = true;
    QString m_connectionString;
};
