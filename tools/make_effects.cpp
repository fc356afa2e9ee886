// Synthesises the sound effects with sox into <folder>/ (the program's data/sound): mono
// 16-bit 22,050 Hz wave files, some with numbered variants the effects draw from.
// Usage: make_effects <folder>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

struct TEffectRecipe {
  const char* file;   // effect name, a digit for a variant
  const char* synth;  // sox's synth and effect chain
};

// Cards are short filtered noise, chips bright tones, the knock a low thud, applause noise
// chopped into claps.
constexpr TEffectRecipe kRecipes[] = {
    {"up", "synth 0.06 sine 600-950 fade 0 0.06 0.03 norm -8"},
    {"down", "synth 0.06 sine 950-600 fade 0 0.06 0.03 norm -8"},
    {"over", "synth 0.03 sine 1400 fade 0 0.03 0.02 norm -12"},
    {"_leg", "synth 0.05 pinknoise fade 0 0.05 0.045 lowpass 3000 norm -6"},
    {"_leg2", "synth 0.06 pinknoise fade 0 0.06 0.055 lowpass 2400 norm -6"},
    {"_leg3", "synth 0.045 brownnoise fade 0 0.045 0.04 lowpass 3600 norm -6"},
    {"_sel", "synth 0.04 pinknoise fade 0 0.04 0.035 highpass 900 norm -9"},
    {"_zieh", "synth 0.18 whitenoise fade q 0.05 0.18 0.1 bandpass 2500 1500h norm -10"},
    {"_zieh2", "synth 0.22 whitenoise fade q 0.06 0.22 0.12 bandpass 2100 1300h norm -10"},
    {"_x", "synth 0.08 pinknoise fade 0 0.08 0.07 bandpass 1200 600h norm -8"},
    {"applaus", "synth 2.5 pinknoise tremolo 11 85 fade q 0.3 2.5 0.9 highpass 400 norm -8"},
    {"applaus2", "synth 2.8 pinknoise tremolo 13 80 fade q 0.4 2.8 1.0 highpass 450 norm -8"},
    {"applaushigh", "synth 4.5 pinknoise tremolo 12 90 fade q 0.5 4.5 1.5 highpass 350 norm -5"},
    {"_cleg", "synth 0.09 sine 3100 fade 0 0.09 0.085 norm -10"},
    {"_cleg2", "synth 0.08 sine 3500 fade 0 0.08 0.075 norm -10"},
    {"_eleg", "synth 0.06 sine 5200 fade 0 0.06 0.055 norm -11"},
    {"poch", "synth 0.14 sine 110 fade 0 0.14 0.13 overdrive 8 gain -6 lowpass 700 norm -4"},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: make_effects <folder>\n");
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::filesystem::create_directories(folder);
  for (const TEffectRecipe& r : kRecipes) {
    const std::string out = (folder / (std::string(r.file) + ".wav")).string();
    const std::string command = "sox -q -n -r 22050 -c 1 -b 16 '" + out + "' " + r.synth;
    if (std::system(command.c_str()) != 0) {
      std::fprintf(stderr, "make_effects: sox failed for %s\n", r.file);
      return 1;
    }
  }
  return 0;
}
