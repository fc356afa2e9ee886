// The decorations next to every seat: the marks of the seat's mark element, the player panel
// that shows the seat's speech bubble in the 3D scene, and the decoration layer that draws
// them with the seat labels and the network messages.
#pragma once

#include <cstdint>
#include <string>

// The fading value 0.0 .. 1.0 of an element: 0.0 while it is neither shown nor fading out,
// and for a dialog or element not built yet (number 0).
float elementOpacity(int32_t dialog, int32_t element);

// [SECTION] marks

// The picture of the seat's mark element of "#ipanel" at the seat plate, lifted per game,
// fading while the hand glides and drawn mirrored behind an open hand. xShift: to the right
// in 1/639 units.
void drawSeatAnnouncement(int32_t seat, int32_t xShift);

// [SECTION] player panels

// A panel's text as it is drawn: the "?" of a spoken text gone (size 0.7), long texts on two
// lines. Measured in the current font.
struct TPanelText {
  std::string line1, line2;  // line2 starts with the space it was split at
  int32_t lines = 1;
  float size = 0.8f;         // 0.6 for seat 1
  bool splitByLength = false;  // the wider line counts for the frame; not for evened poker lines
};
TPanelText splitPanelText(std::string text, int32_t seat);
// The text of the seat's speech bubble element as the panel shows it, the network status in
// its place where there is one (forced: shown even while the bubble is hidden).
std::string playerPanelText(int32_t seat, bool& forced);

// The seat's speech bubble element as a framed text panel at the seat, only while the
// element is shown (or the network status forces it) and holds more than "?".
void drawPlayerPanel(int32_t seat);

// The seat's network status text; empty outside network games.
std::string networkSeatStatus(int32_t seat, const std::string& bubbleText);
// text, or with mode 1 the seat's network status when there is one.
std::string withNetworkStatus(int32_t seat, const std::string& text, int32_t mode);

// [SECTION] the decoration layer

// For every seat its marks, its label (not in Blackjack) and its panel; then the network
// messages. The scene's layer 7, with drawPass already set.
void drawSeatDecorations();
