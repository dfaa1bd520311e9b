#include "frmwizard.h"

#include "connectiondialog.h"
#include "connectiontest.h"

#include "errorcore/error.h"
#include "common/showerror.h"
#include "common/skincolors.h"
#include "common/trimblanks.h"
#include "platform/ui/controlcolors.h"
#include "platform/ui/controltext.h"
#include "platform/ui/modal.h"
#include "platform/ui/placement.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTextEdit>

using ui::placed;

namespace {

// A label as wide as its text (the design gives labels no width).
QLabel *placedLabel(QLabel *label, const char *name, int left, int top)
{
    placed(label, name, left, top, 0, 195);
    ui::fitToText(*label);
    return label;
}

QTextEdit *newTextBox(QWidget *parent)
{
    auto *box = new QTextEdit(parent);
    box->setAcceptRichText(false);
    box->setTabChangesFocus(true);
    return box;
}

// The generated script: Main returns the first field of the first row that
// `query` yields over `connection`. Both go in as they stand.
QString wizardScript(const QString &connection, const QString &query)
{
    const QChar q = QLatin1Char('"');
    const QStringList lines{
        QStringLiteral("Function Main()"),
        QStringLiteral("\t'Get Result From Database"),
        QStringLiteral("\tMain=GetResult"),
        QStringLiteral("End Function"),
        QString(),
        QString(),
        QStringLiteral("'Database Result"),
        QStringLiteral("Function GetResult()"),
        QStringLiteral("Dim Cnn "),
        QStringLiteral("Dim Rs "),
        QStringLiteral("Dim Sql"),
        QString(),
        QStringLiteral("\t'Query"),
        QStringLiteral("\tSql=") + q + query + q,
        QStringLiteral("\t'Connection to Database"),
        QStringLiteral("\tSet Cnn = CreateObject(\"ADODB.Connection\")"),
        QStringLiteral("\t'Set Connection String"),
        QStringLiteral("\tCnn.ConnectionString=") + q + connection + q,
        QStringLiteral("\t'Cursor Location: SERVER"),
        QStringLiteral("\tCnn.CursorLocation=2"),
        QStringLiteral("\t'Open Connection"),
        QStringLiteral("\tCnn.Open"),
        QStringLiteral("\t'Execute Query"),
        QStringLiteral("\tSet Rs = Cnn.Execute(Sql)"),
        QStringLiteral("\tif  Not Rs Is Nothing Then"),
        QStringLiteral("\t\tIf Not Rs.EOF Then"),
        QStringLiteral("\t\t\tGetResult = Rs.Fields(0).Value"),
        QStringLiteral("\t\tEnd If"),
        QStringLiteral("\tEnd If"),
        QStringLiteral("\t'Destroy Objects"),
        QStringLiteral("\tSet Rs=Nothing"),
        QStringLiteral("\tSet Cnn = Nothing"),
        QStringLiteral("End Function"),
    };
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace

frmWizard::frmWizard(const DialogContext &context, QWidget *parent)
    : ContextDialog(context, parent, "frmWizard", QStringLiteral("Database Connection Wizard"), 8565, 4425)
{

    PanelText = raisedPanel(this, "PanelText", 30, 330, 8505, 3660);
    lblCnnString = placedLabel(new QLabel(QStringLiteral("Connection String"), PanelText), "lblCnnString", 150, 45);
    rtfCnnString = placed(newTextBox(PanelText), "rtfCnnString", 765, 270, 6660, 720);
    cmdEditCnnString = placed(new QPushButton(QStringLiteral("Edit ..."), PanelText), "cmdEditCnnString",
                             7485, 240, 975, 375);
    cmdTestCnnString = placed(new QPushButton(QStringLiteral("Test"), PanelText), "cmdTestCnnString",
                             7485, 615, 975, 375);
    lblQuery = placedLabel(new QLabel(QStringLiteral("Query"), PanelText), "lblQuery", 150, 1080);
    rtfQuery = placed(newTextBox(PanelText), "rtfQuery", 765, 1290, 6645, 2250);
    Image1 = placed(new QLabel(PanelText), "Image1", 150, 300, 480, 480);
    Image2 = placed(new QLabel(PanelText), "Image2", 150, 1320, 480, 480);
    Image1->setPixmap(style()->standardIcon(QStyle::SP_DriveNetIcon).pixmap(32, 32));
    Image2->setPixmap(style()->standardIcon(QStyle::SP_FileDialogContentsView).pixmap(32, 32));

    cmdOk = placed(new QPushButton(QStringLiteral("&Ok"), this), "cmdOk", 6090, 4005, 1215, 375);
    cmdCancel = placed(new QPushButton(QStringLiteral("&Cancel"), this), "cmdCancel", 7320, 4005, 1215, 375);
    for (QPushButton *button : {cmdEditCnnString, cmdTestCnnString, cmdOk, cmdCancel})
        button->setAutoDefault(false);

    // A failure of EnableButtons or Cancel carries their tags already.
    const auto changed = [this] { reporting("", QString(), [&] { EnableButtons(); }); };
    connect(rtfCnnString, &QTextEdit::textChanged, this, changed);
    connect(rtfQuery, &QTextEdit::textChanged, this, changed);
    connect(cmdEditCnnString, &QPushButton::clicked, this, [this] { EditCnnString(); });
    connect(cmdTestCnnString, &QPushButton::clicked, this, [this] { TestConnection(); });
    connect(cmdOk, &QPushButton::clicked, this, [this] { cmdOk_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &frmWizard::reject);
}

bool frmWizard::Cancelado() const
{
    return passing(" frmWizard.Cancelado() ", [&] { return m_cancelado; });
}

void frmWizard::Form_Load()
{
    try {
        EnableButtons();
    } catch (...) {
        // The boxes are empty: the buttons stay as they are.
    }
    const QList<QWidget *> buttons = {cmdOk, cmdCancel, cmdTestCnnString, cmdEditCnnString};
    applySkinGroups(gSkin, {{GetColorFont, ui::setForeColor, QList<QWidget *>{lblCnnString, lblQuery} + buttons},
                            {GetFormBackColor, ui::setBackColor, {this}},
                            {GetTabBackColor, ui::setBackColor, {lblCnnString, lblQuery, PanelText}},
                            {GetButtonBackColor, ui::setBackColor, buttons}});
    applyDialogLanguage(*this, *this, " frmWizard.ChangeLanguage() ", QStringLiteral(" "),
                        {lblCnnString, lblQuery, cmdOk, cmdCancel, cmdTestCnnString, cmdEditCnnString});
}

void frmWizard::EnableButtons()
{
    passing(" frmWizard.EnableButtons() ", [&] {
        const bool connection = !trimBlanks(rtfCnnString->toPlainText()).isEmpty();
        cmdTestCnnString->setEnabled(connection);
        cmdOk->setEnabled(connection && !trimBlanks(rtfQuery->toPlainText()).isEmpty());
    });
}

void frmWizard::EditCnnString()
{
    reporting(" frmWizard.EditCnnString() ", QString(), [&] {
        QString connection = trimBlanks(rtfCnnString->toPlainText());
        {
            ConnectionDialog dialog(this);
            static_cast<DialogContext &>(dialog) = *this;
            dialog.InitialString = connection;
            ui::showModal(dialog);
            if (!dialog.Cancelado())
                connection = dialog.ConnectionString();
        }
        rtfCnnString->setPlainText(connection);
    });
}

void frmWizard::TestConnection()
{
    TestConnectionString(trimBlanks(rtfCnnString->toPlainText()), windowTitle());
}

void frmWizard::reject()
{
    reporting("", QString(), [&] { cmdCancel_Click(); });
}

void frmWizard::cmdOk_Click()
{
    m_cancelado = false;
    m_code = wizardScript(rtfCnnString->toPlainText(), rtfQuery->toPlainText());
    accept();
}

void frmWizard::cmdCancel_Click()
{
    passing(" frmWizard.cmdCancel_Click() ", [&] {
        m_cancelado = true;
        QDialog::reject();
    });
}
