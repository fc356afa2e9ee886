// The shine over the card table, the soft-shadow blur and the window-sized effect textures.
// [SECTION] effect textures
// [SECTION] shine
// [SECTION] shine passes of the frame step
// [SECTION] soft-shadow blur
#include "engine/screen_effects.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "engine/engine_form.h"
#include "engine/engine_options.h"
#include "engine/engine_services.h"
#include "engine/gl_context.h"
#include "engine/picture_primitives.h"
#include "engine/skins.h"
#include "engine/window_shape.h"
#include "platform/window.h"
#include "shell/shell_state.h"

uint32_t blurTexture = 0;
TVTLEffectTextureSize effectTextureSize;
TVTLSceneLayerFn drawSceneLayerHook = nullptr;

// [SECTION] effect textures

namespace {
int32_t nextPowerOfTwo(int32_t n) {
  int32_t p = 1;
  while (p < n && p < (1 << 30)) p <<= 1;
  return p;
}

void makeEffectTexture(uint32_t& name, int32_t width, int32_t height) {
  GLuint t = 0;
  glGenTextures(1, &t);
  name = t;
  glBindTexture(GL_TEXTURE_2D, t);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  // The contents do not matter: every use copies the frame in first.
  glTexImage2D(GL_TEXTURE_2D, 0, 3, width, height, 0, GL_RGB, GL_UNSIGNED_BYTE, nullptr);
}

void deleteEffectTexture(uint32_t& name) {
  if (name > 0) {
    const GLuint t = name;
    glDeleteTextures(1, &t);
  }
  name = 0;
}
}  // namespace

bool createEffectTextures() {
  if (!engineGLReady()) return true;
  deleteEffectTexture(blurTexture);
  deleteEffectTexture(glassTexture);
  int32_t width = 0, height = 0;
  winClientSize(width, height);
  if (width <= 0 || height <= 0) {
    effectTextureSize = {};
    return true;
  }
  GLint maxSize = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
  TVTLEffectTextureSize s;
  s.width = std::min(width, int32_t(maxSize));
  s.height = std::min(height, int32_t(maxSize));
  // GL before 2.0 holds only power-of-two sizes: pad, and let the users scale their
  // texture coordinates by width / textureWidth.
  const bool exact = vtl.glVersion == 0 || vtl.glVersion >= 20;
  s.textureWidth = exact ? s.width : std::min(nextPowerOfTwo(s.width), int32_t(maxSize));
  s.textureHeight = exact ? s.height : std::min(nextPowerOfTwo(s.height), int32_t(maxSize));
  effectTextureSize = s;
  makeEffectTexture(blurTexture, s.textureWidth, s.textureHeight);
  makeEffectTexture(glassTexture, s.textureWidth, s.textureHeight);
  glBindTexture(GL_TEXTURE_2D, 0);
  return true;
}

// [SECTION] shine

namespace {
// The class's aspect value where the table plane grows with the window (16:9, 16:10, and for
// the blur also the free wide ratios); 0 where it keeps its 4:3 width.
double wideGrowthAspect(bool withFree) {
  if (aspectState.aspect169) return 16.0 / 9.0;
  if (aspectState.aspect1610) return 1.6;
  if (withFree && aspectState.aspectFree) return screenAspect;
  return 0;
}

void widen(TVTLEffectQuad& q, double aspect) {
  if (aspect <= 0) return;
  const double wide = q.width * aspect * 3.0 / 4.0;
  q.x0 -= (wide - q.width) / 2;
  q.width = wide;
}

// The table plane both effects lie on.
void tablePlane(double z) {
  glTranslated(-0.44, -3.6, 0);
  glTranslated(0, 2.4, 0);
  glTranslated(-1.62, 3.15, z);
}

constexpr double kShineDepth = -4.97;

void beginScreenQuad(GLuint texture, GLenum source, GLenum dest, float alpha) {
  glBindTexture(GL_TEXTURE_2D, texture);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glEnable(GL_BLEND);
  glBlendFunc(source, dest);
  glColor4f(1, 1, 1, alpha);
  glDisable(GL_LIGHTING);
  glEnable(GL_TEXTURE_2D);
  glDepthMask(GL_FALSE);
  glDisable(GL_DEPTH_TEST);
}

void endScreenQuad() {
  glDepthMask(GL_TRUE);
  glEnable(GL_DEPTH_TEST);
}
}  // namespace

TVTLEffectQuad shineQuad() {
  TVTLEffectQuad q{-(0.006 * 4.62) - 0.9999, 0.02 + 0.345, 4.62 * 1.336, -3.625 * 1.276};
  widen(q, wideGrowthAspect(false));
  return q;
}

