// PCM into the device's 16-bit layout. The mixer's own converter resamples with a long
// filter and takes tens of milliseconds for a spoken line; voices and effects are short and
// made at 22,050 or 44,100 Hz, where a straight line between neighbouring frames sounds the
// same and costs a fraction of a millisecond.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/sound.h"

// Frames of `from` (8-bit unsigned or 16-bit signed little-endian, 1 or 2 channels, rate
// >= 1) as signed 16-bit frames of `channels` (1 or 2) at `rate`. A partial last frame is
// dropped; mono is copied to both sides, stereo to mono is the mean. Empty for a format
// outside these.
std::vector<int16_t> convertPcm(const SndFormat& from, const uint8_t* bytes, size_t size, int32_t rate,
                                int32_t channels);
