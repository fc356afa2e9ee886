// The kept samples: a small list searched by path, evicted least recently used first.
#include "sound/sample_cache.h"

#include <algorithm>
#include <system_error>

std::shared_ptr<TDSWSoundFileSample> TSampleCache::acquire(TDSWSound& device, const std::string& path) {
  std::error_code ec;
  const std::filesystem::file_time_type written = std::filesystem::last_write_time(path, ec);
  const std::uintmax_t fileSize = ec ? 0 : std::filesystem::file_size(path, ec);
  const bool known = !ec;
  for (size_t i = 0; i < entries_.size(); i++) {
    TEntry& e = entries_[i];
    if (e.path != path) continue;
    if (!known || e.written != written || e.fileSize != fileSize) {
      bytes_ -= e.sample->bufferSize();
      entries_.erase(entries_.begin() + std::ptrdiff_t(i--));
      continue;
    }
    if (e.sample->isPlaying()) continue;
    e.lastUse = ++useClock_;
    return e.sample;
  }
  auto sample = std::make_shared<TDSWSoundFileSample>(device, path, dswPan | dswVolume);
  loads++;
  const int32_t size = sample->bufferSize();
  if (!known || !sample->hasBuffer() || size > sampleCacheLargestSample) return sample;
  evictUntilRoomFor(size);
  entries_.push_back({path, written, fileSize, sample, ++useClock_});
  bytes_ += size;
  return sample;
}

void TSampleCache::evictUntilRoomFor(int64_t bytes) {
  // A slot may still play an evicted sample: it lives on until the slot lets go of it.
  while (!entries_.empty() &&
         (int32_t(entries_.size()) >= sampleCacheSamples || bytes_ + bytes > sampleCacheBytes)) {
    const auto oldest = std::min_element(entries_.begin(), entries_.end(),
                                         [](const TEntry& a, const TEntry& b) { return a.lastUse < b.lastUse; });
    bytes_ -= oldest->sample->bufferSize();
    entries_.erase(oldest);
  }
}

void TSampleCache::clear() {
  entries_.clear();
  bytes_ = 0;
  loads = 0;
}
