// The Conditions Wizard through its widgets, the modal seam and the message
// seam: the rows it refuses and the scripts it builds.
#include "dialogtest.h"

#include "dialogs/conditionsgrid.h"
#include "dialogs/frmwizardvalues.h"

#include <QHeaderView>
#include <QLocale>
#include <array>
#include <string_view>
#include <vector>

namespace {

using Rows = std::vector<std::array<const char *, 4>>;   // join, operand, comparison, value

struct Wizard : Tested<frmWizardValues>
{
    using Tested::Tested;
    // Shows the wizard, active for the focus and the shortcuts, and runs
    // `drive` while it is open; true when it stayed open.
    bool show(const std::function<void()> &drive)
    {
        return runModal(dialog, [&](QDialog &d) {
            d.activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
            grid = named<ConditionsGrid>(d, "dtConditions");
            drive();
        }) == -1;
    }
    void click(const char *button) const { ::click(dialog, button); }
    // Adds `rows` with cmdNewCondition and fills their cells ("-": left as the new row has it).
    void fill(const Rows &rows) const
    {
        for (const auto &row : rows) {
            click("cmdNewCondition");
            for (int column = 0; column < 4; ++column)
                if (std::string_view(row[column]) != "-")
                    grid->setCellText(grid->rowCount() - 1, column, row[column]);
        }
    }
    // F2 on a cell: whether an editor opened.
    bool startEdit(int row, int column) const
    {
        grid->setCurrentIndex(grid->model()->index(row, column));
        QTest::keyClick(grid, Qt::Key_F2);
        return grid->indexWidget(grid->currentIndex()) != nullptr;
    }

