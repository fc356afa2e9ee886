// The compositor's decisions, kept apart from GL so tests can read them: which dialogs each
// layer draws and in what order, their colours, backgrounds and glow frames, which elements the
// walk draws with what position, alpha, font and look, the caret blink and the help delay.
#include <algorithm>

#include "engine/compositor.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_form.h"
#include "engine/range_check.h"
#include "platform/tick.h"

namespace {
constexpr int32_t kCaretOnMs = 500, kCaretOffMs = 300;

bool isPopupNotOnTop(int32_t d, const TVTLDialog& dialog) { return d != vtl.topDialog && dialog.popup != 0; }
}  // namespace

// [SECTION] layers

int32_t infoDialog() { return vtl.overlayPanel; }

bool dialogInPass(int32_t d, int32_t pass) {
  if (!vtl.diags.valid(d)) return false;
  const TVTLDialog& dialog = vtl.diags[d];
  const bool info = d == infoDialog() && d > 0;
  switch (pass) {
    case 1: return d != kFirstPanelNumber && dialog.popup == 0;
    case 2: return d != kFirstPanelNumber && dialog.popup != 0 && !info;
    case 3: return info || d == kFirstPanelNumber;
    default: return false;
  }
}

bool dialogDrawnNow(int32_t d) {
  if (!vtl.diags.valid(d)) return false;
  const TVTLDialog& dialog = vtl.diags[d];
  const bool animating = isShownOrAnimating(dialog.showAnim);
  if (dialog.title.view() == "#" && !animating) return false;
  if (isPopupNotOnTop(d, dialog) && !animating) return false;
  return (dialog.inUse != 0 && dialog.open != 0) || animating;
}

std::vector<int32_t> dialogsOfPass(int32_t pass) {
  std::vector<int32_t> order;
  for (int32_t d = 1; d <= vtl.diags.count(); d++)
    if (dialogInPass(d, pass) && dialogDrawnNow(d)) order.push_back(d);
  return order;
}

// [SECTION] dialog set-up

TVTLColour dialogFrameColour(int32_t d) {
  const bool def = d == vtl.topDialog || !vtl.diags.valid(d) || vtl.diags[d].popup == 0;
  return def ? appopt.frameColours[2] : appopt.frameColours[1];
}

TVTLBackgroundKind dialogBackgroundKind(const TVTLDialog& dialog, int32_t windowStyle) {
  if (windowStyle == 4) return bgSkin;
  if (dialog.backPicture == -1) return bgSkinnedPanel;
  if (dialog.panelLevel > 0 && windowStyle == 3) return bgCurvedPanel;
  if (dialog.panelLevel > 0 && windowStyle == 2) return bgRoundedFrame;
  if (dialog.backPicture == 0) return bgPlain;
  return bgTexture;
}

TVTLGlowRect dialogGlowRect(const TVTLDialog& dialog) {
  TVTLGlowRect g{};
  g.x = dialog.x;
  g.y = dialog.y;
  g.width = roundEven(dialog.width * 1.008) + 6;
  g.height = roundEven(dialog.height * 1.01);
  const std::string_view title = dialog.title.view();
  g.inner = !title.empty() && title[0] != '#';
  g.drawn = dialog.glowFrame != 0 && dialog.width != 0 && dialog.height != 0;
  return g;
}

// [SECTION] elements

bool elementSkipped(const TVTLElement& el) {
  if (el.caption.view() == "_" || el.kind == ekHiddenText) return true;
  return el.visible == 0 && !isShownOrAnimating(el.showAnim);
}

bool elementInSubPass(const TVTLElement& el, int32_t subPass) {
  const bool frame = el.kind == ekGroupBox || el.kind == ekPageGroup;
  return subPass == 1 ? frame : !frame;
}

int32_t elementFont(int32_t e, const TVTLElement& el) {
  if (el.kind == ekButton) return 3;
  if ((e == 1 && el.textScale >= 1.0f) || el.kind == ekGroupBox) return 0;
  return 2;
}

TElementPlace elementPlace(int32_t d, int32_t e, float slide) {
  TVTLDialog& dialog = vtl.diags[d];
  TVTLElement& el = dialog.elements[e];
  TElementPlace p;
  p.dialog = d;
  p.element = e;
  p.slide = slide;
  p.x = float(dialog.x) + slide + float(el.x);
  p.y = float(dialog.y + el.y);
  p.alpha = el.showAnim.progress * (el.enabled != 0 ? 1.0f : 0.5f);
  p.caption = getElementText(d, e);
  p.text3 = getElementText3(d, e);
  // The focus shows as hover; a pressed element stays pressed, or a drag would end and a click
  // held over a frame would be lost at its release (hovering gives the element the focus).
  if (vtl.keyboardNavigation && vtl.focusDialog == d && vtl.focusElement == e && el.look != 2) el.look = 1;
  p.look = (el.enabled == 0 || isPopupNotOnTop(d, dialog)) ? 3 : el.look;
  p.textLook = p.look;
  // A hovered button shows its picture plain and only its caption lit.
  if ((el.kind == ekButton || el.kind == ekPicture) && el.look == 1 && el.enabled != 0) p.look = 0;
  return p;
}

// [SECTION] caret blink and help delay

void advanceCaretBlink(uint32_t now) {
  // Summed in 64 bits: the first frame after a long pause must not overflow the clock.
  const int64_t clock = int64_t(vtl.caretClock) + int64_t(tickDiff(now, vtl.caretLast));
  vtl.caretClock = int32_t(std::min<int64_t>(clock, INT32_MAX));
  vtl.caretLast = now;
  const int32_t limit = vtl.caretOn != 0 ? kCaretOnMs : kCaretOffMs;
  if (vtl.caretClock > limit) {
    vtl.caretOn = vtl.caretOn != 0 ? 0 : 1;
    vtl.caretClock = 0;
  }
}

void advanceHelpDelay(uint32_t now) {
  if (vtl.hoverStart == 0) vtl.hoverStart = now;
  if (vtl.hoverSeen == 0) vtl.hoverStart = 0;
  vtl.hoverSeen = 0;
}
