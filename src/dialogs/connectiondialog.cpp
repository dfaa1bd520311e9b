#include "connectiondialog.h"

#include "connectiontest.h"

#include "errorcore/error.h"
#include "common/showerror.h"
#include "common/skinapply.h"
#include "common/skincolors.h"
#include "common/trimblanks.h"
#include "common/windowlanguage.h"
#include "host/languagereader.h"
#include "platform/ui/controlcolors.h"
#include "platform/ui/modal.h"
#include "platform/ui/twips.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStackedWidget>

namespace {

const QString section = QStringLiteral("ConnectionDialog");

// Design rows of a provider page, in twips: labels on the left, fields right.
constexpr int RowHeight = 405;
constexpr int LabelLeft = 150;
constexpr int FieldLeft = 2250;
constexpr int FieldWidth = 3450;

template <class Control>
Control *place(Control *control, const char *name, int left, int top, int width, int height)
{
    control->setObjectName(QLatin1String(name));
    control->setGeometry(ui::twipsRect(left, top, width, height));
    return control;
}

int rowTop(int row)
{
    return 60 + row * RowHeight;
}

QLabel *rowLabel(QWidget *page, const char *name, const char *text, int row)
{
    return place(new QLabel(QString::fromUtf8(text), page), name, LabelLeft, rowTop(row), FieldLeft - LabelLeft - 60,
                 315);
}

QLineEdit *rowEdit(QWidget *page, const char *name, int row)
{
    return place(new QLineEdit(page), name, FieldLeft, rowTop(row), FieldWidth, 315);
}

QLineEdit *passwordEdit(QLineEdit *edit)
{
    edit->setEchoMode(QLineEdit::Password);
    return edit;
}

void selectText(QComboBox &list, const QString &text)
{
    int index = list.findText(text);
    if (index < 0) {
        list.addItem(text);
        index = list.count() - 1;
    }
    list.setCurrentIndex(index);
}

} // namespace

