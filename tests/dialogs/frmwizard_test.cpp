// The Database Connection Wizard through its widgets, the modal and message
// seams, and real databases: an SQLite file made here and the PostgreSQL
// server of scripts/with-postgres.sh (those cases are left out without it).
#include "dialogtest.h"

#include "dialogs/connectiondialog.h"
#include "dialogs/frmwizard.h"

#include <QApplication>
#include <QElapsedTimer>
#include <tuple>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The script Ok generates, with C and Y for the two boxes' texts.
const char *const wizardScript =
    "Function Main()\r\n\t'Get Result From Database\r\n\tMain=GetResult\r\nEnd Function\r\n\r\n\r\n"
    "'Database Result\r\nFunction GetResult()\r\nDim Cnn \r\nDim Rs \r\nDim Sql\r\n\r\n"
    "\t'Query\r\n\tSql=\"<Y>\"\r\n"
    "\t'Connection to Database\r\n\tSet Cnn = CreateObject(\"ADODB.Connection\")\r\n"
    "\t'Set Connection String\r\n\tCnn.ConnectionString=\"<C>\"\r\n"
    "\t'Cursor Location: SERVER\r\n\tCnn.CursorLocation=2\r\n\t'Open Connection\r\n\tCnn.Open\r\n"
    "\t'Execute Query\r\n\tSet Rs = Cnn.Execute(Sql)\r\n"
    "\tif  Not Rs Is Nothing Then\r\n\t\tIf Not Rs.EOF Then\r\n\t\t\tGetResult = Rs.Fields(0).Value\r\n"
    "\t\tEnd If\r\n\tEnd If\r\n"
    "\t'Destroy Objects\r\n\tSet Rs=Nothing\r\n\tSet Cnn = Nothing\r\nEnd Function";

struct Wizard : Tested<frmWizard>
{
    // Shows the wizard with the two boxes filled and runs `drive` while it is open.
    int run(const QString &connection, const QString &query, const std::function<void(QDialog &)> &drive)
    {
        return runModal(dialog, [&](QDialog &shown) {
            named<QTextEdit>(shown, "rtfCnnString")->setPlainText(connection);
            named<QTextEdit>(shown, "rtfQuery")->setPlainText(query);
            drive(shown);
        });
    }
};

bool enabled(QDialog &shown, const char *button)
{
    return named<QPushButton>(shown, button)->isEnabled();
}

TEST(DatabaseWizard, TestNeedsAConnectionAndOkAQueryAsWell)
{
    using Case = std::tuple<const char *, const char *, const char *, bool, bool>;   // name, boxes, enabled
    const Case cases[] = {
        {"Empty", "", "", false, false},
        {"BlankConnection", "   ", "SELECT 1", false, false},
        {"ConnectionOnly", "Data Source=a.db", "", true, false},
        {"BlankQuery", "Data Source=a.db", "   ", true, false},
        {"BothWithBlanks", "  Data Source=a.db ", " SELECT 1 ", true, true},
    };
    Wizard w;
    runModal(w.dialog, [&](QDialog &shown) {
        EXPECT_FALSE(enabled(shown, "cmdTestCnnString"));
        EXPECT_FALSE(enabled(shown, "cmdOk"));
        for (const auto &[name, connection, query, test, ok] : cases) {
            SCOPED_TRACE(name);
            for (const auto &[box, text] : {std::pair{"rtfCnnString", connection}, {"rtfQuery", query}}) {
                named<QTextEdit>(shown, box)->clear();
                QTest::keyClicks(named<QTextEdit>(shown, box), text);
            }
            EXPECT_EQ(enabled(shown, "cmdTestCnnString"), test);
            EXPECT_EQ(enabled(shown, "cmdOk"), ok);
        }
    });
}

TEST(DatabaseWizard, OkGeneratesTheScriptWithBothTextsAsTheyStandCancelAndEscLeaveNone)
{
    using Case = std::tuple<const char *, const char *, const char *, const char *>;   // name, boxes, a button or "Esc"
    const Case cases[] = {
        {"OneLine", "Provider=SQLite;Data Source=/tmp/a.db", "SELECT v FROM t", "cmdOk"},
        {"SurroundingBlanksKept", "  Data Source=a.db ", " SELECT 1  ", "cmdOk"},
        {"TwoLines", "Provider=PostgreSQL;\nHost=db", "SELECT v\nFROM t", "cmdOk"},
        {"QuotesUnchanged", "Data Source=\"a;b.db\"", "SELECT 'x' AS \"v\"", "cmdOk"},
        {"Cancel", "Data Source=a.db", "SELECT 1", "cmdCancel"},
        {"Esc", "Data Source=a.db", "SELECT 1", "Esc"},
    };
    for (const auto &[name, connection, query, press] : cases) {
        SCOPED_TRACE(name);
        const bool ok = QString(press) == "cmdOk";
        Wizard w;
        EXPECT_NE(w.run(connection, query, [&](QDialog &shown) {
            QString(press) == "Esc" ? QTest::keyClick(&shown, Qt::Key_Escape) : click(shown, press);
        }), -1);
        EXPECT_EQ(w.dialog.Cancelado(), !ok);
        const QString script = QString(wizardScript).replace("<C>", connection).replace("<Y>", query);
        EXPECT_EQ(w.dialog.Code(), ok ? script : QString());
    }
}

