// The SDL2 window backend: one window with a Mesa OpenGL compatibility context, full screen
// through SDL's temporary display-mode change, and SDL's events in the program's terms.
//
// [SECTION] set-up and helpers
// [SECTION] event translation
// [SECTION] video memory
// [SECTION] the driver
#include <SDL2/SDL.h>
#include <GL/gl.h>
#include <GL/glx.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>

#include "platform/codepage.h"
#include "platform/window_driver.h"
#include "platform/window_keys.h"

namespace {
// [SECTION] set-up and helpers

// Depth and stencil sizes tried in turn until the display offers a matching visual; the
// first is what the engine asks for, the others keep the program running without effects.
struct BufferRequest {
  int depth, stencil;
};
constexpr BufferRequest kBufferRequests[] = {{24, 8}, {16, 8}, {16, 0}};

bool videoUp() {
  static bool exitHook = false;
  if (SDL_WasInit(SDL_INIT_VIDEO)) return true;
  // One close request per close: leaving SDL_QUIT to signals, not to the last window.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
  if (!exitHook) {
    exitHook = true;
    std::atexit(SDL_Quit);  // puts a switched desktop mode back however the program ends
  }
  return true;
}

void requestGLBuffers(const BufferRequest& r) {
  SDL_GL_ResetAttributes();
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 1);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
  SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, r.depth);
  SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, r.stencil);
}

// Bits per pixel as Windows counts them: a 24-bit colour in 4 bytes is 32.
int32_t modeBits(uint32_t format) {
  const int bytes = SDL_BYTESPERPIXEL(format);
  return bytes >= 2 ? bytes * 8 : SDL_BITSPERPIXEL(format);
}

DisplayMode toMode(const SDL_DisplayMode& m) { return {m.w, m.h, modeBits(m.format)}; }

int displayOf(SDL_Window* window) {
  const int d = window ? SDL_GetWindowDisplayIndex(window) : 0;
  return d < 0 ? 0 : d;
}

// Windows breaks a message box's lines at CR, LF and their pairs; SDL at LF.
std::string boxText(const std::string& text) {
  std::string lines;
  for (size_t i = 0; i < text.size(); i++) {
    const char c = text[i];
    if (c != '\r' && c != '\n') {
      lines += c;
      continue;
    }
    lines += '\n';
    if (i + 1 < text.size() && (text[i + 1] == '\r' || text[i + 1] == '\n') && text[i + 1] != c) i++;
  }
  return cp1252ToUtf8(lines);
}

// [SECTION] event translation

uint8_t shiftState() {
  const SDL_Keymod mod = SDL_GetModState();
  const uint32_t buttons = SDL_GetMouseState(nullptr, nullptr);
  uint8_t s = 0;
  if (mod & KMOD_SHIFT) s |= kShiftKey;
  if (mod & KMOD_ALT) s |= kAltKey;
  if (mod & KMOD_CTRL) s |= kCtrlKey;
  if (buttons & SDL_BUTTON_LMASK) s |= kLeftButton;
  if (buttons & SDL_BUTTON_RMASK) s |= kRightButton;
  if (buttons & SDL_BUTTON_MMASK) s |= kMiddleButton;
  return s;
}

WinEvent makeEvent(WinEventKind kind, int32_t x = 0, int32_t y = 0) {
  WinEvent e;
  e.kind = kind;
  e.shift = shiftState();
  e.x = x;
  e.y = y;
  return e;
}

void translateWindowEvent(const SDL_WindowEvent& w, std::deque<WinEvent>& out) {
  switch (w.event) {
    case SDL_WINDOWEVENT_EXPOSED: out.push_back(makeEvent(WinEventKind::paint)); break;
    case SDL_WINDOWEVENT_SIZE_CHANGED: out.push_back(makeEvent(WinEventKind::resize, w.data1, w.data2)); break;
    case SDL_WINDOWEVENT_CLOSE: out.push_back(makeEvent(WinEventKind::close)); break;
    case SDL_WINDOWEVENT_FOCUS_GAINED: out.push_back(makeEvent(WinEventKind::activate)); break;
    case SDL_WINDOWEVENT_FOCUS_LOST: out.push_back(makeEvent(WinEventKind::deactivate)); break;
    case SDL_WINDOWEVENT_MINIMIZED: out.push_back(makeEvent(WinEventKind::minimize)); break;
    case SDL_WINDOWEVENT_RESTORED: out.push_back(makeEvent(WinEventKind::restore)); break;
    default: break;
  }
}

