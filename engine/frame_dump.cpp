// Writing the first presented frame for tests.
#include "engine/frame_dump.h"

#include <GL/gl.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/gl_context.h"
#include "platform/window.h"

namespace {
bool dumped = false;
std::string requested;  // a later frame to write; empty none
volatile std::sig_atomic_t signalled = 0;  // SIGUSR1 asked for the next frame
int32_t signalledCount = 0;                // frames written for SIGUSR1 so far

void onFrameSignal(int) { signalled = 1; }

bool writePpm(const char* path, int32_t width, int32_t height, const std::vector<unsigned char>& rgb) {
  std::FILE* f = std::fopen(path, "wb");
  if (!f) return false;
  std::fprintf(f, "P6\n%d %d\n255\n", int(width), int(height));
  for (int32_t row = height - 1; row >= 0; row--)  // GL reads from the bottom row up
    std::fwrite(&rgb[size_t(row) * size_t(width) * 3], 1, size_t(width) * 3, f);
  return std::fclose(f) == 0;
}

// The client area of the given GL buffer, rows from the bottom; false without a window.
bool readClientArea(GLenum buffer, int32_t& width, int32_t& height, std::vector<unsigned char>& rgb) {
  winClientSize(width, height);
  if (width <= 0 || height <= 0) return false;
  rgb.assign(size_t(width) * size_t(height) * 3, 0);
  glReadBuffer(buffer);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
  return true;
}
}  // namespace

void dumpFrameOnce() {
  if (!engineGLReady()) return;
  int32_t width = 0, height = 0;
  std::vector<unsigned char> rgb;
  if (!requested.empty()) {
    if (readClientArea(GL_BACK, width, height, rgb)) writePpm(requested.c_str(), width, height, rgb);
    requested.clear();
  }
  const char* path = std::getenv("SKAT_FRAME_DUMP");
  if (!path || !*path) return;
  if (!dumped) {
    dumped = true;
    // From now on a window test may ask for more frames from outside.
    std::signal(SIGUSR1, onFrameSignal);
    if (readClientArea(GL_BACK, width, height, rgb)) writePpm(path, width, height, rgb);
    return;
  }
  if (!signalled) return;
  signalled = 0;
  // Written under a temporary name first, so a reader never sees half a picture.
  const std::string next = std::string(path) + "." + std::to_string(++signalledCount);
  if (readClientArea(GL_BACK, width, height, rgb) && writePpm((next + ".part").c_str(), width, height, rgb))
    std::rename((next + ".part").c_str(), next.c_str());
}

void requestFrameDump(const std::string& path) { requested = path; }

bool frameDumpDone() { return requested.empty(); }
