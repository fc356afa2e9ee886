// Looks of buttons, picture buttons, text items and check boxes: the picture by sub-kind, the
// hover glow, the caption's place, the help bubble, and the check box's clickable width.
//
// [SECTION] the picture of a button
// [SECTION] buttons and picture buttons
// [SECTION] the caption
// [SECTION] the help bubble
// [SECTION] check boxes
#include <charconv>

#include "engine/element_looks.h"
#include "engine/elements.h"
#include "engine/engine_form.h"
#include "engine/engine_options.h"
#include "engine/fonts.h"
#include "engine/picture_primitives.h"
#include "engine/range_check.h"
#include "engine/text_width.h"
#include "platform/tick.h"

namespace {

constexpr int16_t kTextItemPicture = -2;  // text items: no picture, the white glow look
constexpr uint8_t kSkTextItem = 11;
constexpr uint32_t kHelpBubbleDelayMs = 1500;

// [SECTION] the picture of a button

struct TSubKindIcon {
  uint8_t subKind;
  int16_t icon;
};
// Kind 10 by sub-kind, and kind 0 for the sub-kinds 21 to 24 and 27.
constexpr TSubKindIcon kSubKindIcons[] = {
    {1, 19},  {2, 19},  {3, 19},  {4, 18},  {5, 17},  {6, 16},  {11, kTextItemPicture},
    {12, 0},  {13, 17}, {14, 26}, {15, 27}, {16, 8},  {17, 9},  {18, 12},
    {19, 13}, {20, 21}, {21, 32}, {22, 33}, {23, 35}, {24, 36}, {25, 0},
    {26, 5},  {27, 34}, {28, 10}, {29, 11},
};

int32_t tableIcon(uint8_t subKind, int32_t fallback) {
  for (const TSubKindIcon& t : kSubKindIcons)
    if (t.subKind == subKind) return t.icon;
  return fallback;
}

}  // namespace

int32_t buttonPicture(const TVTLElement& el, const std::string& caption) {
  const uint8_t sk = el.subKind;
  if (el.kind == ekPicture) return sk == skSymbol && caption == "?" ? 21 : tableIcon(sk, el.picture);
  if (sk == 21 || sk == 22 || sk == 23 || sk == 24 || sk == 27) return tableIcon(sk, 0);
  return sk == skNone ? skinIcons.plainButton : skinIcons.otherButton;
}

