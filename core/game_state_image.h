// Byte images of the game state object as a saved game holds them: the head of TCG (17,784
// bytes) and the game-state block gs, written field by field little-endian.
#pragma once

#include <cstdint>
#include <vector>

#include "core/cg.h"
#include "core/record_io.h"

constexpr int cgHeadImageSize = 17784;
// Offsets of the head image that other code relies on.
constexpr int cgImageSeatRecords = 4;
constexpr int cgImageReserved = 14200;
constexpr int cgImageInputState = cgImageReserved + cgReservedInputState;  // 17,764
constexpr int cgImageSeatCount = 17768;

// The field lists, shared by writing and reading.
void seatRecordIo(TRecordIo& io, TSeatRecord& r);
void decisionBlockIo(TRecordIo& io, TDecisionBlock& b);
void cgHeadImageIo(TRecordIo& io, TCG& c);
void gameStateImageIo(TRecordIo& io, TGameState& gs);

std::vector<uint8_t> cgHeadImage(const TCG& c);
std::vector<uint8_t> gameStateImage(const TGameState& gs);
// Read an image into the record; false when the bytes ran out (the record then holds what
// was read, zeros beyond) or held a text longer than its field or a card count beyond its
// list. The caller reads into a record of its own to keep the live one untouched.
bool cgHeadFromImage(ByteReader& r, TCG& c);
bool gameStateFromImage(ByteReader& r, TGameState& gs);
