// The sound library over the mixer: error texts and messages, clamped volumes and pans, the
// mixer's scales, a buffer whose device went away, and the play cursor.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "platform/errors.h"
#include "sound/dsw_sound.h"
#include "tests/sound/audio_fixture.h"

namespace {

TEST(DSWSound, ErrorTextsAndMessages) {
  const struct {
    uint32_t code;
    const char* text;
  } cases[] = {
      {dsOk, "The request completed successfully."},
      {dsErrBufferLost, "The buffer memory has been lost and must be restored."},
      {dsErrNoDriver, "No sound driver is available for use."},
      {dsErrOutOfMemory, "The DirectSound subsystem could not allocate sufficient memory to complete the caller´s request."},
      {0x12345678, "Unrecognized Error"},
  };
  for (const auto& c : cases) EXPECT_EQ(soundErrorText(c.code), c.text) << std::hex << c.code;
  const EDSWSoundError e("TDSWSound.SetCooperativeLevel", dsErrInvalidParam);
  EXPECT_STREQ(e.what(), "TDSWSound.SetCooperativeLevel:\rAn invalid parameter was passed to the returning function.");
  EXPECT_EQ(uint32_t(e.code()), uint32_t(dsErrInvalidParam));
}

TEST(DSWSound, APlainBufferCannotBeCreated) {
  TDSWSound device{TGuid{}};
  EXPECT_FALSE(device.hasDevice()) << "the null backend has no device";
  try {
    TDSWSoundBuffer buffer(device);
    FAIL() << "created";
  } catch (const EDSWSoundError& e) {
    EXPECT_EQ(std::string(e.what()).substr(0, 35), "A TDSWSoundBuffer cannot be created");
  }
}

TEST(DSWSound, ASampleWithoutBufferIsSilentAndClamps) {
  TDSWSound device{TGuid{}};
  TDSWSoundFileSample sample(device, "/nonexistent/x.wav", dswPan | dswVolume);
  EXPECT_FALSE(sample.hasBuffer());
  const struct {
    int32_t volume, pan, wantVolume, wantPan;
  } cases[] = {{500, 12000, 0, 10000}, {-20000, -12000, -10000, -10000}, {-430, 1200, -430, 1200}};
  for (const auto& c : cases) {
    sample.setVolume(c.volume);
    sample.setPan(c.pan);
    EXPECT_EQ(sample.volume(), c.wantVolume) << c.volume;
    EXPECT_EQ(sample.pan(), c.wantPan) << c.pan;
  }
  EXPECT_NO_THROW(sample.play(false));
  EXPECT_FALSE(sample.isPlaying());
  EXPECT_EQ(sample.getCursorPos(), 0);
}

// The six levels of the dialog through percent, attenuation and pan to what the mixer gets.
TEST(DSWSound, LevelsReachTheMixerAsVolumeAndGains) {
  const struct {
    int32_t level, percent, attenuation, mixerVolume;
  } levels[] = {{1, 100, 0, 128}, {2, 80, -100, 114}, {3, 56, -430, 78},
                {4, 40, -650, 61}, {5, 24, -950, 43}, {6, 0, -1250, 30}};
  for (const auto& c : levels) {
    const int32_t percent = levelToVolume(c.level);
    EXPECT_EQ(percent, c.percent) << c.level;
    EXPECT_EQ(attenuationOf(percent), c.attenuation) << c.level;
    EXPECT_EQ(dswMixerVolume(attenuationOf(percent)), c.mixerVolume) << c.level;
  }
  EXPECT_EQ(levelToVolume(0), 100);
  EXPECT_EQ(levelToVolume(9), 0);
  EXPECT_EQ(dswMixerVolume(-10000), 0);
  const struct {
    int32_t panPercent;
    uint8_t left, right;
  } pans[] = {{0, 255, 255}, {-100, 255, 64}, {100, 64, 255}, {-50, 255, 128}, {25, 181, 255}};
  for (const auto& c : pans) {
    const auto [left, right] = dswPanGains(c.panPercent * 12);
    EXPECT_EQ(left, c.left) << c.panPercent;
    EXPECT_EQ(right, c.right) << c.panPercent;
  }
  EXPECT_EQ(dswPanGains(-10000).second, 0);
}

class DSWDevice : public AudioTest {};

TEST_F(DSWDevice, ALostBufferRaisesOnPlay) {
  openDevice("dummy");
  writeSound("tone.wav", toneWave(22050, 100));
  TDSWSoundFileSample sample(*soundContainer.device, soundPath("tone.wav"), dswPan | dswVolume);
  ASSERT_TRUE(sample.hasBuffer());
  EXPECT_EQ(sample.bufferSize(), 22050 / 10 * 2);
  sndCloseDevice();
  try {
    sample.play(false);
    FAIL() << "played";
  } catch (const EDSWSoundError& e) {
    EXPECT_STREQ(e.what(), "TDSWSoundFileSample.Play:\rThe buffer memory has been lost and must be restored.");
  }
}

TEST_F(DSWDevice, LockHandsOutTheBufferInOneOrTwoRegions) {
  openDevice("disk");
  writeSound("tone.wav", toneWave(22050, 10));
  TDSWSoundFileSample sample(*soundContainer.device, soundPath("tone.wav"), dswPan | dswVolume);
  const int32_t size = sample.bufferSize();
  ASSERT_EQ(size, 220 * 2);
  const struct {
    int32_t offset, size;
    uint8_t flags;
    int32_t length1, length2;
  } cases[] = {{0, 100, 0, 100, 0}, {size - 4, 8, 0, 4, 4}, {7, 0, 2, size, 0}, {0, 10, 1, 10, 0}};
  for (const auto& c : cases) {
    sample.lock(c.offset, c.size, c.flags);
    EXPECT_EQ(sample.region1Length(), c.length1) << c.offset << "+" << c.size << " flags " << int(c.flags);
    EXPECT_EQ(sample.region2Length(), c.length2) << c.offset << "+" << c.size << " flags " << int(c.flags);
    EXPECT_EQ(sample.region2() != nullptr, c.length2 > 0);
    sample.unlock();
  }
  EXPECT_THROW(sample.lock(-1, 4, 0), ERangeError);
  EXPECT_THROW(sample.lock(0, -4, 0), ERangeError);
  EXPECT_THROW(sample.lock(size, 4, 0), EDSWSoundError);
  // What unlock hands over is what plays: silence written over the tone.
  sample.lock(0, 0, 2);
  std::fill(sample.region1(), sample.region1() + sample.region1Length(), 0);
  sample.unlock();
  sample.play(false);
  EXPECT_TRUE(sample.isPlaying());
  while (sample.isPlaying()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  sndCloseDevice();
  std::ifstream in(diskFile(), std::ios::binary);
  const std::string out((std::istreambuf_iterator<char>(in)), {});
  EXPECT_FALSE(out.empty());
  EXPECT_EQ(out.find_first_not_of('\0'), std::string::npos) << "the tone was overwritten";
}

TEST_F(DSWDevice, CursorCountsBytesOfTheSamplesOwnFormat) {
  openDevice("dummy");
  writeSound("tone.wav", toneWave(11025, 60));
  TDSWSoundFileSample sample(*soundContainer.device, soundPath("tone.wav"), dswPan | dswVolume);
  ASSERT_TRUE(sample.hasBuffer());
  sample.play(false);
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  while (sample.isPlaying() && std::chrono::steady_clock::now() < end)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  EXPECT_FALSE(sample.isPlaying());
  EXPECT_NEAR(sample.getCursorPos(), sample.bufferSize(), 8) << "11,025 Hz mono 16-bit, not the device's layout";
}

}  // namespace
