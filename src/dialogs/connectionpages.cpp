#include "connectionpages.h"

#include "connectiontest.h"

#include "platform/ui/modal.h"
#include "platform/ui/twips.h"
#include "script/objects/databaseprovider.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

// Design rows of a page, in twips: labels on the left, fields right.
constexpr int RowHeight = 405;
constexpr int LabelLeft = 150;
constexpr int FieldLeft = 2850;   // room for the longest label in every language
constexpr int FieldWidth = 3450;
constexpr int BrowseWidth = 450;

enum class Kind { Text, Trimmed, Password, Port, Seconds, File, Choice };

// One row of a page: the provider field it shows, its controls' names, its
// design label and how it is edited (a File row's choices are the picker's
// filters, a Choice row's the list, a Port row's the default port shown).
struct PageRow
{
    const char *field;
    const char *control;
    const char *label;
    const char *text;
    Kind kind = Kind::Text;
    QStringList choices = {};
};

struct PageDescription
{
    const char *provider;
    const char *name;
    QList<PageRow> rows;
};

// The pages that are rows of fields; ODBC's page is its own (OdbcPage).
const QList<PageDescription> &fieldPages()
{
    static const QList<PageDescription> pages = {
        {"SQLite",
         "panelSQLite",
         {{"database", "txtDatabaseFile", "lblDatabaseFile", "Database file", Kind::File,
           {QStringLiteral("SQLite databases (*.db *.sqlite *.sqlite3)"), QStringLiteral("All files (*)")}}}},
        {"PostgreSQL",
         "panelPostgreSQL",
         {{"host", "txtHost", "lblHost", "Host", Kind::Trimmed},
          {"port", "txtPort", "lblPort", "Port", Kind::Port, {QStringLiteral("5432")}},
          {"database", "txtDatabase", "lblDatabase", "Database"},
          {"user", "txtUser", "lblUser", "User"},
          {"password", "txtPassword", "lblPassword", "Password", Kind::Password},
          {"sslmode", "cmbSslMode", "lblSslMode", "SSL mode", Kind::Choice,
           {QString(), QStringLiteral("disable"), QStringLiteral("allow"), QStringLiteral("prefer"),
            QStringLiteral("require"), QStringLiteral("verify-ca"), QStringLiteral("verify-full")}},
          {"timeout", "txtConnectTimeout", "lblConnectTimeout", "Connect time-out (s)", Kind::Seconds}}},
    };
    return pages;
}

template <class Control>
Control *place(Control *control, const QString &name, int left, int top, int width, int height = 315)
{
    control->setObjectName(name);
    control->setGeometry(ui::twipsRect(left, top, width, height));
    return control;
}

int rowTop(int row)
{
    return 60 + row * RowHeight;
}

QLabel *rowLabel(QWidget *page, const char *name, const char *text, int row)
{
    return place(new QLabel(QString::fromUtf8(text), page), QLatin1String(name), LabelLeft, rowTop(row),
                 FieldLeft - LabelLeft - 60);
}

