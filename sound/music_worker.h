// The music worker TMPThread: every music operation that can take time runs on its thread.
// The main thread posts requests (flags and values); the worker serves the first one set, one
// per pass, and sleeps between passes until a request comes or, while a track plays, until
// it is time to look for the track's end.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

class TMPThread {
 public:
  // Starts the thread with every request cleared; cg.musicWorker points to it while it runs.
  void start();
  // Ends the thread after closing the track and waits for it; requests after this wait for
  // the next start. Must run before the mixer closes.
  void terminate();
  bool running() const { return thread_.joinable(); }

  // A section (start..end per mille of the clip's length) of a clip in slot 1 or 2; reopen
  // opens the file again first.
  void requestClip1(const std::string& name, int32_t start, int32_t end, bool reopen);
  void requestClip2(const std::string& name, int32_t start, int32_t end, bool reopen);
  void requestNextTrack();
  // Closes the track; later requests are still served.
  void requestStop();
  void requestPause();
  void requestResume();
  void requestVolume(int32_t mciVolume);  // 0..1000
  // Replaces the player and plays the file (after a failed start).
  void requestReopen(const std::string& file);
  // Passes that served a request since start (tests wait on it).
  int32_t servedCount() const { return served_.load(); }
  // True while a request waits to be served.
  bool busy() const;

  // [SECTION] requests: set by the main thread (and the worker itself), cleared when served.
  std::atomic<bool> nextTrack{false};
  std::atomic<bool> clip1{false};
  std::atomic<bool> clip2{false};
  std::atomic<bool> stop{false};
  std::atomic<bool> watching{false};  // the worker looks for the end of the playing track
  std::atomic<bool> pause{false};
  std::atomic<bool> resume{false};
  std::atomic<bool> reopen{false};
  std::atomic<int32_t> volume{-1};    // MCI volume to set; -1 none

  // [SECTION] what plays: written on the worker only (by the container's music operations).
  bool clipPlaying = false;  // the track is a clip: its end starts no music
  double sectionEnd = 0;     // seconds at which the worker stops a clip section; 0 none

 private:
  struct TClipSlot {
    std::string name;
    int32_t start = 0, end = 0;  // per mille of the clip's length
    bool reopen = false;
  };
  void execute();
  bool serveOne();
  void serveClip(int slot);
  void wake();
  void requestClip(int slot, const std::string& name, int32_t start, int32_t end, bool reopen);

  std::thread thread_;
  mutable std::mutex mutex_;  // the clip slots, the reopen file and the wake-up
  std::condition_variable wakeUp_;
  bool woken_ = false;
  std::atomic<bool> terminated_{false};
  std::atomic<int32_t> served_{0};
  TClipSlot slots_[2];
  std::string reopenFile_;
};

// The one music worker.
extern TMPThread musicThread;
