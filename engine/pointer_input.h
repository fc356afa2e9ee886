// The pointer's way into the dialogs (TVTLApplication.processPointer): every poll, press,
// release and wheel turn looks at every element of every open dialog, moves the look states
// (0 normal, 1 hovered, 2 pressed) and turns them into hover, press, drag and activation steps
// (element_behaviour.h, element_activation.h). Nothing picks a topmost element: overlapping
// elements of one dialog are hit together.
#pragma once

#include <cstdint>

// Pointer actions; a wheel turn passes its delta (a multiple of 120) with the wheel flag.
constexpr int32_t kPointerRelease = 0;
constexpr int32_t kPointerPoll = 1;
constexpr int32_t kPointerPress = 2;

// Layout units the window's width and height are spread over.
constexpr double kPointerUnitsX = 807.0, kPointerUnitsY = 607.0;

// (x, y) in window pixels. Advances the scene clock, reads the option dialogs live while one of
// them is on top, remembers (x, y) as the last processed position and runs the element steps.
// True when the pointer was over an element that took it; a press inside the open top popup
// dialog is always taken there (it is no click on the table).
bool processPointer(int32_t x, int32_t y, int32_t action, bool dragEnabled, bool unmoved, bool wheel);

// The frame step's poll at (x, y), pixels from the window's top-left corner: x scaled for the
// 5:4 class, stored as the pointer, processPointer (poll) while the application is active, and
// remembered for the next comparison. The mouse hooks poll this way at the event's own position
// before a press or release, so that the click counts where it happened.
void pollPointerAt(int32_t x, int32_t y);

// Step 1 of processPointer: the scene angles 1..11 turn by their rotation speed (degrees per
// second) over the measured frame rate, wrapped to -180..180. They hold while no rate has been
// measured yet.
void advanceSceneClock();