void translateButton(const SDL_MouseButtonEvent& b, bool down, std::deque<WinEvent>& out) {
  if (b.which == SDL_TOUCH_MOUSEID) return;
  WinEvent e = makeEvent(down ? WinEventKind::mouseDown : WinEventKind::mouseUp, b.x, b.y);
  switch (b.button) {
    case SDL_BUTTON_LEFT: e.button = MouseButton::left; break;
    case SDL_BUTTON_RIGHT: e.button = MouseButton::right; break;
    case SDL_BUTTON_MIDDLE: e.button = MouseButton::middle; break;
    default: return;
  }
  if (down && b.clicks == 2) e.shift |= kDoubleClick;
  out.push_back(e);
}

void translateWheel(const SDL_MouseWheelEvent& w, std::deque<WinEvent>& out) {
  const int32_t notches = w.direction == SDL_MOUSEWHEEL_FLIPPED ? -w.y : w.y;
  if (notches == 0) return;
  int x = 0, y = 0;
  SDL_GetMouseState(&x, &y);
  WinEvent e = makeEvent(WinEventKind::mouseWheel, x, y);
  e.wheelDelta = notches * kWheelStep;
  out.push_back(e);
}

void translateKey(const SDL_KeyboardEvent& k, bool down, std::deque<WinEvent>& out) {
  const int32_t vk = winVirtualKey(k.keysym.sym, k.keysym.scancode);
  if (vk == 0) return;
  WinEvent e = makeEvent(down ? WinEventKind::keyDown : WinEventKind::keyUp);
  e.key = vk;
  e.repeat = k.repeat != 0;
  out.push_back(e);
  const int32_t ch = down ? winControlCharacter(k.keysym.sym) : 0;
  if (ch != 0) {
    WinEvent c = makeEvent(WinEventKind::character);
    c.key = ch;
    out.push_back(c);
  }
}

void translateText(const char* text, std::deque<WinEvent>& out) {
  const std::string_view s(text);
  for (size_t pos = 0; pos < s.size();) {
    const int32_t b = cp1252FromCodePoint(utf8Next(s, pos));
    if (b <= 0) continue;  // characters the code page lacks cannot be typed
    WinEvent c = makeEvent(WinEventKind::character);
    c.key = b;
    out.push_back(c);
  }
}

void translate(const SDL_Event& ev, std::deque<WinEvent>& out) {
  switch (ev.type) {
    case SDL_WINDOWEVENT: translateWindowEvent(ev.window, out); break;
    case SDL_QUIT: out.push_back(makeEvent(WinEventKind::close)); break;
    case SDL_MOUSEMOTION:
      if (ev.motion.which != SDL_TOUCH_MOUSEID) out.push_back(makeEvent(WinEventKind::mouseMove, ev.motion.x, ev.motion.y));
      break;
    case SDL_MOUSEBUTTONDOWN: translateButton(ev.button, true, out); break;
    case SDL_MOUSEBUTTONUP: translateButton(ev.button, false, out); break;
    case SDL_MOUSEWHEEL: translateWheel(ev.wheel, out); break;
    case SDL_KEYDOWN: translateKey(ev.key, true, out); break;
    case SDL_KEYUP: translateKey(ev.key, false, out); break;
    case SDL_TEXTINPUT: translateText(ev.text.text, out); break;
    default: break;
  }
}

// [SECTION] video memory

constexpr GLenum kGpuMemoryTotalNvx = 0x9048;         // GL_GPU_MEMORY_INFO_TOTAL_AVAILABLE_MEMORY_NVX, kB
constexpr int kRendererVideoMemoryMesa = 0x8187;      // GLX_RENDERER_VIDEO_MEMORY_MESA, MB
using QueryRendererFn = Bool (*)(int attribute, unsigned int* value);

// Asks the current context; 0 when it does not tell.
uint64_t queryVideoMemory() {
  if (SDL_GL_ExtensionSupported("GL_NVX_gpu_memory_info")) {
    GLint kb = 0;
    glGetIntegerv(kGpuMemoryTotalNvx, &kb);
    if (kb > 0) return uint64_t(kb) * 1024;
  }
  Display* dpy = glXGetCurrentDisplay();
  if (!dpy || !glXGetCurrentContext()) return 0;
  const char* ext = glXQueryExtensionsString(dpy, DefaultScreen(dpy));
  if (!ext || !std::strstr(ext, "GLX_MESA_query_renderer")) return 0;
  auto query = reinterpret_cast<QueryRendererFn>(
      glXGetProcAddressARB(reinterpret_cast<const GLubyte*>("glXQueryCurrentRendererIntegerMESA")));
  unsigned int mb = 0;
  if (!query || !query(kRendererVideoMemoryMesa, &mb)) return 0;
  return uint64_t(mb) * 1024 * 1024;
}

