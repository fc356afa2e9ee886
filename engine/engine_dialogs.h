// The engine's own dialogs after the notice and box dialogs: the empty first panel, the help
// line, the always-open overlay panel (window buttons, frame-rate label), the engine options
// dialog with its two pages and GL selectors, and the graphics/sound dialog. Their numbers go
// to the named fields of `vtl` and to `appopt.opt` / `appopt.graf`; the state files of the two
// option dialogs (vtlopt.dco, vtlgraph.dco) are tied to the element order built here.
#pragma once

#include <cstdint>
#include <string>

// The overlay panel's window picture buttons are its first four elements.
enum : int32_t { kOverlayCloseButton = 1, kOverlayMinimizeButton, kOverlayMoveHandle, kOverlayResizeHandle };

// [SECTION] building

// The constructor's menus, in this order: "#firstpanel", the help line, the overlay panel
// (opened at once), the engine options dialog, the graphics/sound dialog; then the options
// dialog is shown and becomes the top dialog. Needs the display modes (fullscr) for the
// full-screen selector's first items.
void createEngineDialogs();

// The parts, in the order createEngineDialogs runs them.
void createFirstPanel();
void createHelpLine();
void createOverlayPanel();
void createOptionsDialog();
void createGraphicsDialog();

// For the last n elements of the options dialog: each label, edit field or selector becomes a
// child of the dialog's page group on `page`. Nothing happens when fewer than n elements exist.
void assignToOptionsPage(int32_t n, int32_t page);

// The full-screen selector's items rebuilt from the display modes after the state files were
// read: width + " x " + height + ", " + bits + " Bit". The shown entry stays as it was.
void refillFullScreenModes();

// [SECTION] texts of the items

// A window size as the graphics dialog lists it: "(16:10)" or "(16:9)" after a size whose
// ratio lies within 0.01 of 1.6 or of 16/9.
std::string windowSizeItem(int32_t width, int32_t height);
// A display mode as the full-screen selector first lists it: "%d x %d, %d".
std::string displayModeItem(int32_t width, int32_t height, int32_t bits);

// [SECTION] the frame rate on screen

// The options dialog's frame-rate field and the overlay's `fpsLabel` ("FPS " + rate + " " +
// fpsSuffix at x 620, y 0, visible exactly while showFps is set). The frame step calls it
// whenever a 200-ms window closed.
void showFrameRate();
// A rate as the engine shows it: rounded to hundredths, at most two decimals, no trailing
// zeros ("59.5", "60", "12.34").
std::string frameRateText(float fps);

// [SECTION] the generated option files

// The run marker a fresh installation ships in the options dialog's folder edit.
inline constexpr const char* kFirstRunMarker = "first";
// Builds the engine dialogs on an empty engine model and writes the fresh installation's
// vtlopt.dco (carrying the run marker "first") and vtlgraph.dco into `folder`. A file that
// cannot be written is EInOutError.
void writeInstallationOptionFiles(const std::string& folder);
