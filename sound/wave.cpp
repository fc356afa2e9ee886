// Wave: the RIFF chunk walk, the data reads and the PCM format block.
//
// The walk ends at the "data" chunk, at the end of the file, at a chunk that runs past the
// end, or when a chunk ends exactly at byte 2048; an odd-sized chunk is followed by a pad
// byte. A data chunk longer than the file is refused before anyone allocates its size.
#include "sound/wave.h"

#include <cstring>
#include <fstream>

#include "platform/errors.h"

namespace {

constexpr int64_t kWalkStop = 2048;  // a chunk ending here ends the walk

bool readBytes(std::istream& s, void* out, int64_t n) {
  s.read(static_cast<char*>(out), n);
  return s.gcount() == n;
}

uint32_t le32(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; }
uint16_t le16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

int64_t streamSize(std::istream& s) {
  s.seekg(0, std::ios::end);
  const int64_t size = s.tellg();
  s.clear();
  s.seekg(0);
  return size < 0 ? 0 : size;
}

void readFormat(std::istream& s, uint32_t size, TWaveFormatBlock& f) {
  uint8_t b[18] = {};
  const uint32_t n = size < 18 ? size : 18;
  s.read(reinterpret_cast<char*>(b), n);
  f.formatTag = le16(b);
  f.channels = le16(b + 2);
  f.samplesPerSec = le32(b + 4);
  f.avgBytesPerSec = le32(b + 8);
  f.blockAlign = le16(b + 12);
  f.bitsPerSample = le16(b + 14);
  f.extraSize = le16(b + 16);
}

// The PCM layouts the sound layer plays; the sample count divides by avg ÷ rate.
bool fittingPcm(const TWaveFormatBlock& f) {
  if (f.samplesPerSec == 0 || f.channels == 0) return false;
  if (f.bitsPerSample != 8 && f.bitsPerSample != 16) return false;
  if (f.blockAlign != f.channels * (f.bitsPerSample / 8)) return false;
  return f.avgBytesPerSec / f.samplesPerSec == f.blockAlign;
}

// The chunk walk after "RIFF" and "WAVE": found is set when it stopped at "data".
uint8_t walkChunks(std::istream& s, int64_t fileSize, TWaveFile& r, bool& found) {
  found = false;
  int64_t pos = 12;
  while (pos + 8 <= fileSize) {
    s.seekg(pos);
    uint8_t h[8];
    if (!readBytes(s, h, 8)) return waveNoData;
    const uint32_t size = le32(h + 4);
    const int64_t body = pos + 8;
    const bool pastEnd = int64_t(size) > fileSize - body;
    if (std::memcmp(h, "data", 4) == 0) {
      if (pastEnd) return waveDataPastEnd;
      r.dataSize = int32_t(size);
      r.dataPosition = int32_t(body);
      found = true;
      return waveOk;
    }
    if (pastEnd) return waveNoData;
    if (std::memcmp(h, "fmt ", 4) == 0 && r.format.formatTag == 0) {
      readFormat(s, size, r.format);
    } else if (std::memcmp(h, "fact", 4) == 0 && r.sampleCount == 0 && r.format.formatTag == 2 && size >= 4) {
      uint8_t c[4];
      if (readBytes(s, c, 4)) r.sampleCount = int32_t(le32(c));
    }
    pos = body + size + (size & 1);
    if (pos == kWalkStop) break;
  }
  return waveNoData;
}

uint8_t parse(std::istream& s, TWaveFile& r) {
  const int64_t fileSize = streamSize(s);
  if (fileSize == 0) return waveNoStream;
  uint8_t h[12] = {};
  s.read(reinterpret_cast<char*>(h), 12);
  const int64_t got = s.gcount();
  if (got < 4 || std::memcmp(h, "RIFF", 4) != 0) return waveNotRiff;
  if (got < 8 || int64_t(le32(h + 4)) != fileSize - 8) return waveBadSize;
  if (got < 12 || std::memcmp(h + 8, "WAVE", 4) != 0) return waveNotWave;
  bool found = false;
  const uint8_t walk = walkChunks(s, fileSize, r, found);
  if (!found) return walk;
  switch (r.format.formatTag) {
    case 0: return waveOk;  // data before any format: refused without a code
    case 1:
      if (!fittingPcm(r.format)) return waveBadFormat;
      r.sampleCount = r.dataSize / int32_t(r.format.avgBytesPerSec / r.format.samplesPerSec);
      return waveOk;
    case 2: return waveAdpcm;
    default: return waveBadSize;
  }
}

}  // namespace

bool openWaveFile(const std::string& fileName, TWaveFile& reader) {
  auto file = std::make_unique<std::ifstream>(fileName, std::ios::binary);
  if (!file->is_open()) {
    closeWaveFile(reader);
    reader.errorCode = waveOpenFailed;
    return false;
  }
  return parseWaveHeader(std::move(file), reader);
}

bool parseWaveHeader(std::unique_ptr<std::istream> stream, TWaveFile& reader) {
  closeWaveFile(reader);
  if (!stream) {
    reader.errorCode = waveNoStream;
    return false;
  }
  reader.errorCode = parse(*stream, reader);
  const bool ok = reader.errorCode == waveOk && reader.format.formatTag == 1;
  if (!ok) {
    const uint8_t code = reader.errorCode;
    const TWaveFormatBlock format = reader.format;
    closeWaveFile(reader);
    reader.errorCode = code;
    reader.format = format;
    return false;
  }
  stream->clear();
  stream->seekg(reader.dataPosition);
  reader.stream = std::move(stream);
  return true;
}

int32_t readWaveData(TWaveFile& reader, int32_t count, uint8_t* buffer) {
  if (!reader.stream) {
    reader.errorCode = waveNoStream;
    return -1;
  }
  std::istream& s = *reader.stream;
  const int64_t at = s.tellg();
  if (at < 0 || count <= 0) return 0;
  const int64_t left = int64_t(reader.dataPosition) + reader.dataSize - at;
  const int64_t n = count < left ? count : left;
  if (n <= 0) return 0;
  s.read(reinterpret_cast<char*>(buffer), n);
  const int64_t got = s.gcount();
  s.clear();
  return int32_t(got);
}

bool closeWaveFile(TWaveFile& reader) {
  const bool wasOpen = reader.stream != nullptr;
  reader = TWaveFile{};
  return wasOpen;
}

TWaveFormatValues waveFormatFromHeader(const TWaveFormatBlock& f) {
  return {int32_t(f.samplesPerSec), int32_t(f.channels), int32_t(f.bitsPerSample)};
}

TWaveFormatBlock makeWaveFormat(const TWaveFormatValues& values) {
  if (values.samplesPerSec < 0 || values.channels < 0 || values.channels >= 65536 || values.bitsPerSample < 0 ||
      values.bitsPerSample >= 65536)
    throw ERangeError("makeWaveFormat: format out of range");
  const int64_t align = int64_t(values.bitsPerSample / 8) * values.channels;
  const int64_t avg = int64_t(values.samplesPerSec) * align;
  if (align >= 65536 || avg > int64_t(UINT32_MAX)) throw ERangeError("makeWaveFormat: block align out of range");
  TWaveFormatBlock f;
  f.formatTag = 1;
  f.channels = uint16_t(values.channels);
  f.samplesPerSec = uint32_t(values.samplesPerSec);
  f.avgBytesPerSec = uint32_t(avg);
  f.blockAlign = uint16_t(align);
  f.bitsPerSample = uint16_t(values.bitsPerSample);
  return f;
}

bool sameGuid(const TGuid& a, const TGuid& b) { return a == b; }
