// The music on its worker (SDL's dummy driver, short tracks made with sox): which track
// plays and that it starts again, the settings, pause and resume, a missing or broken file,
// and a clip's section.
#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <functional>
#include <thread>

#include "core/cg.h"
#include "engine/engine_options.h"
#include "platform/music.h"
#include "platform/window.h"
#include "sound/music_control.h"
#include "shell/tutorial_state.h"
#include "sound/music_worker.h"
#include "tests/sound/audio_fixture.h"

namespace {

using Clock = std::chrono::steady_clock;

class MusicTest : public AudioTest {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(folder.root() + "/data/music");
    openDevice("dummy");
    appopt.musicTitle = 1;
    setLevels(1, 1, 1);
  }
  void TearDown() override {
    appopt.musicTitle = savedTitle;
    AudioTest::TearDown();
  }
  std::string musicPath(const std::string& file) const { return folder.root() + "/data/music/" + file; }
  // A tone of the given length as Ogg Vorbis; skips the test when sox cannot write one.
  void writeTrack(const std::string& file, double seconds) {
    // Written aside and renamed, so the worker never opens half a file.
    const std::string part = folder.root() + "/part.ogg";
    const std::string cmd = "sox -q -n -r 22050 -c 1 '" + part + "' synth " + std::to_string(seconds) +
                            " sine 330 2>/dev/null";
    if (std::system(cmd.c_str()) != 0) GTEST_SKIP() << "sox cannot write Ogg tracks";
    std::filesystem::rename(part, musicPath(file));
  }
  static bool waitFor(const std::function<bool()>& done, double seconds = 15) {
    const auto end = Clock::now() + std::chrono::milliseconds(int(seconds * 1000));
    while (Clock::now() < end) {
      if (done()) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return done();
  }
  // Until the worker has served every request (and a little longer for its pass to end).
  static void settle() {
    ASSERT_TRUE(waitFor([] { return !musicThread.busy(); }));
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
  }
  static bool started(const std::string& file) { return soundContainer.startedMusicFile().ends_with("/" + file); }
  const int32_t savedTitle = appopt.musicTitle;
};

TEST_F(MusicTest, TheTrackPlaysAndStartsAgainAtItsEnd) {
  ASSERT_EQ(cg.musicWorker, &musicThread);
  writeTrack("11.ogg", 0.3);
  applyMusicChoice(false);
  ASSERT_TRUE(waitFor([] { return soundContainer.musicStarts >= 1; }));
  EXPECT_TRUE(started("11.ogg")) << "without 12.ogg";
  writeTrack("12.ogg", 0.3);
  ASSERT_TRUE(waitFor([] { return soundContainer.musicStarts >= 4; }, 30)) << "started again at each end";
  EXPECT_TRUE(started("12.ogg")) << "12.ogg once it is there";
}

TEST_F(MusicTest, MusiktitelAndMusikAus) {
  writeTrack("12.ogg", 20);
  applyMusicChoice(false);
  ASSERT_TRUE(waitFor([] { return soundContainer.musicStarts == 1; }));
  const struct {
    const char* what;
    int32_t title, level;
    int32_t starts;
    bool open;
  } steps[] = {
      {"the same title", 1, 1, 1, true},      {"Musiktitel 2", 3, 1, 2, true}, {"Musiktitel 2 again", 3, 1, 2, true},
      {"Musik Aus", 3, 6, 2, false},          {"Musik on again", 3, 1, 3, true},
  };
  for (const auto& s : steps) {
    appopt.musicTitle = s.title;
    setLevels(1, 1, s.level);
    applyMusicChoice(false);
    settle();
    EXPECT_EQ(soundContainer.musicStarts, s.starts) << s.what;
    EXPECT_EQ(soundContainer.playerOpen.load(), s.open) << s.what;
    EXPECT_EQ(musMode() == MusicMode::playing, s.open) << s.what;
  }
}

TEST_F(MusicTest, PauseAndResume) {
  writeTrack("12.ogg", 20);
  applyMusicChoice(false);
  ASSERT_TRUE(waitFor([] { return musMode() == MusicMode::playing; }));
  const struct {
    void (*request)();
    MusicMode mode;
  } steps[] = {{pauseMusic, MusicMode::paused}, {resumeMusic, MusicMode::playing}, {resumeMusic, MusicMode::playing}};
  for (const auto& s : steps) {
    s.request();
    settle();
    EXPECT_EQ(musMode(), s.mode);
  }
}

TEST_F(MusicTest, AMissingTrackIsReportedOncePerRequestByTheMainThread) {
  const size_t before = winNullMessageBoxes().size();
  for (int i = 0; i < 2; i++) {
    applyMusicChoice(true);
    settle();
  }
  EXPECT_EQ(winNullMessageBoxes().size(), before) << "the worker only posts";
  soundContainer.showPostedMessages();
  soundContainer.showPostedMessages();
  EXPECT_EQ(winNullMessageBoxes().size(), before + 2);
  EXPECT_FALSE(soundContainer.playerFailed.load());
}

TEST_F(MusicTest, ABrokenTrackIsTriedTwiceThenOnlyTheMusicEnds) {
  writeFile(musicPath("12.ogg"), "OggS and nothing more");
  writeSound("_leg.wav", toneWave(22050, 50));
  applyMusicChoice(false);
  ASSERT_TRUE(waitFor([] { return soundContainer.playerFailed.load(); }));
  EXPECT_EQ(soundContainer.musicStarts, 0);
  soundContainer.playEvent(10, 0, 0);
  EXPECT_EQ(soundContainer.slotCounter, 1) << "effects still play";
  setLevels(3, 3, 1);
  EXPECT_EQ(soundContainer.effectsVolume, 56) << "volumes still change";
  applyMusicChoice(true);
  settle();
  EXPECT_EQ(soundContainer.musicStarts, 0);
}

TEST_F(MusicTest, AClipSectionPlaysItsPart) {
  writeTrack("tut.ogg", 2);
  musicThread.requestClip2("tut", 250, 500, true);
  ASSERT_TRUE(waitFor([] { return musMode() == MusicMode::playing; }));
  double first = musPosition(), last = first;
  const auto begin = Clock::now();
  while (musMode() == MusicMode::playing && Clock::now() - begin < std::chrono::seconds(3)) {
    last = std::max(last, musPosition());
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  // A loaded machine sees the clip late and stops it late; the bounds still tell a clip
  // from the whole track (0 to 2 s).
  EXPECT_GE(first, 0.4) << "from a quarter";
  EXPECT_LT(first, 0.9) << "from a quarter";
  EXPECT_GE(last, 0.85) << "to the half";
  EXPECT_LT(last, 1.6) << "to the half";
  settle();
  EXPECT_EQ(musMode(), MusicMode::stopped) << "a clip's end starts no music";
  EXPECT_EQ(soundContainer.musicStarts, 1);
}

TEST_F(MusicTest, TheTutorialsNarrationPlaysWhateverTheMusicSetting) {
  writeTrack("12.ogg", 20);
  writeTrack("tut.ogg", 0.6);
  setLevels(1, 1, 6);  // "Musik" "Aus"
  ASSERT_FALSE(soundContainer.musicEnabled());
  cg.gs.tutorialMode = 1;
  tutClipStart = 0;
  tutClipEnd = 1000;
  soundContainer.applyVolumes(true);
  EXPECT_GT(soundContainer.musicVolume, 0) << "the music counts as level 2";
  EXPECT_TRUE(soundContainer.musicEnabled());
  applyMusicChoice(true);
  settle();
  EXPECT_EQ(soundContainer.musicStarts, 0) << "the settings' choice waits for the tutorial";
  musicThread.requestClip2("tut", 0, 1000, true);
  ASSERT_TRUE(waitFor([] { return musMode() == MusicMode::playing; }));
  ASSERT_TRUE(waitFor([] { return musMode() == MusicMode::stopped; }));
  settle();
  EXPECT_EQ(musMode(), MusicMode::stopped) << "no track follows the narration";
  // The tutorial's end clears the range: the setting holds again.
  tutClipEnd = 0;
  soundContainer.applyVolumes(true);
  EXPECT_EQ(soundContainer.musicVolume, 0);
  EXPECT_FALSE(soundContainer.musicEnabled());
  cg.gs.tutorialMode = 0;
  tutClipEnd = -1;
}

TEST_F(MusicTest, TheWorkerSleepsBetweenPasses) {
  writeTrack("12.ogg", 20);
  applyMusicChoice(false);
  ASSERT_TRUE(waitFor([] { return soundContainer.musicStarts == 1; }));
  const std::clock_t cpu = std::clock();
  std::this_thread::sleep_for(std::chrono::milliseconds(400));
  EXPECT_LT(double(std::clock() - cpu) / CLOCKS_PER_SEC, 0.2) << "a spinning worker would use the whole 0.4 s";
}

TEST_F(MusicTest, TheMixerVolumeOfAnMciVolume) {
  const struct {
    int32_t mci, mixer;
  } cases[] = {{520, 67}, {410, 52}, {270, 35}, {170, 22}, {80, 10}, {0, 0}, {1000, 128}, {1200, 128}};
  for (const auto& c : cases) EXPECT_EQ(musMixerVolume(c.mci), c.mixer) << c.mci;
}

}  // namespace
