// Look of the edit field: its background, the caret, the part of the text that fits and the
// ".." marks of the parts scrolled out. Drawing keeps caret and view inside the text.
#include "engine/element_looks.h"
#include "engine/engine_form.h"
#include "engine/engine_options.h"
#include "engine/fonts.h"
#include "engine/range_check.h"
#include "engine/text_width.h"
#include "engine/typing.h"
#include "engine/window_shape.h"

TEditView editView(const std::string& text, int32_t topIndex, int32_t shownLength, int32_t savedWidth) {
  TEditView v;
  const int32_t length = int32_t(text.size());
  v.topIndex = topIndex > length ? length : (topIndex < 0 ? 0 : topIndex);
  const bool scrolled = v.topIndex > 0;
  v.shown = text.substr(size_t(v.topIndex), size_t(shownLength > 0 ? shownLength : 0));
  bool removed = false;
  // Stops at the empty text: a field narrower than its margins shows nothing.
  while (!v.shown.empty() && textWidth(v.shown, false) * 11.5f + 18 + (scrolled ? 4 : 0) > float(savedWidth)) {
    v.shown.pop_back();
    removed = true;
  }
  v.cutAfter = length >= v.topIndex + 1 + shownLength || removed;
  v.cutBefore = scrolled;
  return v;
}

void planEditLook(TLookContext& c) {
  const TElementPlace& p = c.place;
  TVTLElement& el = c.el;
  const float af = aspectFactor();
  currentFont = 2;
  const std::string& text = p.caption;
  clampEditIndexes(el, int32_t(text.size()));

  addBackground(c.plan, 7, 12, 12, p.x, p.y - 1, float(el.width + 4 / (0.75 * screenAspect)), float(el.height + 5),
                p.alpha, p.look == 1 ? 0 : p.look, 0);
  if (el.look == 1 || el.look == 2 || el.focused != 0)
    addHoverGlow(c, p.x, p.y, float(el.width), float(el.height), 1, el.pressDepth);

  const TEditView v = editView(text, el.TopIndex, el.shownLength, el.savedWidth);
  el.TopIndex = int16_t(v.topIndex);
  const float X = p.x + (v.topIndex > 0 ? 4 : 0);

  if (el.focused != 0 && vtl.caretOn != 0) {
    const int32_t before = el.SelIndex - v.topIndex;
    const std::string head = before > 0 ? text.substr(size_t(v.topIndex), size_t(before)) : std::string();
    const float x = float(roundEven(X + textWidth(head, false) * 11.45 * appopt.textSpacing + 5 / af));
    addPicture(c.plan, -4, x, p.y + 5, float(roundEven(20 / af)), 18, p.alpha, 1, el.pressDepth, 0);
  }

  if (!v.shown.empty()) addText(c.plan, v.shown, p.look, el.textScale, X + 2 / af, p.y + 5, el.pressDepth, 2, p.alpha);
  const float markY = p.y + 5 + float(roundEven(2.5 * el.textScale));
  const float markScale = 0.6f * el.textScale;
  if (v.cutAfter)
    addText(c.plan, "..", p.look, markScale, X + textWidth(v.shown, false) * 0.6f * el.textScale * 11.5f + 10 / af,
            markY, el.pressDepth, 2, p.alpha);
  if (v.cutBefore) addText(c.plan, "..", p.look, markScale, X - 2 / af, markY, el.pressDepth, 2, p.alpha);
}
