// Font slots and the width file: loading "f.cwi" (slot 2 sharing slot 1's table, the file
// missing or short), and text widths of control codes, escapes, marks and password mode
// against the listed widths times the slot's factors.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "engine/display_modes.h"
#include "engine/engine_events.h"
#include "engine/engine_lifecycle.h"
#include "engine/error_log.h"
#include "engine/fonts.h"
#include "engine/frame_rate.h"
#include "engine/loading_screen.h"
#include "engine/text_draw.h"
#include "engine/texts.h"
#include "engine/window_layout.h"
#include "platform/errors.h"
#include "platform/window.h"
#include "tests/engine/engine_fixture.h"

namespace {
// A width file whose entries tell slot and code apart: slot s, code c lists 20 + 9s + c % 41.
// Slot 2's table holds 999 everywhere: the engine never reads it.
std::vector<uint8_t> widthFile(size_t size = kFontWidthFileSize) {
  std::vector<uint8_t> bytes;
  for (int s = 0; s < 6; ++s)
    for (int c = 0; c < 256; ++c) {
      const int16_t w = s == 2 ? 999 : int16_t(20 + 9 * s + c % 41);
      bytes.push_back(uint8_t(w & 0xFF));
      bytes.push_back(uint8_t(uint16_t(w) >> 8));
    }
  bytes.resize(size);
  return bytes;
}

int16_t listed(int slot, int c) { return int16_t(20 + 9 * slot + c % 41); }

class FontWidthsTest : public EngineTest {
 protected:
  void writeWidthFile(const std::vector<uint8_t>& bytes) {
    std::filesystem::create_directories(folder_ / "data" / "vitrel");
    std::ofstream out(folder_ / "data" / "vitrel" / "f.cwi", std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  }
};

// The factor that turns width units into a text width in the slot.
float slotFactor(int slot) {
  const TVTLFontSlot& f = fontSlots[slot];
  return vtl.textFactor * 0.87f * 0.86f * f.sizeScale * (f.widthScale + f.letterSpacing) * 1.22f;
}
float charUnits(int slot, int c) { return float(fontSlots[slot].widths[c]) * 0.01f * 1.65f / 1.09f; }

std::string chr(int c) { return std::string(1, char(c)); }
}  // namespace

TEST_F(FontWidthsTest, LoadingReadsEachSlotsTableAndSlotTwoSharesSlotOnes) {
  writeWidthFile(widthFile());
  EXPECT_TRUE(loadFonts());
  for (int slot : {0, 1, 3})
    for (int c : {0, int('A'), 200, 255})
      EXPECT_EQ(fontSlots[slot].widths[c], listed(slot, c)) << "slot " << slot << " code " << c;
  for (int c = 0; c < 256; ++c) ASSERT_EQ(fontSlots[2].widths[c], fontSlots[1].widths[c]) << "code " << c;
  EXPECT_EQ(fontSlots[2].texture, fontSlots[1].texture);
  EXPECT_EQ(fontSlots[4].widths['A'], 0) << "slots 4 and 5 have no font";
  EXPECT_EQ(fontSlots[5].widths['A'], 0) << "slots 4 and 5 have no font";
}

// Without the file the widths would be undefined: the start must fail with the file's name.
TEST_F(FontWidthsTest, AMissingOrShortWidthFileFailsNamingTheFile) {
  struct Case {
    const char* what;
    bool present;
    size_t size;
  };
  const Case cases[] = {{"missing", false, 0}, {"one byte short", true, kFontWidthFileSize - 1}, {"empty", true, 0}};
  for (const Case& k : cases) {
    std::filesystem::remove(folder_ / "data" / "vitrel" / "f.cwi");
    if (k.present) writeWidthFile(widthFile(k.size));
    try {
      loadFonts();
      ADD_FAILURE() << k.what << ": expected EInOutError, got success";
    } catch (const EInOutError& e) {
      EXPECT_NE(std::string(e.what()).find("f.cwi"), std::string::npos) << k.what << ": got " << e.what();
    }
  }
}

// The first paint loads the fonts: without the width file the start ends through the fatal
// path, with the file named, before the main window builds anything.
TEST_F(FontWidthsTest, AMissingWidthFileEndsTheStartThroughTheFatalPath) {
  resetFormState();
  std::filesystem::remove(folder_ / "data" / "vitrel" / "f.cwi");
  bool startupSent = false;
  setEngineEventHandler([&](uint8_t, int32_t x, int32_t) { startupSent = startupSent || x == evStartup; });
  engineCreate();
  vtl.onCloseQuery = [] {
    vtl.exitGranted = true;
    return true;
  };
  runApplication();
  engineDestroy();
  EXPECT_FALSE(startupSent) << "the main window must not build on undefined widths";
  ASSERT_EQ(winNullMessageBoxes().size(), 1u);
  EXPECT_NE(winNullMessageBoxes()[0].find("f.cwi"), std::string::npos) << winNullMessageBoxes()[0];
  setEngineEventHandler(nullptr);
  winClose();
  fullscr.destroy();
  resetErrorLog();
}

TEST_F(FontWidthsTest, TextWidthsAreTheListedWidthsTimesTheSlotsFactors) {
  writeWidthFile(widthFile());
  loadFonts();
  struct Case {
    int slot;
    std::string text;
    bool password;
    float units;  // expected width units before the slot's factors
  };
  const Case cases[] = {
      {2, "AB", false, charUnits(2, 'A') + charUnits(2, 'B')},
      {2, chr(20) + chr(21) + chr(22) + chr(23), false, 4 * 1.95f},  // suits
      {2, chr(25) + "3A", false, charUnits(2, 'A')},                 // escape and its digit count 0
      {2, chr(24) + chr(150) + "A", false, charUnits(2, 'A')},        // mark and marked count 0
      {2, "A" + chr(2) + chr(3), false, charUnits(2, 'A') + 2.3f * (fontSlots[2].widths[2] + fontSlots[2].widths[3])},
      {2, chr(26) + chr(30) + chr(1) + chr(13) + chr(10) + chr(5) + chr(8), false, 0.25f + 1.9f + 1.9f},
      {0, "ab", false, charUnits(0, 'a') + charUnits(0, 'b')},  // small capitals measure their own code
      {2, "A" + chr(25) + "3" + chr(20), true, 4 * charUnits(2, '*')},  // password: every character a "*"
      {4, "ABC", false, 0},  // a slot without a font
  };
  for (const Case& k : cases) {
    currentFont = k.slot;
    const float expected = k.units * slotFactor(k.slot);
    const float got = stringWidth(k.text, k.password);
    EXPECT_NEAR(got, expected, 1e-4f) << "slot " << k.slot << " text of " << k.text.size() << " characters"
                                      << (k.password ? " (password)" : "") << ": expected " << expected << ", got " << got;
  }
}
