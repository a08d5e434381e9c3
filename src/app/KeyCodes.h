#pragma once

class QKeyEvent;

// Windows virtual-key code of a key event, or 0 for a key without one.
// Letters give 65-90 whatever Shift or Caps Lock, main-row digits 48-57 and
// keypad digits 96-105. The key that types ñ gives 192, and so does the key
// of ` and ~, which is 192 on a US layout: a player without a Spanish keyboard
// can still play Ñ.
int virtualKeyCode(const QKeyEvent& event);
