// The seats' hover markers on the table overlay and the scale of their name labels.
#pragma once

#include <cstdint>

// 0 or 1; flipped by the name button of the bar dialog: 1 keeps every seat's name shown.
extern int32_t showSeatNames;

// The show progress 0.0 .. 1.0 of the seat's marker element: 0.0 while the marker is
// neither shown nor fading; 1.0 for a seat outside 1..6.
float seatLabelScale(int32_t seat);

// Shows the marker of the seat under the pointer, of the seat the tutorial marks and, in
// Canasta while its flag is set, of seat 1's partners; hides the others. Every frame.
void updateSeatMarkers();
