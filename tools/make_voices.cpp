// Speaks the voices' samples with espeak-ng into <app>/data/sound/<voice>/: every text of the
// six catalogues and every text of a list the games speak by their own sample, each under the
// file name the program itself looks for. Mono 16-bit 22,050 Hz wave files; voices 1..3 are
// female, 4..6 male, each with its own pitch and speed. Files already there are kept.
// Usage: make_voices <app folder> <catalogue folder> <text list>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/codepage.h"
#include "platform/paths.h"
#include "sound/voice_catalogue.h"

namespace {

struct TVoiceStyle {
  const char* variant;  // espeak-ng's German voice with this variant
  int pitch;            // 0..99
  int speed;            // words per minute
};
constexpr TVoiceStyle kVoices[voiceCount] = {
    {"de+f2", 62, 160}, {"de+f3", 48, 145}, {"de+f4", 70, 172},
    {"de+m1", 42, 150}, {"de+m3", 30, 138}, {"de+m7", 52, 165},
};

std::string readText(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::string text, line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    text += line + "\r\n";
  }
  return text;
}

// What the voice says for a text (code page bytes): the caller's part "%" left out.
std::string spokenText(const std::string& text) {
  std::string out;
  for (char c : text)
    if (c != '%') out += c;
  while (!out.empty() && (out.front() == ' ' || out.front() == ',')) out.erase(0, 1);
  return cp1252ToUtf8(out);
}

std::string quoted(const std::string& s) {
  std::string out = "'";
  for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

// Speaks the text into the file unless it is there; false when espeak-ng failed.
bool speak(int32_t voice, const std::string& words, const std::string& file) {
  if (std::filesystem::exists(file) || words.empty()) return true;
  const TVoiceStyle& v = kVoices[voice - 1];
  // espeak-ng writes mono 16-bit 22,050 Hz itself.
  const std::string command = "espeak-ng -v " + std::string(v.variant) + " -p " + std::to_string(v.pitch) + " -s " +
                              std::to_string(v.speed) + " -w " + quoted(file) + " " + quoted(words);
  return std::system(command.c_str()) == 0;
}

bool speakText(int32_t voice, const std::string& text, bool asQuestion) {
  if (text.size() <= 1 || text == "%?" || text[0] == 'X') return true;
  const std::string name = soundFileName(text, false, false);
  bool ok = speak(voice, spokenText(text), voiceFilePath(name, voice));
  if (asQuestion) ok = speak(voice, spokenText(text) + "?", voiceFilePath(name + "_", voice)) && ok;
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: make_voices <app folder> <catalogue folder> <text list>\n");
    return 2;
  }
  if (std::system("espeak-ng --version >/dev/null 2>&1") != 0) {
    std::fprintf(stderr, "make_voices: espeak-ng is not installed; the voices stay silent\n");
    return 0;
  }
  setProgramFolder(argv[1]);
  std::vector<std::pair<std::string, bool>> ownTexts;  // text, asked as well
  std::ifstream list(argv[3], std::ios::binary);
  for (std::string line; std::getline(list, line);) {
    if (line.empty() || line[0] == '#') continue;
    const bool asked = line[0] == '?';
    ownTexts.emplace_back(utf8ToCp1252(asked ? line.substr(1) : line), asked);
  }
  int failures = 0;
  for (int32_t voice = 1; voice <= voiceCount; voice++) {
    std::filesystem::create_directories(std::filesystem::path(voiceFilePath("x", voice)).parent_path());
    TSCReader reader;
    reader.readCatalogue(voice, readText(std::filesystem::path(argv[2]) / std::to_string(voice) / "codes.txt"));
    for (int32_t code = firstSoundCode; code <= lastSoundCode; code++)
      for (int32_t i = 1; i <= reader.stored[voice][code]; i++)
        if (!speakText(voice, reader.sampleTexts[voice][code][i], false)) failures++;
    for (const auto& [text, asked] : ownTexts)
      if (!speakText(voice, text, asked)) failures++;
  }
  if (failures > 0) std::fprintf(stderr, "make_voices: %d samples could not be spoken\n", failures);
  return failures > 0 ? 1 : 0;
}
