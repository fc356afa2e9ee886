// Shrinking an element's caption until it fits the element's 4:3 width.
#pragma once

#include <cstdint>

// Modes 0 and 1: starting at startScale, lowers the caption's scale in steps of 0.03 while
// the caption, measured in font 2, is wider than the element and the scale is above
// minScale (so it may end one step below), then stores the scale as the element's
// textScale. Other modes leave the element unchanged.
void fitElementText(int32_t dialog, int32_t element, int32_t mode, float startScale, float minScale);
