// The options dialog's GL selectors on a real context under Xvfb: the context set-up follows
// the entries they show (a fresh dialog keeps culling and the depth test on), and the GL
// information reads the context's own values.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <string>

#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_dialogs.h"
#include "engine/engine_form.h"
#include "engine/engine_options.h"
#include "engine/engine_services.h"
#include "engine/gl_context.h"
#include "engine/gl_setup.h"
#include "engine/message_box.h"
#include "engine/window_layout.h"
#include "platform/window.h"

namespace {
class EngineDialogsGLTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetEngineModel();
    resetWindowLayout();
    createMessageDialogs();
    createEngineDialogs();
    winSetBackend(WindowBackend::sdl);
    ASSERT_TRUE(winOpen("Skat", 640, 480)) << winLastError();
  }
  void TearDown() override {
    destroyGLContext();
    winClose();
    winSetBackend(WindowBackend::null);
    resetWindowLayout();
    resetEngineModel();
  }
  static void show(TVTLGLSelector s, int32_t entry) { setTopIndex(appopt.opt.dialog, appopt.opt.glSelectors[s], entry); }
};

GLint integer(GLenum name) {
  GLint v = -1;
  glGetIntegerv(name, &v);
  return v;
}
}  // namespace

TEST_F(EngineDialogsGLTest, TheContextFollowsTheSelectorsAndAFreshDialogKeepsTheDefaults) {
  struct Row {
    const char* what;
    int32_t cull, depth, material, blend;
    bool culling, depthTest, colourMaterial;
    GLint materialMode;
    bool blendOff;
  } const rows[] = {
      {"as built", 0, 0, 0, 0, true, true, true, GL_DIFFUSE, false},
      {"all off", 2, 2, 1, 2, false, false, false, 0, true},
      {"emission", 1, 1, 2, 1, true, true, true, GL_EMISSION, false},
      {"ambient and diffuse", 1, 2, 6, 1, true, false, true, GL_AMBIENT_AND_DIFFUSE, false},
  };
  for (const Row& r : rows) {
    if (r.cull) {
      show(glsCullFace, r.cull);
      show(glsDepthTest, r.depth);
      show(glsColourMaterial, r.material);
      show(glsBlend, r.blend);
    }
    initGL();
    ASSERT_TRUE(engineGLReady()) << r.what;
    EXPECT_EQ(glIsEnabled(GL_CULL_FACE) != 0, r.culling) << r.what;
    EXPECT_EQ(glIsEnabled(GL_DEPTH_TEST) != 0, r.depthTest) << r.what;
    EXPECT_EQ(glIsEnabled(GL_COLOR_MATERIAL) != 0, r.colourMaterial) << r.what;
    if (r.colourMaterial) {
      EXPECT_EQ(integer(GL_COLOR_MATERIAL_PARAMETER), r.materialMode) << r.what;
    }
    EXPECT_EQ(blendDisabled, r.blendOff) << r.what;
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << r.what;
    destroyGLContext();
  }
}

TEST_F(EngineDialogsGLTest, GLInformationShowsTheContextsOwnValues) {
  initGL();
  ASSERT_TRUE(engineGLReady());
  showGLInfo();
  const std::string text = getElementText(vtl.noticeDialog, vtl.noticeTextElement);
  EXPECT_NE(text.find("GL_STENCIL_BITS=" + std::to_string(integer(GL_STENCIL_BITS)) + ", "), std::string::npos) << text;
  EXPECT_NE(text.find("GL_STENCIL_FAIL=" + std::to_string(GL_KEEP) + ", "), std::string::npos) << text;
  EXPECT_EQ(text.find("GL_DEPTH_BITS=0,"), std::string::npos) << "a real context has a depth buffer: " << text;
}
