// The Schafkopf computer player on small fixed deals: the probability core, the view's
// partner and known-card rules (Ramsch included), the trick-win chances, the candidate
// evaluation, the observation of played cards, the evidence scores and the lead rules.
#include <cmath>
#include <set>
#include <string>

#include "core/cg.h"
#include "games/skat/schafkopf_ai.h"
#include "games/skat/schafkopf_table.h"
#include "games/skat/skat_family_ai_debug.h"
#include "platform/random.h"
#include "shell/shell_state.h"
#include "tests/skat/schafkopf_fixture.h"

namespace {

class SchafkopfAITest : public SchafkopfFixture {
 protected:
  void SetUp() override {
    SchafkopfFixture::SetUp();
    for (int s = 1; s <= 4; s++) cg.gs.seatProfiles[s].strength = 3;
    cg.gs.phase = 4;
    screenMode = 1;
    randomSeed(11);
  }
  // A contract's order with its declarer as the lone player.
  static void contract(uint8_t type, uint8_t suit, int32_t soloist) {
    order(type, suit);
    schafkopfArea->declarerSeat = soloist;
    schafkopfArea->soloistSeat = soloist;
  }
  static void trick(const std::string& cards) {
    trickCards = handOf(cards);
    cg.gs.akspieler = handUsed(trickCards) == 0 ? 1 : trickCards.k[handUsed(trickCards)].hi % 4 + 1;
  }
  static TSeatKnowledge& saved(int s) { return schafkopfArea->savedSeatKnowledge[s]; }
  static void views(int viewSeat, const int32_t (&party)[5], const int32_t (&guess)[5]) {
    for (int s = 1; s <= 4; s++) {
      schafkopfArea->partyViews[viewSeat].party[s] = party[s];
      schafkopfArea->partyViews[viewSeat].partyGuess[s] = guess[s];
    }
  }
};

const std::vector<std::string> wenzDeal = {"h7 h8 h9 hQ hK h10 hA cJ", "c7 c8 c9 cQ cK c10 cA sJ",
                                           "s7 s8 s9 sQ sK s10 sA hJ", "d7 d8 d9 dQ dK d10 dA dJ"};

TEST_F(SchafkopfAITest, ProbabilityCoreAnswersTheEdgeCases) {
  deal(wenzDeal);
  contract(skfWenz, 0, 1);
  saved(2).isVoid[1] = 1;                       // seat 2 showed no Eichel
  saved(2).isVoid[4] = saved(3).isVoid[4] = 1;  // only seat 4 may hold Schellen
  schafkopfAIBuildView(1);
  TFamilyAI& ai = schafkopfAI();
  // Seat 4's Schellen are known, so seat 3 shares the three unseen trumps with nine places.
  const float trumpOdds = 1.0f - (9.0f / 17) * (8.0f / 16) * (7.0f / 15);
  struct Case {
    const char* what;
    float got, want;
  } cases[] = {
      {"no free Herz unseen: at least one", ai.probHoldsSuit(2, 3), 0.0f},
      {"no free Herz unseen: none", ai.probIsVoid(2, 3), 1.0f},
      {"known void: at least one", ai.probHoldsSuit(2, 1), 0.0f},
      {"known void: none", ai.probIsVoid(2, 1), 1.0f},
      {"the only seat left with Schellen", ai.probHoldsSuit(4, 4), 1.0f},
      {"worth more than an Ace", ai.probWorthMore(3, 0, card("cA")), 0.0f},
      {"three unseen trumps", ai.probHoldsSuit(3, 6), trumpOdds},
      {"seat 0", ai.probHoldsSuit(0, 6), 0.0f},
      {"seat 5", ai.probHoldsSuit(5, 6), 0.0f},
  };
  for (const Case& c : cases) EXPECT_NEAR(c.got, c.want, 1e-5) << c.what;
  EXPECT_EQ(handText(schafkopfAIView.seats[4].knownCards), "d7 d8 d9 dQ dK d10 dA");
}

TEST_F(SchafkopfAITest, RamschGivesNobodyPartnersAndGuessesNoTrump) {
  deal(wenzDeal);
  for (uint8_t type : {skfWenz, skfRamsch}) {
    SCOPED_TRACE(int(type));
    contract(type, 0, 2);  // in Ramsch the lone seat is a leftover of an earlier game
    schafkopfAIBuildView(1);
    TFamilyAI& ai = schafkopfAI();
    const bool ramsch = type == skfRamsch;
    EXPECT_EQ(ai.arePartners(3, 4, 1), !ramsch);
    EXPECT_EQ(schafkopfAIView.partner, ramsch ? 0 : 4);
    EXPECT_EQ(handText(schafkopfAIView.seats[2].knownCards), ramsch ? "" : "sJ");
  }
}

// Seat 2 leads Grün, seat 3 takes it with the Ace, seat 4 follows; seat 1 plays last.
TEST_F(SchafkopfAITest, LastCardToTheBelievedPartnerRatesNineTenths) {
  deal({"s9 c7 c8 c9 d7 d8 d9 dK"});
  contract(skfRufspiel, 1, 2);
  views(1, {0, 10, 9, 9, 9}, {0, 10, 11, 10, 11});
  trick("s7#2 sA#3 s8#4");
  for (int strength : {3, 2, 1}) {
    cg.gs.seatProfiles[1].strength = strength;
    const float spread = strength == 3 ? 0.0f : strength == 2 ? 0.1f : 0.15f;
    for (int i = 0; i < (strength == 3 ? 1 : 40); i++) {
      schafkopfAIBuildView(0);
      EXPECT_EQ(schafkopfAIView.believedPartner, 3);
      EXPECT_EQ(schafkopfAIView.partner, 0);
      TCandidateRatings r{};
      schafkopfAITrickWinChances(r);
      EXPECT_NEAR(r[1].winChance, 0.9f, spread + 1e-5) << strength;
      EXPECT_TRUE(r[1].winChance >= 0.0f && r[1].winChance <= 1.0f);
    }
  }
}

TEST_F(SchafkopfAITest, TrumpCostFollowsTheUnseenTrumpsAbove) {
  deal({"cQ hQ dJ cA c7 s7 d7 d8"});
  contract(skfSolo, 3, 1);
  schafkopfAIBuildView(1);
  TCandidateRatings r{};
  schafkopfAITrickWinChances(r);
  const THand& legal = schafkopfAIView.legalCards;
  for (int i = 1; i <= handUsed(legal); i++) {
    const std::string c = cardText(legal.k[i]);
    const float want = c == "cQ" ? 120 : c == "hQ" ? 80 : c == "dJ" ? 20 : 0;
    EXPECT_EQ(r[i].trumpCost, want) << c;
  }
}

TEST_F(SchafkopfAITest, LastCardOfTheGameCatchesNothing) {
  deal({});
  for (int s = 1; s <= 4; s++) setStack(s, "");
  setStack(1, "c7");
  contract(skfSolo, 3, 2);
  trick("cA#2 cK#3 c10#4");
  schafkopfAIBuildView(0);
  TCandidateRatings r{};
  schafkopfAITrickWinChances(r);
  EXPECT_EQ(r[1].catchValue, 0.0f);
  EXPECT_FALSE(std::isnan(r[1].trickValue));
}

// Position 2 is worth exactly `other`; the first candidate wins ties.
int32_t choiceAgainst(const TCandidateRating& first, int32_t other) {
  TCandidateRatings r{};
  r[1] = first;
  r[2].trumpCost = float(-other);
  schafkopfAIView.legalCards = handOf("c7 c8");
  schafkopfAIView.viewSeat = 1;
  return schafkopfAIEvaluateCandidates(r);
}

// The lone player's Ass into a plain trick: the two seats after him can beat it only by
// trumping.
TEST_F(SchafkopfAITest, APlainCardStandsUnlessTheSeatsAfterCanTrumpIt) {
  struct Case {
    const char* seat2;
    const char* seat3;
    const char* seat4;
    float chance;
  } cases[] = {
      {"c9 cK", "c10 s7", "s8 s9", 1.0f},  // they follow below the Ass, no trump is out
      {"hQ hK", "sQ h7", "h8 h9", 0.0f},   // nothing but trumps is out
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.seat2);
    deal({});
    const char* hands[] = {"cA c8", c.seat2, c.seat3, c.seat4};
    for (int s = 1; s <= 4; s++) setStack(s, hands[s - 1]);
    contract(skfSolo, 3, 1);
    trick("c7#4");
    schafkopfAIBuildView(0);
    TCandidateRatings r{};
    schafkopfAITrickWinChances(r);
    ASSERT_EQ(cardText(schafkopfAIView.legalCards.k[1]), "cA");
    EXPECT_FLOAT_EQ(r[1].winChance, c.chance);
  }
}

