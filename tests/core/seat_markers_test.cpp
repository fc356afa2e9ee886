// Seat under the pointer and the seats' hover markers.
#include <gtest/gtest.h>

#include <cmath>

#include "core/cg.h"
#include "core/seat_markers.h"
#include "engine/window_shape.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_form.h"
#include "engine/texts.h"
#include "games/casino/seat_cursor.h"
#include "shell/env_param.h"
#include "shell/game_dialogs.h"
#include "shell/shell_globals.h"

namespace {

class SeatMarkersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetEngineModel();
    aspectState = TVTLAspect{};
    cg.gameId = gidSkat;
    playerCount = 3;
    envParam.perspective = 0;
  }
  void TearDown() override {
    resetEngineModel();
    dlgIPanel = dlgGameList = 0;
    showSeatNames = 0;
    cg.seatCount = 0;
    for (int i = 1; i <= 6; i++) elSeatMarkers[i] = 0;
    cg.gameId = gidNone;
    cg.gs.tutorialMode = 0;
    playerCount = 0;
    envParam.perspective = 0;
  }
  // Puts the pointer on grid cell (gx, gy) of a 640 x 480 window at 4:3.
  void pointAt(int gx, int gy) {
    vtl.pointerX = static_cast<int32_t>(std::lround(gx * 640 * 1.25 / 80));
    vtl.pointerY = static_cast<int32_t>(std::lround(gy * 480 * 1.33 / 60));
  }
  // The overlay panel with one marker per seat, all hidden.
  void buildPanel() {
    dlgIPanel = createDialog(0, 0, 800, 600, false, "#ipanel", false, 0, 1.0f);
    for (int i = 1; i <= 6; i++) elSeatMarkers[i] = addSimpleElement(1, 10 * i, 10, "o");
    for (int i = 1; i <= 6; i++) elementOf(dlgIPanel, elSeatMarkers[i]).visible = 0;
  }
};

TEST_F(SeatMarkersTest, GridCentresByGameAndView) {
  struct Case {
    TGameId game;
    int seats;
    int perspective;
    int gx, gy;
    int seat;
  } cases[] = {
      {gidSkat, 3, 0, 14, 9, 2},    // (14, 8) + 3 - 2
      {gidSkat, 3, 0, 51, 10, 3},   // (53, 9) + 3 - 2, seat 3 two cells left
      {gidSkat, 3, 0, 30, 33, 1},
      {gidSkat, 3, 1, 12, 9, 2},    // from above: seat 2 two cells left
      {gidSkat, 3, 1, 53, 10, 3},   // from above: seat 3 back two cells right
      {gidSkat, 3, 0, 40, 20, 0},   // between the plates
      {gidMauMau, 2, 0, 34, 8, 2},
      {gidMauMau, 2, 0, 34 + 8, 8 + 4, 0},  // squared distance 80 is beyond 75
      {gidMauMau, 2, 0, 34 + 5, 8 + 5, 2},  // 50 is within
      {gidRomme, 4, 0, 34, 4, 3},   // (34, 5) - 1
      {gidPoker, 2, 0, 34, 5, 2},
      {gidPoker, 2, 0, 34 + 6, 5 + 3, 0},  // 45 > 40 in the chip games
      {gidSkat, 3, 0, 66, 4, 0},    // the top right corner is never a seat
  };
  for (const Case& c : cases) {
    cg.gameId = c.game;
    playerCount = c.seats;
    envParam.perspective = c.perspective;
    EXPECT_EQ(seatAtGrid(c.gx, c.gy), c.seat)
        << "game " << int(c.game) << " at (" << c.gx << ", " << c.gy << ")";
  }
}

TEST_F(SeatMarkersTest, PointerFindsAndCachesTheSeat) {
  pointAt(14, 9);
  EXPECT_EQ(seatAtCursor(false), 2);
  pointAt(40, 20);
  EXPECT_EQ(seatAtCursor(false), 0);
  EXPECT_EQ(seatAtCursor(true), 2) << "a miss keeps the last seat found";
}

