// Single glyphs of a text: font glyphs from the current slot's texture, symbol glyphs from the
// symbol texture "font.bmp", underlines and bars, and the progress disc of a marked character.
// Each call draws at the pen (the current matrix) and moves the pen by translating the matrix.
// [SECTION] symbol table and texture windows
// [SECTION] font glyphs
// [SECTION] symbol glyphs
// [SECTION] marked characters
#include <GL/gl.h>

#include <cmath>

#include "core/cg.h"
#include "engine/engine_form.h"
#include "engine/engine_options.h"
#include "engine/engine_services.h"
#include "engine/fonts.h"
#include "engine/gl_context.h"
#include "engine/glyph_index.h"
#include "engine/picture_primitives.h"
#include "engine/quads.h"
#include "engine/text_draw.h"
#include "engine/text_width.h"
#include "shell/env_param.h"

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr float kFontCellWidth = 0.062383f;  // texture units; the grid does not fill the width
constexpr float kFontCellHeight = 0.0625f;
constexpr float kSymbolCellStepU = 0.062f;
constexpr float kSymbolCellStepV = 0.12f;
constexpr float kSymbolWindowU = 0.048f;
constexpr float kSymbolWindowV = 0.1111f;

float pulseSine() { return float(std::sin(getSceneParam(2) * kPi / 90.0)); }

// Symbols of the control codes 0..30; codes not listed stand for themselves.
struct IconEntry {
  uint8_t code, symbol, secondSuitSet;
};
constexpr IconEntry kIconTable[] = {
    {1, 141, 141},  {2, 142, 142},  {3, 143, 143},  {4, 132, 132},  {5, 139, 139},
    {6, 130, 130},  {7, 134, 134},  {8, 95, 95},    {11, 156, 156}, {14, 157, 157},
    {15, 158, 158}, {16, 159, 159}, {17, 126, 126}, {18, 127, 127}, {19, 137, 137},
    {20, 152, 147}, {21, 153, 148}, {22, 154, 149}, {23, 155, 150}, {28, 65, 65},
    {29, 66, 66},
};
constexpr int32_t kSecondSuitStyle = 2;  // card-face style of the settings record

// The system's upper-casing of a Windows-1252 lower-case letter of the small-capital rule.
bool isSmallCapital(uint8_t c) {
  return (c >= 'a' && c <= 'z') || c == 154 || c == 156 || c == 158 || (c >= 224 && c <= 254);
}
uint8_t upperCase(uint8_t c) {
  if (c == 154 || c == 156 || c == 158) return uint8_t(c - 16);
  if (c == 247) return c;  // the division sign has no capital
  return uint8_t(c - 32);
}

void texturedQuad(const TVTLGlyphWindow& t, float qw, float qh) {
  glBegin(GL_QUADS);
  glTexCoord2f(t.u0, t.v0);
  glVertex2f(0, 0);
  glTexCoord2f(t.u1, t.v0);
  glVertex2f(qw, 0);
  glTexCoord2f(t.u1, t.v1);
  glVertex2f(qw, qh);
  glTexCoord2f(t.u0, t.v1);
  glVertex2f(0, qh);
  glEnd();
}

// The slanted, fading copy of the "Schatten" look: white, transparent at the foot.
void shadowQuad(const TVTLGlyphWindow& t, float qw, float qh) {
  qh *= 1.2f;
  const float top = 0.7f + 0.3f * pulseSine();
  glBegin(GL_QUADS);
  glColor4f(1, 1, 1, 0);
  glTexCoord2f(t.u0, t.v0);
  glVertex2f(0.001f, 0.011f);
  glTexCoord2f(t.u1, t.v0);
  glVertex2f(qw + 0.001f, 0.011f);
  glColor4f(1, 1, 1, top);
  glTexCoord2f(t.u1, t.v1);
  glVertex2f(qw - 0.048f, qh + 0.011f);
  glTexCoord2f(t.u0, t.v1);
  glVertex2f(-0.048f, qh + 0.011f);
  glEnd();
}
}  // namespace

