// DSWSound: the device, the buffers over the platform's voices, and loading a file sample.
#include "sound/dsw_sound.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cmath>
#include <set>

#include "engine/error_log.h"
#include "platform/errors.h"
#include "platform/sound.h"

namespace {

struct TErrorText {
  uint32_t code;
  const char* text;
};

constexpr TErrorText kErrorTexts[] = {
    {dsOk, "The request completed successfully."},
    {dsErrUnsupported, "The function called is not supported at this time."},
    {dsErrNoInterface, "The requested COM interface is not available."},
    {dsErrGeneric, "An undetermined error occurred inside the DirectSound subsystem."},
    {dsErrNoAggregation, "The object does not support aggregation."},
    {dsErrOutOfMemory, "The DirectSound subsystem could not allocate sufficient memory to complete the caller´s request."},
    {dsErrInvalidParam, "An invalid parameter was passed to the returning function."},
    {dsErrAllocated, "The request failed because resources, such as a priority level, were already in use by another caller."},
    {dsErrControlUnavail, "The control (volume, pan, and so forth) requested by the caller is not available."},
    {dsErrInvalidCall, "This function is not valid for the current state of this object."},
    {dsErrPrioLevelNeeded, "The caller does not have the priority level required for the function to succeed."},
    {dsErrBadFormat, "The specified wave format is not supported."},
    {dsErrNoDriver, "No sound driver is available for use."},
    {dsErrAlreadyInitialized, "The object is already initialized."},
    {dsErrBufferLost, "The buffer memory has been lost and must be restored."},
    {dsErrOtherAppHasPrio, "Another application has a higher priority level, preventing this call from succeeding."},
    {dsErrUninitialized, "The IDirectSound::Initialize method has not been called or has not been called successfully before other methods were called."},
};

uint32_t resultCode(SndResult r) {
  switch (r) {
    case SndResult::ok: return dsOk;
    case SndResult::noDevice: return dsErrNoDriver;
    case SndResult::lost: return dsErrBufferLost;
    case SndResult::noChannel: return dsErrAllocated;
    case SndResult::badFormat: return dsErrBadFormat;
    case SndResult::failed: break;
  }
  return dsErrGeneric;
}

int32_t clampTo(int32_t v, int32_t lo, int32_t hi) { return v < lo ? lo : v > hi ? hi : v; }

// A file that cannot be used is logged once per run, not at every play of it.
void logRefusedFile(const std::string& fileName, const std::string& why) {
  static std::set<std::string> logged;
  if (logged.insert(fileName).second) logErrorLine("Sound file " + fileName + ": " + why);
}

bool endsWithOgg(const std::string& name) {
  if (name.size() < 4) return false;
  std::string ext = name.substr(name.size() - 4);
  for (char& c : ext) c = char(std::tolower(static_cast<unsigned char>(c)));
  return ext == ".ogg";
}

}  // namespace

// [SECTION] texts and scales
std::string soundErrorText(uint32_t result) {
  for (const TErrorText& e : kErrorTexts)
    if (e.code == result) return e.text;
  return "Unrecognized Error";
}

int32_t dswMixerVolume(int32_t volume) {
  return int32_t(std::lround(128.0 * std::pow(10.0, clampTo(volume, -10000, 0) / 2000.0)));
}

std::pair<uint8_t, uint8_t> dswPanGains(int32_t pan) {
  pan = clampTo(pan, -10000, 10000);
  const uint8_t far = uint8_t(std::lround(255.0 * std::pow(10.0, -std::abs(pan) / 2000.0)));
  if (pan < 0) return {255, far};
  if (pan > 0) return {far, 255};
  return {255, 255};
}

void TDSWSoundObject::check(const char* operation, uint32_t result) const {
  if (result != dsOk) throw EDSWSoundError(className() + "." + operation, result);
}

// [SECTION] device
TDSWSound::TDSWSound(const TGuid&) : TDSWSoundObject("TDSWSound") { device_ = sndOpenDevice(openError_); }

TDSWSound::~TDSWSound() {
  if (device_) sndCloseDevice();
}

void TDSWSound::setCooperativeLevel(int32_t, uint8_t levelIndex) {
  if (levelIndex > 3) check("SetCooperativeLevel", dsErrInvalidParam);
  level_ = levelIndex;
  check("SetCooperativeLevel", device_ ? dsOk : dsErrUninitialized);
}

