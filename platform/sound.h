// The sound service: one output device with voices, each voice one sound (PCM handed over,
// or a compressed file the mixer decodes) playing on a channel of its own, with its volume,
// its left/right gains and a count of how much of it has played. Main thread only, except
// the prepare calls at the end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The null backend has no device: opening fails, so nothing above it ever plays. Tests and
// benchmarks use it unless they ask for SDL's dummy or disk driver through the SDL backend.
enum class SoundBackend { null, sdl };

// Chooses the backend; closes the device of the previous one. The null backend is chosen at
// start.
void sndSetBackend(SoundBackend backend);
SoundBackend sndBackend();

// Opens the output device; false with the reason in error when there is none (the null
// backend, SDL cannot open audio). Opening an open device answers true.
bool sndOpenDevice(std::string& error);
// Stops and frees every voice and closes the device; voices made before are lost from then on.
void sndCloseDevice();
bool sndDeviceOpen();

// What a voice call can answer.
enum class SndResult { ok, noDevice, lost, noChannel, badFormat, failed };

// The layout of PCM samples: interleaved, 8-bit unsigned or 16-bit signed little-endian.
struct SndFormat {
  int32_t rate;      // frames per second
  int32_t channels;  // 1 or 2
  int32_t bits;      // 8 or 16
};

// A voice takes a free channel; 0 when none is free or no device is open (result says why).
int32_t sndCreateVoice(SndResult& result);
// Frees the voice and its channel; a sound still playing on it stops. 0 is ignored.
void sndFreeVoice(int32_t voice);
// Replaces the voice's sound with PCM bytes of the given format (converted to the device's).
SndResult sndLoadPcm(int32_t voice, const SndFormat& format, const uint8_t* bytes, size_t size);
// Replaces the voice's sound with a compressed file decoded by the mixer; format and size
// report the decoded sound in the device's own layout.
SndResult sndLoadFile(int32_t voice, const std::string& path, SndFormat& format, size_t& size);

// Plays the voice's sound from its start, once or looping; its played count starts at 0.
SndResult sndPlay(int32_t voice, bool loop);
SndResult sndStop(int32_t voice);
bool sndIsPlaying(int32_t voice);
// Mixer volume 0..128 and the gains of the left and right channel 0..255 (255 both: centred).
SndResult sndSetVolume(int32_t voice, int32_t volume);
SndResult sndSetPanning(int32_t voice, uint8_t left, uint8_t right);
// Frames of the voice's sound played since sndPlay, in the frames of its own format.
int64_t sndPlayedFrames(int32_t voice);

// A sound laid out for the device ahead of the voice that plays it, so a worker thread can
// read and convert a file while the main thread goes on. The prepare calls may run on any
// thread while the device is open; the device must not close before every prepared sound
// is handed to a voice or destroyed. Empty when the device is closed or the sound unusable.
class SndPrepared {
 public:
  SndPrepared() = default;
  SndPrepared(SndPrepared&& other) noexcept;
  SndPrepared& operator=(SndPrepared&& other) noexcept;
  SndPrepared(const SndPrepared&) = delete;
  SndPrepared& operator=(const SndPrepared&) = delete;
  ~SndPrepared();
  bool ready() const { return sound_ != nullptr; }
  int32_t sourceRate() const { return sourceRate_; }
  size_t deviceBytes() const;

 private:
  friend SndPrepared sndPreparePcm(const SndFormat&, const uint8_t*, size_t);
  friend SndPrepared sndPrepareFile(const std::string&, SndFormat&, size_t&);
  friend SndResult sndLoadPrepared(int32_t, SndPrepared&&);
  void* sound_ = nullptr;   // the mixer's chunk
  int32_t sourceRate_ = 0;  // frames per second of the sound as handed over
};
// PCM bytes of the format converted to the device's layout (as sndLoadPcm does).
SndPrepared sndPreparePcm(const SndFormat& format, const uint8_t* bytes, size_t size);
// A compressed file decoded (as sndLoadFile does); format and size as sndLoadFile reports.
SndPrepared sndPrepareFile(const std::string& path, SndFormat& format, size_t& size);
// Replaces the voice's sound with the prepared one, which is empty afterwards. Main thread.
SndResult sndLoadPrepared(int32_t voice, SndPrepared&& sound);
// Gives the voice the sound of another without a copy: both play it, each on its own
// channel, volume and pan. Main thread.
SndResult sndShareSound(int32_t fromVoice, int32_t toVoice);
