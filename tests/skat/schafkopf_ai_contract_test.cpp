// The Schafkopf computer player's hand ratings, its contract choice and its answers to the
// bidding: tables of hands and ratings, the thresholds, the noise by strength, and whole
// biddings of four computer seats over many seeded deals, every answer one the decision
// offers.
#include <filesystem>
#include <set>

#include "core/decision_panel.h"
#include "core/game_areas.h"
#include "core/record_io.h"
#include "engine/texts.h"
#include "games/skat/schafkopf_ai_contract.h"
#include "games/skat/schafkopf_bidding.h"
#include "games/skat/schafkopf_registration.h"
#include "platform/paths.h"
#include "platform/random.h"
#include "tests/skat/schafkopf_fixture.h"

namespace {

class SchafkopfAIContractTest : public SchafkopfFixture {
 protected:
  void SetUp() override {
    SchafkopfFixture::SetUp();
    for (int s = 1; s <= 4; s++) cg.gs.seatProfiles[s].strength = 3;
    cg.gs.dealer = 4;
    cg.gs.akspieler = 1;
    cg.gs.bl = TDecisionBlock{};
  }
  void TearDown() override {
    resetGameAreaQueries();
    if (!folder.empty()) {
      resetTextTables();
      setProgramFolder(savedFolder);
      std::filesystem::remove_all(folder);
    }
    SchafkopfFixture::TearDown();
  }

  // The decision builder with the texts of the repository and a trace log of its own.
  void useDecisionBuilder() {
    savedFolder = programFolder();
    setProgramFolder(SKAT_SOURCE_DIR);
    resetTextTables();
    loadFragments();
    char pattern[] = "/tmp/schafkopf_ai_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder = pattern;
    setProgramFolder(folder);
    schafkopfFillAreaQueries(gameAreas);
  }

  // The open decision offers exactly these values.
  static void offer(int32_t kind, std::vector<int16_t> values) {
    TDecisionBlock& bl = cg.gs.bl;
    bl = TDecisionBlock{};
    bl.showOptions = 1;
    bl.decisionKind = kind;
    bl.optionCount = int32_t(values.size());
    for (size_t i = 0; i < values.size(); i++) bl.optionValues[int(i) + 1] = values[i];
  }

  static TSchafkopfSeat& seat(int s) { return schafkopfArea->seats[s]; }

