// The turn clock of a network table: started for the seat to act, its warnings counted down
// in stages, its overrun reported with the synchronisation state. Every elapsed time is a
// wrap-safe tick difference, so a machine up longer than 24.8 days keeps its clocks.
#include "net/net_transport.h"

#include <cmath>

#include "platform/tick.h"

namespace {

// The turn-clock setting: 2..7 give these lengths; 1 or less, no clock.
int32_t clockLengthMs(int32_t setting) {
  static const int32_t kLengths[] = {5000, 10000, 15000, 20000, 30000, 60000};
  return setting >= 2 && setting <= 7 ? kLengths[setting - 2] : 0;
}

// Warning stages: the first row of the stage whose remaining time is reached answers.
struct WarningRow {
  int32_t stage;
  int64_t remainingAtMost;
  int32_t answer;
  int32_t nextStage;
};
constexpr WarningRow kWarnings[] = {
    {0, 20000, 20, 1}, {1, 10000, 10, 2}, {1, 17000, 17, 1}, {-1, 57000, 57, 0}, {-1, 60000, 60, -1},
    {2, 5000, 5, 3},   {3, 3000, 3, 4},   {4, 2000, 2, 5},   {5, 1000, 1, 6},    {6, 100, 0, 7},
    {7, -100, 100, 8},
};

}  // namespace

int64_t TNetz::clockRemainingMs() const {
  return int64_t(clockDuration) - int64_t(tickDiff(getTickCount(), clockStart));
}

void TNetz::startTurnClock(int32_t duration) {
  if (duration == -1) duration = 0;
  if (resultShown && hooks.seatToActLocal() == 1) return;
  const int32_t setting = hooks.turnClockSetting();
  if (setting <= 1 || clockRunning) return;
  clockRunning = true;
  clockStart = getTickCount();
  clockAuto = duration == 0;
  clockDuration = clockAuto ? clockLengthMs(setting) : duration;
  clockStage = setting == 2 ? 1 : setting >= 6 ? -1 : 0;
  // The others start the same clock when that seat is to act.
  if (clockAuto && hooks.gamePhase() != 5) sendTimeLeft(localSeatToNet(hooks.seatToActLocal()), clockDuration / 100);
}

int32_t TNetz::nextTurnClockWarning(bool advance) {
  if (!clockRunning || resultShown) return -1;
  if (clockStage == 8) return 100;
  const int64_t remaining = clockRemainingMs();
  if (advance)
    for (const WarningRow& w : kWarnings)
      if (w.stage == clockStage && remaining <= w.remainingAtMost) {
        clockStage = w.nextStage;
        return w.answer;
      }
  if (clockStage > 0) {
    const int64_t seconds = remaining / 1000;  // truncated towards zero
    return seconds <= 10 ? static_cast<int32_t>(seconds) : -1;
  }
  return -1;
}

int32_t TNetz::clockOverrunSeconds() const {
  if (!clockRunning || resultShown) return 0;
  const double seconds = std::nearbyint(double(clockRemainingMs()) / 1000.0);  // halves to even
  return seconds < 0 ? static_cast<int32_t>(seconds) : 0;
}
