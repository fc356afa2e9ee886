// Picking: the hit records, the best name, the decoding of names and the pick's bookkeeping.
#include "engine/engine_form.h"
#include "shell/game_dialogs.h"
#include "table/pick_names.h"
#include "table/picking.h"
#include "tests/table/table_fixture.h"

namespace {

class PickingTest : public TableTest {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    lastPickedCard = pendingHoverCard = 0;
    pickDebugText.clear();
    debugText.clear();
    setGame(gidSkat, 3);
    sp[1].count = 10;
    sp[11].count = 3;
    sp[12].count = 3;
    sp[13].count = 8;
  }
};

// Hit records as the selection buffer holds them: one name each.
std::vector<uint32_t> records(const std::vector<uint32_t>& names) {
  std::vector<uint32_t> buffer(pickBufferWords, 0);
  for (size_t i = 0; i < names.size() && 4 * i + 3 < buffer.size(); i++) {
    buffer[4 * i] = 1;
    buffer[4 * i + 1] = 100;
    buffer[4 * i + 2] = 200;
    buffer[4 * i + 3] = names[i];
  }
  return buffer;
}

bool alwaysNearer(int32_t, int32_t) { return true; }

TEST_F(PickingTest, NamesDecodeIntoHandCardsAndPileSlots) {
  struct Case {
    int32_t name, card, pile, index;
  } cases[] = {
      {105, 5, 0, 0},   {110, 10, 0, 0}, {111, 0, 0, 0},  // card 11 is not in the hand
      {2203, 0, 11, 3}, {2401, 0, 12, 1}, {2607, 0, 13, 7},
      {50, 0, 0, 0},    {3001, 0, 0, 0},  {100, 0, 0, 0},  {2000, 0, 0, 0}, {2200, 0, 0, 0},
      {2609, 0, 0, 0},  // past the discard pile's cards
      {2801, 0, 0, 0},  // pile 14 is never offered; it does not become pile 13 at 201
      {3001, 0, 0, 0},  // pile 15's card 1 is not the discard pile's 401
      {0, 0, 0, 0},     {-5, 0, 0, 0},
  };
  for (const Case& c : cases) {
    const TPickAnswer a = decodePickName(c.name, gidSkat);
    EXPECT_EQ(a.card, c.card) << "name " << c.name;
    EXPECT_EQ(a.pile, c.pile) << "name " << c.name;
    EXPECT_EQ(a.index, c.index) << "name " << c.name;
  }
}

TEST_F(PickingTest, OldMaidNamesTheSeatWhoseCardLiesUnderThePointer) {
  setGame(gidOldMaid, 4);
  sp[3].count = 9;
  sp[4].count = 2;
  struct Case {
    int32_t name, card, pile;
  } cases[] = {{307, 7, 3}, {402, 2, 4}, {403, 0, 0}, {507, 0, 0}, {1107, 0, 0}};
  for (const Case& c : cases) {
    const TPickAnswer a = decodePickName(c.name, gidOldMaid);
    EXPECT_EQ(a.card, c.card) << "name " << c.name;
    EXPECT_EQ(a.pile, c.pile) << "name " << c.name;
    EXPECT_EQ(a.index, 0) << "name " << c.name;
  }
}

TEST_F(PickingTest, BestNameRules) {
  // Meld slot 2's meld is nearer than slot 1's and 3's.
  const TMeldNearer nearer = [](int32_t a, int32_t b) { return b <= 0 || a == 2; };
  struct Case {
    TGameId game;
    std::vector<int32_t> names;
    int32_t best;
  } cases[] = {
      {gidSkat, {105, 106}, 106},              // the higher card lies on top
      {gidSkat, {106, 105}, 106},
      {gidOldMaid, {305, 306, 402}, 305},      // Old Maid keeps the lowest
      {gidOldMaid, {}, 9999},
      {gidSkat, {}, 0},
      {gidSkat, {104, 2203}, 2203},            // the offered stock wins over the hand
      {gidCanasta, {104, 2203}, 104},          // except in Canasta
      {gidCanasta, {2203, 2402}, 2402},        // nearer meld wins
      {gidCanasta, {2402, 2403}, 2402},        // a higher slot of a farther meld does not
      {gidCanasta, {2401, 2202}, 2401},        // the first meld name replaces a stock name
      {gidCanasta, {2203, 150, 120}, 150},     // the first hand hit, not the highest
      {gidCanasta, {2203, 250}, 2203},         // a hand name past 200 is not preferred
  };
  for (const Case& c : cases)
    EXPECT_EQ(bestPickName(c.names, c.game, nearer), c.best) << "game " << int(c.game) << ", first "
                                                             << (c.names.empty() ? 0 : c.names[0]);
}

TEST_F(PickingTest, WithinOneMeldTheHigherSlotWins) {
  EXPECT_EQ(bestPickName({2402, 2405, 2403}, gidCanasta, alwaysNearer), 2405);
}