TEST_F(SchafkopfAITest, WorkedExampleIsWorth36) {
  order(skfSolo, 3);
  TCandidateRating c{};
  c.winChance = 0.75f;
  c.trickValue = 16;
  c.trumpCost = 20;
  c.catchValue = 1;
  EXPECT_EQ(choiceAgainst(c, 36), 1);
  EXPECT_EQ(debugLabelText(debugLabelOfSeat(1)), ">,36,36");
  EXPECT_EQ(debugLabelText(debugLabelChoice), "Sp1#_win(+)120#_win(-)66#_verlust40# zock22");
  EXPECT_EQ(choiceAgainst(c, 37), 2);
}

TEST_F(SchafkopfAITest, BettelDefenderLeadsTheCardLeastLikelyToLetTheBettlerEscape) {
  contract(skfBettel, 0, 2);
  schafkopfAIView.legalCards = handOf("cA c9 c7");
  schafkopfAIView.viewSeat = 1;
  schafkopfAIView.trickCount = 0;
  TCandidateRatings r{};
  r[1].winChance = 0.5f;
  r[2].winChance = 0.2f;
  r[3].winChance = 0.2f;
  EXPECT_EQ(schafkopfAIEvaluateCandidates(r), 2);
}

TEST_F(SchafkopfAITest, BeginnerSometimesPlaysAtRandom) {
  order(skfSolo, 3);
  int others = 0;
  cg.gs.seatProfiles[1].strength = 1;
  for (int i = 0; i < 200; i++) others += choiceAgainst(TCandidateRating{}, 500) == 1 ? 1 : 0;
  EXPECT_GT(others, 10);
  EXPECT_LT(others, 60);
  cg.gs.seatProfiles[1].strength = 2;
  for (int i = 0; i < 50; i++) EXPECT_EQ(choiceAgainst(TCandidateRating{}, 500), 2);
}

