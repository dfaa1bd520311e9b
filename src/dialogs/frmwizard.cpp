#include "frmwizard.h"

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

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTextEdit>

namespace {

const QString section = QStringLiteral("frmWizard");

template <class Control>
Control *place(Control *control, const char *name, int left, int top, int width, int height)
{
    control->setObjectName(QLatin1String(name));
    control->setGeometry(ui::twipsRect(left, top, width, height));
    return control;
}

// A label as wide as its text (the design gives labels no width).
QLabel *placeLabel(QLabel *label, const char *name, int left, int top)
{
    place(label, name, left, top, 0, 195);
    label->resize(label->sizeHint().width(), label->height());
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

frmWizard::frmWizard(QWidget *parent) : ui::ChromeDialog(parent)
{
    setObjectName(section);
    setWindowTitle(QStringLiteral("Database Connection Wizard"));
    setDesignSize(8565, 4425);

    PanelText = place(new QFrame(this), "PanelText", 30, 330, 8505, 3660);
    PanelText->setFrameStyle(QFrame::Panel | QFrame::Raised);
    lblCnnString = placeLabel(new QLabel(QStringLiteral("Connection String"), PanelText), "lblCnnString", 150, 45);
    rtfCnnString = place(newTextBox(PanelText), "rtfCnnString", 765, 270, 6660, 720);
    cmdEditCnnString = place(new QPushButton(QStringLiteral("Edit ..."), PanelText), "cmdEditCnnString",
                             7485, 240, 975, 375);
    cmdTestCnnString = place(new QPushButton(QStringLiteral("Test"), PanelText), "cmdTestCnnString",
                             7485, 615, 975, 375);
    lblQuery = placeLabel(new QLabel(QStringLiteral("Query"), PanelText), "lblQuery", 150, 1080);
    rtfQuery = place(newTextBox(PanelText), "rtfQuery", 765, 1290, 6645, 2250);
    Image1 = place(new QLabel(PanelText), "Image1", 150, 300, 480, 480);
    Image2 = place(new QLabel(PanelText), "Image2", 150, 1320, 480, 480);
    Image1->setPixmap(style()->standardIcon(QStyle::SP_DriveNetIcon).pixmap(32, 32));
    Image2->setPixmap(style()->standardIcon(QStyle::SP_FileDialogContentsView).pixmap(32, 32));

    cmdOk = place(new QPushButton(QStringLiteral("&Ok"), this), "cmdOk", 6090, 4005, 1215, 375);
    cmdCancel = place(new QPushButton(QStringLiteral("&Cancel"), this), "cmdCancel", 7320, 4005, 1215, 375);
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
    ApplySkin();
    try {
        ChangeLanguage();
    } catch (...) {
        // The error report itself failed: the dialog still opens.
    }
}

void frmWizard::EnableButtons()
{
    passing(" frmWizard.EnableButtons() ", [&] {
        const bool connection = !trimBlanks(rtfCnnString->toPlainText()).isEmpty();
        cmdTestCnnString->setEnabled(connection);
        cmdOk->setEnabled(connection && !trimBlanks(rtfQuery->toPlainText()).isEmpty());
    });
}

void frmWizard::ApplySkin()
{
    QWidget *const buttons[] = {cmdOk, cmdCancel, cmdTestCnnString, cmdEditCnnString};
    ApplySkinColor(GetColorFont, gSkin, [&](const QColor &color) {
        for (QWidget *control : {static_cast<QWidget *>(lblCnnString), static_cast<QWidget *>(lblQuery)})
            ui::setForeColor(*control, color);
        for (QWidget *button : buttons)
            ui::setForeColor(*button, color);
    });
    ApplySkinColor(GetFormBackColor, gSkin, [&](const QColor &color) { ui::setBackColor(*this, color); });
    ApplySkinColor(GetTabBackColor, gSkin, [&](const QColor &color) {
        for (QWidget *control : {static_cast<QWidget *>(lblCnnString), static_cast<QWidget *>(lblQuery),
                                 static_cast<QWidget *>(PanelText)})
            ui::setBackColor(*control, color);
    });
    ApplySkinColor(GetButtonBackColor, gSkin, [&](const QColor &color) {
        for (QWidget *button : buttons)
            ui::setBackColor(*button, color);
    });
}

void frmWizard::ChangeLanguage()
{
    reporting(" frmWizard.ChangeLanguage() ", QString(), [&] {
        const std::unique_ptr<host::LanguageReader> reader = OpenLanguage(gInterfaceLanguage, gPathData);
        if (!reader)
            return;
        SetLanguageText(*reader, section, QStringLiteral("Caption"),
                        [&](const QString &text) { setWindowTitle(QLatin1Char(' ') + text); });
        for (QLabel *label : {lblCnnString, lblQuery})
            SetLanguageText(*reader, section, label->objectName(), [&](const QString &text) {
                label->setText(text);
                label->resize(label->sizeHint().width(), label->height());
            });
        for (QPushButton *button : {cmdOk, cmdCancel, cmdTestCnnString, cmdEditCnnString})
            SetLanguageText(*reader, section, button->objectName(),
                            [&](const QString &text) { button->setText(text); });
    });
}

void frmWizard::EditCnnString()
{
    reporting(" frmWizard.EditCnnString() ", QString(), [&] {
        QString connection = trimBlanks(rtfCnnString->toPlainText());
        {
            ConnectionDialog dialog(this);
            dialog.gInterfaceLanguage = gInterfaceLanguage;
            dialog.gPathData = gPathData;
            dialog.gSkin = gSkin;
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
