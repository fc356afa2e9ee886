// DSWSound: the output device and its sound buffers, each buffer a sound on a mixer channel
// of its own, loaded from PCM written through lock/unlock or from a sound file.
// Volumes are hundredths of a decibel of attenuation (-10,000..0), pans -10,000 (left) to
// 10,000 (right). Main thread only, except prepareSoundFile.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/sound.h"
#include "sound/dsw.h"
#include "sound/wave.h"

// Result codes of the device calls and their texts.
enum : uint32_t {
  dsOk = 0,
  dsErrUnsupported = 0x80004001,
  dsErrNoInterface = 0x80004002,
  dsErrGeneric = 0x80004005,
  dsErrNoAggregation = 0x80040110,
  dsErrOutOfMemory = 0x8007000E,
  dsErrInvalidParam = 0x80070057,
  dsErrAllocated = 0x8878000A,
  dsErrControlUnavail = 0x8878001E,
  dsErrInvalidCall = 0x88780032,
  dsErrPrioLevelNeeded = 0x88780046,
  dsErrBadFormat = 0x88780064,
  dsErrNoDriver = 0x88780078,
  dsErrAlreadyInitialized = 0x88780082,
  dsErrBufferLost = 0x88780096,
  dsErrOtherAppHasPrio = 0x887800A0,
  dsErrUninitialized = 0x887800AA,
};
std::string soundErrorText(uint32_t result);

// EDSWSoundError.CreateFromResult (context, result): the detail is soundErrorText.
class EDSWSoundError : public EDSWError {
 public:
  EDSWSoundError(const std::string& context, uint32_t result)
      : EDSWError(context, int32_t(result), soundErrorText(result)) {}
  // A refusal that has no device result ("A TDSWSoundBuffer cannot be created").
  explicit EDSWSoundError(const std::string& message) : EDSWError(message, 0, "") {}
};

// Capability set bits of a buffer.
enum : uint8_t { dswGlobalFocus = 1, dswFrequency = 2, dswPan = 4, dswVolume = 8, dsw3D = 16 };

// The mixer's volume (0..128) for an attenuation, and the left and right gains (0..255) for a
// pan: the far side is attenuated by |pan| hundredths of a decibel.
int32_t dswMixerVolume(int32_t volume);
std::pair<uint8_t, uint8_t> dswPanGains(int32_t pan);

class TDSWSoundObject : public TDSWObject {
 public:
  using TDSWObject::TDSWObject;
  // Raises EDSWSoundError "<class>.<operation>:" CR text for any result but 0.
  void check(const char* operation, uint32_t result) const;
};

// The device; none when it could not be opened (nothing raised: callers test hasDevice).
class TDSWSound : public TDSWSoundObject {
 public:
  // Any GUID opens the one output device the platform has; the null GUID is its usual name.
  explicit TDSWSound(const TGuid& device);
  ~TDSWSound() override;
  bool hasDevice() const { return device_; }
  // Records the level index 0..3; the mixer has no cooperative levels to set.
  void setCooperativeLevel(int32_t window, uint8_t levelIndex);
  uint8_t cooperativeLevel() const { return level_; }
  const std::string& openError() const { return openError_; }

 private:
  bool device_ = false;
  uint8_t level_ = 0;
  std::string openError_;
};

class TDSWSoundBuffer : public TDSWSoundObject {
 public:
  // The base constructor: refuses to make a plain TDSWSoundBuffer.
  explicit TDSWSoundBuffer(TDSWSound& device, const char* className = "TDSWSoundBuffer");
  ~TDSWSoundBuffer() override;

  // CreateWithFormat: a buffer of size bytes in the format, silent until written.
  void createWithFormat(const TWaveFormatValues& format, int32_t size, uint8_t capabilities, bool isStatic);
  // Lock-flags index: 0 the region, 1 from the write cursor, 2 the whole buffer, 3 both.
  void lock(int32_t offset, int32_t size, uint8_t flagsIndex);
  void unlock();
  int32_t getCursorPos();
  bool isPlaying();
  void setVolume(int32_t volume);
  void setPan(int32_t pan);
  void play(bool looping);
  // Silences the sound; play starts it from its beginning again. Never raises: a lost
  // buffer is silent already.
  void stop();

