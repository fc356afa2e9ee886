// Font slots, character widths and text measuring.
#include "engine/fonts.h"

#include <fstream>

#include "engine/engine_form.h"
#include "platform/byte_io.h"
#include "platform/errors.h"
#include "platform/paths.h"

LArray<TVTLFontSlot, 0, 5> fontSlots;
int32_t currentFont = 0;

namespace {
struct FontSetting {
  const char* textureFile;
  bool smallCaps;
  float widthScale, sizeScale, letterSpacing;
  float r, g, b;
  float baselineShift;
};

constexpr FontSetting kFontSettings[6] = {
    {"font1", true, 0.96f, 1.15f, 0.15f, 1, 1, 1, -1.0f},
    {"font2", false, 1.0f, 1.0f, 0.03f, 0.85f, 0.17f, 0.12f, 0},
    {"font2", false, 1.0f, 1.0f, 0.03f, 1, 1, 1, 0},
    {"font3", true, 0.89f, 1.1f, 0.06f, 1, 1, 1, 0},
    {"", false, 0, 0, 0, 1, 1, 1, 0},
    {"", false, 0, 0, 0, 1, 1, 1, 0},
};

// Width units of one character code (before the slot's factors).
float charUnits(const TVTLFontSlot& slot, uint8_t c) {
  switch (c) {
    case 0: case 5: case 8: case 10: case 13: case 24: case 25:
      return 0.0f;
    case 2: case 3:
      return 2.3f * slot.widths[c];
    case 20: case 21: case 22: case 23:
      return 1.95f;
    case 26:
      return 0.25f;
    default:
      if (c <= 30) return 1.9f;
      return slot.widths[c] * 0.01f * 1.65f / 1.09f;
  }
}

struct FontInit {
  FontInit() { initFontTables(); }
} fontInit;
}  // namespace

void initFontTables() {
  for (int i = 0; i <= 5; ++i) {
    const FontSetting& s = kFontSettings[i];
    TVTLFontSlot& f = fontSlots[i];
    f = TVTLFontSlot{};
    f.textureFile = s.textureFile;
    f.smallCaps = s.smallCaps;
    f.widthScale = s.widthScale;
    f.sizeScale = s.sizeScale;
    f.letterSpacing = s.letterSpacing;
    f.glyphColour[0] = s.r;
    f.glyphColour[1] = s.g;
    f.glyphColour[2] = s.b;
    f.baselineShift = s.baselineShift;
    f.texture = -1;
  }
}

bool loadFontWidths(int slot) {
  if (!LArray<TVTLFontSlot, 0, 5>::inRange(slot)) throw ERangeError("loadFontWidths: font slot out of range");
  std::ifstream in(programPath("\\data\\vitrel\\f.cwi"), std::ios::binary);
  if (!in) return false;
  std::vector<uint8_t> data(kFontWidthFileSize);
  in.read(reinterpret_cast<char*>(data.data()), kFontWidthFileSize);
  if (in.gcount() != kFontWidthFileSize) throw EInOutError("f.cwi: read beyond end of file");
  ByteReader r(data);
  r.skip(size_t(slot) * 512);
  for (int c = 0; c <= 255; ++c) fontSlots[slot].widths[c] = r.i16();
  return true;
}

float stringWidth(std::string_view text, bool password) {
  int slotNo = LArray<TVTLFontSlot, 0, 5>::inRange(currentFont) ? currentFont : 0;
  const TVTLFontSlot& slot = fontSlots[slotNo];
  float w = 0.0f;
  bool skipNext = false;
  for (char ch : text) {
    uint8_t c = password ? uint8_t('*') : uint8_t(ch);
    if (skipNext) c = 0;
    skipNext = !password && (c == 24 || c == 25);
    w += charUnits(slot, c);
  }
  return w * vtl.textFactor * 0.87f * 0.86f * slot.sizeScale * (slot.widthScale + slot.letterSpacing) * 1.22f;
}

std::string fontEscape(int n) { return std::string(1, char(25)) + char('0' + n); }
