// Looks of list boxes (one or several columns) and of the scrolling text box, which moves its
// lines upwards by itself and keeps its position in the element.
//
// [SECTION] list boxes
// [SECTION] scrolling text box
#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/element_looks.h"
#include "engine/elements.h"
#include "engine/engine_options.h"
#include "engine/frame_rate.h"
#include "engine/range_check.h"
#include "engine/string_container.h"
#include "engine/text_width.h"
#include "engine/window_shape.h"

namespace {
constexpr int16_t kBarlessRowHeight = 19;  // lists of small rows show no selection bar
constexpr float kTextBoxLine = 24;         // units per line of the scrolling text box
constexpr float kTextBoxSpeed = 50;        // units per second
}  // namespace

// [SECTION] list boxes

namespace {

// A column's text in columns 1 and 2 is shortened to 15 / af with ".." at its end.
std::string shortenColumnText(const std::string& text, float af) {
  const float limit = 15 / af;
  if (textWidth(text, false) <= limit) return text;
  for (size_t n = text.size();; --n) {
    std::string cut(text, 0, n);
    cut.append("..");
    if (n == 0 || textWidth(cut, false) <= limit) return cut;
  }
}

void planColumns(TLookContext& c, int32_t item, float rowY, int32_t rowLook) {
  const TElementPlace& p = c.place;
  const TVTLElement& el = c.el;
  const float af = aspectFactor();
  const double a = screenAspect;
  const std::string entry = getItemString(p.dialog, p.element, item);
  for (int32_t col = 1; col <= el.columns; ++col) {
    const int32_t cw = col <= 2 ? 200 : 150;
    std::string text = fieldAfterBars(entry, col);
    if (col <= 2) text = shortenColumnText(text, af);
    if (text.empty()) continue;
    const float x = p.x + 4 + float((col - 1) * roundEven(cw / a * 4 / 3));
    TLookStep& s = addText(c.plan, text, rowLook, el.textScale, x, rowY + 5, el.pressDepth, 2, p.alpha);
    s.rightEdge = roundEven((p.x + 4 + (col - 1) * cw) / a * 4 / 3) + (col <= 2 ? 150 : 185);
    s.mask = std::string(1, '~');  // the fitting may cut anywhere
  }
}

}  // namespace

void planListRows(TLookContext& c) {
  const TElementPlace& p = c.place;
  const TVTLElement& el = c.el;
  const int32_t rh = el.rowHeight;
  // Rows need a height; a scrolled-back view (negative TopIndex) shows nothing.
  if (rh <= 0 || el.TopIndex < 0) return;
  const int32_t hovered = (el.hoverOffset - 5) / rh + 1;
  for (int32_t r = 1; r <= el.itemCount - el.TopIndex; ++r) {
    if (r * rh >= el.height) break;  // only rows that lie wholly inside the element
    int32_t rowLook = r == hovered ? el.look : 0;
    if (el.enabled == 0) rowLook = 3;
    const float rowY = p.y + float((r - 1) * rh);
    if (el.SelIndex - el.TopIndex == r && rh != kBarlessRowHeight)
      addPicture(c.plan, -3, p.x + 2, rowY + 2, float(el.width - 8), float(rh), p.alpha, 1, el.pressDepth, rowLook);
    const int32_t item = el.TopIndex + r;
    if (el.columns > 1) {
      planColumns(c, item, rowY, rowLook);
      continue;
    }
    const std::string text = shownItem(p.dialog, p.element, item);
    if (text.empty()) continue;
    TLookStep& s = addText(c.plan, text, rowLook, el.textScale, p.x + 4, rowY + 5, el.pressDepth, 2, p.alpha);
    if (!p.text3.empty()) s.mask = getItemString(p.dialog + 1000, p.element, item);
  }
}

void planListLook(TLookContext& c) {
  const TElementPlace& p = c.place;
  const TVTLElement& el = c.el;
  addBackground(c.plan, 7, 12, 12, p.x, p.y - 1, float(el.width + 4 / (0.75 * screenAspect)), float(el.height + 5),
                p.alpha, 0, 0);
  planListRows(c);
}

// [SECTION] scrolling text box

void planTextBoxLook(TLookContext& c) {
  const TElementPlace& p = c.place;
  TVTLElement& el = c.el;
  const float af = aspectFactor();
  const float total = float(el.itemCount) * kTextBoxLine;
  // Held by the pointer it pauses; before the first frame rate is measured it stands still.
  if (el.look != 2 && vtlInfo.fps > 0) el.scrollOffset += kTextBoxSpeed / vtlInfo.fps;
  if (el.scrollOffset > total) el.scrollOffset = 0;
  if (el.scrollOffset < 0) el.scrollOffset += total;

  const float h = float(el.height);
  for (int32_t i = 1; i <= el.itemCount - el.TopIndex; ++i) {
    float y = p.y + 220 - el.scrollOffset + float(i - 1) * kTextBoxLine * el.textScale * 1.1f * 1.22f;
    if (y - p.y < 0) y += total;
    const float rel = y - p.y;  // the line's place inside the box
    if (rel <= 0) continue;
    float alpha = p.alpha;
    if (rel < 100) alpha = p.alpha * rel / 100;
    if (rel >= h - 100) alpha = std::min(alpha, p.alpha * (h - rel) / 100);
    if (alpha <= 0) continue;
    std::string text = shownItem(p.dialog, p.element, el.TopIndex + i);
    const float scale = i == 1 ? 1.5f * el.textScale : el.textScale;
    float offset = 0;
    if (!text.empty() && text[0] == '!') {
      text.erase(0, 1);
      offset = float(roundEven((el.width - textWidth(text, false) * 11.5 * scale) / 2));
    }
    if (text.empty()) continue;
    const float base = p.x + float(roundEven(75 / af)) + offset;
    float x = appopt.windowStyle == 3 ? base - 36 * float(std::sin(std::numbers::pi * (el.y + y) / 600)) + 30
                                      : base - 5;
    x += 43 - 40 * af;
    addText(c.plan, text, p.look, scale, x + 4, y, el.pressDepth, 9, alpha);
  }
}
