// The samples heard so far, kept loaded: a sample holds its sound converted to the device's
// layout on a voice of its own, so playing a file again costs neither a disk read nor a
// conversion. Bounded by samples (each holds one of the device's channels) and by bytes; the
// sample used least recently goes first. Main thread only.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "sound/dsw_sound.h"

constexpr int32_t sampleCacheSamples = 20;          // with the nine slots, within 32 channels
constexpr int64_t sampleCacheBytes = 4 << 20;       // in the files' own format
constexpr int32_t sampleCacheLargestSample = 1 << 20;  // a longer file plays uncached

class TSampleCache {
 public:
  // A sample of the file that is not playing: a kept one, else loaded now (and kept when it
  // has a buffer and fits). A sample still playing is never handed out twice: its repeat
  // gets a copy of its own. Never nullptr; a file that cannot be used gives a sample without
  // a buffer. A file changed on disk since it was kept is loaded again.
  std::shared_ptr<TDSWSoundFileSample> acquire(TDSWSound& device, const std::string& path);
  // Lets go of every kept sample; the container's destroy calls it before the device goes.
  void clear();

  int32_t sampleCount() const { return int32_t(entries_.size()); }
  int64_t byteCount() const { return bytes_; }
  int64_t loads = 0;  // samples read from their files since the container was made

 private:
  struct TEntry {
    std::string path;
    std::filesystem::file_time_type written;
    std::uintmax_t fileSize = 0;
    std::shared_ptr<TDSWSoundFileSample> sample;
    uint64_t lastUse = 0;
  };
  void evictUntilRoomFor(int64_t bytes);

  std::vector<TEntry> entries_;
  int64_t bytes_ = 0;
  uint64_t useClock_ = 0;
};
