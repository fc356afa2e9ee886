// Table scene frame-rate bench: a dealt three-seat Skat table at 1024 x 768, drawn in mode 0
// (plain), mode 5 (mirror and shadows) and the pick pass, with plain-coloured pictures.
// Needs a display: xvfb-run -a -s "-screen 0 1024x768x24" build/bench/table_scene [--frames N]
#include <GL/gl.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/cg.h"
#include "engine/engine_options.h"
#include "engine/gl_setup.h"
#include "engine/window_form.h"
#include "engine/window_layout.h"
#include "platform/window.h"
#include "shell/env_param.h"
#include "shell/shell_globals.h"
#include "shell/shell_state.h"
#include "table/draw_card.h"
#include "table/scene.h"
#include "table/table_globals.h"
#include "table/table_pictures.h"
#include "tests/support/dealt_table.h"

namespace {

void drawFrames(int mode, int frames) {
  for (int i = 0; i < frames; i++) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    if (mode == 1) {
      // The pick pass as the pick runs it: selection mode, names only.
      GLuint buffer[100];
      glSelectBuffer(100, buffer);
      glRenderMode(GL_SELECT);
      glInitNames();
      glPushName(0);
      pickNamesMode = 1;
      drawTableScene(1, false);
      pickNamesMode = 0;
      glRenderMode(GL_RENDER);
    } else {
      drawTableScene(mode, false);
    }
    winSwapBuffers();
  }
  glFinish();
}

// The first frames of a mode compile the software renderer's shaders; they are not counted.
double framesPerSecond(int mode, int frames) {
  drawFrames(mode, 10);
  const auto start = std::chrono::steady_clock::now();
  drawFrames(mode, frames);
  const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return s > 0 ? frames / s : 0;
}

}  // namespace

int main(int argc, char** argv) {
  int frames = 200;
  if (argc == 3 && std::strcmp(argv[1], "--frames") == 0) frames = std::atoi(argv[2]);
  winSetBackend(WindowBackend::sdl);
  if (!winOpen("Skat", 1024, 768) || !winCreateContext()) {
    std::printf("no window: %s\n", winLastError().c_str());
    return 1;
  }
  glSetupContextState(TVTLGLChoices(), false);
  classifyAspect(1024, 768);
  setViewport(1024, 768);
  appopt.detailLevel = 3;
  screenMode = 1;
  dealt_table::dealSkat();
  dealt_table::plainPictures();
  envParam.tableStyle = 3;
  std::printf("mode 0: %.1f fps\n", framesPerSecond(0, frames));
  std::printf("mode 5: %.1f fps\n", framesPerSecond(5, frames));
  std::printf("pick pass: %.1f fps\n", framesPerSecond(1, frames));
  winClose();
  return 0;
}
