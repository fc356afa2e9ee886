// Overlay frame-rate bench: a 1024 x 768 window filled with dialogs (the engine options, the
// graphics dialog, a message box, a list and a table) drawn by the compositor, and the frames
// per second for each window style with the glass off (3D detail 2) and on (3D detail 5).
// Needs a display: run it under xvfb-run, e.g.
//   xvfb-run -a -s "-screen 0 1024x768x24" build/bench/ui_frames [--frames N]
// It reads the generated engine pictures of the build (build/app/data/vitrel) when they exist.
#include <GL/gl.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "engine/compositor.h"
#include "engine/dialogs.h"
#include "engine/display_modes.h"
#include "engine/elements.h"
#include "engine/engine_dialogs.h"
#include "engine/engine_form.h"
#include "engine/engine_options.h"
#include "engine/fonts.h"
#include "engine/gl_context.h"
#include "engine/gl_setup.h"
#include "engine/message_box.h"
#include "engine/picture_primitives.h"
#include "engine/skins.h"
#include "engine/text_draw.h"
#include "engine/window_form.h"
#include "engine/window_layout.h"
#include "platform/paths.h"
#include "platform/window.h"

namespace {
constexpr int32_t kWidth = 1024, kHeight = 768;

// The program folder of this build: <build>/app beside <build>/bench.
std::filesystem::path appFolder() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::path() : exe.parent_path().parent_path() / "app";
}

// Pictures and fonts of the build, when it made them; without them the dialogs draw plain.
void loadPictures(const std::filesystem::path& app) {
  const std::filesystem::path vitrel = app / "data" / "vitrel";
  // The texture loading ends the program over a missing picture: check the set first.
  for (const char* file : {"border.bmp", "load0.jpg", "load1.jpg", "loadback.bmp", "back.bmp", "titel.bmp", "elem.bmp",
                           "font.bmp", "detail.bmp"})
    if (!std::filesystem::exists(vitrel / file)) {
      std::printf("%s not generated in %s: plain drawing\n", file, vitrel.c_str());
      return;
    }
  setProgramFolder(app.string());
  appopt.vitrelFolder = programPath("\\data\\vitrel");
  loadEngineTextures(vitrel.string() + "/");
  loadSurfaces();
  try {
    loadFonts();
  } catch (const std::exception& e) {
    std::printf("fonts not loaded: %s\n", e.what());
  }
}

// Every dialog of the bench belongs to the lower layer, so all of them are drawn at once.
void showAll(int32_t d) {
  vtl.diags[d].popup = 0;
  openDialog(d);
}

void buildDialogs() {
  createMessageDialogs();
  fullscr.create();
  createEngineDialogs();
  addMessageBoxButtons(0);
  showAll(appopt.opt.dialog);
  showAll(appopt.di_vtlgrafik);
  // A yes/no box as showMessage leaves it, without its modal wait.
  setElementText(vtl.boxDialog, vtl.boxTextElement, "Wollen Sie das Spiel wirklich beenden?", 0);
  setElementVisible(vtl.boxDialog, vtl.boxOkButton, 0);
  showAll(vtl.boxDialog);
  const int32_t list = createDialog(20, 300, 300, 280, false, "Liste", true, 0, 1.0f);
  const int32_t box = addElement(ekListBox, 20, 50, "", 260, 200, 0, 1.0f);
  for (int i = 1; i <= 20; i++) addItem(box, "Eintrag " + std::to_string(i), 0);
  setSelIndex(list, box, 3);
  showAll(list);
  const int32_t table = createDialog(480, 300, 300, 280, false, "Tabelle", true, 0, 1.0f);
  const int32_t grid = addElement(ekTable, 20, 50, "", 260, 200, 3, 1.0f);
  for (const char* cell : {"Spieler", "Punkte", "Spiel", "Anna", "120", "Grand", "Bernd", "-48", "Kreuz"})
    addItem(grid, cell, 0);
  showAll(table);
}

double framesPerSecond(int32_t frames) {
  const auto start = std::chrono::steady_clock::now();
  for (int32_t i = 0; i < frames; i++) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    updateDialogAnimations();
    drawUI();
    winSwapBuffers();
  }
  glFinish();
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return seconds > 0 ? frames / seconds : 0;
}
}  // namespace

int main(int argc, char** argv) {
  int32_t frames = 100;
  for (int i = 1; i + 1 < argc; i++)
    if (std::strcmp(argv[i], "--frames") == 0) frames = std::max(1, std::atoi(argv[i + 1]));
  winSetBackend(WindowBackend::sdl);
  if (!winOpen("Skat", kWidth, kHeight) || !winCreateContext()) {
    std::printf("no window: %s (run under xvfb-run)\n", winLastError().c_str());
    return 1;
  }
  resetEngineModel();
  initFontTables();
  glSetupContextState(TVTLGLChoices(), false);
  readGLCapabilities(true);
  classifyAspect(kWidth, kHeight);
  setViewport(kWidth, kHeight);
  loadPictures(appFolder());
  buildDialogs();
  framesPerSecond(30);  // the dialogs fade in
  std::printf("ui_frames: %d frames per row, %dx%d, GL %d\n", int(frames), kWidth, kHeight, int(vtl.glVersion));
  static const char* const kStyles[] = {"", "Default", "Rounded", "Curved", "Texture"};
  for (int32_t style = 1; style <= 4; style++)
    for (int32_t detail : {2, 5}) {
      appopt.windowStyle = style;
      appopt.detailLevel = detail;
      const double fps = framesPerSecond(frames);
      std::printf("style %d %-8s detail %d (glass %s): %.1f fps\n", int(style), kStyles[style], int(detail),
                  detail >= 3 ? "on" : "off", fps);
    }
  winClose();
  return 0;
}
