// The voice catalogues: reading codes.txt, checking the samples, picking a text, and the
// sample file of a text.
//
// [SECTION] file names
// [SECTION] reading
// [SECTION] picking
#include "sound/voice_catalogue.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/cg.h"
#include "engine/error_log.h"
#include "platform/paths.h"
#include "sound/sound_events.h"

TSCReader scReader;

namespace {

bool fileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

// Codes kept silent with the featured game Skat (code ranges of the other games).
struct TCodeRange {
  int32_t from, to;
};
constexpr TCodeRange kCodesOff[] = {{10, 11}, {20, 26}, {39, 41}};

// A text that names no sample: one character or none, the question "%?", or a mark "X...".
bool hasNoSample(const std::string& text) { return text.size() <= 1 || text == "%?" || text[0] == 'X'; }

// How a byte of the code page is spelt in a file name.
void appendSpelt(std::string& out, char c) {
  switch (static_cast<unsigned char>(c)) {
    case 0xE9: out += 'e'; return;                     // é
    case 0xC4: case 0xE4: out += "ae"; return;         // Ä ä
    case 0xD6: case 0xF6: out += "oe"; return;         // Ö ö
    case 0xDC: case 0xFC: out += "ue"; return;         // Ü ü
    case ' ': case '\'': case '-': case '.': case '?': case '/': case '\\': out += '_'; return;
    case '%': case ',': return;
    default: out += c;
  }
}

std::string samplePathIn(std::string& name, const std::string& text, int32_t voice) {
  std::string path;
  for (int rule = 0; rule < 3; rule++) {
    name = soundFileName(text, rule == 1, rule == 2);
    path = voiceFilePath(name, voice);
    if (fileExists(path)) break;
  }
  return path;
}

}  // namespace

// [SECTION] file names

bool isSoundCodeOff(int32_t code) {
  for (const TCodeRange& r : kCodesOff)
    if (code >= r.from && code <= r.to) return true;
  return false;
}

std::string soundFileName(const std::string& text, bool dropQuotes, bool gameRules) {
  std::string out;
  const bool blackjack = cg.gameId == gidBlackjack;
  for (size_t i = 0; i < text.size(); i++) {
    const char c = text[i];
    if (gameRules && blackjack && c == '\'') continue;
    if (gameRules && !blackjack) {
      if (c == '!') continue;
      if (c == '?' && i > 0 && i + 1 == text.size() && (text[i - 1] == ' ' || text[i - 1] == '%')) continue;
      if ((c == ' ' || c == ',') && i < 3 && text[0] == '%') continue;
    }
    if (dropQuotes && (c == '!' || c == '"' || c == ',')) continue;
    appendSpelt(out, c);
  }
  return out;
}

std::string voiceFilePath(const std::string& name, int32_t voice) {
  return toLocalPath(programPath("\\data\\sound\\" + std::to_string(voice) + "\\" + name + ".wav"));
}

int32_t seatVoiceOf(int32_t seat) {
  if (seat < 1 || seat > 8) return seat;
  const int32_t v = cg.seatVoice[seat];
  return v >= 1 && v <= voiceCount ? v : 4;
}

std::string speechFilePath(const std::string& name, int32_t seat) { return voiceFilePath(name, seatVoiceOf(seat)); }

std::string speechSamplePath(std::string& name, const std::string& text, int32_t seat) {
  return samplePathIn(name, text, seatVoiceOf(seat));
}

std::string nextCodeField(std::string& rest) {
  const size_t at = rest.find('#');
  std::string field = rest.substr(0, at);
  rest.erase(0, at == std::string::npos ? rest.size() : at + 1);
  return field;
}

// [SECTION] reading

void TSCReader::readCatalogue(int32_t voice, const std::string& text) {
  std::string rest = text;
  int32_t missing = 0;
  std::string firstMissing;
  for (int32_t code = firstSoundCode; code <= lastSoundCode; code++) {
    TCodeTexts& texts = sampleTexts[voice][code];
    texts = {};
    nextCodeField(rest);  // the label names the callers; the program does not read it
    int32_t n = 0, skipped = 0;
    while (!rest.empty()) {
      const std::string field = nextCodeField(rest);
      if (field.empty()) break;
      if (n == maxSampleTexts) {
        skipped++;
        continue;
      }
      texts[++n] = field.substr(0, sampleTextLength);
      if (isSoundCodeOff(code) || hasNoSample(texts[n])) continue;
      std::string name;
      const std::string path = samplePathIn(name, texts[n], voice);
      if (!fileExists(path) && missing++ == 0) firstMissing = path;
    }
    if (skipped > 0)
      logErrorLine("Voice " + std::to_string(voice) + ", code " + std::to_string(code) + ": " +
                   std::to_string(skipped) + " texts after the 12th skipped");
    stored[voice][code] = n;
    counts[voice][code] = isSoundCodeOff(code) ? 0 : n;
    lastPicks[voice][code] = 0;
  }
  if (missing > 0)
    logErrorLine("Voice " + std::to_string(voice) + ": " + std::to_string(missing) +
                 " samples missing, first " + firstMissing + "; their texts show without sound");
}

void TSCReader::create() {
  for (int32_t voice = 1; voice <= voiceCount; voice++) {
    const std::string path = toLocalPath(programPath("\\data\\sound\\" + std::to_string(voice) + "\\codes.txt"));
    std::ifstream in(path, std::ios::binary);
    if (!in) {
      logErrorLine("Voice " + std::to_string(voice) + ": no catalogue " + path + "; the voice says nothing");
      readCatalogue(voice, "");
      continue;
    }
    // Lines joined, each ending in CR LF whatever the file used.
    std::string text, line;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      text += line + "\r\n";
    }
    readCatalogue(voice, text);
  }
}

// [SECTION] picking

void TSCReader::pickSample(int32_t code, int32_t voice, std::string& text) {
  if (voice < 1 || voice > voiceCount || code < firstSoundCode || code > lastSoundCode) {
    logErrorLine("Error: Ungültiger Sound (" + std::to_string(voice) + "." + std::to_string(code) + ")");
    return;
  }
  const int32_t n = counts[voice][code];
  if (n < 1) {
    text = stored[voice][code] >= 1 ? sampleTexts[voice][code][1] : std::string();
    return;
  }
  int32_t i = soundRandomBelow(n) + 1;
  if (i == lastPicks[voice][code] && n >= 2) i = i % n + 1;
  text = sampleTexts[voice][code][i];
  lastPicks[voice][code] = int8_t(i);
}
