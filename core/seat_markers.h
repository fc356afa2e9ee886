// The seats' hover markers on the table overlay and the seats' name labels on the table.
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

// The opacity the seat's name label is drawn with, 0 when it is not drawn: it grows with the
// seat's hover marker and stays while the name button is on, the game list shows, or the
// game-result box shows. Never for seat 1 nor in poker.
float seatLabelAlpha(int32_t seat);
// Draws the seat's name label ("!" centred; a lost network player marked) at the seat.
void drawSeatLabel(int32_t seat);
