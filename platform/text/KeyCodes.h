// Key codes as the program's key handlers take them: Windows virtual-key codes and shift states.
#pragma once
#include <Qt>

namespace keys {

// Windows virtual-key code of a Qt key (letters upper case, digits, arrows, F-keys, keypad digits).
int windowsKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);
// Shift state as Windows passes it: 1 Shift, 2 Ctrl, 4 Alt.
int windowsShiftState(Qt::KeyboardModifiers modifiers);

} // namespace keys
