// Show and hide animations of dialogs, elements and help-bubble slots, advanced once per
// render pass before the scene is drawn.
#include <algorithm>

#include "engine/compositor.h"
#include "engine/dialogs.h"
#include "engine/engine_form.h"
#include "platform/tick.h"

namespace {
constexpr float kComplete = 0.99999f;  // progress past this ends the animation

bool titleIsHash(const TVTLDialog& d) { return d.title.view() == "#"; }

bool dialogWanted(int32_t i, const TVTLDialog& d) {
  return !titleIsHash(d) && (i == vtl.topDialog || d.popup == 0) && d.inUse != 0 && d.open != 0;
}

// The registered element of a help slot is visible; a registration that names no element
// of a built dialog counts as hidden.
bool helpElementVisible(int32_t registration) {
  const int32_t d = registration / 1000, e = registration % 1000;
  if (!vtl.diags.valid(d) || e < 1 || e > vtl.diags[d].count || e > kMaxElements) return false;
  return vtl.diags[d].elements[e].visible != 0;
}
}  // namespace

uint8_t setElementAnimation(TVTLAnimation& r, bool target) {
  const uint32_t now = getTickCount();
  r.target = target ? 1 : 0;
  if ((r.target != 0) != (r.shown != 0)) {  // a change starts the show (1) or the hide (2)
    r.start = int32_t(now);
    r.duration = kAnimationMs;
    r.state = r.target != 0 ? 1 : 2;
  }
  if (r.state != 0) {
    // The elapsed time survives the wrap of the tick counter; a duration of 0 or less (only a
    // record read from a file can carry one) ends the animation at once.
    const uint32_t elapsed = tickDiff(now, uint32_t(r.start));
    float p = r.duration > 0 ? float(double(elapsed) / double(r.duration)) : 1.0f;
    p = std::clamp(p, 0.0f, 1.0f);
    if (r.state == 1) r.progress = p;
    if (r.state == 2) r.progress = 1.0f - p;
    if (p > kComplete) r.state = 0;
  }
  r.shown = r.target;
  return r.shown;
}

void updateDialogAnimations() {
  for (int32_t i = 1; i <= vtl.diags.count(); i++) {
    TVTLDialog& d = vtl.diags[i];
    const bool wanted = dialogWanted(i, d);
    setElementAnimation(d.showAnim, wanted);
    const int32_t count = std::clamp<int32_t>(d.count, 0, kMaxElements);
    for (int32_t j = 1; j <= count; j++) {
      TVTLElement& el = d.elements[j];
      setElementAnimation(el.showAnim, wanted && el.visible != 0);
    }
  }
  for (int32_t k = 0; k <= 25; k++) {
    TVTLHelpSlot& slot = vtl.helpSlots[k];
    if (slot.element <= 0) continue;
    if (!helpElementVisible(slot.element)) slot.wanted = 0;
    setElementAnimation(slot.anim, slot.wanted != 0);
  }
}
