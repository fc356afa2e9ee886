// Textured quads in screen units and the font texture's binding.
#include "engine/quads.h"

#include <GL/gl.h>

#include "engine/engine_options.h"
#include "engine/gl_context.h"
#include "engine/picture_primitives.h"

namespace {
constexpr float kPositionUnit = 497.0f;
constexpr float kSizeUnit = 639.0f;

struct QuadCoords {
  float s[4], t[4];  // at (0, 0), (0, -h), (w, -h), (w, 0)
};
constexpr QuadCoords kWhole{{0, 0, 1, 1}, {1, 0, 0, 1}};
constexpr QuadCoords kInset{{0.98f, 0.98f, 0.84f, 0.84f}, {0.03f, 0.21f, 0.21f, 0.03f}};

void quad(int32_t texture, int32_t width, int32_t height, float alpha, const QuadCoords& c, bool colourBlend) {
  const float w = float(width) / kSizeUnit, h = float(height) / kSizeUnit;
  glEnable(GL_TEXTURE_2D);
  glDisable(GL_LIGHTING);
  glEnable(GL_BLEND);
  glBindTexture(GL_TEXTURE_2D, GLuint(texture));
  glColor4f(alpha, alpha, alpha, alpha);
  if (colourBlend)
    glBlendFunc(GL_SRC_COLOR, GL_ONE_MINUS_SRC_COLOR);
  else
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  const float x[4] = {0, 0, w, w}, y[4] = {0, -h, -h, 0};
  glBegin(GL_QUADS);
  for (int i = 0; i < 4; ++i) {
    glTexCoord2f(c.s[i], c.t[i]);
    glVertex2f(x[i], y[i]);
  }
  glEnd();
}

void lightingBack() {
  if (!appopt.noLighting) glEnable(GL_LIGHTING);
}

void translatedQuad(int32_t texture, int32_t x, int32_t y, int32_t width, int32_t height, float alpha,
                    const QuadCoords& c) {
  if (!engineGLReady()) return;
  const float dx = float(x) / kPositionUnit, dy = float(y) / kPositionUnit;
  glTranslatef(dx, -dy, 0);
  quad(texture, width, height, alpha, c, false);
  glTranslatef(-dx, dy, 0);
  lightingBack();
}
}  // namespace

void drawQuad(int32_t texture, int32_t x, int32_t y, int32_t width, int32_t height, float alpha) {
  translatedQuad(texture, x, y, width, height, alpha, kWhole);
}

void drawQuadInset(int32_t texture, int32_t x, int32_t y, int32_t width, int32_t height, float alpha) {
  translatedQuad(texture, x, y, width, height, alpha, kInset);
}

void drawQuadColourBlend(int32_t texture, int32_t width, int32_t height, float alpha) {
  if (!engineGLReady()) return;
  quad(texture, width, height, alpha, kWhole, true);
  lightingBack();
}

void bindFontTexture() {
  if (!engineGLReady()) return;
  glBindTexture(GL_TEXTURE_2D, GLuint(engineTextures.fontTexture));
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}
