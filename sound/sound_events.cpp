// The sound container: file lookup, the nine slots, the effect events and the volumes.
//
// [SECTION] tables      levels, attenuation steps, effects of the event codes
// [SECTION] lookup      a name to a file: question variant, ".ogg" before ".wav", variants
// [SECTION] playing     playSound, playSeatSound, playEvent
// [SECTION] volumes     applyVolumes, setVolume
#include "sound/sound_events.h"

#include <chrono>
#include <cmath>
#include <filesystem>
#include <random>
#include <utility>

#include "core/engine_switches.h"
#include "engine/engine_options.h"
#include "engine/engine_services.h"
#include "platform/paths.h"
#include "platform/sound.h"
#include "core/cg.h"
#include "shell/shell_globals.h"
#include "shell/tutorial_state.h"
#include "sound/music_worker.h"
#include "table/stacks.h"

TSoundContainer soundContainer;

namespace {

TSoundEventListener& listener() {
  static TSoundEventListener l;
  return l;
}

std::mt19937_64& soundGenerator() {
  static std::mt19937_64 g(uint64_t(std::chrono::steady_clock::now().time_since_epoch().count()));
  return g;
}

int32_t roundEven(double v) { return int32_t(std::lrint(v)); }  // the default mode: halves to even
int32_t clampTo(int32_t v, int32_t lo, int32_t hi) { return v < lo ? lo : v > hi ? hi : v; }

// [SECTION] tables
constexpr int32_t kLevelPercent[] = {100, 80, 56, 40, 24, 0};  // levels 1..6

struct TAttenuationStep {
  int32_t fromPercent;  // this step holds from here up to the next higher one
  int32_t attenuation;  // hundredths of a decibel
};
constexpr TAttenuationStep kAttenuation[] = {
    {90, 0},     {85, -50},   {80, -100},  {75, -150},  {70, -200},   {65, -280},   {60, -360},
    {55, -430},  {50, -500},  {40, -650},  {30, -800},  {20, -950},   {10, -1100},  {1, -1250},
};

struct TEffectEvent {
  int32_t code;
  const char* name;
};
constexpr TEffectEvent kEffects[] = {
    {1, "up"},       {2, "down"},     {3, "over"},         {10, "_leg"},   {11, "_sel"},
    {12, "_zieh"},   {13, "_sel"},    {14, "_x"},          {15, "_sel"},   {16, "_x"},
    {17, "applaus"}, {18, "applaushigh"}, {20, "_cleg"},   {21, "_zieh"},  {30, "_eleg"},
    {31, "_zieh"},   {32, "poch"},
};

constexpr double kPanScale = 12;      // pan percent to hundredths of a decibel
constexpr double kTableMiddleX = 650;  // table units

// [SECTION] lookup
bool fileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(toLocalPath(path), ec);
}

std::string lookupSoundFile(const std::string& name, bool& found) {
  std::string path = name;
  found = fileExists(path);
  // A question variant ("name_.wav") falls back to the plain sample, one "_" at a time (a
  // question asked with a question pick has two).
  while (!found && path.size() >= 5 && path[path.size() - 5] == '_') {
    path.erase(path.size() - 5, 1);
    found = fileExists(path);
  }
  for (const char* ext : {".ogg", ".wav"}) {
    if (found) break;
    path = programPath("\\data\\sound\\" + name + ext);
    found = fileExists(path);
  }
  return path;
}

}  // namespace

std::string baseSoundFile(const std::string& name, bool& found) { return toLocalPath(lookupSoundFile(name, found)); }

std::string findSoundFile(const std::string& name, bool& found) {
  std::string path = lookupSoundFile(name, found);
  if (path.size() < 4) return path;
  const std::string stem = path.substr(0, path.size() - 4), ext = path.substr(path.size() - 4);
  int32_t variants = 1;
  while (variants < 99 && fileExists(stem + std::to_string(variants + 1) + ext)) variants++;
  if (variants > 1) {
    const int32_t k = soundRandomBelow(variants);
    if (k >= 1) path = stem + std::to_string(k + 1) + ext;
  }
  return toLocalPath(path);
}

// [SECTION] tables
int32_t levelToVolume(int32_t level) { return kLevelPercent[clampTo(level, 1, 6) - 1]; }

