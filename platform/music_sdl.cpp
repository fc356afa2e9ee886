// The music service over SDL2_mixer's music stream.
#include <SDL_mixer.h>

#include <cmath>
#include <mutex>

#include "platform/music.h"
#include "platform/sound.h"

namespace {
// The music worker opens and closes the track while other threads may ask its state.
std::recursive_mutex trackLock;
Mix_Music* track = nullptr;
}

bool musOpen(const std::string& path, std::string& error) {
  const std::lock_guard<std::recursive_mutex> hold(trackLock);
  musClose();
  if (!sndDeviceOpen()) {
    error = "no audio device";
    return false;
  }
  track = Mix_LoadMUS(path.c_str());
  if (!track) {
    error = Mix_GetError();
    return false;
  }
  return true;
}

void musClose() {
  const std::lock_guard<std::recursive_mutex> hold(trackLock);
  if (!track) return;
  if (sndDeviceOpen()) Mix_HaltMusic();
  Mix_FreeMusic(track);
  track = nullptr;
}

bool musPlay(double from, std::string& error) {
  const std::lock_guard<std::recursive_mutex> hold(trackLock);
  if (!track) {
    error = "no track open";
    return false;
  }
  if (Mix_PlayMusic(track, 0) != 0) {
    error = Mix_GetError();
    return false;
  }
  if (from > 0 && Mix_SetMusicPosition(from) != 0) {
    error = Mix_GetError();
    Mix_HaltMusic();
    return false;
  }
  return true;
}

void musPause() {
  const std::lock_guard<std::recursive_mutex> hold(trackLock);
  if (track) Mix_PauseMusic();
}

void musResume() {
  const std::lock_guard<std::recursive_mutex> hold(trackLock);
  if (track) Mix_ResumeMusic();
}

void musHalt() {
  const std::lock_guard<std::recursive_mutex> hold(trackLock);
  if (track) Mix_HaltMusic();
}

MusicMode musMode() {
  const std::lock_guard<std::recursive_mutex> hold(trackLock);
  if (!track) return MusicMode::notOpen;
  if (!Mix_PlayingMusic()) return MusicMode::stopped;
  return Mix_PausedMusic() ? MusicMode::paused : MusicMode::playing;
}

double musPosition() {
  const std::lock_guard<std::recursive_mutex> hold(trackLock);
  if (!track) return 0;
  const double p = Mix_GetMusicPosition(track);
  return p > 0 ? p : 0;
}

double musLength() {
  const std::lock_guard<std::recursive_mutex> hold(trackLock);
  if (!track) return 0;
  const double d = Mix_MusicDuration(track);
  return d > 0 ? d : 0;
}

int32_t musMixerVolume(int32_t m) {
  if (m < 0) m = 0;
  if (m > 1000) m = 1000;
  return int32_t(std::lround(MIX_MAX_VOLUME * m / 1000.0));
}

void musSetVolume(int32_t mciVolume) {
  if (sndDeviceOpen()) Mix_VolumeMusic(musMixerVolume(mciVolume));
}
