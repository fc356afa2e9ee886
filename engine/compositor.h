// The UI compositor: once per frame it draws every open dialog over the 3D scene in three
// layers, each dialog with its background by window style, its glow frame and its elements
// (the looks of each kind are in element_looks.h). Before the scene, updateDialogAnimations
// advances the show and hide animations of dialogs, elements and help bubbles; the compositor
// only reads their progress. In the wide aspect classes the overlay is drawn through a 4:3
// frustum spread over a viewport wider than the window.
//
// [SECTION] show/hide animations (dialog_animation.cpp)
// [SECTION] the frame of the overlay (compositor.cpp)
// [SECTION] decisions of the frame, without GL (compositor_layers.cpp)
// [SECTION] glow frames (compositor_glow.cpp)
// [SECTION] wide projection (compositor.cpp)
#pragma once

#include <cstdint>
#include <vector>

#include "engine/dialog_records.h"
#include "engine/element_looks.h"
#include "engine/engine_options.h"

// [SECTION] show/hide animations

inline constexpr int32_t kAnimationMs = 350;  // every show and hide animation lasts this long

// Advances one animation record towards `target` at the current tick and returns the new
// shown value. A change of target starts a 350 ms animation; the progress runs 0..1 while
// showing and 1..0 while hiding and the state goes idle once it is complete. A running
// animation with a duration of 0 or less (a record read from a file) ends at once.
uint8_t setElementAnimation(TVTLAnimation& record, bool target);

// Once per render pass, before the scene: every dialog's animation towards "wanted" (not
// titled exactly "#", top dialog or not a popup, in use and open), every element's towards
// wanted and its visible byte, and every registered help slot's towards its wanted byte, which
// stays set only while the registered element is visible.
void updateDialogAnimations();

// [SECTION] the frame of the overlay

// TVTLApplication.drawUI: the overlay of this frame (drawDialogs with mode 0).
void drawUI();
// TVTLApplication.drawDialogs: the compositor (mode is always 0).
void drawDialogs(uint8_t mode);

// [SECTION] decisions of the frame, without GL

// The engine's info dialog (the overlay panel); 0 while it is not built.
int32_t infoDialog();
inline constexpr int32_t kFirstPanelNumber = 3;  // "#firstpanel" is drawn in the third pass only

// Dialog d belongs to pass 1 (dialogs without the popup flag), 2 (popups other than the info
// dialog) or 3 (the info dialog and dialog 3).
bool dialogInPass(int32_t d, int32_t pass);
// A dialog chosen for a pass is drawn: open and in use, or still shown or fading out; a dialog
// titled exactly "#" and a popup that is not on top only while shown or fading out.
bool dialogDrawnNow(int32_t d);
// The dialogs drawn in one pass, in the order they are drawn.
std::vector<int32_t> dialogsOfPass(int32_t pass);

// The frame colour a dialog takes ("Border 2 (def)" for the top dialog and every dialog
// without the popup flag, else "Border 1 (oben)").
TVTLColour dialogFrameColour(int32_t d);

// How a dialog's background is drawn, first match by window style and the dialog's fields.
enum TVTLBackgroundKind : uint8_t {
  bgSkin,         // window style 4: the skin surface chosen by drawDialogBackground
  bgSkinnedPanel, // backPicture -1: the curved panel, variant 1
  bgCurvedPanel,  // panelLevel above 0 under style 3: the curved panel, variant 0
  bgRoundedFrame, // panelLevel above 0 under style 2: the rounded element frame
  bgPlain,        // backPicture 0: a quad in the dialog colour
  bgTexture,      // any other backPicture: that texture over the dialog
};
TVTLBackgroundKind dialogBackgroundKind(const TVTLDialog& dialog, int32_t windowStyle);
// The dialog number the skin background takes: the message box passes its number negated
// under window style 4, every other dialog its own.
int32_t backgroundDialogNumber(int32_t d, int32_t windowStyle);

// The glow frame around a dialog: (x, y, nearest(width * 1.008) + 6, nearest(height * 1.01)),
// with the title-bar band when the title is not empty and does not begin with "#". drawn is
// false without the glowFrame byte or with a width or height of 0.
struct TVTLGlowRect {
  int32_t x, y, width, height;  // units
  bool inner;                   // the title-bar band
  bool drawn;
};
TVTLGlowRect dialogGlowRect(const TVTLDialog& dialog);

// An element the walk leaves out: caption exactly "_", kind 2, or not visible and neither
// shown nor fading out.
bool elementSkipped(const TVTLElement& element);
// The first sub-pass draws group boxes and page groups, the second every other kind.
bool elementInSubPass(const TVTLElement& element, int32_t subPass);
// The font an element's text starts in: 3 for buttons, 0 for the title label (element 1 with
// a text scale of at least 1.0) and group boxes, 2 otherwise.
int32_t elementFont(int32_t elementNumber, const TVTLElement& element);
// What the compositor hands the element's look: position with the dialog's slide, alpha
// (halved when disabled), look and text look, caption and third text. The element holding
// the keyboard focus while keyboard navigation is on gets look state 1 written first.
TElementPlace elementPlace(int32_t d, int32_t e, float slide);

// The caret blink: on for 500 ms, off for 300 ms, advanced by the ms since the last frame.
void advanceCaretBlink(uint32_t now);
// The help-bubble delay: starts at this frame unless running; stops when no hovered help
// element was seen in the previous frame; then clears hoverSeen for this frame.
void advanceHelpDelay(uint32_t now);

// [SECTION] glow frames

// The glow region of the element atlas the strips sample (texture coordinates as drawPicture
// gives the atlas cells: icons 14 and 15). Across a strip v runs from v0 at its outer edge to
// v1 at its inner edge; along it u runs from u0 to u1. The title band uses v0 at its top.
struct TVTLGlowWindow {
  float u0, u1, v0, v1;
};
inline constexpr TVTLGlowWindow kGlowWindow{0.75f, 1.0f, 0.2f, 0.4f};

// TVTLApplication.drawFrameGlow: the glow of a rectangle in picture-plane units: four 3-unit
// strips with edges, and with inner the 26-unit title-bar band under the top edge. fixed
// leaves out the scene offset. Needs the element atlas; without it nothing is drawn.
void drawFrameGlow(int32_t x, int32_t y, int32_t width, int32_t height, bool fixed, bool inner, bool edges,
                   float alpha);

// [SECTION] wide projection

// Set while the overlay draws through the wide projection; the table camera leaves out its
// tilt while it is set.
extern bool scenePickFlag;

// True in the aspect classes 16:9, 16:10 and the free wide ratios (1024 x 600 included).
bool wideProjectionClass();
// The overlay viewport of a window W pixels wide at aspect a: x = nearest((W - W a 3/4) / 2),
// width = nearest(W a 3/4).
struct TVTLWideViewport {
  int32_t x, width;
};
TVTLWideViewport wideViewport(int32_t windowWidth, double aspect);
// TVTLApplication.setWideProjection and setWideViewport: into and out of the overlay's 4:3
// frustum; both do nothing in 4:3 and 5:4. They also change textFactor and scenePickFlag.
void setWideProjection();
void setWideViewport();