TEST_F(SeatMarkersTest, MarkersFollowThePointerAndTheTutorial) {
  buildPanel();
  pointAt(51, 10);
  updateSeatMarkers();
  EXPECT_EQ(elementOf(dlgIPanel, elSeatMarkers[3]).visible, 1);
  EXPECT_EQ(elementOf(dlgIPanel, elSeatMarkers[2]).visible, 0);

  cg.gs.tutorialMode = 1;
  cg.gs.tutorialCardMarks[1] = 2;
  pointAt(40, 20);
  updateSeatMarkers();
  EXPECT_EQ(elementOf(dlgIPanel, elSeatMarkers[2]).visible, 1) << "the tutorial's seat";
  EXPECT_EQ(elementOf(dlgIPanel, elSeatMarkers[3]).visible, 0);
  EXPECT_EQ(elementOf(dlgIPanel, elSeatMarkers[4]).visible, 0) << "seats beyond the game stay";
}

TEST_F(SeatMarkersTest, LabelScaleIsTheMarkersShowProgress) {
  EXPECT_EQ(seatLabelScale(0), 1.0f);
  EXPECT_EQ(seatLabelScale(7), 1.0f);
  EXPECT_EQ(seatLabelScale(2), 0.0f) << "no panel yet";
  buildPanel();
  TVTLAnimation& a = elementOf(dlgIPanel, elSeatMarkers[2]).showAnim;
  a = TVTLAnimation{};
  a.shown = 1;
  a.progress = 0.4f;
  EXPECT_FLOAT_EQ(seatLabelScale(2), 0.4f);
  a.shown = 0;
  a.state = 2;  // fading out
  EXPECT_FLOAT_EQ(seatLabelScale(2), 0.4f);
  a.state = 0;
  EXPECT_EQ(seatLabelScale(2), 0.0f);
}

TEST_F(SeatMarkersTest, LabelShowsWithMarkerNamesButtonListAndResultBox) {
  buildPanel();
  cg.seatCount = 3;
  dlgGameList = createDialog(0, 0, 400, 300, false, "Spielliste", false, 0, 1.0f);
  vtl.boxDialog = createDialog(0, 0, 400, 300, false, "Box", false, 0, 1.0f);
  const int32_t boxTitle = 1;  // a titled dialog's title label
  const std::string result = lookupText("f_dialog_spielergebnis");
  struct Case {
    const char* what;
    TGameId game;
    int seat;
    int names;
    float marker, list, box;
    const char* boxTitle;
    float alpha;
  } cases[] = {
      {"nothing shows", gidSkat, 2, 0, 0, 0, 0, "", 0},
      {"the hover marker grows it", gidSkat, 2, 0, 0.4f, 0, 0, "", 0.4f},
      {"the game list keeps it", gidSkat, 3, 0, 0.2f, 0.7f, 0, "", 0.7f},
      {"the name button keeps it", gidSkat, 2, 1, 0.3f, 0, 0, "", 1},
      {"the result box keeps it", gidSkat, 2, 0, 0, 0, 0.6f, result.c_str(), 0.6f},
      {"another box does not", gidSkat, 2, 0, 0, 0, 0.6f, "Hinweis", 0},
      {"never the user's seat", gidSkat, 1, 1, 1, 1, 0, "", 0},
      {"nor a seat beyond the game", gidSkat, 4, 1, 0, 0, 0, "", 0},
      {"nor in poker", gidPoker, 2, 1, 1, 0, 0, "", 0},
  };
  for (const Case& c : cases) {
    cg.gameId = c.game;
    showSeatNames = c.names;
    TVTLAnimation& marker = elementOf(dlgIPanel, elSeatMarkers[c.seat < 1 || c.seat > 6 ? 2 : c.seat]).showAnim;
    marker = TVTLAnimation{};
    marker.shown = c.marker > 0;
    marker.progress = c.marker;
    dialogOf(dlgGameList).showAnim.progress = c.list;
    dialogOf(vtl.boxDialog).showAnim.progress = c.box;
    setElementText(vtl.boxDialog, boxTitle, c.boxTitle, 0);
    EXPECT_FLOAT_EQ(seatLabelAlpha(c.seat), c.alpha) << c.what;
  }
}

}  // namespace