// [SECTION] the driver

class SdlWindowDriver final : public WindowDriver {
 public:
  ~SdlWindowDriver() override { close(); }

  bool open(const std::string& title, int32_t width, int32_t height, std::string& error) override {
    if (!videoUp()) return fail(error);
    const uint32_t flags = SDL_WINDOW_OPENGL | SDL_WINDOW_BORDERLESS | SDL_WINDOW_SHOWN;
    for (const BufferRequest& r : kBufferRequests) {
      requestGLBuffers(r);
      window = SDL_CreateWindow(cp1252ToUtf8(title).c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                width, height, flags);
      if (window) return true;
    }
    return fail(error);
  }

  void close() override {
    if (!window) return;
    destroyContext();
    restoreDisplay();
    SDL_DestroyWindow(window);
    window = nullptr;
    pending.clear();
  }

  bool isOpen() override { return window != nullptr; }
  void setTitle(const std::string& title) override {
    if (window) SDL_SetWindowTitle(window, cp1252ToUtf8(title).c_str());
  }

  WindowRect rect() override {
    if (!window) return {0, 0, 0, 0};
    int x = 0, y = 0, w = 0, h = 0, top = 0, left = 0, bottom = 0, right = 0;
    SDL_GetWindowPosition(window, &x, &y);
    SDL_GetWindowSize(window, &w, &h);
    if (SDL_GetWindowBordersSize(window, &top, &left, &bottom, &right) != 0) top = left = bottom = right = 0;
    return {x - left, y - top, w + left + right, h + top + bottom};
  }

  void clientSize(int32_t& width, int32_t& height) override {
    width = height = 0;
    if (window) SDL_GetWindowSize(window, &width, &height);
  }
  void setPosition(int32_t left, int32_t top) override {
    if (window) SDL_SetWindowPosition(window, left, top);
  }
  void setSize(int32_t width, int32_t height) override {
    if (window) SDL_SetWindowSize(window, width, height);
  }
  void setBordered(bool bordered) override {
    if (window) SDL_SetWindowBordered(window, bordered ? SDL_TRUE : SDL_FALSE);
  }
  void show() override {
    if (window) SDL_ShowWindow(window);
  }
  void hide() override {
    if (window) SDL_HideWindow(window);
  }
  void maximize() override {
    if (window) SDL_MaximizeWindow(window);
  }
  bool isMaximized() override { return window && (SDL_GetWindowFlags(window) & SDL_WINDOW_MAXIMIZED); }
  void minimize() override {
    if (window) SDL_MinimizeWindow(window);
  }
  void raise() override {
    if (!window) return;
    if (SDL_GetWindowFlags(window) & SDL_WINDOW_MINIMIZED) SDL_RestoreWindow(window);
    SDL_ShowWindow(window);
    SDL_RaiseWindow(window);
  }

  bool createContext(GLContextInfo& info, std::string& error) override {
    if (!window) {
      error = "no window";
      return false;
    }
    destroyContext();
    context = SDL_GL_CreateContext(window);
    if (!context || SDL_GL_MakeCurrent(window, context) != 0) {
      destroyContext();
      return fail(error);
    }
    readContextInfo(info);
    return true;
  }

  void destroyContext() override {
    if (!context) return;
    SDL_GL_MakeCurrent(window, nullptr);
    SDL_GL_DeleteContext(context);
    context = nullptr;
  }

  bool hasContext() override { return context != nullptr; }
  void swapBuffers() override {
    if (window && context) SDL_GL_SwapWindow(window);
  }

  std::vector<DisplayMode> displayModes() override {
    std::vector<DisplayMode> modes;
    if (!videoUp()) return modes;
    const int d = displayOf(window);
    const int n = SDL_GetNumDisplayModes(d);
    for (int i = 0; i < n; i++) {
      SDL_DisplayMode m;
      if (SDL_GetDisplayMode(d, i, &m) == 0) modes.push_back(toMode(m));
    }
    return modes;
  }

  DisplayMode desktopMode() override {
    SDL_DisplayMode m;
    if (!videoUp() || SDL_GetCurrentDisplayMode(displayOf(window), &m) != 0) return {0, 0, 0};
    return toMode(m);
  }