// [SECTION] buffers
TDSWSoundBuffer::TDSWSoundBuffer(TDSWSound& device, const char* className)
    : TDSWSoundObject(className), owner_(&device) {
  if (this->className() == "TDSWSoundBuffer") throw EDSWSoundError("A TDSWSoundBuffer cannot be created");
}

TDSWSoundBuffer::~TDSWSoundBuffer() { releaseBuffer(); }

void TDSWSoundBuffer::releaseBuffer() {
  sndFreeVoice(voice_);
  voice_ = 0;
  memory_.clear();
  memory_.shrink_to_fit();
  size_ = 0;
  locked_ = false;
  region1_ = region2_ = nullptr;
  length1_ = length2_ = 0;
}

void TDSWSoundBuffer::createWithFormat(const TWaveFormatValues& format, int32_t size, uint8_t capabilities, bool) {
  makeWaveFormat(format);  // raises for a triple out of range
  releaseBuffer();
  if (size < 1) check("Create", dsErrInvalidParam);
  SndResult r;
  const int32_t voice = sndCreateVoice(r);
  check("Create", resultCode(r));
  voice_ = voice;
  format_ = format;
  capabilities_ = capabilities;
  size_ = size;
  memory_.assign(size_t(size), format.bitsPerSample == 8 ? 0x80 : 0);
}

void TDSWSoundBuffer::lock(int32_t offset, int32_t size, uint8_t flagsIndex) {
  if (offset < 0 || size < 0) throw ERangeError("TDSWSoundBuffer.lock: negative offset or size");
  // The whole buffer alone starts at its beginning; with the write cursor it wraps from there.
  if (flagsIndex & 2) {
    offset = 0;
    size = size_;
  }
  if (flagsIndex & 1) offset = writeCursor_;
  if (memory_.empty() || flagsIndex > 3) check("Lock", dsErrInvalidCall);
  if (offset >= size_ || size > size_ || size == 0) check("Lock", dsErrInvalidParam);
  region1_ = memory_.data() + offset;
  length1_ = std::min(size, size_ - offset);
  length2_ = size - length1_;
  region2_ = length2_ > 0 ? memory_.data() : nullptr;
  locked_ = true;
}

void TDSWSoundBuffer::unlock() {
  if (!locked_) return;
  locked_ = false;
  region1_ = region2_ = nullptr;
  length1_ = length2_ = 0;
  const SndFormat f{format_.samplesPerSec, format_.channels, format_.bitsPerSample};
  check("Unlock", resultCode(sndLoadPcm(voice_, f, memory_.data(), memory_.size())));
}

int32_t TDSWSoundBuffer::getCursorPos() {
  if (voice_ == 0 || size_ < 1) return 0;
  const int64_t frameBytes = int64_t(format_.channels) * (format_.bitsPerSample / 8);
  const int64_t played = sndPlayedFrames(voice_) * frameBytes;
  // A looping sound starts over at its end; one played once stays at its end.
  playCursor_ = int32_t(played < size_ ? played : sndIsPlaying(voice_) ? played % size_ : size_);
  writeCursor_ = playCursor_;
  return writeCursor_;
}

bool TDSWSoundBuffer::isPlaying() { return voice_ != 0 && sndIsPlaying(voice_); }

void TDSWSoundBuffer::setVolume(int32_t volume) {
  volume_ = clampTo(volume, -10000, 0);
  if (voice_ == 0) return;
  if (!(capabilities_ & dswVolume)) check("SetVol", dsErrControlUnavail);
  check("SetVol", resultCode(sndSetVolume(voice_, dswMixerVolume(volume_))));
}

void TDSWSoundBuffer::setPan(int32_t pan) {
  pan_ = clampTo(pan, -10000, 10000);
  if (voice_ == 0) return;
  if (!(capabilities_ & dswPan)) check("SetPan", dsErrControlUnavail);
  const auto [left, right] = dswPanGains(pan_);
  check("SetPan", resultCode(sndSetPanning(voice_, left, right)));
}

void TDSWSoundBuffer::play(bool looping) {
  if (voice_ == 0) return;
  check("Play", resultCode(sndPlay(voice_, looping)));
}