namespace {

bool isSuitGlyph(char ch) { return ch >= 20 && ch <= 23; }

bool controllerIsSelector(TLookContext& c) {
  const TVTLElement* ctl = elementOrNull(c.dialog, c.el.controller);
  return ctl != nullptr && ctl->kind == ekSelector;
}

// A symbol button's number n is shown as the glyph chr(n + 19): 1 to 4 are the suits.
std::string symbolCaption(const std::string& caption) {
  int n = 0;
  const char* end = caption.data() + caption.size();
  auto [p, ec] = std::from_chars(caption.data(), end, n);
  if (ec != std::errc() || p != end || n + 19 < 1 || n + 19 > 255) return caption;
  return std::string(1, char(n + 19));
}

// [SECTION] the caption

struct TCaptionPlace {
  float x, y;    // after the caption rules: the help bubble's y
  float anchor;  // the help bubble's anchor
};

TCaptionPlace planButtonCaption(TLookContext& c, int32_t picture, std::string text) {
  const TElementPlace& p = c.place;
  const TVTLElement& el = c.el;
  const float af = aspectFactor();
  const bool centred = controllerIsSelector(c);
  float X = p.x, Y = p.y;
  if (centred) {
    X = float(roundEven(X + el.width / 2.0));
    Y -= 2;
  }
  const float anchor = X - 2;
  const int32_t align = centred ? 1 : 0;
  const float scale = el.textScale;

  if (el.subKind == kSkTextItem) {
    if (!text.empty() && text[0] == '!') text.erase(0, 1);
    if (!text.empty()) {
      if (el.look == 1) addText(c.plan, text, 0, scale, X, Y + 10, el.pressDepth, 5, p.alpha).align = align;
      if (el.look == 2) addText(c.plan, text, 2, scale, X, Y + 10, el.pressDepth, 5, p.alpha).align = align;
      addText(c.plan, text, p.textLook, scale, X, Y + 10, el.pressDepth, 2, p.alpha).align = align;
    }
    return {X, Y, anchor};
  }

  Y += float(el.height / 10);
  X -= 2;
  if (el.subKind == skSymbol) {
    const char first = text.empty() ? 0 : text[0];
    if (first == '?' || first == 'G' || first == 'N' || first == char(137) || first == char(138)) {
      Y += 2;
      if (first == 'G' || first == 'N') {
        Y += 2;
        X = float(roundEven(X - 2.8 + 10.5 / af));
      } else if (first == char(137)) {
        X += float(roundEven(3.5 / af));
      } else if (first == char(138)) {
        X += float(roundEven(5 / af));
      }
    } else if (!text.empty()) {
      text = symbolCaption(text);
    }
    X -= float(roundEven(3 / af));
    Y -= 2;
  }
  const char first = text.empty() ? 0 : text[0];
  if (isSuitGlyph(first)) Y += 1;
  if (first == 20) X = float(roundEven(X - 5 / af));
  if (first == 21) X = float(roundEven(X + 0.5 / af));
  if (first == 'G' || first == 'N') X = float(roundEven(X + 1.5 / af));
  if (isSuitGlyph(first) || first == 'G' || first == 'N') X = float(roundEven(X + 5 - 5 / af));

  const bool bang = first == '!';
  if (bang) text.erase(0, 1);
  auto centredX = [&] {
    return X + 2.5f / af - 5.0f / af * scale + float(roundEven(el.width / 2.0 - 6.23 * textWidth(text, false) * scale));
  };
  float tx = 0, ty = 0;
  bool draw = !text.empty();
  if (el.height > 35 || bang) {
    if (picture >= 32 && picture <= 36) {
      tx = X + float(squareWidth(45));
      ty = Y + 12;
    } else {
      tx = centredX();
      ty = Y + 10;
    }
  } else if (el.kind == ekButton) {
    tx = centredX();
    ty = Y + 3 + float(el.height / 8);
  } else {
    if (text == "?") draw = false;
    tx = X - 2 / af;
    ty = Y + 5;
  }
  if (draw) addText(c.plan, text, p.textLook, scale, tx, ty, el.pressDepth, 2, p.alpha).align = align;
  return {X, Y, anchor};
}

// [SECTION] the help bubble

void planHelpBubble(TLookContext& c, const TCaptionPlace& at) {
  TVTLElement& el = c.el;
  const int32_t slot = el.rowHeight;
  if (slot < 1 || slot > 25) return;
  TVTLHelpSlot& hs = vtl.helpSlots[slot];
  if (hs.element != c.place.dialog * 1000 + c.place.element) return;
  const bool hovered = el.look != 0;
  if (hovered) vtl.hoverSeen = c.place.element;
  hs.wanted = hovered && vtl.hoverStart != 0 && tickDiff(getTickCount(), vtl.hoverStart) >= kHelpBubbleDelayMs;
  const float B = hs.anim.progress;
  if (el.enabled == 0 || c.place.alpha < 0.01f || B < 0.01f) return;

  TLookStep setup;
  setup.kind = lsBubbleSetup;
  c.plan.steps.push_back(setup);
  currentFont = 2;
  std::string help = getElementHelpText(c.place.dialog, c.place.element);
  const float af = aspectFactor();
  const int32_t tw = roundEven(textWidth(help, false) * 11.5 * 0.62);
  const int32_t bx = roundEven(at.anchor) + roundEven(-tw * 0.5 + el.width * 0.18);
  if (!help.empty() && help[0] == '!') help.erase(0, 1);
  if (help.empty()) return;
  const float Y = at.y;
  addBackground(c.plan, 5, 10, 10, bx - roundEven(0.8 * tw) - 10 / af, Y + 17 - roundEven(0.022 * Y),
                float(roundEven(tw + 10 / af)), 17, 0.75f * B, 0, 2);
  addText(c.plan, fontEscape(2) + help, c.place.look, 0.8f, bx - tw - 10 / af, Y + 15 - roundEven(0.022 * Y),
          el.pressDepth, 2, B);
}

}  // namespace

