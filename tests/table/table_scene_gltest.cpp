// The table scene in a real window: a dealt three-seat Skat game drawn in every table style,
// plain and with mirror and shadows, checked at chosen pixels against plain-coloured pictures.
#include <cstdlib>
#include <vector>

#include "games/skat/skat_deck.h"
#include "games/skat/skat_rules.h"
#include "games/skat/skat_state.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "shell/game_dialogs.h"
#include "shell/shell_globals.h"
#include "table/deal_moves.h"
#include "table/draw_card.h"
#include "table/scene.h"
#include "table/table_layout.h"
#include "table/table_pictures.h"
#include "tests/engine/ui_fixture.h"
#include "tests/support/dealt_table.h"
#include "tests/support/headless_skat.h"
#include "table/card_window_points.h"

namespace {

class TableSceneTest : public UiFrame {
 protected:
  void SetUp() override {
    UiFrame::SetUp();
    resetHeadlessSkat(1, TSkatOptions{});
    trickCards.anz = 0;
    dealt_table::dealSkat();
    dealt_table::plainPictures();
    appopt.detailLevel = 3;
    glDisable(GL_LIGHTING);  // colours as the pictures have them
  }
  void TearDown() override {
    dealt_table::clear();
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

// Each card of seat 1 shows its face at its index corner (the top left of the face), inside the
// window, in both views the display dialog offers.
TEST_F(TableSceneTest, SeatOnesFacesShowTheirIndexCornerInTheWindow) {
  int32_t width = 0, height = 0;
  winClientSize(width, height);
  for (int32_t view : {1, 2})
    for (int mode : {0, 5}) {
      SCOPED_TRACE(testing::Message() << "view " << view << " mode " << mode);
      envParam.perspective = view;
      buildTableLayout(false);
      envParam.tableStyle = 3;
      drawScene(mode);
      for (int32_t card = 1; card <= sp[1].count; card++) {
        const card_window::TPoint p = card_window::cardPoint(1, card, 0.1, 0.9);
        const int32_t x = int32_t(std::lround(p.x)), y = int32_t(std::lround(p.y));
        ASSERT_TRUE(x >= 0 && x < width && y >= 0 && y < height) << "card " << card << " at " << x << ", " << y;
        EXPECT_TRUE(isCardColour(pixel(x, y))) << "card " << card << " at " << x << ", " << y << ": " << pixel(x, y);
      }
    }
}

TEST_F(TableSceneTest, ThePickPassDrawsNoBackdrop) {
  glClearColor(0.5f, 0.5f, 0.5f, 0);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  drawTableScene(1, false);
  EXPECT_TRUE(near(pixel(8, 8), Rgb{128, 128, 128}, 3)) << pixel(8, 8);
  EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

// The whole frame as RGB rows from the bottom.
std::vector<unsigned char> frame() {
  std::vector<unsigned char> px(1024 * 768 * 3);
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, 1024, 768, GL_RGB, GL_UNSIGNED_BYTE, px.data());
  return px;
}

TEST_F(TableSceneTest, ASeatsSpeechBubbleStandsAtItsSeat) {
  dlgIPanel = createDialog(0, 0, 800, 600, false, "#ipanel", false, 0, 1.0f);
  elSpeechBubble[2] = addSimpleElement(1, 10, 10, "?Achtzehn");
  setElementShown(dlgIPanel, elSpeechBubble[2], 0);
  drawScene(0);
  const std::vector<unsigned char> plain = frame();
  setElementShown(dlgIPanel, elSpeechBubble[2], 1);
  elementOf(dlgIPanel, elSpeechBubble[2]).showAnim.progress = 1;
  drawScene(0);
  const std::vector<unsigned char> spoken = frame();
  int changed = 0, left = 1024, right = 0;
  for (int y = 0; y < 768; y++)
    for (int x = 0; x < 1024; x++) {
      const size_t i = size_t(y * 1024 + x) * 3;
      if (plain[i] == spoken[i] && plain[i + 1] == spoken[i + 1] && plain[i + 2] == spoken[i + 2]) continue;
      changed++;
      left = std::min(left, x), right = std::max(right, x);
    }
  EXPECT_GT(changed, 200) << "the bubble's plate";
  EXPECT_LT(right, 512) << "seat 2 sits at the left: " << left << ".." << right;
  elSpeechBubble[2] = 0;
  dlgIPanel = 0;
}

}  // namespace
