// The text primitive drawTextBlock: column split, heading, fitting into a width with the rest
// handed back, the looks and glow passes, and the character walk with marks, font escapes,
// the hidden part and the mask's underlines.
// [SECTION] character walk
// [SECTION] fitting
// [SECTION] looks
// [SECTION] drawing
#include <GL/gl.h>

#include <cmath>

#include "engine/engine_form.h"
#include "engine/engine_options.h"
#include "engine/engine_services.h"
#include "engine/fonts.h"
#include "engine/gl_context.h"
#include "engine/gl_setup.h"
#include "engine/picture_primitives.h"
#include "engine/quads.h"
#include "engine/range_check.h"
#include "engine/text_draw.h"
#include "engine/text_width.h"
#include "engine/window_layout.h"

namespace {
constexpr char kColumnSplit = 30;
constexpr char kMark = 24;
constexpr char kFontEscape = 25;
constexpr char kHidden = '#';
constexpr char kUnderline = 8;
constexpr int32_t kDefaultMargin = 90;
constexpr int kLongestCutWord = 15;  // characters moved since the last space before fitting gives up
constexpr double kPi = 3.14159265358979323846;

// The digit after chr(25) when it names one of the six slots; -1 otherwise. Texts from tables
// and peers may carry "6" to "9", which would index past the slots.
int32_t escapedFont(char c) { return c >= '0' && c <= '5' ? c - '0' : -1; }

float pulseSine() { return float(std::sin(getSceneParam(2) * kPi / 90.0)); }
}  // namespace

// [SECTION] character walk

std::vector<TVTLGlyphStep> textGlyphSteps(std::string_view text, std::string_view mask, int32_t effect) {
  std::vector<TVTLGlyphStep> steps;
  std::string m(mask);  // the walk turns the rest of each # run into spaces
  bool marked = false;
  bool hidden = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == kFontEscape) {
      if (i + 1 < text.size()) {
        const int32_t font = escapedFont(text[i + 1]);
        if (font >= 0) currentFont = font;
        ++i;  // the character after the escape is never drawn
      }
      continue;
    }
    if (c == kMark) {
      marked = true;
      continue;
    }
    if (c == kHidden) hidden = true;
    if (hidden) continue;
    steps.push_back({marked ? TVTLGlyphStepKind::marked : TVTLGlyphStepKind::character, uint8_t(c), effect,
                     currentFont, false});
    if (i < m.size() && m[i] == '#') {
      size_t k = 1;
      while (i + k < m.size() && m[i + k] == '#') m[i + k++] = ' ';
      // Only the characters that exist are measured: a run may reach past the text's end.
      const std::string_view under = i + 1 < text.size() ? text.substr(i + 1, k) : std::string_view();
      const int32_t width = roundEven(textWidth(under, false) * 0.9 * 1000 * 0.86);
      steps.push_back({TVTLGlyphStepKind::underline, uint8_t(kUnderline), width, currentFont, marked});
    }
    marked = false;
  }
  return steps;
}

// [SECTION] fitting

std::string fitTextBlock(std::string_view text, float scale, float x, float y, int32_t rightEdge,
                         bool continueText, std::string_view mask, int32_t margin, std::string& rest) {
  std::string t(text);
  rest.clear();
  if (rightEdge <= 0) return t;
  if (margin == -1) margin = kDefaultMargin;
  const bool cutAnywhere = mask == "~";
  rightEdge += 10;
  if (t.size() >= 20) rightEdge += 20;
  const float bottom = float(roundEven(16.0 * scale)) + y;
  const float af = aspectFactor();
  if (float(rightEdge) - x + float(margin) > 20 && !t.empty()) {
    int moved = 0;
    // Cut to fit, then back to the last space (word wrap); a first word wider than the box
    // empties the text, and fitting stops there.
    while (!t.empty()) {
      const float w = textWidth(t, false) * 11.5f * scale;
      const float limit = float(rightEdge) - x + float(margin) - 50.0f / af;
      if (w <= limit && (rest.empty() || t.back() == ' ' || cutAnywhere)) break;
      if (moved >= kLongestCutWord) break;
      const char c = t.back();
      t.pop_back();
      rest.insert(rest.begin(), c);
      if (c == ' ' || cutAnywhere)
        moved = 0;
      else
        ++moved;
    }
  }
  const TVTLWindowLayout& wl = windowLayout;
  bool pointerInBox = false;
  if (wl.viewWidth > 0 && wl.viewHeight > 0) {
    const int32_t px = roundEven(double(vtl.pointerX) * 807.0 / wl.viewWidth);
    const int32_t py = roundEven(double(vtl.pointerY) * 607.0 / wl.viewHeight);
    pointerInBox = x <= float(px) && float(px) <= float(rightEdge + margin) && y <= float(py) && float(py) <= bottom;
  }
  if (rest.empty()) continueText = false;
  if (continueText) {
    rest.insert(0, ">");
  } else if (pointerInBox && !cutAnywhere) {
    rest.insert(0, ">");  // the caller shows the whole text; the cut text goes without ".."
  } else if (!rest.empty() && !(t.size() >= 2 && t.compare(t.size() - 2, 2, "..") == 0)) {
    t += "..";
  }
  return t;
}

// [SECTION] looks

