// The Result Test dialog through its widgets and the modal seam.
#include "reportcapture.h"
#include "testsupport.h"

#include "dialogs/frmresulttest.h"
#include "dialogs/sensorimages.h"
#include "host/languagereader.h"
#include "host/skin.h"
#include "hostkit/referenceobjects.h"
#include "platform/ui/modal.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// What the dialog showed while it was open.
struct Shown
{
    QString caption, lblValue, lblResult, cmdOk, txtValue, txtResult;
    QImage image;
    QColor formBack, panelBack, lblValueBack, lblValueText, okText, okBack;
    int result = -1;
};

// Shows `dialog` through the modal seam, records what it shows and closes it with Ok.
Shown showAndOk(frmResultTest &dialog)
{
    Shown shown;
    ui::ScopedModalHandler modal([&](QDialog &d) {
        d.show();
        const auto text = [&](const char *name) {
            if (auto *label = d.findChild<QLabel *>(QLatin1String(name)))
                return label->text();
            if (auto *line = d.findChild<QLineEdit *>(QLatin1String(name)))
                return line->text();
            if (auto *box = d.findChild<QPlainTextEdit *>(QLatin1String(name)))
                return box->toPlainText();
            return d.findChild<QPushButton *>(QLatin1String(name))->text();
        };
        shown.caption = d.windowTitle();
        shown.lblValue = text("lblValue");
        shown.lblResult = text("lblResult");
        shown.cmdOk = text("cmdOk");
        shown.txtValue = text("txtValue");
        shown.txtResult = text("txtResult");
        shown.image = d.findChild<QLabel *>("lblImage")->pixmap().toImage();
        shown.formBack = d.palette().color(QPalette::Window);
        shown.panelBack = d.findChild<QWidget *>("panelResult")->palette().color(QPalette::Window);
        shown.lblValueBack = d.findChild<QWidget *>("lblValue")->palette().color(QPalette::Window);
        shown.lblValueText = d.findChild<QWidget *>("lblValue")->palette().color(QPalette::WindowText);
        shown.okText = d.findChild<QWidget *>("cmdOk")->palette().color(QPalette::ButtonText);
        shown.okBack = d.findChild<QWidget *>("cmdOk")->palette().color(QPalette::Button);
        QTest::mouseClick(d.findChild<QPushButton *>("cmdOk"), Qt::LeftButton);
        EXPECT_FALSE(d.isVisible());
        return d.result();
    });
    shown.result = ui::showModal(dialog);
    return shown;
}

struct ResultTest : ::testing::Test
{
    ResultTest()
    {
        static const bool installed = (hostkit::installReferenceObjects(), true);
        (void)installed;
        dialog.Value = QStringLiteral("42");
        dialog.Msg = QStringLiteral("WARNING");
        dialog.Ico = QStringLiteral("Warning");
        dialog.gPathData = sourcePath(QStringLiteral("data"));
    }
    ReportCapture capture;
    frmResultTest dialog;
};

TEST_F(ResultTest, ShowsValueAndResultAndOkClosesAccepted)
{
    const Shown shown = showAndOk(dialog);
    EXPECT_EQ(shown.txtValue, QStringLiteral("42"));
    EXPECT_EQ(shown.txtResult, QStringLiteral("WARNING"));
    EXPECT_EQ(shown.result, QDialog::Accepted);
    EXPECT_TRUE(capture.boxes.isEmpty());
}

struct LanguageCase
{
    const char *id;
    const char *caption, *lblValue, *lblResult, *cmdOk;
};

class ResultTestLanguage : public ResultTest, public ::testing::WithParamInterface<LanguageCase>
{
};

