// The saved game's main image: the head of TCG, the game-state block and the chip snapshot,
// and the checks a loaded image must pass before anything of it is used.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The main image the program writes now: 17,784 + the game-state block + 256 bytes. It is
// 220,532 bytes once every game's area is part of the block.
constexpr size_t fullGameImageSize = 220532;
size_t gameImageSize();
// Offset of the chip snapshot: right after the game-state block.
size_t gameImageChipOffset();

// The image of the running game (seat records and inputState are taken first).
std::vector<uint8_t> buildGameImage();

// Why an image cannot be loaded; "" when it can.
std::string checkGameImage(const std::vector<uint8_t>& image);

