// The engine's option values and the colour-text parser.
#include "engine/engine_options.h"

#include <string>

#include "engine/number_text.h"

TVTLOptions appopt;

namespace {
// Defaults of the engine constructor.
constexpr const char* kDefaultTextColour = "99999999";
constexpr const char* kDefaultFrameColour1 = "00354570";
constexpr const char* kDefaultFrameColour2 = "00003380";
}  // namespace

void resetEngineOptions() {
  appopt = TVTLOptions{};
  appopt.fontName = "Arial";
  appopt.textColour = parseColour(kDefaultTextColour);
  appopt.focusColour = parseColour(kDefaultTextColour);
  appopt.disabledColour = parseColour(kDefaultTextColour);
  appopt.frameColours[1] = parseColour(kDefaultFrameColour1);
  appopt.frameColours[2] = parseColour(kDefaultFrameColour2);
}

TVTLColour parseColour(std::string_view text) {
  std::string t(text);
  while (t.size() < 8) t += '0';
  float c[4];
  for (int i = 0; i < 4; ++i) c[i] = float(strToInt(std::string_view(t).substr(size_t(2 * i), 2))) / 99.0f;
  return TVTLColour{c[0], c[1], c[2], c[3]};
}

namespace {
// The options exist with their defaults before anything reads them.
struct OptionDefaults {
  OptionDefaults() { resetEngineOptions(); }
} optionDefaults;
}  // namespace
