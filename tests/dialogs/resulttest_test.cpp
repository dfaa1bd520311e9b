// The Result Test dialog through its widgets and the modal seam, and the state
// pictures it shows.
#include "dialogtest.h"

#include "dialogs/frmresulttest.h"
#include "dialogs/sensorimages.h"
#include "host/languagereader.h"

#include <QLabel>

namespace {

TEST(ResultTest, ShowsValueAndResultAndOkAcceptsEvenWhenNoLanguageReaderCanBeCreated)
{
    installReferenceObjectsOnce();
    host::ScopedFactory<host::LanguageReader> none(host::languageReaders(), [] { return nullptr; });
    ReportCapture capture;
    frmResultTest dialog;
    dialog.Value = "42";
    dialog.Msg = "WARNING";
    dialog.gPathData = sourcePath("data");
    dialog.gInterfaceLanguage = "es";
    EXPECT_EQ(runModal(dialog, [](QDialog &shown) {
        for (const auto &[control, text] : {std::pair{"txtValue", "42"}, {"txtResult", "WARNING"}, {"lblValue", "Value:"}})
            EXPECT_EQ(shownText(shown, control), text);
        click(shown, "cmdOk");
    }), QDialog::Accepted);
    ASSERT_EQ(capture.boxes.size(), 1);
    EXPECT_TRUE(capture.boxes[0].prompt.startsWith("Error: 429\r"));
    EXPECT_TRUE(capture.boxes[0].prompt.endsWith(" frmResultTest.ChangeLanguage() "));
    EXPECT_EQ(capture.boxes[0].title, "Veltrano");
}

// The colour family of a pixel of a state picture.
QString family(const QColor &c)
{
    if (c.hsvSaturation() < 40)
        return c.value() < 200 ? "grey" : "white";
    const int hue = c.hsvHue();
    return hue < 20 || hue > 340 ? "red" : hue < 70 ? "yellow" : hue < 160 ? "green" : "blue";
}

TEST(ResultTest, IcoPicksTheBallOnAWhiteGroundDrawnAtTheDevicePixelRatio)
{
    const std::pair<const char *, const char *> balls[] = {
        {"Warning", "yellow"}, {"NoEvaluate", "blue"}, {"Good", "green"}, {"Danger", "red"}, {"NoComparable", "grey"}};
    QStringList keys;
    for (const auto &[key, colour] : balls) {
        SCOPED_TRACE(key);
        keys << key;
        frmResultTest dialog;
        dialog.Ico = key;
        QImage image;
        runModal(dialog, [&](QDialog &shown) { image = named<QLabel>(shown, "lblImage")->pixmap().toImage(); });
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(family(image.pixelColor(image.width() / 2, image.width() / 2)), colour);
        EXPECT_EQ(family(image.pixelColor(0, 0)), "white");
        const QPixmap sharp = sensorImage(key, 2.0);
        EXPECT_EQ(sharp.size(), QSize(32, 32));
        EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(16, 16));
        EXPECT_EQ(family(sharp.toImage().pixelColor(16, 16)), colour);
    }
    EXPECT_EQ(sensorImageKeys(), keys);
    EXPECT_TRUE(sensorImage("Unknown").isNull());
}

} // namespace
