// The user's panel while laying out: which buttons are enabled and what the text line says,
// and the options dialog's dealer and pack entries.
#include "core/core_messages.h"
#include "games/rummy/romme_controls.h"
#include "games/rummy/romme_step.h"
#include "tests/rummy/romme_fixture.h"

namespace {

class RommeControlsTest : public RommeTest {
 protected:
  void SetUp() override {
    RommeTest::SetUp();
    TCoreMessageRoutes routes;
    routes.lookupText = [](std::string_view key, std::string_view p1, std::string_view, std::string_view,
                           std::string_view) {
      return "{" + std::string(key) + (p1.empty() ? "" : ":" + std::string(p1)) + "}";
    };
    saved = setCoreMessageRoutes(routes);
  }
  void TearDown() override {
    setCoreMessageRoutes(saved);
    RommeTest::TearDown();
  }
  // The open decision's buttons, as the core's builder offers them.
  static void offer(int32_t kind, std::initializer_list<int16_t> values) {
    TDecisionBlock& bl = cg.gs.bl;
    bl.showOptions = 1;
    bl.decisionKind = kind;
    bl.optionCount = 0;
    for (int16_t v : values) bl.optionValues[++bl.optionCount] = v;
  }
  TCoreMessageRoutes saved;
};

TEST_F(RommeControlsTest, RommePanelFollowsTheSelectionAndTheFirstMeldMinimum) {
  struct Case {
    int32_t minimum;
    const char* hand;
    std::initializer_list<int> lifted;
    bool meld, done;
    const char* text;
    bool textEnabled;
  } cases[] = {
      {40, "cJ cQ cK h2 h9", {1, 2, 3}, false, true, "!30{f_dialog_von}40{f_romme_mindestpunktzahl}", true},
      {40, "cA hA sA h2 h9", {1, 2, 3}, true, false, "!45{f_dialog_von}40{f_romme_mindestpunktzahl}", true},
      {40, "cJ cQ cK h2 h9", {1, 4}, false, true, "!{f_romme_mindestpunktzahl}40", false},
      {0, "cJ cQ cK h2 h9", {1, 2, 3}, true, false, "", false},
  };
  for (const Case& c : cases) {
    SetUp();
    rommeArea().options.firstMeldMinimum = c.minimum;
    giveHand(1, c.hand);
    lift(c.lifted);
    offer(rommeDecisionMeld, {rommeAnswerMeld, rommeAnswerDone});
    rommeUpdateHumanControls();
    const TRommeControls& k = rommeControls();
    EXPECT_EQ(k.optionEnabled(rommeAnswerMeld), c.meld) << c.hand;
    EXPECT_EQ(k.optionEnabled(rommeAnswerDone), c.done) << c.hand;
    EXPECT_EQ(k.text, c.text) << c.hand;
    EXPECT_EQ(k.textEnabled, c.textEnabled) << c.hand;
    TearDown();
  }
}

TEST_F(RommeControlsTest, TheCardTakenFromThePileKeepsTheMeldButtonOff) {
  giveHand(1, "cJ cQ cK h2");
  rommeArea().takenDiscard = sp[1].hand.k[4];
  rommeArea().takenDiscard.hi = 4;
  lift({1, 2, 3});
  offer(rommeDecisionMeld, {rommeAnswerMeld, rommeAnswerDone});
  rommeUpdateHumanControls();
  EXPECT_FALSE(rommeControls().optionEnabled(rommeAnswerMeld));
  EXPECT_TRUE(rommeControls().optionEnabled(rommeAnswerDone));
}

TEST_F(RommeControlsTest, GinPanelShowsTheDeadwoodAndTheLimit) {
  gin();
  rommeArea().knockLimit = 10;
  rommeArea().upCardOffers = 2;
  struct Case {
    const char* hand;
    bool knock;
    const char* text;
  } cases[] = {
      {"c2 c3 c4 h5 h6 h7 s9 s10 sJ d3 d4", true, "!3 {f_ginrummy_restpunktemöglich} {f_ginrummy_needed:10}"},
      {"c2 c3 c4 h5 h6 h7 s9 dJ sK d8 d4", false, "!31 {f_ginrummy_restpunktemöglich} {f_ginrummy_needed:10}"},
  };
  for (const Case& c : cases) {
    giveHand(1, c.hand);
    offer(rommeDecisionKnock, {rommeAnswerKnock});
    rommeUpdateHumanControls();
    EXPECT_EQ(rommeControls().optionEnabled(rommeAnswerKnock), c.knock) << c.hand;
    EXPECT_EQ(rommeControls().text, c.text) << c.hand;
  }
}

TEST_F(RommeControlsTest, GinKnockerFinishesOnlyWithinTheLimit) {
  gin();
  TRommeArea& a = rommeArea();
  a.knockLimit = 10;
  a.upCardOffers = 2;
  a.knocked = 1;
  a.layOffStage = 1;
  a.knocker = 1;
  struct Case {
    const char* hand;
    bool knockerDone, done;
    const char* text;
  } cases[] = {
      {"h5 h9", false, false, "!{f_ginrummy_punkte}: 0,  {f_ginrummy_restpunkte}: 14"},
      {"h5 h2", false, true, "!{f_ginrummy_punkte}: 0,  {f_ginrummy_restpunkte}: 7"},
      {"h5 h9", true, true, "!{f_ginrummy_punkte}: 0,  {f_ginrummy_restpunkte}: 14"},
  };
  for (const Case& c : cases) {
    a.knockerDone = c.knockerDone;
    giveHand(1, c.hand);
    offer(rommeDecisionLayOut, {rommeAnswerRestart, rommeAnswerMeld, rommeAnswerDone});
    rommeUpdateHumanControls();
    EXPECT_EQ(rommeControls().optionEnabled(rommeAnswerDone), c.done) << c.hand;
    EXPECT_FALSE(rommeControls().optionEnabled(rommeAnswerRestart)) << "no meld of its own yet";
    EXPECT_EQ(rommeControls().text, c.text) << c.hand;
  }
  layMeld(1, "c2 c3 c4");
  rommeUpdateHumanControls();
  EXPECT_TRUE(rommeControls().optionEnabled(rommeAnswerRestart));
  EXPECT_EQ(rommeControls().text, "!{f_ginrummy_punkte}: 9,  {f_ginrummy_restpunkte}: 14");
}

TEST_F(RommeControlsTest, DealerEntryStepsPastSeatsBeyondThePlayerCount) {
  struct Case {
    int32_t entry, players;
    bool backwards;
    int32_t result;
  } cases[] = {{1, 2, false, 1}, {3, 2, false, 3}, {4, 2, false, 1}, {4, 2, true, 3},
               {7, 4, true, 5},  {6, 4, false, 1}, {7, 6, false, 7}, {5, 3, true, 4}};
  for (const Case& c : cases)
    EXPECT_EQ(rommeDealerEntryAfterChange(c.entry, c.players, c.backwards), c.result)
        << c.entry << " with " << c.players << " players";
  struct Packs {
    int32_t entry, players, result;
  } packs[] = {{1, 3, 1}, {1, 4, 2}, {1, 6, 2}, {3, 4, 3}, {2, 2, 2}};
  for (const Packs& p : packs) EXPECT_EQ(rommePackEntryAfterChange(p.entry, p.players), p.result);
}

}  // namespace