bool drawStencilOverlay(int32_t, int32_t texture, float alpha) {
  if (!engineGLReady() || texture <= 0) return true;
  beginScreenQuad(GLuint(texture), GL_SRC_ALPHA, GL_ONE, alpha);
  const TVTLEffectQuad q = shineQuad();
  const double w = q.width, h = q.height;
  tablePlane(0);
  glTranslated(q.x0, q.y0, kShineDepth);
  glTranslated(w / 2, h / 2, 0);
  glRotated(-20, 1, 0, 0);
  glTranslated(-w / 2, -h / 2, 0);
  glTranslated(-w, -h, 0);
  // Three times the extent; the picture repeats about five times across it.
  constexpr double lo = 0.5 - 2.475, hi = 0.5 + 2.475;
  glBegin(GL_TRIANGLE_FAN);
  glTexCoord2d(0.5, 0.5), glVertex2d(3 * w / 2, 3 * h / 2);
  glTexCoord2d(lo, hi), glVertex2d(0, 0);
  glTexCoord2d(lo, lo), glVertex2d(0, 3 * h);
  glTexCoord2d(hi, lo), glVertex2d(3 * w, 3 * h);
  glTexCoord2d(hi, hi), glVertex2d(3 * w, 0);
  glTexCoord2d(lo, hi), glVertex2d(0, 0);
  glEnd();
  endScreenQuad();
  return true;
}

// [SECTION] shine passes of the frame step

bool shinePassesWanted() {
  return appopt.reflection && (screenMode == 1 || screenMode == 2) && appopt.detailLevel >= 3;
}

namespace {
void beginStencilMark() {
  glPushAttrib(GL_COLOR_BUFFER_BIT | GL_STENCIL_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_POLYGON_BIT);
  glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
  glDepthMask(GL_FALSE);
  glClear(GL_STENCIL_BUFFER_BIT);
  glEnable(GL_STENCIL_TEST);
  glStencilFunc(GL_ALWAYS, 0, 1);
  glStencilOp(GL_KEEP, GL_KEEP, GL_INCR);
  glEnable(GL_DEPTH_TEST);
}

void useStencilMark() {
  glPopAttrib();
  glEnable(GL_STENCIL_TEST);
  glStencilFunc(GL_NOTEQUAL, 0, 255);
  glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
  glDepthFunc(GL_LEQUAL);
}

void endStencilMark() {
  glDepthFunc(GL_LEQUAL);
  glDisable(GL_STENCIL_TEST);
}

void markSceneLayer(int32_t layer) {
  if (drawSceneLayerHook) {
    drawSceneLayerHook(layer, kShinePassCode);
    return;
  }
  static bool traced = false;
  if (!traced) {
    traced = true;
    logProtocol("shine passes: the table's scene layer is not available, no shine");
  }
}
}  // namespace

void drawShinePasses() {
  if (!engineGLReady() || !shinePassesWanted()) return;
  for (int32_t j = 0; j < 4; j++) {
    beginStencilMark();
    markSceneLayer(kShineLayers[j]);
    useStencilMark();
    drawStencilOverlay(2, engineTextures.shineTexture, kShineAlphas[j]);
    endStencilMark();
  }
}

// [SECTION] soft-shadow blur

namespace {
constexpr int32_t kBlurPasses = 20;
constexpr int32_t kBlurSkipped = 2;  // the first two passes draw nothing
constexpr double kBlurPlaneZ = -2.57, kBlurDepth = -4.97;
}  // namespace

TVTLEffectQuad blurQuad(int32_t i) {
  TVTLEffectQuad q{-(0.006 * 4.62) + 0.002 - 1.1 - 0.004, 0.02 - 0.003 + 0.42 + 0.003, 4.62 * 1.382, -3.625 * 1.318};
  widen(q, wideGrowthAspect(true));
  const double turn = 2 * M_PI * 5 * i / kBlurPasses, radius = 2.4 * i / kBlurPasses + 1.5;
  q.x0 += std::cos(turn) * 0.65 * radius * 0.005;
  q.y0 += std::sin(turn) * 1.15 * radius * 0.005;
  return q;
}

bool blurScreen(bool) {
  if (!engineGLReady() || vtl.noAuxBuffers || blurTexture == 0) return false;
  const TVTLEffectTextureSize& s = effectTextureSize;
  glReadBuffer(GL_AUX0);
  glBindTexture(GL_TEXTURE_2D, blurTexture);
  glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, s.width, s.height);
  glReadBuffer(GL_BACK);
  // A padded texture holds the copy in its lower left part.
  const double su = s.textureWidth > 0 ? double(s.width) / s.textureWidth : 1.0;
  const double sv = s.textureHeight > 0 ? double(s.height) / s.textureHeight : 1.0;
  for (int32_t i = kBlurSkipped + 1; i <= kBlurPasses; i++) {
    beginScreenQuad(blurTexture, GL_ZERO, GL_SRC_COLOR, 4.0f / kBlurPasses * 1.5f);
    tablePlane(kBlurPlaneZ);
    const TVTLEffectQuad q = blurQuad(i);
    const double x1 = q.x0 + q.width, y1 = q.y0 + q.height, z = kBlurDepth;
    glBegin(GL_TRIANGLE_FAN);
    glTexCoord2d(0.5 * su, 0.5 * sv), glVertex3d((q.x0 + x1) / 2, (q.y0 + y1) / 2, z);
    glTexCoord2d(0, sv), glVertex3d(q.x0, q.y0, z);
    glTexCoord2d(0, 0), glVertex3d(q.x0, y1, z);
    glTexCoord2d(su, 0), glVertex3d(x1, y1, z);
    glTexCoord2d(su, sv), glVertex3d(x1, q.y0, z);
    glTexCoord2d(0, sv), glVertex3d(q.x0, q.y0, z);
    glEnd();
    endScreenQuad();
  }
  return true;
}
