// The program's one top-level window: its OpenGL context, display modes and full screen,
// the cursor, the window's events and message boxes. Backed by SDL2 with Mesa's GL, or by a
// null backend without any window (the default, for tests and benchmarks).
//
// [SECTION] backend
// [SECTION] window
// [SECTION] GL context
// [SECTION] display modes
// [SECTION] cursor and activity
// [SECTION] events
// [SECTION] message boxes and video memory
// [SECTION] null backend controls
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// [SECTION] backend
enum class WindowBackend : uint8_t { null, sdl };

// Chooses the backend; takes effect at the next winOpen (an open window is closed first).
void winSetBackend(WindowBackend backend);
WindowBackend winBackend();

// Text of the last failure of winOpen, winCreateContext or winSwitchDisplay.
const std::string& winLastError();

// [SECTION] window
struct WindowRect {
  int32_t left, top;      // outer top-left corner, screen pixels
  int32_t width, height;  // outer size, pixels (equal to the client size without a border)
};

// Opens the window (title in Windows-1252), shown, without a border, at the given client
// size, centred on the screen. It carries no GL context until winCreateContext.
// False with winLastError when the window system refuses.
bool winOpen(const std::string& title, int32_t width, int32_t height);
// Closes the window; the context and a switched display go with it.
void winClose();
bool winIsOpen();

void winSetTitle(const std::string& title);
WindowRect winRect();
void winClientSize(int32_t& width, int32_t& height);
void winSetPosition(int32_t left, int32_t top);
// Sets the client size; a resize event follows when it changed.
void winSetSize(int32_t width, int32_t height);
void winSetBordered(bool bordered);
void winShow();
void winHide();
void winMaximize();
bool winIsMaximized();
// Minimises the window to the task bar (the engine's minimise button).
void winMinimize();
// Brings the window to the front and gives it the input focus (the single-instance check
// calls it when a second copy starts). Restores a minimised window first.
void winRaise();

// [SECTION] GL context
// What the context turned out to be; filled by winCreateContext.
struct GLContextInfo {
  int32_t major, minor;    // GL version
  int32_t stencilBits;     // 8 requested
  int32_t depthBits;       // 24 requested
  int32_t colourBits;      // red + green + blue + alpha
  bool doubleBuffer;       // requested
};

// Creates the window's OpenGL compatibility context (double buffer, depth buffer, 8-bit
// stencil, no accumulation or auxiliary buffers) and makes it current. A context that
// already exists is deleted first. The null backend makes a pretend context.
bool winCreateContext();
// Makes no context current and deletes it; harmless without one.
void winDestroyContext();
bool winHasContext();
const GLContextInfo& winContextInfo();
// Presents the back buffer.
void winSwapBuffers();

// [SECTION] display modes
struct DisplayMode {
  int32_t width, height;  // pixels
  int32_t bits;           // bits per pixel as Windows counts them: 16 or 32 on usual screens
};

// The display's modes in the order the system lists them, one entry per refresh rate (so
// equal entries can follow each other); the caller filters.
std::vector<DisplayMode> winDisplayModes();
// The display's current mode (size and colour depth): the desktop's own, or the switched
// mode while full screen. A 24-bit X screen counts as 32 bits.
DisplayMode winDesktopMode();
// Shows the window full screen in the given mode. The change lasts only while the window
// is full screen: the desktop's settings are never stored, and winRestoreDisplay, winClose
// and the end of the program bring the desktop mode back. False when the mode is not one
// of the display's or the switch failed.
bool winSwitchDisplay(const DisplayMode& mode);
// Leaves full screen and puts the desktop mode back; nothing when not switched.
void winRestoreDisplay();
bool winDisplaySwitched();

// [SECTION] cursor and activity
// The cursor position in screen pixels.
void winCursorPos(int32_t& x, int32_t& y);
void winShowCursor(bool show);
// True while the window has the input focus (the application is the active one).
bool winIsActive();
// The warning sound of a refused request.
void winBeep();

// [SECTION] events
enum class WinEventKind : uint8_t {
  none,
  paint,       // the window must be drawn again
  resize,      // x, y: the new client size
  close,       // the user (or winPostClose) asks to close the window
  activate,    // the window got the input focus
  deactivate,  // the window lost the input focus
  minimize,
  restore,
  mouseMove,   // x, y: client position
  mouseDown,   // button, x, y
  mouseUp,     // button, x, y
  mouseWheel,  // wheelDelta, x, y
  keyDown,     // key: virtual-key code; repeat for auto-repeat
  keyUp,       // key: virtual-key code
  character,   // key: the typed character as a Windows-1252 byte
};

enum class MouseButton : uint8_t { left, right, middle };

// Shift-state bits of an event, in the order of the Windows form library's shift state.
constexpr uint8_t kShiftKey = 1;
constexpr uint8_t kAltKey = 2;
constexpr uint8_t kCtrlKey = 4;
constexpr uint8_t kLeftButton = 8;
constexpr uint8_t kRightButton = 16;
constexpr uint8_t kMiddleButton = 32;
constexpr uint8_t kDoubleClick = 64;

// Steps of the mouse wheel: one notch is 120, positive when turned away from the user.
constexpr int32_t kWheelStep = 120;

struct WinEvent {
  WinEventKind kind = WinEventKind::none;
  MouseButton button = MouseButton::left;  // mouseDown, mouseUp
  uint8_t shift = 0;                       // kShiftKey.. bits at the time of the event
  bool repeat = false;                     // keyDown from auto-repeat
  int32_t x = 0, y = 0;                    // see the kinds
  int32_t wheelDelta = 0;                  // mouseWheel: multiples of kWheelStep
  int32_t key = 0;                         // keyDown, keyUp, character
};

// Takes the next pending event without waiting; false when there is none.
bool winPollEvent(WinEvent& event);
// Waits for the next event up to timeoutMs (negative: without limit); false on time-out.
bool winWaitEvent(WinEvent& event, int32_t timeoutMs);
// Queues a close request, as the window's close button does.
void winPostClose();

// [SECTION] message boxes and video memory
// A system message box with an OK button (caption and text in Windows-1252, "\r" breaks
// lines), shown and waited for. Works without a window and before the engine's own boxes
// exist; where no box can be shown the text goes to standard error.
void winMessageBox(const std::string& caption, const std::string& text);

// The graphics card's memory in bytes, as the GL renderer reports it (NVX memory info or
// the Mesa renderer query), else kUnknownVideoMemory. Uses the window's context, or a
// short-lived one when none exists.
constexpr uint64_t kUnknownVideoMemory = 0;
uint64_t winVideoMemoryBytes();

// [SECTION] null backend controls
// Tests steer the null backend with these; the SDL backend ignores them.
void winNullReset();  // desktop 1024 x 768 x 32 with that one mode, active, no events
void winNullSetDisplay(const DisplayMode& desktop, const std::vector<DisplayMode>& modes);
void winNullPushEvent(const WinEvent& event);
void winNullSetCursor(int32_t x, int32_t y);
void winNullSetActive(bool active);
void winNullSetVideoMemory(uint64_t bytes);
void winNullFailSwitch(bool fail);  // the next display switches fail
// How often the window was asked to minimise since the last reset.
int32_t winNullMinimizeRequests();
// The message boxes the null backend was asked to show, as "caption|text".
const std::vector<std::string>& winNullMessageBoxes();