TEST_F(SchafkopfAITest, VoidIsLearntAtTheNextCardOfTheTrick) {
  struct Case {
    const char* trick;
    const char* hand;  // the hand of the seat now playing
    int seat;
    bool voidInTrumps;
  } cases[] = {
      {"cQ#2 s7#3", "d7", 3, true},       // seat 3 discarded on a trump lead
      {"cQ#2 sQ#3", "d7", 3, false},      // it followed
      {"cQ#2 sQ#3 hQ#4", "s8", 1, false}, // the fourth card is never scanned
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.trick);
    for (int s = 1; s <= 4; s++) saved(s) = TSeatKnowledge{};
    deal({});
    contract(skfSolo, 3, 2);
    trick(c.trick);
    setStack(cg.gs.akspieler, c.hand);
    schafkopfAIObserve(0, 0, 1);
    EXPECT_EQ(saved(c.seat).isVoid[6] != 0, c.voidInTrumps);
  }
}

// Seat 4 puts a card into a trick seat 3 wins; in its own view it held a lower Grün.
TEST_F(SchafkopfAITest, AHighCardIntoAnotherSeatsTrickIsEvidence) {
  for (const char* c : {"s10", "s7"}) {
    SCOPED_TRACE(c);
    SetUp();
    deal({"c7 c8 c9 d7 d8 d9 dK dA", "", "", std::string(c) + " s8 h7 h8 h9 d10 hK hA"});
    contract(skfRufspiel, 1, 2);
    schafkopfArea->soloistSeat = 0;
    trick("sK#1 sA#2 cQ#3");
    for (int v = 0; v <= 4; v++) views(v, {0, 9, 9, 9, 9}, {0, 9, 9, 9, 9});
    schafkopfAIObserve(0, 0, 1);
    const int32_t e = schafkopfArea->partyViews[4].evidence[4 * 3 + 3];
    EXPECT_EQ(e, std::string(c) == "s10" ? 120 : 0);
  }
}

