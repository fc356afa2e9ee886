// Wave: our RIFF/WAVE reader. It walks the file's chunks to the format and the sample data
// and never raises: a file it cannot use is reported by the result and the error code.
#pragma once

#include <array>
#include <cstdint>
#include <istream>
#include <memory>
#include <string>

// The format block as read from the "fmt " chunk (18 bytes in the file).
struct TWaveFormatBlock {
  uint16_t formatTag = 0;        // 1 PCM, 2 ADPCM; 0: no format read yet
  uint16_t channels = 0;
  uint32_t samplesPerSec = 0;
  uint32_t avgBytesPerSec = 0;
  uint16_t blockAlign = 0;       // bytes per sample frame
  uint16_t bitsPerSample = 0;
  uint16_t extraSize = 0;
};

// Reader error codes.
enum : uint8_t {
  waveOk = 0,
  waveNoStream = 1,       // no stream, an empty file, or a read after the stream was closed
  waveOpenFailed = 2,
  waveNotRiff = 3,
  waveNotWave = 4,
  waveBadSize = 5,        // RIFF size is not the file size - 8, or an unknown format tag
  waveNoData = 6,         // the walk reached the file's end, a chunk running past it, or 2048
  waveBadFormat = 7,      // rate 0, channels 0, bits not 8 or 16, block align not fitting
  waveDataPastEnd = 8,    // the data chunk is longer than the rest of the file
  waveAdpcm = 9,
};

// One file being read; owned by the caller, zeroed by closeWaveFile.
struct TWaveFile {
  std::unique_ptr<std::istream> stream;
  int32_t dataPosition = 0;      // file offset of the first data byte
  int32_t dataSize = 0;          // bytes of the data chunk's contents
  int32_t sampleCount = 0;       // sample frames ("fact" for ADPCM, computed for PCM)
  uint8_t errorCode = waveOk;
  TWaveFormatBlock format;
};

struct TWaveFormatValues {
  int32_t samplesPerSec = 0;     // not negative
  int32_t channels = 0;          // below 65,536
  int32_t bitsPerSample = 0;     // below 65,536
};

using TGuid = std::array<uint8_t, 16>;

// Opens the file (others may not write it meanwhile) and parses its header; error 2 when it
// cannot be opened.
bool openWaveFile(const std::string& fileName, TWaveFile& reader);
// Takes the stream, walks its chunks and leaves it at the first data byte. On failure the
// stream is freed and the error code says why.
bool parseWaveHeader(std::unique_ptr<std::istream> stream, TWaveFile& reader);
// Copies at most count bytes of what remains of the data chunk; -1 (error 1) without a stream.
int32_t readWaveData(TWaveFile& reader, int32_t count, uint8_t* buffer);
// Frees the stream and zeroes the reader; answers whether a stream was open.
bool closeWaveFile(TWaveFile& reader);

TWaveFormatValues waveFormatFromHeader(const TWaveFormatBlock& format);
// A PCM block for the triple; a value out of range raises ERangeError.
TWaveFormatBlock makeWaveFormat(const TWaveFormatValues& values);
bool sameGuid(const TGuid& a, const TGuid& b);
