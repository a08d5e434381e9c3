#include "app/FormSlot.h"
#include "app/KeyCodes.h"
#include "app/Twips.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

int code(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {})
{
    return virtualKeyCode(QKeyEvent(QEvent::KeyPress, key, modifiers, text));
}

} // namespace

// Keys must reach the game as Windows virtual-key codes: a wrong code plays
// the wrong character or none.
TEST(VirtualKeyCodes, FollowWindowsForLettersDigitsAndTheNtildeKey)
{
    EXPECT_EQ(code(Qt::Key_A, Qt::NoModifier, "a"), 65);
    EXPECT_EQ(code(Qt::Key_Z, Qt::ShiftModifier, "Z"), 90);
    EXPECT_EQ(code(Qt::Key_0), 48);
    EXPECT_EQ(code(Qt::Key_9), 57);
    EXPECT_EQ(code(Qt::Key_0, Qt::KeypadModifier), 96);
    EXPECT_EQ(code(Qt::Key_9, Qt::KeypadModifier), 105);
    EXPECT_EQ(code(Qt::Key_Ntilde, Qt::NoModifier, QString::fromUtf8("ñ")), 192);
    EXPECT_EQ(code(Qt::Key_QuoteLeft, Qt::NoModifier, "`"), 192);
    EXPECT_EQ(code(Qt::Key_AsciiTilde, Qt::ShiftModifier, "~"), 192);
    EXPECT_EQ(code(Qt::Key_Left), 37);
    EXPECT_EQ(code(Qt::Key_Down), 40);
    EXPECT_EQ(code(Qt::Key_Return), 13);
    EXPECT_EQ(code(Qt::Key_F1), 112);
    EXPECT_EQ(code(Qt::Key_Aacute, Qt::NoModifier, QString::fromUtf8("á")), 0);
    EXPECT_EQ(code(Qt::Key_Comma, Qt::NoModifier, ","), 0);
}

// A secondary window exists at most once, and a closed one is never handed
// out again, even before the event loop has deleted it.
TEST(FormSlots, MakeOneWindowOnFirstUseAndAFreshOneAfterClosing)
{
    int made = 0;
    FormSlot<QWidget> slot([&] {
        ++made;
        return new QWidget;
    });
    EXPECT_EQ(slot.existing(), nullptr);
    QWidget& first = slot.show();
    EXPECT_EQ(&slot.get(), &first);
    EXPECT_EQ(made, 1);

    slot.close();
    EXPECT_EQ(slot.existing(), nullptr);
    QWidget& second = slot.get();
    EXPECT_EQ(made, 2);
    EXPECT_FALSE(second.isVisible());
    QApplication::processEvents();
    EXPECT_EQ(&slot.get(), &second);
    slot.close();
    slot.close();
    EXPECT_EQ(made, 2);
}

// Twips are 15 to a pixel; geometry in twips follows the outer frame.
TEST(Twips, ConvertAndPlaceWindows)
{
    EXPECT_EQ(twips::rect(120, 960, 255, 255), QRect(8, 64, 17, 17));
    EXPECT_EQ(twips::fromPixels(320), 4800);
    QWidget window;
    window.resize(300, 100);
    twips::move(window, 1500.0, 751.0);
    EXPECT_EQ(window.pos(), QPoint(100, 50));
    EXPECT_EQ(twips::width(window), 4500);
    EXPECT_EQ(twips::left(window), 1500);
}
