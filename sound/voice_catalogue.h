// The voice catalogues: for each of the six voices, per sound code 10..43, the texts that
// voice can say ("\data\sound\<voice>\codes.txt"), and how a text becomes the name of its
// sample file. Read once at start-up; a pick never repeats the voice's last pick for a code.
#pragma once

#include <cstdint>
#include <string>

#include "platform/records.h"

constexpr int32_t voiceCount = 6;
constexpr int32_t firstSoundCode = 10;
constexpr int32_t lastSoundCode = 43;
constexpr int32_t maxSampleTexts = 12;
constexpr int32_t sampleTextLength = 64;

class TSCReader {
 public:
  // TSCReader.Create: reads and checks the six catalogues. A missing catalogue or missing
  // samples write one error-log line per voice; the texts stay and show without sound.
  void create();
  // Reads one voice's catalogue from its text (lines joined with CR LF) and checks its
  // samples in the voice's folder.
  void readCatalogue(int32_t voice, const std::string& text);
  // A text of the voice for the code; the text stays as it was for a voice outside 1..6.
  // A code without usable texts (disabled, or no catalogue) gives its first stored text.
  void pickSample(int32_t code, int32_t voice, std::string& text);

  // [SECTION] read by create(); lastPicks written by pickSample.
  using TCodeTexts = LArray<std::string, 1, maxSampleTexts>;
  LArray<LArray<TCodeTexts, firstSoundCode, lastSoundCode>, 1, voiceCount> sampleTexts{};
  LArray<LArray<int32_t, firstSoundCode, lastSoundCode>, 1, voiceCount> counts{};     // 0..12
  LArray<LArray<int32_t, firstSoundCode, lastSoundCode>, 1, voiceCount> stored{};     // texts read
  LArray<LArray<int8_t, firstSoundCode, lastSoundCode>, 1, voiceCount> lastPicks{};   // 0 none yet
};

extern TSCReader scReader;

// The codes this build (featured game Skat) keeps silent: 10, 11, 20..26, 39..41.
bool isSoundCodeOff(int32_t code);
// The file name of a text: umlauts spelt out, blanks and punctuation to "_", "/" and "\" to
// "_" as well so that no text names a file outside its voice's folder. dropQuotes drops "!",
// '"' and ","; gameRules applies the running game's own spellings.
std::string soundFileName(const std::string& text, bool dropQuotes, bool gameRules);
// The voice of a seat 1..8: its voice 1..6, 4 for any other value.
int32_t seatVoiceOf(int32_t seat);
// "\data\sound\<voice>\<name>.wav" in the program folder, as a local path; the voice is the
// seat's (seatVoiceOf).
std::string speechFilePath(const std::string& name, int32_t seat);
// The same for a voice number.
std::string voiceFilePath(const std::string& name, int32_t voice);
// The first of the text's three file names whose sample exists (plain, quotes dropped, game
// rules); the third when none does. Answers the path; name gets the file name.
std::string speechSamplePath(std::string& name, const std::string& text, int32_t seat);
// The cut of a catalogue text at the next "#" ("#" removed); the whole rest when none.
std::string nextCodeField(std::string& rest);