    ConditionsGrid *grid = nullptr;
};

QString script(const char *condition)
{
    return QString("Function Main(pSsrValue)\r\nIF %1 THEN\r\n\t\tMain=TRUE\r\nELSE\r\n\t\tMain=FALSE\r\n"
                   "END IF\r\nEnd Function")
        .arg(condition);
}

struct OkCase
{
    const char *name;
    Rows rows;
    const char *message = nullptr;     // the box shown, which keeps the wizard open
    int selected = -1;                 // the row selected with the box
    const char *condition = nullptr;   // of the script built
    const char *press = "cmdOk";       // or "cmdCancel", "Esc"
    const char *language = "en";
    const char *locale = "C";        // the user's regional settings
    const char *note = "";           // shown beside the first row's value before Ok
};

TEST(Conditions, OkRefusesFaultyRowsOrBuildsTheScriptCancelAndEscBuildNone)
{
    const char *const incomplete = "The selected condition is incomplete: fill in every cell.";
    const char *const duplicated = "The selected condition repeats an earlier one (same comparison and value).";
    const OkCase cases[] = {
        {"EmptyGrid", {}, "There are no conditions: add at least one."},
        {"EmptyGridEs", {}, "No hay condiciones: añada al menos una.", -1, nullptr, "cmdOk", "es"},
        {"EmptyGridNoFile", {}, "", -1, nullptr, "cmdOk", "xx"},
        {"SecondRowWithoutJoin", {{"", "pSsrValue", ">", "10"}, {"", "pSsrValue", "<", "20"}}, incomplete, 1},
        {"BlanksOnlyValue", {{"-", "-", ">", "10"}, {"Or", "pSsrValue", "<", "   "}}, incomplete, 1},
        {"BlanksOnlyOperand", {{"-", "  ", ">", "10"}}, incomplete, 0},
        {"IncompleteBeforeDuplicate", {{"-", "-", ">", "10"}, {"And", "-", ">", "10"}, {"And", "-", "", "10"}},
         incomplete, 2},
        {"DuplicateAfterTrimming", {{"-", "-", ">", "10"}, {"And", "pSsrValue", ">", " 10"}}, duplicated, 1},
        {"DuplicateDifferingInJoinAndOperand", {{"-", "-", "=", "x"}, {"Or", "other", "=", "x"}}, duplicated, 1},
        // Pairs are tried (0,1), (0,2), (0,3), (0,4), (1,2), ...: (0,3) comes first.
        {"FirstPairInRowOrder",
         {{"-", "-", "=", "a"}, {"Or", "-", "=", "b"}, {"Or", "-", "=", "b "}, {"Or", "-", "=", "a"},
          {"Or", "-", "=", "a"}},
         duplicated, 3},
        {"Cancel", {{"-", "-", ">", "10"}}, nullptr, -1, nullptr, "cmdCancel"},
        {"Esc", {{"-", "-", ">", "10"}}, nullptr, -1, nullptr, "Esc"},
        {"NumberAndText", {{"-", "-", ">", "10"}, {"And", "pSsrValue", "<>", "OFF"}}, nullptr, -1,
         "cdbl(pSsrValue) > 10 And pSsrValue <> \"OFF\""},
        {"NumberKeepsItsBlanks", {{"Or", "-", ">", " 10 "}}, nullptr, -1, "cdbl(pSsrValue) >  10 "},
        {"DecimalCommaIsText", {{"-", "-", "=", " 1,5 "}}, nullptr, -1, "pSsrValue = \"1,5\""},
        {"NumberForms",
         {{"-", "-", "<", ".5"}, {"Or", "-", ">=", "1.5E+3"}, {"Or", "-", "=", "-2"}, {"Or", "-", "=", "7."}},
         nullptr, -1,
         "cdbl(pSsrValue) < .5 Or cdbl(pSsrValue) >= 1.5E+3 Or cdbl(pSsrValue) = -2 Or cdbl(pSsrValue) = 7."},
        {"NotQuiteNumbersAreText", {{"-", "-", "<>", "1e999"}, {"And", "-", "<>", "12a"}, {"And", "-", "<>", "1 2"}},
         nullptr, -1, "pSsrValue <> \"1e999\" And pSsrValue <> \"12a\" And pSsrValue <> \"1 2\""},
        {"CaseMatters", {{"-", "-", "=", "x"}, {"Or", "-", "=", "X"}}, nullptr, -1,
         "pSsrValue = \"x\" Or pSsrValue = \"X\""},
        // The user's decimal form, written with a point; a value read two ways shows the number taken.
        {.name = "EsComma", .rows = {{"-", "-", ">", " 1,5 "}}, .condition = "cdbl(pSsrValue) >  1.5 ", .locale = "es_ES"},
        {.name = "EsGroup", .rows = {{"-", "-", ">", "1.500"}}, .condition = "cdbl(pSsrValue) > 1500", .locale = "es_ES",
         .note = "= 1500"},
        {.name = "EsPoint", .rows = {{"-", "-", ">", "1.5"}}, .condition = "cdbl(pSsrValue) > 1.5", .locale = "es_ES"},
        {.name = "DeBoth", .rows = {{"-", "-", ">", "-1.234,5e1"}}, .condition = "cdbl(pSsrValue) > -12345", .locale = "de_DE"},
        {.name = "EnGroup", .rows = {{"-", "-", ">", "1,500"}}, .condition = "cdbl(pSsrValue) > 1500", .locale = "en_US"},
    };
    const QLocale saved;
    for (const OkCase &c : cases) {
        SCOPED_TRACE(c.name);
        QLocale::setDefault(QLocale(QString::fromLatin1(c.locale)));
        Wizard w(c.language);
        EXPECT_EQ(w.show([&] {
            w.fill(c.rows);
            EXPECT_EQ(c.rows.empty() ? QString() : w.grid->cellNote(0, 3), QString::fromUtf8(c.note));
            std::string_view(c.press) == "Esc" ? QTest::keyClick(&w.dialog, Qt::Key_Escape) : w.click(c.press);
            if (c.message) {
                EXPECT_EQ(w.grid->firstSelectedRow(), c.selected);
                EXPECT_EQ(w.grid->selectionModel()->selectedRows().size(), c.selected < 0 ? 0 : 1);
                EXPECT_TRUE(w.grid->hasFocus());
            }
        }), c.message != nullptr);
        ASSERT_EQ(w.capture.boxes.size(), c.message ? 1 : 0);
        if (c.message) {
            EXPECT_EQ(w.capture.boxes[0].prompt, QString(c.message));
            EXPECT_EQ(w.capture.boxes[0].style, ui::OkOnly | ui::Information);
            EXPECT_EQ(w.capture.boxes[0].title, w.dialog.windowTitle());
        } else {
            EXPECT_EQ(w.dialog.Cancelado(), !c.condition);
        }
        EXPECT_EQ(w.dialog.ConditionsCode(), c.condition ? script(c.condition) : QString());
    }
    QLocale::setDefault(saved);
}

TEST(Conditions, DeleteKeyAndButtonRemoveTheSelectedRowOnly)
{
    for (const bool key : {true, false}) {
        SCOPED_TRACE(key ? "Delete key" : "button");
        Wizard w;
        w.show([&] {
            const auto remove = [&] { key ? QTest::keyClick(w.grid, Qt::Key_Delete) : w.click("cmdDeleteCondition"); };
            w.fill({{"-", "-", ">", "1"}, {"Or", "-", "<", "-1"}});
            QWidget *focus = key ? w.grid : named(w.dialog, "cmdOk");
            focus->setFocus();
            remove();
            EXPECT_EQ(w.grid->rowCount(), 2);
            EXPECT_EQ(QApplication::focusWidget(), focus);
            w.grid->selectRow(0);
            named(w.dialog, "cmdOk")->setFocus();
            remove();
            ASSERT_EQ(w.grid->rowCount(), 1);
            EXPECT_TRUE(w.grid->hasFocus());
            EXPECT_FALSE(w.startEdit(0, 0));   // the first row's join is not edited
            w.click("cmdOk");
        });
        EXPECT_EQ(w.dialog.ConditionsCode(), script("cdbl(pSsrValue) < -1"));
    }
}

TEST(Conditions, RowsAreAddedAndEditedWithTheKeyboardInColumnsWideEnoughAndTheFirstJoinIsRefused)
{
    Wizard w("es");
    w.show([&] {
        w.click("cmdNewCondition");
        w.grid->setFocus();
        QTest::keyClick(w.grid, Qt::Key_Insert);
        ASSERT_EQ(w.grid->rowCount(), 2);
        QStringList headings;
        for (int column = 0; column < 4; ++column) {
            for (int row = 0; row < 2; ++row)
                EXPECT_EQ(w.grid->cellText(row, column), column == 1 ? "pSsrValue" : QString());
            EXPECT_GE(w.grid->columnWidth(column), w.grid->horizontalHeader()->sectionSizeHint(column)) << column;
            headings << w.grid->horizontalHeaderItem(column)->text();
        }
        EXPECT_EQ(headings, QStringList({"Operador", "Valor del sensor", "Operador", "Valor de comparación"}));
        EXPECT_FALSE(w.startEdit(0, 0));
        ASSERT_TRUE(w.startEdit(1, 0));
        auto *joins = qobject_cast<QComboBox *>(w.grid->indexWidget(w.grid->currentIndex()));
        ASSERT_NE(joins, nullptr);
        EXPECT_EQ(joins->count(), 2);
        QTest::keyClick(joins, Qt::Key_O);   // "Or"
        QTest::keyClick(joins, Qt::Key_Tab);
        ASSERT_TRUE(w.startEdit(1, 2));
        auto *comparisons = qobject_cast<QComboBox *>(w.grid->indexWidget(w.grid->currentIndex()));
        ASSERT_NE(comparisons, nullptr);
        QTest::keyClicks(comparisons, "<");
        QTest::keyClick(comparisons, Qt::Key_Tab);
        ASSERT_TRUE(w.startEdit(1, 3));
        QTest::keyClicks(w.grid->indexWidget(w.grid->currentIndex()), "0");
        w.grid->setCellText(0, 2, ">");
        w.grid->setCellText(0, 3, "100");
        named<QPushButton>(w.dialog, "cmdOk")->click();   // as its shortcut does, the last cell still being edited
    });
    EXPECT_EQ(w.dialog.ConditionsCode(), script("cdbl(pSsrValue) > 100 Or cdbl(pSsrValue) < 0"));
}

} // namespace
