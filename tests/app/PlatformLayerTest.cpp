#include "app/FormSlot.h"
#include "app/KeyCodes.h"
#include "app/Twips.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <gtest/gtest.h>

// Keys reach the game as Windows virtual-key codes naming the key pressed on
// the player's keyboard: a wrong code plays the wrong character or none. On a
// Spanish layout the dead accent key beside P must not play Ñ, nor the key
// left of 1, and Shift+1 or an AZERTY digit key must still play its digit.
// The X11 rows are the Qt key, modifiers, keycode and keysym that xcb
// delivered under setxkbmap es, us and fr; the Windows rows are the layout's
// virtual keys; the offscreen rows have no native values at all.
TEST(VirtualKeyCodes, NameTheKeyOfThePlayersLayout)
{
    const auto shift = Qt::ShiftModifier;
    const auto keypad = Qt::KeypadModifier;
    struct Case {
        const char* name;
        const char* platform;
        int key;
        Qt::KeyboardModifiers modifiers;
        quint32 scanCode;
        quint32 virtualKey;
        int expected;
        const char* text = "";
    };
    const Case cases[] = {
        {"a", "offscreen", Qt::Key_A, {}, 0, 0, 65, "a"},
        {"Shift+Z", "offscreen", Qt::Key_Z, shift, 0, 0, 90, "Z"},
        {"0", "offscreen", Qt::Key_0, {}, 0, 0, 48},
        {"9", "offscreen", Qt::Key_9, {}, 0, 0, 57},
        {"keypad 0", "offscreen", Qt::Key_0, keypad, 0, 0, 96},
        {"keypad 9", "offscreen", Qt::Key_9, keypad, 0, 0, 105},
        {"ñ", "offscreen", Qt::Key_Ntilde, {}, 0, 0, 192, "ñ"},
        {"`", "offscreen", Qt::Key_QuoteLeft, {}, 0, 0, 192, "`"},
        {"~", "offscreen", Qt::Key_AsciiTilde, shift, 0, 0, 192, "~"},
        {"dead `", "offscreen", Qt::Key_Dead_Grave, {}, 0, 0, 0},
        {"dead ~", "offscreen", Qt::Key_Dead_Tilde, {}, 0, 0, 0},
        {"Left", "offscreen", Qt::Key_Left, {}, 0, 0, 37},
        {"Down", "offscreen", Qt::Key_Down, {}, 0, 0, 40},
        {"Return", "offscreen", Qt::Key_Return, {}, 0, 0, 13},
        {"F1", "offscreen", Qt::Key_F1, {}, 0, 0, 112},
        {"á", "offscreen", Qt::Key_Aacute, {}, 0, 0, 0, "á"},
        {",", "offscreen", Qt::Key_Comma, {}, 0, 0, 0, ","},
        {"es Ñ", "xcb", Qt::Key_Ntilde, {}, 47, 0xf1, 192},
        {"es Shift+Ñ", "xcb", Qt::Key_Ntilde, shift, 47, 0xd1, 192},
        {"es dead ` beside P", "xcb", Qt::Key_Dead_Grave, {}, 34, 0xfe50, 0},
        {"es dead ^ beside P", "xcb", Qt::Key_Dead_Circumflex, shift, 34, 0xfe52, 0},
        {"es dead ´ beside Ñ", "xcb", Qt::Key_Dead_Acute, {}, 48, 0xfe51, 0},
        {"es º left of 1", "xcb", Qt::Key_masculine, {}, 49, 0xba, 0},
        {"es ª left of 1", "xcb", Qt::Key_ordfeminine, shift, 49, 0xaa, 0},
        {"es Shift+1", "xcb", Qt::Key_Exclam, shift, 10, 0x21, 49},
        {"es AltGr+4", "xcb", Qt::Key_AsciiTilde, Qt::GroupSwitchModifier, 13, 0x7e, 52},
        {"es 0", "xcb", Qt::Key_0, {}, 19, 0x30, 48},
        {"es q", "xcb", Qt::Key_Q, {}, 24, 0x71, 81},
        {"es Caps Lock a", "xcb", Qt::Key_A, {}, 38, 0x41, 65},
        {"es keypad 1", "xcb", Qt::Key_1, keypad, 87, 0xffb1, 97},
        {"es keypad End", "xcb", Qt::Key_End, keypad, 87, 0xff9c, 35},
        {"us `", "xcb", Qt::Key_QuoteLeft, {}, 49, 0x60, 192},
        {"us ~", "xcb", Qt::Key_AsciiTilde, shift, 49, 0x7e, 192},
        {"us [ beside P", "xcb", Qt::Key_BracketLeft, {}, 34, 0x5b, 0},
        {"us ; beside L", "xcb", Qt::Key_Semicolon, {}, 47, 0x3b, 0},
        {"fr & on 1", "xcb", Qt::Key_Ampersand, {}, 10, 0x26, 49},
        {"fr à on 0", "xcb", Qt::Key_Agrave, {}, 19, 0xe0, 48},
        {"fr a on the q key", "xcb", Qt::Key_A, {}, 24, 0x61, 65},
        {"fr m beside L", "xcb", Qt::Key_M, {}, 47, 0x6d, 77},
        {"fr ù", "xcb", Qt::Key_Ugrave, {}, 48, 0xf9, 0},
        {"fr ² left of 1", "xcb", Qt::Key_twosuperior, {}, 49, 0xb2, 0},
        {"xcb without native values", "xcb", Qt::Key_Q, {}, 0, 0, 81},
        {"Windows es Ñ", "windows", Qt::Key_Ntilde, {}, 39, 192, 192},
        {"Windows es dead ` beside P", "windows", Qt::Key_Dead_Grave, {}, 26, 186, 186},
        {"Windows es Shift+1", "windows", Qt::Key_Exclam, shift, 2, '1', 49},
        {"Windows fr & on 1", "windows", Qt::Key_Ampersand, {}, 2, '1', 49},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, c.scanCode, c.virtualKey, 0,
                              QString::fromUtf8(c.text));
        EXPECT_EQ(virtualKeyCode(event, QString::fromLatin1(c.platform)), c.expected);
    }
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
