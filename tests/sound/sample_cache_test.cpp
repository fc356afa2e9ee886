// The kept samples: a sound not kept is read by the loader's worker and starts when ready,
// a sound played again is not read again, a repeat of a sound still playing gets a sample of
// its own sharing the sound, a changed file is read again, and the cache stays bounded.
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

TEST_F(SampleCache, ASoundNotKeptStartsWhenTheLoaderHasReadIt) {
  writeSound("up.wav", toneWave(22050, 200));
  soundContainer.playEvent(1, 0, 0);
  EXPECT_EQ(soundContainer.slotCounter, 1);
  EXPECT_EQ(soundContainer.samples[1], nullptr) << "the frame does not wait for the file";
  EXPECT_TRUE(soundContainer.playPending());
  settleSounds();
  EXPECT_EQ(soundContainer.sampleCache.loads, 1);
  ASSERT_NE(soundContainer.samples[1], nullptr);
  EXPECT_TRUE(soundContainer.samples[1]->isPlaying());
  EXPECT_FALSE(soundContainer.playPending());
}

TEST_F(SampleCache, ASlotReusedBeforeItsSoundIsReadForgetsIt) {
  writeSound("up.wav", toneWave(22050, 200));
  writeSound("down.wav", toneWave(22050, 20));
  soundContainer.playEvent(1, 0, 0);
  soundContainer.slotCounter = 0;
  soundContainer.playEvent(2, 0, 0);
  settleSounds();
  ASSERT_NE(soundContainer.samples[1], nullptr);
  EXPECT_EQ(soundContainer.samples[1]->bufferSize(), 22050 / 50 * 2) << "slot 1 plays the later sound";
  for (int s = 2; s <= soundSlotCount; s++) EXPECT_EQ(soundContainer.samples[s], nullptr) << s;
}

TEST_F(SampleCache, ARepeatWhilePlayingGetsItsOwnSampleSharingTheSound) {
  writeSound("up.wav", toneWave(22050, 1000));
  soundContainer.playEvent(1, 0, 0);
  settleSounds();
  soundContainer.playEvent(1, 0, 0);
  EXPECT_EQ(soundContainer.sampleCache.loads, 1) << "shared, not read again";
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
  settleSounds();
  EXPECT_EQ(soundContainer.sampleCache.loads, 2);
  EXPECT_EQ(soundContainer.samples[2]->bufferSize(), 22050 / 25 * 2);
}

TEST_F(SampleCache, BoundedAndEmptiedWithTheContainer) {
  for (int i = 0; i < sampleCacheSamples + 10; i++) {
    const std::string name = "v" + std::to_string(i) + ".wav";
    writeSound(name, toneWave(22050, 10));
    soundContainer.playSound(soundPath(name), 2, "", 100, 0, true);
    settleSounds();
    EXPECT_LE(soundContainer.sampleCache.sampleCount(), sampleCacheSamples);
  }
  EXPECT_EQ(soundContainer.sampleCache.sampleCount(), sampleCacheSamples);
  EXPECT_EQ(soundContainer.sampleCache.byteCount(), sampleCacheSamples * (22050 / 100) * 2);
  soundContainer.destroy();
  EXPECT_EQ(soundContainer.sampleCache.sampleCount(), 0);
  EXPECT_EQ(soundContainer.sampleCache.byteCount(), 0);
}

TEST_F(SampleCache, ClosingWhileTheLoaderReadsDropsItsWork) {
  for (int i = 0; i < sampleLoaderCapacity + 4; i++) {
    const std::string name = "w" + std::to_string(i) + ".wav";
    writeSound(name, toneWave(22050, 300));
    soundContainer.playSound(soundPath(name), 2, "", 100, 0, false);
  }
  EXPECT_TRUE(soundContainer.sampleCache.loading());
  soundContainer.destroy();
  EXPECT_FALSE(soundContainer.sampleCache.loading());
  EXPECT_FALSE(soundContainer.playPending());
  EXPECT_FALSE(sndDeviceOpen());
}

}  // namespace