int32_t attenuationOf(int32_t volume) {
  for (const TAttenuationStep& s : kAttenuation)
    if (volume >= s.fromPercent) return s.attenuation;
  return kAttenuation[std::size(kAttenuation) - 1].attenuation;
}

const char* effectName(int32_t code) {
  for (const TEffectEvent& e : kEffects)
    if (e.code == code) return e.name;
  return "";
}

TEffectPlacement effectPlacement(int32_t stack, int32_t slot) {
  if (stack < 1 || slot < 1 || stack > stackCount || slot > slotCapacity) return {100, 0};
  const TSpieler& s = sp[stack];
  const int32_t x = roundEven(double(s.pose.x) + s.slots[slot].pose.x);
  const int32_t z = roundEven(s.pose.z);
  const int32_t factor = clampTo(roundEven(100 + z / 25.0), 0, 100);
  int32_t pan = roundEven((x - kTableMiddleX) / 5.6);
  if (stack == 1) pan *= 3;  // the user's own hand sits close: its sounds spread wider
  return {factor, clampTo(pan, -100, 100)};
}

void soundRandomSeed(uint64_t seed) { soundGenerator().seed(seed); }

double soundRandomUnit() { return std::uniform_real_distribution<double>(0, 1)(soundGenerator()); }

int32_t soundRandomBelow(int32_t n) {
  if (n <= 0) return 0;
  return int32_t(std::uniform_int_distribution<int32_t>(0, n - 1)(soundGenerator()));
}

// [SECTION] lifetime
void TSoundContainer::create() {
  destroy();
  device = std::make_unique<TDSWSound>(TGuid{});
  noDevice = !device->hasDevice();
  // The music plays on the effects' device: without one no player is made.
  playerFailed = noDevice;
  musicStopped = false;
  playerOpen = false;
  narration = false;
  musicStarts = 0;
  {
    // A container made again (the tests do) starts from no music at all.
    std::lock_guard<std::mutex> lock(musicMutex_);
    musicName_.clear();
    startedFile_.clear();
    posted_.clear();
  }
  if (noDevice) {
    // The null backend is the tests' quiet machine; a real device that fails is noted.
    if (sndBackend() != SoundBackend::null) logProtocol("Sound: no audio device (" + device->openError() + ")");
    return;
  }
  device->setCooperativeLevel(0, 0);
  musicThread.start();
}

void TSoundContainer::destroy() {
  // The worker closes its track and ends before the mixer goes.
  musicThread.terminate();
  for (auto& s : samples) s.reset();
  pendingPlays = {};
  headResolved_ = false;
  headWaiting_ = false;
  sampleCache.clear();
  slotKinds = {};
  slotSeats = {};
  slotCounter = 0;
  queueCount = 0;
  lastCommentedMove = {};
  device.reset();
  noDevice = true;
}

// [SECTION] playing
bool TSoundContainer::playSound(const std::string& name, int32_t seat, const std::string&, int32_t volume,
                                int32_t pan, bool isVoice) {
  bool found = false;
  const std::string path = findSoundFile(name, found);
  return playFile(path, found, seat, volume, pan, isVoice);
}

bool TSoundContainer::playFile(const std::string& path, bool found, int32_t seat, int32_t volume, int32_t pan,
                               bool isVoice) {
  if (!found || noDevice || !device || isTerminating()) return found;
  servePendingPlays();
  slotCounter = slotCounter + 1 >= 10 ? 1 : slotCounter + 1;
  const int32_t slot = slotCounter;
  // Whatever the slot still plays or waits for stops; a kept sample stays loaded for its next play.
  if (samples[slot]) samples[slot]->stop();
  samples[slot].reset();
  slotKinds[slot] = 0;
  slotSeats[slot] = 0;
  pendingPlays[slot] = {};
  try {
    std::shared_ptr<TDSWSoundFileSample> taken = sampleCache.take(*device, path);
    if (!taken) {
      pendingPlays[slot] = {path, volume, pan, seat, isVoice};
      return found;
    }
    startOnSlot(slot, std::move(taken), volume, pan, seat, isVoice);
  } catch (const EDSWError& e) {
    logProtocol(std::string("Sound dropped: ") + e.what());
  } catch (const std::exception& e) {
    logProtocol(std::string("Sound dropped: ") + e.what());
  }
  return found;
}

