// The engine's GL state on a real context under Xvfb: global switches, fog, lights, and the
// viewport and projection that the window's shape gives.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>

#include "engine/gl_setup.h"
#include "engine/window_layout.h"
#include "platform/window.h"

namespace {
class GLStateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetWindowLayout();
    winSetBackend(WindowBackend::sdl);
    ASSERT_TRUE(winOpen("Skat", 640, 480)) << winLastError();
    ASSERT_TRUE(winCreateContext()) << winLastError();
  }
  void TearDown() override {
    winClose();
    winSetBackend(WindowBackend::null);
    resetWindowLayout();
  }
};

float lightValue(GLenum light, GLenum what, int i) {
  GLfloat v[4] = {-1, -1, -1, -1};
  glGetLightfv(light, what, v);
  return v[i];
}
}  // namespace

TEST_F(GLStateTest, ContextStateAfterSetUp) {
  glSetupContextState(TVTLGLChoices(), false);
  EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
  EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
  EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
  EXPECT_TRUE(glIsEnabled(GL_LIGHT1));
  EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
  EXPECT_TRUE(glIsEnabled(GL_FOG));
  EXPECT_FALSE(glIsEnabled(GL_BLEND));
  EXPECT_FALSE(glIsEnabled(GL_ALPHA_TEST));
  GLint v = 0;
  glGetIntegerv(GL_DEPTH_FUNC, &v);
  EXPECT_EQ(v, GL_LEQUAL);
  glGetIntegerv(GL_COLOR_MATERIAL_PARAMETER, &v);
  EXPECT_EQ(v, GL_DIFFUSE);
  glGetIntegerv(GL_UNPACK_ALIGNMENT, &v);
  EXPECT_EQ(v, 1);
  glGetIntegerv(GL_FOG_MODE, &v);
  EXPECT_EQ(v, GL_LINEAR);
  GLfloat f = 0;
  glGetFloatv(GL_FOG_START, &f);
  EXPECT_FLOAT_EQ(f, 12.0f);
  glGetFloatv(GL_FOG_END, &f);
  EXPECT_FLOAT_EQ(f, 40.0f);
  EXPECT_FALSE(blendDisabled);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(GLStateTest, SelectorsAndWireframe) {
  TVTLGLChoices c;
  c.cullFace = 2;
  c.depthTest = 2;
  c.colourMaterial = 6;
  c.blend = 2;
  glSetupContextState(c, true);
  EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
  EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
  EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
  GLint v = 0;
  glGetIntegerv(GL_COLOR_MATERIAL_PARAMETER, &v);
  EXPECT_EQ(v, GL_AMBIENT_AND_DIFFUSE);
  EXPECT_TRUE(blendDisabled);
  c.colourMaterial = 1;
  glApplyChoices(c);
  EXPECT_FALSE(glIsEnabled(GL_COLOR_MATERIAL));
}

TEST_F(GLStateTest, Lights) {
  setupLights();
  EXPECT_FLOAT_EQ(lightValue(GL_LIGHT0, GL_DIFFUSE, 2), 0.85f);
  EXPECT_FLOAT_EQ(lightValue(GL_LIGHT0, GL_AMBIENT, 3), 0.35f);
  EXPECT_FLOAT_EQ(lightValue(GL_LIGHT0, GL_POSITION, 2), 15.0f);
  EXPECT_FLOAT_EQ(lightValue(GL_LIGHT0, GL_SPOT_EXPONENT, 0), 128.0f);
  EXPECT_FLOAT_EQ(lightValue(GL_LIGHT0, GL_SPOT_CUTOFF, 0), 10.0f);
  EXPECT_FLOAT_EQ(lightValue(GL_LIGHT1, GL_DIFFUSE, 0), 0.0f);
  EXPECT_FLOAT_EQ(lightValue(GL_LIGHT1, GL_AMBIENT, 0), 0.2f);
  EXPECT_FLOAT_EQ(lightValue(GL_LIGHT1, GL_SPOT_DIRECTION, 2), 0.3f);
}

TEST_F(GLStateTest, ViewportAndProjectionOfA169Window) {
  classifyAspect(1366, 768);
  glApplyViewport(setViewportValues(1366, 768, 768, false, false));
  GLint vp[4] = {0, 0, 0, 0};
  glGetIntegerv(GL_VIEWPORT, vp);
  EXPECT_EQ(vp[2], 1365);
  EXPECT_EQ(vp[3], 768);
  GLdouble m[16];
  glGetDoublev(GL_PROJECTION_MATRIX, m);
  const double f = 1.0 / std::tan(35.25 / 2 * M_PI / 180);
  EXPECT_NEAR(m[5], f, 1e-6);
  EXPECT_NEAR(m[0], f / (16.0 / 9.0), 1e-6);
  EXPECT_NEAR(m[10], -(50.0 + 1.0) / (50.0 - 1.0), 1e-6);
  GLint mode = 0;
  glGetIntegerv(GL_MATRIX_MODE, &mode);
  EXPECT_EQ(mode, GL_MODELVIEW);
}

TEST_F(GLStateTest, CameraLooksDownAtTheTable) {
  glPlaceCamera();
  GLdouble m[16];
  glGetDoublev(GL_MODELVIEW_MATRIX, m);
  // The eye (0, 50, 20) maps to the origin: the translation column is -R * eye.
  const double eye[3] = {0, 50, 20};
  for (int row = 0; row < 3; row++) {
    const double t = -(m[row] * eye[0] + m[4 + row] * eye[1] + m[8 + row] * eye[2]);
    EXPECT_NEAR(m[12 + row], t, 1e-4);  // GL keeps single precision
  }
  // The view direction (0, -40, -50) normalised is the negated third row.
  const double len = std::sqrt(40.0 * 40 + 50 * 50);
  EXPECT_NEAR(-m[2], 0.0, 1e-6);
  EXPECT_NEAR(-m[6], -40 / len, 1e-6);
  EXPECT_NEAR(-m[10], -50 / len, 1e-6);
}
