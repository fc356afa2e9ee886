// The text steps of a look plan (and the text origin), handed to the text primitives in the
// font they were planned in. Apart from the picture primitives, whose header names clash.
#include "engine/element_looks.h"
#include "engine/fonts.h"
#include "engine/text_draw.h"

void runTextStep(const TLookStep& s) {
  if (s.kind == lsTextOrigin) {
    setTextOrigin(s.x, s.y);
    return;
  }
  if (s.font >= 0 && s.font <= 5) currentFont = s.font;
  std::string rest;
  drawTextBlock(s.text, s.look, s.scale, s.x, s.y, s.pressDepth, uint8_t(s.mode), s.align, s.alpha, s.rightEdge,
                s.cont, s.mask, s.margin, rest);
}
