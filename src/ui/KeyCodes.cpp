#include "ui/KeyCodes.h"

#include <QKeyEvent>
#include <QString>

namespace {

constexpr int vkNtilde = 192;
constexpr char16_t ntilde = 0xf1;

// xkb keycodes of the main row's 1 and 0 and of the key left of 1, the same
// in the evdev and the older XFree86 keycode sets.
constexpr quint32 xkbDigit1 = 10;
constexpr quint32 xkbDigit0 = 19;
constexpr quint32 xkbTilde = 49;

constexpr quint32 keysymNtilde = 0xf1;
constexpr quint32 keysymCapitalNtilde = 0xd1;
constexpr quint32 keysymKeypad0 = 0xffb0;
constexpr quint32 keysymKeypad9 = 0xffb9;

// Keys that type no character, and the keypad's digits.
int namedKeyCode(const QKeyEvent& event)
{
    const int key = event.key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9 && event.modifiers().testFlag(Qt::KeypadModifier))
        return 96 + (key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 112 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Pause:
        return 19;
    case Qt::Key_CapsLock:
        return 20;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    default:
        return 0;
    }
}

// Without native values the Qt key is all there is, and it names the
// character typed rather than the key.
int qtKeyCode(const QKeyEvent& event)
{
    const int key = event.key();
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    if (key >= Qt::Key_0 && key <= Qt::Key_9 && !keypad)
        return key;
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return key;
    if (key == Qt::Key_Ntilde || key == Qt::Key_QuoteLeft || key == Qt::Key_AsciiTilde)
        return vkNtilde;
    return namedKeyCode(event);
}

// X11 and Wayland give the physical key as its xkb keycode and the character
// it types on the player's layout as its keysym. Wayland sets no Keypad
// modifier, so the keypad's digits are told by their keysyms.
int xkbKeyCode(const QKeyEvent& event)
{
    const quint32 keycode = event.nativeScanCode();
    const quint32 keysym = event.nativeVirtualKey();
    if (keysym >= keysymKeypad0 && keysym <= keysymKeypad9)
        return 96 + static_cast<int>(keysym - keysymKeypad0);
    if (keycode >= xkbDigit1 && keycode < xkbDigit0)
        return '1' + static_cast<int>(keycode - xkbDigit1);
    if (keycode == xkbDigit0)
        return '0';
    if (keysym >= 'a' && keysym <= 'z')
        return 'A' + static_cast<int>(keysym - 'a');
    if (keysym >= 'A' && keysym <= 'Z')
        return static_cast<int>(keysym);
    if (keysym == keysymNtilde || keysym == keysymCapitalNtilde)
        return vkNtilde;
    if (keycode == xkbTilde && (keysym == '`' || keysym == '~'))
        return vkNtilde;
    return namedKeyCode(event);
}

// Windows names the key by its virtual key. Wine makes up its own from the X
// keymap and gives the Ñ key of a Spanish layout 186, 187 or 223 where
// Windows gives 192, so a key that types ñ is taken by what it typed; a
// letter typed through a dead key stays the letter of its key.
int windowsKeyCode(const QKeyEvent& event)
{
    const int key = event.key();
    const int vk = static_cast<int>(event.nativeVirtualKey());
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9'))
        return vk;
    const QString text = event.text();
    if (text.size() == 1 && text.at(0).toLower() == ntilde)
        return vkNtilde;
    if (key >= Qt::Key_Dead_Grave && key <= Qt::Key_Dead_Longsolidusoverlay)
        return 0;
    return vk;
}

} // namespace

int virtualKeyCode(const QKeyEvent& event, const QString& platformName)
{
    if (platformName == u"windows" && event.nativeVirtualKey() != 0)
        return windowsKeyCode(event);
    const bool xkb = platformName == u"xcb" || platformName.startsWith(u"wayland");
    if (xkb && event.nativeScanCode() != 0)
        return xkbKeyCode(event);
    return qtKeyCode(event);
}
