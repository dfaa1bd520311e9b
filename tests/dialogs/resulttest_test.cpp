// The Result Test dialog through its widgets and the modal seam, the state
// pictures it shows, and through it the dialogs' chrome: size, caption bar,
// dragging by the caption bar and the keyboard.
#include "dialogtest.h"

#include "dialogs/frmresulttest.h"
#include "dialogs/sensorimages.h"
#include "host/languagereader.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>

namespace {

TEST(ResultTest, ShowsValueAndResultAndOkAcceptsEvenWhenNoLanguageReaderCanBeCreated)
{
    Tested<frmResultTest> t("es"); // installs the reference objects first
    host::ScopedFactory<host::LanguageReader> none(host::languageReaders(), [] { return nullptr; });
    t.dialog.Value = "42";
    t.dialog.Msg = "WARNING";
    EXPECT_EQ(t.run([](QDialog &shown) {
        EXPECT_EQ(shownText(shown, "txtValue"), "42");
        EXPECT_EQ(shownText(shown, "txtResult"), "WARNING");
        EXPECT_EQ(shownText(shown, "lblValue"), "Value:");
        click(shown, "cmdOk");
    }), QDialog::Accepted);
    ASSERT_EQ(t.capture.boxes.size(), 1);
    EXPECT_TRUE(t.capture.boxes[0].prompt.startsWith("Error: 429\r"));
    EXPECT_TRUE(t.capture.boxes[0].prompt.endsWith(" frmResultTest.ChangeLanguage() "));
    EXPECT_EQ(t.capture.boxes[0].title, "Veltrano");
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

TEST(Chrome, ClientAreaAndCaptionBarFollowTheDesignSize)
{
    frmResultTest dialog;
    EXPECT_EQ(dialog.size(), QSize(4365 / 15, 2610 / 15));
    EXPECT_EQ(named(dialog, "picCaption")->geometry(), QRect(0, 0, 4365 / 15, 300 / 15));
    EXPECT_TRUE(dialog.windowFlags() & Qt::FramelessWindowHint);
}

// Presses `button` on the caption bar, drags it by (30, 20) and lets go.
void drag(QDialog &dialog, Qt::MouseButton button)
{
    QWidget *caption = named(dialog, "picCaption");
    const auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButton changed, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(at), QPointF(caption->mapToGlobal(at)), changed, held, Qt::NoModifier);
        QApplication::sendEvent(caption, &event);
    };
    send(QEvent::MouseButtonPress, {40, 10}, button, button);
    send(QEvent::MouseMove, {70, 30}, Qt::NoButton, button);
    send(QEvent::MouseButtonRelease, {70, 30}, button, Qt::NoButton);
}

void key(QDialog &dialog, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(dialog.focusWidget() ? dialog.focusWidget() : &dialog, key, modifiers);
}

TEST(Chrome, OnlyTheLeftButtonDragsEscCancelsEnterAcceptsAltArrowMoves)
{
    const struct
    {
        const char *name;
        std::function<void(QDialog &)> act;
        int result;   // -1: still open
        QPoint moved;
    } cases[] = {
        {"drag left", [](QDialog &d) { drag(d, Qt::LeftButton); }, -1, {30, 20}},
        {"drag right", [](QDialog &d) { drag(d, Qt::RightButton); }, -1, {}},
        {"drag middle", [](QDialog &d) { drag(d, Qt::MiddleButton); }, -1, {}},
        {"Escape", [](QDialog &d) { key(d, Qt::Key_Escape, Qt::NoModifier); }, QDialog::Rejected, {}},
        {"Return", [](QDialog &d) { key(d, Qt::Key_Return, Qt::NoModifier); }, QDialog::Accepted, {}},
        {"Enter", [](QDialog &d) { key(d, Qt::Key_Enter, Qt::KeypadModifier); }, QDialog::Accepted, {}},
        {"AltRight", [](QDialog &d) { key(d, Qt::Key_Right, Qt::AltModifier); }, -1, {10, 0}},
        {"AltUp", [](QDialog &d) { key(d, Qt::Key_Up, Qt::AltModifier); }, -1, {0, -10}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        frmResultTest dialog;
        QPoint moved;
        const int result = runModal(dialog, [&](QDialog &shown) {
            shown.move(100, 100);
            c.act(shown);
            moved = shown.pos() - QPoint(100, 100);
        });
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(moved, c.moved);
    }
}

} // namespace
