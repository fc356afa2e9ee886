// A test hook: when the environment variable SKAT_FRAME_DUMP names a file, the first frame
// the engine presents is written there as a binary PPM picture (rows from the top), so a
// test can check what the program showed first. After that first frame each SIGUSR1 writes
// the next frame presented to "<that file>.<n>" (n = 1, 2, ...), for tests that drive the
// window from outside.
#pragma once

#include <string>

// Called right before each buffer swap; writes the back buffer once per run, and again for a
// request.
void dumpFrameOnce();

// Asks for the next frame presented to be written to path as well (test programs that check a
// later frame); the request is served by dumpFrameOnce before the swap.
void requestFrameDump(const std::string& path);
// The request has been written (or none was made).
bool frameDumpDone();