TEST(DatabaseWizard, TheConnectionDialogEditsTheTrimmedStringAndCancelStillTrims)
{
    // The box, Ok in the connection dialog after choosing PostgreSQL on host "db" (or Cancel), what the
    // connection dialog was given, the box afterwards and whether Test is on then.
    using Case = std::tuple<const char *, const char *, bool, const char *, const char *, bool>;
    const Case cases[] = {
        {"NewCancelled", "", false, "", "", false},
        {"NewConfirmed", "", true, "", "Provider=PostgreSQL;Host=db", true},
        {"CancelledLeavesTheTrimmedText", "  Data Source=a.db  ", false, "Data Source=a.db", "Data Source=a.db", true},
        {"ConfirmedReplacesIt", " Data Source=a.db", true, "Data Source=a.db", "Provider=PostgreSQL;Host=db", true},
    };
    Wizard w;
    runModal(w.dialog, [&](QDialog &wizard) {
        auto *box = named<QTextEdit>(wizard, "rtfCnnString");
        for (const auto &[name, text, confirm, expectedGiven, after, testEnabled] : cases) {
            SCOPED_TRACE(name);
            box->setPlainText(text);
            QString given;
            ui::ScopedModalHandler connection([&](QDialog &shown) {
                shown.show();
                given = static_cast<ConnectionDialog &>(shown).InitialString;
                if (confirm) {
                    named<QComboBox>(shown, "cmbProvider")->setCurrentText("PostgreSQL");
                    named<QLineEdit>(shown, "txtHost")->setText("db");
                }
                click(shown, confirm ? "cmdOk" : "cmdCancel");
                return shown.result();
            });
            click(wizard, "cmdEditCnnString");
            EXPECT_EQ(given, expectedGiven);
            EXPECT_EQ(box->toPlainText(), after);
            EXPECT_EQ(enabled(wizard, "cmdTestCnnString"), testEnabled);
        }
    });
    EXPECT_TRUE(w.capture.boxes.isEmpty());
}

// Makes `fd` a TCP port on 127.0.0.1 that takes connections and never answers; its number, or 0.
int silentPort(int fd)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    auto *name = reinterpret_cast<sockaddr *>(&address);
    const bool open = ::bind(fd, name, length) == 0 && ::listen(fd, 8) == 0 && ::getsockname(fd, name, &length) == 0;
    return open ? ntohs(address.sin_port) : 0;
}

QString postgres(const QString &password, const QString &port = qEnvironmentVariable("VELTRANO_PG_PORT"))
{
    return QString("Provider=PostgreSQL;Host=%1;Port=%2;Database=%3;User ID=%4;Password=%5")
        .arg(qEnvironmentVariable("VELTRANO_PG_HOST"), port, qEnvironmentVariable("VELTRANO_PG_DATABASE"),
             qEnvironmentVariable("VELTRANO_PG_USER"), password);
}

TEST(DatabaseWizard, TestConnectsAndSaysOkOrShowsTheErrorWithoutThePasswordWithinSeconds)
{
    const bool havePostgres = !qEnvironmentVariable("VELTRANO_PG_CONNECTION").isEmpty();
    if (!havePostgres && qEnvironmentVariable("VELTRANO_REQUIRE_POSTGRES") == "1")
        ADD_FAILURE() << "VELTRANO_REQUIRE_POSTGRES=1 but no server: run under scripts/with-postgres.sh";
    QTemporaryDir dir;
    QFile notes(dir.filePath("notes.txt"));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write(QByteArray(4096, 'x'));
    notes.close();
    const int silent = ::socket(AF_INET, SOCK_STREAM, 0), silentPort = ::silentPort(silent);
    ASSERT_NE(silentPort, 0);
    const struct
    {
        const char *name;
        QString connection;
        bool postgres;
        const char *error;   // a pattern of the whole message; none: "Ok!"
    } cases[] = {
        {"GoodSqliteFile", "  Provider=SQLite;Data Source=" + sqliteFile(dir), false, nullptr},
        {"NoDatabaseFile", "Data Source=" + notes.fileName(), false,
         "Error: -2147217900\rDescription: [^\n]*file is not a database[^\n]*\rSource: ADODB.Connection"},
        {"SilentServer", postgres("Wr0ngSecret", QString::number(silentPort)), false, "Error: -2147467259\r[^\n]*"},
        {"PostgresRightPassword", postgres(qEnvironmentVariable("VELTRANO_PG_PASSWORD")), true, nullptr},
        {"PostgresWrongPassword", postgres("Wr0ngSecret"), true, "Error: -2147467259\r[\\s\\S]*"},
    };
    for (const auto &c : cases) {
        if (c.postgres && !havePostgres)
            continue;
        SCOPED_TRACE(c.name);
        Wizard w;
        QElapsedTimer clock;
        clock.start();
        w.run(c.connection, QString(), [](QDialog &shown) { click(shown, "cmdTestCnnString"); });
        EXPECT_LT(clock.elapsed(), 9000);
        ASSERT_EQ(w.capture.boxes.size(), 1);
        const ReportCapture::Box &box = w.capture.boxes[0];
        const QString pattern = QRegularExpression::anchoredPattern(QString(c.error ? c.error : "Ok!"));
        EXPECT_TRUE(QRegularExpression(pattern).match(box.prompt).hasMatch()) << box.prompt.toStdString();
        EXPECT_FALSE(box.prompt.contains("Wr0ngSecret"));
        EXPECT_EQ(box.style, ui::OkOnly | ui::Information);
        EXPECT_EQ(box.title, c.error ? " Database Connection Wizard" : "Veltrano");
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
    ::close(silent);
}

} // namespace
