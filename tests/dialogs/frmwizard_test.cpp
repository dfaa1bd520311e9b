// The Database Connection Wizard through its widgets, the modal and message
// seams, and real databases: an SQLite file made here and the PostgreSQL
// server of scripts/with-postgres.sh (those cases skip without it).
#include "reportcapture.h"
#include "testsupport.h"

#include "dialogs/connectiondialog.h"
#include "dialogs/frmwizard.h"
#include "hostkit/referenceobjects.h"
#include "platform/ui/modal.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The script Ok generates, with C and Y for the two boxes' texts.
const char *const wizardScript = "Function Main()\r\n"
                                 "\t'Get Result From Database\r\n"
                                 "\tMain=GetResult\r\n"
                                 "End Function\r\n"
                                 "\r\n"
                                 "\r\n"
                                 "'Database Result\r\n"
                                 "Function GetResult()\r\n"
                                 "Dim Cnn \r\n"
                                 "Dim Rs \r\n"
                                 "Dim Sql\r\n"
                                 "\r\n"
                                 "\t'Query\r\n"
                                 "\tSql=\"<Y>\"\r\n"
                                 "\t'Connection to Database\r\n"
                                 "\tSet Cnn = CreateObject(\"ADODB.Connection\")\r\n"
                                 "\t'Set Connection String\r\n"
                                 "\tCnn.ConnectionString=\"<C>\"\r\n"
                                 "\t'Cursor Location: SERVER\r\n"
                                 "\tCnn.CursorLocation=2\r\n"
                                 "\t'Open Connection\r\n"
                                 "\tCnn.Open\r\n"
                                 "\t'Execute Query\r\n"
                                 "\tSet Rs = Cnn.Execute(Sql)\r\n"
                                 "\tif  Not Rs Is Nothing Then\r\n"
                                 "\t\tIf Not Rs.EOF Then\r\n"
                                 "\t\t\tGetResult = Rs.Fields(0).Value\r\n"
                                 "\t\tEnd If\r\n"
                                 "\tEnd If\r\n"
                                 "\t'Destroy Objects\r\n"
                                 "\tSet Rs=Nothing\r\n"
                                 "\tSet Cnn = Nothing\r\n"
                                 "End Function";

