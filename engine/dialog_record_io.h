// A dialog record as a file block: exactly 39,928 bytes in the record's own layout, written
// field by field little-endian. No pointer or handle is stored: the element's string handle and
// its draw method are written as zeros. A block read back is validated before it is used.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/dialog_records.h"

// The stored form of a dialog record.
std::vector<uint8_t> encodeDialogRecord(const TVTLDialog& dialog);

// Decodes a stored record into `out` after checking it: the size, the element count (0..138),
// string lengths, child lists (at most 80 children numbered 1..138), controllers and the other
// element numbers, item counts and stored handles. On any fault returns false with the reason
// in `error` and leaves `out` untouched.
bool decodeDialogRecord(const std::vector<uint8_t>& bytes, TVTLDialog& out, std::string& error);
