// The report hook of the window tests: with SKAT_TEST_REPORT=<file> set, each frame appends
// to that file what changed of the things a test drives from outside (the screen, the top
// dialog, the decision panel's options, the user's hand, the bubbles and game marks, the game
// list), with window centres to click at. Without the variable it does nothing.
#pragma once

// Called once per frame by the frame handler. Reads only; never changes the game.
void testReportFrame();
