// The sound container: every sound the program makes goes through `soundContainer`. Effects
// are sound files found by a short name (numbered variants drawn at random), each played on
// the next of nine rotating slots, so the tenth sound cuts off the oldest; effects of the table
// are panned and attenuated by where they happen. Main thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/records.h"
#include "sound/dsw_sound.h"

// Event codes of playEvent.
enum : int32_t {
  soundClick = 2,
  soundCardLands = 10,
  soundCardDrawn = 12,
  soundTrickCardRaised = 13,
  soundCardRaised = 15,
  soundApplauseHigh = 18,
};

constexpr int32_t soundSlotCount = 9;

// Loudness factor (0..100 percent) and pan (-100 left .. 100 right) of a placed effect.
struct TEffectPlacement {
  int32_t factor;
  int32_t pan;
};

// A level of the graphics and sound dialog (1 "Ein (100%)" .. 6 "Aus") as percent.
int32_t levelToVolume(int32_t level);
// A played sound's volume in percent as attenuation in hundredths of a decibel (0..-1,250).
int32_t attenuationOf(int32_t volume);
// Where on the table the card in slot `slot` of stack `stack` makes its sound.
TEffectPlacement effectPlacement(int32_t stack, int32_t slot);
// The file a sound name stands for (a path, or an effect name in "\data\sound\"), with a
// numbered variant drawn; found says whether there is one.
std::string findSoundFile(const std::string& name, bool& found);
// The effect name of an event code; "" for codes without an effect.
const char* effectName(int32_t code);

class TSoundContainer {
 public:
  // TSoundContainer.Create: opens the device (none: the no-device flag); volumes stay 0
  // until applyVolumes.
  void create();
  // Frees the samples and the device, at close.
  void destroy();

  // Plays a sound file on the next slot; answers whether the file was found. name is a path,
  // or an effect name looked up in "\data\sound\". The text is not used.
  bool playSound(const std::string& name, int32_t seat, const std::string& text, int32_t volume, int32_t pan,
                 bool isVoice);
  // A voice sample of a seat at the voice volume, panned by the seat's place at the table.
  void playSeatSound(const std::string& name, int32_t seat);
  // Plays the effect of an event at a card's place (stack and slot; 0, 0 unplaced).
  void playEvent(int32_t code, int32_t stack, int32_t slot);
  // Reads the three levels of appopt and sets the volumes; apply passes the music volume on.
  void applyVolumes(bool apply);
  // kind 0 all three volumes, 1 music, 2 voices, 3 effects.
  void setVolume(int32_t value, int32_t kind, bool apply);

  // [SECTION] state: create() sets the device; applyVolumes/setVolume the volumes; playSound
  // the slots.
  std::unique_ptr<TDSWSound> device;
  int32_t musicVolume = 0;      // 0..52
  int32_t effectsVolume = 0;    // 0..100 percent
  int32_t voiceVolume = 0;      // 0..100 percent
  bool noDevice = true;         // no output device: nothing plays
  bool playerFailed = false;    // the music player failed; ends the music only
  int32_t slotCounter = 0;      // slot used last, 1..9; 0 before the first sound
  LArray<std::unique_ptr<TDSWSoundFileSample>, 1, 10> samples{};  // slot 10 is never used
  LArray<int32_t, 1, 10> slotKinds{};  // 1 the slot plays a voice sample
  LArray<int32_t, 1, 10> slotSeats{};  // the seat whose voice it plays, 0 none
};

extern TSoundContainer soundContainer;

// The container's own generator for its variant draws, so sounds never move the draws of a
// seeded deal. Seeded from the clock at first use; tests fix it.
void soundRandomSeed(uint64_t seed);
int32_t soundRandomBelow(int32_t n);

// Hears every event played; tests observe the table's sounds through it. Returns the
// listener it replaces; an empty one stops listening.
using TSoundEventListener = std::function<void(int32_t code, int32_t stackOrSeat, int32_t index)>;
TSoundEventListener setSoundEventListener(TSoundEventListener listener);
