// The kept samples: a sound played again is not read again, a repeat of a sound still
// playing gets its own copy, a changed file is read again, and the cache stays bounded.
#include <gtest/gtest.h>

#include <string>

#include "sound/sound_events.h"
#include "tests/sound/audio_fixture.h"

namespace {

class SampleCache : public AudioTest {
 protected:
  void SetUp() override {
    openDevice("dummy");
    setLevels(1, 1, 1);
  }
};

TEST_F(SampleCache, APlayedSoundIsKeptAndPlaysAgainWithoutLoading) {
  writeSound("down.wav", toneWave(22050, 20));
  soundContainer.playEvent(2, 0, 0);
  waitForSilence();
  soundContainer.playEvent(2, 0, 0);
  EXPECT_EQ(soundContainer.sampleCache.loads, 1);
  EXPECT_EQ(soundContainer.slotCounter, 2);
  EXPECT_EQ(soundContainer.samples[1], nullptr) << "the kept sample moved on to the newer slot";
  ASSERT_NE(soundContainer.samples[2], nullptr);
  EXPECT_TRUE(soundContainer.samples[2]->isPlaying());
}

TEST_F(SampleCache, ARepeatWhilePlayingGetsItsOwnCopy) {
  writeSound("up.wav", toneWave(22050, 1000));
  soundContainer.playEvent(1, 0, 0);
  soundContainer.playEvent(1, 0, 0);
  EXPECT_EQ(soundContainer.sampleCache.loads, 2);
  EXPECT_NE(soundContainer.samples[1], soundContainer.samples[2]);
  EXPECT_TRUE(soundContainer.samples[1]->isPlaying()) << "the first play is not cut off";
  EXPECT_TRUE(soundContainer.samples[2]->isPlaying());
}

TEST_F(SampleCache, AChangedFileIsReadAgain) {
  writeSound("down.wav", toneWave(22050, 20));
  soundContainer.playEvent(2, 0, 0);
  waitForSilence();
  writeSound("down.wav", toneWave(22050, 40));
  soundContainer.playEvent(2, 0, 0);
  EXPECT_EQ(soundContainer.sampleCache.loads, 2);
  EXPECT_EQ(soundContainer.samples[2]->bufferSize(), 22050 / 25 * 2);
}

TEST_F(SampleCache, BoundedAndEmptiedWithTheContainer) {
  for (int i = 0; i < sampleCacheSamples + 10; i++) {
    const std::string name = "v" + std::to_string(i) + ".wav";
    writeSound(name, toneWave(22050, 10));
    soundContainer.playSound(soundPath(name), 2, "", 100, 0, true);
    EXPECT_LE(soundContainer.sampleCache.sampleCount(), sampleCacheSamples);
  }
  EXPECT_EQ(soundContainer.sampleCache.sampleCount(), sampleCacheSamples);
  EXPECT_EQ(soundContainer.sampleCache.byteCount(), sampleCacheSamples * (22050 / 100) * 2);
  soundContainer.destroy();
  EXPECT_EQ(soundContainer.sampleCache.sampleCount(), 0);
  EXPECT_EQ(soundContainer.sampleCache.byteCount(), 0);
}

}  // namespace
