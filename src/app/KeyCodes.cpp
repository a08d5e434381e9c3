#include "app/KeyCodes.h"

#include <QKeyEvent>
#include <QString>

namespace {

constexpr int vkNtilde = 192;

// X11 keycodes of the main row's 1 and 0 and of the key left of 1, the same
// in the evdev and the older XFree86 keycode sets.
constexpr quint32 x11Digit1 = 10;
constexpr quint32 x11Digit0 = 19;
constexpr quint32 x11Tilde = 49;

constexpr quint32 keysymNtilde = 0xf1;
constexpr quint32 keysymCapitalNtilde = 0xd1;

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

// X11 gives the physical key as its keycode and the character it types on
// the player's layout as its keysym.
int x11KeyCode(const QKeyEvent& event)
{
    const quint32 keycode = event.nativeScanCode();
    const quint32 keysym = event.nativeVirtualKey();
    if (keycode >= x11Digit1 && keycode < x11Digit0)
        return '1' + static_cast<int>(keycode - x11Digit1);
    if (keycode == x11Digit0)
        return '0';
    if (keysym >= 'a' && keysym <= 'z')
        return 'A' + static_cast<int>(keysym - 'a');
    if (keysym >= 'A' && keysym <= 'Z')
        return static_cast<int>(keysym);
    if (keysym == keysymNtilde || keysym == keysymCapitalNtilde)
        return vkNtilde;
    if (keycode == x11Tilde && (keysym == '`' || keysym == '~'))
        return vkNtilde;
    return namedKeyCode(event);
}

} // namespace

int virtualKeyCode(const QKeyEvent& event, const QString& platformName)
{
    if (platformName == u"windows" && event.nativeVirtualKey() != 0)
        return static_cast<int>(event.nativeVirtualKey());
    if (platformName == u"xcb" && event.nativeScanCode() != 0)
        return x11KeyCode(event);
    return qtKeyCode(event);
}
