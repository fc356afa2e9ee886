// Picking in a real window: the dealt Skat table, the pointer aimed at seat 1's cards by their
// own window corners, the pick pass run in GL selection mode.
#include <string>
#include <vector>

#include "games/skat/skat_state.h"
#include "shell/shell_globals.h"
#include "table/card_window_points.h"
#include "table/picking.h"
#include "table/stack_sync.h"
#include "table/table_globals.h"
#include "table/table_layout.h"
#include "table/table_pictures.h"
#include "tests/engine/ui_fixture.h"
#include "tests/support/dealt_table.h"
#include "tests/support/headless_skat.h"

namespace {

using card_window::cardQuad;
using card_window::deepestPoint;
using card_window::TPoint;
using card_window::TQuad;

constexpr uint8_t kTricksPhase = 4;  // Skat's phase of playing tricks: every card leads

class PickWindowTest : public UiFrame {
 protected:
  void SetUp() override {
    UiFrame::SetUp();
    resetHeadlessSkat(1, TSkatOptions{});
    trickCards.anz = 0;
    dealt_table::dealSkat();
    dealt_table::plainPictures();
    appopt.detailLevel = 3;
    // The tricks are played, the user leads and the decision takes a hand card from the table.
    for (int32_t seat = 1; seat <= 3; seat++) syncHandFromSlots(sp[seat]);  // the hands the rules read
    cg.gs.phase = kTricksPhase;
    cg.gs.akspieler = 1;
    cg.seatRecords[1].kind = seatKindUser;
    cg.gs.bl.cardsSelectable = 1;
    inputState = 1;
    hoveredCard = pickedPile = pickedPileIndex = 0;
  }
  void TearDown() override {
    inputState = 0;
    hoveredCard = pickedPile = pickedPileIndex = prevPickedPile = prevPickedPileIndex = 0;
    lastPickedCard = pendingHoverCard = 0;
    dealt_table::clear();
    UiFrame::TearDown();
  }

  void setView(int32_t view) {
    envParam.perspective = view;
    buildTableLayout(false);
  }

  static std::vector<TQuad> quads(int32_t from, int32_t to) {
    std::vector<TQuad> q;
    for (int32_t i = from; i <= to; i++) q.push_back(cardQuad(1, i));
    return q;
  }

  // A window point inside cards first..last of seat 1 and outside every card above them.
  static TPoint aimAt(int32_t first, int32_t last) {
    double margin = 0;
    const TPoint p = deepestPoint(quads(first, last), quads(last + 1, sp[1].count), margin);
    EXPECT_GE(margin, 4) << "no room to aim at cards " << first << " to " << last;
    return p;
  }

  static int32_t pick(TPoint p) { return pickAt(int32_t(p.x), int32_t(p.y)); }
};

// In both views the display dialog offers: from above (1) and from the side (2). (The first
// start's normal view keeps the hand below the window's bottom edge, out of the pointer's reach.)
TEST_F(PickWindowTest, TheCardUnderThePointerIsTheTopmostOne) {
  ASSERT_EQ(sp[1].count, 10);
  for (int32_t view : {1, 2}) {
    SCOPED_TRACE(testing::Message() << "view " << view);
    setView(view);
    struct Case {
      const char* where;
      int32_t first, last, card;
    } cases[] = {
        {"seat 1's fifth card", 5, 5, 5},
        {"the overlap of cards 5 and 6", 5, 6, 6},
        {"the first card", 1, 1, 1},
        {"the last card", 10, 10, 10},
    };
    for (const Case& c : cases) {
      const TPoint p = aimAt(c.first, c.last);
      EXPECT_EQ(pick(p), c.card) << c.where << " at " << p.x << ", " << p.y;
      EXPECT_EQ(pickedPile, 0);
    }
    EXPECT_EQ(pickAt(8, 8), 0) << "the backdrop";
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
  }
}

TEST_F(PickWindowTest, WithoutTheUsersTurnThePreviousAnswerStays) {
  setView(2);
  const TPoint fifth = aimAt(5, 5), overlap = aimAt(5, 6);
  struct Case {
    const char* what;
    void (*set)();
  } cases[] = {
      {"a move under way (inputState 2)", [] { inputState = 2; }},
      {"Mau-Mau's own step (inputState 3)", [] { inputState = 3; }},
      {"nothing awaited (inputState 0)", [] { inputState = 0; }},
      {"a computer seat to act", [] { cg.gs.akspieler = 2, cg.seatRecords[2].kind = seatKindComputer; }},
      {"a decision that takes no table click", [] { cg.gs.bl.cardsSelectable = 0; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    inputState = 1;
    cg.gs.akspieler = 1;
    cg.gs.bl.cardsSelectable = 1;
    ASSERT_EQ(pick(fifth), 5);
    pickedPile = 13, pickedPileIndex = 2;  // a pile pick of before stays as well
    c.set();
    EXPECT_EQ(pick(overlap), 5);
    EXPECT_EQ(hoveredCard, 5);
    EXPECT_EQ(pickedPile, 13);
    EXPECT_EQ(pickedPileIndex, 2);
    EXPECT_EQ(pickAt(8, 8), 5) << "nor does a miss clear it";
    pickedPile = pickedPileIndex = 0;
  }
  inputState = 1;
  cg.gs.akspieler = 1;
  cg.gs.bl.cardsSelectable = 1;
  EXPECT_EQ(pick(overlap), 6) << "picking again once the user is to act";
}

}  // namespace
