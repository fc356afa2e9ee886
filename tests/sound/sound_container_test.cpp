// The sound container: which file a name finds, the nine slots, the effect events with their
// place on the table, the voices' volume and pan, and what comes out of the device.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>

#include "platform/random.h"
#include "shell/shell_globals.h"
#include "sound/sound_events.h"
#include "table/stacks.h"
#include "tests/sound/audio_fixture.h"

namespace {

class SoundLookup : public AudioTest {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(folder.root() + "/data/sound/3");
    for (const char* f : {"_leg.wav", "poch.ogg", "poch.wav", "applaus.wav", "applaus2.wav", "applaus3.wav",
                          "gap.wav", "gap3.wav", "3/na_gut.wav"})
      writeSound(f, "x");
  }
};

TEST_F(SoundLookup, ANameFindsItsFile) {
  const std::string voice = soundPath("3/na_gut");
  const struct {
    std::string name, file;
    bool found;
  } cases[] = {
      {"poch", "poch.ogg", true},            // ".ogg" before ".wav"
      {"_leg", "_leg.wav", true},
      {"gap", "gap.wav", true},              // gap3 without gap2 is no variant
      {voice + "_.wav", "3/na_gut.wav", true},  // the question variant falls back to the plain sample
      {voice + ".wav", "3/na_gut.wav", true},
      {"zieh", "zieh.wav", false},
  };
  for (const auto& c : cases) {
    bool found = false;
    EXPECT_EQ(findSoundFile(c.name, found), soundPath(c.file)) << c.name;
    EXPECT_EQ(found, c.found) << c.name;
  }
}

TEST_F(SoundLookup, VariantsAreEquallyLikelyAndLeaveTheDealAlone) {
  randomSeed(77);
  const int32_t before[3] = {randomBelow(1000), randomBelow(1000), randomBelow(1000)};
  randomSeed(77);
  soundRandomSeed(5);
  std::map<std::string, int> seen;
  bool found = false;
  for (int i = 0; i < 3000; i++) seen[findSoundFile("applaus", found)]++;
  ASSERT_EQ(seen.size(), 3u);
  for (const auto& [file, n] : seen) EXPECT_NEAR(n, 1000, 100) << file;
  const int32_t after[3] = {randomBelow(1000), randomBelow(1000), randomBelow(1000)};
  EXPECT_EQ(std::vector<int32_t>(after, after + 3), std::vector<int32_t>(before, before + 3));
}

TEST(SoundPlacement, ACardsPlaceGivesLoudnessAndPan) {
  const struct {
    int32_t stack, slot;
    float stackX, stackZ, cardX;
    int32_t factor, pan;
  } cases[] = {
      {0, 1, 100, 0, 0, 100, 0},        // unplaced
      {5, 0, 100, 0, 0, 100, 0},
      {5, 1, 100, 0, 0, 100, -98},      // far left
      {5, 2, 600, 0, 10, 100, -7},
      {1, 2, 600, 0, 10, 100, -21},     // the user's hand spreads three times as wide
      {5, 1, 650, -1250, 0, 50, 0},     // further back, fainter
      {5, 1, 2000, -5000, 0, 0, 100},
      {5, 1, 650, 900, 0, 100, 0},
  };
  for (const auto& c : cases) {
    const TSpieler saved = c.stack >= 1 ? sp[c.stack] : TSpieler{};
    if (c.stack >= 1) {
      sp[c.stack].pose.x = c.stackX;
      sp[c.stack].pose.z = c.stackZ;
      if (c.slot >= 1) sp[c.stack].slots[c.slot].pose.x = c.cardX;
    }
    const TEffectPlacement p = effectPlacement(c.stack, c.slot);
    EXPECT_EQ(p.factor, c.factor) << c.stack << "/" << c.slot << " x " << c.stackX;
    EXPECT_EQ(p.pan, c.pan) << c.stack << "/" << c.slot << " x " << c.stackX;
    if (c.stack >= 1) sp[c.stack] = saved;
  }
  EXPECT_STREQ(effectName(10), "_leg");
  EXPECT_STREQ(effectName(32), "poch");
  EXPECT_STREQ(effectName(4), "");
}