void TSoundContainer::startOnSlot(int32_t slot, std::shared_ptr<TDSWSoundFileSample> taken, int32_t volume,
                                  int32_t pan, int32_t seat, bool isVoice) {
  // A kept sample that finished in an older slot moves here: that slot is empty now, and
  // reusing it later cannot stop this play.
  for (int32_t other = 1; other <= soundSlotCount; other++) {
    if (other == slot || samples[other] != taken) continue;
    samples[other].reset();
    slotKinds[other] = 0;
    slotSeats[other] = 0;
  }
  samples[slot] = std::move(taken);
  TDSWSoundFileSample& sample = *samples[slot];
  sample.setVolume(0);
  sample.setVolume(attenuationOf(volume));
  sample.setPan(int32_t(pan * kPanScale));
  if (volume <= 0 || !sample.hasBuffer()) return;  // loaded, silent
  sample.play(false);
  slotSeats[slot] = seat > 0 ? seat : 0;
  slotKinds[slot] = isVoice ? 1 : 0;
}

void TSoundContainer::servePendingPlays() {
  if (noDevice || !device) return;
  for (int32_t slot = 1; slot <= soundSlotCount; slot++) {
    TPendingPlay& p = pendingPlays[slot];
    if (p.path.empty()) continue;
    try {
      std::shared_ptr<TDSWSoundFileSample> taken = sampleCache.take(*device, p.path);
      if (!taken) continue;
      const TPendingPlay play = std::exchange(p, TPendingPlay{});
      startOnSlot(slot, std::move(taken), play.volume, play.pan, play.seat, play.isVoice);
    } catch (const EDSWError& e) {
      p = {};
      logProtocol(std::string("Sound dropped: ") + e.what());
    }
  }
}

bool TSoundContainer::playPending() const {
  for (int32_t slot = 1; slot <= soundSlotCount; slot++)
    if (!pendingPlays[slot].path.empty()) return true;
  return false;
}

bool TSoundContainer::seatVoiceLevel(int32_t seat, int32_t& volume, int32_t& pan) const {
  // Voices "Aus" play nothing at all (not the faintest step).
  if (engineFastMode() || voiceVolume <= 0) return false;
  int32_t base = roundEven(voiceVolume * 1.05 + 5);
  pan = 0;
  if (playerCount > 2 && seat != 1)
    pan = roundEven(double(2 * (seat - 2) - (playerCount - 2)) / (playerCount - 2) * 100);
  if (seat == 1) base = std::max(0, base - 5);
  volume = base + roundEven(std::abs(pan) * 0.05);
  return true;
}

void TSoundContainer::playSeatSound(const std::string& name, int32_t seat) {
  int32_t volume = 0, pan = 0;
  if (seatVoiceLevel(seat, volume, pan)) playSound(name, seat, "", volume, pan, true);
}

void TSoundContainer::playEvent(int32_t code, int32_t stack, int32_t slot) {
  if (listener()) listener()(code, stack, slot);
  // A failed music player ends the music only; effects go on.
  if (effectsVolume < 1 || engineFastMode()) return;
  const char* name = effectName(code);
  if (*name == 0) return;
  if (code <= 5) {
    playSound(name, 0, "", effectsVolume, 0, false);
    return;
  }
  const TEffectPlacement p = effectPlacement(stack, slot);
  playSound(name, 0, "", effectsVolume * p.factor / 100, p.pan, false);
}

// [SECTION] volumes
void TSoundContainer::applyVolumes(bool apply) {
  narration = cg.gs.tutorialMode != 0 && tutClipEnd > 0;
  const int32_t voices = levelToVolume(appopt.speechLevel);
  const int32_t effects = levelToVolume(appopt.effectsLevel);
  const int32_t musicLevel = narration ? 2 : appopt.musicLevel;
  const int32_t music = std::max(0, roundEven((levelToVolume(musicLevel) - 10) * 0.58));
  setVolume(music, 1, apply);
  setVolume(voices, 2, apply);
  setVolume(effects, 3, apply);
}

void TSoundContainer::setVolume(int32_t value, int32_t kind, bool apply) {
  // Volumes change even after the music player failed: that ends the music only.
  if (kind == 0 || kind == 1) {
    musicVolume = value;
    if (apply) musicThread.requestVolume(value * 10);
  }
  if (kind == 0 || kind == 2) voiceVolume = value;
  if (kind == 0 || kind == 3) effectsVolume = value;
}

TSoundEventListener setSoundEventListener(TSoundEventListener l) {
  return std::exchange(listener(), std::move(l));
}
