// Writing the first presented frame for tests.
#include "engine/frame_dump.h"

#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "engine/gl_context.h"
#include "platform/window.h"

namespace {
bool dumped = false;

void writePpm(const char* path, int32_t width, int32_t height, const std::vector<unsigned char>& rgb) {
  std::FILE* f = std::fopen(path, "wb");
  if (!f) return;
  std::fprintf(f, "P6\n%d %d\n255\n", int(width), int(height));
  for (int32_t row = height - 1; row >= 0; row--)  // GL reads from the bottom row up
    std::fwrite(&rgb[size_t(row) * size_t(width) * 3], 1, size_t(width) * 3, f);
  std::fclose(f);
}
}  // namespace

void dumpFrameOnce() {
  if (dumped || !engineGLReady()) return;
  const char* path = std::getenv("SKAT_FRAME_DUMP");
  if (!path || !*path) return;
  dumped = true;
  int32_t width = 0, height = 0;
  winClientSize(width, height);
  if (width <= 0 || height <= 0) return;
  std::vector<unsigned char> rgb(size_t(width) * size_t(height) * 3);
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
  writePpm(path, width, height, rgb);
}