// [SECTION] symbol table and texture windows

uint8_t iconGlyph(uint8_t code) {
  const bool second = envParam.cardStyle == kSecondSuitStyle;
  for (const IconEntry& e : kIconTable)
    if (e.code == code) return second ? e.secondSuitSet : e.symbol;
  return code;
}

int32_t symbolGlyphCell(uint8_t symbolCharacter) { return glyphIndex(symbolCharacter); }

TVTLGlyphWindow symbolGlyphWindow(int32_t glyphCell) {
  const int32_t column = glyphCell % 16;
  const int32_t row = 7 - glyphCell / 16;
  const float u0 = float(column) * kSymbolCellStepU + 0.003f;
  const float v0 = float(row) * kSymbolCellStepV + 0.034f;
  return {u0, v0, u0 + kSymbolWindowU, v0 + kSymbolWindowV};
}

// [SECTION] font glyphs

TVTLFontGlyph fontGlyph(int32_t slot, uint8_t character, float scale) {
  const TVTLFontSlot& f = fontSlots[slot];
  const float tf = vtl.textFactor;
  TVTLFontGlyph g{};
  float s = scale * 0.91f * 1.22f;
  g.character = character;
  g.sizeFactor = 1;
  const bool smallCapital = f.smallCaps && isSmallCapital(character);
  if (smallCapital) {
    g.character = upperCase(character);
    g.sizeFactor = 0.85f;
    s *= 0.85f;
  }
  g.width = float(f.widths[g.character]) / 100.0f;
  const float tw = 0.94f * kFontCellWidth * g.width * 1.2f;
  const float th = 0.94f * kFontCellHeight;
  const float u0 = float(g.character % 16) * kFontCellWidth - 0.1f * tw;
  const float v0 = float(15 - g.character / 16) * kFontCellHeight - 0.04f * th;
  g.window = {u0, v0, u0 + tw, v0 + th};
  g.quadHeight = 0.1f * s * f.sizeScale;
  g.quadWidth = 0.1f * s * g.width * 1.2f * 1.15f * 0.96f * tf * f.sizeScale * f.widthScale;
  if (smallCapital) g.quadWidth *= 1.1f;
  g.advance = 0.7f * g.quadWidth + 0.046368f * s * tf * f.letterSpacing;
  return g;
}

void drawFontGlyph(uint8_t character, int32_t effect, float alpha, float scale) {
  if (character == 10 || character == 13) return;
  if (!LArray<TVTLFontSlot, 0, 5>::inRange(currentFont)) return;
  const TVTLFontSlot& f = fontSlots[currentFont];
  if (f.texture < 0 || f.textureFile[0] == 0 || !engineGLReady()) return;
  const TVTLFontGlyph g = fontGlyph(currentFont, character, scale);
  const float s = scale * 0.91f * 1.22f * g.sizeFactor;
  glBindTexture(GL_TEXTURE_2D, GLuint(f.texture));
  glColor4f(f.glyphColour[0], f.glyphColour[1], f.glyphColour[2], alpha);
  float dx = 0.03f * s - 0.002f;
  float dy = 0.006f * s;
  if (g.sizeFactor != 1) {
    dx += 0.0065f * s;
    dy += 0.0035f * s;
  }
  dy -= f.baselineShift / 639.0f * s * 0.8f;
  glTranslatef(dx, dy, 0);
  glTranslatef(-0.056f * g.quadWidth, 0, 0);
  if (effect == kGlyphShadow)
    shadowQuad(g.window, g.quadWidth, g.quadHeight);
  else
    texturedQuad(g.window, g.quadWidth, g.quadHeight);
  glTranslatef(-dx, -dy, 0);
  glTranslatef(0.756f * g.quadWidth, 0, 0);
  glTranslatef(0.046368f * s * vtl.textFactor * f.letterSpacing, 0, 0);
}