TEST_P(ResultTestLanguage, TextsComeFromTheFileOrStayAsDesigned)
{
    dialog.gInterfaceLanguage = QLatin1String(GetParam().id);
    const Shown shown = showAndOk(dialog);
    EXPECT_EQ(shown.caption, QString::fromUtf8(GetParam().caption));
    EXPECT_EQ(shown.lblValue, QString::fromUtf8(GetParam().lblValue));
    EXPECT_EQ(shown.lblResult, QString::fromUtf8(GetParam().lblResult));
    EXPECT_EQ(shown.cmdOk, QString::fromUtf8(GetParam().cmdOk));
    EXPECT_TRUE(capture.boxes.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Languages, ResultTestLanguage,
    ::testing::Values(LanguageCase{"en", " Result Test", "Value:", "Result:", "&Ok"},
                      LanguageCase{"es", " Resultado de la prueba", "Valor:", "Resultado:", "&Aceptar"},
                      LanguageCase{"xx", "Result Test", "Value:", "Result:", "&Ok"}),
    [](const auto &info) { return std::string(info.param.id); });

TEST_F(ResultTest, AReaderThatCannotBeCreatedIsReportedAndTheDialogStillOpens)
{
    host::ScopedFactory<host::LanguageReader> none(host::languageReaders(), [] { return nullptr; });
    dialog.gInterfaceLanguage = QStringLiteral("es");
    const Shown shown = showAndOk(dialog);
    ASSERT_EQ(capture.boxes.size(), 1);
    EXPECT_TRUE(capture.boxes[0].prompt.startsWith(QStringLiteral("Error: 429\r")));
    EXPECT_TRUE(capture.boxes[0].prompt.endsWith(QStringLiteral(" frmResultTest.ChangeLanguage() ")));
    EXPECT_EQ(capture.boxes[0].title, QStringLiteral("Veltrano"));
    EXPECT_EQ(shown.lblValue, QStringLiteral("Value:"));
    EXPECT_EQ(shown.txtValue, QStringLiteral("42"));
    EXPECT_EQ(shown.result, QDialog::Accepted);
}

// The colour family of a pixel of a state picture.
QString family(const QColor &c)
{
    if (c.hsvSaturation() < 40)
        return c.value() < 200 ? QStringLiteral("grey") : QStringLiteral("white");
    const int hue = c.hsvHue();
    if (hue < 20 || hue > 340)
        return QStringLiteral("red");
    if (hue < 70)
        return QStringLiteral("yellow");
    if (hue < 160)
        return QStringLiteral("green");
    return QStringLiteral("blue");
}

struct ImageCase
{
    const char *key;
    const char *family;
};

class ResultTestImage : public ResultTest, public ::testing::WithParamInterface<ImageCase>
{
};

TEST_P(ResultTestImage, IcoPicksTheBallOnAWhiteGround)
{
    dialog.Ico = QLatin1String(GetParam().key);
    const QImage image = showAndOk(dialog).image;
    ASSERT_FALSE(image.isNull());
    const int side = image.width();
    EXPECT_EQ(family(image.pixelColor(side / 2, side / 2)), QLatin1String(GetParam().family));
    EXPECT_EQ(family(image.pixelColor(0, 0)), QStringLiteral("white"));
}

TEST_P(ResultTestImage, IsDrawnAtTheDevicePixelRatio)
{
    const QPixmap sharp = sensorImage(QLatin1String(GetParam().key), 2.0);
    EXPECT_EQ(sharp.size(), QSize(32, 32));
    EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(16, 16));
    EXPECT_EQ(family(sharp.toImage().pixelColor(16, 16)), QLatin1String(GetParam().family));
}

INSTANTIATE_TEST_SUITE_P(Keys, ResultTestImage,
                         ::testing::Values(ImageCase{"Warning", "yellow"}, ImageCase{"NoEvaluate", "blue"},
                                           ImageCase{"Good", "green"}, ImageCase{"Danger", "red"},
                                           ImageCase{"NoComparable", "grey"}),
                         [](const auto &info) { return std::string(info.param.key); });

TEST(SensorImages, KeysInTheListOrderAndNothingForAnUnknownKey)
{
    EXPECT_EQ(sensorImageKeys(), (QStringList{"Warning", "NoEvaluate", "Good", "Danger", "NoComparable"}));
    EXPECT_TRUE(sensorImage(QStringLiteral("Unknown")).isNull());
}

// A skin that answers each getter with its value; `Missing` makes it lack the member.
constexpr long Missing = -1000;
struct TestSkin : host::Skin
{
    long font = -1, form = -1, tab = -1, button = -1;
    long GetColorFont() const override { return font == Missing ? Skin::GetColorFont() : font; }
    long GetFormBackColor() const override { return form == Missing ? Skin::GetFormBackColor() : form; }
    long GetTabBackColor() const override { return tab == Missing ? Skin::GetTabBackColor() : tab; }
    long GetButtonBackColor() const override { return button == Missing ? Skin::GetButtonBackColor() : button; }
};

TEST_F(ResultTest, SkinColoursAreAppliedOnlyWhenGreaterThanMinusOne)
{
    const Shown designed = showAndOk(dialog);

    const QColor red(255, 0, 0), green(0, 255, 0), blue(0, 0, 255), black(0, 0, 0);
    struct Row
    {
        const char *name;
        long font, form, tab, button;
    } rows[] = {
        {"none", -1, -1, -1, -1},
        {"all", 0x0000ff, 0x00ff00, 0xff0000, 0},
        {"tab missing", 0x0000ff, Missing, Missing, -1},
        {"no skin", 0, 0, 0, 0},
    };
    for (const Row &row : rows) {
        TestSkin skin;
        skin.font = row.font, skin.form = row.form, skin.tab = row.tab, skin.button = row.button;
        frmResultTest skinned;
        skinned.gSkin = QLatin1String(row.name) == QLatin1String("no skin") ? nullptr : &skin;
        const Shown shown = showAndOk(skinned);
        const auto expect = [&](long value, const QColor &given, const QColor &got, const QColor &design,
                                const char *what) {
            EXPECT_EQ(got, value > -1 && skinned.gSkin ? given : design) << row.name << ": " << what;
        };
        expect(row.font, red, shown.lblValueText, designed.lblValueText, "lblValue text");
        expect(row.font, red, shown.okText, designed.okText, "cmdOk text");
        expect(row.form, green, shown.formBack, designed.formBack, "form");
        expect(row.tab, blue, shown.panelBack, designed.panelBack, "panelResult");
        expect(row.tab, blue, shown.lblValueBack, row.form > -1 && skinned.gSkin ? green : designed.lblValueBack,
               "lblValue back");
        expect(row.button, black, shown.okBack, designed.okBack, "cmdOk face");
    }
}

} // namespace
