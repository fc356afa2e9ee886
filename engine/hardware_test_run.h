// The first-start hardware test as the first paint runs it: the memory shortcut or the
// timed benchmark scenes the main window draws (-17, -15, -18), the tier choice and the
// graphics presets written into the graphics/sound dialog.
#pragma once

#include <cstdint>
#include <string>

#include "engine/hardware_test.h"

// Runs the test; sets firstRunCheck to 1 (the slow-hardware check) and returns the counts.
TVTLBenchCounts runHardwareTest();

// The result box of "/9": the four counts and the memory, lines separated by LF CR.
std::string hardwareTestReport(const TVTLBenchCounts& counts, int32_t memoryMB);
