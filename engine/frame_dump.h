// A test hook: when the environment variable SKAT_FRAME_DUMP names a file, the first frame
// the engine presents is written there as a binary PPM picture (rows from the top), so a
// test can check what the program showed first.
#pragma once

// Called right before each buffer swap; writes the back buffer once per run.
void dumpFrameOnce();

// Writes the frame last presented (the front buffer) to path as a binary PPM; false without a
// GL context or when the file cannot be written. For test programs that check a later frame.
bool dumpPresentedFrame(const char* path);
