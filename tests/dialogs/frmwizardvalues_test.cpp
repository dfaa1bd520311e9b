// The Conditions Wizard through its widgets, the modal seam and the message
// seam; every script it builds is run by the script host.
#include "reportcapture.h"
#include "testsupport.h"

#include "dialogs/conditionsgrid.h"
#include "dialogs/frmwizardvalues.h"
#include "host/skin.h"
#include "hostkit/referenceobjects.h"
#include "platform/ui/modal.h"
#include "script/scriptcontrol.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <functional>
#include <vector>

namespace {

using Row = std::array<const char *, 4>;   // join, operand, comparison, value
using Rows = std::vector<Row>;

struct WizardValues : ::testing::Test
{
    WizardValues()
    {
        static const bool installed = (hostkit::installReferenceObjects(), true);
        (void)installed;
        dialog.gPathData = sourcePath(QStringLiteral("data"));
        dialog.gInterfaceLanguage = QStringLiteral("en");
    }

    // Shows the dialog through the modal seam and runs `drive` on it while it is open;
    // the dialog is cancelled afterwards if `drive` left it open.
    void show(const std::function<void()> &drive)
    {
        ui::ScopedModalHandler modal([&](QDialog &d) {
            d.show();
            d.activateWindow();   // for the focus and the keyboard shortcuts
            EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
            grid = d.findChild<ConditionsGrid *>(QStringLiteral("dtConditions"));
            drive();
            stayedOpen = d.isVisible();
            if (stayedOpen)
                d.reject();
            return d.result();
        });
        ui::showModal(dialog);
    }
    template <class T>
    T *named(const char *name) const
    {
        return dialog.findChild<T *>(QLatin1String(name));
    }
    void click(const char *button) const
    {
        QTest::mouseClick(dialog.findChild<QAbstractButton *>(QLatin1String(button)), Qt::LeftButton);
    }
    // Adds `rows` with cmdNewCondition and fills their cells ("-": left as the new row has it).
    void fill(const Rows &rows)
    {
        for (const Row &row : rows) {
            click("cmdNewCondition");
            for (int column = 0; column < 4; ++column)
                if (QLatin1String(row[column]) != QLatin1String("-"))
                    grid->setCellText(grid->rowCount() - 1, column, QString::fromUtf8(row[column]));
        }
    }

