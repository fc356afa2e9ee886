// Looks of the horizontal selector and the parts of compound elements: the selector's strip
// picture and face, the arrows, the slider knob and the scroll-bar thumb. Drawing them writes
// back the selector's caption, the arrows' and thumbs' enabled byte and the knob and thumb
// extents.
//
// [SECTION] the strip window
// [SECTION] selectors
// [SECTION] arrows, slider knob, scroll-bar thumb
#include "engine/element_looks.h"
#include "engine/elements.h"
#include "engine/picture_primitives.h"
#include "engine/range_check.h"
#include "engine/text_width.h"
#include "engine/window_shape.h"

namespace {
constexpr const char* kImageSelectorCaption = "#HL_Image";
constexpr uint8_t kSkAltFace = 30;  // a selector whose face lies on surface 6
}  // namespace

// [SECTION] the strip window

TStripWindow selectorStripWindow(int32_t count, int32_t top) {
  if (count <= 0) return {0, 0, 0, false};
  const float n = float(count), t = float(top);
  // Six images or more lie in two halves of the texture, one row of images each.
  if (count >= 6) {
    if (top > count / 2) return {(t - 1) * 2 / n - 1, t * 2 / n - 1, 1, true};
    return {(t - 1) * 2 / n, t * 2 / n, 2, true};
  }
  return {(t - 1) / n, t / n, 0, true};
}

// [SECTION] selectors

namespace {

void addStrip(TLookContext& c, int32_t texture, float y, int32_t look) {
  const TVTLElement& el = c.el;
  const TStripWindow win = selectorStripWindow(el.Stringscount, el.TopIndex);
  if (!win.valid) return;  // no entries: no strip
  TLookStep s;
  s.kind = lsStripPicture;
  s.picture = texture;
  s.x = c.place.x + 10 + float(roundEven((1 - el.pressDepth) * el.width / 2.0));
  s.y = y;
  s.w = float(roundEven((el.width + 20) * el.pressDepth));
  s.h = float(el.extent);
  s.alpha = c.place.alpha;
  s.look = look;
  s.s0 = win.s0, s.s1 = win.s1;
  s.variant = win.half;
  c.plan.steps.push_back(s);
}

TVTLElement* selectorFace(TLookContext& c) {
  const TVTLElement& el = c.el;
  if (el.childCount >= 3) return elementOrNull(c.dialog, el.children[3]);
  if (el.childCount >= 1) return elementOrNull(c.dialog, el.children[1]);
  return elementOrNull(c.dialog, c.place.element + 3);
}

}  // namespace

void planSelectorLook(TLookContext& c) {
  const TElementPlace& p = c.place;
  TVTLElement& el = c.el;
  if (el.picture < 0) {
    el.caption = kImageSelectorCaption;
    const TVTLElement* face = elementOrNull(c.dialog, p.element + 3);
    addStrip(c, -el.picture, p.y + 2, face != nullptr ? face->look : 0);
    return;
  }
  if (el.picture > 0) addStrip(c, el.picture, p.y - float(el.extent) - 3, 0);

  // The face button shows the selector's caption (its own caption rule reads it).
  const std::string shown = getItem(p.dialog, p.element, el.TopIndex);
  el.caption = shown;
  if (const TVTLElement* face = selectorFace(c)) {
    const float fx = float(face->x + c.dialog.x), fw = float(face->width);
    const int32_t faceLook = face->look == 2 ? 2 : 0;
    const double wide = 0.75 * screenAspect;
    if (!shown.empty() && (shown[0] == 6 || shown[0] == 7))
      addPicture(c.plan, skinIcons.plainButton, fx, p.y - 1, float(roundEven(fw + 1 / wide)), 27, p.alpha, 0,
                 el.pressDepth, faceLook);
    else
      addBackground(c.plan, el.subKind == kSkAltFace ? 6 : 5, 12, 12, fx, p.y - 1, float(fw + 4 / wide), 30, p.alpha,
                    faceLook, 0);
  }
  if (el.columns > 1) planListRows(c);
}

// [SECTION] arrows, slider knob, scroll-bar thumb

