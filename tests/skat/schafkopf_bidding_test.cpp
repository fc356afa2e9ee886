// Schafkopf's bidding driven through the asking, declaring and doubling phases with scripted
// answers: who declares, which contract stands, where play starts, Kontra and Re; answers
// the open decision does not offer are refused with a trace line and the decision stays open.
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/game_areas.h"
#include "engine/texts.h"
#include "games/skat/schafkopf_bidding.h"
#include "platform/paths.h"
#include "tests/skat/schafkopf_fixture.h"

namespace {

class SchafkopfBiddingTest : public SchafkopfFixture {
 protected:
  void SetUp() override {
    SchafkopfFixture::SetUp();
    namespace fs = std::filesystem;
    if (folder.empty()) savedFolder = programFolder();
    setProgramFolder(SKAT_SOURCE_DIR);
    resetTextTables();
    loadFragments();
    if (folder.empty()) {
      char pattern[] = "/tmp/schafkopf_bid_XXXXXX";
      ASSERT_NE(mkdtemp(pattern), nullptr);
      folder = pattern;
    }
    setProgramFolder(folder);
    std::filesystem::remove(folder + "/proto3.txt");
    schafkopfFillAreaQueries(gameAreas);
    cg.gs.dealer = 4;
    cg.gs.akspieler = 4;
    cg.gs.phase = 3;
    cg.gs.step = 0;
    cg.gs.subStep = 0;
    cg.gs.awaitingAction = 0;
    cg.gs.bl = TDecisionBlock{};
  }
  void TearDown() override {
    resetGameAreaQueries();
    std::filesystem::remove_all(folder);
    folder.clear();
    resetTextTables();
    setProgramFolder(savedFolder);
    SchafkopfFixture::TearDown();
  }

  // Answers the open decision with `value` the way the panel does (the option's index as
  // a, the value as b); false when the answer was refused.
  bool answer(int16_t value) {
    TGameState& gs = cg.gs;
    int16_t index = 0;
    for (int i = 1; i <= gs.bl.optionCount; i++)
      if (gs.bl.optionValues[i] == value) index = int16_t(i);
    gs.getBlender = TGetBlender{index, value, 2};
    schafkopfCheckAction(2, index, value);
    if (gs.getBlender.kind == 7) return false;
    gs.awaitingAction = 0;
    gs.subState = 0;
    return true;
  }

  // Runs the bidding phases, answering each decision from the script, until play starts.
  // False when the script ran out or was refused.
  bool bid(std::vector<int16_t> script) {
    size_t next = 0;
    for (int tick = 0; tick < 500; tick++) {
      TGameState& gs = cg.gs;
      if (gs.awaitingAction == 2) {
        if (next >= script.size()) return false;
        asked.push_back(gs.bl.decisionKind);
        if (!answer(script[next++])) return false;
      }
      switch (gs.phase) {
        case 3: schafkopfStepAsking(); break;
        case 7: schafkopfStepDeclaring(); break;
        case 8: schafkopfStepDoubling(); break;
        default: return next == script.size();
      }
    }
    return false;
  }

