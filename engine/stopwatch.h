// The engine's profiling stopwatch (TVTLTimer): up to 20 slots whose times add up between a
// mark and an elapsed call, and a report of each slot's share of the time since the start.
#pragma once

#include <cstdint>
#include <string>

#include "platform/records.h"

constexpr int kStopwatchSlots = 20;  // slots 1..20; slot 0's start is the stopwatch's start

struct TVTLTimer {
  LArray<uint32_t, 0, kStopwatchSlots> starts{};  // tick of each slot's last mark
  LArray<uint32_t, 0, kStopwatchSlots> totals{};  // ms added up per slot (slot 0 keeps none)
  int32_t count = 0;                              // slots in use, 0..20
  LArray<std::string, 0, kStopwatchSlots> names{};  // shown in the report; empty unless set
};

extern TVTLTimer stopwatch;

// Starts the stopwatch with `count` slots (0..20, else a range error) and clears their totals.
void startStopwatch(int32_t count);
// The slot's (0..20) measurement starts now.
void markStopwatch(int32_t slot);
// Adds the time since the slot's mark to its total (nothing for 0 ms).
void stopwatchElapsed(int32_t slot);
// The report text at `now`: the total since the start and each slot's share in percent
// (0 % when no time has passed).
std::string stopwatchReportText(uint32_t now);
// Shows the report in the message box.
void showStopwatchReport();