class SoundSlots : public AudioTest {
 protected:
  void SetUp() override {
    openDevice("dummy");
    writeSound("up.wav", toneWave(22050, 1000));
    writeSound("down.wav", toneWave(22050, 100));
    writeSound("_leg.wav", toneWave(22050, 50));
    writeSound("voice.wav", toneWave(22050, 100));
  }
  void TearDown() override {
    playerCount = savedPlayerCount;
    sp[5] = savedStack;
    AudioTest::TearDown();
  }
  const int32_t savedPlayerCount = playerCount;
  const TSpieler savedStack = sp[5];
};

TEST_F(SoundSlots, TheTenthSoundReusesSlotOne) {
  setLevels(1, 1, 1);
  for (int i = 1; i <= 9; i++) {
    soundContainer.playEvent(1, 0, 0);  // a tone of a second
    EXPECT_EQ(soundContainer.slotCounter, i);
  }
  settleSounds();
  soundContainer.playEvent(soundCardLands, 0, 0);  // 50 ms
  EXPECT_EQ(soundContainer.slotCounter, 1);
  settleSounds();
  ASSERT_NE(soundContainer.samples[1], nullptr);
  EXPECT_EQ(soundContainer.samples[1]->bufferSize(), 22050 / 20 * 2) << "slot 1 now holds the tenth sound";
  for (int s = 2; s <= 9; s++) EXPECT_TRUE(soundContainer.samples[s]->isPlaying()) << s;
  EXPECT_EQ(soundContainer.samples[10], nullptr);
}

TEST_F(SoundSlots, EffectsAtTheirVolumeAndPlace) {
  setLevels(1, 3, 1);  // effects 56 %
  soundContainer.playEvent(2, 0, 0);
  sp[5].pose.z = -1250;  // factor 50
  sp[5].pose.x = 650;
  soundContainer.playEvent(10, 5, 1);
  settleSounds();
  ASSERT_EQ(soundContainer.slotCounter, 2);
  EXPECT_EQ(soundContainer.samples[1]->volume(), -430);
  EXPECT_EQ(soundContainer.samples[2]->volume(), -950) << "56 % at factor 50 is 28 %";
  EXPECT_TRUE(soundContainer.playSound("_leg", 0, "", 0, 0, false));
  settleSounds();
  ASSERT_EQ(soundContainer.slotCounter, 3);
  EXPECT_FALSE(soundContainer.samples[3]->isPlaying()) << "volume 0 loads and stays silent";
  EXPECT_EQ(soundContainer.slotKinds[3], 0);
}

TEST_F(SoundSlots, OggEffectsAreDecodedByTheMixer) {
  const std::string ogg = soundPath("poch.ogg");
  if (std::system(("sox -q -n -r 22050 -c 1 '" + ogg + "' synth 0.5 sine 300 2>/dev/null").c_str()) != 0)
    GTEST_SKIP() << "sox cannot write the Ogg fixture";
  writeSound("poch.wav", toneWave(22050, 50));
  writeSound("_x.ogg", "OggS but nothing after it");
  setLevels(1, 1, 1);
  soundContainer.playEvent(32, 0, 0);
  settleSounds();
  ASSERT_EQ(soundContainer.slotCounter, 1);
  const TDSWSoundFileSample& s = *soundContainer.samples[1];
  EXPECT_TRUE(s.hasBuffer());
  EXPECT_EQ(s.format().channels, 2) << "decoded into the device's layout";
  const int32_t halfSecond = s.format().samplesPerSec * 2 * 2 / 2;
  EXPECT_NEAR(s.bufferSize(), halfSecond, halfSecond / 5) << "the Ogg's half second, not the wave's 50 ms";
  soundContainer.playEvent(14, 0, 0);
  settleSounds();
  ASSERT_EQ(soundContainer.slotCounter, 2);
  EXPECT_FALSE(soundContainer.samples[2]->hasBuffer()) << "a broken file stays silent";
  EXPECT_EQ(soundContainer.slotKinds[2], 0);
}

