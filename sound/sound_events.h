// The sound container: every sound the program makes goes through `soundContainer`. Effects
// are sound files found by a short name (numbered variants drawn at random), each played on
// the next of nine rotating slots, so the tenth sound cuts off the oldest; effects of the table
// are panned and attenuated by where they happen. Main thread only; the sample loader's and
// the music's workers are its own.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/records.h"
#include "sound/dsw_sound.h"
#include "sound/sample_cache.h"

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
// The same without the variant draw: the plain file a variant would be drawn for.
std::string baseSoundFile(const std::string& name, bool& found);
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
  // A file not kept yet is read by the sample loader's worker and starts on its slot when
  // ready (servePendingPlays); the frame never waits for it.
  bool playSound(const std::string& name, int32_t seat, const std::string& text, int32_t volume, int32_t pan,
                 bool isVoice);
  // Starts the slots' plays whose samples the loader has made ready. The tick's voice queue
  // and the frame's posted messages call it.
  void servePendingPlays();
  // A slot waits for its sample.
  bool playPending() const;
  // A voice sample of a seat at the voice volume, panned by the seat's place at the table.
  void playSeatSound(const std::string& name, int32_t seat);
  // Plays the effect of an event at a card's place (stack and slot; 0, 0 unplaced).
  void playEvent(int32_t code, int32_t stack, int32_t slot);
  // Reads the three levels of appopt and sets the volumes; apply passes the music volume on.
  void applyVolumes(bool apply);
  // kind 0 all three volumes, 1 music, 2 voices, 3 effects.
  void setVolume(int32_t value, int32_t kind, bool apply);

  // [SECTION] voices and comments (speech.cpp)
  // Appends a voice sample unless the queue is full or the voice setting filters it; an
  // appended entry takes the subtitle (the caller's becomes empty).
  void queueVoice(const std::string& path, std::string& subtitle, int32_t seat, int32_t code);
  // 3 while a voice sample is busy (of that seat when seat is not 0), else 0; with seat 0 it
  // starts the next queued sample when none is busy (and answers 3).
  uint8_t processVoiceQueue(int32_t seat);
  // A computer seat's remark by chance; true when chance and rules allowed it.
  bool sayComment(int32_t seat, int32_t kind, int32_t firstCode, int32_t secondCode, int32_t chance);

  // [SECTION] music, main thread (music_control.cpp)
  // Starts, changes or stops the music after the settings changed; force restarts it.
  void applyMusicChoice(bool force);
  // Records the music name and asks the worker for the track.
  void requestMusic(const std::string& name);
  void pauseMusic();
  void resumeMusic();
  void resumeMusicIfActive();
  // The music volume is above 0, the music is not stopped and the player has not failed; or
  // the tutorial's narration plays.
  bool musicEnabled() const;
  // Shows the messages the music worker posted (message 40: a missing music file) and
  // starts the effects whose samples became ready. Called once per frame by the main
  // window, never from a nested frame.
  void showPostedMessages();
  std::string recordedMusicName();
  // The file the worker started last ("" before any) and how many it started.
  std::string startedMusicFile();
  std::atomic<int32_t> musicStarts{0};

  // [SECTION] music, worker thread only (music_control.cpp)
  void playNextTrack();
  void playClip(const std::string& name, int32_t start, int32_t end, bool reopen);
  void checkMusicEnd();
  void setMciVolume(int32_t volume);
  // The worker's replacement player: opens the file and plays it; a failure ends the music.
  void reopenPlayer(const std::string& file);

  // [SECTION] state: create() sets the device; applyVolumes/setVolume the volumes; playSound
  // the slots and the kept samples, which destroy() empties.
  std::unique_ptr<TDSWSound> device;
  TSampleCache sampleCache;
  // The volumes are read by the music worker too.
  std::atomic<int32_t> musicVolume{0};    // 0..52
  std::atomic<int32_t> effectsVolume{0};  // 0..100 percent
  std::atomic<int32_t> voiceVolume{0};    // 0..100 percent
  bool noDevice = true;         // no output device: nothing plays
  std::atomic<bool> playerFailed{false};  // the music player failed; ends the music only
  std::atomic<bool> musicStopped{false};  // "Musik" "Aus" closed the track; set by the worker
  std::atomic<bool> playerOpen{false};    // the player holds a track; the worker's
  // The tutorial runs and has a narration range: the music counts as level 2, the settings'
  // choice waits and no track follows a clip's end. Set by applyVolumes, which the tutorial
  // calls whenever its range changes; read by the worker.
  std::atomic<bool> narration{false};
  int32_t slotCounter = 0;      // slot used last, 1..9; 0 before the first sound
  // A sample is in one slot at most; a kept one is shared with sampleCache. Slot 10 is never used.
  LArray<std::shared_ptr<TDSWSoundFileSample>, 1, 10> samples{};
  LArray<int32_t, 1, 10> slotKinds{};  // 1 the slot plays a voice sample
  LArray<int32_t, 1, 10> slotSeats{};  // the seat whose voice it plays, 0 none
  // A play asked of a slot whose sample the loader still reads; "" none.
  struct TPendingPlay {
    std::string path;
    int32_t volume = 0, pan = 0, seat = 0;
    bool isVoice = false;
  };
  LArray<TPendingPlay, 1, 10> pendingPlays{};

  // [SECTION] voice queue: queueVoice appends, processVoiceQueue removes what it starts.
  static constexpr int32_t queueCapacity = 5;
  LArray<std::string, 1, queueCapacity> queuedPaths{};
  LArray<std::string, 1, queueCapacity> queuedSubtitles{};  // bubble text shown when it starts
  LArray<int32_t, 1, queueCapacity> queuedSeats{};
  int32_t queueCount = 0;                       // 0..5
  LArray<int32_t, 1, 6> lastCommentedMove{};    // per seat to act, cg.moveCounter of the last

 private:
  // The file of the queue's first entry, drawn once however long it waits for its sample.
  std::string headFile_;
  bool headFound_ = false;
  bool headResolved_ = false;
  bool headWaiting_ = false;  // the first entry waits for its sample
  bool playFile(const std::string& path, bool found, int32_t seat, int32_t volume, int32_t pan, bool isVoice);
  void startOnSlot(int32_t slot, std::shared_ptr<TDSWSoundFileSample> taken, int32_t volume, int32_t pan,
                   int32_t seat, bool isVoice);
  // The volume and pan of a seat's voice; false when voices play nothing.
  bool seatVoiceLevel(int32_t seat, int32_t& volume, int32_t& pan) const;

  std::mutex musicMutex_;               // guards the two fields below
  std::string musicName_;               // the choice last requested; main thread and worker
  std::vector<std::string> posted_;     // files of message 40, posted by the worker
  std::string startedFile_;             // written by the worker
  void noteStarted(const std::string& file);
};

extern TSoundContainer soundContainer;

// The container's own generator for its variant draws, so sounds never move the draws of a
// seeded deal. Seeded from the clock at first use; tests fix it.
void soundRandomSeed(uint64_t seed);
int32_t soundRandomBelow(int32_t n);

// A number uniform in [0, 1) from the same generator.
double soundRandomUnit();

// Hears every voice sample as it starts (path, seat); tests follow the queue through it.
using TVoiceStartListener = std::function<void(const std::string& path, int32_t seat)>;
TVoiceStartListener setVoiceStartListener(TVoiceStartListener listener);

// Hears every event played; tests observe the table's sounds through it. Returns the
// listener it replaces; an empty one stops listening.
using TSoundEventListener = std::function<void(int32_t code, int32_t stackOrSeat, int32_t index)>;
TSoundEventListener setSoundEventListener(TSoundEventListener listener);
