// The three picture primitives on the screen plane and their texture windows.
// [SECTION] texture windows
// [SECTION] drawPicture
// [SECTION] bars and strips
#include "engine/picture_primitives.h"

#include <GL/gl.h>

#include "engine/engine_form.h"
#include "engine/engine_options.h"
#include "engine/frames.h"
#include "engine/gl_context.h"
#include "engine/gl_setup.h"
#include "shell/env_param.h"
#include "shell/shell_state.h"

// [SECTION] texture windows

namespace {
constexpr float kPictureUnit = 637.0f;  // positions on the picture plane
constexpr float kSizeUnit = 639.0f;     // sizes of the quads
constexpr float kPlaneLeft = -0.635f, kPlaneTop = 0.476f, kPlaneDepth = -1.5f;
constexpr int32_t kAtlasIcons = 40;
constexpr int32_t kPlainButtonIcon = 1;
}  // namespace

void applySceneOffset() {}

TVTLTexWindow atlasWindow(int32_t picture, uint8_t mode) {
  if ((picture < 0 || picture >= kAtlasIcons) && mode != 4) return {0, 0, 1, 1};
  const int32_t column = picture % 8, row = picture / 8;
  // The plain button is the wide cell at the row's start: u 0 to 0.5, so that stretched wide
  // buttons never read the check-box cells beside it.
  if (picture == kPlainButtonIcon) return {0.0f, 0.0f, 0.5f, 0.2f};
  return {column * 0.125f, row * 0.2f, 0.125f, 0.2f};
}

TVTLTexWindow stripWindow(float s0, float s1, int32_t half) {
  if (half == 1) return {s0, 0.0f, s1 - s0, 0.5f};
  if (half == 2) return {s0, 0.5f, s1 - s0, 0.5f};
  return {s0, 0.0f, s1 - s0, 1.0f};
}

float pictureNudge(uint8_t mode, int32_t look, float pressDepth) {
  float n = 0;
  if (mode == 0 && look == 1) n = 0.0025f;
  if (look == 2) n -= 0.0025f;
  if (pressDepth <= 0.00001f) n = 0;
  return n;
}

int32_t pictureCorner(int32_t picture, int32_t height) {
  if (picture == -1) return height < 80 ? -36 : -15;
  if (picture == -5) return -12;
  if (picture == -4) return 2;
  return 12;
}

bool pictureTurnedForView() { return isViewFromAbove() && (screenMode == 1 || screenMode == 2); }

// [SECTION] drawPicture

namespace {
// Step 7 of every primitive: the states the rest of the frame expects.
void restoreStates() {
  if (!appopt.noLighting) glEnable(GL_LIGHTING);
  glDisable(GL_BLEND);
  if (!vtl.dev.wireframePass) glEnable(GL_TEXTURE_2D);
}

// Moves to the picture plane, to (x, y) and by the nudge.
void toPicturePlane(int32_t x, int32_t y, float nudge) {
  glLoadIdentity();
  glTranslatef(kPlaneLeft - nudge, kPlaneTop + nudge, kPlaneDepth);
  applySceneOffset();
  glTranslatef(float(x) / kPictureUnit, -float(y) / kPictureUnit, 0);
}

void texturedQuad(float w, float h, float u0, float v0, float u1, float v1) {
  glBegin(GL_QUADS);
  glTexCoord2f(u0, v0);
  glVertex2f(-w / 2, -h / 2);
  glTexCoord2f(u1, v0);
  glVertex2f(w / 2, -h / 2);
  glTexCoord2f(u1, v1);
  glVertex2f(w / 2, h / 2);
  glTexCoord2f(u0, v1);
  glVertex2f(-w / 2, h / 2);
  glEnd();
}

// The front shows the lower half of the icon's cell in texture space, the back after a half
// turn about x the other half.
void twoFacedIcon(const TVTLTexWindow& win, float w, float h) {
  const float u1 = win.u0 + win.du, half = win.dv / 2;
  texturedQuad(w, h, win.u0, win.v0, u1, win.v0 + half);
  glRotatef(180, 1, 0, 0);
  texturedQuad(w, h, win.u0, win.v0 + half, u1, win.v0 + win.dv);
}

// The view from above during a game tilts whole pictures with the table and doubles them.
void turnForView() {
  if (!pictureTurnedForView()) return;
  glRotatef(-25, 1, 0, 0);
  if (envParam.roomNo == 1) {
    glRotatef(-25, 0, 0, 1);
    glTranslatef(-0.313f, 0.313f, 0);
  } else if (envParam.roomNo == 3) {
    glRotatef(-70, 0, 0, 1);
  }
  glScalef(2, 2, 2);
}

// The special looks' colours; false when the picture has none.
bool specialColour(int32_t picture, float a) {
  switch (picture) {
    case -1: glColor4f(0, 0, 0, 0.4f * a); return true;
    case -2: glColor4f(1, 1, 1, 0.64f * a - 0.08f); return true;
    case -3: glColor4f(1, 1, 1, 0.45f * a); return true;
    case -4: glColor4f(1, 1, 1, a); return true;
    case -5: glColor4f(1, 1, 1, 0.4f * a); return true;
    default: return false;
  }
}
}  // namespace

