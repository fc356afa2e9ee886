// GL context state, lights, viewport and camera.
#include "engine/gl_setup.h"

#include <GL/gl.h>
#include <GL/glu.h>

bool blendDisabled = false;

namespace {
// Light table: position, diffuse, specular, ambient (all four channels alike), spot.
struct LightRow {
  GLenum light;
  GLfloat position[4];
  GLfloat diffuse, specular, ambient;
  GLfloat spotDirection[3];
  bool spot;  // light 0 is a spot: exponent 128, cut-off 10 degrees
};
constexpr LightRow kLights[] = {
    {GL_LIGHT0, {0.6f, 3.2f, 15.0f, 1.0f}, 0.85f, 0.85f, 0.35f, {0.0f, -0.15f, -1.0f}, true},
    {GL_LIGHT1, {0.6f, 3.2f, 15.0f, 1.0f}, 0.0f, 0.0f, 0.2f, {0.0f, 0.15f, 0.3f}, false},
};

// GL modes of the colour-material items 2..6.
constexpr GLenum kColourMaterialModes[] = {GL_EMISSION, GL_AMBIENT, GL_DIFFUSE, GL_SPECULAR, GL_AMBIENT_AND_DIFFUSE};

constexpr GLfloat kFogStart = 12.0f, kFogEnd = 40.0f;

void setLight(const LightRow& l) {
  const GLfloat diffuse[4] = {l.diffuse, l.diffuse, l.diffuse, l.diffuse};
  const GLfloat specular[4] = {l.specular, l.specular, l.specular, l.specular};
  const GLfloat ambient[4] = {l.ambient, l.ambient, l.ambient, l.ambient};
  glLightfv(l.light, GL_POSITION, l.position);
  glLightfv(l.light, GL_DIFFUSE, diffuse);
  glLightfv(l.light, GL_SPECULAR, specular);
  glLightfv(l.light, GL_AMBIENT, ambient);
  glLightfv(l.light, GL_SPOT_DIRECTION, l.spotDirection);
  if (l.spot) {
    glLightf(l.light, GL_SPOT_EXPONENT, 128.0f);
    glLightf(l.light, GL_SPOT_CUTOFF, 10.0f);
  }
}

void enableIf(GLenum cap, bool on) {
  if (on)
    glEnable(cap);
  else
    glDisable(cap);
}
}  // namespace

void setupLights() {
  for (const LightRow& l : kLights) setLight(l);
}

void glSetupContextState(const TVTLGLChoices& choices, bool wireframe) {
  glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
  glClearDepth(1.0);
  glEnable(GL_CULL_FACE);
  glShadeModel(GL_SMOOTH);
  glEnable(GL_LIGHT0);
  setupLights();
  glDepthFunc(GL_LEQUAL);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_CULL_FACE);
  glDisable(GL_BLEND);
  glDisable(GL_ALPHA_TEST);
  glEnable(GL_COLOR_MATERIAL);
  glColorMaterial(GL_FRONT_AND_BACK, GL_DIFFUSE);
  enableIf(GL_TEXTURE_2D, !wireframe);
  glEnable(GL_LIGHTING);
  glEnable(GL_LIGHT0);
  glEnable(GL_LIGHT1);
  glApplyChoices(choices);
  glEnable(GL_FOG);
  glFogi(GL_FOG_MODE, GL_LINEAR);
  glFogf(GL_FOG_START, kFogStart);
  glFogf(GL_FOG_END, kFogEnd);
}

void glApplyChoices(const TVTLGLChoices& choices) {
  enableIf(GL_CULL_FACE, choices.cullFace == 1);
  enableIf(GL_DEPTH_TEST, choices.depthTest == 1);
  if (choices.colourMaterial >= 2 && choices.colourMaterial <= 6) {
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT_AND_BACK, kColourMaterialModes[choices.colourMaterial - 2]);
  } else {
    glDisable(GL_COLOR_MATERIAL);
  }
  blendDisabled = choices.blend != 1;
}

void glApplyViewport(const TVTLViewport& v) {
  glViewport(v.x, v.y, v.width, v.height);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(v.fovY, v.aspect, v.zNear, v.zFar);
  glMatrixMode(GL_MODELVIEW);
}

void glPlaceCamera() {
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  gluLookAt(0.0, 50.0, 20.0, 0.0, 10.0, -30.0, 0.0, 1.0, 0.0);
}
