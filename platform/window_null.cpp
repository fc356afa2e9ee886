// The null window backend: no window system, state kept in memory and steered by tests.
#include <deque>

#include "platform/window_driver.h"

namespace {
struct NullDisplay {
  DisplayMode desktop{1024, 768, 32};
  std::vector<DisplayMode> modes{{1024, 768, 32}};
  std::deque<WinEvent> events;  // pushed by tests and by the pretend window
  int32_t cursorX = 0, cursorY = 0;
  bool active = true;
  uint64_t videoMemory = kUnknownVideoMemory;
  bool failSwitch = false;
  int32_t minimizeRequests = 0;    // winMinimize calls; the pretend window stays as it is
  std::vector<std::string> boxes;  // "caption|text" of every message box
};

NullDisplay display;

bool sameMode(const DisplayMode& a, const DisplayMode& b) {
  return a.width == b.width && a.height == b.height && a.bits == b.bits;
}

class NullWindowDriver final : public WindowDriver {
 public:
  bool open(const std::string&, int32_t width, int32_t height, std::string&) override {
    opened = true;
    rect_ = {(display.desktop.width - width) / 2, (display.desktop.height - height) / 2, width, height};
    pushEvent(WinEventKind::paint, 0, 0);
    return true;
  }
  void close() override {
    restoreDisplay();
    opened = context = maximized = false;
  }
  bool isOpen() override { return opened; }
  void setTitle(const std::string&) override {}
  WindowRect rect() override { return rect_; }
  void clientSize(int32_t& width, int32_t& height) override {
    width = rect_.width;
    height = rect_.height;
  }
  void setPosition(int32_t left, int32_t top) override {
    rect_.left = left;
    rect_.top = top;
  }
  void setSize(int32_t width, int32_t height) override {
    if (width == rect_.width && height == rect_.height) return;
    rect_.width = width;
    rect_.height = height;
    pushEvent(WinEventKind::resize, width, height);
  }
  void setBordered(bool) override {}
  void show() override {}
  void hide() override {}
  void maximize() override {
    maximized = true;
    rect_.left = rect_.top = 0;
    setSize(display.desktop.width, display.desktop.height);
  }
  bool isMaximized() override { return maximized; }
  void minimize() override { display.minimizeRequests++; }
  void raise() override {}

  bool createContext(GLContextInfo& info, std::string& error) override {
    if (!opened) {
      error = "no window";
      return false;
    }
    context = true;
    info = {1, 1, 8, 24, 32, true};
    return true;
  }
  void destroyContext() override { context = false; }
  bool hasContext() override { return context; }
  void swapBuffers() override {}

  std::vector<DisplayMode> displayModes() override { return display.modes; }
  DisplayMode desktopMode() override { return switched ? current : display.desktop; }
  bool switchDisplay(const DisplayMode& mode, std::string& error) override {
    bool listed = false;
    for (const auto& m : display.modes) listed = listed || sameMode(m, mode);
    if (!listed || display.failSwitch || !opened) {
      error = "mode not available";
      return false;
    }
    if (!switched) saved = rect_;
    switched = true;
    current = mode;
    rect_.left = rect_.top = 0;
    setSize(mode.width, mode.height);
    return true;
  }
  void restoreDisplay() override {
    if (!switched) return;
    switched = false;
    rect_.left = saved.left;
    rect_.top = saved.top;
    setSize(saved.width, saved.height);
  }
  bool displaySwitched() override { return switched; }

  void cursorPos(int32_t& x, int32_t& y) override {
    x = display.cursorX;
    y = display.cursorY;
  }
  void showCursor(bool) override {}
  bool isActive() override { return display.active; }
  void beep() override {}

  bool pollEvent(WinEvent& event) override {
    if (display.events.empty()) return false;
    event = display.events.front();
    display.events.pop_front();
    return true;
  }
  // Nothing arrives while waiting: a pending event or a time-out at once.
  bool waitEvent(WinEvent& event, int32_t) override { return pollEvent(event); }
  void postClose() override { pushEvent(WinEventKind::close, 0, 0); }

  void messageBox(const std::string& caption, const std::string& text) override {
    display.boxes.push_back(caption + "|" + text);
  }
  uint64_t videoMemoryBytes() override { return display.videoMemory; }

 private:
  static void pushEvent(WinEventKind kind, int32_t x, int32_t y) {
    WinEvent e;
    e.kind = kind;
    e.x = x;
    e.y = y;
    display.events.push_back(e);
  }

  bool opened = false, context = false, maximized = false, switched = false;
  WindowRect rect_{0, 0, 0, 0};
  WindowRect saved{0, 0, 0, 0};
  DisplayMode current{0, 0, 0};
};
}  // namespace

std::unique_ptr<WindowDriver> makeNullWindowDriver() { return std::make_unique<NullWindowDriver>(); }

void winNullReset() { display = NullDisplay{}; }

void winNullSetDisplay(const DisplayMode& desktop, const std::vector<DisplayMode>& modes) {
  display.desktop = desktop;
  display.modes = modes;
}

void winNullPushEvent(const WinEvent& event) { display.events.push_back(event); }

void winNullSetCursor(int32_t x, int32_t y) {
  display.cursorX = x;
  display.cursorY = y;
}

void winNullSetActive(bool active) { display.active = active; }
void winNullSetVideoMemory(uint64_t bytes) { display.videoMemory = bytes; }
void winNullFailSwitch(bool fail) { display.failSwitch = fail; }
const std::vector<std::string>& winNullMessageBoxes() { return display.boxes; }
int32_t winNullMinimizeRequests() { return display.minimizeRequests; }