TEST_F(SoundSlots, VoicesArePannedByTheirSeat) {
  setLevels(3, 1, 1);  // voices 56 %: base round(56 x 1.05 + 5) = 64
  const struct {
    int32_t players, seat, pan, volume;
  } cases[] = {
      {4, 2, -1200, -280},  // 64 + 5 = 69
      {4, 3, 0, -360},      // 64
      {4, 4, 1200, -280},
      {2, 2, 0, -360},
      {3, 1, 0, -430},      // the user's own voice 5 quieter: 59
  };
  for (const auto& c : cases) {
    playerCount = c.players;
    soundContainer.playSeatSound(soundPath("voice.wav"), c.seat);
    settleSounds();
    const int32_t slot = soundContainer.slotCounter;
    ASSERT_NE(soundContainer.samples[slot], nullptr);
    EXPECT_EQ(soundContainer.samples[slot]->pan(), c.pan) << c.players << " seats, seat " << c.seat;
    EXPECT_EQ(soundContainer.samples[slot]->volume(), c.volume) << c.players << " seats, seat " << c.seat;
    EXPECT_EQ(soundContainer.slotKinds[slot], 1);
    EXPECT_EQ(soundContainer.slotSeats[slot], c.seat);
  }
}

TEST_F(SoundSlots, VoicesOffPlayNoVoice) {
  setLevels(6, 1, 1);
  playerCount = 3;
  soundContainer.playSeatSound(soundPath("voice.wav"), 2);
  EXPECT_EQ(soundContainer.slotCounter, 0) << "not even at the faintest step";
}

TEST_F(SoundSlots, AFailedMusicPlayerLeavesEffectsAndVolumes) {
  setLevels(1, 1, 1);
  soundContainer.playerFailed = true;
  soundContainer.playEvent(2, 0, 0);
  EXPECT_EQ(soundContainer.slotCounter, 1);
  soundContainer.setVolume(24, 3, false);
  EXPECT_EQ(soundContainer.effectsVolume, 24);
}

TEST_F(SoundSlots, MusicVolumeOfEachLevel) {
  const int32_t expected[] = {52, 41, 27, 17, 8, 0};
  for (int level = 1; level <= 6; level++) {
    setLevels(1, 1, level);
    EXPECT_EQ(soundContainer.musicVolume, expected[level - 1]) << level;
  }
}

// The disk driver writes what the mixer made: 16-bit stereo frames.
class SoundOutput : public AudioTest {
 protected:
  void SetUp() override {
    openDevice("disk");
    writeSound("_leg.wav", toneWave(22050, 150));
    writeSound("down.wav", toneWave(22050, 150));
  }
  void TearDown() override {
    sp[5] = savedStack;
    AudioTest::TearDown();
  }
  // Sums of the absolute left and right samples.
  std::pair<double, double> channelLoudness() {
    waitForSilence();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const std::vector<int16_t> s = diskSamples();
    double left = 0, right = 0;
    for (size_t i = 0; i + 1 < s.size(); i += 2) {
      left += std::abs(s[i]);
      right += std::abs(s[i + 1]);
    }
    return {left, right};
  }
  const TSpieler savedStack = sp[5];
};

TEST_F(SoundOutput, ACardLandingAtTheLeftSoundsLouderOnTheLeft) {
  setLevels(1, 1, 1);
  sp[5].pose.x = 100;
  sp[5].pose.z = 0;
  soundContainer.playEvent(soundCardLands, 5, 1);
  const auto [left, right] = channelLoudness();
  EXPECT_GT(left, 1e6) << "a tone was written";
  EXPECT_GT(left, 3 * right) << "left " << left << ", right " << right;
  EXPECT_GT(right, 0) << "the far side is fainter, not cut";
}

TEST_F(SoundOutput, EffectsOffWriteSilence) {
  setLevels(1, 6, 1);
  sp[5].pose.x = 100;
  soundContainer.playEvent(soundCardLands, 5, 1);
  soundContainer.playEvent(soundClick, 0, 0);
  EXPECT_EQ(soundContainer.slotCounter, 0);
  const auto [left, right] = channelLoudness();
  EXPECT_EQ(left + right, 0);
}

}  // namespace
