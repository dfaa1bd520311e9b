// The dialogs' chrome, through the Result Test dialog: size, caption bar,
// dragging by the caption bar and the keyboard.
#include "dialogs/frmresulttest.h"
#include "platform/ui/modal.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

void sendMouse(QWidget *target, QEvent::Type type, const QPoint &at, Qt::MouseButton button,
               Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(at), QPointF(target->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

TEST(Chrome, ClientAreaAndCaptionBarFollowTheDesignSize)
{
    frmResultTest dialog;
    EXPECT_EQ(dialog.size(), QSize(4365 / 15, 2610 / 15));
    QWidget *caption = dialog.findChild<QWidget *>("picCaption");
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->geometry(), QRect(0, 0, 4365 / 15, 300 / 15));
    EXPECT_TRUE(dialog.windowFlags() & Qt::FramelessWindowHint);
}

struct DragCase
{
    const char *name;
    Qt::MouseButton button;
    bool moves;
};

class ChromeDrag : public ::testing::TestWithParam<DragCase>
{
};

TEST_P(ChromeDrag, OnlyTheLeftButtonMovesTheWindow)
{
    frmResultTest dialog;
    dialog.move(100, 100);
    dialog.show();
    QWidget *caption = dialog.findChild<QWidget *>("picCaption");
    const QPoint start = dialog.pos();
    sendMouse(caption, QEvent::MouseButtonPress, {40, 10}, GetParam().button, GetParam().button);
    sendMouse(caption, QEvent::MouseMove, {70, 30}, Qt::NoButton, GetParam().button);
    sendMouse(caption, QEvent::MouseButtonRelease, {70, 30}, GetParam().button, Qt::NoButton);
    EXPECT_EQ(dialog.pos(), GetParam().moves ? start + QPoint(30, 20) : start);
}

INSTANTIATE_TEST_SUITE_P(Buttons, ChromeDrag,
                         ::testing::Values(DragCase{"left", Qt::LeftButton, true},
                                           DragCase{"right", Qt::RightButton, false},
                                           DragCase{"middle", Qt::MiddleButton, false}),
                         [](const auto &info) { return std::string(info.param.name); });

struct KeyCase
{
    const char *name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int result;     // -1: still open
    QPoint moved;
};

class ChromeKeys : public ::testing::TestWithParam<KeyCase>
{
};

TEST_P(ChromeKeys, EscCancelsEnterAcceptsAltArrowMoves)
{
    frmResultTest dialog;
    QPoint moved;
    ui::ScopedModalHandler modal([&](QDialog &d) {
        d.move(100, 100);
        d.show();
        QTest::keyClick(d.focusWidget() ? d.focusWidget() : &d, GetParam().key, GetParam().modifiers);
        moved = d.pos() - QPoint(100, 100);
        const int result = d.isVisible() ? -1 : d.result();
        d.reject();
        return result;
    });
    EXPECT_EQ(ui::showModal(dialog), GetParam().result);
    EXPECT_EQ(moved, GetParam().moved);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ChromeKeys,
    ::testing::Values(KeyCase{"Escape", Qt::Key_Escape, Qt::NoModifier, QDialog::Rejected, {}},
                      KeyCase{"Return", Qt::Key_Return, Qt::NoModifier, QDialog::Accepted, {}},
                      KeyCase{"Enter", Qt::Key_Enter, Qt::KeypadModifier, QDialog::Accepted, {}},
                      KeyCase{"AltRight", Qt::Key_Right, Qt::AltModifier, -1, {10, 0}},
                      KeyCase{"AltUp", Qt::Key_Up, Qt::AltModifier, -1, {0, -10}}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
