// The display modes the engine offers for full screen, and the switch to one of them and back
// (tFullScreen, owned by the engine as fullscr).
#pragma once

#include <cstdint>
#include <vector>

#include "platform/window.h"

struct TVTLDisplayMode {
  int32_t width, height;  // pixels
  int32_t bits;           // bits per pixel: 16 or 32
};

// The usable modes of a system list, in its order: widths 512..4000, depths 16 and 32 only,
// and no mode equal to the one before it (the system lists one entry per refresh rate).
std::vector<TVTLDisplayMode> filterDisplayModes(const std::vector<DisplayMode>& listed);

class tFullScreen {
 public:
  // tFullScreen.Create: lists the display's modes; not switched.
  void create();
  // tFullScreen.Destroy: restores the desktop when still switched and empties the list.
  void destroy();

  // The number of the first listed mode with exactly these values, 0 when none.
  int32_t findMode(int32_t width, int32_t height, int32_t bits) const;
  bool hasMode(const TVTLDisplayMode& mode) const;
  static TVTLDisplayMode makeMode(int32_t width, int32_t height, int32_t bits);
  // Listed mode n (1..resolutionscount).
  const TVTLDisplayMode& mode(int32_t n) const;

  // Switches the display to a listed mode with the window full screen, only for as long as
  // the program runs it so (nothing is stored in the system's settings). An unlisted mode
  // beeps and gives false. The window's rectangle before the first switch is kept.
  bool setMode(const TVTLDisplayMode& mode, bool hideCursor);
  // Back to the desktop mode, the window at its old rectangle, raised and shown, the cursor
  // shown; nothing when not switched.
  void restore();

  bool switched = false;              // the display is in a listed mode; setMode, restore
  int32_t resolutionscount = 0;       // listed modes; create
  WindowRect savedWindowRect{0, 0, 0, 0};  // the window before the first switch; setMode

 private:
  std::vector<TVTLDisplayMode> modes_;  // mode n at modes_[n - 1]
};

extern tFullScreen fullscr;
