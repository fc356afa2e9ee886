// Window mode and full screen: the first set-up of the window, the switch to a display
// mode and back (each re-creating the GL context), fitting the window on the screen and
// leaving full screen at the end. The display is switched only while the program shows it
// full screen; the desktop's own settings are never changed.
#pragma once

#include <cstdint>

// TVTLApplication.setWindowMode: the window at width x height, then full screen when the
// option says so, else a context on the window and the window settings; the capabilities
// and, unless the colour depth is too low, the viewport.
void setWindowMode(int32_t width, int32_t height);
// TVTLApplication.changeScreenMode: full screen in listed mode `modeNumber` (-1: the
// option's mode). With `apply` a failure resets the options to a 800 x 600 window, shows the
// reset message and ends the program; without it (the hardware test) nothing is reported.
void changeScreenMode(int32_t modeNumber, bool apply);
// TVTLApplication.applyScreenSettings: window mode with the options' window size.
void applyScreenSettings();
// TVTLApplication.restoreDisplay: leaves full screen at the end of the main loop.
void restoreDisplay();
// TVTLApplication.fitWindowOnScreen: moves the window to the corner and steps the size
// number down until a window of that height fits; returns the height.
int32_t fitWindowOnScreen(int32_t height);
// The overlay panel's window buttons are shown exactly while the display is not switched.
void updateScreenModeButtons();

// The texts of the reset after a failed switch, "%d x %d" filled.
inline constexpr const char* kSwitchErrorFormat = "Could not change screen resolution to %d x %d";