ConnectionDialog::ConnectionDialog(QWidget *parent) : ui::ChromeDialog(parent)
{
    setObjectName(section);
    setWindowTitle(QStringLiteral("Database Connection"));
    setDesignSize(6000, 4500);

    PanelConnection = place(new QFrame(this), "PanelConnection", 30, 330, 5940, 3660);
    PanelConnection->setFrameStyle(QFrame::Panel | QFrame::Raised);
    lblProvider = place(new QLabel(QStringLiteral("Provider"), PanelConnection), "lblProvider", LabelLeft, 165,
                        FieldLeft - LabelLeft - 60, 315);
    cmbProvider = place(new QComboBox(PanelConnection), "cmbProvider", FieldLeft, 165, FieldWidth, 315);
    cmbProvider->addItems({QStringLiteral("SQLite"), QStringLiteral("PostgreSQL"), QStringLiteral("ODBC")});
    stkProvider = place(new QStackedWidget(PanelConnection), "stkProvider", 0, 570, 5910, 3060);

    auto *sqlite = new QWidget;
    sqlite->setObjectName(QStringLiteral("panelSQLite"));
    lblDatabaseFile = rowLabel(sqlite, "lblDatabaseFile", "Database file", 0);
    txtDatabaseFile = place(new QLineEdit(sqlite), "txtDatabaseFile", FieldLeft, rowTop(0), FieldWidth - 510, 315);
    cmdBrowseFile = place(new QPushButton(QStringLiteral("..."), sqlite), "cmdBrowseFile",
                          FieldLeft + FieldWidth - 450, rowTop(0), 450, 315);

    auto *postgres = new QWidget;
    postgres->setObjectName(QStringLiteral("panelPostgreSQL"));
    lblHost = rowLabel(postgres, "lblHost", "Host", 0);
    txtHost = rowEdit(postgres, "txtHost", 0);
    lblPort = rowLabel(postgres, "lblPort", "Port", 1);
    txtPort = rowEdit(postgres, "txtPort", 1);
    txtPort->setValidator(new QIntValidator(1, 65535, txtPort));
    txtPort->setPlaceholderText(QStringLiteral("5432"));
    lblDatabase = rowLabel(postgres, "lblDatabase", "Database", 2);
    txtDatabase = rowEdit(postgres, "txtDatabase", 2);
    lblUser = rowLabel(postgres, "lblUser", "User", 3);
    txtUser = rowEdit(postgres, "txtUser", 3);
    lblPassword = rowLabel(postgres, "lblPassword", "Password", 4);
    txtPassword = passwordEdit(rowEdit(postgres, "txtPassword", 4));
    lblSslMode = rowLabel(postgres, "lblSslMode", "SSL mode", 5);
    cmbSslMode = place(new QComboBox(postgres), "cmbSslMode", FieldLeft, rowTop(5), FieldWidth, 315);
    cmbSslMode->addItems({QString(), QStringLiteral("disable"), QStringLiteral("allow"), QStringLiteral("prefer"),
                          QStringLiteral("require"), QStringLiteral("verify-ca"), QStringLiteral("verify-full")});
    lblConnectTimeout = rowLabel(postgres, "lblConnectTimeout", "Connect time-out (s)", 6);
    txtConnectTimeout = rowEdit(postgres, "txtConnectTimeout", 6);
    txtConnectTimeout->setValidator(new QIntValidator(0, 3600, txtConnectTimeout));
    txtConnectTimeout->setPlaceholderText(QString::number(ConnectionTestSeconds));

    auto *odbc = new QWidget;
    odbc->setObjectName(QStringLiteral("panelODBC"));
    optDsn = place(new QRadioButton(QStringLiteral("Data source"), odbc), "optDsn", LabelLeft, rowTop(0),
                   FieldLeft - LabelLeft - 60, 315);
    cmbDsn = place(new QComboBox(odbc), "cmbDsn", FieldLeft, rowTop(0), FieldWidth, 315);
    cmbDsn->setEditable(true);
    lblOdbcUser = rowLabel(odbc, "lblOdbcUser", "User", 1);
    txtOdbcUser = rowEdit(odbc, "txtOdbcUser", 1);
    lblOdbcPassword = rowLabel(odbc, "lblOdbcPassword", "Password", 2);
    txtOdbcPassword = passwordEdit(rowEdit(odbc, "txtOdbcPassword", 2));
    optDriver = place(new QRadioButton(QStringLiteral("Driver string"), odbc), "optDriver", LabelLeft, rowTop(3),
                      FieldLeft - LabelLeft - 60, 315);
    txtDriverString = place(new QLineEdit(odbc), "txtDriverString", LabelLeft, rowTop(4),
                            FieldLeft + FieldWidth - LabelLeft, 315);
    txtDriverString->setPlaceholderText(QStringLiteral("Driver={...};Server=...;Database=..."));
    optDsn->setChecked(true);

    for (QWidget *page : {sqlite, postgres, odbc})
        stkProvider->addWidget(page);

    cmdTestConnection = place(new QPushButton(QStringLiteral("&Test"), this), "cmdTestConnection", 150, 4050, 1215,
                              375);
    cmdOk = place(new QPushButton(QStringLiteral("&Ok"), this), "cmdOk", 3480, 4050, 1215, 375);
    cmdCancel = place(new QPushButton(QStringLiteral("&Cancel"), this), "cmdCancel", 4710, 4050, 1215, 375);
    cmdOk->setDefault(true);

    connect(cmbProvider, &QComboBox::currentIndexChanged, stkProvider, &QStackedWidget::setCurrentIndex);
    connect(optDsn, &QRadioButton::toggled, this, [this] { EnableOdbcChoice(); });
    connect(cmdBrowseFile, &QPushButton::clicked, this, [this] { cmdBrowseFile_Click(); });
    connect(cmdTestConnection, &QPushButton::clicked, this, [this] { cmdTestConnection_Click(); });
    connect(cmdOk, &QPushButton::clicked, this, [this] { cmdOk_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    EnableOdbcChoice();
}

void ConnectionDialog::Form_Load()
{
    ApplySkin();
    try {
        ChangeLanguage();
    } catch (...) {
        // The error report itself failed: the dialog still opens.
    }
    cmbDsn->addItems(odbcDataSources());
    m_initial = parseConnectionFields(InitialString);
    ShowFields(m_initial);
}

void ConnectionDialog::ApplySkin()
{
    const QList<QWidget *> labels = PanelConnection->findChildren<QWidget *>(QRegularExpression(QStringLiteral("^(lbl|opt)")));
    const QList<QPushButton *> buttons{cmdOk, cmdCancel, cmdTestConnection, cmdBrowseFile};
    ApplySkinColor(GetColorFont, gSkin, [&](const QColor &color) {
        for (QWidget *label : labels)
            ui::setForeColor(*label, color);
        for (QPushButton *button : buttons)
            ui::setForeColor(*button, color);
    });
    ApplySkinColor(GetFormBackColor, gSkin, [&](const QColor &color) { ui::setBackColor(*this, color); });
    ApplySkinColor(GetTabBackColor, gSkin, [&](const QColor &color) {
        ui::setBackColor(*PanelConnection, color);
        for (int page = 0; page < stkProvider->count(); ++page)
            ui::setBackColor(*stkProvider->widget(page), color);
        for (QWidget *label : labels)
            ui::setBackColor(*label, color);
    });
    ApplySkinColor(GetButtonBackColor, gSkin, [&](const QColor &color) {
        for (QPushButton *button : buttons)
            ui::setBackColor(*button, color);
    });
}

void ConnectionDialog::ChangeLanguage()
{
    reporting(" ConnectionDialog.ChangeLanguage() ", QString(), [&] {
        const std::unique_ptr<host::LanguageReader> reader = OpenLanguage(gInterfaceLanguage, gPathData);
        if (!reader)
            return;
        SetLanguageText(*reader, section, QStringLiteral("Caption"),
                        [&](const QString &text) { setWindowTitle(QLatin1Char(' ') + text); });
        const QRegularExpression texts(QStringLiteral("^(lbl|opt|cmd)"));
        for (QLabel *label : findChildren<QLabel *>(texts))
            SetLanguageText(*reader, section, label->objectName(), [&](const QString &text) { label->setText(text); });
        for (QAbstractButton *button : findChildren<QAbstractButton *>(texts))
            SetLanguageText(*reader, section, button->objectName(),
                            [&](const QString &text) { button->setText(text); });
    });
}

void ConnectionDialog::ShowFields(const ConnectionFields &fields)
{
    cmbProvider->setCurrentIndex(static_cast<int>(fields.provider));
    stkProvider->setCurrentIndex(static_cast<int>(fields.provider));
    txtDatabaseFile->setText(fields.file);
    const bool odbc = fields.provider == ConnectionFields::Provider::Odbc;
    txtHost->setText(fields.host);
    txtPort->setText(fields.port);
    txtDatabase->setText(fields.database);
    txtUser->setText(odbc ? QString() : fields.user);
    txtPassword->setText(odbc ? QString() : fields.password);
    selectText(*cmbSslMode, fields.sslMode);
    txtConnectTimeout->setText(fields.connectTimeout);
    optDriver->setChecked(fields.odbcDriver);
    optDsn->setChecked(!fields.odbcDriver);
    cmbDsn->setCurrentText(fields.dsn);
    txtOdbcUser->setText(odbc ? fields.user : QString());
    txtOdbcPassword->setText(odbc ? fields.password : QString());
    txtDriverString->setText(fields.driverString);
}

ConnectionFields ConnectionDialog::Fields() const
{
    ConnectionFields fields;
    fields.provider = static_cast<ConnectionFields::Provider>(cmbProvider->currentIndex());
    switch (fields.provider) {
    case ConnectionFields::Provider::SQLite:
        fields.file = txtDatabaseFile->text();
        break;
    case ConnectionFields::Provider::PostgreSQL:
        fields.host = txtHost->text().trimmed();
        fields.port = txtPort->text().trimmed();
        fields.database = txtDatabase->text();
        fields.user = txtUser->text();
        fields.password = txtPassword->text();
        fields.sslMode = cmbSslMode->currentText();
        fields.connectTimeout = txtConnectTimeout->text().trimmed();
        break;
    case ConnectionFields::Provider::Odbc:
        fields.odbcDriver = optDriver->isChecked();
        fields.dsn = cmbDsn->currentText().trimmed();
        fields.user = txtOdbcUser->text();
        fields.password = txtOdbcPassword->text();
        fields.driverString = txtDriverString->text().trimmed();
        break;
    }
    if (fields.provider == m_initial.provider && fields.odbcDriver == m_initial.odbcDriver)
        fields.extras = m_initial.extras;
    return fields;
}

void ConnectionDialog::EnableOdbcChoice()
{
    const bool dsn = optDsn->isChecked();
    for (QWidget *control : {static_cast<QWidget *>(cmbDsn), static_cast<QWidget *>(txtOdbcUser),
                             static_cast<QWidget *>(txtOdbcPassword)})
        control->setEnabled(dsn);
    txtDriverString->setEnabled(!dsn);
}

void ConnectionDialog::cmdBrowseFile_Click()
{
    QFileDialog picker(this, lblDatabaseFile->text(), QFileInfo(txtDatabaseFile->text()).absolutePath(),
                       QStringLiteral("SQLite databases (*.db *.sqlite *.sqlite3);;All files (*)"));
    picker.setObjectName(QStringLiteral("dlgDatabaseFile"));
    picker.setFileMode(QFileDialog::ExistingFile);
    if (!txtDatabaseFile->text().isEmpty())
        picker.selectFile(txtDatabaseFile->text());
    if (ui::showModal(picker) == QDialog::Accepted && !picker.selectedFiles().isEmpty())
        txtDatabaseFile->setText(QDir::toNativeSeparators(picker.selectedFiles().constFirst()));
}

void ConnectionDialog::cmdTestConnection_Click()
{
    TestConnectionString(trimBlanks(buildConnectionString(Fields())), windowTitle());
}

void ConnectionDialog::cmdOk_Click()
{
    m_connectionString = buildConnectionString(Fields());
    m_cancelado = false;
    accept();
}
