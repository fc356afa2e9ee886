// Display-mode list and the full-screen switch.
#include "engine/display_modes.h"

#include "platform/errors.h"

tFullScreen fullscr;

namespace {
constexpr int32_t kMinModeWidth = 512, kMaxModeWidth = 4000;

bool sameMode(const TVTLDisplayMode& a, const TVTLDisplayMode& b) {
  return a.width == b.width && a.height == b.height && a.bits == b.bits;
}
}  // namespace

std::vector<TVTLDisplayMode> filterDisplayModes(const std::vector<DisplayMode>& listed) {
  std::vector<TVTLDisplayMode> kept;
  for (const DisplayMode& m : listed) {
    if (m.width < kMinModeWidth || m.width > kMaxModeWidth) continue;
    if (m.bits != 16 && m.bits != 32) continue;
    const TVTLDisplayMode mode{m.width, m.height, m.bits};
    if (!kept.empty() && sameMode(kept.back(), mode)) continue;
    kept.push_back(mode);
  }
  return kept;
}

void tFullScreen::create() {
  modes_ = filterDisplayModes(winDisplayModes());
  resolutionscount = int32_t(modes_.size());
  switched = false;
}

void tFullScreen::destroy() {
  if (switched) restore();
  modes_.clear();
  resolutionscount = 0;
}

int32_t tFullScreen::findMode(int32_t width, int32_t height, int32_t bits) const {
  const TVTLDisplayMode wanted{width, height, bits};
  for (size_t i = 0; i < modes_.size(); i++)
    if (sameMode(modes_[i], wanted)) return int32_t(i) + 1;
  return 0;
}

bool tFullScreen::hasMode(const TVTLDisplayMode& mode) const {
  return findMode(mode.width, mode.height, mode.bits) != 0;
}

TVTLDisplayMode tFullScreen::makeMode(int32_t width, int32_t height, int32_t bits) { return {width, height, bits}; }

const TVTLDisplayMode& tFullScreen::mode(int32_t n) const {
  if (n < 1 || n > resolutionscount) throw ERangeError("display mode " + std::to_string(n) + " is not listed");
  return modes_[size_t(n) - 1];
}

bool tFullScreen::setMode(const TVTLDisplayMode& mode, bool hideCursor) {
  if (!hasMode(mode)) {
    winBeep();
    return false;
  }
  if (!switched) savedWindowRect = winRect();
  switched = winSwitchDisplay({mode.width, mode.height, mode.bits});
  if (switched && hideCursor) winShowCursor(false);
  return switched;
}

void tFullScreen::restore() {
  if (!switched) return;
  winRestoreDisplay();
  winSetPosition(savedWindowRect.left, savedWindowRect.top);
  winSetSize(savedWindowRect.width, savedWindowRect.height);
  winShow();
  winRaise();
  winShowCursor(true);
  switched = false;
}
