// Text width with aspect correction, the aspect factor, and the window's aspect state.
#include "engine/text_width.h"

#include "engine/window_shape.h"
#include "engine/fonts.h"

TVTLAspect aspectState;
double screenAspect = 4.0 / 3.0;

float textWidth(std::string_view text, bool correct) {
  float w = stringWidth(text, false);
  if (!correct) return w;
  const TVTLAspect& a = aspectState;
  if (a.aspectFree && a.aspect1024x600)
    w = w / 0.75f * 0.5859375f;
  else if (a.windowWidth != 0)
    w = w / 0.75f * (float(a.windowHeight) / float(a.windowWidth));
  if (a.aspect169) w = w / 0.75f * 0.5625f;
  if (a.aspect1610) w = w / 0.75f * 0.625f;
  return w;
}

float aspectFactor() { return float(screenAspect * 3.0 / 4.0); }
