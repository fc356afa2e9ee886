// The voice queue on a device (SDL's dummy driver): samples start one after another, a bubble
// held back shows when its own sample starts, and the voice levels and filters.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "tests/sound/speech_voice_fixture.h"

namespace {

class SpeechPlayback : public SpeechVoiceTest {
 protected:
  void SetUp() override {
    SpeechVoiceTest::SetUp();
    openDevice("dummy");
    for (int v = 2; v <= 4; v++) std::filesystem::create_directories(folder.root() + "/data/sound/" + std::to_string(v));
    setLevels(1, 1, 6);
    setVoiceStartListener([this](const std::string& path, int32_t seat) {
      started.push_back(shortPath(path) + "@" + std::to_string(seat));
    });
  }
  void TearDown() override {
    setVoiceStartListener({});
    SpeechVoiceTest::TearDown();
  }
  // Runs the queue as the tick does until it is empty and no voice plays (at most 5 s);
  // calls each() after every step.
  void drainQueue(const std::function<void()>& each = {}) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (std::chrono::steady_clock::now() < end) {
      const bool busy = soundContainer.processVoiceQueue(0) != 0;
      if (each) each();
      if (!busy && soundContainer.queueCount == 0) return;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    FAIL() << "the queue did not drain";
  }
  std::vector<std::string> started;
};

TEST_F(SpeechPlayback, AHeldBackBubbleShowsWhenItsSampleStarts) {
  writeSound("3/Eins.wav", toneWave(22050, 600));
  writeSound("4/Zwei.wav", toneWave(22050, 300));
  say("Eins", 2, 1, false);
  EXPECT_EQ(bubble(2), "?Eins") << "nothing played: shown at once";
  say("Zwei", 3, 1, false);
  EXPECT_EQ(bubble(3), "") << "held back while Eins plays";
  EXPECT_EQ(soundContainer.processVoiceQueue(2), 3) << "seat 2 speaks";
  EXPECT_EQ(soundContainer.processVoiceQueue(3), 0);
  bool shownWhileQueued = false;
  drainQueue([&] { shownWhileQueued = shownWhileQueued || (bubble(3) != "" && soundContainer.queueCount > 0); });
  EXPECT_FALSE(shownWhileQueued);
  EXPECT_EQ(bubble(3), "?Zwei");
  EXPECT_EQ(started, (std::vector<std::string>{"3/Eins.wav@2", "4/Zwei.wav@3"}));
}

TEST_F(SpeechPlayback, AFullQueueShowsTheBubbleAtOnce) {
  writeSound("3/Lang.wav", toneWave(22050, 1500));
  say("Lang", 2, 1, false);
  for (int i = 0; i < 2000 && started.empty(); i++) {
    soundContainer.processVoiceQueue(0);
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  ASSERT_EQ(started.size(), 1u) << "Lang speaks";
  for (const char* t : {"A1", "A2", "A3", "A4", "A5"}) say(t, 3, 1, false);
  EXPECT_EQ(soundContainer.queueCount, 5);
  EXPECT_EQ(bubble(3), "") << "all five held back";
  say("Zuviel", 4, 1, false);
  EXPECT_EQ(soundContainer.queueCount, 5);
  EXPECT_EQ(bubble(4), "?Zuviel") << "not queued, so not lost";
}

TEST_F(SpeechPlayback, LevelsAndFilters) {
  writeSound("3/Passe.wav", toneWave(22050, 300));
  readShippedCatalogues();  // voice 3's code 31 holds "Fein" and "Das passt"
  writeSound("3/Fein.wav", toneWave(22050, 300));
  writeSound("3/Das_passt.wav", toneWave(22050, 300));
  const struct {
    const char* what;
    int32_t mode, level;
    bool comment;
    size_t starts;
    bool sound;
  } cases[] = {
      {"voices on", 3, 1, false, 1, true},
      {"Nur Kommentare: a text", 2, 1, false, 0, false},
      {"Nur Kommentare: an emotion", 2, 1, true, 1, true},
      {"voices Aus: the queue moves on silently", 3, 6, false, 1, false},
      {"Ausgeschaltet", 1, 1, true, 0, false},
  };
  for (const auto& c : cases) {
    started.clear();
    waitForSilence();
    envParam.voiceMode = c.mode;
    setLevels(c.level, 1, 6);
    const int32_t slotBefore = soundContainer.slotCounter;
    if (c.comment) {
      for (int i = 0; i < 50 && !soundContainer.sayComment(2, 0, 1, 1, 100); i++) {
      }
    } else {
      say("Passe", 2, 1, false);
    }
    EXPECT_EQ(bubble(2).empty(), false) << c.what << ": the bubble shows";
    drainQueue();
    EXPECT_EQ(started.size(), c.starts) << c.what;
    EXPECT_EQ(soundContainer.slotCounter != slotBefore, c.sound) << c.what;
  }
}

}  // namespace
