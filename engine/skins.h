// Skin backgrounds (the surfaces: nine-patch pictures stretched around a panel), the frosted
// glass behind dialog panels, layout helpers that know the running card game, and the choice
// of surface a dialog of window style 4 gets.
//
// [SECTION] surfaces
// [SECTION] backgrounds
// [SECTION] glass
// [SECTION] game-aware helpers
// [SECTION] decisions, exposed for tests
#pragma once

#include <cstdint>

#include "platform/records.h"

// [SECTION] surfaces

constexpr int kSurfaceCount = 12;
// Surface roles: 0 the default dialog skin, 1 small plates, 3 group boxes, 4 page groups and
// narrow group boxes, 5 bubbles and selector faces, 6 selector faces of sub-kind 30, 7 lists,
// tables and edits, 8 right-hand side panels (texture in thirds), 9 bars at the top and
// bottom of the screen (texture in halves), 10 ordinary dialogs, 2 and 11 plates drawn in one
// pass at the caller's matrix.
extern LArray<int32_t, 0, kSurfaceCount - 1> surfaceTextures;  // 0 when the file is missing; loadSurfaces

// The glass texture the back buffer under a panel is copied into; the screen effects create
// it with the other screen-sized effect textures (0 until then: no glass).
extern uint32_t glassTexture;

// Loads "\data\vitrel\surface<n>.bmp", n = 0..11, through the texture cache (no mipmaps,
// filter choice 0); missing files are skipped. The first paint calls it. Returns true.
bool loadSurfaces();

// [SECTION] backgrounds

// The background of a dialog or an element: a surface stretched as a nine-patch with corners
// a x b (units), centred on the panel. Surface 0 is the dialog background of window style 4:
// the routine chooses the real surface, place and glass from the dialog's size and place.
// look 1 and 2 nudge it; dialog is negated for the message-box dialog; dialogs 1 and 2 are
// drawn 1.45 times larger (2 also selects font 2). A panel of zero or negative width or height
// draws nothing. Returns true.
bool drawDialogBackground(int32_t surface, int32_t a, int32_t b, float x, float y, float width, float height, float alpha,
                          int32_t look, int32_t dialog);

// [SECTION] glass

// The frosted glass: the back buffer under the rectangle blurred in up to 12 steps, centred on
// the current origin. Nothing unless width and height are above 10. Returns true.
bool drawGlassPanel(float x, float y, float width, float height, float alpha);
// Copies the window rectangle (pixels, y from the bottom) of the back buffer into the glass
// texture at (0, 0).
void copyScreenToTexture(int32_t x, int32_t y, int32_t width, int32_t height);
// The switch of the glass effect: always on.
bool alwaysTrue();

// [SECTION] game-aware helpers

// Horizontal shift of list and table cells for the running game (0 while the help dialog is
// open on top or animating).
int32_t helpDialogShift();
// The per-game offset of a table column of that kind, applied to value. Returns kind.
int32_t adjustForGameKind(int32_t& value, int32_t kind);
// The game-list dialog is open and on top while Blackjack is played.
bool isBlackjackListOpen();
// During Blackjack the game list's caption and continue button take their Blackjack places.
void adjustGameListDialog();

// [SECTION] decisions, exposed for tests

// What drawDialogBackground decided for a panel: the surface, its corners, the panel
// rectangle, the glass rectangle and whether glass is drawn, and the texture split.
struct TVTLBackgroundPlan {
  int32_t surface;                   // the surface drawn
  int32_t a, b;                      // corners, units
  float x, y, width, height;         // the panel, units
  float glassX, glassY, glassWidth, glassHeight;  // the glass rectangle, units
  bool glass;                        // the glass is drawn (detail and GL version allow it)
  bool thirds;                       // the texture spread in thirds (side panels)
  int32_t shift;                     // the slide of a side panel, units (getDialogShift)
};
// The choice of surface 0 (window style 4): bar, side panel, large dialog or ordinary dialog,
// and the small-panel rule; for other surfaces the arguments as passed. The slide of a side
// panel comes from getDialogShift, which also moves the current matrix; without `slide` the
// panel is placed as fully shown and the matrix stays.
TVTLBackgroundPlan planDialogBackground(int32_t surface, int32_t a, int32_t b, float x, float y, float width,
                                        float height, float alpha, int32_t dialog, bool slide = true);

// The nine-patch corners in GL units for a panel of width x height units with corners a x b.
struct TVTLNinePatchCorners {
  float cornerA, cornerB;  // GL units
};
// d is the panel unit (GL units per unit): the corners shrink to fit a small panel, keeping
// their proportion (surface 9: the vertical corner half the horizontal one).
TVTLNinePatchCorners ninePatchCorners(int32_t surface, int32_t a, int32_t b, float width, float height, float d);
// The texture coordinates of the nine-patch's four columns and four row edges (v from the
// bottom): halves, side panels in thirds, bars one half of their picture each.
struct TVTLNinePatchTexture {
  float u[4], v[4];
};
TVTLNinePatchTexture ninePatchTexture(const TVTLBackgroundPlan& plan);
// GL units per unit of a background: 0.00157, 1.45 times that for dialogs 1 and 2 with a
// surface other than 0.
float backgroundUnit(int32_t surface, int32_t dialog);
