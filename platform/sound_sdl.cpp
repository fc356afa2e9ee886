// The sound service over SDL2_mixer: one mixer channel per voice, a mixer effect counting
// what each channel has played.
#include <SDL.h>
#include <SDL_mixer.h>

#include <array>
#include <atomic>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "platform/byte_io.h"
#include "platform/sound.h"
#include "platform/sound_convert.h"
#include "platform/sound_driver.h"

namespace {

constexpr int kChannelCount = 32;  // nine effect slots and whatever else holds a voice

// Voices may share one sound; the last to let go frees it (not once SDL_Quit ran at exit).
using ChunkPtr = std::shared_ptr<Mix_Chunk>;

struct Voice {
  bool used = false;
  bool lost = false;            // the device closed under it
  ChunkPtr chunk;
  int32_t sourceRate = 0;       // frames per second of the sound as handed over
  std::atomic<int64_t> playedBytes{0};  // device bytes mixed since play; the audio thread adds
  int32_t volume = MIX_MAX_VOLUME;
  uint8_t left = 255, right = 255;
};

struct Device {
  bool open = false;
  int rate = 0;
  int frameBytes = 4;
  int channels = 2;
  int bits = 16;
  Uint16 format = 0;
};

Device device;
std::array<Voice, kChannelCount> voices;

// False once SDL_Quit ran at exit, before the program-wide objects let go of their voices:
// the mixer must not be called then.
bool mixerAlive() { return device.open && SDL_WasInit(SDL_INIT_AUDIO) != 0; }

void freeChunk(Mix_Chunk* chunk) {
  if (chunk && mixerAlive()) Mix_FreeChunk(chunk);
}

ChunkPtr owned(Mix_Chunk* chunk) { return chunk ? ChunkPtr(chunk, freeChunk) : ChunkPtr(); }

// Runs on the audio thread, under the mixer's lock.
void countPlayed(int, void*, int len, void* udata) {
  static_cast<Voice*>(udata)->playedBytes.fetch_add(len, std::memory_order_relaxed);
}

Voice* voiceOf(int32_t id, SndResult& result) {
  result = SndResult::ok;
  if (id < 1 || id > kChannelCount || !voices[id - 1].used) {
    result = SndResult::failed;
    return nullptr;
  }
  Voice& v = voices[id - 1];
  if (v.lost || !mixerAlive()) {
    result = SndResult::lost;
    return nullptr;
  }
  return &v;
}

void dropChunk(int channel, Voice& v) {
  Mix_HaltChannel(channel);
  Mix_UnregisterAllEffects(channel);
  v.chunk.reset();
}

// A canonical PCM WAV in memory, so the mixer converts it to the device's layout.
std::vector<uint8_t> wavImage(const SndFormat& f, const uint8_t* bytes, size_t size) {
  const uint16_t block = uint16_t(f.channels * f.bits / 8);
  ByteWriter w;
  w.raw("RIFF", 4);
  w.u32(uint32_t(36 + size));
  w.raw("WAVEfmt ", 8);
  w.u32(16);
  w.u16(1);
  w.u16(uint16_t(f.channels));
  w.u32(uint32_t(f.rate));
  w.u32(uint32_t(f.rate) * block);
  w.u16(block);
  w.u16(uint16_t(f.bits));
  w.raw("data", 4);
  w.u32(uint32_t(size));
  w.raw(bytes, size);
  return w.bytes();
}

// A chunk in the device's layout made by our converter (fast, see sound_convert.h); nullptr
// when the device is not 16-bit native or the format is outside the converter's. Any thread
// while the device is open: it reads the device's layout and allocates, nothing else.
Mix_Chunk* convertedChunk(const SndFormat& f, const uint8_t* bytes, size_t size) {
  if (device.format != AUDIO_S16SYS) return nullptr;
  const std::vector<int16_t> pcm = convertPcm(f, bytes, size, device.rate, device.channels);
  if (pcm.empty()) return nullptr;
  const Uint32 len = Uint32(pcm.size() * sizeof(int16_t));
  Uint8* samples = static_cast<Uint8*>(SDL_malloc(len));
  if (!samples) return nullptr;
  std::memcpy(samples, pcm.data(), len);
  Mix_Chunk* chunk = Mix_QuickLoad_RAW(samples, len);
  if (!chunk) {
    SDL_free(samples);
    return nullptr;
  }
  chunk->allocated = 1;  // Mix_FreeChunk frees the samples with the chunk
  return chunk;
}

// A wave file's chunk: SDL reads it as it is stored and our converter lays it out; what the
// converter does not take (another sample format, a compressed file) goes to the mixer.
// Any thread while the device is open.
Mix_Chunk* fileChunk(const std::string& path) {
  SDL_AudioSpec stored{};
  Uint8* samples = nullptr;
  Uint32 len = 0;
  Mix_Chunk* chunk = nullptr;
  if (SDL_LoadWAV(path.c_str(), &stored, &samples, &len)) {
    if (stored.format == AUDIO_U8 || stored.format == AUDIO_S16LSB)
      chunk = convertedChunk({stored.freq, stored.channels, SDL_AUDIO_BITSIZE(stored.format)}, samples, len);
    SDL_FreeWAV(samples);
  }
  return chunk ? chunk : Mix_LoadWAV(path.c_str());
}

}  // namespace

