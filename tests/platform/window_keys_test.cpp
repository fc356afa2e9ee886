// Key translation: SDL's key and scan codes to the Windows virtual-key codes the engine reads.
// The test names SDL's keys, so it includes SDL's key-code header (nothing of the program does).
#include <gtest/gtest.h>

#include <SDL2/SDL_keycode.h>
#include <SDL2/SDL_scancode.h>

#include "platform/window_keys.h"

namespace {
struct KeyCase {
  const char* what;
  SDL_Keycode keycode;
  SDL_Scancode scancode;
  int32_t vk;
};

const KeyCase kKeyCases[] = {
    {"Backspace", SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE, kVkBack},
    {"Tab", SDLK_TAB, SDL_SCANCODE_TAB, kVkTab},
    {"Enter", SDLK_RETURN, SDL_SCANCODE_RETURN, kVkReturn},
    {"keypad Enter", SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER, kVkReturn},
    {"left Shift", SDLK_LSHIFT, SDL_SCANCODE_LSHIFT, kVkShift},
    {"right Shift", SDLK_RSHIFT, SDL_SCANCODE_RSHIFT, kVkShift},
    {"right Ctrl", SDLK_RCTRL, SDL_SCANCODE_RCTRL, kVkControl},
    {"Alt Gr", SDLK_RALT, SDL_SCANCODE_RALT, kVkMenu},
    {"Escape", SDLK_ESCAPE, SDL_SCANCODE_ESCAPE, kVkEscape},
    {"Space", SDLK_SPACE, SDL_SCANCODE_SPACE, kVkSpace},
    {"End", SDLK_END, SDL_SCANCODE_END, kVkEnd},
    {"Home", SDLK_HOME, SDL_SCANCODE_HOME, kVkHome},
    {"Left", SDLK_LEFT, SDL_SCANCODE_LEFT, kVkLeft},
    {"Up", SDLK_UP, SDL_SCANCODE_UP, kVkUp},
    {"Right", SDLK_RIGHT, SDL_SCANCODE_RIGHT, kVkRight},
    {"Down", SDLK_DOWN, SDL_SCANCODE_DOWN, kVkDown},
    {"Delete", SDLK_DELETE, SDL_SCANCODE_DELETE, kVkDelete},
    {"F1", SDLK_F1, SDL_SCANCODE_F1, kVkF1},
    {"F12", SDLK_F12, SDL_SCANCODE_F12, 123},
    {"digit 0", SDLK_0, SDL_SCANCODE_0, '0'},
    {"digit 9", SDLK_9, SDL_SCANCODE_9, '9'},
    {"keypad 5", SDLK_KP_5, SDL_SCANCODE_KP_5, 101},
    {"letter q", SDLK_q, SDL_SCANCODE_Q, 'Q'},
    // German layout: the key at the US "y" place types "z" and reports Z.
    {"z on a German keyboard", SDLK_z, SDL_SCANCODE_Y, 'Z'},
    // A layout without Latin letters falls back to the key's place.
    {"Cyrillic key at A", 0x0444, SDL_SCANCODE_A, 'A'},
    {"key left of 1 (^)", SDLK_CARET, SDL_SCANCODE_GRAVE, kVkCircumflex},
    {"German sharp s", 0xDF, SDL_SCANCODE_MINUS, 219},
    {"German u umlaut", 0xFC, SDL_SCANCODE_LEFTBRACKET, 186},
    {"German o umlaut", 0xF6, SDL_SCANCODE_SEMICOLON, 192},
    {"German a umlaut", 0xE4, SDL_SCANCODE_APOSTROPHE, 222},
    {"German #", SDLK_HASH, SDL_SCANCODE_BACKSLASH, 191},
    {"German minus", SDLK_MINUS, SDL_SCANCODE_SLASH, 189},
    {"German <", SDLK_LESS, SDL_SCANCODE_NONUSBACKSLASH, 226},
    {"comma", SDLK_COMMA, SDL_SCANCODE_COMMA, 188},
    {"unknown key", SDLK_UNKNOWN, SDL_SCANCODE_UNKNOWN, 0},
};
}  // namespace

TEST(WindowKeys, VirtualKeyCodes) {
  for (const auto& k : kKeyCases)
    EXPECT_EQ(winVirtualKey(k.keycode, k.scancode), k.vk) << k.what << ": expected " << k.vk;
}

TEST(WindowKeys, ControlCharactersAsWindowsTypesThem) {
  EXPECT_EQ(winControlCharacter(SDLK_BACKSPACE), 8);
  EXPECT_EQ(winControlCharacter(SDLK_TAB), 9);
  EXPECT_EQ(winControlCharacter(SDLK_RETURN), 13);
  EXPECT_EQ(winControlCharacter(SDLK_KP_ENTER), 13);
  EXPECT_EQ(winControlCharacter(SDLK_ESCAPE), 27);
  EXPECT_EQ(winControlCharacter(SDLK_a), 0);  // letters come as text
  EXPECT_EQ(winControlCharacter(SDLK_DELETE), 0);
}
