// The layout helpers that know the running game: the cell shift of lists and tables, the
// per-game column offsets, the Blackjack game list and its adjustment.
#include <gtest/gtest.h>

#include "core/cg.h"
#include "engine/dialogs.h"
#include "engine/engine_form.h"
#include "engine/skins.h"
#include "engine/window_layout.h"
#include "engine/window_shape.h"
#include "shell/game_dialogs.h"
#include "tests/engine/engine_fixture.h"

namespace {

class SkinLayoutTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    resetWindowLayout();
    savedGame_ = cg.gameId;
    dlgHelp = createDialog(85, 38, 640, 530, false, "Hilfe", false, 0, 1.0f);
    dlgGameList = createDialog(100, 60, 600, 480, false, "Spielliste", false, 0, 1.0f);
    addSimpleElement(ekButton, 300, 440, "Weiter");     // element 2: continue
    addSimpleElement(ekLabel, 20, 400, "Summe");        // element 3: the caption
    savedCaption_ = elGameListCaption;
    elGameListCaption = 3;
  }
  void TearDown() override {
    cg.gameId = savedGame_;
    dlgHelp = dlgGameList = 0;
    elGameListCaption = savedCaption_;
    resetWindowLayout();
    EngineTest::TearDown();
  }
  void openHelp() { openDialog(dlgHelp); }

 private:
  TGameId savedGame_ = gidNone;
  int32_t savedCaption_ = 0;
};

TEST_F(SkinLayoutTest, CellShiftByGame) {
  struct Case {
    TGameId game;
    double aspect;
    int32_t shift;
  } cases[] = {
      {gidSkat, 4.0 / 3, -8},        {gidSkat, 16.0 / 9, -11},   {gidDoppelkopf, 4.0 / 3, -8},
      {gidSchafkopf, 1.6, -10},      {gidPoker, 4.0 / 3, 200},   {gidBlackjack, 16.0 / 9, 30},
      {gidMauMau, 4.0 / 3, 0},       {gidNone, 4.0 / 3, 0},
  };
  for (const Case& c : cases) {
    cg.gameId = c.game;
    screenAspect = c.aspect;
    EXPECT_EQ(helpDialogShift(), c.shift) << "game " << int(c.game) << " aspect " << c.aspect;
  }
}

TEST_F(SkinLayoutTest, HelpDialogOnTopOrAnimatingStopsTheShifts) {
  cg.gameId = gidSkat;
  openHelp();
  EXPECT_EQ(helpDialogShift(), 0) << "open on top";
  int32_t value = 7;
  EXPECT_EQ(adjustForGameKind(value, 1), 1);
  EXPECT_EQ(value, 7) << "open on top";

  openDialog(dlgGameList);  // help open, but not on top
  EXPECT_EQ(helpDialogShift(), -8);
  vtl.diags[dlgHelp].showAnim.state = 2;  // fading
  EXPECT_EQ(helpDialogShift(), 0) << "fading out";
  adjustForGameKind(value, 1);
  EXPECT_EQ(value, 7) << "fading out";
}

TEST_F(SkinLayoutTest, ColumnOffsetsByGameAndKind) {
  struct Case {
    TGameId game;
    int32_t kind, before, after;
  } cases[] = {
      {gidBlackjack, 0, 500, -190}, {gidBlackjack, 2, 500, 70}, {gidBlackjack, 1, -3, -15},
      {gidSkat, 1, 10, 25},         {gidSkat, 5, 10, 30},       {gidSkat, 2, 10, 10},
      {gidDoppelkopf, 1, 10, 22},   {gidSchafkopf, 1, 0, 12},   {gidSchafkopf, 5, 0, 0},
      {gidPoker, 1, 10, 10},
  };
  for (const Case& c : cases) {
    cg.gameId = c.game;
    int32_t value = c.before;
    EXPECT_EQ(adjustForGameKind(value, c.kind), c.kind);
    EXPECT_EQ(value, c.after) << "game " << int(c.game) << " kind " << c.kind;
  }
}

TEST_F(SkinLayoutTest, BlackjackGameList) {
  cg.gameId = gidBlackjack;
  EXPECT_FALSE(isBlackjackListOpen()) << "closed";
  openDialog(dlgGameList);
  EXPECT_TRUE(isBlackjackListOpen());
  openDialog(dlgHelp);
  EXPECT_FALSE(isBlackjackListOpen()) << "not on top";
  openDialog(dlgGameList);
  cg.gameId = gidSkat;
  EXPECT_FALSE(isBlackjackListOpen()) << "another game";
}

TEST_F(SkinLayoutTest, GameListAdjustmentOnlyDuringBlackjack) {
  cg.gameId = gidSkat;
  adjustGameListDialog();
  EXPECT_EQ(vtl.diags[dlgGameList].elements[3].y, 400);
  EXPECT_EQ(vtl.diags[dlgGameList].elements[2].x, 300);

  cg.gameId = gidBlackjack;
  adjustGameListDialog();
  const TVTLDialog& d = vtl.diags[dlgGameList];
  EXPECT_EQ(d.elements[3].y, 315);
  EXPECT_EQ(d.elements[2].y, 355);
  EXPECT_EQ(d.elements[2].x, 140);
  EXPECT_EQ(d.elements[2].savedX, 140);
}

}  // namespace