TEST_F(PickingTest, HitRecordsAndOverflow) {
  const std::vector<uint32_t> buffer = records({105, 106, 2203});
  EXPECT_EQ(readPickHits(buffer.data(), 3), (std::vector<int32_t>{105, 106, 2203}));
  EXPECT_EQ(readPickHits(buffer.data(), 0), std::vector<int32_t>{});
  // An overflow (glRenderMode answers -1) reads only the first record.
  EXPECT_EQ(readPickHits(buffer.data(), -1), std::vector<int32_t>{105});
  // A count past what the buffer can hold stops at 25 records.
  std::vector<uint32_t> many;
  for (uint32_t i = 1; i <= 30; i++) many.push_back(100 + i);
  EXPECT_EQ(readPickHits(records(many).data(), 30).size(), 25u);
  EXPECT_EQ(pickDebugLine({105, 2203}), "2 s105,s2203,");
}

TEST_F(PickingTest, HitsSetTheAnswerAndKeepThePreviousPilePick) {
  sp[11].count = 2;
  pickedPile = 13;
  pickedPileIndex = 4;
  // The stock holds 2 cards: its card 3 is picked as nothing, not as hand card 4.
  EXPECT_EQ(applyPickHits({2203, 104}), 0);
  EXPECT_EQ(pickedPile, 0);
  EXPECT_EQ(pickedPileIndex, 0);
  EXPECT_EQ(prevPickedPile, 13);
  EXPECT_EQ(prevPickedPileIndex, 4);
  EXPECT_EQ(pickDebugText, "2 s2203,s104,");
  EXPECT_EQ(debugText, pickDebugText);

  sp[11].count = 3;
  applyPickHits({2203, 104});
  EXPECT_EQ(pickedPile, 11);
  EXPECT_EQ(pickedPileIndex, 3);
  EXPECT_EQ(hoveredCard, 0);

  EXPECT_EQ(applyPickHits({104, 105}), 5);
  EXPECT_EQ(lastPickedCard, 5);
  EXPECT_EQ(pickedPile, 0);
  EXPECT_EQ(prevPickedPile, 11);
}

TEST_F(PickingTest, PendingHoverCardWinsOnceWithOrWithoutHits) {
  pendingHoverCard = 7;
  EXPECT_EQ(applyPickHits({103}), 7);
  EXPECT_EQ(lastPickedCard, 3);
  EXPECT_EQ(pendingHoverCard, 0);
  EXPECT_EQ(applyPickHits({103}), 3);
  pendingHoverCard = 2;
  EXPECT_EQ(applyPickHits({}), 2);
  EXPECT_EQ(lastPickedCard, 0);
}

TEST_F(PickingTest, NoHitKeepsTheCardOfAFocusedHandButton) {
  const int32_t savedPanel = dlgIPanel, savedButton = elActionButtons[4];
  dlgIPanel = 3;
  elActionButtons[4] = 55;
  vtl.keyboardNavigation = true;
  vtl.focusDialog = 3;
  vtl.focusElement = 55;
  hoveredCard = 4;
  EXPECT_EQ(applyPickHits({}), 4);
  vtl.focusElement = 0;
  EXPECT_EQ(applyPickHits({}), 0);
  vtl.keyboardNavigation = false;
  vtl.focusDialog = 0;
  dlgIPanel = savedPanel;
  elActionButtons[4] = savedButton;
}

TEST_F(PickingTest, NoPickWhileTheUserIsNotAskedKeepsThePreviousAnswer) {
  cg.gs.akspieler = 1;
  cg.seatRecords[1].kind = seatKindUser;
  cg.gs.bl.cardsSelectable = 1;
  struct Case {
    uint8_t input;
    uint8_t kind;
  } cases[] = {{2, seatKindUser}, {0, seatKindUser}, {1, seatKindComputer}};
  for (const Case& c : cases) {
    inputState = c.input;
    cg.seatRecords[1].kind = c.kind;
    hoveredCard = 6;
    pickedPile = 12;
    pickedPileIndex = 2;
    prevPickedPile = 0;
    EXPECT_EQ(pickAt(10, 10), 6) << "inputState " << int(c.input) << ", kind " << int(c.kind);
    EXPECT_EQ(pickedPile, 12);
    EXPECT_EQ(pickedPileIndex, 2);
    EXPECT_EQ(prevPickedPile, 0);
    EXPECT_EQ(pickNamesMode, 0);
  }
  // Allowed, but nothing can be drawn without a window: no hit.
  inputState = 1;
  cg.seatRecords[1].kind = seatKindUser;
  EXPECT_EQ(pickAt(10, 10), 0);
  EXPECT_EQ(pickedPile, 0);
  EXPECT_EQ(prevPickedPile, 12);
}

TEST_F(PickingTest, MeldNearnessAsksTheMeldTableOnlyInCanasta) {
  EXPECT_TRUE(isMeldCardNearer(1, 2));  // not Canasta
  setGame(gidCanasta, 2);
  struct Case {
    int32_t a, b;
  } outside[] = {{0, 1}, {1, 0}, {4, 1}, {1, 4}, {-1, 2}};
  for (const Case& c : outside) EXPECT_TRUE(isMeldCardNearer(c.a, c.b)) << c.a << " vs " << c.b;
}

TEST_F(PickingTest, HandCardButtons) {
  const auto saved = elActionButtons;
  for (int32_t i = 0; i <= 54; i++) elActionButtons[i] = 52 + i;
  struct Case {
    int32_t n, element;
  } cases[] = {{1, 53}, {48, 100}, {54, 106}, {60, 106}, {166, 106}};
  for (const Case& c : cases) EXPECT_EQ(handCardElement(c.n), c.element) << "card " << c.n;
  elActionButtons = saved;
}

}  // namespace
