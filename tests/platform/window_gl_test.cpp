// The real window under Xvfb: GL context, clearing and drawing, buffer swap, read-back,
// display modes, close requests.
#include <gtest/gtest.h>
// X after gtest: Xlib's macros (None, Bool) would break gtest's own names.
#include <GL/gl.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include "platform/tick.h"
#include "platform/window.h"

namespace {
struct Rgb {
  int r, g, b;
};

Rgb pixelAt(int x, int y) {
  unsigned char p[4] = {0, 0, 0, 0};
  glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
  return {p[0], p[1], p[2]};
}

::testing::AssertionResult pixelIs(int x, int y, Rgb want) {
  const Rgb got = pixelAt(x, y);
  if (std::abs(got.r - want.r) <= 1 && std::abs(got.g - want.g) <= 1 && std::abs(got.b - want.b) <= 1)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << "): expected " << want.r << ","
                                       << want.g << "," << want.b << ", got " << got.r << "," << got.g
                                       << "," << got.b;
}

// The colour the X server shows at a screen position: what the swap presented.
Rgb screenPixelAt(int x, int y) {
  Display* dpy = XOpenDisplay(nullptr);
  if (!dpy) return {-1, -1, -1};
  XImage* img = XGetImage(dpy, DefaultRootWindow(dpy), x, y, 1, 1, AllPlanes, ZPixmap);
  Rgb c{-1, -1, -1};
  if (img) {
    const unsigned long p = XGetPixel(img, 0, 0);
    c = {int((p >> 16) & 255), int((p >> 8) & 255), int(p & 255)};
    XDestroyImage(img);
  }
  XCloseDisplay(dpy);
  return c;
}

// Waits (real time, at most 2 s) for an event of the kind; other events are dropped.
bool waitFor(WinEventKind kind, WinEvent* found = nullptr) {
  useRealTick();
  const uint32_t start = getTickCount();
  WinEvent e;
  bool seen = false;
  while (!seen && tickDiff(getTickCount(), start) < 2000)
    if (winWaitEvent(e, 50) && e.kind == kind) seen = true;
  useFakeTick(1000);
  if (seen && found) *found = e;
  return seen;
}

class WindowGLTest : public ::testing::Test {
 protected:
  static constexpr int kWidth = 320, kHeight = 240;
  void SetUp() override {
    winSetBackend(WindowBackend::sdl);
    ASSERT_TRUE(winOpen("Skat f\xFCr Tests", kWidth, kHeight)) << winLastError();
    ASSERT_TRUE(winCreateContext()) << winLastError();
  }
  void TearDown() override {
    winClose();
    winSetBackend(WindowBackend::null);
  }
};
}  // namespace

