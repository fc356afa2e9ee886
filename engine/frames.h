// Element frames and panels drawn from GL polygons and shaded from the dialog colours of the
// engine options, the picture quad every icon is laid on, and two dialog placement helpers:
// the one-call skinning of the main window's dialogs and the slide of right-hand panels.
//
// [SECTION] dialog placement
// [SECTION] frames and panels
// [SECTION] the picture quad
// [SECTION] decisions, exposed for tests
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/picture_primitives.h"

// [SECTION] dialog placement

// Skins a dialog: its panelLevel := panelLevel; with a skin name that is not empty (only its
// emptiness counts) also backPicture := 0, element 1's text scale := titleScale, glowFrame
// := glowFrame, element 1 moves down by nearest(c * 1.5) and every other element by c, with
// c = nearest((titleScale - 1) * 12). The dialog's own height stays.
void setDialogScale(int32_t dialog, int16_t panelLevel, std::string_view skinName, float titleScale, bool glowFrame);

// The sideways slide of a panel docked at the right edge while it appears: 0 for the info and
// menu-bar dialogs, dialog 43 and numbers below 3, and for panels not docked (saved x 401..519
// with saved x + saved width >= 801); otherwise (1 - progress) * 1.1 GL units (negative from
// the left), by which the current matrix is moved. Returns the shift in units (* 639).
int32_t getDialogShift(int32_t dialog, bool fromLeft, float progress);

// [SECTION] frames and panels

// A frame with rounded corners and shaded border bands in the current matrix (moved to the
// element's top left; 497 units per GL unit), by the window style: style 4 the surface-1 skin,
// style 3 the curved panel, others up to four polygon passes by detailLevel. frameKind selects
// nothing. A frame of zero or negative width or height draws nothing.
void drawElementFrame(int32_t frameKind, bool flag, float alpha, int32_t cornerSize, int32_t height, int32_t width);

// The curved, band-shaded panel of window style 3 (variant 0: the dialog panel, 1: the short
// element panel). Nothing when width or height is 0 or less.
void drawTexturedPanel(int32_t variant, int32_t x, int32_t y, int32_t width, int32_t height, float alpha);

// [SECTION] the picture quad

// The quad the picture primitive lays a picture on (window: the picture's window in its
// texture, v from the bottom), centred on the current origin, width x
// height / 639 GL units. a < 0: `shade` decides whether the vertices get the soft element
// background shade; nudge 1 moves the quad by (-0.0025, 0.0025); nudge -1 on the element atlas
// keeps the ends of the window at their pixel size (the middle stretches). `texture` is the
// bound texture (the element atlas gets the squeeze); corner is the rounding, which is zero.
void drawWindowFrame(int32_t texture, int32_t a, bool shade, float alpha, int32_t corner, int32_t height, int32_t width,
                     const TVTLTexWindow& window, int32_t nudge);

// [SECTION] decisions, exposed for tests

// A frame that gets the big corner steps and bands: height >= 100, 77 or 53, flag off.
bool isBigFrame(int32_t height, bool flag);
// The number of polygon passes drawElementFrame draws at a detail level (1..4).
int32_t framePassCount(int32_t height, bool flag, int32_t detailLevel);
// The shape of the curved panel: short panels (variant 1, or variant 0 up to 360 units high)
// end at their own height; a taller variant-0 panel reaches down the whole screen.
struct TVTLPanelShape {
  bool isShort;
  int32_t segments;  // rows of each band
  float heightGL;    // the panel's (negative) height in GL units
};
TVTLPanelShape panelShape(int32_t variant, int32_t height, int32_t detailLevel);
// The weights of frame colours 2, 3 and 4 at a row t (0 top .. 1 bottom) of the curved panel.
struct TVTLPanelWeights {
  float w2, w3, w4;
};
TVTLPanelWeights panelWeights(float t, bool isShort);
// True when the dialog is a panel docked at the right edge (saved x 401..519, reaching 801).
bool isRightDockedPanel(int32_t dialog);
// The texture coordinate drawWindowFrame gives a point (x, y in 0..1) of the quad.
void windowFrameTexCoord(float x, float y, const TVTLTexWindow& window, bool atlasSqueeze, int32_t width, float& u,
                         float& v);
