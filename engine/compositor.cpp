// The compositor's frame: the wide projection, the help delay and caret blink, the three
// dialog layers with each dialog's set-up, background and glow frame, and the element walk
// that hands every element to its look.
// [SECTION] wide projection
// [SECTION] dialog set-up and background
// [SECTION] element walk
// [SECTION] the frame
#include "engine/compositor.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>

#include "engine/dialogs.h"
#include "engine/engine_form.h"
#include "engine/fonts.h"
#include "engine/frames.h"
#include "engine/gl_context.h"
#include "engine/gl_setup.h"
#include "engine/range_check.h"
#include "engine/skins.h"
#include "engine/window_layout.h"
#include "platform/tick.h"

bool scenePickFlag = false;

namespace {
// The dialog plane: depth 1.9, its top left seen at (-0.803, 0.605); positions in units of
// 1/502, the background quad's extents in units of 1/497.
constexpr GLfloat kPlaneX = -0.803f, kPlaneY = 0.605f, kPlaneZ = -1.9f;
constexpr double kPositionUnit = 502.0, kExtentUnit = 497.0;
// The skinned panel of backPicture -1 sits slightly right of and above the dialog's origin.
constexpr GLfloat kSkinnedPanelDX = 0.0547731f, kSkinnedPanelDY = -0.0156495f;
constexpr int32_t kSkinCornerA = 160, kSkinCornerB = 110;  // window style 4's dialog skin
constexpr double kNearPlane = 1.0, kFarPlane = 50.0;
constexpr float kWideTextFactor = 1.18f;  // textFactor outside the overlay in the wide classes

// The textures-off switch is the wireframe pass; the lighting-off switch the developer's.
bool texturesOff() { return vtl.dev.wireframePass; }
bool lightingOff() { return appopt.noLighting; }

void setTexturing(bool on) {
  if (on)
    glEnable(GL_TEXTURE_2D);
  else
    glDisable(GL_TEXTURE_2D);
}

void perspective(double aspect) {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(fieldOfView * 3.0 / 4.0, aspect, kNearPlane, kFarPlane);
  glMatrixMode(GL_MODELVIEW);
}
}  // namespace

// [SECTION] wide projection

bool wideProjectionClass() { return aspectState.aspect169 || aspectState.aspect1610 || aspectState.aspectFree; }

TVTLWideViewport wideViewport(int32_t windowWidth, double aspect) {
  const double wide = windowWidth * aspect * 3.0 / 4.0;
  return {roundEven((windowWidth - wide) * 0.5), roundEven(wide)};
}

void setWideProjection() {
  if (!wideProjectionClass()) return;
  const TVTLWideViewport v = wideViewport(windowLayout.viewWidth, screenAspect);
  if (engineGLReady()) {
    perspective(4.0 / 3.0);
    glViewport(v.x, 0, v.width, windowLayout.viewHeight);
  }
  vtl.textFactor = float(vtl.textFactor / 0.75 / screenAspect * 0.98);
  scenePickFlag = true;
}

void setWideViewport() {
  if (!wideProjectionClass()) return;
  if (engineGLReady()) {
    glViewport(0, 0, windowLayout.viewWidth, windowLayout.viewHeight);
    perspective(screenAspect);
  }
  vtl.textFactor = kWideTextFactor;
  scenePickFlag = false;
}

// [SECTION] dialog set-up and background