TEST_F(SchafkopfAITest, GuessesNeedMoreThanFortyFirst) {
  struct Case {
    int32_t evidence;
    int32_t guessBefore, fixedPartner;
    int32_t guessAfter;
  } cases[] = {
      {12, 9, 0, 10},   // 42 > 40
      {11, 9, 0, 9},    // 38
      {1, 10, 0, 10},   // an earlier guess needs only more than 0
      {500, 9, 3, -1},  // with a fixed partner no other becomes one
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.evidence);
    deal(wenzDeal);
    contract(skfRufspiel, 1, 1);
    schafkopfArea->soloistSeat = 0;
    for (int v = 0; v <= 4; v++) views(v, {0, 9, 9, 9, 9}, {0, 9, 9, 9, 9});
    TPartyView& own = schafkopfArea->partyViews[1];
    own.party[1] = own.partyGuess[1] = 10;
    own.partyGuess[2] = c.guessBefore;
    if (c.fixedPartner) own.party[c.fixedPartner] = own.partyGuess[c.fixedPartner] = 10;
    for (int& e : own.evidence) e = 0;
    own.evidence[4 * 1 + 1] = c.evidence;  // row 2, column 1
    TCard played = card("c7");
    played.hi = 1;
    schafkopfAI().inferParties(played);
    if (c.guessAfter < 0)
      EXPECT_NE(own.partyGuess[2], 10);
    else
      EXPECT_EQ(own.partyGuess[2], c.guessAfter);
  }
}

TEST_F(SchafkopfAITest, LonePlayerLeads) {
  struct Case {
    const char* hand;
    int strength;
    const char* led;
  } cases[] = {
      {"cA c7 sK sA dK dA d10 s10", 1, "c7"},  // no trumps: the cheapest plain card
      {"cQ sQ hQ hA h10 c7 s7 d7", 3, "hQ"}, // the lowest of the three top trumps
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.hand);
    deal({c.hand});
    contract(skfSolo, 3, 1);
    cg.gs.seatProfiles[1].strength = c.strength;
    trick("");
    schafkopfAIBuildView(0);
    EXPECT_EQ(cardText(schafkopfAIChooseCard()), c.led);
  }
}

TEST_F(SchafkopfAITest, WithoutABelievedPartnerTheCheapestCardIsLed) {
  deal({"c7 cK sK s10 dK d10 hQ cJ"});
  contract(skfRufspiel, 2, 2);
  schafkopfArea->soloistSeat = 0;
  views(1, {0, 10, 9, 9, 9}, {0, 10, 11, 11, 11});
  trick("");
  schafkopfAIBuildView(0);
  EXPECT_EQ(schafkopfAIView.believedPartner, 0);
  EXPECT_EQ(cardText(schafkopfAIChooseCard()), "c7");
}

// A lead leaves "#" in the seat's label and rule 1's chance in the evaluation line.
TEST_F(SchafkopfAITest, TheDebugTextsNameTheLeadRule) {
  struct Case {
    const char* hand;
    int strength;
    const char* text;
  } cases[] = {
      {"cA c7", 3, "Wkt0: 1.00"},   // nobody can beat or ruff the Ass
      {"cA c7", 1, "NOMAX(1.00)"},  // a beginner does not lead by the chance
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    deal({});
    const char* hands[] = {c.hand, "c8 s7", "c9 s8", "cK s9"};
    for (int s = 1; s <= 4; s++) setStack(s, hands[s - 1]);
    contract(skfSolo, 3, 2);
    cg.gs.seatProfiles[1].strength = c.strength;
    trick("");
    setDebugLabelText(debugLabelOfSeat(1), "stale");
    schafkopfAIBuildView(0);
    schafkopfAIChooseCard();
    EXPECT_EQ(debugLabelText(debugLabelOfSeat(1)), "#");
    EXPECT_EQ(aiDebugText, c.text);
  }
}

