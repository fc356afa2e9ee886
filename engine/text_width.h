// Measuring helpers of the engine: the width of a text in the current font, optionally
// corrected for the window's aspect class, and the aspect factor of the projection.
#pragma once

#include <string_view>

// stringWidth of the current font; with `correct` scaled for the aspect class.
float textWidth(std::string_view text, bool correct);

// screenAspect * 3 / 4: 1.0 at 4:3.
float aspectFactor();
