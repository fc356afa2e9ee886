// The kept samples: a small list searched by path, evicted least recently used first.
#include "sound/sample_cache.h"

#include <algorithm>
#include <system_error>

TSampleCache::TEntry* TSampleCache::keptEntry(const std::string& path) {
  for (size_t i = 0; i < entries_.size(); i++) {
    if (entries_[i].path != path) continue;
    std::error_code ec;
    const std::filesystem::file_time_type written = std::filesystem::last_write_time(path, ec);
    const std::uintmax_t fileSize = ec ? 0 : std::filesystem::file_size(path, ec);
    if (!ec && entries_[i].written == written && entries_[i].fileSize == fileSize) return &entries_[i];
    bytes_ -= entries_[i].sample->bufferSize();
    entries_.erase(entries_.begin() + std::ptrdiff_t(i));
    return nullptr;
  }
  return nullptr;
}

std::shared_ptr<TDSWSoundFileSample> TSampleCache::take(TDSWSound& device, const std::string& path) {
  collect(device);
  if (TEntry* e = keptEntry(path)) {
    e->lastUse = ++useClock_;
    if (!e->sample->isPlaying()) return e->sample;
    return std::make_shared<TDSWSoundFileSample>(device, *e->sample);
  }
  for (size_t i = 0; i < handOvers_.size(); i++) {
    if (handOvers_[i]->fileName() != path) continue;
    std::shared_ptr<TDSWSoundFileSample> s = std::move(handOvers_[i]);
    handOvers_.erase(handOvers_.begin() + std::ptrdiff_t(i));
    return s;
  }
  loader_.request(path);
  return nullptr;
}

bool TSampleCache::ready(TDSWSound& device, const std::string& path) {
  collect(device);
  if (keptEntry(path)) return true;
  return std::any_of(handOvers_.begin(), handOvers_.end(), [&](const auto& s) { return s->fileName() == path; });
}

void TSampleCache::prefetch(const std::string& path) {
  for (const TEntry& e : entries_)
    if (e.path == path) return;
  loader_.request(path);
}

void TSampleCache::collect(TDSWSound& device) {
  for (TLoadedSoundFile& loaded : loader_.collect()) {
    loads++;
    const std::string path = loaded.file.fileName;
    std::shared_ptr<TDSWSoundFileSample> sample;
    try {
      sample = std::make_shared<TDSWSoundFileSample>(device, std::move(loaded.file), dswPan | dswVolume);
    } catch (const EDSWError& e) {
      // No voice to be had: the file plays silent this once (its refusal is logged).
      TPreparedSoundFile refused;
      refused.fileName = path;
      refused.refusal = e.what();
      sample = std::make_shared<TDSWSoundFileSample>(device, std::move(refused), dswPan | dswVolume);
    }
    const int32_t size = sample->bufferSize();
    if (!loaded.known || !sample->hasBuffer() || size > sampleCacheLargestSample) {
      if (int32_t(handOvers_.size()) >= sampleCacheHandOvers) handOvers_.erase(handOvers_.begin());
      handOvers_.push_back(std::move(sample));
      continue;
    }
    for (size_t i = 0; i < entries_.size(); i++) {
      if (entries_[i].path != path) continue;
      bytes_ -= entries_[i].sample->bufferSize();
      entries_.erase(entries_.begin() + std::ptrdiff_t(i));
      break;
    }
    evictUntilRoomFor(size);
    entries_.push_back({path, loaded.written, loaded.fileSize, sample, ++useClock_});
    bytes_ += size;
  }
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
  loader_.stop();
  entries_.clear();
  handOvers_.clear();
  bytes_ = 0;
  loads = 0;
}