// Each view as a line, the viewer's own entry in brackets.
TEST_F(SchafkopfAITest, TheDebugLabelsShowTheViews) {
  views(1, {0, 10, 9, 11, 0}, {0, 10, 9, 11, 0});
  views(3, {0, 9, 9, 11, 11}, {0, 9, 9, 11, 11});
  schafkopfRefreshPlayers();
  EXPECT_EQ(debugLabelText(1), "[R] Kf");
  EXPECT_EQ(debugLabelText(3), "  [K]K");
}

// Seat 4's two cards are known (nobody else may hold Schellen), so it has no free place: only
// its known cards and an empty class answer with certainty.
TEST_F(SchafkopfAITest, ASeatWithoutFreePlacesAnswersFromItsKnownCards) {
  deal({});
  const char* hands[] = {"c7 c8", "s7 s8", "s9 sK", "d9 dK"};
  for (int s = 1; s <= 4; s++) setStack(s, hands[s - 1]);
  contract(skfSolo, 3, 2);
  saved(2).isVoid[4] = saved(3).isVoid[4] = 1;
  schafkopfAIBuildView(1);
  TFamilyAI& ai = schafkopfAI();
  ASSERT_EQ(handText(schafkopfAIView.seats[4].knownCards), "d9 dK");
  struct Case {
    const char* what;
    float got, want;
  } cases[] = {
      {"Grün, unseen elsewhere: at least one", ai.probHoldsSuit(4, 2), 0.0f},
      {"Grün, unseen elsewhere: none", ai.probIsVoid(4, 2), 0.0f},
      {"Eichel, nothing unseen: none", ai.probIsVoid(4, 1), 1.0f},
      {"its known Schellen: at least one", ai.probHoldsSuit(4, 4), 1.0f},
      {"its known Schellen: none", ai.probIsVoid(4, 4), 0.0f},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.want) << c.what;
}

// Seat 1 plays after seats 3 and 4; seat 4's Eichel-Ober takes the trick and the soloist
// cannot beat it, so spending the highest trump left costs three times as much.
TEST_F(SchafkopfAITest, AHighTrumpUnderThePartnersSureTrickCostsThreefold) {
  deal({});
  const char* hands[] = {"sQ s7", "hQ h7", "c8 h8", "c9 h9"};
  for (int s = 1; s <= 4; s++) setStack(s, hands[s - 1]);
  contract(skfSolo, 3, 2);
  for (int v = 0; v <= 4; v++) views(v, {0, 11, 10, 11, 11}, {0, 11, 10, 11, 11});
  trick("c7#3 cQ#4");
  schafkopfAIBuildView(0);
  TCandidateRatings r{};
  schafkopfAITrickWinChances(r);
  ASSERT_EQ(handText(schafkopfAIView.legalCards), "sQ s7");
  EXPECT_FLOAT_EQ(r[1].winChance, 1.0f);
  EXPECT_EQ(r[1].trumpCost, 360.0f);
  EXPECT_EQ(r[2].trumpCost, 0.0f);
}