TEST_F(WindowGLTest, ContextIsDoubleBufferedWithStencilAndAtLeastGL11) {
  const GLContextInfo& info = winContextInfo();
  EXPECT_TRUE(info.major > 1 || (info.major == 1 && info.minor >= 1))
      << "GL " << info.major << "." << info.minor;
  EXPECT_EQ(info.stencilBits, 8);
  EXPECT_TRUE(info.doubleBuffer);
  GLint stencil = 0;
  GLboolean doubleBuffer = GL_FALSE;
  glGetIntegerv(GL_STENCIL_BITS, &stencil);
  glGetBooleanv(GL_DOUBLEBUFFER, &doubleBuffer);
  EXPECT_EQ(stencil, 8);
  EXPECT_EQ(doubleBuffer, GL_TRUE);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(WindowGLTest, ClearDrawSwapAndReadBack) {
  ASSERT_TRUE(waitFor(WinEventKind::paint));  // the window is on the screen
  glViewport(0, 0, kWidth, kHeight);
  glClearColor(0.2f, 0.4f, 0.6f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
  // A red rectangle over the left half, in the fixed-function pipeline the engine uses.
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, kWidth, 0, kHeight, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glColor3ub(255, 0, 0);
  glBegin(GL_QUADS);
  glVertex2i(0, 0);
  glVertex2i(kWidth / 2, 0);
  glVertex2i(kWidth / 2, kHeight);
  glVertex2i(0, kHeight);
  glEnd();
  glReadBuffer(GL_BACK);
  EXPECT_TRUE(pixelIs(10, 10, {255, 0, 0}));
  EXPECT_TRUE(pixelIs(kWidth / 2 - 1, kHeight - 1, {255, 0, 0}));
  EXPECT_TRUE(pixelIs(kWidth / 2 + 1, 10, {51, 102, 153}));
  EXPECT_TRUE(pixelIs(kWidth - 1, kHeight - 1, {51, 102, 153}));
  winSwapBuffers();
  glFinish();
  // The presented frame on the screen (y downwards there): red left, the clear colour right.
  const WindowRect r = winRect();
  const Rgb left = screenPixelAt(r.left + 10, r.top + 10);
  const Rgb right = screenPixelAt(r.left + kWidth - 10, r.top + kHeight - 10);
  EXPECT_EQ(left.r, 255);
  EXPECT_EQ(left.g, 0);
  EXPECT_NEAR(right.r, 51, 1);
  EXPECT_NEAR(right.g, 102, 1);
  EXPECT_NEAR(right.b, 153, 1);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(WindowGLTest, StencilMarksLimitDrawing) {
  glViewport(0, 0, kWidth, kHeight);
  glClearColor(0, 0, 0, 1);
  glClearStencil(0);
  glClear(GL_COLOR_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, kWidth, 0, kHeight, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  // Mark the bottom half in the stencil only, then paint everything where marked.
  glEnable(GL_STENCIL_TEST);
  glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
  glStencilFunc(GL_ALWAYS, 0, 1);
  glStencilOp(GL_KEEP, GL_KEEP, GL_INCR);
  glRecti(0, 0, kWidth, kHeight / 2);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  glStencilFunc(GL_NOTEQUAL, 0, 255);
  glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
  glColor3ub(0, 255, 0);
  glRecti(0, 0, kWidth, kHeight);
  glDisable(GL_STENCIL_TEST);
  glReadBuffer(GL_BACK);
  EXPECT_TRUE(pixelIs(5, 5, {0, 255, 0}));
  EXPECT_TRUE(pixelIs(5, kHeight - 5, {0, 0, 0}));
}

TEST_F(WindowGLTest, ContextCanBeMadeAgain) {
  winDestroyContext();
  EXPECT_FALSE(winHasContext());
  ASSERT_TRUE(winCreateContext()) << winLastError();
  EXPECT_EQ(winContextInfo().stencilBits, 8);
}

TEST_F(WindowGLTest, CloseRequestArrivesAsOneCloseEvent) {
  winPostClose();
  ASSERT_TRUE(waitFor(WinEventKind::close));
  WinEvent e;
  int more = 0;
  while (winPollEvent(e))
    if (e.kind == WinEventKind::close) more++;
  EXPECT_EQ(more, 0);
  winClose();
  EXPECT_FALSE(winIsOpen());
}

TEST_F(WindowGLTest, ResizeIsReported) {
  winSetSize(400, 300);
  WinEvent e;
  ASSERT_TRUE(waitFor(WinEventKind::resize, &e));
  EXPECT_EQ(e.x, 400);
  EXPECT_EQ(e.y, 300);
  int w = 0, h = 0;
  winClientSize(w, h);
  EXPECT_EQ(w, 400);
  EXPECT_EQ(h, 300);
}

TEST_F(WindowGLTest, DesktopModeIsListedAndFullScreenComesBack) {
  const DisplayMode desk = winDesktopMode();
  EXPECT_EQ(desk.width, 1024);
  EXPECT_EQ(desk.height, 768);
  EXPECT_EQ(desk.bits, 32);  // Xvfb's 24-bit screen
  bool listed = false;
  for (const DisplayMode& m : winDisplayModes())
    listed = listed || (m.width == desk.width && m.height == desk.height && m.bits == desk.bits);
  EXPECT_TRUE(listed);
  EXPECT_FALSE(winSwitchDisplay({1600, 1200, 32}));
  ASSERT_TRUE(winSwitchDisplay(desk)) << winLastError();
  EXPECT_TRUE(winDisplaySwitched());
  winRestoreDisplay();
  EXPECT_FALSE(winDisplaySwitched());
  EXPECT_EQ(winDesktopMode().width, 1024);
}

TEST_F(WindowGLTest, VideoMemoryComesFromTheRenderer) {
  // Mesa's software renderer answers the renderer query (with the machine's memory).
  EXPECT_GT(winVideoMemoryBytes(), 0u);
  winDestroyContext();
  EXPECT_GT(winVideoMemoryBytes(), 0u);  // through a short-lived context
  EXPECT_FALSE(winHasContext());
}

TEST_F(WindowGLTest, CursorPositionIsOnTheScreen) {
  int x = -1, y = -1;
  winCursorPos(x, y);
  EXPECT_GE(x, 0);
  EXPECT_GE(y, 0);
  EXPECT_LT(x, 1024);
  EXPECT_LT(y, 768);
}
