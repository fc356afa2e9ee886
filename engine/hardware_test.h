// The first-start hardware test's arithmetic: video-memory classes, the memory shortcut,
// the benchmark's frame counts, the choice of one of eight graphics tiers, and the display
// mode for the chosen tier. The timed scenes themselves are drawn by the main window.
#pragma once

#include <cstdint>
#include <functional>

#include "engine/display_modes.h"

// [SECTION] video memory

// The graphics memory in millions of bytes (integer division), from the platform's query.
int32_t videoMemoryMB();

// Whether a memory size (millions of bytes) lies in a band of the class. Every band of
// class 256 is one of 128 and 64, every band of 128 one of 64.
bool isVideoMemory64(int32_t mb);
bool isVideoMemory128(int32_t mb);
bool isVideoMemory256(int32_t mb);

// [SECTION] frame counts

// The four counts, named by the labels of the result box.
struct TVTLBenchCounts {
  int32_t A = 0;  // "640x480x16:"             scene 1 at 640x480, 16 bits
  int32_t S = 0;  // "800x600x32(shadow):"     scene 2 at 800x600, 32 bits
  int32_t P = 0;  // "800x600x32:"             scene 1 at 800x600, 32 bits
  int32_t H = 0;  // "800x600x32(shadowHIGH):" scene 3 at 800x600, 32 bits
};

// The memory shortcut: the number of the first listed mode of the memory class's list
// (0 when the memory is in no class or none is listed), raising S to the class's figure.
// A found mode means the benchmark is skipped.
int32_t hwMemoryShortcut(int32_t memoryMB, const tFullScreen& modes, TVTLBenchCounts& counts);

// Frames drawn in one timed span: draw() runs until more than spanMs have passed on the
// tick (checked after each frame).
int32_t hwCountFrames(uint32_t spanMs, const std::function<void()>& draw);

// After the benchmark: a high count of scene 3 (40 or more) makes S 200.
void hwAfterBenchmark(TVTLBenchCounts& counts);
// Without the 16-bit mode (A at most 1 while S and P ran) A stands for S + P + H.
void hwFillMissingA(TVTLBenchCounts& counts);

// [SECTION] tier choice

struct TVTLGraphicsChoice {
  int32_t tier;               // 1 (fastest) .. 8
  int32_t colourDepth;        // 16 or 32
  bool effects;               // shadow and reflection
  bool softShadowsChosen;     // the tier asks for soft shadows
  bool softShadows;           // chosen and the frame buffer has auxiliary buffers
  int32_t width, height;      // screen size of the tier, pixels
  int32_t detail3D;           // 3D detail selector 1..5
  int32_t effectsDetail;      // effects detail selector 1..3
};

// The first tier whose condition the counts meet. screenWidth x screenHeight is the
// screen's own size, which tier 1 takes.
TVTLGraphicsChoice hwChooseTier(const TVTLBenchCounts& counts, bool noAuxBuffers, int32_t screenWidth,
                                int32_t screenHeight);

// The listed mode for a choice: the tier's size and depth, else 1024x768, else 800x600 (each
// only when the size was wider), else 16 bits at the last size tried for a 32-bit choice, else
// 640x480x16. 0 when none of these is listed.
int32_t hwFindChoiceMode(const TVTLGraphicsChoice& choice, const tFullScreen& modes);
