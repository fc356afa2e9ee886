// The reader of uncompressed true-colour TGA files (24 or 32 bits per pixel).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/bmp_reader.h"

enum class TTgaResult : uint8_t {
  ok = 0,
  unrecognized = 1,  // header unreadable, not uncompressed true-colour, or not 24/32 bits
  readError = 2,     // fewer pixel bytes than the header's size asks for
};

// Reads the picture after the header and the image ID; the origin bit (descriptor bit 5) says
// whether the rows are stored from the top. The alpha of a 32-bit file is dropped.
TTgaResult readTga(const uint8_t* data, size_t size, TBgrPicture& out);
