// The window's aspect class and size as the window set-up leaves them: what the text
// measuring and the layout helpers read. The window code writes these.
#pragma once

#include <cstdint>

struct TVTLAspect {
  bool aspect43 = true;
  bool aspect54 = false;
  bool aspect169 = false;
  bool aspect1610 = false;
  bool aspectFree = false;      // no fixed class, or the 1024 x 600 class
  bool aspect1024x600 = false;  // set together with aspectFree
  int32_t windowWidth = 640;    // the window's size in pixels
  int32_t windowHeight = 480;
  int32_t windowLeft = 0;       // the window's place on the desktop, pixels
  int32_t windowTop = 0;
  int32_t screenWidth = 1280;   // the desktop's size in pixels
  int32_t screenHeight = 1024;
};

extern TVTLAspect aspectState;
extern double screenAspect;  // aspect of the 3D projection; 4/3 until a viewport is set
