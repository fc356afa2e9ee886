// Drawing one element in its look: the plan is worked out without GL (by kind, in the looks_*
// files), then its steps are handed to the picture, panel and text primitives.
//
// [SECTION] planning by kind
// [SECTION] building blocks
// [SECTION] running a plan
#include "engine/element_looks.h"

#include <GL/gl.h>

#include <cmath>
#include <numbers>

#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_form.h"
#include "engine/fonts.h"
#include "engine/frames.h"
#include "engine/gl_context.h"
#include "engine/picture_primitives.h"
#include "engine/quads.h"
#include "engine/range_check.h"
#include "engine/skins.h"
#include "engine/window_shape.h"

// [SECTION] planning by kind

void drawElementLook(const TElementPlace& place) {
  TLookPlan plan;
  planElementLook(place, plan);
  runLookPlan(plan);
}

void planElementLook(const TElementPlace& place, TLookPlan& plan) {
  TVTLDialog& d = dialogOf(place.dialog);
  TVTLElement& el = elementOf(place.dialog, place.element);
  TLookContext c{place, d, el, plan};
  switch (el.kind) {
    case ekButton:
    case ekPicture: planButtonLook(c); break;
    case ekLabel: planLabelLook(c); break;
    case ekCheckBox: planCheckBoxLook(c); break;
    case ekArrow: planArrowLook(c); break;
    case ekScrollBar: planScrollBarLook(c); break;
    case ekSlider: planSliderLook(c); break;
    case ekEdit: planEditLook(c); break;
    case ekListBox: planListLook(c); break;
    case ekTextBox: planTextBoxLook(c); break;
    case ekTable: planTableLook(c); break;
    case ekSelector: planSelectorLook(c); break;
    case ekGroupBox: planGroupBoxLook(c); break;
    case ekPageGroup: planPageGroupLook(c); break;
    default: break;  // 2, 3, 5, 11 and 16 draw nothing; 6 is drawn by its own method
  }
}

// [SECTION] building blocks

int32_t squareWidth(float s) { return roundEven(s / screenAspect * 4.0 / 3.0); }

float hoverGlowAlpha(float alpha) {
  const double pulse = vtl.sceneParams[2];
  return float(alpha * (0.8 + 0.2 * std::sin(2.0 * std::numbers::pi * pulse / 180.0)));
}

void addPicture(TLookPlan& plan, int32_t picture, float x, float y, float w, float h, float alpha, int32_t mode,
                float pressDepth, int32_t look, float blend) {
  TLookStep s;
  s.kind = lsPicture;
  s.picture = picture;
  s.x = x, s.y = y, s.w = w, s.h = h;
  s.alpha = alpha;
  s.mode = mode;
  s.pressDepth = pressDepth;
  s.look = look;
  s.blend = blend;
  plan.steps.push_back(s);
}

void addHoverGlow(TLookContext& c, float x, float y, float w, float h, int32_t mode, float pressDepth) {
  addPicture(c.plan, -2, x, y, w, h, hoverGlowAlpha(c.place.alpha), mode, pressDepth, c.el.look);
}

TLookStep& addText(TLookPlan& plan, const std::string& text, int32_t look, float scale, float x, float y,
                   float pressDepth, int32_t mode, float alpha) {
  TLookStep s;
  s.kind = lsText;
  s.text = text;
  s.look = look;
  s.scale = scale;
  s.x = x, s.y = y;
  s.pressDepth = pressDepth;
  s.mode = mode;
  s.alpha = alpha;
  s.font = currentFont;
  plan.steps.push_back(s);
  return plan.steps.back();
}

void addBackground(TLookPlan& plan, int32_t surface, int32_t a, int32_t b, float x, float y, float w, float h,
                   float alpha, int32_t look, int32_t dialog) {
  TLookStep s;
  s.kind = lsBackground;
  s.picture = surface;
  s.a = a, s.b = b;
  s.x = x, s.y = y, s.w = w, s.h = h;
  s.alpha = alpha;
  s.look = look;
  s.variant = dialog;
  plan.steps.push_back(s);
}

std::string shownItem(int32_t dialog, int32_t element, int32_t k) {
  // Only the part before the first "|" is shown; the fields after it belong to columns.
  return fieldAfterBars(getItemString(dialog, element, k), 1);
}

TVTLElement* elementOrNull(TVTLDialog& d, int32_t e) {
  if (e < 1 || e > d.count || e > kMaxElements) return nullptr;
  return &d.elements[e];
}

// [SECTION] running a plan

namespace {
void runQuadStep(const TLookStep& s) {
  // A free picture has a picture plane of its own, turned about its centre when asked.
  if (!engineGLReady()) return;
  glLoadIdentity();
  glTranslatef(-0.635f, 0.476f, -1.5f);
  if (s.nudge) glTranslatef(-0.0025f, 0.0025f, 0.0f);
  glTranslatef(s.x / 637.0f, -s.y / 637.0f, 0.0f);
  if (s.angle != 0.0f) {
    glTranslatef(s.w / 1278.0f, -s.h / 1278.0f, 0.0f);
    glRotatef(s.angle, 0.0f, 0.0f, 1.0f);
    glTranslatef(-s.w / 1278.0f, s.h / 1278.0f, 0.0f);
  }
  if (s.inset)
    drawQuadInset(s.picture, 0, 0, roundEven(s.w), roundEven(s.h), s.alpha);
  else
    drawQuad(s.picture, 0, 0, roundEven(s.w), roundEven(s.h), s.alpha);
}
}  // namespace

void runLookPlan(const TLookPlan& plan) {
  for (const TLookStep& s : plan.steps) {
    switch (s.kind) {
      case lsPicture:
        drawPicture(s.picture, roundEven(s.x), roundEven(s.y), roundEven(s.w), roundEven(s.h), s.alpha,
                    uint8_t(s.mode), s.pressDepth, s.blend, false, s.look);
        break;
      case lsBarPicture:
        drawBarPicture(s.picture, roundEven(s.x), roundEven(s.y), roundEven(s.w), roundEven(s.h), s.alpha, false);
        break;
      case lsStripPicture:
        drawStripPicture(s.picture, roundEven(s.x), roundEven(s.y), roundEven(s.w), roundEven(s.h), s.alpha, s.look,
                         s.s0, s.s1, s.variant);
        break;
      case lsQuad: runQuadStep(s); break;
      case lsText:
      case lsTextOrigin: runTextStep(s); break;
      case lsBackground:
        drawDialogBackground(s.picture, s.a, s.b, s.x, s.y, s.w, s.h, s.alpha, s.look, s.variant);
        break;
      case lsElementFrame:
        drawElementFrame(s.picture, false, s.alpha, s.a, roundEven(s.h), roundEven(s.w));
        break;
      case lsBubbleSetup:
        if (!engineGLReady()) break;
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glDisable(GL_LIGHTING);
        glTranslatef(0.0156986f, 0.10989f, 0.0f);
        break;
      case lsTexturingOn:
        if (engineGLReady()) glEnable(GL_TEXTURE_2D);
        break;
    }
  }
}
