// The table in its seven styles (rectangle, round, curved strips, four ovals) and the
// darkening the shadow pass lays where the stencil marks shadow.
#pragma once

#include <cstdint>

// Segment counts of the curved styles by the engine's 3D detail level (1..5; others count
// as 3) and aspect class (narrow: 4:3 or 5:4).
int32_t tableSegmentCount(int32_t style, int32_t detailLevel, bool narrow);
// The oval rim's rings: n div 16 + 3.
int32_t ovalRingCount(int32_t detailLevel);

// Layer 1: placeTable and the style's table, for a pass (0 colour, 1 shading coat, 6 depth
// only, 7 mirror mark, 8 shine pass); markTable leaves the edge bands out.
void drawTableStyle(int32_t pass, bool markTable);
// Layer 5: the plain darkening, and the soft one while soft shadows are available.
void drawShadowShade();
void drawSoftShadowShade();
