#include "platform/sound_convert.h"

namespace {

// The source's samples as signed 16-bit values, interleaved as stored.
std::vector<int16_t> samplesOf(const SndFormat& f, const uint8_t* bytes, size_t frames) {
  std::vector<int16_t> s(frames * size_t(f.channels));
  if (f.bits == 8) {
    for (size_t i = 0; i < s.size(); i++) s[i] = int16_t((int32_t(bytes[i]) - 128) * 256);
  } else {
    for (size_t i = 0; i < s.size(); i++) s[i] = int16_t(uint16_t(bytes[2 * i]) | uint16_t(bytes[2 * i + 1]) << 8);
  }
  return s;
}

}  // namespace

std::vector<int16_t> convertPcm(const SndFormat& from, const uint8_t* bytes, size_t size, int32_t rate,
                                int32_t channels) {
  std::vector<int16_t> out;
  if (from.rate < 1 || rate < 1 || (from.bits != 8 && from.bits != 16) || (from.channels != 1 && from.channels != 2) ||
      (channels != 1 && channels != 2) || !bytes)
    return out;
  const size_t frames = size / (size_t(from.channels) * size_t(from.bits / 8));
  if (frames == 0) return out;
  const std::vector<int16_t> src = samplesOf(from, bytes, frames);
  const size_t outFrames = size_t((uint64_t(frames) * uint64_t(rate) + uint64_t(from.rate) - 1) / uint64_t(from.rate));
  out.resize(outFrames * size_t(channels));
  // Position in source frames in 32.32 fixed point; the step's rounding drifts by less than
  // a frame over hours of sound.
  const uint64_t step = (uint64_t(from.rate) << 32) / uint64_t(rate);
  const int fc = from.channels;
  uint64_t pos = 0;
  for (size_t j = 0; j < outFrames; j++, pos += step) {
    const size_t i = size_t(pos >> 32);
    const int64_t frac = int64_t((pos >> 16) & 0xffff);
    const size_t next = i + 1 < frames ? i + 1 : i;
    const int32_t l0 = src[i * fc], l1 = src[next * fc];
    const int32_t left = l0 + int32_t((int64_t(l1 - l0) * frac) >> 16);
    int32_t right = left;
    if (fc == 2) {
      const int32_t r0 = src[i * fc + 1], r1 = src[next * fc + 1];
      right = r0 + int32_t((int64_t(r1 - r0) * frac) >> 16);
    }
    if (channels == 1) {
      out[j] = int16_t((left + right) / 2);
    } else {
      out[2 * j] = int16_t(left);
      out[2 * j + 1] = int16_t(right);
    }
  }
  return out;
}