  std::string traceLog() const {
    std::ifstream in(folder + "/proto3.txt", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  std::vector<int32_t> asked;  // the decision kinds in the order they were answered
  std::string folder, savedFolder;
};

const int16_t W = 37, PLAY = 93, PASS = 43, DECLARE = 96, TOUT = 94, NORMAL = 95;

TEST_F(SchafkopfBiddingTest, BiddingOutcomes) {
  struct Case {
    const char* what;
    uint8_t ramsch, tout;
    std::vector<int16_t> script;
    TContractRecord contract;  // the applied contract
    int32_t declarer;
    int32_t step;              // of phase 4: 1 play, 77 no game
  } cases[] = {
      {"nobody plays: Kein Spiel", 0, 0, {W, W, W, W}, {}, 0, 77},
      {"nobody plays: Ramsch", 1, 0, {W, W, W, W}, {skfRamsch, 0, 0}, 0, 1},
      {"one seat: Rufspiel", 0, 0, {W, PLAY, W, W, skfRufspiel, 1}, {skfRufspiel, 1, 0}, 2, 1},
      {"one seat: Wenz, Tout off", 0, 0, {PLAY, W, W, W, skfWenz}, {skfWenz, 0, 0}, 1, 1},
      {"one seat: Farbsolo, asked for Tout", 0, 1, {W, W, W, PLAY, skfSolo, 4, NORMAL}, {skfSolo, 4, 0}, 4, 1},
      {"the first passes on 97, the second plays", 0, 0, {PLAY, PLAY, PASS, W, W, skfGeier}, {skfGeier, 0, 0}, 2, 1},
      {"Solo-Tout ends the bidding at once", 0, 1, {PLAY, PLAY, DECLARE, skfSolo, 1, TOUT}, {skfSolo, 1, 1}, 1, 1},
      {"a caption ending in Tout skips the Tout question", 0, 1,
       {PLAY, PLAY, DECLARE, skfSolo, 1, NORMAL, skfWenz, W, W}, {skfWenz, 0, 1}, 2, 1},
      {"a lower second declaration leaves the first", 0, 0,
       {PLAY, PLAY, DECLARE, skfWenz, PASS, W, W}, {skfWenz, 0, 0}, 1, 1},
  };
  for (const Case& c : cases) {
    SetUp();
    schafkopfArea->options.ramsch = c.ramsch;
    schafkopfArea->options.tout = c.tout;
    deal({"c7 s7 d7 c8 s8 d8 cK sK", "c9 s9 d9 c10 s10 d10 dK h7"});
    ASSERT_TRUE(bid(c.script)) << c.what;
    EXPECT_EQ(cg.gs.phase, 4) << c.what;
    EXPECT_EQ(cg.gs.step, c.step) << c.what;
    if (c.step == 77) continue;
    const TContractRecord& k = schafkopfArea->contract;
    EXPECT_EQ(k.type, c.contract.type) << c.what;
    EXPECT_EQ(k.suit, c.contract.suit) << c.what;
    EXPECT_EQ(k.tout, c.contract.tout) << c.what;
    if (c.declarer) {
      EXPECT_EQ(schafkopfArea->declarerSeat, c.declarer) << c.what;
    }
    EXPECT_EQ(cg.gs.akspieler, 3) << c.what << ": the seat before the dealer leads";
  }
}

TEST_F(SchafkopfBiddingTest, SoloToutStopsTheAsking) {
  schafkopfArea->options.tout = 1;
  deal({"c7 s7 d7 c8 s8 d8 cK sK"});
  ASSERT_TRUE(bid({PLAY, PLAY, DECLARE, skfSolo, 1, TOUT}));
  EXPECT_EQ(asked, (std::vector<int32_t>{93, 93, 97, 92, 91, 94}));
  for (int s = 1; s <= 4; s++) EXPECT_EQ(schafkopfArea->seats[s].answered, 1) << s;
}

TEST_F(SchafkopfBiddingTest, AnswersNotOfferedAreRefused) {
  struct Case {
    const char* what;
    const char* hand;  // seat 1's
    std::vector<int16_t> before;
    int16_t refused;
    int32_t kind;      // the decision that stays open
  } cases[] = {
      {"a value no decision offers", "c7 s7 d7 c8 s8 d8 cK sK", {}, 55, 93},
      {"Rufspiel without a callable suit", "cA sA c7 s7 hA hK hQ hJ", {PLAY, W, W, W}, skfRufspiel, 92},
      {"Herz as the called suit", "c7 s7 d7 c8 s8 d8 cK sK", {PLAY, W, W, W, skfRufspiel}, 3, 91},
      {"a suit without a plain card", "c7 c8 c9 cK d7 d8 dQ dJ", {PLAY, W, W, W, skfRufspiel}, 2, 91},
      {"Tout while the type is asked", "c7 s7 d7 c8 s8 d8 cK sK", {PLAY, W, W, W}, TOUT, 92},
  };
  for (const Case& c : cases) {
    SetUp();
    deal({c.hand});
    EXPECT_FALSE(bid(c.before)) << c.what << ": the script ends at the open decision";
    ASSERT_EQ(cg.gs.awaitingAction, 2) << c.what;
    EXPECT_FALSE(answer(c.refused)) << c.what;
    EXPECT_EQ(cg.gs.awaitingAction, 2) << c.what;
    EXPECT_EQ(cg.gs.bl.decisionKind, c.kind) << c.what;
    EXPECT_NE(traceLog().find("Schafkopf: abgelehnt"), std::string::npos) << c.what;
  }
}

TEST_F(SchafkopfBiddingTest, CardsOnlyFromTheLegalListWhileACardIsAsked) {
  deal({"cA c7 s7 d7 c8 s8 d8 sK"});
  cg.gs.akspieler = 1;
  schafkopfArea->legalCards = handOf("c7 c8");
  cg.gs.bl.decisionKind = 47;
  cg.gs.bl.cardsSelectable = 1;
  struct Case {
    int32_t slot;
    bool accepted;
  } cases[] = {{2, true}, {5, true}, {1, false}, {9, false}, {0, false}};
  for (const Case& c : cases) {
    cg.gs.getBlender = TGetBlender{0, int16_t(c.slot), 0};
    schafkopfCheckAction(0, 0, c.slot);
    EXPECT_EQ(cg.gs.getBlender.kind != 7, c.accepted) << "slot " << c.slot;
  }
  cg.gs.bl.decisionKind = 93;
  cg.gs.getBlender = TGetBlender{0, 2, 0};
  schafkopfCheckAction(0, 0, 2);
  EXPECT_EQ(cg.gs.getBlender.kind, 7) << "no card while options are asked";
}

TEST_F(SchafkopfBiddingTest, KontraByAnOpponentThenReByTheDeclarer) {
  schafkopfArea->options.kontra = 1;
  schafkopfArea->options.re = 1;
  deal({"c7 s7 d7 c8 s8 d8 cK sK"});
  // What each seat knows of itself in a Solo of seat 1.
  for (int s = 1; s <= 4; s++) schafkopfArea->partyViews[s].party[s] = s == 1 ? skfPartyRe : skfPartyKontra;
  ASSERT_TRUE(bid({PLAY, W, W, W, skfSolo, 1, 1, 2}));
  EXPECT_EQ(asked, (std::vector<int32_t>{93, 93, 93, 93, 92, 91, 44, 63}));
  EXPECT_EQ(schafkopfArea->kontraLevel, 2);
  EXPECT_EQ(cg.gs.phase, 4);
  EXPECT_EQ(cg.gs.akspieler, 3);
}

TEST_F(SchafkopfBiddingTest, NoKontraForRamsch) {
  schafkopfArea->options.kontra = 1;
  schafkopfArea->options.ramsch = 1;
  deal({});
  ASSERT_TRUE(bid({W, W, W, W}));
  EXPECT_EQ(schafkopfArea->contract.type, skfRamsch);
  EXPECT_EQ(cg.gs.phase, 4);
}

}  // namespace

namespace {

bool offered(int16_t value) {
  for (int i = 1; i <= cg.gs.bl.optionCount; i++)
    if (cg.gs.bl.optionValues[i] == value) return true;
  return false;
}

// Rufspiel is offered exactly when the suit question after it keeps a suit to call.
TEST_F(SchafkopfBiddingTest, RufspielOfferedOnlyWithASuitToCall) {
  struct Case {
    const char* what;
    const char* hand;
    uint8_t ownAce;
    std::vector<int16_t> suits;  // what 91 offers; empty: no Rufspiel at 92
  } cases[] = {
      {"plain cards of every callable suit", "c7 s7 d7 c8 s8 d8 cK sK", 0, {1, 2, 4}},
      {"the three callable Aces", "cA sA dA c7 s7 d7 hK h9", 0, {}},
      {"the three callable Aces, own Ace allowed", "cA sA dA c7 s7 d7 hK h9", 1, {1, 2, 4}},
      {"two Aces held, the third suit missing", "cA sA c7 s7 hA hK hQ hJ", 0, {}},
      {"two Aces held, own Ace allowed", "cA sA c7 s7 hA hK hQ hJ", 1, {1, 2}},
      {"only Ober, Unter and Herz", "cQ sQ hQ dQ cJ sJ hJ dJ", 1, {}},
      {"one Ace held, the other suits plain", "cA c7 s7 d7 hA hK hQ hJ", 0, {2, 4}},
  };
  for (const Case& c : cases) {
    SetUp();
    schafkopfArea->options.ownAce = c.ownAce;
    deal({c.hand});
    cg.gs.akspieler = 1;
    cg.buildDecisionDialog(92);
    EXPECT_EQ(offered(skfRufspiel), !c.suits.empty()) << c.what;
    if (c.suits.empty()) continue;
    schafkopfArea->seats[1].seatContract = TContractRecord{skfRufspiel, 0, 0};
    cg.buildDecisionDialog(91);
    std::vector<int16_t> suits;
    for (int i = 1; i <= cg.gs.bl.optionCount; i++) suits.push_back(cg.gs.bl.optionValues[i]);
    EXPECT_EQ(suits, c.suits) << c.what;
  }
}

}  // namespace
