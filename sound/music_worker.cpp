// The music worker's thread: the request fields, one request served per pass, and the sleep
// between passes.
#include "sound/music_worker.h"

#include <chrono>

#include "core/cg.h"
#include "platform/music.h"
#include "sound/sound_events.h"

TMPThread musicThread;

namespace {
// While a track plays the worker wakes this often to see whether it ended.
constexpr auto kWatchInterval = std::chrono::milliseconds(20);
}  // namespace

void TMPThread::start() {
  if (running()) return;
  nextTrack = clip1 = clip2 = stop = watching = pause = resume = reopen = false;
  volume = -1;
  terminated_ = false;
  served_ = 0;
  thread_ = std::thread([this] { execute(); });
  cg.musicWorker = this;
}

void TMPThread::terminate() {
  if (!running()) return;
  terminated_ = true;
  wake();
  thread_.join();
  if (cg.musicWorker == this) cg.musicWorker = nullptr;
}

bool TMPThread::busy() const {
  return nextTrack || clip1 || clip2 || stop || pause || resume || reopen || volume >= 0;
}

void TMPThread::wake() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    woken_ = true;
  }
  wakeUp_.notify_one();
}

// [SECTION] requests

void TMPThread::requestClip(int slot, const std::string& name, int32_t start, int32_t end, bool reopenFirst) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    slots_[slot - 1] = {name, start, end, reopenFirst};
  }
  stop = false;
  (slot == 1 ? clip1 : clip2) = true;
  wake();
}

void TMPThread::requestClip1(const std::string& name, int32_t start, int32_t end, bool reopenFirst) {
  requestClip(1, name, start, end, reopenFirst);
}

void TMPThread::requestClip2(const std::string& name, int32_t start, int32_t end, bool reopenFirst) {
  requestClip(2, name, start, end, reopenFirst);
}

void TMPThread::requestNextTrack() {
  stop = false;  // the newer wish wins over a stop not yet served
  nextTrack = true;
  wake();
}

void TMPThread::requestStop() {
  nextTrack = clip1 = clip2 = reopen = false;
  stop = true;
  wake();
}

void TMPThread::requestPause() {
  pause = true;
  wake();
}

void TMPThread::requestResume() {
  resume = true;
  wake();
}

void TMPThread::requestVolume(int32_t mciVolume) {
  volume = mciVolume;
  wake();
}

void TMPThread::requestReopen(const std::string& file) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    reopenFile_ = file;
  }
  reopen = true;
  wake();
}

// [SECTION] the worker

void TMPThread::serveClip(int slot) {
  TClipSlot c;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    c = slots_[slot - 1];
  }
  soundContainer.playClip(c.name, c.start, c.end, c.reopen);
}

// The first request set, in the fixed order; false when none was.
bool TMPThread::serveOne() {
  if (stop.exchange(false)) {
    watching = false;
    musClose();
    soundContainer.playerOpen = false;
    soundContainer.musicStopped = true;
  } else if (watching && musMode() != MusicMode::playing) {
    watching = false;
    soundContainer.checkMusicEnd();
  } else if (resume.exchange(false)) {
    if (musMode() == MusicMode::paused) {
      watching = true;
      musResume();
    }
  } else if (pause.exchange(false)) {
    if (musMode() == MusicMode::playing) musPause();
  } else if (volume >= 0) {
    soundContainer.setMciVolume(volume.exchange(-1));
  } else if (clip2.exchange(false)) {
    serveClip(2);
  } else if (clip1.exchange(false)) {
    serveClip(1);
  } else if (nextTrack) {
    soundContainer.playNextTrack();
    nextTrack = false;
  } else if (reopen.exchange(false)) {
    std::string file;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      file = reopenFile_;
    }
    soundContainer.reopenPlayer(file);
  } else {
    if (sectionEnd > 0 && musMode() == MusicMode::playing && musPosition() >= sectionEnd) {
      musHalt();  // the clip's section is over; the next pass sees it stopped
      sectionEnd = 0;
    }
    return false;
  }
  return true;
}

void TMPThread::execute() {
  while (!terminated_) {
    if (serveOne()) {
      served_++;
      continue;
    }
    std::unique_lock<std::mutex> lock(mutex_);
    const auto woken = [this] { return woken_ || terminated_; };
    if (watching) wakeUp_.wait_for(lock, kWatchInterval, woken);
    else wakeUp_.wait(lock, woken);
    woken_ = false;
  }
  watching = false;
  musClose();
  soundContainer.playerOpen = false;
}
