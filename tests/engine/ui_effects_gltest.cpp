// Screen effects in a real window: the effect textures follow the window's size, the shine
// lights only the pixels its stencil pass marked (strongest in the first pass, faint in the
// last), and the blur stays off without an auxiliary buffer.
#include <GL/gl.h>

#include "engine/gl_context.h"
#include "engine/screen_effects.h"
#include "engine/skins.h"
#include "shell/shell_state.h"
#include "tests/engine/ui_fixture.h"

namespace {
int32_t markedLayer = 0;  // the table layer the stand-in table marks; 0 none

// The stand-in table: its layer covers the left half of the window.
void markLeftHalf(int32_t layer, int32_t passCode) {
  EXPECT_EQ(passCode, kShinePassCode);
  if (layer != markedLayer) return;
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  glBegin(GL_QUADS);
  glVertex2f(-1, -1), glVertex2f(0, -1), glVertex2f(0, 1), glVertex2f(-1, 1);
  glEnd();
  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
}

GLint textureSize(uint32_t texture, GLenum what) {
  glBindTexture(GL_TEXTURE_2D, texture);
  GLint v = 0;
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, what, &v);
  return v;
}

class UiEffects : public UiFrame {
 protected:
  void SetUp() override {
    UiFrame::SetUp();
    drawSceneLayerHook = markLeftHalf;
    savedScreenMode_ = screenMode;
  }
  void TearDown() override {
    drawSceneLayerHook = nullptr;
    screenMode = savedScreenMode_;
    UiFrame::TearDown();
  }
  // The four shine passes over a grey frame; returns the left (marked) and right pixels.
  void shineOver(int32_t layer, Rgb& marked, Rgb& unmarked) {
    markedLayer = layer;
    glClearColor(40 / 255.0f, 40 / 255.0f, 40 / 255.0f, 1);
    glClearStencil(0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    drawShinePasses();
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    marked = pixel(256, 384);
    unmarked = pixel(768, 384);
  }

 private:
  uint8_t savedScreenMode_ = 0;
};
}  // namespace

TEST_F(UiEffects, EffectTexturesTakeTheNewWindowSizeAtEveryViewportChange) {
  ASSERT_GT(blurTexture, 0u);
  ASSERT_GT(glassTexture, 0u);
  EXPECT_EQ(textureSize(blurTexture, GL_TEXTURE_WIDTH), 1024);
  EXPECT_EQ(textureSize(glassTexture, GL_TEXTURE_HEIGHT), 768);
  resize(800, 600);
  EXPECT_EQ(textureSize(blurTexture, GL_TEXTURE_WIDTH), 800);
  EXPECT_EQ(textureSize(blurTexture, GL_TEXTURE_HEIGHT), 600);
  EXPECT_EQ(textureSize(glassTexture, GL_TEXTURE_WIDTH), 800);
  EXPECT_EQ(effectTextureSize.width, 800);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(UiEffects, TheShineLightsOnlyTheMarkedPixelsStrongestInTheFirstPass) {
  GLuint white = 0;
  glGenTextures(1, &white);
  glBindTexture(GL_TEXTURE_2D, white);
  const unsigned char texels[12] = {255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255};
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 2, 2, 0, GL_RGB, GL_UNSIGNED_BYTE, texels);
  engineTextures.shineTexture = int32_t(white);
  appopt.reflection = true;
  appopt.detailLevel = 3;
  screenMode = 1;
  Rgb marked{}, unmarked{};
  shineOver(2, marked, unmarked);  // the first pass marks layer 2: alpha 0.18
  EXPECT_NEAR(marked.g, 40 + 0.18 * 255, 4) << marked;
  EXPECT_EQ(unmarked.g, 40) << unmarked;
  shineOver(3, marked, unmarked);  // two passes mark layer 3: 0.14 each
  EXPECT_NEAR(marked.g, 40 + 0.28 * 255, 4) << marked;
  shineOver(1, marked, unmarked);  // the last pass, 0.032, is barely visible
  EXPECT_NEAR(marked.g, 40 + 0.032 * 255, 2) << marked;
  EXPECT_EQ(unmarked.g, 40);
  // No game on the table, or a low detail: no pass runs.
  screenMode = 0;
  shineOver(2, marked, unmarked);
  EXPECT_EQ(marked.g, 40);
  screenMode = 2;
  appopt.detailLevel = 2;
  shineOver(2, marked, unmarked);
  EXPECT_EQ(marked.g, 40);
  GLboolean stencil = GL_TRUE;
  glGetBooleanv(GL_STENCIL_TEST, &stencil);
  EXPECT_FALSE(stencil);
}

TEST_F(UiEffects, WithoutAnAuxiliaryBufferTheBlurDrawsNothing) {
  readGLCapabilities(true);
  ASSERT_TRUE(vtl.noAuxBuffers) << "llvmpipe under Xvfb has no auxiliary buffer";
  glClearColor(0.5f, 0.5f, 0.5f, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  EXPECT_FALSE(blurScreen(true));
  EXPECT_PRED3(near, pixel(512, 384), (Rgb{128, 128, 128}), 1);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}
