// The effects the build synthesises: every effect of the event table is there, in a layout
// our reader takes, and numbered variants follow one another without a gap.
#include <gtest/gtest.h>

#include <filesystem>

#include "sound/sound_events.h"
#include "sound/wave.h"

namespace {

#ifdef SKAT_APP_DIR
TEST(ShippedEffects, EveryEventHasAReadableEffect) {
  const std::string folder = std::string(SKAT_APP_DIR) + "/data/sound/";
  for (int32_t code = 1; code <= 40; code++) {
    const std::string name = effectName(code);
    if (name.empty()) continue;
    for (int variant = 1; variant == 1 || std::filesystem::exists(folder + name + std::to_string(variant) + ".wav");
         variant++) {
      const std::string file = folder + name + (variant == 1 ? "" : std::to_string(variant)) + ".wav";
      TWaveFile r;
      ASSERT_TRUE(openWaveFile(file, r)) << file << " code " << int(r.errorCode);
      EXPECT_EQ(r.format.samplesPerSec, 22050u) << file;
      EXPECT_EQ(r.format.channels, 1) << file;
      EXPECT_EQ(r.format.bitsPerSample, 16) << file;
      EXPECT_GT(r.dataSize, 1000) << file;
      closeWaveFile(r);
    }
  }
}
#endif

}  // namespace
