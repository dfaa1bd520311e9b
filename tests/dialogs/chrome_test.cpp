// The dialogs' chrome, through the Result Test dialog: size, caption bar,
// dragging by the caption bar and the keyboard.
#include "dialogtest.h"

#include "dialogs/frmresulttest.h"

#include <QApplication>
#include <QMouseEvent>

namespace {

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