void drawPicture(int32_t picture, int32_t x, int32_t y, int32_t width, int32_t height, float alpha, uint8_t mode,
                 float pressDepth, float blendSelector, bool flag, int32_t look, float repeatU, float repeatV,
                 float scale) {
  if (!engineGLReady()) return;
  const bool atlas = (picture >= 0 && picture < kAtlasIcons) || mode == 4;
  const TVTLTexWindow win = atlasWindow(picture, mode);
  const int32_t texture = atlas ? engineTextures.elementAtlas : picture;
  if (flag || blendDisabled)
    glDisable(GL_BLEND);
  else
    glEnable(GL_BLEND);
  glDisable(GL_LIGHTING);
  float a = 1;
  if (blendSelector == -8) {
    a = pressDepth;
  } else if (blendSelector == -7) {
    glBlendFunc(GL_ONE, GL_ONE);
    blendSelector = 0;
  } else {
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  }
  if (alpha < 1) a *= alpha;
  glColor4f(1, 1, 1, a);
  toPicturePlane(x, y, pictureNudge(mode, look, pressDepth));
  if (picture == -4)
    glTranslatef(0.05f * float(width) / kPictureUnit, -float(height) / 2 / kPictureUnit, 0);
  else
    glTranslatef(float(width) / 2 / kPictureUnit, -float(height) / 2 / kPictureUnit, 0);
  if (mode == 4) {
    if (blendSelector == 2) glTranslatef(0, 0, -0.1f);
    glRotatef(vtl.sceneParams[1], 1, 0, 0);
    glRotatef(vtl.sceneParams[2], 0, 1, 0);
    glRotatef(vtl.sceneParams[3], 0, 0, 1);
  }
  if (blendSelector == -8) {
    glDisable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, GLuint(texture));
    glColor4f(a, a, a, 1);
    glBlendFunc(GL_SRC_COLOR, GL_ONE_MINUS_SRC_COLOR);
    glEnable(GL_BLEND);
  } else {
    // Icon 0 is an atlas picture like the others: it is bound, not drawn plain.
    if (flag || picture < 0)
      glDisable(GL_TEXTURE_2D);
    else
      glBindTexture(GL_TEXTURE_2D, GLuint(texture));
    specialColour(picture, a);
    if (mode == 10) {
      glDisable(GL_BLEND);
      glColor4f(a, a, a, 1);
    }
    if (flag) glColor4f(blendSelector, 0, 0, a);
  }
  const float w = float(width) / kSizeUnit, h = float(height) / kSizeUnit;
  if (mode == 4) {
    twoFacedIcon(win, w, h);
  } else if (picture >= kAtlasIcons || flag) {
    turnForView();
    texturedQuad(w, h, 0, 0, repeatU * scale, repeatV);
  } else {
    if (picture == -4) glScalef(0.1f, 1, 1);
    const int32_t nudge = picture == kPlainButtonIcon ? -1 : 0;  // the stretched button keeps its ends
    drawWindowFrame(texture, 0, false, a, pictureCorner(picture, height), height, width, win, nudge);
  }
  restoreStates();
}

// [SECTION] bars and strips

void drawBarPicture(int32_t picture, int32_t x, int32_t y, int32_t width, int32_t height, float alpha, bool flag) {
  if (!engineGLReady()) return;
  glDisable(GL_LIGHTING);
  if (flag) {
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    glColor4f(1, 0, 0, alpha);
  } else {
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    if (picture == -1 || picture == -2) {
      glDisable(GL_TEXTURE_2D);
      glColor4f(0, 0, picture == -2 ? 1.0f : 0.0f, 0.4f * alpha);
    } else {
      glEnable(GL_TEXTURE_2D);
      glBindTexture(GL_TEXTURE_2D, GLuint(picture == skinIcons.knob ? engineTextures.elementAtlas : picture));
      glColor4f(1, 1, 1, alpha);
    }
  }
  toPicturePlane(x, y, 0);
  // Three bands down the atlas column u 0.625..0.75: an end cap, the stretched middle, an end cap.
  const float w = float(width) / kSizeUnit;
  const float cap = 5 / kSizeUnit, full = float(height) / kSizeUnit;
  const float u0 = 0.625f, u1 = 0.75f;
  auto band = [&](float top, float bottom, float v0, float v1) {
    glBegin(GL_QUADS);
    glTexCoord2f(u0, v1);
    glVertex2f(0, -top);
    glTexCoord2f(u0, v0);
    glVertex2f(0, -bottom);
    glTexCoord2f(u1, v0);
    glVertex2f(w, -bottom);
    glTexCoord2f(u1, v1);
    glVertex2f(w, -top);
    glEnd();
  };
  band(0, cap, 0.72f, 0.8f);
  band(cap, full - cap, 0.48f, 0.72f);
  band(full - cap, full, 0.4f, 0.48f);
  restoreStates();
}

void drawStripPicture(int32_t texture, int32_t x, int32_t y, int32_t width, int32_t height, float alpha, int32_t look,
                      float s0, float s1, int32_t half) {
  if (!engineGLReady()) return;
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glDisable(GL_LIGHTING);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, GLuint(texture));
  glColor4f(1, 1, 1, alpha);
  toPicturePlane(x, y, look == 2 ? -0.0025f : 0.0f);
  glTranslatef(float(width) / 2 / kPictureUnit, -float(height) / 2 / kPictureUnit, 0);
  const TVTLTexWindow win = stripWindow(s0, s1, half);
  texturedQuad(float(width) / kSizeUnit, float(height) / kSizeUnit, win.u0, win.v0, win.u0 + win.du, win.v0 + win.dv);
  restoreStates();
}
