#pragma once

class QKeyEvent;
class QString;

// Windows virtual-key code of a key event, or 0 for a key without one, on the
// Qt platform named platformName. Letters give 65-90 whatever Shift or Caps
// Lock, the main row's digit keys 48-57 whatever they type on the layout, and
// keypad digits 96-105. The key that types ñ gives 192, and so does the key
// left of 1 where it types ` or ~, as on a US layout: a player without a
// Spanish keyboard can still play Ñ. Dead keys give nothing.
int virtualKeyCode(const QKeyEvent& event, const QString& platformName);
