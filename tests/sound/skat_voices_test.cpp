// A Skat game of three computer seats with voices on SDL's dummy driver and the voices made
// at build time: what is spoken exists, samples start in the order they were queued, a
// held-back bubble appears as its sample starts, the game step waits while a voice plays, the
// voice setting filters, and every game ends.
#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <set>
#include <thread>

#include "engine/engine_options.h"
#include "games/skat/skat_profile.h"
#include "platform/random.h"
#include "platform/sound.h"
#include "sound/sound_events.h"
#include "sound/voice_catalogue.h"
#include "tests/skat/skat_play_fixture.h"

#ifdef SKAT_APP_DIR
namespace {

struct TQueued {
  std::string path, subtitle;
  int32_t seat;
};

class SkatVoices : public SkatPlayFixture {
 protected:
  void SetUp() override {
    SkatPlayFixture::SetUp();
    const std::string voices = std::string(SKAT_APP_DIR) + "/data/sound";
    if (!std::filesystem::exists(voices + "/2/Ja.wav")) GTEST_SKIP() << "the voices are not made (espeak-ng missing)";
    std::filesystem::create_symlink(voices, folder + "/data/sound");
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    sndSetBackend(SoundBackend::sdl);
    soundContainer.create();
    if (soundContainer.noDevice) GTEST_SKIP() << "no dummy audio driver";
    scReader.create();
    tableLandsAtOnce = true;
    appopt.speechLevel = appopt.effectsLevel = 1;
    appopt.musicLevel = 6;
    soundContainer.applyVolumes(false);
    setVoiceStartListener([this](const std::string& path, int32_t seat) { starts.push_back({path, "", seat}); });
  }
  void TearDown() override {
    randomReleaseSeed();
    setVoiceStartListener({});
    tableLandsAtOnce = false;
    soundContainer.destroy();
    sndSetBackend(SoundBackend::null);
    unsetenv("SDL_AUDIODRIVER");
    scReader = TSCReader{};
    appopt.speechLevel = savedLevels[0];
    appopt.effectsLevel = savedLevels[1];
    appopt.musicLevel = savedLevels[2];
    SkatPlayFixture::TearDown();
  }

  std::vector<TQueued> queueNow() const {
    std::vector<TQueued> q;
    for (int i = 1; i <= soundContainer.queueCount; i++)
      q.push_back({soundContainer.queuedPaths[i], soundContainer.queuedSubtitles[i], soundContainer.queuedSeats[i]});
    return q;
  }

  // One game of three computer seats; checks every frame. False when it does not end.
  bool playWithVoices(int32_t voiceMode, uint64_t seed = 77) {
    // The game start reseeds the generator: fixed, every run deals the same games.
    randomFixSeed(seed);
    randomSeed(seed);
    soundRandomSeed(seed);
    screenMode = 1;
    skatGameArea().options = skatDefaultOptions;
    cg.startGame(gidSkat, 0);
    envParam.voiceMode = voiceMode;  // the game start reads the options
    for (int s = 1; s <= 3; s++) {
      cg.seatRecords[s].kind = seatKindComputer;
      cg.seatVoice[s] = 2 * s;
      skatLoadSeatProfile(s, 2);
    }
    std::vector<TQueued> before = queueNow();
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(90);
    while (std::chrono::steady_clock::now() < end) {
      if (cg.gs.phase == 5) return true;
      const size_t startsBefore = starts.size();
      const int32_t stepTick = cg.gs.lastStepTick;
      headlessFrame();
      const uint32_t frameTick = getTickCount();
      advanceFakeTick(skatSelfPlayFrameMs);
      const size_t started = starts.size() - startsBefore;
      // The entries that left the queue were its first ones; the rest stayed, new ones follow.
      for (size_t i = 0; i < started; i++) {
        if (i >= before.size()) {
          ADD_FAILURE() << "a sample started that was never queued";
          return false;
        }
        EXPECT_EQ(starts[startsBefore + i].path, before[i].path) << "in queue order";
        const TQueued& q = before[i];
        if (!q.subtitle.empty()) {
          // Without a table panel the bubble is its timing: begun in this frame.
          EXPECT_EQ(cg.gs.bubbleState[q.seat], 3) << q.subtitle;
          EXPECT_EQ(cg.gs.bubbles[q.seat].startTick, frameTick) << q.subtitle << ": shown as its sample starts";
        }
        spoken.push_back(q);
      }
      before = queueNow();
      if (cg.gs.voicePlaying != 0) {
        EXPECT_EQ(cg.gs.lastStepTick, stepTick) << "the game step waits for the voice";
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
      }
    }
    return false;
  }

  static constexpr uint32_t skatSelfPlayFrameMs = 50;
  std::vector<TQueued> starts, spoken;
  const int32_t savedLevels[3] = {appopt.speechLevel, appopt.effectsLevel, appopt.musicLevel};
};

TEST_F(SkatVoices, VoicesOnSpeakWhatExistsInOrder) {
  ASSERT_TRUE(playWithVoices(3));
  EXPECT_FALSE(spoken.empty());
  for (const TQueued& q : spoken) {
    bool found = false;
    findSoundFile(q.path, found);
    EXPECT_TRUE(found) << q.path;
  }
}

TEST_F(SkatVoices, NurKommentareSpeaksCommentsOnly) {
  std::set<std::string> comments;
  for (int32_t v : {2, 4, 6})
    for (int32_t code = 27; code <= 41; code++)
      for (int32_t i = 1; i <= scReader.stored[v][code]; i++)
        comments.insert(voiceFilePath(soundFileName(scReader.sampleTexts[v][code][i], false, false), v));
  // Comments come by chance: games until one was made.
  for (int game = 0; game < 12 && spoken.empty(); game++) ASSERT_TRUE(playWithVoices(2, 100 + game)) << game;
  EXPECT_FALSE(spoken.empty());
  for (const TQueued& q : spoken) EXPECT_TRUE(comments.count(q.path)) << q.path;
}

TEST_F(SkatVoices, VoicesOffSpeakNothing) {
  ASSERT_TRUE(playWithVoices(1));
  EXPECT_TRUE(spoken.empty());
}

}  // namespace
#endif
