// The table scene in a real window: a dealt three-seat Skat game drawn in every table style,
// plain and with mirror and shadows, checked at chosen pixels against plain-coloured pictures.
#include <cstdlib>

#include "games/skat/skat_deck.h"
#include "games/skat/skat_rules.h"
#include "games/skat/skat_state.h"
#include "shell/shell_globals.h"
#include "table/deal_moves.h"
#include "table/draw_card.h"
#include "table/scene.h"
#include "table/table_layout.h"
#include "table/table_pictures.h"
#include "tests/engine/ui_fixture.h"
#include "tests/support/headless_skat.h"

namespace {

GLuint solidTexture(unsigned char r, unsigned char g, unsigned char b) {
  GLuint t = 0;
  glGenTextures(1, &t);
  glBindTexture(GL_TEXTURE_2D, t);
  const unsigned char px[16] = {r, g, b, 255, r, g, b, 255, r, g, b, 255, r, g, b, 255};
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 2, 2, 0, GL_RGBA, GL_UNSIGNED_BYTE, px);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  return t;
}

class TableSceneTest : public UiFrame {
 protected:
  void SetUp() override {
    UiFrame::SetUp();
    resetHeadlessSkat(1, TSkatOptions{});
    cg.gameId = gidSkat;
    cg.seatCount = playerCount = 3;
    cg.gs.tableScale = 1;
    skatInitTables();
    skatInitSortKeys();
    skatBid->gameType = skatTypeGrand;
    skatSetRankOrder(skatTypeGrand);
    trickCards.anz = 0;
    buildTableLayout(true);
    skatBuildDeck();
    for (int packet : {3, 4, 3})
      for (int seat = 1; seat <= 3; seat++) {
        gethand(seat, packet, 0, 0, 11, 0);
        for (int frame = 0; frame < 2000 && pendingMoveCount > 0; frame++) animationStep();
        finishedMoves.count = 0;
      }
    backdropTexture = int32_t(solidTexture(0, 0, 255));
    tableTexture = tableTexture2 = tableShadeTexture = int32_t(solidTexture(0, 160, 0));
    tableEdgeTexture = int32_t(solidTexture(90, 60, 30));
    for (int s = 1; s <= 4; s++)
      for (int r = 1; r <= 32; r++) cardFaceTextures[s][r] = int32_t(solidTexture(230, 0, 0));
    cardBackTexture = int32_t(solidTexture(230, 230, 0));
    plainCardTexture = int32_t(solidTexture(250, 250, 250));
    envParam.tableParamsLoaded = 1;
    envParam.tableWidth = envParam.tableHeight = envParam.edgeRepeat = 1;
    envParam.reflection = 30;
    envParam.grayLevel = 50;
    appopt.detailLevel = 3;
    glDisable(GL_LIGHTING);  // colours as the pictures have them
  }
  void TearDown() override {
    trickCards.anz = 0;
    skatBid->gameType = 0;
    backdropTexture = tableTexture = tableTexture2 = tableShadeTexture = tableEdgeTexture = 0;
    cardBackTexture = plainCardTexture = 0;
    for (int s = 1; s <= 4; s++)
      for (int r = 1; r <= 32; r++) cardFaceTextures[s][r] = 0;
    envParam = TEnvParam{};
    screenMode = 0;
    UiFrame::TearDown();
  }

  void drawScene(int mode) {
    glClearColor(0.5f, 0.5f, 0.5f, 0);
    glClearStencil(0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    drawTableScene(mode, false);
    const GLenum error = glGetError();
    EXPECT_EQ(error, GLenum(GL_NO_ERROR)) << "GL error " << error;
    if (const char* dir = std::getenv("SKAT_SCENE_DUMP"))
      dump(std::string(dir) + "/scene" + std::to_string(envParam.tableStyle) + "_" + std::to_string(mode) + ".ppm");
  }

  static bool isCloth(const Rgb& c) { return c.g > 100 && c.r < 60 && c.b < 60; }
  static bool isCardColour(const Rgb& c) { return c.r > 150 && c.g < 60 && c.b < 60; }
  bool anyCardAlong(int32_t y) {
    for (int32_t x = 0; x < 1024; x += 4)
      if (isCardColour(pixel(x, y))) return true;
    return false;
  }
};

TEST_F(TableSceneTest, EveryStylePlainAndWithEffects) {
  ASSERT_EQ(sp[1].count, 10);
  for (int style = 0; style <= 6; style++)
    for (int mode : {0, 5}) {
      SCOPED_TRACE(testing::Message() << "style " << style << " mode " << mode);
      envParam.tableStyle = style;
      drawScene(mode);
      EXPECT_TRUE(near(pixel(8, 8), Rgb{0, 0, 255}, 40)) << "backdrop " << pixel(8, 8);
      const Rgb middle = pixel(512, 330);
      EXPECT_TRUE(isCloth(middle)) << "cloth in the table's middle " << middle;
      // Seat 1's hand rises from the window's bottom edge in the normal view.
      EXPECT_TRUE(anyCardAlong(762)) << "seat 1's cards at the bottom edge";
      EXPECT_FALSE(isCardColour(middle));
    }
}

TEST_F(TableSceneTest, ThePickPassDrawsNoBackdrop) {
  glClearColor(0.5f, 0.5f, 0.5f, 0);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  drawTableScene(1, false);
  EXPECT_TRUE(near(pixel(8, 8), Rgb{128, 128, 128}, 3)) << pixel(8, 8);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

}  // namespace