// [SECTION] buttons and picture buttons

void planButtonLook(TLookContext& c) {
  const TElementPlace& p = c.place;
  TVTLElement& el = c.el;
  std::string caption = p.caption;
  if (controllerIsSelector(c)) caption = elementOrNull(c.dialog, el.controller)->caption.str();
  const int32_t P = buttonPicture(el, caption);
  const float w = float(el.width), h = float(el.height);

  if (P >= 0 && (el.subKind == skFreePicture || el.subKind == 10)) {
    TLookStep q;
    q.kind = lsQuad;
    q.picture = P;
    q.x = p.x, q.y = p.y, q.w = w, q.h = h;
    q.alpha = p.alpha;
    q.nudge = el.subKind == 10 && (el.look == 1 || el.look == 2 || p.look == 3);
    if (el.columns == 333) q.angle = el.rowHeight;
    q.inset = el.TopIndex == 77;
    c.plan.steps.push_back(q);
  } else if (P >= 0) {
    if (caption == " ")
      addPicture(c.plan, P, p.x, p.y, w, h, p.alpha, 0, el.pressDepth, el.look, -7);
    else if (P >= 32 && P <= 36)
      addPicture(c.plan, P, p.x, p.y, float(squareWidth(45)), 45, p.alpha, 0, el.pressDepth, p.look);
    else
      addPicture(c.plan, P, p.x, p.y, w, h, p.alpha, 0, el.pressDepth, p.look);
  } else if (P == kTextItemPicture && c.dialog.markedItem == p.element && (caption.empty() || caption[0] != 24)) {
    addPicture(c.plan, skinIcons.textMarker, float(c.dialog.x + el.x - roundEven(el.rows / 6.0)), p.y, el.rows,
               el.SelIndex, p.alpha, 4, el.pressDepth, el.dragMark);
  }

  if (el.enabled != 0 && el.subKind != kSkTextItem && (el.look == 1 || el.look == 2) && caption != " ")
    addHoverGlow(c, p.x, p.y, w, h, 0, el.pressDepth);

  const TCaptionPlace at = planButtonCaption(c, P, caption);
  planHelpBubble(c, at);
}

// [SECTION] check boxes

namespace {
// The graphics dialog's three effect boxes need 32-bit colour: disabled, they show unchecked.
bool isEffectBox(int32_t d, int32_t e) {
  const TVTLGraphicsDialogNumbers& g = appopt.graf;
  return d == appopt.di_vtlgrafik && d != 0 && (e == g.shadowCheck || e == g.reflectionCheck || e == g.softShadowCheck);
}
}  // namespace

void planCheckBoxLook(TLookContext& c) {
  const TElementPlace& p = c.place;
  TVTLElement& el = c.el;
  const float af = aspectFactor();
  int32_t icon = el.checked != 0 ? skinIcons.checkOn : skinIcons.checkOff;
  if (el.enabled == 0 && isEffectBox(p.dialog, p.element)) icon = skinIcons.checkOff;
  const float X = p.x + float(roundEven(10 * af - 7));
  const float box = float(squareWidth(25));
  addPicture(c.plan, icon, X, p.y, box, 25, p.alpha, 1, el.pressDepth, p.look);
  if (el.look == 1 || el.look == 2) {
    addHoverGlow(c, X, p.y, box, 25, 0, el.pressDepth);
    addHoverGlow(c, X + float(roundEven(27 / af)), p.y, float(roundEven(el.width * 1.05 - 26)), 25, 0, el.pressDepth);
  }
  // The clickable area follows the caption.
  el.width = roundEven(textWidth(p.caption, false) * 12.5 + 21 + 9 / af);
  if (!p.caption.empty())
    addText(c.plan, p.caption, p.textLook, el.textScale, X + 28 / af, p.y + 4, el.pressDepth, 2, p.alpha);
}
