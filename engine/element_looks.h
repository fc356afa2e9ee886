// The looks of every element kind: what one element draws in the overlay and what drawing it
// writes back into its record (check-box widths, label line counts, extents, the arrows'
// enabled byte, selector captions, an edit field's view).
//
// Each look is first worked out as a plan, a list of drawing steps, without touching GL; the
// steps are then handed to the picture, text and panel primitives. Tests read the plan.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/dialog_records.h"

// [SECTION] what the compositor hands over per element

// Worked out by the compositor for each element it draws, before the kind's own drawing.
struct TElementPlace {
  int32_t dialog = 0;    // dialog number
  int32_t element = 0;   // element number 1..count
  float x = 0;           // X: dialog x + dialog slide + element x, units
  float y = 0;           // Y: dialog y + element y, units
  float slide = 0;       // the dialog's slide of its show animation, units
  float alpha = 1;       // A: showAnim.progress, halved when disabled
  int32_t look = 0;      // 0 normal, 1 hovered, 2 pressed, 3 disabled look (after the compositor's rules)
  int32_t textLook = 0;  // the caption's look (a hovered button: look 0, textLook 1)
  std::string caption;   // the caption, long captions reassembled
  std::string text3;     // the third text, reassembled
};

// Draws one element in its look and writes back what its look writes. The compositor has set
// the current font, the dialog's blending and texturing, and skips kinds 2 and 6 itself.
void drawElementLook(const TElementPlace& place);

// [SECTION] the plan of one look

enum TLookStepKind : uint8_t {
  lsPicture,      // drawPicture (picture, x, y, w, h, alpha, mode, pressDepth, blend, look)
  lsBarPicture,   // drawBarPicture (picture, x, y, w, h, alpha)
  lsStripPicture, // drawStripPicture (picture = texture, x, y, w, h, alpha, look, s0, s1, half)
  lsQuad,         // free picture: drawQuad or, with inset, drawQuadInset (texture = picture)
  lsText,         // drawTextBlock (text, look, scale, x, y, pressDepth, mode, align, alpha, ...)
  lsBackground,   // drawDialogBackground (surface, a, b, x, y, w, h, alpha, look, variant)
  lsElementFrame, // drawElementFrame (frameKind = picture, flag clear, alpha, corner = a, h, w)
  lsTextOrigin,   // setTextOrigin (x, y)
  lsBubbleSetup,  // blending on, lighting off, the help bubble's shift
  lsTexturingOn,  // texturing on again after a badge frame
};

struct TLookStep {
  TLookStepKind kind = lsPicture;
  int32_t picture = 0;      // picture, texture, surface or frame kind
  float x = 0, y = 0;       // units
  float w = 0, h = 0;       // units
  float alpha = 1;
  int32_t look = 0;
  int32_t mode = 0;         // picture frame mode, or text mode (0, 2, 5, 6, 8, 9)
  float pressDepth = 1;
  float blend = 0;          // picture blend selector (-7 additive)
  int32_t a = 0, b = 0;     // background corner values; frame corner size
  int32_t variant = 0;      // background: dialog number or variant; strip: half selector
  float s0 = 0, s1 = 0;     // strip texture window
  bool inset = false;       // quad: the inner area
  float angle = 0;          // quad: turn in degrees about the centre (0 none)
  bool nudge = false;       // quad: the sub-kind-10 hover nudge
  // text
  std::string text;
  float scale = 1;
  int32_t align = 0;        // 0 left, 1 centred
  int32_t rightEdge = 0;    // 0 or less: no fitting
  bool cont = false;        // continue
  std::string mask;
  int32_t margin = -1;      // -1: the primitive's default
  int32_t font = -1;        // font slot for this text; -1 the current one
};

struct TLookPlan {
  std::vector<TLookStep> steps;
};

// Works out the look of one element: fills the plan and writes back into the element record
// and the help slots what the look writes. No GL is touched.
void planElementLook(const TElementPlace& place, TLookPlan& plan);