  bool switchDisplay(const DisplayMode& mode, std::string& error) override {
    SDL_DisplayMode m;
    if (!window || !findSdlMode(mode, m)) {
      error = "display mode not offered";
      return false;
    }
    if (SDL_SetWindowDisplayMode(window, &m) != 0 || SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN) != 0) {
      SDL_SetWindowFullscreen(window, 0);
      switched = false;
      return fail(error);
    }
    switched = true;
    return true;
  }

  void restoreDisplay() override {
    if (!switched) return;
    switched = false;
    if (window) SDL_SetWindowFullscreen(window, 0);
  }

  bool displaySwitched() override { return switched; }

  void cursorPos(int32_t& x, int32_t& y) override {
    x = y = 0;
    if (videoUp()) SDL_GetGlobalMouseState(&x, &y);
  }
  void showCursor(bool show) override { SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE); }
  bool isActive() override { return window && (SDL_GetWindowFlags(window) & SDL_WINDOW_INPUT_FOCUS); }
  void beep() override { std::fputc('\a', stderr); }

  bool pollEvent(WinEvent& event) override {
    SDL_Event ev;
    while (pending.empty() && SDL_WasInit(SDL_INIT_VIDEO) && SDL_PollEvent(&ev)) translate(ev, pending);
    return takePending(event);
  }

  // One system message is waited for and handled; false on time-out or when that message
  // meant nothing to the program.
  bool waitEvent(WinEvent& event, int32_t timeoutMs) override {
    if (takePending(event)) return true;
    SDL_Event ev;
    if (!SDL_WasInit(SDL_INIT_VIDEO)) return false;
    const int got = timeoutMs < 0 ? SDL_WaitEvent(&ev) : SDL_WaitEventTimeout(&ev, timeoutMs);
    if (got) translate(ev, pending);
    return takePending(event);
  }

  void postClose() override {
    if (!window) return;
    SDL_Event ev{};
    ev.type = SDL_WINDOWEVENT;
    ev.window.event = SDL_WINDOWEVENT_CLOSE;
    ev.window.windowID = SDL_GetWindowID(window);
    SDL_PushEvent(&ev);
  }

  void messageBox(const std::string& caption, const std::string& text) override {
    const std::string c = boxText(caption), t = boxText(text);
    if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, c.c_str(), t.c_str(), window) != 0)
      std::fprintf(stderr, "%s: %s\n", c.c_str(), t.c_str());
  }

  uint64_t videoMemoryBytes() override {
    if (context) return orUnknown(queryVideoMemory());
    if (!window) return kUnknownVideoMemory;
    SDL_GLContext probe = SDL_GL_CreateContext(window);  // short-lived, for the query only
    if (!probe) return kUnknownVideoMemory;
    const uint64_t bytes = queryVideoMemory();
    SDL_GL_MakeCurrent(window, nullptr);
    SDL_GL_DeleteContext(probe);
    return orUnknown(bytes);
  }

 private:
  static bool fail(std::string& error) {
    error = SDL_GetError();
    return false;
  }
  static uint64_t orUnknown(uint64_t bytes) { return bytes ? bytes : kUnknownVideoMemory; }

  bool takePending(WinEvent& event) {
    if (pending.empty()) return false;
    event = pending.front();
    pending.pop_front();
    return true;
  }

  bool findSdlMode(const DisplayMode& mode, SDL_DisplayMode& out) {
    const int d = displayOf(window);
    const int n = SDL_GetNumDisplayModes(d);
    for (int i = 0; i < n; i++)
      if (SDL_GetDisplayMode(d, i, &out) == 0 && out.w == mode.width && out.h == mode.height &&
          modeBits(out.format) == mode.bits)
        return true;
    return false;
  }

  void readContextInfo(GLContextInfo& info) {
    info = {};
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    if (version) std::sscanf(version, "%d.%d", &info.major, &info.minor);
    int r = 0, g = 0, b = 0, a = 0, dbl = 0;
    SDL_GL_GetAttribute(SDL_GL_RED_SIZE, &r);
    SDL_GL_GetAttribute(SDL_GL_GREEN_SIZE, &g);
    SDL_GL_GetAttribute(SDL_GL_BLUE_SIZE, &b);
    SDL_GL_GetAttribute(SDL_GL_ALPHA_SIZE, &a);
    SDL_GL_GetAttribute(SDL_GL_DEPTH_SIZE, &info.depthBits);
    SDL_GL_GetAttribute(SDL_GL_STENCIL_SIZE, &info.stencilBits);
    SDL_GL_GetAttribute(SDL_GL_DOUBLEBUFFER, &dbl);
    info.colourBits = r + g + b + a;
    info.doubleBuffer = dbl != 0;
  }

  SDL_Window* window = nullptr;
  SDL_GLContext context = nullptr;
  bool switched = false;
  std::deque<WinEvent> pending;  // translated events not yet taken (one SDL event can give two)
};
}  // namespace

std::unique_ptr<WindowDriver> makeSdlWindowDriver() { return std::make_unique<SdlWindowDriver>(); }
