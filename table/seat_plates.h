// The seat plate, the anchor of everything the table writes next to a seat, the small text
// plates of labels and badges, and the network message bubbles.
#pragma once

#include <cstdint>
#include <string>
#include <vector>
#include <string_view>

#include "table/camera.h"

// [SECTION] the seat plate

// The model-view matrix at the seat's plate: just in front of its cards, turned toward the
// viewer. In the mirror pass (drawPass 4) it is mirrored below the table top and also written
// into tableMatrix.
TMatrix16 seatPlateMatrix(int32_t seat);
// Loads seatPlateMatrix into the model-view matrix. The two further values are the callers'
// and change nothing. Callers save and restore the matrix around it.
void placeAtSeatPlate(int32_t seat, int32_t unusedA = 0, int32_t unusedB = 0);
// The seat's camera for its name label; Canasta's side view shows the labels a little larger.
void placeAtSeatLabel(int32_t seat);

// [SECTION] text plates

// A short text on a small rounded plate at the current matrix, only while the engine shows its
// interface. kind: the caller's stack or chip kind (8 the pot, 77 the marriage badge);
// tilted: the card and chip callers' plates lean back further; alpha scales plate and text.
// A text starting with "!" is centred on the anchor.
void drawTextPlate(std::string_view text, int32_t kind, bool tilted, float alpha);

// [SECTION] network message bubbles

// A message wrapped for its bubble: lines separated by carriage returns, at most five.
struct TSeatMessageWrap {
  std::string text;
  float widest = 0;   // the widest line in the engine's text units
  float height = 0;   // 1.22 per line
};
// Wraps a seat's message at the line limit of the table's seat count (11 text units, 9 with
// eight seats, 10 with seven) in the current font: at a space past the limit, or inside a
// word one and a half limits wide; beyond five lines the oldest go.
TSeatMessageWrap wrapSeatMessage(std::string_view text, int32_t seats);
// The lines of a wrapped message, split at its CR characters.
std::vector<std::string> splitMessageLines(const std::string& text);
// The message bubble of a network seat at the current matrix (the seat's plate and message
// place); it rises once when a new message first shows.
void drawSeatMessage(std::string_view text, int32_t seat, float alpha);