namespace {
// The controller's rows do not show all its entries: arrows and thumb are needed.
bool scrolls(const TVTLElement& ctl) { return ctl.rows < ctl.itemCount; }

// The arrow's or thumb's controller; an enabled controller enables the part when it is a
// selector or scrolls, and disables it otherwise.
const TVTLElement* controllerEnabling(TLookContext& c) {
  const TVTLElement* ctl = elementOrNull(c.dialog, c.el.controller);
  if (ctl != nullptr && ctl->enabled != 0) c.el.enabled = ctl->kind == ekSelector || scrolls(*ctl) ? 1 : 0;
  return ctl;
}
}  // namespace

void planArrowLook(TLookContext& c) {
  const TElementPlace& p = c.place;
  TVTLElement& el = c.el;
  const TVTLElement* ctl = controllerEnabling(c);
  if (ctl == nullptr || !scrolls(*ctl)) return;
  const bool selector = ctl->kind == ekSelector;
  const float af = aspectFactor();
  if (selector && ctl->picture < 0) {
    addText(c.plan, std::string(1, el.checked != 0 ? char(28) : char(29)), p.look, 1.4f, p.x - 6 / af, p.y + 4,
            el.pressDepth, 2, p.alpha);
  } else {
    // checked is the direction: right for a selector's arrow, down for a list's.
    const int32_t icon = selector ? (el.checked != 0 ? skinIcons.selectorRight : skinIcons.selectorLeft)
                                  : (el.checked != 0 ? skinIcons.listArrowDown : skinIcons.listArrowUp);
    addPicture(c.plan, icon, p.x + 2, p.y, float(el.width), float(el.height), p.alpha, 1, el.pressDepth, p.look);
  }
  if (el.look == 1 || el.look == 2) addHoverGlow(c, p.x + 2, p.y, float(el.width), float(el.height), 0, el.pressDepth);
}

void planSliderLook(TLookContext& c) {
  const TElementPlace& p = c.place;
  TVTLElement& el = c.el;
  const TVTLElement* ctl = elementOrNull(c.dialog, el.controller);
  if (ctl == nullptr) return;
  if (ctl->kind == ekSelector && ctl->enabled != 0) el.enabled = 1;
  if (ctl->Stringscount <= 0) {
    el.extent = 0;  // a selector without entries has no knob
    return;
  }
  el.extent = roundEven(double(el.width) / ctl->Stringscount);
  const float x = p.x + 2 + float(el.TopIndex);
  TLookStep knob;
  knob.kind = lsBarPicture;
  knob.picture = skinIcons.knob;
  knob.x = x, knob.y = p.y;
  knob.w = float(el.extent), knob.h = float(el.height - 2);
  knob.alpha = p.alpha;
  knob.look = p.look;
  c.plan.steps.push_back(knob);
  if (el.look == 1 || el.look == 2) addHoverGlow(c, x, p.y, knob.w, knob.h, 0, 0);
}

void planScrollBarLook(TLookContext& c) {
  const TElementPlace& p = c.place;
  TVTLElement& el = c.el;
  const TVTLElement* ctl = controllerEnabling(c);
  if (ctl == nullptr || !scrolls(*ctl) || ctl->itemCount <= 0) return;
  el.extent = roundEven(double(ctl->height - 58) * ctl->rows / ctl->itemCount);
  const float af = aspectFactor();
  const float y = p.y + float(el.TopIndex);
  TLookStep thumb;
  thumb.kind = lsBarPicture;
  thumb.picture = skinIcons.knob;
  thumb.x = float(roundEven(p.x - 6 / af + 2)), thumb.y = y;
  thumb.w = float(roundEven(el.width + 6 / af)), thumb.h = float(el.extent);
  thumb.alpha = p.alpha;
  thumb.look = p.look;
  c.plan.steps.push_back(thumb);
  if (el.look == 1 || el.look == 2)
    addPicture(c.plan, -5, float(roundEven(p.x + 5)), y - 1, float(roundEven(el.width - 5 / af - 5)),
               float(el.extent + 2), hoverGlowAlpha(p.alpha), 0, el.pressDepth, el.look);
}
