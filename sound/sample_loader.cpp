// The loader's worker: one file at a time, asleep while nothing is asked.
#include "sound/sample_loader.h"

#include <algorithm>
#include <system_error>
#include <utility>

bool TSampleLoader::request(const std::string& path) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (int32_t(underWay_.size()) >= sampleLoaderCapacity ||
        std::find(underWay_.begin(), underWay_.end(), path) != underWay_.end())
      return false;
    underWay_.push_back(path);
    waiting_.push_back(path);
    stopping_ = false;
  }
  if (!worker_.joinable()) worker_ = std::thread([this] { run(); });
  wake_.notify_one();
  return true;
}

bool TSampleLoader::underWay(const std::string& path) const {
  std::lock_guard<std::mutex> lock(mutex_);
  return std::find(underWay_.begin(), underWay_.end(), path) != underWay_.end();
}

int32_t TSampleLoader::pending() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return int32_t(underWay_.size());
}

std::vector<TLoadedSoundFile> TSampleLoader::collect() {
  std::vector<TLoadedSoundFile> done;
  std::lock_guard<std::mutex> lock(mutex_);
  done.swap(finished_);
  for (const TLoadedSoundFile& f : done) std::erase(underWay_, f.file.fileName);
  return done;
}

void TSampleLoader::stop() {
  if (worker_.joinable()) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      stopping_ = true;
    }
    wake_.notify_one();
    worker_.join();
  }
  std::lock_guard<std::mutex> lock(mutex_);
  waiting_.clear();
  finished_.clear();
  underWay_.clear();
  stopping_ = false;
}

void TSampleLoader::run() {
  std::unique_lock<std::mutex> lock(mutex_);
  while (true) {
    wake_.wait(lock, [this] { return stopping_ || !waiting_.empty(); });
    if (stopping_) return;
    const std::string path = std::move(waiting_.front());
    waiting_.pop_front();
    lock.unlock();
    TLoadedSoundFile loaded;
    std::error_code ec;
    loaded.written = std::filesystem::last_write_time(path, ec);
    if (!ec) loaded.fileSize = std::filesystem::file_size(path, ec);
    loaded.known = !ec;
    loaded.file = prepareSoundFile(path);
    lock.lock();
    // Stopping: the sound is dropped here, while the device is still open.
    if (stopping_) return;
    finished_.push_back(std::move(loaded));
  }
}
