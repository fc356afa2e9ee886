// The engine's profiling stopwatch and its report.
#include "engine/stopwatch.h"

#include <string>

#include "engine/message_box.h"
#include "engine/range_check.h"
#include "engine/texts.h"
#include "platform/errors.h"
#include "platform/tick.h"

TVTLTimer stopwatch;

namespace {

void checkSlot(int32_t slot, const char* where) {
  if (slot < 0 || slot > kStopwatchSlots)
    throw ERangeError(std::string(where) + ": slot " + std::to_string(slot) + " is not 0..20");
}

}  // namespace

void startStopwatch(int32_t count) {
  if (count < 0 || count > kStopwatchSlots)
    throw ERangeError("startStopwatch: slot count " + std::to_string(count) + " is not 0..20");
  stopwatch.starts[0] = getTickCount();
  stopwatch.count = count;
  for (int i = 1; i <= count; ++i) stopwatch.totals[i] = 0;
}

void markStopwatch(int32_t slot) {
  checkSlot(slot, "markStopwatch");
  stopwatch.starts[slot] = getTickCount();
}

void stopwatchElapsed(int32_t slot) {
  checkSlot(slot, "stopwatchElapsed");
  const uint32_t elapsed = tickDiff(getTickCount(), stopwatch.starts[slot]);
  if (elapsed == 0) return;
  const uint64_t sum = uint64_t(stopwatch.totals[slot]) + elapsed;
  if (sum > UINT32_MAX) throw ERangeError("stopwatchElapsed: the total of slot " + std::to_string(slot) + " overflows");
  stopwatch.totals[slot] = uint32_t(sum);
}

std::string stopwatchReportText(uint32_t now) {
  const uint32_t total = tickDiff(now, stopwatch.starts[0]);
  std::string text = "Zeit gesamt: " + std::to_string(total) + " ms";
  for (int i = 1; i <= stopwatch.count; ++i) {
    // No time since the start gives every slot 0 % rather than a division by zero.
    const int32_t share = total == 0 ? 0 : roundEven(double(stopwatch.totals[i]) / double(total) * 100.0);
    text += "\n\rNr. " + std::to_string(i) + " " + stopwatch.names[i] + ": " + std::to_string(share) + " %";
  }
  return text;
}

void showStopwatchReport() {
  showMessage(stopwatchReportText(getTickCount()), lookupText("f_dialog_spielergebnis"), kBoxOk,
              "!" + lookupText("f_dialog_weiter"), kBoxLayoutStandard);
}