  std::string folder, savedFolder;
};

TEST_F(SchafkopfAIContractTest, TrumpRatings) {
  struct Case {
    const char* what;
    uint8_t type, suit;
    const char* hand;
    int32_t rating;
  } cases[] = {
      {"Wenz, all four Unter: 100, times 1.4 for two trumps over a quarter hand", skfWenz, 0,
       "cJ sJ hJ dJ c7 s7 h7 d7", 140},
      {"Rufspiel, the eight top trumps: 66, times 1.6", skfRufspiel, 1, "cQ sQ hQ dQ cJ sJ hJ dJ", 106},
      {"one top trump of fourteen, short of trumps: no bonus", skfRufspiel, 1, "cQ c7 c8 c9 s7 s8 s9 d7", 10},
      {"no trumps", skfGeier, 0, "cJ c7 c8 c9 s7 s8 s9 d7", 0},
      {"Bettel has no trumps to rate", skfBettel, 0, "cQ sQ hQ dQ cJ sJ hJ dJ", 0},
      {"Solo, six trumps from the fifth down: 43, times 1.6", skfSolo, 1, "cJ sJ hJ dJ cA c10 sA s10", 69},
  };
  for (const Case& c : cases) {
    order(c.type, c.suit);
    EXPECT_EQ(schafkopfAIRateTrumps(handOf(c.hand)), c.rating) << c.what;
  }
}

TEST_F(SchafkopfAIContractTest, SideSuitRatings) {
  struct Case {
    const char* what;
    uint8_t type, suit;
    const char* hand;
    int32_t called;
    bool zeroCalled;
    int32_t rating;
  } cases[] = {
      {"Ass-Zehn 1, single low cards 0.2 each", skfRufspiel, 1, "cA c10 sK d7 cQ sQ hQ dQ", 0, false, 47},
      {"a single called card without its Zehn: 0.95", skfRufspiel, 2, "cA c10 sK d7 cQ sQ hQ dQ", 2, false, 72},
      {"the called suit counted as nothing", skfRufspiel, 2, "cA c10 sK d7 cQ sQ hQ dQ", 2, true, 40},
      {"Wenz: four plain suits; Ass alone 1, Ass with another 0.6, Zehn alone 0, void 1", skfWenz, 0,
       "cJ sJ hJ dJ cA sA s7 h10", 0, false, 65},
      {"a Zehn with one more card 0.3, with two more 0.4, a single low card 0.2", skfSolo, 1,
       "s10 s7 h10 h7 h8 d7 cA c10", 0, false, 30},
      {"the called suit long: 0.5 with four cards", skfRufspiel, 1, "c7 c8 c9 cK sA dA cQ sQ", 1, false, 83},
  };
  for (const Case& c : cases) {
    order(c.type, c.suit);
    EXPECT_EQ(schafkopfAIRateSideSuits(handOf(c.hand), c.called, c.zeroCalled), c.rating) << c.what;
  }
}

TEST_F(SchafkopfAIContractTest, ContractClassThresholds) {
  const TSchafkopfAIMinimums m{56, 56, 130};
  struct Case {
    const char* what;
    int32_t type, trump, side, rating;
  } cases[] = {
      {"level 3 at 123: 130 x 0.95 in single precision rounds down", skfSolo, 70, 53, 3},
      {"one short of level 3", skfSolo, 70, 52, 2},
      {"level 4 needs 136 and 59 each", skfWenz, 77, 59, 4},
      {"level 1 at 80 with 35 side", skfGeier, 45, 35, 1},
      {"nothing below the lowest level", skfSolo, 40, 30, 0},
      {"Rufspiel's own factor: level 3 at 149", skfRufspiel, 85, 64, 3},
      {"Bettel is never rated", skfBettel, 200, 200, 0},
      {"Ramsch is never rated", skfRamsch, 200, 200, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(schafkopfAIRateContractClass(m, c.type, c.trump, c.side), c.rating) << c.what;
}

TEST_F(SchafkopfAIContractTest, MinimumsByPlaceAndStrength) {
  struct Case {
    const char* what;
    uint8_t ramsch;
    int32_t seat, strength, wishes;
    TSchafkopfAIMinimums m;
  } cases[] = {
      {"without Ramsch", 0, 4, 3, 0, {56, 56, 130}},
      {"Ramsch: Profi at the dealer", 1, 4, 3, 0, {54, 54, 126}},
      {"Ramsch: Profi right before the dealer", 1, 3, 3, 0, {55, 55, 127}},
      {"Ramsch: Profi elsewhere", 1, 1, 3, 0, {56, 56, 128}},
      {"Ramsch: Normal at the dealer", 1, 4, 2, 0, {56, 56, 128}},
      {"Ramsch: somebody wants to play already", 1, 4, 3, 1, {56, 56, 128}},
  };
  for (const Case& c : cases) {
    schafkopfArea->options.ramsch = c.ramsch;
    schafkopfArea->playWishCount = c.wishes;
    cg.gs.seatProfiles[c.seat].strength = c.strength;
    const TSchafkopfAIMinimums m = schafkopfAIMinimumsFor(c.seat);
    EXPECT_EQ(m.side, c.m.side) << c.what;
    EXPECT_EQ(m.trump, c.m.trump) << c.what;
    EXPECT_EQ(m.total, c.m.total) << c.what;
  }
}

TEST_F(SchafkopfAIContractTest, BettelSafety) {
  struct Case {
    const char* what;
    const char* hand;
    int32_t safety;
  } cases[] = {
      {"the two lowest of every suit", "c7 s7 h7 d7 c8 s8 h8 d8", 100},
      {"a Nine over two low cards with five above: one point", "c9 s7 h7 d7 s8 h8 d8 s9", 99},
      {"a Zehn over three: three points", "c10 s7 h7 d7 s8 h8 d8 s9", 97},
      {"four Aces over a Seven each: ten points each", "cA sA hA dA c7 s7 h7 d7", 60},
  };
  for (const Case& c : cases) {
    deal({c.hand});
    order(skfBettel, 0);
    EXPECT_EQ(schafkopfAIRateBettelSafety(sp[1].hand, 1), c.safety) << c.what;
  }
}

TEST_F(SchafkopfAIContractTest, ToutNeedsUnbeatableCardsInEveryClass) {
  struct Case {
    const char* what;
    uint8_t type, tout;
    const char* hand;
    int32_t canTout;
  } cases[] = {
      {"Wenz, the top Unter and the top of the only side suit", skfWenz, 1, "cJ sJ hJ dJ cA c10 cK cQ", 1},
      {"the option off", skfWenz, 0, "cJ sJ hJ dJ cA c10 cK cQ", 0},
      {"the side suit's Ass is out", skfWenz, 1, "cJ sJ hJ c10 cK cQ c9 c8", 0},
      {"no Tout in a Rufspiel", skfRufspiel, 1, "cQ sQ hQ dQ cJ sJ hJ dJ", 0},
      {"no Tout in a Bettel", skfBettel, 1, "c7 s7 h7 d7 c8 s8 h8 d8", 0},
  };
  for (const Case& c : cases) {
    deal({c.hand});
    schafkopfArea->options.tout = c.tout;
    order(c.type, 0);
    EXPECT_EQ(schafkopfAICanPlayTout(sp[1].hand, 1), c.canTout) << c.what;
  }
}

TEST_F(SchafkopfAIContractTest, ContractChoice) {
  struct Case {
    const char* what;
    uint8_t bettel, sie, tout;
    const char* hand;
    TContractRecord chosen;
    int32_t reRating;  // of the chosen contract
  } cases[] = {
      {"four Unter and two Ass-Zehn: Wenz", 0, 0, 0, "cJ sJ hJ dJ cA c10 sA s10", {skfWenz, 0, 0}, 3},
      {"nothing to play", 0, 0, 0, "c7 c8 s7 s8 h7 h8 d7 d8", {}, 0},
      {"nothing but the lowest cards: Bettel", 1, 0, 0, "c7 c8 s7 s8 h7 h8 d7 d8", {skfBettel, 0, 0}, 0},
      {"strong trumps and one low Eichel: Rufspiel on Eichel over the Eichel-Solo", 0, 0, 0,
       "cQ sQ hQ dQ cJ sJ hA c7", {skfRufspiel, 1, 0}, 3},
      {"every Ober and Unter with Sie on: Sie", 0, 1, 0, "cQ sQ hQ dQ cJ sJ hJ dJ", {skfSie, 0, 0}, 3},
      {"the same without Sie: the first suit's Solo, Tout", 0, 0, 1, "cQ sQ hQ dQ cJ sJ hJ dJ", {skfSolo, 1, 1}, 3},
      {"the same with Tout off", 0, 0, 0, "cQ sQ hQ dQ cJ sJ hJ dJ", {skfSolo, 1, 0}, 3},
  };
  for (const Case& c : cases) {
    SetUp();
    schafkopfArea->options.bettel = c.bettel;
    schafkopfArea->options.sie = c.sie;
    schafkopfArea->options.tout = c.tout;
    deal({c.hand});
    schafkopfAIChooseContract(1);
    const TContractRecord& got = seat(1).aiContract;
    EXPECT_EQ(got.type, c.chosen.type) << c.what;
    EXPECT_EQ(got.suit, c.chosen.suit) << c.what;
    EXPECT_EQ(got.tout, c.chosen.tout) << c.what;
    if (c.chosen.type >= 1) {
      EXPECT_EQ(seat(1).reRating[c.chosen.type][c.chosen.suit], c.reRating) << c.what;
    }
    // The evaluation leaves no contract applied and the bidding's order behind it.
    EXPECT_EQ(schafkopfArea->contract.type, skfNone) << c.what;
    EXPECT_EQ(handUsed(schafkopfArea->trumpList), 14) << c.what;
  }
}

TEST_F(SchafkopfAIContractTest, RufspielOnlyOnASuitTheSuitQuestionKeeps) {
  // Grün has its Ober and Unter here but no plain card; Herz is never called; the Eichel
  // Ass in hand rules Eichel out even with the own-Ace option.
  struct Case {
    const char* what;
    const char* hand;
    uint8_t ownAce;
    int32_t suit;
    bool rated;
  } cases[] = {
      {"a low Eichel card", "cQ sQ hQ dQ cJ sJ hA c7", 0, 1, true},
      {"Grün only as Ober and Unter", "cQ sQ hQ dQ cJ sJ hA c7", 0, 2, false},
      {"Herz", "cQ sQ hQ dQ cJ sJ hA c7", 0, 3, false},
      {"no Schellen card", "cQ sQ hQ dQ cJ sJ hA c7", 0, 4, false},
      {"the own Ass, own-Ace option on", "cQ sQ hQ dQ cJ sJ cA c7", 1, 1, false},
  };
  for (const Case& c : cases) {
    SetUp();
    schafkopfArea->options.ownAce = c.ownAce;
    deal({c.hand});
    schafkopfAIChooseContract(1);
    EXPECT_EQ(seat(1).contractRating[skfRufspiel][c.suit] > 0, c.rated) << c.what;
  }
}

TEST_F(SchafkopfAIContractTest, NoiseByStrength) {
  deal({"cA c10 sK d7 cQ sQ hQ dQ"});
  order(skfRufspiel, 1);
  const THand hand = sp[1].hand;
  const int32_t exact = schafkopfAIRateSideSuits(hand, 0, false);
  struct Case {
    int32_t strength, low, high;
  } cases[] = {{3, 0, 0}, {2, -5, 4}, {1, -10, 9}};
  randomSeed(7);
  for (const Case& c : cases) {
    cg.gs.seatProfiles[1].strength = c.strength;
    std::set<int32_t> seen;
    for (int i = 0; i < 300; i++) seen.insert(schafkopfAIRateSideSuits(hand, 0, false) - exact);
    EXPECT_EQ(*seen.begin(), c.low) << "strength " << c.strength;
    EXPECT_EQ(*seen.rbegin(), c.high) << "strength " << c.strength;
  }
}

TEST_F(SchafkopfAIContractTest, AnswersFromTheStoredRatings) {
  struct Case {
    const char* what;
    int32_t kind;
    std::vector<int16_t> offered;
    TContractRecord aiContract;
    int32_t kontraLevel, party, reRating, contractRating;
    int32_t answer;
  } cases[] = {
      {"97 declares", skfAskFirstSeat, {96, 43}, {}, 0, 9, 0, 0, skfAnswerDeclare},
      {"97 passes only when declaring is not offered", skfAskFirstSeat, {43}, {}, 0, 9, 0, 0, skfAnswerPass},
      {"Tout wanted", skfAskTout, {94, 95}, {skfSolo, 1, 1}, 0, 9, 0, 0, skfAskTout},
      {"Tout not wanted", skfAskTout, {94, 95}, {skfSolo, 1, 0}, 0, 9, 0, 0, skfAnswerNormal},
      {"Kontra with a rating of 0: none", skfAskKontra, {1, -1}, {}, 0, 11, 0, 0, -1},
      {"Kontra with a rating of 1", skfAskKontra, {1, -1}, {}, 0, 11, 0, 1, 1},
      {"Re with reRating 1 after Kontra: none", skfAskRe, {2, -1}, {}, 1, 10, 1, 4, -1},
      {"Re with reRating 2 after Kontra", skfAskRe, {2, -1}, {}, 1, 10, 2, 0, 2},
      {"91: the chosen suit", skfAskSuit, {1, 2, 4}, {skfRufspiel, 4, 0}, 0, 9, 0, 0, 4},
  };
  for (const Case& c : cases) {
    SetUp();
    deal({});
    schafkopfArea->contract = TContractRecord{skfSolo, 1, 0};
    schafkopfArea->kontraLevel = c.kontraLevel;
    schafkopfArea->partyViews[1].party[1] = c.party;
    seat(1).aiContract = c.aiContract;
    seat(1).seatContract = c.aiContract;
    seat(1).reRating[skfSolo][1] = uint8_t(c.reRating);
    seat(1).contractRating[skfSolo][1] = uint8_t(c.contractRating);
    offer(c.kind, c.offered);
    EXPECT_EQ(schafkopfAIAnswer(c.kind), c.answer) << c.what;
  }
}

TEST_F(SchafkopfAIContractTest, PlayWishAndDeclarationAgainstTheStandingOffer) {
  struct Case {
    const char* what;
    int32_t kind;
    const char* hand;
    int32_t highestBidder, declarationsMade;
    TContractRecord standing;  // highestOffer, and the first wisher's declaration
    std::vector<int16_t> offered;
    int32_t answer;
  } cases[] = {
      {"93, nobody offered, nothing to play: Weiter", skfAskPlay, "c7 c8 s7 s8 h7 h8 d7 d8", 0, 0, {}, {93, 37}, 37},
      {"93, nobody offered, a Wenz: Spielen", skfAskPlay, "cJ sJ hJ dJ cA c10 sA s10", 0, 0, {}, {93, 37}, 93},
      {"93, a Sie offered already", skfAskPlay, "cJ sJ hJ dJ cA c10 sA s10", 2, 0, {skfSie, 0, 0}, {93, 37}, 37},
      {"92 after an equal declaration: Passen", skfAskContract, "cJ sJ hJ dJ cA c10 sA s10", 2, 1,
       {skfWenz, 0, 0}, {43, 1, 2, 3, 4}, 43},
      {"92 after a lower declaration: the own contract", skfAskContract, "cJ sJ hJ dJ cA c10 sA s10", 2, 1,
       {skfRufspiel, 1, 0}, {43, 1, 2, 3, 4}, skfWenz},
  };
  for (const Case& c : cases) {
    SetUp();
    deal({c.hand});
    TSchafkopfArea& a = *schafkopfArea;
    a.highestBidder = c.highestBidder;
    a.highestOffer = c.standing;
    a.declarationsMade = c.declarationsMade;
    a.firstPlayWish = 2;
    seat(2).seatContract = c.standing;
    if (c.kind == skfAskContract) schafkopfAIChooseContract(1);
    offer(c.kind, c.offered);
    EXPECT_EQ(schafkopfAIAnswer(c.kind), c.answer) << c.what;
  }
}

TEST_F(SchafkopfAIContractTest, AChoiceNotOfferedFallsBackToAnOfferedAnswer) {
  deal({"cJ sJ hJ dJ cA c10 sA s10"});
  schafkopfAIChooseContract(1);
  ASSERT_EQ(seat(1).aiContract.type, skfWenz);
  struct Case {
    const char* what;
    int32_t kind;
    std::vector<int16_t> offered;
    int32_t answer;
  } cases[] = {
      {"92 with Passen: the cautious answer", skfAskContract, {43, 1, 2}, 43},
      {"92 without Passen: the offered type rated highest", skfAskContract, {7, 2, 4}, skfSolo},
      {"91 without the chosen suit: the suit rated highest", skfAskSuit, {2, 3}, 2},
      {"93 with only Weiter", skfAskPlay, {37}, 37},
      {"a kind the seat does not answer", 55, {1, 2}, trickAINoOption},
      {"nothing offered", skfAskTout, {}, trickAINoOption},
  };
  for (const Case& c : cases) {
    seat(1).seatContract = TContractRecord{skfSolo, 0, 0};
    offer(c.kind, c.offered);
    EXPECT_EQ(schafkopfAIAnswer(c.kind), c.answer) << c.what;
  }
}

TEST_F(SchafkopfAIContractTest, ASavedGameKeepsTheSeatsEvaluation) {
  TSchafkopfArea& kept = schafkopfGameArea();
  const TSchafkopfArea before = kept;
  TSchafkopfSeat& s3 = kept.seats[3];
  s3.aiContract = TContractRecord{skfSolo, 2, 1};
  s3.reRating[skfSolo][2] = 3;
  s3.contractRating[skfRufspiel][4] = 2;
  kept.seats[4].contractRating[skfSie][0] = 4;
  ByteWriter w;
  TRecordIo out(w);
  schafkopfAreaImageIo(out, cg.gs);
  kept = TSchafkopfArea{};
  ByteReader r(w.bytes());
  TRecordIo in(r);
  schafkopfAreaImageIo(in, cg.gs);
  EXPECT_FALSE(in.failed());
  EXPECT_EQ(in.pos(), out.pos());
  EXPECT_EQ(kept.seats[3].aiContract.type, skfSolo);
  EXPECT_EQ(kept.seats[3].aiContract.suit, 2);
  EXPECT_EQ(kept.seats[3].aiContract.tout, 1);
  EXPECT_EQ(kept.seats[3].reRating[skfSolo][2], 3);
  EXPECT_EQ(kept.seats[3].contractRating[skfRufspiel][4], 2);
  EXPECT_EQ(kept.seats[4].contractRating[skfSie][0], 4);
  kept = before;
}

// Four computer seats of mixed strengths bid over many seeded deals with every option
// drawn at random; the decisions are the real builder's. Every answer must be offered, and
// each bidding must end in play or in no game.
TEST_F(SchafkopfAIContractTest, SeededBiddingsAnswerOnlyOfferedValues) {
  useDecisionBuilder();
  randomSeed(20261211);
  std::set<int32_t> kindsAsked;
  for (int deal = 0; deal < 150; deal++) {
    SetUp();
    TSchafkopfArea& a = *schafkopfArea;
    TSchafkopfOptions& o = a.options;
    for (uint8_t* f : {&o.tout, &o.farbgeier, &o.farbwenz, &o.bettel, &o.sie, &o.kontra, &o.re, &o.ramsch, &o.ownAce})
      *f = uint8_t(randomBelow(2));
    schafkopfBuildDeck();
    for (int s = 1; s <= 4; s++) {
      THand h{};
      for (int i = 1; i <= 8; i++) handaddk(h, sp[schafkopfStockStack].hand.k[(s - 1) * 8 + i]);
      setStack(s, h);
      cg.gs.seatProfiles[s].strength = 1 + randomBelow(3);
    }
    sp[schafkopfStockStack].count = 0;
    cg.gs.dealer = 1 + randomBelow(4);
    cg.gs.akspieler = cg.gs.dealer;
    cg.gs.phase = 3;
    cg.gs.step = cg.gs.subStep = 0;
    cg.gs.awaitingAction = 0;
    bool ended = false;
    for (int tick = 0; tick < 400 && !ended; tick++) {
      TGameState& gs = cg.gs;
      if (gs.awaitingAction == 2) {
        const int32_t kind = gs.bl.decisionKind;
        kindsAsked.insert(kind);
        const int32_t value = schafkopfAIAnswer(kind);
        ASSERT_TRUE(trickAIOffered(value)) << "deal " << deal << ", kind " << kind << ", answer " << value;
        int16_t index = 0;
        for (int i = 1; i <= gs.bl.optionCount; i++)
          if (gs.bl.optionValues[i] == value) index = int16_t(i);
        gs.getBlender = TGetBlender{index, int16_t(value), 2};
        schafkopfCheckAction(2, index, value);
        ASSERT_NE(gs.getBlender.kind, 7) << "refused: deal " << deal << ", kind " << kind;
        gs.awaitingAction = 0;
        gs.subState = 0;
      }
      switch (gs.phase) {
        case 3: schafkopfStepAsking(); break;
        case 7: schafkopfStepDeclaring(); break;
        case 8: schafkopfStepDoubling(); break;
        default: ended = true; break;
      }
    }
    EXPECT_TRUE(ended) << "the bidding of deal " << deal << " stalled";
  }
  for (int32_t kind : {93, 97, 92, 91, 94, 44, 63}) EXPECT_TRUE(kindsAsked.count(kind)) << "never asked: " << kind;
}

}  // namespace
