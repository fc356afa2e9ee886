// The music: the settings' choice, pause and resume on the main thread; the track, the clips
// and the end of a track on the music worker.
//
// [SECTION] main thread   applyMusicChoice, requestMusic, pause and resume, posted messages
// [SECTION] worker        playNextTrack, playClip, checkMusicEnd, reopenPlayer
#include "sound/music_control.h"

#include <cmath>
#include <filesystem>

#include "engine/engine_form.h"
#include "engine/engine_options.h"
#include "engine/engine_services.h"
#include "engine/error_log.h"
#include "engine/message_box.h"
#include "platform/music.h"
#include "platform/paths.h"
#include "sound/music_worker.h"
#include "sound/sound_events.h"

namespace {

constexpr int32_t kMissingMusicMessage = 40;

bool fileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

std::string musicFile(const std::string& name) { return toLocalPath(programPath("\\data\\music\\" + name)); }

}  // namespace

std::string musicNameOf(int32_t value) {
  static const char* const names[] = {"xx", "11", "12", "13", "14", "15", "16", "17", "18", "19"};
  return value >= 1 && value <= 10 ? names[value - 1] : "";
}

// [SECTION] main thread

void pauseMusic() { soundContainer.pauseMusic(); }
void resumeMusic() { soundContainer.resumeMusic(); }
void resumeMusicIfActive() { soundContainer.resumeMusicIfActive(); }
void applyMusicChoice(bool reload) { soundContainer.applyMusicChoice(reload); }

void TSoundContainer::applyMusicChoice(bool force) {
  // The effects and voices follow the settings even when the music cannot.
  applyVolumes(false);
  // The tutorial's narration keeps the player until the tutorial ends.
  if (playerFailed || narration) return;
  const std::string name = musicNameOf(appopt.musicTitle);
  if (musicVolume < 1) {
    musicThread.requestStop();
    return;
  }
  if (name != recordedMusicName() || force || musicStopped) requestMusic(name);
  applyVolumes(true);
  musicStopped = false;
}

void TSoundContainer::requestMusic(const std::string& name) {
  {
    std::lock_guard<std::mutex> lock(musicMutex_);
    musicName_ = name;
  }
  musicThread.requestNextTrack();
}

std::string TSoundContainer::recordedMusicName() {
  std::lock_guard<std::mutex> lock(musicMutex_);
  return musicName_;
}

std::string TSoundContainer::startedMusicFile() {
  std::lock_guard<std::mutex> lock(musicMutex_);
  return startedFile_;
}

void TSoundContainer::noteStarted(const std::string& file) {
  {
    std::lock_guard<std::mutex> lock(musicMutex_);
    startedFile_ = file;
  }
  musicStarts++;
}

bool TSoundContainer::musicEnabled() const {
  return (musicVolume > 0 && !musicStopped && !playerFailed) || narration;
}

void TSoundContainer::pauseMusic() {
  if (!playerFailed && musicVolume > 0) musicThread.requestPause();
}

void TSoundContainer::resumeMusic() {
  if (!playerFailed && musicVolume > 0) musicThread.requestResume();
}

void TSoundContainer::resumeMusicIfActive() {
  if (!vtl.formMinimized) resumeMusic();
}

void TSoundContainer::showPostedMessages() {
  // Outside a game no tick serves the slots: an effect waiting for its sample starts here.
  servePendingPlays();
  std::vector<std::string> files;
  {
    std::lock_guard<std::mutex> lock(musicMutex_);
    files.swap(posted_);
  }
  for (const std::string& f : files) showMessageById(kMissingMusicMessage, f);
}

// [SECTION] worker

void TSoundContainer::setMciVolume(int32_t volume) { musSetVolume(volume); }

void TSoundContainer::playNextTrack() {
  std::string file = musicFile("12.ogg");
  if (!fileExists(file)) file = musicFile("11.ogg");
  musicThread.clipPlaying = false;
  musicThread.sectionEnd = 0;
  if (!fileExists(file)) {
    std::lock_guard<std::mutex> lock(musicMutex_);
    posted_.push_back(file);
  } else {
    std::string error;
    if (musOpen(file, error) && musPlay(0, error)) {
      playerOpen = true;
      musicThread.watching = true;
      noteStarted(file);
    } else {
      logProtocol("Music: " + file + ": " + error + "; trying once more");
      musicThread.requestReopen(file);
    }
  }
  setMciVolume(musicVolume * 10);
}

void TSoundContainer::reopenPlayer(const std::string& file) {
  std::string error;
  if (musOpen(file, error) && musPlay(0, error)) {
    playerOpen = true;
    musicThread.watching = true;
    noteStarted(file);
    return;
  }
  musClose();
  playerOpen = false;
  playerFailed = true;
  logErrorLine("Music: " + file + ": " + error + "; no music from now on");
}

void TSoundContainer::checkMusicEnd() {
  if (playerFailed || musicStopped || musicVolume == 0 || musicThread.clipPlaying || narration) return;
  if (musMode() == MusicMode::stopped) musicThread.requestNextTrack();
}

void TSoundContainer::playClip(const std::string& name, int32_t start, int32_t end, bool reopen) {
  setMciVolume(musicVolume * 10);
  if (!musicEnabled()) return;
  std::string file = musicFile(name + ".ogg");
  if (!fileExists(file)) file = musicFile(name + ".mp3");
  {
    std::lock_guard<std::mutex> lock(musicMutex_);
    musicName_.clear();  // the next applyMusicChoice starts the music again
  }
  for (int attempt = 0; attempt < 2; attempt++) {
    std::string error;
    if (!playerOpen || reopen || attempt > 0) {
      playerOpen = musOpen(file, error);
      if (!playerOpen) continue;
    }
    if (musMode() == MusicMode::paused) {
      musResume();
      return;
    }
    // The section in milliseconds, as the player's time format counts.
    const double lengthMs = musLength() * 1000;
    const double fromSec = std::nearbyint(lengthMs / 1000 * start) / 1000;
    const double toSec = std::nearbyint(lengthMs / 1000 * end) / 1000;
    if (musPlay(fromSec, error)) {
      musicThread.clipPlaying = true;
      musicThread.sectionEnd = toSec;
      musicThread.watching = true;
      noteStarted(file);
      return;
    }
  }
}
