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
#include "games/skat/skat_deck.h"
#include "games/skat/skat_rules.h"
#include "games/skat/skat_state.h"
#include "platform/window.h"
#include "shell/env_param.h"
#include "shell/shell_globals.h"
#include "shell/shell_state.h"
#include "table/animation.h"
#include "table/deal_moves.h"
#include "table/draw_card.h"
#include "table/move_queue.h"
#include "table/scene.h"
#include "table/table_layout.h"
#include "table/table_globals.h"
#include "table/table_pictures.h"

namespace {

int32_t solidTexture(unsigned char r, unsigned char g, unsigned char b) {
  GLuint t = 0;
  glGenTextures(1, &t);
  glBindTexture(GL_TEXTURE_2D, t);
  const unsigned char px[16] = {r, g, b, 255, r, g, b, 255, r, g, b, 255, r, g, b, 255};
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 2, 2, 0, GL_RGBA, GL_UNSIGNED_BYTE, px);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  return int32_t(t);
}

void dealSkat() {
  cg.gameId = gidSkat;
  cg.seatCount = playerCount = 3;
  cg.gs.tableScale = 1;
  screenMode = 1;
  skatInitTables();
  skatInitSortKeys();
  skatBid->gameType = skatTypeGrand;
  skatSetRankOrder(skatTypeGrand);
  for (int s = 1; s <= stackCount; s++) sp[s].stackNo = spLayout[s].stackNo = s;
  buildTableLayout(true);
  skatBuildDeck();
  for (int packet : {3, 4, 3})
    for (int seat = 1; seat <= 3; seat++) {
      gethand(seat, packet, 0, 0, 11, 0);
      for (int frame = 0; frame < 5000 && pendingMoveCount > 0; frame++) animationStep();
      finishedMoves.count = 0;
    }
}

void pictures() {
  backdropTexture = solidTexture(0, 0, 255);
  tableTexture = tableTexture2 = tableShadeTexture = solidTexture(0, 160, 0);
  tableEdgeTexture = solidTexture(90, 60, 30);
  for (int s = 1; s <= 4; s++)
    for (int r = 1; r <= 32; r++) cardFaceTextures[s][r] = solidTexture(230, 0, 0);
  cardBackTexture = solidTexture(230, 230, 0);
  plainCardTexture = solidTexture(250, 250, 250);
  envParam.tableParamsLoaded = 1;
  envParam.tableStyle = 3;
  envParam.tableWidth = envParam.tableHeight = envParam.edgeRepeat = 1;
  envParam.reflection = 30;
  envParam.grayLevel = 50;
}

double framesPerSecond(int mode, int frames) {
  const auto start = std::chrono::steady_clock::now();
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
  dealSkat();
  pictures();
  std::printf("mode 0: %.1f fps\n", framesPerSecond(0, frames));
  std::printf("mode 5: %.1f fps\n", framesPerSecond(5, frames));
  std::printf("pick pass: %.1f fps\n", framesPerSecond(1, frames));
  winClose();
  return 0;
}