// Seat 1 leads the Eichel-König into hands that are all known: seat 2 holds Eichel above and
// below it, seat 3 Grün; seat 4 decides whether anybody else has to take the trick.
TEST_F(SchafkopfAITest, ALeadInRamschCountsTheFollowersThatHoldOnlyTrumps) {
  struct Case {
    uint8_t type;
    const char* seat4;
    float chance;
  } cases[] = {
      {skfRamsch, "hQ h7", 0.0f},  // only trumps: it must take the trick
      {skfRamsch, "d8 d9", 1.0f},
      {skfBettel, "hQ h7", 1.0f},  // no trumps in a Bettel: plain Herz
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.seat4);
    for (int s = 1; s <= 4; s++) saved(s) = TSeatKnowledge{};
    deal({});
    const char* hands[] = {"cK d7", "c7 cA", "s7 s8", c.seat4};
    for (int s = 1; s <= 4; s++) setStack(s, hands[s - 1]);
    contract(c.type, 0, 1);
    schafkopfArea->declarerSeat = 1;
    TFamilyAI& ai = schafkopfAI();
    for (int s = 2; s <= 4; s++)
      for (int cls : {1, 2, 3, 4, 6}) {
        bool holds = false;
        for (int i = 1; i <= handUsed(sp[s].hand); i++) holds = holds || ai.suitClass(sp[s].hand.k[i]) == cls;
        saved(s).isVoid[cls] = holds ? 0 : 1;
      }
    trick("");
    schafkopfAIBuildView(1);
    TCandidateRatings r{};
    schafkopfAITrickWinChances(r);
    ASSERT_EQ(cardText(schafkopfAIView.legalCards.k[1]), "cK");
    EXPECT_FLOAT_EQ(r[1].winChance, c.chance);
  }
}

// The values shown in the seat's label, one per candidate: the second candidate is a plain
// card with nothing at stake.
TEST_F(SchafkopfAITest, CandidateValuesAtTheEdges) {
  struct Case {
    const char* what;
    uint8_t type;
    float p, trick, cost, catchValue;
    const char* values;
  } cases[] = {
      {"p exactly one half: no gamble, cost factor 1", skfSolo, 0.5f, 16, 20, 0, ">,-56,-216"},
      {"catch between 0.8 and 1 times a card's share: no gamble", skfSolo, 0.75f, 16, 0, 3.5f, ">,54,-216"},
      {"Ramsch, a sure trick: eleven times", skfRamsch, 1.0f, 10, 0, 0, ">,-110,110"},
      {"Ramsch, short of sure: ten times", skfRamsch, 0.998f, 10, 0, 0, ">,-100,110"},
  };
  for (const Case& c : cases) {
    order(c.type, 3);
    TCandidateRatings r{};
    r[1].winChance = c.p;
    r[1].trickValue = c.trick;
    r[1].trumpCost = c.cost;
    r[1].catchValue = c.catchValue;
    r[2].trickValue = c.trick;
    schafkopfAIView.legalCards = handOf("c7 c8");
    schafkopfAIView.viewSeat = 1;
    schafkopfAIEvaluateCandidates(r);
    EXPECT_EQ(debugLabelText(debugLabelOfSeat(1)), c.values) << c.what;
  }
}

TEST_F(SchafkopfAITest, OneLegalCardIsPlayed) {
  for (int strength : {1, 3}) {
    cg.gs.seatProfiles[1].strength = strength;
    order(skfSolo, 3);
    TCandidateRatings r{};
    schafkopfAIView.legalCards = handOf("c7");
    schafkopfAIView.viewSeat = 1;
    for (int i = 0; i < 20; i++) EXPECT_EQ(schafkopfAIEvaluateCandidates(r), 1);
    deal({"c7 sA sK s10 dA dK d10 hA"});
    contract(skfSolo, 3, 2);
    trick("cA#4");
    schafkopfAIBuildView(0);
    EXPECT_EQ(cardText(schafkopfAIChooseCard()), "c7");
  }
}

