// The sample loader: a worker thread reads sound files and converts them to the device's
// layout for the sample cache, so the main thread never waits for the disk or a conversion.
// Files are read in the order asked; at most sampleLoaderCapacity are under way or finished
// and not yet collected, which bounds the memory the loader holds.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "sound/dsw_sound.h"

constexpr int32_t sampleLoaderCapacity = 8;

// A file as the worker found it: its sound, and its time and size when it was read (known
// false when the file could not be looked at).
struct TLoadedSoundFile {
  TPreparedSoundFile file;
  std::filesystem::file_time_type written;
  std::uintmax_t fileSize = 0;
  bool known = false;
};

class TSampleLoader {
 public:
  ~TSampleLoader() { stop(); }
  // Asks for the file (main thread); false when it is under way already or the loader is
  // full. The worker starts at the first request.
  bool request(const std::string& path);
  bool underWay(const std::string& path) const;
  // The files finished since the last call, in the order asked (main thread).
  std::vector<TLoadedSoundFile> collect();
  // Files asked for and not yet collected.
  int32_t pending() const;
  // Ends and joins the worker and drops what it had not handed over; must run before the
  // device closes (the prepared sounds are the device's).
  void stop();

 private:
  void run();

  mutable std::mutex mutex_;  // guards every field below but worker_
  std::condition_variable wake_;
  std::deque<std::string> waiting_;
  std::vector<TLoadedSoundFile> finished_;
  std::vector<std::string> underWay_;  // waiting, being read, or finished
  bool stopping_ = false;
  std::thread worker_;  // main thread only
};