void TDSWSoundBuffer::stop() {
  if (voice_ != 0) sndStop(voice_);
}

// [SECTION] file samples
TPreparedSoundFile prepareSoundFile(const std::string& fileName) {
  TPreparedSoundFile file;
  file.fileName = fileName;
  if (endsWithOgg(fileName)) {
    SndFormat f{};
    size_t size = 0;
    file.encoded = true;
    file.sound = sndPrepareFile(fileName, f, size);
    if (!file.sound.ready() || size == 0 || size > INT32_MAX) {
      file.refusal = "cannot be decoded";
      file.sound = SndPrepared();
      return file;
    }
    file.format = {f.rate, f.channels, f.bits};
    file.size = int32_t(size);
    return file;
  }
  TWaveFile reader;
  if (!openWaveFile(fileName, reader)) {
    file.refusal = "not a usable wave file (code " + std::to_string(reader.errorCode) + ")";
    return file;
  }
  if (reader.dataSize < 1) {
    file.refusal = "no sound data";
    closeWaveFile(reader);
    return file;
  }
  file.format = waveFormatFromHeader(reader.format);
  file.size = reader.dataSize;
  file.pcm.assign(size_t(reader.dataSize), 0);
  const int32_t got = readWaveData(reader, reader.dataSize, file.pcm.data());
  closeWaveFile(reader);
  if (got < reader.dataSize) {
    file.refusal = "EOF in file: " + fileName;
    file.pcm.clear();
    return file;
  }
  const SndFormat f{file.format.samplesPerSec, file.format.channels, file.format.bitsPerSample};
  file.sound = sndPreparePcm(f, file.pcm.data(), file.pcm.size());
  return file;
}

TDSWSoundSample::TDSWSoundSample(TDSWSound& device, const std::string& fileName, uint8_t capabilities, int32_t,
                                 const char* className)
    : TDSWSoundBuffer(device, className) {
  adopt(prepareSoundFile(fileName), capabilities);
}

TDSWSoundSample::TDSWSoundSample(TDSWSound& device, TPreparedSoundFile&& file, uint8_t capabilities,
                                 const char* className)
    : TDSWSoundBuffer(device, className) {
  adopt(std::move(file), capabilities);
}

TDSWSoundSample::TDSWSoundSample(TDSWSound& device, TDSWSoundSample& same, const char* className)
    : TDSWSoundBuffer(device, className), fileName_(same.fileName_) {
  if (same.voice_ == 0) return;
  SndResult r;
  const int32_t voice = sndCreateVoice(r);
  check("Create", resultCode(r));
  if (sndShareSound(same.voice_, voice) != SndResult::ok) {
    sndFreeVoice(voice);
    return;
  }
  voice_ = voice;
  format_ = same.format_;
  capabilities_ = same.capabilities_;
  size_ = same.size_;
}

void TDSWSoundSample::adopt(TPreparedSoundFile&& file, uint8_t capabilities) {
  fileName_ = file.fileName;
  if (!file.refusal.empty()) {
    logRefusedFile(file.fileName, file.refusal);
    return;
  }
  if (file.encoded) {
    releaseBuffer();
    SndResult r;
    const int32_t voice = sndCreateVoice(r);
    check("Create", resultCode(r));
    if (sndLoadPrepared(voice, std::move(file.sound)) != SndResult::ok) {
      sndFreeVoice(voice);
      logRefusedFile(file.fileName, "cannot be decoded");
      return;
    }
    voice_ = voice;
    format_ = file.format;
    capabilities_ = capabilities;
    size_ = file.size;  // the mixer holds the sound; lock has nothing to hand out
    return;
  }
  createWithFormat(file.format, file.size, capabilities, true);  // raises without a device
  memory_ = std::move(file.pcm);
  // Prepared without a device (or in a layout the device refused): the buffer converts now.
  const SndResult r = file.sound.ready() ? sndLoadPrepared(voice_, std::move(file.sound))
                                         : sndLoadPcm(voice_, {format_.samplesPerSec, format_.channels,
                                                               format_.bitsPerSample},
                                                      memory_.data(), memory_.size());
  check("Unlock", resultCode(r));
}