  bool hasBuffer() const { return voice_ != 0; }
  int32_t volume() const { return volume_; }
  int32_t pan() const { return pan_; }
  int32_t bufferSize() const { return size_; }
  int32_t playCursor() const { return playCursor_; }
  const TWaveFormatValues& format() const { return format_; }
  uint8_t* region1() const { return region1_; }
  int32_t region1Length() const { return length1_; }
  uint8_t* region2() const { return region2_; }
  int32_t region2Length() const { return length2_; }

 protected:
  void releaseBuffer();

  TDSWSound* owner_;
  TWaveFormatValues format_{};
  uint8_t capabilities_ = 0;   // the buffer description's capability set
  int32_t voice_ = 0;          // the platform voice; 0: no buffer
  std::vector<uint8_t> memory_;  // what lock hands out, sent to the mixer at unlock
  int32_t size_ = 0;
  uint8_t* region1_ = nullptr;
  uint8_t* region2_ = nullptr;
  int32_t length1_ = 0, length2_ = 0;
  bool locked_ = false;
  int32_t writeCursor_ = 0, playCursor_ = 0;
  int32_t volume_ = 0, pan_ = 0;
};

// A sound file read and laid out for the device: all of a file sample's work that touches
// the disk or converts, done on any thread while the device is open (the sample loader's
// worker), so the sample itself is made on the main thread at once.
struct TPreparedSoundFile {
  std::string fileName;
  std::string refusal;           // why the file cannot be used; "" when it can
  TWaveFormatValues format{};    // of the sound as the buffer reports it
  int32_t size = 0;              // bytes in that format
  std::vector<uint8_t> pcm;      // a wave file's sound data, as lock hands it out
  bool encoded = false;          // decoded by the mixer: lock has nothing to hand out
  SndPrepared sound;             // empty without a device
};
TPreparedSoundFile prepareSoundFile(const std::string& fileName);

class TDSWSoundSample : public TDSWSoundBuffer {
 public:
  // CreateFromFile: a static buffer with the file's sound (".ogg" decoded by the mixer, else
  // our wave reader). A file that cannot be used leaves the sample without a buffer, silent,
  // and writes one error-log line per file name. The last argument is not used.
  TDSWSoundSample(TDSWSound& device, const std::string& fileName, uint8_t capabilities, int32_t unused = 0,
                  const char* className = "TDSWSoundSample");
  // The same from a file prepared before; main thread.
  TDSWSoundSample(TDSWSound& device, TPreparedSoundFile&& file, uint8_t capabilities,
                  const char* className = "TDSWSoundSample");
  // A sample playing the sound of another without reading or copying it (a repeat of a
  // sound still playing).
  TDSWSoundSample(TDSWSound& device, TDSWSoundSample& same, const char* className = "TDSWSoundSample");
  const std::string& fileName() const { return fileName_; }

 private:
  void adopt(TPreparedSoundFile&& file, uint8_t capabilities);
  std::string fileName_;
};

class TDSWSoundFileSample : public TDSWSoundSample {
 public:
  TDSWSoundFileSample(TDSWSound& device, const std::string& fileName, uint8_t capabilities, int32_t unused = 0)
      : TDSWSoundSample(device, fileName, capabilities, unused, "TDSWSoundFileSample") {}
  TDSWSoundFileSample(TDSWSound& device, TPreparedSoundFile&& file, uint8_t capabilities)
      : TDSWSoundSample(device, std::move(file), capabilities, "TDSWSoundFileSample") {}
  TDSWSoundFileSample(TDSWSound& device, TDSWSoundFileSample& same)
      : TDSWSoundSample(device, same, "TDSWSoundFileSample") {}
};