// The other hands are dealt from the rest of the deck, or hold no trump at all.
TEST_F(SchafkopfAITest, LeadRules) {
  struct Case {
    const char* what;
    uint8_t type;
    int32_t soloist, strength, believedPartner;
    const char* hand;
    bool noTrumpsOut;
    const char* led;
  } cases[] = {
      {"lone player, no trumps unseen: the cheapest plain card, trumps 50 more", skfSolo, 1, 1, 0, "h7 cK sA",
       true, "cK"},
      {"lone player with five trumps leads one", skfSolo, 1, 1, 0, "cQ h7 h8 h9 hK c7 s7 d7", false, "cQ"},
      {"only trumps: no high-card lead, the first of the cheapest", skfRufspiel, 0, 3, 0, "cQ sJ hA h10 hK h9 h8 h7",
       false, "h9"},
      {"the partner plays last, one sure winner: a König", skfRufspiel, 0, 3, 4, "cQ cK c7 c8 s8 s9 d8 d9",
       false, "cK"},
      {"the same without a König: the Ober", skfRufspiel, 0, 3, 4, "cQ c7 c8 c9 s8 s9 d8 d9", false, "cQ"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    deal({c.hand});
    if (c.noTrumpsOut) {
      const char* hands[] = {c.hand, "s7 s8 s9", "sK s10 d10", "d7 d8 d9"};
      for (int s = 1; s <= 4; s++) setStack(s, hands[s - 1]);
    }
    const bool rufspiel = c.type == skfRufspiel;
    contract(c.type, rufspiel ? 2 : 3, rufspiel ? 2 : c.soloist);
    if (rufspiel) schafkopfArea->soloistSeat = 0;
    cg.gs.seatProfiles[1].strength = c.strength;
    if (c.believedPartner > 0)
      views(1, {0, 10, 9, 9, 9}, {0, 10, 11, 11, 10});
    else
      views(1, {0, 10, 9, 9, 9}, {0, 10, 9, 9, 9});
    trick("");
    schafkopfAIBuildView(0);
    EXPECT_EQ(schafkopfAIView.believedPartner, c.believedPartner);
    EXPECT_EQ(cardText(schafkopfAIChooseCard()), c.led);
  }
}

TEST_F(SchafkopfAITest, ABeginnerLeadsAnyLegalCard) {
  deal({"cQ cK c7 c8 s8 s9 d8 d9"});
  contract(skfRufspiel, 2, 2);
  schafkopfArea->soloistSeat = 0;
  cg.gs.seatProfiles[1].strength = 1;
  trick("");
  std::set<std::string> led;
  for (int i = 0; i < 200; i++) {
    schafkopfAIBuildView(0);
    led.insert(cardText(schafkopfAIChooseCard()));
  }
  EXPECT_EQ(led.size(), 8u);
}

// Evidence between seats whose parties are public and differ goes, and so does negative
// evidence between public partners.
TEST_F(SchafkopfAITest, KnownOpponentsKeepNoEvidenceBetweenThem) {
  deal(wenzDeal);
  contract(skfRufspiel, 1, 1);
  schafkopfArea->soloistSeat = 0;
  for (int v = 0; v <= 4; v++) views(v, {0, 10, 11, 9, 10}, {0, 10, 11, 9, 10});
  for (int v = 1; v <= 4; v++) {
    TPartyView& view = schafkopfArea->partyViews[v];
    view.evidence[4 * 0 + 2] = 50;   // 1 helps 2
    view.evidence[4 * 1 + 1] = 30;   // 2 helps 1
    view.evidence[4 * 0 + 4] = -20;  // 1 works against 4
    view.evidence[4 * 0 + 3] = 40;   // 1 helps 3, whose party is open
  }
  TCard played = card("c7");
  played.hi = 1;
  schafkopfAI().inferParties(played);
  for (int v = 1; v <= 4; v++) {
    const TPartyView& view = schafkopfArea->partyViews[v];
    EXPECT_EQ(view.evidence[4 * 0 + 2], 0) << v;
    EXPECT_EQ(view.evidence[4 * 1 + 1], 0) << v;
    EXPECT_EQ(view.evidence[4 * 0 + 4], 0) << v;
    EXPECT_EQ(view.evidence[4 * 0 + 3], 40) << v;
  }
}

TEST_F(SchafkopfAITest, ProbabilityScoreSteps) {
  struct Case {
    float x;
    int32_t score;
  } cases[] = {{0.99f, 120}, {0.975f, 100}, {0.96f, 100}, {0.95f, 90}, {0.8f, 45},
               {0.6f, 3},    {0.526f, 1},   {0.525f, 0},  {0.0f, 0}};
  for (const Case& c : cases) EXPECT_EQ(TFamilyAI::probabilityScore(c.x), c.score) << c.x;
}

}  // namespace