namespace {
void quad(double width, double height) {
  glBegin(GL_QUADS);
  glTexCoord2f(0, 1);
  glVertex3d(0, 0, 0);
  glTexCoord2f(0, 0);
  glVertex3d(0, -height, 0);
  glTexCoord2f(1, 0);
  glVertex3d(width, -height, 0);
  glTexCoord2f(1, 1);
  glVertex3d(width, 0, 0);
  glEnd();
}

void drawBackground(int32_t d, const TVTLDialog& dialog, float progress) {
  const int32_t style = appopt.windowStyle;
  const double w = dialog.width / kExtentUnit, h = dialog.height / kExtentUnit;
  switch (dialogBackgroundKind(dialog, style)) {
    case bgSkin:
      drawDialogBackground(0, kSkinCornerA, kSkinCornerB, dialog.x, dialog.y, dialog.width, dialog.height, progress,
                           0, backgroundDialogNumber(d, style));
      break;
    case bgSkinnedPanel:
      glTranslatef(kSkinnedPanelDX, kSkinnedPanelDY, 0);
      drawTexturedPanel(1, dialog.x, dialog.y, dialog.width, dialog.height, progress);
      glTranslatef(-kSkinnedPanelDX, -kSkinnedPanelDY, 0);
      break;
    case bgCurvedPanel: drawTexturedPanel(0, dialog.x, dialog.y, dialog.width, dialog.height, progress); break;
    case bgRoundedFrame:
      drawElementFrame(-7, false, progress, 3 * dialog.panelLevel, dialog.height,
                       dialog.x == 480 ? dialog.width + 100 : dialog.width);
      break;
    case bgPlain:
      glDisable(GL_TEXTURE_2D);
      quad(w, h);
      break;
    case bgTexture:
      glColor4f(1, 1, 1, dialog.colour[3]);
      setTexturing(!texturesOff());
      glBindTexture(GL_TEXTURE_2D, GLuint(dialog.backPicture));
      quad(w, h);
      glDisable(GL_TEXTURE_2D);
      break;
  }
}

// Steps 1 to 8 of a dialog: states, plane, colour, slide, background, glow. Returns the slide
// in units, which the elements add to their x.
float setUpDialog(int32_t d) {
  TVTLDialog& dialog = vtl.diags[d];
  const float progress = dialog.showAnim.progress;
  if (dialog.title.view() == "h") vtl.helpDialogDrawn = 1;
  vtl.drawingPopup = dialog.popup != 0 ? 1 : 0;

  glMatrixMode(GL_MODELVIEW);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  glLoadIdentity();
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_LIGHTING);
  if (blendDisabled)
    glDisable(GL_BLEND);
  else
    glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glTranslatef(kPlaneX, kPlaneY, kPlaneZ);  // the scene offset is 0: nothing to add
  glTranslated(dialog.x / kPositionUnit, -dialog.y / kPositionUnit, 0);

  const TVTLColour c = dialogFrameColour(d);
  dialog.colour[0] = c.r;
  dialog.colour[1] = c.g;
  dialog.colour[2] = c.b;
  dialog.colour[3] = c.a;
  glColor4f(c.r, c.g, c.b, c.a * progress);

  const bool fromLeft = dialog.x + dialog.width / 2 < 380;
  const float slide = float(getDialogShift(d, fromLeft, progress));
  drawBackground(d, dialog, progress);

  glDisable(GL_BLEND);
  setTexturing(!texturesOff());
  if (lightingOff())
    glDisable(GL_LIGHTING);
  else
    glEnable(GL_LIGHTING);

  const TVTLGlowRect g = dialogGlowRect(dialog);
  if (g.drawn) drawFrameGlow(g.x, g.y, g.width, g.height, false, g.inner, true, progress);
  return slide;
}

// [SECTION] element walk

void drawElement(int32_t d, int32_t e, float slide) {
  TVTLElement& el = vtl.diags[d].elements[e];
  currentFont = elementFont(e, el);
  const TElementPlace place = elementPlace(d, e, slide);
  if (el.kind == ekOwnerDrawn) {
    if (el.drawMethod.code) el.drawMethod.code(el.drawMethod.object, d, e);
    return;
  }
  drawElementLook(place);
}

void drawElements(int32_t d, float slide) {
  const int32_t count = std::clamp<int32_t>(vtl.diags[d].count, 0, kMaxElements);
  for (int32_t subPass = 1; subPass <= 2; subPass++)
    for (int32_t e = 1; e <= count; e++) {
      const TVTLElement& el = vtl.diags[d].elements[e];
      if (!elementInSubPass(el, subPass) || elementSkipped(el)) continue;
      drawElement(d, e, slide);
    }
}
}  // namespace

// [SECTION] the frame

void drawUI() { drawDialogs(0); }

void drawDialogs(uint8_t) {
  // The help delay and the caret run whenever the compositor runs, with or without a context.
  const uint32_t now = getTickCount();
  advanceHelpDelay(now);
  advanceCaretBlink(now);
  if (!engineGLReady()) return;
  setWideProjection();
  glDepthFunc(GL_ALWAYS);
  for (int32_t pass = 1; pass <= 3; pass++)
    for (int32_t d : dialogsOfPass(pass)) {
      const float slide = setUpDialog(d);
      drawElements(d, slide);
      vtl.helpDialogDrawn = 0;
    }
  vtl.drawingPopup = 0;
  if (windowLayout.screenFrame) drawFrameGlow(-2, -1, 813, 609, true, false, true, 1.0f);
  glDepthFunc(GL_LEQUAL);
  setWideViewport();
}
