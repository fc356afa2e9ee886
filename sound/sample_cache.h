// The samples heard so far, kept loaded: a sample holds its sound converted to the device's
// layout on a voice of its own, so playing a file again costs neither a disk read nor a
// conversion. A file not kept is read by the sample loader's worker; until it is ready the
// cache answers "not yet". Bounded by samples (each holds one of the device's channels) and
// by bytes; the sample used least recently goes first. Main thread only.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "sound/dsw_sound.h"
#include "sound/sample_loader.h"

constexpr int32_t sampleCacheSamples = 20;          // with the nine slots, within 32 channels
constexpr int64_t sampleCacheBytes = 4 << 20;       // in the files' own format
constexpr int32_t sampleCacheLargestSample = 1 << 20;  // a longer file plays uncached
constexpr int32_t sampleCacheHandOvers = 4;         // read, not kept, waiting to be taken

class TSampleCache {
 public:
  // A sample of the file that is not playing, or nullptr while the loader reads it (asked
  // now when not yet). A kept sample still playing is never handed out twice: its repeat
  // gets a sample of its own sharing the sound. A file that cannot be used gives a sample
  // without a buffer. A file changed on disk since it was kept is read again.
  std::shared_ptr<TDSWSoundFileSample> take(TDSWSound& device, const std::string& path);
  // Whether take would answer a sample now.
  bool ready(TDSWSound& device, const std::string& path);
  // Asks the loader for the file unless it is kept, so a later take finds it.
  void prefetch(const std::string& path);
  // Makes samples of what the loader finished and keeps them.
  void collect(TDSWSound& device);
  // Files asked of the loader and not yet collected.
  bool loading() const { return loader_.pending() > 0; }
  // Stops the loader and lets go of every kept sample; the container's destroy calls it
  // before the device goes.
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
  // The kept entry of the file (nullptr none); drops one whose file changed since.
  TEntry* keptEntry(const std::string& path);
  void evictUntilRoomFor(int64_t bytes);

  std::vector<TEntry> entries_;
  // Read but not kept (too long, or unusable): each goes to its first take.
  std::vector<std::shared_ptr<TDSWSoundFileSample>> handOvers_;
  TSampleLoader loader_;
  int64_t bytes_ = 0;
  uint64_t useClock_ = 0;
};
