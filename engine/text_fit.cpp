// Caption fitting by text scale.
#include "engine/text_fit.h"

#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/fonts.h"
#include "engine/text_width.h"

namespace {
constexpr int kFitFont = 2;
constexpr float kScaleStep = 0.03f;
constexpr float kCaptionUnits = 17.0f;  // layout units of one font-width unit at scale 1
}  // namespace

void fitElementText(int32_t dialog, int32_t element, int32_t mode, float startScale, float minScale) {
  if (mode != 0 && mode != 1) return;
  const int savedFont = currentFont;
  currentFont = kFitFont;
  TVTLElement& el = elementOf(dialog, element);
  const std::string caption = getElementText(dialog, element);
  const float aspect = aspectFactor();
  const float limit = float(el.savedWidth) / aspect;
  const float width = textWidth(caption, false);
  float scale = startScale;
  while (width * scale * kCaptionUnits / aspect > limit && scale > minScale) scale -= kScaleStep;
  currentFont = savedFont;
  el.textScale = scale;
}
