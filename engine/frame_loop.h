// The first paint and the frame loop: the loop runs inside the window's first paint until
// the close is granted; each pass is one frame step (frame rate, inactive throttle, render
// passes with the main window's frame event, buffer swap, window messages, the slow-hardware
// check, pointer poll). Waiting loops elsewhere run the same step nested.
#pragma once

#include <cstdint>

#include "platform/window.h"

// TVTLApplication.formPaint: works only while engineState is 0; later paints do nothing.
void formPaint();
// TVTLApplication.frameStep: one frame; nested steps send the frame event with 0.
void frameStep(bool nested);
// TVTLApplication.swapBuffers: presents the back buffer (in fastMode only every 200th count).
void swapBuffers();

// The platform's message processing: every pending window event goes to its hook, then the
// single-instance check's raise requests are taken.
void processMessages();
// One window event to its hook.
void dispatchWindowEvent(const WinEvent& event);

// The second character of command-line parameter n (1-based), 0 when there is none.
char paramChar(int32_t n, int32_t position);

// The text of the slow-hardware warning (each \r a carriage return).
inline constexpr const char* kSlowHardwareTitle = "Attention";
inline constexpr const char* kSlowHardwareText =
    "HARDWARE-GRAPHICS-ACCELERATION FOR OPENGL POSSIBLY \rNOT ENABLED OR NOT AVAILABLE. INSTALL THE LATEST "
    "GRAPHICS DRIVER.\r\rGame can only be executed with slow graphical performance.\rYou will find help to this "
    "problem in the start menu at \"Technical Problems\".";
inline constexpr const char* kDepthTooLowText = "Error: Please change the desktop color depth to 16 Bit or more.";
