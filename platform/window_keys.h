// Windows virtual-key codes and typed control characters from SDL's keyboard events.
// The values in and out are plain integers, so no SDL header leaves platform/.
#pragma once

#include <cstdint>

// Virtual-key codes the program names.
constexpr int32_t kVkBack = 8, kVkTab = 9, kVkReturn = 13, kVkShift = 16, kVkControl = 17,
                  kVkMenu = 18, kVkEscape = 27, kVkSpace = 32, kVkEnd = 35, kVkHome = 36,
                  kVkLeft = 37, kVkUp = 38, kVkRight = 39, kVkDown = 40, kVkDelete = 46,
                  kVkF1 = 112, kVkCircumflex = 220;

// The virtual-key code Windows reports for a key, 0 when it has none. Letters follow the
// keyboard layout (the key's letter); digits, function and editing keys their position;
// punctuation keys the codes of the German layout by position (the key left of "1" is 220,
// as on the German keyboard the program was made for). Both Shift keys give 16, both
// Ctrl keys 17, both Alt keys 18.
int32_t winVirtualKey(int32_t sdlKeycode, int32_t sdlScancode);

// The character a key types besides its key-down where SDL sends no text for it: Backspace
// 8, Tab 9, Enter 13 (either Enter key), Escape 27; 0 for every other key.
int32_t winControlCharacter(int32_t sdlKeycode);
