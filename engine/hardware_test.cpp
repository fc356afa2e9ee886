// Memory classes, frame-count fix-ups, tier table and mode fallback of the hardware test.
//
// [SECTION] video memory
// [SECTION] frame counts
// [SECTION] tier choice
#include "engine/hardware_test.h"

#include <algorithm>

#include "platform/tick.h"
#include "platform/window.h"

namespace {
// [SECTION] video memory

struct Band {
  int32_t low, high;  // millions of bytes, inclusive
};
// Class 64 has all bands, 128 all from the second, 256 all from the third.
constexpr Band kMemoryBands[] = {{62, 68},     {126, 134},   {253, 268},   {508, 528},
                                 {1016, 1056}, {1524, 1584}, {2032, 2112}};

bool inBandsFrom(int32_t mb, size_t first) {
  for (size_t i = first; i < std::size(kMemoryBands); i++)
    if (mb >= kMemoryBands[i].low && mb <= kMemoryBands[i].high) return true;
  return false;
}

// The modes tried per memory class, first found wins, and the S figure the class stands for.
struct ShortcutMode {
  int32_t width, height, bits;
};
constexpr ShortcutMode kModes256[] = {{1280, 1024, 32}, {1024, 768, 32}, {800, 600, 32}, {800, 600, 16}, {640, 480, 16}};
constexpr ShortcutMode kModes128[] = {{1024, 768, 32}, {800, 600, 32}, {800, 600, 16}, {640, 480, 16}};
constexpr ShortcutMode kModes64[] = {{800, 600, 32}, {800, 600, 16}, {640, 480, 16}};

template <size_t N>
int32_t firstListed(const ShortcutMode (&list)[N], const tFullScreen& modes) {
  for (const ShortcutMode& m : list) {
    const int32_t n = modes.findMode(m.width, m.height, m.bits);
    if (n != 0) return n;
  }
  return 0;
}
}  // namespace

int32_t videoMemoryMB() { return int32_t(winVideoMemoryBytes() / 1000000); }

bool isVideoMemory64(int32_t mb) { return inBandsFrom(mb, 0); }
bool isVideoMemory128(int32_t mb) { return inBandsFrom(mb, 1); }
bool isVideoMemory256(int32_t mb) { return inBandsFrom(mb, 2); }

// [SECTION] frame counts

int32_t hwMemoryShortcut(int32_t memoryMB, const tFullScreen& modes, TVTLBenchCounts& counts) {
  if (isVideoMemory256(memoryMB)) {
    counts.S = std::max(counts.S, 200);
    return firstListed(kModes256, modes);
  }
  if (isVideoMemory128(memoryMB)) {
    counts.S = std::max(counts.S, 120);
    return firstListed(kModes128, modes);
  }
  if (isVideoMemory64(memoryMB)) {
    counts.S = std::max(counts.S, 60);
    return firstListed(kModes64, modes);
  }
  return 0;
}

int32_t hwCountFrames(uint32_t spanMs, const std::function<void()>& draw) {
  const uint32_t start = getTickCount();
  int32_t frames = 0;
  do {
    draw();
    frames++;
  } while (tickDiff(getTickCount(), start) <= spanMs);
  return frames;
}

void hwAfterBenchmark(TVTLBenchCounts& counts) {
  if (counts.H >= 40) counts.S = 200;
}

void hwFillMissingA(TVTLBenchCounts& counts) {
  if (counts.A <= 1 && counts.S > 1 && counts.P > 1) counts.A = counts.S + counts.P + counts.H;
}

// [SECTION] tier choice

namespace {
// One row of the tier table; the 3D and effects detail of tiers 1 and 2 depend on S too.
struct TierRow {
  int32_t depth;
  bool effects, softShadows;
  int32_t width, height;  // 0: the screen's own size
  int32_t detail3D, effectsDetail;
};
constexpr TierRow kTiers[8] = {
    {32, true, true, 0, 0, 4, 2},        // 1: S >= 150 (3D detail 5 when S >= 180)
    {32, true, true, 1024, 768, 3, 1},   // 2: S >= 100 (4 and 2 when S >= 130)
    {32, true, false, 800, 600, 2, 1},   // 3: S >= 50
    {32, false, false, 1024, 768, 4, 1}, // 4: P >= 160
    {32, false, false, 800, 600, 3, 1},  // 5: P >= 80
    {16, false, false, 800, 600, 4, 1},  // 6: A >= 90
    {16, false, false, 640, 480, 2, 1},  // 7: A >= 30
    {16, false, false, 640, 480, 1, 1},  // 8: otherwise
};

int32_t tierOf(const TVTLBenchCounts& c) {
  if (c.S >= 150) return 1;
  if (c.S >= 100) return 2;
  if (c.S >= 50) return 3;
  if (c.P >= 160) return 4;
  if (c.P >= 80) return 5;
  if (c.A >= 90) return 6;
  if (c.A >= 30) return 7;
  return 8;
}
}  // namespace

TVTLGraphicsChoice hwChooseTier(const TVTLBenchCounts& counts, bool noAuxBuffers, int32_t screenWidth,
                                int32_t screenHeight) {
  const int32_t tier = tierOf(counts);
  const TierRow& row = kTiers[tier - 1];
  TVTLGraphicsChoice c{tier, row.depth, row.effects, row.softShadows, row.softShadows && !noAuxBuffers,
                       row.width, row.height, row.detail3D, row.effectsDetail};
  if (tier == 1) {
    c.width = screenWidth;
    c.height = screenHeight;
    if (counts.S >= 180) c.detail3D = 5;
  }
  if (tier == 2 && counts.S >= 130) {
    c.detail3D = 4;
    c.effectsDetail = 2;
  }
  return c;
}

int32_t hwFindChoiceMode(const TVTLGraphicsChoice& choice, const tFullScreen& modes) {
  int32_t w = choice.width, h = choice.height;
  int32_t n = modes.findMode(w, h, choice.colourDepth);
  if (n == 0 && choice.width > 1024) {
    w = 1024;
    h = 768;
    n = modes.findMode(w, h, choice.colourDepth);
  }
  if (n == 0 && choice.width > 800) {
    w = 800;
    h = 600;
    n = modes.findMode(w, h, choice.colourDepth);
  }
  if (n == 0 && choice.colourDepth == 32) n = modes.findMode(w, h, 16);
  if (n == 0) n = modes.findMode(640, 480, 16);
  return n;
}
