// The engine's developer switches and pause state as the core reads them (the developer
// keys of the engine's keyboard input toggle them).
#pragma once

// fastMode: the simulation runs a hundred ticks per frame and skips the dialogs' contents.
bool engineFastMode();
// autoPlay: the computer plays seat 1 as well.
bool engineAutoPlay();
// noThrottle: the end of a game never runs its end step.
bool engineNoThrottle();
// The engine pauses the game (inactive window, developer toggle).
bool enginePaused();
// The next frame step neither draws the overlay nor swaps the buffers.
void engineSkipPresentOnce();
