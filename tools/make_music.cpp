// Writes the two music tracks "11.ogg" and "12.ogg" into <folder>/ (the program's data/music):
// each a tune written here as notes (a chord progression, a bass and a melody over it), set
// as plain wave samples, rendered by sox (reverb, loudness) and encoded by oggenc. Every note
// has died away at the end, so a track can start again from its beginning.
// Usage: make_music <folder>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;

struct TNote {
  double start, length;  // seconds
  int midi;              // MIDI note number
  double loudness;       // 0..1
};

struct TTune {
  const char* file;
  int tempo;                        // beats per minute
  int key;                          // MIDI note of the tonic
  std::vector<std::vector<int>> progression;  // chords as scale degrees' semitones from the key
  int rounds;                       // times the progression is played
  uint32_t seed;                    // the melody's choices
};

// Chords in semitones above the key: I, vi, IV, V, ii, iii.
const std::vector<int> I = {0, 4, 7}, vi = {9, 12, 16}, IV = {5, 9, 12}, V = {7, 11, 14}, ii = {2, 5, 9},
                       iii = {4, 7, 11};

const TTune kTunes[] = {
    {"11.wav", 92, 57, {I, vi, IV, V, I, iii, IV, V}, 5, 11},
    {"12.wav", 104, 55, {I, IV, ii, V, vi, IV, I, V}, 5, 12},
};

uint32_t nextRandom(uint32_t& s) {
  s = s * 1664525u + 1013904223u;
  return s >> 8;
}

std::vector<TNote> writeTune(const TTune& t) {
  std::vector<TNote> notes;
  const double beat = 60.0 / t.tempo;
  uint32_t seed = t.seed;
  double at = 0;
  for (int round = 0; round < t.rounds; round++) {
    for (const std::vector<int>& chord : t.progression) {
      // A bar of four beats: the bass on one and three, the chord held, a melody of eighths.
      notes.push_back({at, 2 * beat, t.key - 12 + chord[0], 0.55});
      notes.push_back({at + 2 * beat, 2 * beat, t.key - 12 + chord[0] + (round % 2 ? 7 : 0), 0.45});
      for (int c : chord) notes.push_back({at, 4 * beat, t.key + c, 0.16});
      const bool quiet = round == 0 || round == t.rounds - 1;  // the first and last rounds: chords only
      for (int eighth = 0; eighth < 8 && !quiet; eighth++) {
        if (nextRandom(seed) % 5 == 0) continue;  // a rest now and then
        const int tone = chord[nextRandom(seed) % chord.size()] + 12 * int(nextRandom(seed) % 2);
        notes.push_back({at + eighth * beat / 2, beat / 2, t.key + 12 + tone, 0.35});
      }
      at += 4 * beat;
    }
  }
  return notes;
}

// A soft plucked tone: a few harmonics under a falling envelope.
std::vector<float> render(const std::vector<TNote>& notes, double& seconds) {
  double end = 0;
  for (const TNote& n : notes) end = std::max(end, n.start + n.length);
  seconds = end;
  std::vector<float> pcm(size_t(end * kRate) + 1, 0.0f);
  for (const TNote& n : notes) {
    const double hz = 440.0 * std::pow(2.0, (n.midi - 69) / 12.0);
    const size_t from = size_t(n.start * kRate), count = size_t(n.length * kRate);
    for (size_t i = 0; i < count && from + i < pcm.size(); i++) {
      const double t = double(i) / kRate;
      const double attack = std::min(1.0, t / 0.01), release = std::min(1.0, (n.length - t) / 0.05);
      const double env = attack * release * std::exp(-2.5 * t);
      const double wave = std::sin(2 * M_PI * hz * t) + 0.3 * std::sin(4 * M_PI * hz * t) + 0.1 * std::sin(6 * M_PI * hz * t);
      pcm[from + i] += float(n.loudness * env * wave);
    }
  }
  return pcm;
}

void writeWave(const std::string& path, const std::vector<float>& pcm) {
  std::ofstream out(path, std::ios::binary);
  const auto u32 = [&](uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
  const auto u16 = [&](uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
  const uint32_t bytes = uint32_t(pcm.size() * 2);
  out.write("RIFF", 4);
  u32(36 + bytes);
  out.write("WAVEfmt ", 8);
  u32(16);
  u16(1);
  u16(1);
  u32(kRate);
  u32(kRate * 2);
  u16(2);
  u16(16);
  out.write("data", 4);
  u32(bytes);
  for (float s : pcm) u16(uint16_t(int16_t(std::lround(std::clamp(s * 0.4f, -1.0f, 1.0f) * 32000))));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: make_music <folder>\n");
    return 2;
  }
  if (std::system("oggenc --version >/dev/null 2>&1") != 0) {
    std::fprintf(stderr, "make_music: oggenc is not installed; no music\n");
    return 0;
  }
  const std::filesystem::path folder = argv[1];
  std::filesystem::create_directories(folder);
  for (const TTune& t : kTunes) {
    double seconds = 0;
    const std::string raw = (folder / (std::string("raw_") + t.file)).string();
    const std::string done = (folder / t.file).string();
    writeWave(raw, render(writeTune(t), seconds));
    const std::string ogg = done.substr(0, done.size() - 4) + ".ogg";
    // The reverb's tail is cut at the tune's end, where every note has died away.
    const std::string command = "sox -q '" + raw + "' -c 2 '" + done + "' reverb 40 50 70 trim 0 " +
                                std::to_string(seconds) + " norm -3 && oggenc -Q -q 3 -o '" + ogg + "' '" + done +
                                "' && rm -f '" + raw + "' '" + done + "'";
    if (std::system(command.c_str()) != 0) {
      std::fprintf(stderr, "make_music: %s failed\n", ogg.c_str());
      return 1;
    }
  }
  return 0;
}
