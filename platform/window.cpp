// The window layer's entry points: hands every call to the chosen backend.
#include "platform/window.h"

#include "platform/window_driver.h"

namespace {
WindowBackend chosenBackend = WindowBackend::null;
std::unique_ptr<WindowDriver> activeDriver;  // made at first use, replaced by winSetBackend
std::string lastError;
GLContextInfo contextInfo{};

WindowDriver& driver() {
  if (!activeDriver)
    activeDriver = chosenBackend == WindowBackend::sdl ? makeSdlWindowDriver() : makeNullWindowDriver();
  return *activeDriver;
}
}  // namespace

// [SECTION] backend
void winSetBackend(WindowBackend backend) {
  if (activeDriver && backend == chosenBackend) return;
  if (activeDriver) activeDriver->close();
  activeDriver.reset();
  chosenBackend = backend;
}

WindowBackend winBackend() { return chosenBackend; }
const std::string& winLastError() { return lastError; }

// [SECTION] window
bool winOpen(const std::string& title, int32_t width, int32_t height) {
  lastError.clear();
  if (driver().isOpen()) driver().close();
  return driver().open(title, width, height, lastError);
}

void winClose() {
  if (activeDriver) activeDriver->close();
  contextInfo = {};
}

bool winIsOpen() { return activeDriver && activeDriver->isOpen(); }
void winSetTitle(const std::string& title) { driver().setTitle(title); }
WindowRect winRect() { return driver().rect(); }
void winClientSize(int32_t& width, int32_t& height) { driver().clientSize(width, height); }
void winSetPosition(int32_t left, int32_t top) { driver().setPosition(left, top); }
void winSetSize(int32_t width, int32_t height) { driver().setSize(width, height); }
void winSetBordered(bool bordered) { driver().setBordered(bordered); }
void winShow() { driver().show(); }
void winHide() { driver().hide(); }
void winMaximize() { driver().maximize(); }
bool winIsMaximized() { return driver().isMaximized(); }
void winMinimize() { driver().minimize(); }
void winRaise() { driver().raise(); }

// [SECTION] GL context
bool winCreateContext() {
  lastError.clear();
  contextInfo = {};
  return driver().createContext(contextInfo, lastError);
}

void winDestroyContext() {
  driver().destroyContext();
  contextInfo = {};
}

bool winHasContext() { return driver().hasContext(); }
const GLContextInfo& winContextInfo() { return contextInfo; }
void winSwapBuffers() { driver().swapBuffers(); }

// [SECTION] display modes
std::vector<DisplayMode> winDisplayModes() { return driver().displayModes(); }
DisplayMode winDesktopMode() { return driver().desktopMode(); }

bool winSwitchDisplay(const DisplayMode& mode) {
  lastError.clear();
  return driver().switchDisplay(mode, lastError);
}

void winRestoreDisplay() { driver().restoreDisplay(); }
bool winDisplaySwitched() { return driver().displaySwitched(); }

// [SECTION] cursor and activity
void winCursorPos(int32_t& x, int32_t& y) { driver().cursorPos(x, y); }
void winShowCursor(bool show) { driver().showCursor(show); }
bool winIsActive() { return driver().isActive(); }
void winBeep() { driver().beep(); }

// [SECTION] events
bool winPollEvent(WinEvent& event) { return driver().pollEvent(event); }
bool winWaitEvent(WinEvent& event, int32_t timeoutMs) { return driver().waitEvent(event, timeoutMs); }
void winPostClose() { driver().postClose(); }

// [SECTION] message boxes and video memory
void winMessageBox(const std::string& caption, const std::string& text) { driver().messageBox(caption, text); }
uint64_t winVideoMemoryBytes() { return driver().videoMemoryBytes(); }
