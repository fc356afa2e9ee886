// RIFF/WAVE files the sound tests write: a chunk list with sizes that may lie, and plain PCM
// tones.
#pragma once

#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "platform/byte_io.h"

struct TestChunk {
  std::string id;              // four characters
  std::vector<uint8_t> body;
  int64_t declaredSize = -1;   // the size field when it should lie; -1: the body's size
  bool pad = true;             // an odd body is followed by its pad byte
};

// The "fmt " chunk of a format: tag, channels, rate, bits; align and avg computed unless given.
inline TestChunk fmtChunk(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits, int32_t align = -1,
                          int64_t avg = -1, int extraBytes = 0) {
  const uint16_t a = align >= 0 ? uint16_t(align) : uint16_t(channels * (bits / 8));
  ByteWriter w;
  w.u16(tag);
  w.u16(channels);
  w.u32(rate);
  w.u32(avg >= 0 ? uint32_t(avg) : rate * a);
  w.u16(a);
  w.u16(bits);
  if (extraBytes > 0) {
    w.u16(uint16_t(extraBytes - 2));
    w.zeros(size_t(extraBytes - 2));
  }
  return {"fmt ", w.bytes()};
}

inline TestChunk dataChunk(size_t bytes, uint8_t fill = 0x40) { return {"data", std::vector<uint8_t>(bytes, fill)}; }

// "RIFF" size "WAVE" and the chunks; riffSize -1: the true size.
inline std::string waveImage(const std::vector<TestChunk>& chunks, int64_t riffSize = -1, const char* form = "WAVE",
                             const char* magic = "RIFF") {
  ByteWriter body;
  body.raw(form, 4);
  for (const TestChunk& c : chunks) {
    body.raw(c.id.data(), 4);
    body.u32(uint32_t(c.declaredSize >= 0 ? c.declaredSize : int64_t(c.body.size())));
    body.raw(c.body.data(), c.body.size());
    if (c.pad && (c.body.size() & 1)) body.u8(0);
  }
  ByteWriter w;
  w.raw(magic, 4);
  w.u32(uint32_t(riffSize >= 0 ? riffSize : int64_t(body.size())));
  w.raw(body.bytes().data(), body.size());
  return std::string(w.bytes().begin(), w.bytes().end());
}

// A 16-bit mono tone of the given length, loud enough to find in the output.
inline std::string toneWave(int32_t rate = 22050, int32_t ms = 200, double hz = 440) {
  ByteWriter pcm;
  const int32_t frames = rate * ms / 1000;
  for (int32_t i = 0; i < frames; i++) pcm.i16(int16_t(12000 * std::sin(2 * M_PI * hz * i / rate)));
  return waveImage({fmtChunk(1, 1, uint32_t(rate), 16), {"data", pcm.bytes()}});
}

inline void writeFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}