QLineEdit *rowEdit(QWidget *page, const char *name, int row, int width = FieldWidth)
{
    return place(new QLineEdit(page), QLatin1String(name), FieldLeft, rowTop(row), width);
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

// Opens the file picker on `edit`'s file and puts the file chosen there.
void pickFile(QLineEdit &edit, const QString &title, const QStringList &filters)
{
    QFileDialog picker(edit.window(), title, QFileInfo(edit.text()).absolutePath(), filters.join(QLatin1String(";;")));
    picker.setObjectName(QStringLiteral("dlgDatabaseFile"));
    picker.setFileMode(QFileDialog::ExistingFile);
    if (!edit.text().isEmpty())
        picker.selectFile(edit.text());
    if (ui::showModal(picker) == QDialog::Accepted && !picker.selectedFiles().isEmpty())
        edit.setText(QDir::toNativeSeparators(picker.selectedFiles().constFirst()));
}

class FieldsPage : public ConnectionPage
{
public:
    explicit FieldsPage(const PageDescription &description) : m_provider(providerByKey(QLatin1String(description.provider)))
    {
        setObjectName(QLatin1String(description.name));
        for (int row = 0; row < description.rows.size(); ++row) {
            const PageRow &each = description.rows.at(row);
            QLabel *label = rowLabel(this, each.label, each.text, row);
            QWidget *control = nullptr;
            switch (each.kind) {
            case Kind::Choice: {
                auto *list = place(new QComboBox(this), QLatin1String(each.control), FieldLeft, rowTop(row), FieldWidth);
                list->addItems(each.choices);
                control = list;
                break;
            }
            case Kind::File: {
                QLineEdit *edit = rowEdit(this, each.control, row, FieldWidth - BrowseWidth - 60);
                auto *browse = place(new QPushButton(QStringLiteral("..."), this), QStringLiteral("cmdBrowseFile"),
                                     FieldLeft + FieldWidth - BrowseWidth, rowTop(row), BrowseWidth);
                const QStringList filters = each.choices;
                connect(browse, &QPushButton::clicked, this, [edit, label, filters] { pickFile(*edit, label->text(), filters); });
                control = edit;
                break;
            }
            default: {
                QLineEdit *edit = rowEdit(this, each.control, row);
                if (each.kind == Kind::Password)
                    edit->setEchoMode(QLineEdit::Password);
                if (each.kind == Kind::Port) {
                    edit->setValidator(new QIntValidator(1, 65535, edit));
                    edit->setPlaceholderText(each.choices.value(0));
                }
                if (each.kind == Kind::Seconds) {
                    edit->setValidator(new QIntValidator(0, 3600, edit));
                    edit->setPlaceholderText(QString::number(ConnectionTestSeconds));
                }
                control = edit;
                break;
            }
            }
            m_rows.append({QLatin1String(each.field), each.kind, control});
        }
    }

    void showTarget(const ConnectionTarget &target) override
    {
        const bool mine = target.provider == m_provider;
        for (const Row &row : std::as_const(m_rows)) {
            const QString value = mine ? target.value(row.field) : QString();
            if (auto *list = qobject_cast<QComboBox *>(row.control))
                selectText(*list, value);
            else
                static_cast<QLineEdit *>(row.control)->setText(value);
        }
    }

    QString connectionString(const ConnectionTarget &initial) const override
    {
        ConnectionTarget target;
        target.provider = m_provider;
        for (const Row &row : m_rows) {
            const auto *list = qobject_cast<const QComboBox *>(row.control);
            QString value = list ? list->currentText() : static_cast<const QLineEdit *>(row.control)->text();
            if (row.kind == Kind::Trimmed || row.kind == Kind::Port || row.kind == Kind::Seconds)
                value = value.trimmed();
            if (!value.isEmpty())
                target.fields.insert(row.field, value);
        }
        if (initial.provider == m_provider)
            target.extras = initial.extras;
        return buildConnectionString(target);
    }

private:
    struct Row
    {
        QString field;
        Kind kind;
        QWidget *control;
    };
    const DatabaseProvider *m_provider;
    QList<Row> m_rows;
};

// ODBC: a data source registered on this machine with its user and
// password, or a whole driver string.
class OdbcPage : public ConnectionPage
{
public:
    OdbcPage()
    {
        setObjectName(QStringLiteral("panelODBC"));
        optDsn = place(new QRadioButton(QStringLiteral("Data source"), this), QStringLiteral("optDsn"), LabelLeft,
                       rowTop(0), FieldLeft - LabelLeft - 60);
        cmbDsn = place(new QComboBox(this), QStringLiteral("cmbDsn"), FieldLeft, rowTop(0), FieldWidth);
        cmbDsn->setEditable(true);
        rowLabel(this, "lblOdbcUser", "User", 1);
        txtOdbcUser = rowEdit(this, "txtOdbcUser", 1);
        rowLabel(this, "lblOdbcPassword", "Password", 2);
        txtOdbcPassword = rowEdit(this, "txtOdbcPassword", 2);
        txtOdbcPassword->setEchoMode(QLineEdit::Password);
        optDriver = place(new QRadioButton(QStringLiteral("Driver string"), this), QStringLiteral("optDriver"), LabelLeft,
                          rowTop(3), FieldLeft - LabelLeft - 60);
        txtDriverString = place(new QLineEdit(this), QStringLiteral("txtDriverString"), LabelLeft, rowTop(4),
                                FieldLeft + FieldWidth - LabelLeft);
        txtDriverString->setPlaceholderText(QStringLiteral("Driver={...};Server=...;Database=..."));
        optDsn->setChecked(true);
        connect(optDsn, &QRadioButton::toggled, this, [this] { enableChoice(); });
        enableChoice();
    }

    void showTarget(const ConnectionTarget &target) override
    {
        cmbDsn->clear();
        cmbDsn->addItems(registeredOdbcDataSources());
        const bool mine = target.provider == providerByKey(QStringLiteral("ODBC"));
        const bool driver = mine && isDriverString(target);
        optDriver->setChecked(driver);
        optDsn->setChecked(!driver);
        cmbDsn->setCurrentText(mine && !driver ? target.value(QStringLiteral("dsn")) : QString());
        txtOdbcUser->setText(mine && !driver ? target.value(QStringLiteral("user")) : QString());
        txtOdbcPassword->setText(mine && !driver ? target.value(QStringLiteral("password")) : QString());
        txtDriverString->setText(driver ? target.text.trimmed() : QString());
    }

    QString connectionString(const ConnectionTarget &initial) const override
    {
        if (optDriver->isChecked())
            return txtDriverString->text().trimmed();
        ConnectionTarget target;
        target.provider = providerByKey(QStringLiteral("ODBC"));
        target.fields.insert(QStringLiteral("dsn"), cmbDsn->currentText().trimmed());
        for (const auto &[field, edit] : {std::pair{"user", txtOdbcUser}, {"password", txtOdbcPassword}}) {
            if (!edit->text().isEmpty())
                target.fields.insert(QLatin1String(field), edit->text());
        }
        if (initial.provider == target.provider && !isDriverString(initial))
            target.extras = initial.extras;
        return buildConnectionString(target);
    }

private:
    static bool isDriverString(const ConnectionTarget &target)
    {
        return !target.value(QStringLiteral("driver")).isEmpty() || target.value(QStringLiteral("dsn")).isEmpty();
    }

    void enableChoice()
    {
        const bool dsn = optDsn->isChecked();
        for (QWidget *control : {static_cast<QWidget *>(cmbDsn), static_cast<QWidget *>(txtOdbcUser),
                                 static_cast<QWidget *>(txtOdbcPassword)})
            control->setEnabled(dsn);
        txtDriverString->setEnabled(!dsn);
    }

    QRadioButton *optDsn;
    QComboBox *cmbDsn;
    QLineEdit *txtOdbcUser;
    QLineEdit *txtOdbcPassword;
    QRadioButton *optDriver;
    QLineEdit *txtDriverString;
};

} // namespace

ConnectionPage *createConnectionPage(const QString &key)
{
    if (key == QLatin1String("ODBC"))
        return new OdbcPage;
    for (const PageDescription &page : fieldPages()) {
        if (key == QLatin1String(page.provider))
            return new FieldsPage(page);
    }
    return nullptr;
}
