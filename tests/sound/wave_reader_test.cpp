// The wave reader: a table of files with their result and error code, reading the data, the
// PCM format block, and damaged files (every truncation, random and bit-flipped bytes) that
// must end without a crash or a hang.
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "platform/errors.h"
#include "sound/wave.h"
#include "tests/sound/wave_fixtures.h"

namespace {

bool parseBytes(const std::string& bytes, TWaveFile& r) {
  return parseWaveHeader(std::make_unique<std::istringstream>(bytes), r);
}

TestChunk chunk(const char* id, size_t n, int64_t declared = -1, bool pad = true) {
  return {id, std::vector<uint8_t>(n, 7), declared, pad};
}

struct ReaderCase {
  const char* what;
  std::string bytes;
  bool ok;
  uint8_t code;
  int32_t dataSize;  // when ok
  int32_t samples;   // when ok
};

TEST(WaveReader, FilesGiveTheirResultAndCode) {
  const TestChunk pcm16 = fmtChunk(1, 2, 22050, 16);
  std::string at2048;  // a filler chunk ending exactly at byte 2048 ends the walk
  at2048 = waveImage({pcm16, chunk("junk", 2048 - 12 - 24 - 8), dataChunk(8)});
  const ReaderCase cases[] = {
      {"plain PCM", waveImage({pcm16, dataChunk(400)}), true, waveOk, 400, 100},
      {"LIST between fmt and data", waveImage({pcm16, chunk("LIST", 26), dataChunk(40)}), true, waveOk, 40, 10},
      {"8-bit mono", waveImage({fmtChunk(1, 1, 8000, 8), dataChunk(33)}), true, waveOk, 33, 33},
      {"fmt of 40 bytes", waveImage({fmtChunk(1, 2, 22050, 16, -1, -1, 24), dataChunk(8)}), true, waveOk, 8, 2},
      {"second fmt ignored", waveImage({pcm16, fmtChunk(1, 1, 8000, 8), dataChunk(8)}), true, waveOk, 8, 2},
      {"odd chunk and its pad byte", waveImage({chunk("junk", 3), pcm16, dataChunk(8)}), true, waveOk, 8, 2},
      {"data before fmt", waveImage({dataChunk(8), pcm16}), false, waveOk, 0, 0},
      {"RIFF size not file size - 8", waveImage({pcm16, dataChunk(8)}, 9999), false, waveBadSize, 0, 0},
      {"ADPCM with fact", waveImage({fmtChunk(2, 1, 22050, 4, 256, 11100), chunk("fact", 4), dataChunk(8)}), false,
       waveAdpcm, 0, 0},
      {"unknown format tag", waveImage({fmtChunk(85, 2, 44100, 16), dataChunk(8)}), false, waveBadSize, 0, 0},
      {"not RIFF", waveImage({pcm16, dataChunk(8)}, -1, "WAVE", "RIFX"), false, waveNotRiff, 0, 0},
      {"not WAVE", waveImage({pcm16, dataChunk(8)}, -1, "AVI "), false, waveNotWave, 0, 0},
      {"empty file", "", false, waveNoStream, 0, 0},
      {"header only", "RIFF", false, waveBadSize, 0, 0},
      {"no data chunk", waveImage({pcm16, chunk("LIST", 10)}), false, waveNoData, 0, 0},
      {"odd chunk without its pad byte", waveImage({pcm16, chunk("junk", 3, -1, false), dataChunk(8)}), false,
       waveNoData, 0, 0},
      {"chunk running past the end", waveImage({pcm16, chunk("LIST", 10, 1 << 30), dataChunk(8)}), false, waveNoData,
       0, 0},
      {"chunk ending at 2048", at2048, false, waveNoData, 0, 0},
      {"rate 0", waveImage({fmtChunk(1, 2, 0, 16), dataChunk(8)}), false, waveBadFormat, 0, 0},
      {"channels 0", waveImage({fmtChunk(1, 0, 22050, 16), dataChunk(8)}), false, waveBadFormat, 0, 0},
      {"12 bits", waveImage({fmtChunk(1, 1, 22050, 12, 2), dataChunk(8)}), false, waveBadFormat, 0, 0},
      {"block align not fitting", waveImage({fmtChunk(1, 2, 22050, 16, 3), dataChunk(8)}), false, waveBadFormat, 0, 0},
      {"bytes per second below the rate", waveImage({fmtChunk(1, 1, 22050, 8, 1, 100), dataChunk(8)}), false,
       waveBadFormat, 0, 0},
      {"data past the end", waveImage({pcm16, {"data", std::vector<uint8_t>(8), 0x7FFFFFF0}}), false, waveDataPastEnd,
       0, 0},
  };
  for (const ReaderCase& c : cases) {
    TWaveFile r;
    EXPECT_EQ(parseBytes(c.bytes, r), c.ok) << c.what;
    EXPECT_EQ(int(r.errorCode), int(c.code)) << c.what;
    EXPECT_EQ(r.stream != nullptr, c.ok) << c.what << ": a refused file gives its stream up";
    if (!c.ok) continue;
    EXPECT_EQ(r.dataSize, c.dataSize) << c.what;
    EXPECT_EQ(r.sampleCount, c.samples) << c.what;
  }
}

TEST(WaveReader, FormatOfALongFmtChunkIsItsFirst18Bytes) {
  TWaveFile r;
  ASSERT_TRUE(parseBytes(waveImage({fmtChunk(1, 2, 22050, 16, -1, -1, 24), fmtChunk(1, 1, 8000, 8), dataChunk(8)}), r));
  const TWaveFormatValues f = waveFormatFromHeader(r.format);
  EXPECT_EQ(f.samplesPerSec, 22050);
  EXPECT_EQ(f.channels, 2);
  EXPECT_EQ(f.bitsPerSample, 16);
  EXPECT_EQ(r.format.extraSize, 22);
}

TEST(WaveReader, ReadsNoFurtherThanTheDataChunk) {
  std::vector<uint8_t> pcm = {1, 2, 3, 4, 5, 6};
  TWaveFile r;
  ASSERT_TRUE(parseBytes(waveImage({fmtChunk(1, 1, 8000, 8), {"data", pcm}, chunk("LIST", 20)}), r));
  uint8_t buffer[64] = {};
  EXPECT_EQ(readWaveData(r, 4, buffer), 4);
  EXPECT_EQ(readWaveData(r, 64, buffer + 4), 2) << "the LIST after the data is not sound";
  EXPECT_EQ(std::vector<uint8_t>(buffer, buffer + 6), pcm);
  EXPECT_EQ(readWaveData(r, 64, buffer), 0);
  EXPECT_TRUE(closeWaveFile(r));
  EXPECT_FALSE(closeWaveFile(r));
  EXPECT_EQ(readWaveData(r, 4, buffer), -1);
  EXPECT_EQ(r.errorCode, waveNoStream);
}

TEST(WaveReader, MissingFileIsCode2) {
  TWaveFile r;
  EXPECT_FALSE(openWaveFile("/nonexistent/x.wav", r));
  EXPECT_EQ(r.errorCode, waveOpenFailed);
}

TEST(WaveReader, MakeWaveFormatBuildsPcmAndRefusesRanges) {
  const TWaveFormatBlock f = makeWaveFormat({22050, 2, 16});
  EXPECT_EQ(f.formatTag, 1);
  EXPECT_EQ(f.blockAlign, 4);
  EXPECT_EQ(f.avgBytesPerSec, 88200u);
  EXPECT_EQ(f.extraSize, 0);
  const TWaveFormatValues bad[] = {{-1, 1, 16}, {8000, 65536, 16}, {8000, 1, 65536}, {8000, 40000, 32}};
  for (const TWaveFormatValues& s : bad)
    EXPECT_THROW(makeWaveFormat(s), ERangeError) << s.samplesPerSec << " " << s.channels << " " << s.bitsPerSample;
  EXPECT_TRUE(sameGuid(TGuid{}, TGuid{}));
  EXPECT_FALSE(sameGuid(TGuid{}, TGuid{1}));
}

// Reading whatever the header promises must stay inside the file.
void readAll(const std::string& bytes) {
  TWaveFile r;
  if (!parseBytes(bytes, r)) return;
  ASSERT_LE(int64_t(r.dataPosition) + r.dataSize, int64_t(bytes.size()));
  std::vector<uint8_t> buffer(size_t(r.dataSize) + 1);
  ASSERT_EQ(readWaveData(r, int32_t(buffer.size()), buffer.data()), r.dataSize);
}

TEST(WaveReader, DamagedFilesEndWithoutACrash) {
  const std::string valid = waveImage({fmtChunk(1, 2, 22050, 16), chunk("LIST", 9), dataChunk(64), chunk("junk", 5)});
  for (size_t n = 0; n <= valid.size(); n++) readAll(valid.substr(0, n));
  std::mt19937 g(1804);
  for (int i = 0; i < 3000; i++) {
    std::string flipped = valid;
    for (int k = 0, flips = 1 + int(g() % 4); k < flips; k++) flipped[g() % flipped.size()] ^= char(1 << (g() % 8));
    readAll(flipped);
  }
  for (int i = 0; i < 3000; i++) {
    std::string random = "RIFF";
    const size_t size = g() % 200;
    ByteWriter w;
    w.u32(uint32_t(size + 4));
    random.append(w.bytes().begin(), w.bytes().end());
    random += i % 2 ? "WAVE" : "WAVX";
    for (size_t k = 0; k < size; k++) random += char(g());
    readAll(random);
  }
}

}  // namespace
