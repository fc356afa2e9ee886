// Sound tests with an output device: SDL's dummy driver (sound is mixed and dropped) or its
// disk driver (the mixed sound lands in a file the test reads), and a temporary program
// folder with the sound files a test writes.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "engine/engine_options.h"
#include "platform/sound.h"
#include "sound/sound_events.h"
#include "tests/engine/temp_folder.h"
#include "tests/sound/wave_fixtures.h"

class AudioTest : public ::testing::Test {
 protected:
  // driver: "dummy" or "disk"; the disk driver writes to diskFile().
  void openDevice(const char* driver) {
    std::filesystem::create_directories(folder.root() + "/data/sound");
    setenv("SDL_AUDIODRIVER", driver, 1);
    setenv("SDL_DISKAUDIOFILE", diskFile().c_str(), 1);
    sndSetBackend(SoundBackend::sdl);
    soundContainer.create();
    if (soundContainer.noDevice) GTEST_SKIP() << "SDL audio driver " << driver << " not available";
  }
  void TearDown() override {
    appopt.speechLevel = savedLevels[0];
    appopt.effectsLevel = savedLevels[1];
    appopt.musicLevel = savedLevels[2];
    soundContainer.destroy();
    soundContainer.setVolume(0, 0, false);
    soundContainer.playerFailed = false;
    sndSetBackend(SoundBackend::null);
    unsetenv("SDL_AUDIODRIVER");
    unsetenv("SDL_DISKAUDIOFILE");
  }
  std::string diskFile() const { return folder.root() + "/out.raw"; }
  std::string soundPath(const std::string& file) const { return folder.root() + "/data/sound/" + file; }
  void writeSound(const std::string& file, const std::string& bytes) const { writeFile(soundPath(file), bytes); }

  // Sets the three levels of the sound dialog and applies them.
  void setLevels(int32_t voices, int32_t effects, int32_t music) {
    appopt.speechLevel = voices;
    appopt.effectsLevel = effects;
    appopt.musicLevel = music;
    soundContainer.applyVolumes(false);
  }

  // Waits until the sample loader has read what was asked and the slots waiting for it have
  // started, as the frames would (at most two seconds).
  static void settleSounds() {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (std::chrono::steady_clock::now() < end) {
      soundContainer.servePendingPlays();
      if (!soundContainer.playPending() && !soundContainer.sampleCache.loading()) return;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  }

  // Waits until no slot plays any more (at most two seconds).
  static void waitForSilence() {
    settleSounds();
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (std::chrono::steady_clock::now() < end) {
      bool playing = false;
      for (auto& s : soundContainer.samples) playing = playing || (s && s->isPlaying());
      if (!playing) return;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }

  // The 16-bit stereo frames the disk driver wrote, once the device is closed.
  std::vector<int16_t> diskSamples() {
    soundContainer.destroy();
    std::ifstream in(diskFile(), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), {});
    std::vector<int16_t> out(bytes.size() / 2);
    for (size_t i = 0; i < out.size(); i++)
      out[i] = int16_t(uint8_t(bytes[2 * i]) | uint8_t(bytes[2 * i + 1]) << 8);
    return out;
  }

  TempProgramFolder folder;
  const int32_t savedLevels[3] = {appopt.speechLevel, appopt.effectsLevel, appopt.musicLevel};
};