// [SECTION] device
bool sdlSoundOpen(std::string& error) {
  if (device.open) return true;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    error = SDL_GetError();
    return false;
  }
  Mix_Init(MIX_INIT_OGG);
  if (Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 1024) != 0) {
    error = Mix_GetError();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  Uint16 format = 0;
  Mix_QuerySpec(&device.rate, &format, &device.channels);
  device.format = format;
  device.bits = SDL_AUDIO_BITSIZE(format);
  device.frameBytes = device.channels * device.bits / 8;
  Mix_AllocateChannels(kChannelCount);
  device.open = true;
  return true;
}

void sdlSoundClose() {
  if (!device.open) return;
  if (!mixerAlive()) {
    for (Voice& v : voices) {
      v.chunk.reset();  // not freed: SDL is gone
      v.lost = v.used;
    }
    device = Device{};
    return;
  }
  for (int c = 0; c < kChannelCount; c++) {
    if (!voices[c].used) continue;
    dropChunk(c, voices[c]);
    voices[c].lost = true;
  }
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  device = Device{};
}

bool sndDeviceOpen() { return device.open; }

// [SECTION] voices
int32_t sndCreateVoice(SndResult& result) {
  result = SndResult::noDevice;
  if (!device.open) return 0;
  for (int c = 0; c < kChannelCount; c++) {
    Voice& v = voices[c];
    if (v.used) continue;
    v.used = true;
    v.lost = false;
    v.chunk.reset();
    v.sourceRate = device.rate;
    v.playedBytes = 0;
    v.volume = MIX_MAX_VOLUME;
    v.left = v.right = 255;
    result = SndResult::ok;
    return c + 1;
  }
  result = SndResult::noChannel;
  return 0;
}

void sndFreeVoice(int32_t id) {
  if (id < 1 || id > kChannelCount || !voices[id - 1].used) return;
  Voice& v = voices[id - 1];
  if (mixerAlive()) dropChunk(id - 1, v);
  v.used = false;
  v.lost = false;
}

SndResult sndLoadPcm(int32_t id, const SndFormat& f, const uint8_t* bytes, size_t size) {
  SndResult r;
  if (!voiceOf(id, r)) return r;
  if (f.rate < 1 || (f.channels != 1 && f.channels != 2) || (f.bits != 8 && f.bits != 16)) return SndResult::badFormat;
  SndPrepared prepared = sndPreparePcm(f, bytes, size);
  if (!prepared.ready()) return SndResult::badFormat;
  return sndLoadPrepared(id, std::move(prepared));
}

SndResult sndLoadFile(int32_t id, const std::string& path, SndFormat& format, size_t& size) {
  SndResult r;
  Voice* v = voiceOf(id, r);
  if (!v) return r;
  SndPrepared prepared = sndPrepareFile(path, format, size);
  if (!prepared.ready()) return SndResult::badFormat;
  return sndLoadPrepared(id, std::move(prepared));
}

// [SECTION] prepared sounds
SndPrepared::SndPrepared(SndPrepared&& other) noexcept
    : sound_(std::exchange(other.sound_, nullptr)), sourceRate_(other.sourceRate_) {}

SndPrepared& SndPrepared::operator=(SndPrepared&& other) noexcept {
  if (this != &other) {
    freeChunk(static_cast<Mix_Chunk*>(sound_));
    sound_ = std::exchange(other.sound_, nullptr);
    sourceRate_ = other.sourceRate_;
  }
  return *this;
}

SndPrepared::~SndPrepared() { freeChunk(static_cast<Mix_Chunk*>(sound_)); }

