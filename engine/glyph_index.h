// Where a character sits in the engine's symbol font: the glyph drawing asks it for every
// character it takes from the symbol texture.
#pragma once

#include <cstdint>

// TVTLApplication.glyphIndex: the glyph index of a Windows-1252 character. The German letters,
// the euro and cent signs, "é", "-" and "_" have cells of their own; every other character
// sits at its code minus 32, and the control characters below 32 at 0.
int32_t glyphIndex(uint8_t character);