TVTLTextLook textBlockLook(uint8_t mode, int32_t look, float alpha) {
  TVTLColour c = appopt.textColour;
  if ((mode == 1 || mode == 2) && (look == 1 || look == 2))
    c = appopt.focusColour;
  else if (look == 3)
    c = appopt.disabledColour;
  c.a *= alpha;
  TVTLTextLook l{true, kGlyphPlain, false, false, {c.r, c.g, c.b, c.a}};
  if (mode != kTextModePulseGlow && mode != kTextModeGlow) return l;
  switch (appopt.highlightStyle) {
    case 4:  // "Schatten"
      l.effect = kGlyphShadow;
      l.shadowShift = true;
      break;
    case 3:  // "Spiegel"
      l.draws = false;
      break;
    default: {
      const TVTLColour& d = appopt.disabledColour;
      const float a = mode == kTextModeGlow ? alpha * 0.8f : alpha * (0.7f + 0.4f * pulseSine());
      l.colour[0] = d.r;
      l.colour[1] = d.g;
      l.colour[2] = d.b;
      l.colour[3] = d.a * a;
      l.additive = true;
      break;
    }
  }
  return l;
}

namespace {
void setColour(const float* c) { glColor4f(c[0], c[1], c[2], c[3]); }

void finishTextState() {
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  glDisable(GL_BLEND);
  if (!appopt.noLighting) glEnable(GL_LIGHTING);
}
}  // namespace

// [SECTION] drawing

void drawTextBlock(std::string_view text, int32_t look, float scale, float x, float y, float pressDepth,
                   uint8_t mode, int32_t alignment, float alpha, int32_t rightEdge, bool continueText,
                   std::string_view mask, int32_t margin, std::string& rest) {
  std::string t(text);
  if (margin == -1) margin = kDefaultMargin;
  const size_t split = t.find(kColumnSplit);
  if (split != std::string::npos) {
    // The second column first, beside the first (one line lower and larger after a CR).
    const std::string part = t.substr(split + 1);
    const bool lower = !part.empty() && part[0] == 13;
    std::string partRest;
    drawTextBlock(part, look, lower ? scale * 1.3f : scale * 1.1f, x + 180.0f / aspectFactor(),
                  lower ? y + 24.0f * scale : y, pressDepth, mode, alignment, alpha, rightEdge, continueText, mask,
                  -1, partRest);
    t.resize(split);
  } else if (!t.empty() && t[0] == '!') {
    t.erase(0, 1);
    y += 10;
    scale *= 1.3f;
  }
  rest.clear();
  if (rightEdge > 0) t = fitTextBlock(t, scale, x, y, rightEdge, continueText, mask, margin, rest);
  if (mode == kTextModeMeasure || (!t.empty() && t[0] == '>')) return;

  const float s = scale - 1;
  scale /= 4.1f;
  const TVTLTextLook lk = textBlockLook(mode, look, alpha);
  const float glyphScale = scale * 1.08f;
  if (!engineGLReady()) {
    if (lk.draws) textGlyphSteps(t, mask, lk.effect);  // font escapes still set currentFont
    return;
  }
  if (blendDisabled)
    glDisable(GL_BLEND);
  else
    glEnable(GL_BLEND);
  glLoadIdentity();
  float nudge = 0;
  if (mode != 2 && look == 1) nudge = 0.0025f;
  if (look == 2) nudge = -0.0025f;
  if (pressDepth <= 0.00001f) nudge = 0;
  glTranslatef(-nudge - 0.635f, nudge + 0.445f, -1.5f);
  applySceneOffset();
  if (mode == kTextModeTilted) {
    glRotatef(-25, 1, 0, 0);
    glTranslatef(0.2112676f, -0.1251956f, 0);
    glScalef(0.8f, 0.8f, 0.8f);
    if (alpha < 1) scale *= alpha;
  }
  glTranslatef((x - 5 * s) / 639.0f, -(y + 10 * s) / 639.0f, 0);
  const float width = (textWidth(t, false) * 0.076f + 0.04f) * scale;
  if (mode == kTextModeTilted || alignment == 1)
    glTranslatef(-width / 2, 0, 0);
  else if (alignment == 2)
    glTranslatef(-width, 0, 0);
  glDisable(GL_LIGHTING);
  if (!lk.draws) {
    finishTextState();
    return;
  }
  setColour(lk.colour);
  if (lk.additive) {
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
  } else {
    bindFontTexture();
    if (lk.shadowShift) glTranslatef(0, (-12 - y / 40) * scale / 497.0f, 0);
  }
  const TVTLColour& d = appopt.disabledColour;
  const float afterMark[4] = {d.r, d.g, d.b,
                              d.a * (mode == kTextModePulseGlow ? alpha * (0.7f + 0.3f * pulseSine()) : alpha)};
  const std::vector<TVTLGlyphStep> steps = textGlyphSteps(t, mask, lk.effect);
  const int32_t fontAfterText = currentFont;  // an escape after the last drawn character counts too
  for (size_t i = 0; i < steps.size(); ++i) {
    const TVTLGlyphStep& st = steps[i];
    currentFont = st.font;
    switch (st.kind) {
      case TVTLGlyphStepKind::character:
        drawChar(st.character, alpha, st.effect, glyphScale);
        break;
      case TVTLGlyphStepKind::marked:
        drawMarkedChar(st.character, alpha, st.effect, glyphScale);
        break;
      case TVTLGlyphStepKind::underline:
        glTranslatef(0.036f * scale, 0.011f * scale, 0);
        if (st.marked)
          drawMarkedChar(st.character, alpha, st.effect, glyphScale);
        else
          drawChar(st.character, alpha, st.effect, glyphScale * 1.08f);
        glTranslatef(-0.036f * scale, -0.011f * scale, 0);
        break;
    }
    const bool underlineFollows = i + 1 < steps.size() && steps[i + 1].kind == TVTLGlyphStepKind::underline;
    const bool wasMarked = st.kind == TVTLGlyphStepKind::marked || (st.kind == TVTLGlyphStepKind::underline && st.marked);
    if (wasMarked && !underlineFollows) setColour(afterMark);
  }
  currentFont = fontAfterText;
  finishTextState();
}
