// The sound library over the mixer: error texts and messages, clamped volumes and pans, the
// mixer's scales, a buffer whose device went away, and the play cursor.
#include <gtest/gtest.h>

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
