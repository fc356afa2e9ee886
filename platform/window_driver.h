// Inside of the window layer: what each backend (SDL, null) provides. Only platform/ sees it.
#pragma once

#include <memory>

#include "platform/window.h"

class WindowDriver {
 public:
  virtual ~WindowDriver() = default;

  virtual bool open(const std::string& title, int32_t width, int32_t height, std::string& error) = 0;
  virtual void close() = 0;
  virtual bool isOpen() = 0;
  virtual void setTitle(const std::string& title) = 0;
  virtual WindowRect rect() = 0;
  virtual void clientSize(int32_t& width, int32_t& height) = 0;
  virtual void setPosition(int32_t left, int32_t top) = 0;
  virtual void setSize(int32_t width, int32_t height) = 0;
  virtual void setBordered(bool bordered) = 0;
  virtual void show() = 0;
  virtual void hide() = 0;
  virtual void maximize() = 0;
  virtual bool isMaximized() = 0;
  virtual void minimize() = 0;
  virtual void raise() = 0;

  virtual bool createContext(GLContextInfo& info, std::string& error) = 0;
  virtual void destroyContext() = 0;
  virtual bool hasContext() = 0;
  virtual void swapBuffers() = 0;

  virtual std::vector<DisplayMode> displayModes() = 0;
  virtual DisplayMode desktopMode() = 0;
  virtual bool switchDisplay(const DisplayMode& mode, std::string& error) = 0;
  virtual void restoreDisplay() = 0;
  virtual bool displaySwitched() = 0;

  virtual void cursorPos(int32_t& x, int32_t& y) = 0;
  virtual void showCursor(bool show) = 0;
  virtual bool isActive() = 0;
  virtual void beep() = 0;

  virtual bool pollEvent(WinEvent& event) = 0;
  virtual bool waitEvent(WinEvent& event, int32_t timeoutMs) = 0;
  virtual void postClose() = 0;

  virtual void messageBox(const std::string& caption, const std::string& text) = 0;
  virtual uint64_t videoMemoryBytes() = 0;
};

std::unique_ptr<WindowDriver> makeSdlWindowDriver();
// The null driver reads the state that the winNull* controls set (window_null.cpp).
std::unique_ptr<WindowDriver> makeNullWindowDriver();
