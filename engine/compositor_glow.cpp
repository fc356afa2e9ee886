// The glow frame around dialogs, the screen and the loading screen: four thin strips from the
// glow region of the element atlas, mitred where they meet, and the title-bar band.
#include <GL/gl.h>

#include "engine/compositor.h"
#include "engine/engine_form.h"
#include "engine/gl_context.h"
#include "engine/picture_primitives.h"

namespace {
// The picture plane, a little nearer than the pictures so the glow lies over them.
constexpr GLfloat kPlaneX = -0.635f, kPlaneY = 0.476f, kPlaneZ = -1.5f - 0.005f;
constexpr float kPositionUnit = 637.0f, kSizeUnit = 639.0f;
constexpr int32_t kStrip = 3;   // strip thickness and the corner pull-in, units
constexpr int32_t kBand = 26;   // height of the title-bar band, units
constexpr float kBandFade = 24;  // the band fades in over this length at each end, units
constexpr float kBandTopAlpha = 0.7f, kBandBottomAlpha = 0.3f;

float px(float x) { return x / kSizeUnit; }
float py(float y) { return -y / kSizeUnit; }

// Each strip resets the matrix to the picture plane; `fixed` leaves out the scene offset,
// which is 0 throughout, so both forms place the strip alike.
void beginPiece(float x, float y) {
  glLoadIdentity();
  glTranslatef(kPlaneX, kPlaneY, kPlaneZ);
  glTranslatef(x / kPositionUnit, -y / kPositionUnit, 0);
}

void vertex(float u, float v, float x, float y) {
  glTexCoord2f(u, v);
  glVertex3f(px(x), py(y), 0);
}

// One strip at (x, y) of `length` along its direction and kStrip across; the inner side's
// corners are pulled in by kStrip at both ends so neighbouring strips meet on a mitre. Across
// the strip the texture runs from the glow window's outer edge (v0) to its inner edge (v1).
enum class Side { top, bottom, left, right };
void drawFrameGlowPiece(float x, float y, float length, Side side) {
  beginPiece(x, y);
  const float s = float(kStrip), L = length;
  const float u0 = kGlowWindow.u0, u1 = kGlowWindow.u1, outer = kGlowWindow.v0, inner = kGlowWindow.v1;
  glBegin(GL_QUADS);
  switch (side) {
    case Side::top:
      vertex(u0, outer, 0, 0), vertex(u0, inner, s, s), vertex(u1, inner, L - s, s), vertex(u1, outer, L, 0);
      break;
    case Side::bottom:
      vertex(u0, inner, s, 0), vertex(u0, outer, 0, s), vertex(u1, outer, L, s), vertex(u1, inner, L - s, 0);
      break;
    case Side::left:
      vertex(u0, outer, 0, 0), vertex(u1, outer, 0, L), vertex(u1, inner, s, L - s), vertex(u0, inner, s, s);
      break;
    case Side::right:
      vertex(u0, inner, 0, s), vertex(u1, inner, 0, L - s), vertex(u1, outer, s, L), vertex(u0, outer, s, 0);
      break;
  }
  glEnd();
}

// The title-bar band: transparent at its ends, 0.7 of the alpha along its top and 0.3 along
// its bottom.
void drawBand(float x, float y, float length, float alpha) {
  if (length <= 0) return;
  beginPiece(x, y);
  const float fade = length > 2 * kBandFade ? kBandFade : length / 2;
  const float xs[4] = {0, fade, length - fade, length};
  const float us[4] = {kGlowWindow.u0, kGlowWindow.u0, kGlowWindow.u1, kGlowWindow.u1};
  glBegin(GL_QUAD_STRIP);
  for (int i = 0; i < 4; i++) {
    const bool outer = i == 0 || i == 3;
    glColor4f(1, 1, 1, outer ? 0.0f : kBandTopAlpha * alpha);
    vertex(us[i], kGlowWindow.v0, xs[i], 0);
    glColor4f(1, 1, 1, outer ? 0.0f : kBandBottomAlpha * alpha);
    vertex(us[i], kGlowWindow.v1, xs[i], float(kBand));
  }
  glEnd();
}
}  // namespace

void drawFrameGlow(int32_t x, int32_t y, int32_t width, int32_t height, bool, bool inner, bool edges, float alpha) {
  if (!engineGLReady()) return;
  const float a = 0.8f * alpha;
  // Without the atlas the glow is drawn plain, so frames stay visible.
  const int32_t atlas = engineTextures.elementAtlas;
  if (atlas > 0 && !vtl.dev.wireframePass) {
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, GLuint(atlas));
  } else {
    glDisable(GL_TEXTURE_2D);
  }
  glColor4f(1, 1, 1, a);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glDisable(GL_LIGHTING);
  if (edges) {
    drawFrameGlowPiece(float(x), float(y), float(width + 3), Side::top);
    drawFrameGlowPiece(float(x), float(y + height - kStrip), float(width + 3), Side::bottom);
    drawFrameGlowPiece(float(x), float(y), float(height + 2), Side::left);
    drawFrameGlowPiece(float(x + width - kStrip), float(y), float(height + 2), Side::right);
  }
  if (inner) drawBand(float(x + 3), float(y + 3), float(width - 6), a);
  if (!appopt.noLighting) glEnable(GL_LIGHTING);
  glDisable(GL_BLEND);
}
