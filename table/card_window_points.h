// Where a resting card of a seat lands in the window, worked out from its pose without drawing:
// the table camera, the table's tilt, the stack's pose, the card's anchor, turn and rise, the
// corner the mesh starts from and the bow of the sheet, then the scene's perspective and the
// current viewport. The test report aims the pointer of window tests with it, and the pick
// tests read pixels by it.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "table/camera.h"

namespace card_window {

struct TPoint {
  double x, y;  // window pixels, y from the top
};
using TQuad = std::array<TPoint, 4>;  // corners (u, v) = (0, 0), (1, 0), (1, 1), (0, 1); v = 1 is the top

// The window point of (x, y, z) under the model-view matrix, through the scene's perspective
// and the current viewport.
TPoint windowPoint(const TMatrix16& modelView, double x, double y, double z);

// The window point of (u, v) on the face of card `index` of seat `stack` at rest. Needs the
// GL context: it reads the current viewport.
TPoint cardPoint(int32_t stack, int32_t index, double u, double v);

TQuad cardQuad(int32_t stack, int32_t index);

// How far p lies inside the quad (negative: outside), by its nearest edge line.
double depthInside(const TQuad& q, TPoint p);

// The window pixel lying deepest inside every quad of `in`, outside every quad of `out` and
// inside the window; its margin (the least of those distances) goes to `margin`.
TPoint deepestPoint(const std::vector<TQuad>& in, const std::vector<TQuad>& out, double& margin);

}  // namespace card_window
