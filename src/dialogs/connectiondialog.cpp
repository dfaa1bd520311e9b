#include "connectiondialog.h"

#include "connectionpages.h"
#include "connectiontest.h"

#include "errorcore/error.h"
#include "common/showerror.h"
#include "common/skinapply.h"
#include "common/skincolors.h"
#include "common/trimblanks.h"
#include "common/windowlanguage.h"
#include "host/languagereader.h"
#include "platform/ui/controlcolors.h"
#include "platform/ui/placement.h"
#include "script/objects/databaseprovider.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>

namespace {

const QString section = QStringLiteral("ConnectionDialog");

constexpr int LabelLeft = 150;
constexpr int FieldLeft = 2850;   // room for the longest label in every language
constexpr int FieldWidth = 3450;


} // namespace

ConnectionDialog::ConnectionDialog(QWidget *parent)
    : ContextDialog({}, parent, "ConnectionDialog", QStringLiteral("Database Connection"), 6600, 4500)
{
    PanelConnection = raisedPanel(this, "PanelConnection", 30, 330, 6540, 3660);
    lblProvider = ui::placed(new QLabel(QStringLiteral("Provider"), PanelConnection), "lblProvider", LabelLeft, 165,
                        FieldLeft - LabelLeft - 60, 315);
    cmbProvider = ui::placed(new QComboBox(PanelConnection), "cmbProvider", FieldLeft, 165, FieldWidth, 315);
    stkProvider = ui::placed(new QStackedWidget(PanelConnection), "stkProvider", 0, 570, 6510, 3060);
    for (const DatabaseProvider &provider : databaseProviders()) {
        if (ConnectionPage *page = createConnectionPage(provider.key)) {
            cmbProvider->addItem(provider.displayName, provider.key);
            stkProvider->addWidget(page);
            m_pages.insert(provider.key, page);
        }
    }

    cmdTestConnection = ui::placed(new QPushButton(QStringLiteral("&Test"), this), "cmdTestConnection", 150, 4050, 1215,
                              375);
    cmdOk = ui::placed(new QPushButton(QStringLiteral("&Ok"), this), "cmdOk", 4080, 4050, 1215, 375);
    cmdCancel = ui::placed(new QPushButton(QStringLiteral("&Cancel"), this), "cmdCancel", 5310, 4050, 1215, 375);
    cmdOk->setDefault(true);

    connect(cmbProvider, &QComboBox::currentIndexChanged, this,
            [this] { stkProvider->setCurrentWidget(CurrentPage()); });
    connect(cmdTestConnection, &QPushButton::clicked, this, [this] { cmdTestConnection_Click(); });
    connect(cmdOk, &QPushButton::clicked, this, [this] { cmdOk_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ConnectionDialog::Form_Load()
{
    ApplySkin();
    try {
        ChangeLanguage();
    } catch (...) {
        // The error report itself failed: the dialog still opens.
    }
    m_initial = readConnectionString(InitialString);
    ShowFields(m_initial);
}

void ConnectionDialog::ApplySkin()
{
    const QList<QWidget *> labels = PanelConnection->findChildren<QWidget *>(QRegularExpression(QStringLiteral("^(lbl|opt)")));
    const QList<QPushButton *> buttons = findChildren<QPushButton *>();
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

void ConnectionDialog::ShowFields(const ConnectionTarget &target)
{
    const QString key = target.provider ? target.provider->key : databaseProviders().front().key;
    cmbProvider->setCurrentIndex(qMax(0, cmbProvider->findData(key)));
    stkProvider->setCurrentWidget(CurrentPage());
    for (ConnectionPage *page : std::as_const(m_pages))
        page->showTarget(target);
}

ConnectionPage *ConnectionDialog::CurrentPage() const
{
    return m_pages.value(cmbProvider->currentData().toString());
}

void ConnectionDialog::cmdTestConnection_Click()
{
    TestConnectionString(trimBlanks(CurrentPage()->connectionString(m_initial)), windowTitle());
}

void ConnectionDialog::cmdOk_Click()
{
    m_connectionString = CurrentPage()->connectionString(m_initial);
    m_cancelado = false;
    accept();
}