// [SECTION] symbol glyphs

namespace {
float symbolHalfWidth(uint8_t character) {
  const std::string one(1, char(character));
  return textWidth(one, false) / 2 * appopt.textSpacing;
}
}  // namespace

float symbolGlyphAdvance(uint8_t character, float scale) {
  if (character == 5) return 0;
  return 2 * scale * symbolHalfWidth(character) / 15;
}

void drawChar(uint8_t character, float alpha, int32_t effect, float scale) {
  if (character >= 31 && character != 137 && character != 138) {
    drawFontGlyph(character, effect, alpha, scale);
    return;
  }
  if (!engineGLReady()) return;
  const TVTLGlyphWindow window = symbolGlyphWindow(symbolGlyphCell(iconGlyph(character)));
  glBindTexture(GL_TEXTURE_2D, GLuint(engineTextures.fontTexture));
  const float w0 = symbolHalfWidth(character);
  float qh = 0.1f * scale;
  float qw = 0.1f * scale * 0.8f * vtl.textFactor;
  if (effect > 0) qw = 0.1f * scale * float(effect) / 1000.0f;  // the underline's width
  if (character == 5) {
    qw = 0.84f * scale;  // a long flat bar
    qh = 0.05f;
  } else {
    if (effect > 0) glTranslatef(scale * w0 / 60, 0, 0);
    glTranslatef(scale * w0 / 15, 0, 0);
    qw *= 0.95f;
  }
  if (effect == kGlyphShadow)
    shadowQuad(window, qw, qh);
  else
    texturedQuad(window, qw, qh);
  if (effect > 0)
    glTranslatef(-scale * w0 / 12, 0, 0);
  else
    glTranslatef(scale * w0 / 15, 0, 0);
}

// [SECTION] marked characters

namespace {
// One fan of the disc. Rim points up to the fraction are all used, later ones every tenth.
void discFan(float cx, float cy, float qw, float qh, float ox, float oy, float radius, int32_t filled, bool allRim,
             float centreGrey, float centreAlpha, float rimAlpha) {
  glBegin(GL_TRIANGLE_FAN);
  glColor4f(centreGrey, centreGrey, centreGrey, centreAlpha);
  glVertex2f(cx, cy);
  glColor4f(centreGrey, centreGrey, centreGrey, rimAlpha);
  for (int32_t k = 0; k <= 100; ++k) {
    if (k > filled && (!allRim || k % 10 != 0)) continue;
    const double a = 2 * kPi * k / 100;
    const float x = float((0.4 * qw - std::sin(a) * qw * 0.5 * radius) * 1.15 + ox);
    const float y = float(0.58 * qh + std::cos(a) * qh * 0.5 * radius + oy);
    glVertex2f(x, y);
  }
  glEnd();
}
}  // namespace

void drawMarkedChar(uint8_t character, float alpha, int32_t effect, float scale) {
  if (effect < 0 || !engineGLReady()) return;
  const int32_t filled = int32_t(character) - 100;  // rim points k <= this lie in the sector
  const float qh = 0.1f * scale;
  const float qw = 0.1f * scale * 0.8f * vtl.textFactor / 1.18f;
  const float ox = (cg.gs.akspieler == 1 ? 2.0f : 5.0f) / 639.0f;
  const float oy = 1.5f / 639.0f;
  const float cx = 0.46f * qw + ox;
  const float cy = 0.58f * qh + oy;
  glDisable(GL_TEXTURE_2D);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  discFan(cx, cy, qw, qh, ox, oy, 1.0f, filled, true, 0, 0.8f * alpha, 0.55f * alpha);
  glTranslatef(0, 0, 0.002f);
  discFan(cx, cy, qw, qh, ox, oy, 0.95f, filled, false, 1, alpha, 0.6f * alpha);
  glTranslatef(0, 0, -0.002f);
  glEnable(GL_TEXTURE_2D);
  glColor4f(1, 1, 1, alpha);
  bindFontTexture();
}