// Hands the steps to the drawing primitives.
void runLookPlan(const TLookPlan& plan);
// One text step (drawTextBlock in the step's font) or the text origin.
void runTextStep(const TLookStep& step);

// [SECTION] the looks by kind (one file each: looks_buttons.cpp, looks_labels.cpp, ...)

// One element being planned: what the compositor handed over, the records, and the plan.
struct TLookContext {
  const TElementPlace& place;
  TVTLDialog& dialog;
  TVTLElement& el;
  TLookPlan& plan;
};

void planButtonLook(TLookContext& c);     // kinds 0 and 10, with the help bubble
void planCheckBoxLook(TLookContext& c);   // kind 4
void planLabelLook(TLookContext& c);      // kind 1, and the caption of kind 18
void planGroupBoxLook(TLookContext& c);   // kind 18
void planPageGroupLook(TLookContext& c);  // kind 19
void planSelectorLook(TLookContext& c);   // kind 17
void planArrowLook(TLookContext& c);      // kind 7
void planSliderLook(TLookContext& c);     // kind 9
void planScrollBarLook(TLookContext& c);  // kind 8
void planListLook(TLookContext& c);       // kind 13
void planListRows(TLookContext& c);       // the rows of kind 13 (and of kind 17 with columns)
void planTextBoxLook(TLookContext& c);    // kind 14
void planTableLook(TLookContext& c);      // kind 15
void planEditLook(TLookContext& c);       // kind 12

// [SECTION] building blocks of the looks

// A square of s units: nearest(s / screenAspect * 4/3) wide, s high.
int32_t squareWidth(float s);
// The alpha of the hover glow at the current phase of the scene clock.
float hoverGlowAlpha(float alpha);
void addPicture(TLookPlan& plan, int32_t picture, float x, float y, float w, float h, float alpha, int32_t mode,
                float pressDepth, int32_t look, float blend = 0);
// The hover glow (picture -2) over a rectangle.
void addHoverGlow(TLookContext& c, float x, float y, float w, float h, int32_t mode, float pressDepth);
TLookStep& addText(TLookPlan& plan, const std::string& text, int32_t look, float scale, float x, float y,
                   float pressDepth, int32_t mode, float alpha);
void addBackground(TLookPlan& plan, int32_t surface, int32_t a, int32_t b, float x, float y, float w, float h,
                   float alpha, int32_t look, int32_t dialog);
// Item k of an element's first table (dialog + 1000: the second), cut at its first "|".
std::string shownItem(int32_t dialog, int32_t element, int32_t k);
// The element number e of dialog d when it exists, else nullptr.
TVTLElement* elementOrNull(TVTLDialog& d, int32_t e);

// [SECTION] decisions shared with tests

// The picture a button of kind 0 or 10 is drawn with: the skin's button icons, the icon of its
// sub-kind, -2 for text items, or the element's own picture.
int32_t buttonPicture(const TVTLElement& el, const std::string& caption);

// A label's lines: cut at most nearest(lineLength / 1.22) characters long, at the last blank
// before the limit unless "$" or chr(128) follows it, at a CR before the end. A line length
// that rounds to 0 or less gives one line.
std::vector<std::string> labelLines(const std::string& text, int32_t lineLength);

// The texture window of image `top` of a selector strip of `count` images: s0, s1 and the half
// selector (0 whole height, 1 and 2 the halves). valid is false without images.
struct TStripWindow {
  float s0, s1;
  int32_t half;
  bool valid;
};
TStripWindow selectorStripWindow(int32_t count, int32_t top);

// The shown part of an edit field's text: from TopIndex (clamped to the text) up to
// shownLength characters, shortened from the end while wider than the field's savedWidth.
struct TEditView {
  int32_t topIndex;    // TopIndex after the clamp
  std::string shown;   // the characters drawn
  bool cutAfter;       // characters follow the shown part: ".." after it
  bool cutBefore;      // TopIndex above 0: ".." before it
};
TEditView editView(const std::string& text, int32_t topIndex, int32_t shownLength, int32_t savedWidth);