size_t SndPrepared::deviceBytes() const { return sound_ ? static_cast<Mix_Chunk*>(sound_)->alen : 0; }

SndPrepared sndPreparePcm(const SndFormat& f, const uint8_t* bytes, size_t size) {
  SndPrepared p;
  if (!device.open || f.rate < 1 || (f.channels != 1 && f.channels != 2) || (f.bits != 8 && f.bits != 16)) return p;
  Mix_Chunk* chunk = convertedChunk(f, bytes, size);
  if (!chunk) {
    const std::vector<uint8_t> image = wavImage(f, bytes, size);
    chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(image.data(), int(image.size())), 1);
  }
  p.sound_ = chunk;
  p.sourceRate_ = f.rate;
  return p;
}

SndPrepared sndPrepareFile(const std::string& path, SndFormat& format, size_t& size) {
  SndPrepared p;
  if (!device.open) return p;
  Mix_Chunk* chunk = fileChunk(path);
  if (!chunk) return p;
  p.sound_ = chunk;
  p.sourceRate_ = device.rate;
  format = {device.rate, device.channels, device.bits};
  size = chunk->alen;
  return p;
}

SndResult sndLoadPrepared(int32_t id, SndPrepared&& prepared) {
  SndResult r;
  Voice* v = voiceOf(id, r);
  if (!v) return r;
  if (!prepared.ready()) return SndResult::badFormat;
  dropChunk(id - 1, *v);
  v->chunk = owned(static_cast<Mix_Chunk*>(std::exchange(prepared.sound_, nullptr)));
  v->sourceRate = prepared.sourceRate_;
  return SndResult::ok;
}

SndResult sndShareSound(int32_t fromId, int32_t toId) {
  SndResult r;
  Voice* from = voiceOf(fromId, r);
  if (!from) return r;
  Voice* to = voiceOf(toId, r);
  if (!to) return r;
  if (!from->chunk) return SndResult::failed;
  if (from == to) return SndResult::ok;
  ChunkPtr shared = from->chunk;
  dropChunk(toId - 1, *to);
  to->chunk = std::move(shared);
  to->sourceRate = from->sourceRate;
  return SndResult::ok;
}

// [SECTION] playing
SndResult sndPlay(int32_t id, bool loop) {
  SndResult r;
  Voice* v = voiceOf(id, r);
  if (!v) return r;
  if (!v->chunk) return SndResult::failed;
  const int c = id - 1;
  // A halt or the end of a sound drops the channel's effects: set them up for each play.
  Mix_HaltChannel(c);
  Mix_UnregisterAllEffects(c);
  v->playedBytes = 0;
  if (v->left != 255 || v->right != 255) Mix_SetPanning(c, v->left, v->right);
  Mix_RegisterEffect(c, countPlayed, nullptr, v);
  Mix_Volume(c, v->volume);
  return Mix_PlayChannel(c, v->chunk.get(), loop ? -1 : 0) == c ? SndResult::ok : SndResult::failed;
}

SndResult sndStop(int32_t id) {
  SndResult r;
  if (!voiceOf(id, r)) return r;
  Mix_HaltChannel(id - 1);
  return SndResult::ok;
}

bool sndIsPlaying(int32_t id) {
  SndResult r;
  return voiceOf(id, r) && Mix_Playing(id - 1) != 0;
}

SndResult sndSetVolume(int32_t id, int32_t volume) {
  SndResult r;
  Voice* v = voiceOf(id, r);
  if (!v) return r;
  v->volume = volume < 0 ? 0 : volume > MIX_MAX_VOLUME ? MIX_MAX_VOLUME : volume;
  Mix_Volume(id - 1, v->volume);
  return SndResult::ok;
}

SndResult sndSetPanning(int32_t id, uint8_t left, uint8_t right) {
  SndResult r;
  Voice* v = voiceOf(id, r);
  if (!v) return r;
  v->left = left;
  v->right = right;
  if (Mix_Playing(id - 1)) Mix_SetPanning(id - 1, left, right);
  return SndResult::ok;
}

int64_t sndPlayedFrames(int32_t id) {
  SndResult r;
  Voice* v = voiceOf(id, r);
  if (!v || device.rate < 1) return 0;
  const int64_t deviceFrames = v->playedBytes.load(std::memory_order_relaxed) / device.frameBytes;
  return deviceFrames * v->sourceRate / device.rate;
}
