#pragma once

#include "connectionfields.h"

#include "platform/ui/chromedialog.h"

#include <QString>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace host {
class Skin;
}

// The connection dialog of the Database Connection Wizard (its "Edit ..."):
// builds a connection string that ADODB.Connection opens, provider by
// provider — SQLite (a database file, with a file picker), PostgreSQL (host,
// port, database, user, password, SSL mode, connect time-out) or ODBC (a data
// source of the system, or a driver string) — and tests it.
//
// The caller sets the fields, shows it through ui::showModal and reads
// Cancelado and, when it is false, ConnectionString. An InitialString is
// taken apart into the fields (keys without a field are kept and written
// back); an empty one is a new connection. Passwords are masked. Loading
// applies the skin, then the language (section "ConnectionDialog"), then
// shows InitialString.
class ConnectionDialog : public ui::ChromeDialog
{
    Q_OBJECT

public:
    explicit ConnectionDialog(QWidget *parent = nullptr);

    // Fields, set before the dialog is shown.
    QString gPathData;
    QString gInterfaceLanguage;
    const host::Skin *gSkin = nullptr;
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
    void ShowFields(const ConnectionFields &fields);
    ConnectionFields Fields() const;
    // The ODBC page: the data source or the driver string is editable.
    void EnableOdbcChoice();
    void cmdBrowseFile_Click();
    void cmdTestConnection_Click();
    void cmdOk_Click();

    QFrame *PanelConnection = nullptr;
    QLabel *lblProvider = nullptr;
    QComboBox *cmbProvider = nullptr;
    QStackedWidget *stkProvider = nullptr;
    QLabel *lblDatabaseFile = nullptr;
    QLineEdit *txtDatabaseFile = nullptr;
    QPushButton *cmdBrowseFile = nullptr;
    QLabel *lblHost = nullptr;
    QLineEdit *txtHost = nullptr;
    QLabel *lblPort = nullptr;
    QLineEdit *txtPort = nullptr;
    QLabel *lblDatabase = nullptr;
    QLineEdit *txtDatabase = nullptr;
    QLabel *lblUser = nullptr;
    QLineEdit *txtUser = nullptr;
    QLabel *lblPassword = nullptr;
    QLineEdit *txtPassword = nullptr;
    QLabel *lblSslMode = nullptr;
    QComboBox *cmbSslMode = nullptr;
    QLabel *lblConnectTimeout = nullptr;
    QLineEdit *txtConnectTimeout = nullptr;
    QRadioButton *optDsn = nullptr;
    QComboBox *cmbDsn = nullptr;
    QLabel *lblOdbcUser = nullptr;
    QLineEdit *txtOdbcUser = nullptr;
    QLabel *lblOdbcPassword = nullptr;
    QLineEdit *txtOdbcPassword = nullptr;
    QRadioButton *optDriver = nullptr;
    QLineEdit *txtDriverString = nullptr;
    QPushButton *cmdTestConnection = nullptr;
    QPushButton *cmdOk = nullptr;
    QPushButton *cmdCancel = nullptr;

    // The keys without a field of the string being edited, and its provider:
    // written back while that provider stays chosen.
    ConnectionFields m_initial;
    bool m_cancelado = true;
    QString m_connectionString;
};