template <class T>
T *named(QWidget &dialog, const char *name)
{
    T *control = dialog.findChild<T *>(QLatin1String(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
}

void click(QWidget &dialog, const char *button)
{
    QTest::mouseClick(named<QPushButton>(dialog, button), Qt::LeftButton);
}

// A TCP port on 127.0.0.1 that accepts connections and never answers.
class SilentListener
{
public:
    SilentListener()
    {
        m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (m_fd >= 0 && ::bind(m_fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0
            && ::listen(m_fd, 8) == 0 && ::getsockname(m_fd, reinterpret_cast<sockaddr *>(&address), &length) == 0)
            m_port = ntohs(address.sin_port);
    }
    ~SilentListener()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    SilentListener(const SilentListener &) = delete;
    SilentListener &operator=(const SilentListener &) = delete;
    int port() const { return m_port; }

private:
    int m_fd = -1;
    int m_port = 0;
};

struct Wizard : ::testing::Test
{
    Wizard()
    {
        static const bool installed = (hostkit::installReferenceObjects(), true);
        (void)installed;
        dialog.gPathData = sourcePath(QStringLiteral("data"));
    }

    // Shows the wizard through the modal seam and runs `drive` while it is
    // open; a dialog that `drive` leaves open is cancelled.
    void run(const std::function<void(QWidget &)> &drive)
    {
        ui::ScopedModalHandler modal([&](QDialog &shown) {
            shown.show();
            drive(shown);
            if (shown.isVisible())
                shown.reject();
            return shown.result();
        });
        ui::showModal(dialog);
    }

    void fill(QWidget &shown, const QString &connection, const QString &query)
    {
        named<QTextEdit>(shown, "rtfCnnString")->setPlainText(connection);
        named<QTextEdit>(shown, "rtfQuery")->setPlainText(query);
    }

    // The message of pressing Test with `connection` in the box.
    ReportCapture::Box test(const QString &connection)
    {
        run([&](QWidget &shown) {
            fill(shown, connection, QString());
            click(shown, "cmdTestCnnString");
        });
        EXPECT_EQ(capture.boxes.size(), 1);
        return capture.boxes.value(0);
    }

    ReportCapture capture;
    frmWizard dialog;
};

struct EnableCase
{
    const char *name, *connection, *query;
    bool test, ok;
};

class WizardEnable : public Wizard, public ::testing::WithParamInterface<EnableCase>
{
};

TEST_P(WizardEnable, TestNeedsAConnectionAndOkAQueryAsWell)
{
    const EnableCase &c = GetParam();
    run([&](QWidget &shown) {
        EXPECT_FALSE(named<QPushButton>(shown, "cmdTestCnnString")->isEnabled());
        EXPECT_FALSE(named<QPushButton>(shown, "cmdOk")->isEnabled());
        QTest::keyClicks(named<QTextEdit>(shown, "rtfCnnString"), QString::fromUtf8(c.connection));
        QTest::keyClicks(named<QTextEdit>(shown, "rtfQuery"), QString::fromUtf8(c.query));
        EXPECT_EQ(named<QPushButton>(shown, "cmdTestCnnString")->isEnabled(), c.test);
        EXPECT_EQ(named<QPushButton>(shown, "cmdOk")->isEnabled(), c.ok);
    });
}

INSTANTIATE_TEST_SUITE_P(
    Rules, WizardEnable,
    ::testing::Values(EnableCase{"Empty", "", "", false, false},
                      EnableCase{"BlankConnection", "   ", "SELECT 1", false, false},
                      EnableCase{"ConnectionOnly", "Data Source=a.db", "", true, false},
                      EnableCase{"BlankQuery", "Data Source=a.db", "   ", true, false},
                      EnableCase{"BothWithBlanks", "  Data Source=a.db ", " SELECT 1 ", true, true}),
    [](const auto &info) { return std::string(info.param.name); });

struct ScriptCase
{
    const char *name, *connection, *query;
};

class WizardScript : public Wizard, public ::testing::WithParamInterface<ScriptCase>
{
};

TEST_P(WizardScript, OkGeneratesTheScriptWithBothTextsAsTheyStand)
{
    const ScriptCase &c = GetParam();
    const QString connection = QString::fromUtf8(c.connection);
    const QString query = QString::fromUtf8(c.query);
    run([&](QWidget &shown) {
        fill(shown, connection, query);
        click(shown, "cmdOk");
        EXPECT_FALSE(shown.isVisible());
    });
    EXPECT_FALSE(dialog.Cancelado());
    EXPECT_EQ(dialog.Code(),
              QString::fromLatin1(wizardScript).replace(QLatin1String("<C>"), connection).replace(QLatin1String("<Y>"), query));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WizardScript,
    ::testing::Values(ScriptCase{"OneLine", "Provider=SQLite;Data Source=/tmp/a.db", "SELECT v FROM t"},
                      ScriptCase{"SurroundingBlanksKept", "  Data Source=a.db ", " SELECT 1  "},
                      ScriptCase{"TwoLines", "Provider=PostgreSQL;\nHost=db", "SELECT v\nFROM t"},
                      ScriptCase{"QuotesUnchanged", "Data Source=\"a;b.db\"", "SELECT 'x' AS \"v\""}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(Wizard, CancelAndEscCancelAndLeaveNoCode)
{
    for (const auto &close : std::vector<std::function<void(QWidget &)>>{
             [](QWidget &shown) { click(shown, "cmdCancel"); },
             [](QWidget &shown) { QTest::keyClick(&shown, Qt::Key_Escape); }}) {
        frmWizard wizard;
        ui::ScopedModalHandler modal([&](QDialog &shown) {
            shown.show();
            fill(shown, QStringLiteral("Data Source=a.db"), QStringLiteral("SELECT 1"));
            close(shown);
            EXPECT_FALSE(shown.isVisible());
            return shown.result();
        });
        ui::showModal(wizard);
        EXPECT_TRUE(wizard.Cancelado());
        EXPECT_TRUE(wizard.Code().isEmpty());
    }
}

struct EditCase
{
    const char *name, *box;
    bool confirm;          // Ok in the connection dialog after choosing PostgreSQL on host "db"
    const char *shown;     // what the connection dialog was given
    const char *after;     // the box afterwards
    bool testEnabled;
};

class WizardEdit : public Wizard, public ::testing::WithParamInterface<EditCase>
{
};

TEST_P(WizardEdit, TheConnectionDialogEditsTheTrimmedStringAndCancelStillTrims)
{
    const EditCase &c = GetParam();
    QString shownInDialog;
    run([&](QWidget &wizard) {
        named<QTextEdit>(wizard, "rtfCnnString")->setPlainText(QString::fromUtf8(c.box));
        ui::ScopedModalHandler connection([&](QDialog &shown) {
            shown.show();
            shownInDialog = static_cast<ConnectionDialog &>(shown).InitialString;
            if (c.confirm) {
                named<QComboBox>(shown, "cmbProvider")->setCurrentText(QStringLiteral("PostgreSQL"));
                named<QLineEdit>(shown, "txtHost")->setText(QStringLiteral("db"));
                click(shown, "cmdOk");
            } else {
                click(shown, "cmdCancel");
            }
            return shown.result();
        });
        click(wizard, "cmdEditCnnString");
        EXPECT_EQ(named<QTextEdit>(wizard, "rtfCnnString")->toPlainText(), QString::fromUtf8(c.after));
        EXPECT_EQ(named<QPushButton>(wizard, "cmdTestCnnString")->isEnabled(), c.testEnabled);
    });
    EXPECT_EQ(shownInDialog, QString::fromUtf8(c.shown));
    EXPECT_TRUE(capture.boxes.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Algorithm, WizardEdit,
    ::testing::Values(EditCase{"NewCancelled", "", false, "", "", false},
                      EditCase{"NewConfirmed", "", true, "", "Provider=PostgreSQL;Host=db", true},
                      EditCase{"CancelledLeavesTheTrimmedText", "  Data Source=a.db  ", false, "Data Source=a.db",
                               "Data Source=a.db", true},
                      EditCase{"ConfirmedReplacesIt", " Data Source=a.db", true, "Data Source=a.db",
                               "Provider=PostgreSQL;Host=db", true}),
    [](const auto &info) { return std::string(info.param.name); });

struct LanguageCase
{
    const char *id, *caption, *lblQuery, *cmdEditCnnString, *cmdCancel;
};

class WizardLanguage : public Wizard, public ::testing::WithParamInterface<LanguageCase>
{
};

TEST_P(WizardLanguage, TextsComeFromTheFileOrStayAsDesigned)
{
    dialog.gInterfaceLanguage = QLatin1String(GetParam().id);
    run([&](QWidget &shown) {
        EXPECT_EQ(shown.windowTitle(), QString::fromUtf8(GetParam().caption));
        EXPECT_EQ(named<QLabel>(shown, "lblQuery")->text(), QString::fromUtf8(GetParam().lblQuery));
        EXPECT_EQ(named<QPushButton>(shown, "cmdEditCnnString")->text(),
                  QString::fromUtf8(GetParam().cmdEditCnnString));
        EXPECT_EQ(named<QPushButton>(shown, "cmdCancel")->text(), QString::fromUtf8(GetParam().cmdCancel));
    });
    EXPECT_TRUE(capture.boxes.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Languages, WizardLanguage,
    ::testing::Values(LanguageCase{"en", " Database Connection Wizard", "Query", "Edit ...", "&Cancel"},
                      LanguageCase{"es", " Asistente de conexión a base de datos", "Consulta", "Editar...",
                                   "&Cancelar"},
                      LanguageCase{"xx", "Database Connection Wizard", "Query", "Edit ...", "&Cancel"}),
    [](const auto &info) { return std::string(info.param.id); });

// --- Test against real databases --------------------------------------------------------------

QString sqliteFile(const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("sensor.db"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("wizard-test"));
        db.setDatabaseName(path);
        db.open();
        QSqlQuery(db).exec(QStringLiteral("CREATE TABLE t (v INTEGER)"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("wizard-test"));
    return path;
}

TEST_F(Wizard, TestOfAGoodSqliteFileSaysOkTitledVeltranoAndLeavesNoBusyCursor)
{
    QTemporaryDir dir;
    const ReportCapture::Box box = test(QStringLiteral("  Provider=SQLite;Data Source=") + sqliteFile(dir));
    EXPECT_EQ(box.prompt, QStringLiteral("Ok!"));
    EXPECT_EQ(box.style, 64);
    EXPECT_EQ(box.title, QStringLiteral("Veltrano"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(Wizard, TestOfAFileThatIsNoDatabaseShowsTheErrorTitledWithTheCaption)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("notes.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();
    const ReportCapture::Box box = test(QStringLiteral("Data Source=") + file.fileName());
    EXPECT_TRUE(box.prompt.startsWith(QStringLiteral("Error: -2147217900\rDescription: "))) << box.prompt.toStdString();
    EXPECT_TRUE(box.prompt.contains(QStringLiteral("file is not a database")));
    EXPECT_TRUE(box.prompt.endsWith(QStringLiteral("\rSource: ADODB.Connection"))) << box.prompt.toStdString();
    EXPECT_FALSE(box.prompt.contains(QLatin1Char('\n')));
    EXPECT_EQ(box.style, 64);
    EXPECT_EQ(box.title, QStringLiteral("Database Connection Wizard"));
}

#define REQUIRE_POSTGRES()                                                                                   \
    do {                                                                                                     \
        if (qEnvironmentVariable("VELTRANO_PG_CONNECTION").isEmpty()) {                                      \
            if (qEnvironmentVariable("VELTRANO_REQUIRE_POSTGRES") == QLatin1String("1"))                     \
                FAIL() << "VELTRANO_REQUIRE_POSTGRES=1 but no server: run under scripts/with-postgres.sh";   \
            GTEST_SKIP() << "no PostgreSQL server (run under scripts/with-postgres.sh)";                     \
        }                                                                                                    \
    } while (false)

QString postgres(const QString &password, const QString &port = qEnvironmentVariable("VELTRANO_PG_PORT"))
{
    return QStringLiteral("Provider=PostgreSQL;Host=%1;Port=%2;Database=%3;User ID=%4;Password=%5")
        .arg(qEnvironmentVariable("VELTRANO_PG_HOST"), port, qEnvironmentVariable("VELTRANO_PG_DATABASE"),
             qEnvironmentVariable("VELTRANO_PG_USER"), password);
}

TEST_F(Wizard, TestOfPostgresWithTheRightPasswordSaysOk)
{
    REQUIRE_POSTGRES();
    EXPECT_EQ(test(postgres(qEnvironmentVariable("VELTRANO_PG_PASSWORD"))).prompt, QStringLiteral("Ok!"));
}

TEST_F(Wizard, TestOfPostgresWithAWrongPasswordShowsTheErrorWithoutThePassword)
{
    REQUIRE_POSTGRES();
    const ReportCapture::Box box = test(postgres(QStringLiteral("Wr0ngSecret")));
    EXPECT_TRUE(box.prompt.startsWith(QStringLiteral("Error: -2147467259\r"))) << box.prompt.toStdString();
    EXPECT_FALSE(box.prompt.contains(QStringLiteral("Wr0ngSecret")));
}

TEST_F(Wizard, TestOfAServerThatNeverAnswersEndsWithTheErrorWithinSeconds)
{
    SilentListener silent;
    ASSERT_NE(silent.port(), 0);
    QElapsedTimer clock;
    clock.start();
    const ReportCapture::Box box = test(postgres(QStringLiteral("x"), QString::number(silent.port())));
    EXPECT_LT(clock.elapsed(), 9000);
    EXPECT_TRUE(box.prompt.startsWith(QStringLiteral("Error: -2147467259\r"))) << box.prompt.toStdString();
}

} // namespace
