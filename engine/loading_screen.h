// The loading screen: background, progress bar and title picture drawn at once and
// presented, while the engine and the main window load their data.
#pragma once

#include <cstdint>
#include <string_view>

// Texture numbers of the loading screen's pictures; 0 while a picture is not loaded. The
// engine's texture loading fills them (cached, 16-bit numbers).
struct TVTLLoadingPictures {
  int16_t loadBack = 0;   // "loadback.bmp", background in mode 1
  int16_t back = 0;       // "back.bmp", background in mode 0
  int16_t barFrame = 0;   // "load0.jpg"
  int16_t bar = 0;        // "load1.jpg"
  int16_t title = 0;      // "titel.bmp", mode 1 only
  int16_t titleCopy = 0;  // the same number as title
  bool loaded = false;    // loadEngineTextures has tried them; before that plain is no fault
};
extern TVTLLoadingPictures loadingPictures;

// TVTLApplication.setLoadingText: only stored.
void setLoadingText(std::string_view text);

// TVTLApplication.showLoadingProgress: stores the percent (at most 100) and draws the
// screen: mode 1 clears first and shows background, bar and title; mode 0 draws the plain
// background over what is there and, in a window, the screen's glow frame. A picture that is
// not loaded is drawn as a plain colour, and the first time in a run that happens a line goes
// to the error log.
void showLoadingProgress(int32_t percent, int32_t mode);

// The bar's width in layout pixels (0..400) for a stored percent.
int32_t loadingBarWidth(int32_t percent);

// The plain colours that stand for missing pictures, 0..255 per channel (tests read them).
struct TVTLPlainColour {
  uint8_t r, g, b;
};
inline constexpr TVTLPlainColour kLoadingBackColour{16, 72, 44};   // both backgrounds
inline constexpr TVTLPlainColour kLoadingFrameColour{70, 70, 70};  // the bar's frame
inline constexpr TVTLPlainColour kLoadingBarColour{210, 170, 40};  // the bar
inline constexpr TVTLPlainColour kLoadingTitleColour{24, 96, 60};  // the title picture

// Forgets which missing pictures were logged (tests).
void resetLoadingScreen();