    ReportCapture capture;
    frmWizardValues dialog;
    ConditionsGrid *grid = nullptr;
    bool stayedOpen = false;
};

const QString msgNoConditions = QStringLiteral("There are no conditions: add at least one.");
const QString msgIncomplete = QStringLiteral("The selected condition is incomplete: fill in every cell.");
const QString msgDuplicated =
    QStringLiteral("The selected condition repeats an earlier one (same comparison and value).");

struct FaultCase
{
    const char *name;
    Rows rows;
    const QString &message;
    int selected;
};

class WizardValuesFault : public WizardValues, public ::testing::WithParamInterface<FaultCase>
{
};

TEST_P(WizardValuesFault, OkShowsTheMessageSelectsTheRowAndStaysOpen)
{
    show([&] {
        fill(GetParam().rows);
        click("cmdOk");
        EXPECT_EQ(grid->firstSelectedRow(), GetParam().selected);
        EXPECT_EQ(grid->selectionModel()->selectedRows().size(), GetParam().selected < 0 ? 0 : 1);
        EXPECT_TRUE(grid->hasFocus());
    });
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(capture.boxes.size(), 1);
    EXPECT_EQ(capture.boxes[0].prompt, GetParam().message);
    EXPECT_EQ(capture.boxes[0].style, ui::OkOnly | ui::Information);
    EXPECT_EQ(capture.boxes[0].title, QStringLiteral(" Conditions Wizard"));
    EXPECT_TRUE(dialog.ConditionsCode().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Rules, WizardValuesFault,
    ::testing::Values(
        FaultCase{"EmptyGrid", {}, msgNoConditions, -1},
        FaultCase{"SecondRowWithoutJoin", {{"", "pSsrValue", ">", "10"}, {"", "pSsrValue", "<", "20"}},
                  msgIncomplete, 1},
        FaultCase{"BlanksOnlyValue", {{"-", "-", ">", "10"}, {"Or", "pSsrValue", "<", "   "}}, msgIncomplete, 1},
        FaultCase{"BlanksOnlyOperand", {{"-", "  ", ">", "10"}}, msgIncomplete, 0},
        FaultCase{"IncompleteBeforeDuplicate",
                  {{"-", "-", ">", "10"}, {"And", "-", ">", "10"}, {"And", "-", "", "10"}}, msgIncomplete, 2},
        FaultCase{"DuplicateAfterTrimming", {{"-", "-", ">", "10"}, {"And", "pSsrValue", ">", " 10"}},
                  msgDuplicated, 1},
        FaultCase{"DuplicateDifferingInJoinAndOperand", {{"-", "-", "=", "x"}, {"Or", "other", "=", "x"}},
                  msgDuplicated, 1},
        // Pairs are tried (0,1), (0,2), (0,3), (0,4), (1,2), ...: (0,3) comes first.
        FaultCase{"FirstPairInRowOrder",
                  {{"-", "-", "=", "a"}, {"Or", "-", "=", "b"}, {"Or", "-", "=", "b "}, {"Or", "-", "=", "a"},
                   {"Or", "-", "=", "a"}},
                  msgDuplicated, 3}),
    [](const auto &info) { return std::string(info.param.name); });

struct ScriptCase
{
    const char *name;
    Rows rows;
    const char *code;
    std::vector<std::pair<QVariant, bool>> runs;   // sensor value, Main's result
};

class WizardValuesScript : public WizardValues, public ::testing::WithParamInterface<ScriptCase>
{
};

TEST_P(WizardValuesScript, OkBuildsTheScriptThatTheScriptHostRuns)
{
    EXPECT_FALSE(dialog.Cancelado());
    show([&] {
        fill(GetParam().rows);
        click("cmdOk");
    });
    EXPECT_FALSE(stayedOpen);
    EXPECT_TRUE(capture.boxes.isEmpty());
    EXPECT_FALSE(dialog.Cancelado());
    ASSERT_EQ(dialog.ConditionsCode(), QString::fromUtf8(GetParam().code));

    ScriptControl script;
    script.setLanguage(QStringLiteral("VBScript"));
    script.addCode(dialog.ConditionsCode());
    for (const auto &[value, expected] : GetParam().runs) {
        QVariantList args{value};
        const QVariant result = script.run(QStringLiteral("Main"), args);
        EXPECT_EQ(result.typeId(), QMetaType::Bool) << value.toString().toStdString();
        EXPECT_EQ(result.toBool(), expected) << value.toString().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, WizardValuesScript,
    ::testing::Values(
        ScriptCase{"NumberAndText",
                   {{"-", "-", ">", "10"}, {"And", "pSsrValue", "<>", "OFF"}},
                   "Function Main(pSsrValue)\r\nIF cdbl(pSsrValue) > 10 And pSsrValue <> \"OFF\" THEN\r\n"
                   "\t\tMain=TRUE\r\nELSE\r\n\t\tMain=FALSE\r\nEND IF\r\nEnd Function",
                   {{20, true}, {10, false}, {QStringLiteral("12.5"), true}}},
        ScriptCase{"NumberKeepsItsBlanks",
                   {{"Or", "-", ">", " 10 "}},
                   "Function Main(pSsrValue)\r\nIF cdbl(pSsrValue) >  10  THEN\r\n"
                   "\t\tMain=TRUE\r\nELSE\r\n\t\tMain=FALSE\r\nEND IF\r\nEnd Function",
                   {{11, true}, {10, false}}},
        ScriptCase{"DecimalCommaIsText",
                   {{"-", "-", "=", " 1,5 "}},
                   "Function Main(pSsrValue)\r\nIF pSsrValue = \"1,5\" THEN\r\n"
                   "\t\tMain=TRUE\r\nELSE\r\n\t\tMain=FALSE\r\nEND IF\r\nEnd Function",
                   {{QStringLiteral("1,5"), true}, {1.5, false}}},
        ScriptCase{"NumberForms",
                   {{"-", "-", "<", ".5"}, {"Or", "-", ">=", "1.5E+3"}, {"Or", "-", "=", "-2"},
                    {"Or", "-", "=", "7."}},
                   "Function Main(pSsrValue)\r\nIF cdbl(pSsrValue) < .5 Or cdbl(pSsrValue) >= 1.5E+3 Or "
                   "cdbl(pSsrValue) = -2 Or cdbl(pSsrValue) = 7. THEN\r\n"
                   "\t\tMain=TRUE\r\nELSE\r\n\t\tMain=FALSE\r\nEND IF\r\nEnd Function",
                   {{0.25, true}, {1500, true}, {-2, true}, {7, true}, {1, false}}},
        ScriptCase{"NotQuiteNumbersAreText",
                   {{"-", "-", "<>", "1e999"}, {"And", "-", "<>", "12a"}, {"And", "-", "<>", "1 2"}},
                   "Function Main(pSsrValue)\r\nIF pSsrValue <> \"1e999\" And pSsrValue <> \"12a\" And "
                   "pSsrValue <> \"1 2\" THEN\r\n"
                   "\t\tMain=TRUE\r\nELSE\r\n\t\tMain=FALSE\r\nEND IF\r\nEnd Function",
                   {{QStringLiteral("12a"), false}, {QStringLiteral("1e999"), false}, {1, true}}},
        ScriptCase{"CaseMatters",
                   {{"-", "-", "=", "x"}, {"Or", "-", "=", "X"}},
                   "Function Main(pSsrValue)\r\nIF pSsrValue = \"x\" Or pSsrValue = \"X\" THEN\r\n"
                   "\t\tMain=TRUE\r\nELSE\r\n\t\tMain=FALSE\r\nEND IF\r\nEnd Function",
                   {{QStringLiteral("X"), true}, {QStringLiteral("y"), false}}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(WizardValues, CancelAndEscHideWithCancelado)
{
    for (const bool esc : {false, true}) {
        frmWizardValues wizard;
        ui::ScopedModalHandler modal([&](QDialog &d) {
            d.show();
            d.findChild<QToolButton *>(QStringLiteral("cmdNewCondition"))->click();
            if (esc)
                QTest::keyClick(&d, Qt::Key_Escape);
            else
                d.findChild<QPushButton *>(QStringLiteral("cmdCancel"))->click();
            EXPECT_FALSE(d.isVisible());
            return d.result();
        });
        ui::showModal(wizard);
        EXPECT_TRUE(wizard.Cancelado()) << esc;
        EXPECT_TRUE(wizard.ConditionsCode().isEmpty()) << esc;
    }
}

TEST_F(WizardValues, InsertKeyAndButtonAddRowsStartingWithTheParameter)
{
    show([&] {
        click("cmdNewCondition");
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Insert);
        ASSERT_EQ(grid->rowCount(), 2);
        for (int row = 0; row < 2; ++row)
            EXPECT_EQ((QStringList{grid->cellText(row, 0), grid->cellText(row, 1), grid->cellText(row, 2),
                                   grid->cellText(row, 3)}),
                      (QStringList{"", "pSsrValue", "", ""}));
    });
}

// Deleting, by the Delete key or by cmdDeleteCondition.
class WizardValuesDelete : public WizardValues, public ::testing::WithParamInterface<bool>
{
protected:
    void remove()
    {
        if (GetParam())
            QTest::keyClick(grid, Qt::Key_Delete);
        else
            click("cmdDeleteCondition");
    }
};

TEST_P(WizardValuesDelete, NothingSelectedDoesNothingAndKeepsTheFocus)
{
    show([&] {
        fill({{"-", "-", ">", "1"}, {"And", "-", "<", "9"}});
        QWidget *focus = GetParam() ? static_cast<QWidget *>(grid) : named<QPushButton>("cmdOk");
        focus->setFocus();
        remove();
        EXPECT_EQ(grid->rowCount(), 2);
        EXPECT_EQ(QApplication::focusWidget(), focus);
    });
}

TEST_P(WizardValuesDelete, RemovingRowZeroMakesRowOneTheFirst)
{
    show([&] {
        fill({{"-", "-", ">", "1"}, {"Or", "-", "<", "-1"}});
        grid->selectRow(0);
        named<QPushButton>("cmdOk")->setFocus();
        remove();
        ASSERT_EQ(grid->rowCount(), 1);
        EXPECT_TRUE(grid->hasFocus());
        // Its join can no longer be edited.
        grid->setCurrentIndex(grid->model()->index(0, 0));
        QTest::keyClick(grid, Qt::Key_F2);
        EXPECT_EQ(grid->indexWidget(grid->currentIndex()), nullptr);
        click("cmdOk");
    });
    EXPECT_EQ(dialog.ConditionsCode(),
              QStringLiteral("Function Main(pSsrValue)\r\nIF cdbl(pSsrValue) < -1 THEN\r\n"
                             "\t\tMain=TRUE\r\nELSE\r\n\t\tMain=FALSE\r\nEND IF\r\nEnd Function"));
}

INSTANTIATE_TEST_SUITE_P(KeyAndButton, WizardValuesDelete, ::testing::Values(true, false),
                         [](const auto &info) { return info.param ? "DeleteKey" : "Button"; });

TEST_F(WizardValues, CellsAreEditedWithTheKeyboardAndTheFirstJoinIsRefused)
{
    show([&] {
        click("cmdNewCondition");
        click("cmdNewCondition");
        grid->setFocus();
        const auto startEdit = [&](int row, int column) {
            grid->setCurrentIndex(grid->model()->index(row, column));
            QTest::keyClick(grid, Qt::Key_F2);
            return grid->indexWidget(grid->currentIndex()) != nullptr;
        };
        EXPECT_FALSE(startEdit(0, 0));
        ASSERT_TRUE(startEdit(1, 0));
        auto *joins = qobject_cast<QComboBox *>(grid->indexWidget(grid->currentIndex()));
        ASSERT_NE(joins, nullptr);
        EXPECT_EQ(joins->count(), 2);
        QTest::keyClick(joins, Qt::Key_O);   // "Or"
        QTest::keyClick(joins, Qt::Key_Tab);
        ASSERT_TRUE(startEdit(1, 2));
        auto *comparisons = qobject_cast<QComboBox *>(grid->indexWidget(grid->currentIndex()));
        ASSERT_NE(comparisons, nullptr);
        QStringList items;
        for (int i = 0; i < comparisons->count(); ++i)
            items << comparisons->itemText(i);
        EXPECT_EQ(items, (QStringList{"=", ">", "<", ">=", "<=", "<>"}));
        QTest::keyClicks(comparisons, QStringLiteral("<"));
        QTest::keyClick(comparisons, Qt::Key_Tab);
        ASSERT_TRUE(startEdit(1, 3));
        QTest::keyClicks(grid->indexWidget(grid->currentIndex()), QStringLiteral("0"));
        grid->setCellText(0, 2, QStringLiteral(">"));
        grid->setCellText(0, 3, QStringLiteral("100"));
        // Ok pressed as its shortcut does, the last cell still being edited.
        named<QPushButton>("cmdOk")->click();
    });
    EXPECT_EQ(dialog.ConditionsCode(),
              QStringLiteral("Function Main(pSsrValue)\r\nIF cdbl(pSsrValue) > 100 Or cdbl(pSsrValue) < 0 THEN\r\n"
                             "\t\tMain=TRUE\r\nELSE\r\n\t\tMain=FALSE\r\nEND IF\r\nEnd Function"));
}

struct LanguageCase
{
    const char *id;
    const char *caption, *ok, *cancel, *newTip;
    QStringList headings;
    const char *noConditions;
};

class WizardValuesLanguage : public WizardValues, public ::testing::WithParamInterface<LanguageCase>
{
};

TEST_P(WizardValuesLanguage, TextsComeFromTheFileOrStayAsDesigned)
{
    const LanguageCase &lang = GetParam();
    dialog.gInterfaceLanguage = QLatin1String(lang.id);
    show([&] {
        EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8(lang.caption));
        EXPECT_EQ(named<QPushButton>("cmdOk")->text(), QString::fromUtf8(lang.ok));
        EXPECT_EQ(named<QPushButton>("cmdCancel")->text(), QString::fromUtf8(lang.cancel));
        EXPECT_EQ(named<QToolButton>("cmdNewCondition")->toolTip(), QString::fromUtf8(lang.newTip));
        QStringList headings;
        for (int column = 0; column < grid->columnCount(); ++column) {
            headings << grid->horizontalHeaderItem(column)->text();
            EXPECT_GE(grid->columnWidth(column), grid->horizontalHeader()->sectionSizeHint(column))
                << column;
        }
        EXPECT_EQ(headings, lang.headings);
        click("cmdOk");
    });
    ASSERT_EQ(capture.boxes.size(), 1);
    EXPECT_EQ(capture.boxes[0].prompt, QString::fromUtf8(lang.noConditions));
    EXPECT_EQ(capture.boxes[0].title, QString::fromUtf8(lang.caption));
}

INSTANTIATE_TEST_SUITE_P(
    Languages, WizardValuesLanguage,
    ::testing::Values(
        LanguageCase{"en", " Conditions Wizard", "&Ok", "&Cancel", "New Condition",
                     {"Operator", "Sensor Value", "Operator", "Comparision Value"},
                     "There are no conditions: add at least one."},
        LanguageCase{"es", " Asistente de condiciones", "&Aceptar", "&Cancelar", "Nueva condición",
                     {"Operador", "Valor del sensor", "Operador", "Valor de comparación"},
                     "No hay condiciones: añada al menos una."},
        LanguageCase{"xx", "Conditions Wizard", "&Ok", "&Cancel", "",
                     {"Operator", "Sensor Value", "Operator", "Comparision Value"}, ""}),
    [](const auto &info) { return std::string(info.param.id); });

// A skin that gives all five colours, or none (-1).
struct TestSkin : host::Skin
{
    long value = -1;
    long GetColorFont() const override { return value < 0 ? -1 : 0x0000ff; }
    long GetFormBackColor() const override { return value < 0 ? -1 : 0x00ff00; }
    long GetToolbarBackColor() const override { return value < 0 ? -1 : 0xff0000; }
    long GetTabBackColor() const override { return value < 0 ? -1 : 0x808080; }
    long GetButtonBackColor() const override { return value < 0 ? -1 : 0x000000; }
};

TEST_F(WizardValues, SkinColoursReachTheirControlsOnlyWhenGiven)
{
    const QColor red(255, 0, 0), green(0, 255, 0), blue(0, 0, 255), grey(128, 128, 128), black(0, 0, 0);
    for (const long value : {-1L, 1L}) {
        TestSkin skin;
        skin.value = value;
        frmWizardValues skinned;
        skinned.gSkin = &skin;
        const QPalette designedGrid = skinned.findChild<QWidget *>(QStringLiteral("dtConditions"))->palette();
        const QPalette designedOk = skinned.findChild<QWidget *>(QStringLiteral("cmdOk"))->palette();
        ui::ScopedModalHandler modal([&](QDialog &d) {
            d.show();
            const auto color = [&](const char *name, QPalette::ColorRole role) {
                return d.findChild<QWidget *>(QLatin1String(name))->palette().color(role);
            };
            const bool given = value > -1;
            EXPECT_EQ(color("dtConditions", QPalette::Text), given ? red : designedGrid.color(QPalette::Text));
            EXPECT_EQ(color("dtConditions", QPalette::Base), given ? grey : designedGrid.color(QPalette::Base));
            EXPECT_EQ(color("cmdOk", QPalette::ButtonText), given ? red : designedOk.color(QPalette::ButtonText));
            EXPECT_EQ(color("cmdCancel", QPalette::Button), given ? black : designedOk.color(QPalette::Button));
            if (given) {
                EXPECT_EQ(d.palette().color(QPalette::Window), green);
                EXPECT_EQ(color("panelToolbar", QPalette::Window), blue);
                EXPECT_EQ(color("cmdDeleteCondition", QPalette::Button), blue);
                EXPECT_EQ(color("panelContainer", QPalette::Window), grey);
            }
            d.reject();
            return d.result();
        });
        ui::showModal(skinned);
    }
}

} // namespace
