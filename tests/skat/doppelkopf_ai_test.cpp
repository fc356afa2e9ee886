// The Doppelkopf computer player on small fixed deals: the second Dulle in the pattern
// match, known cards that never outnumber the cards there are, the Dulle's trump cost, the
// catch value and the Doppelkopf-trick gain, the Kreuz-Dame and Dulle evidence, and the
// candidate evaluation's special-point term and worked example.
#include "core/cg.h"
#include "games/skat/doppelkopf_ai.h"
#include "games/skat/doppelkopf_callbacks.h"
#include "games/skat/skat_family_ai_debug.h"
#include "platform/random.h"
#include "tests/skat/doppelkopf_fixture.h"

namespace {

class DoppelkopfAITest : public DoppelkopfFixture {
 protected:
  void SetUp() override {
    DoppelkopfFixture::SetUp();
    for (int s = 1; s <= 4; s++) cg.gs.seatProfiles[s].strength = 3;
    cg.gs.akspieler = 1;
    randomSeed(5);
  }
  static TSeatKnowledge& saved(int s) { return doppelkopfArea->savedSeatKnowledge[s]; }
  static void nothingKnown() {
    for (TPartyView& v : doppelkopfArea->views)
      for (int s = 1; s <= 4; s++) v.party[s] = v.partyGuess[s] = partyUndecided;
  }
};

TEST_F(DoppelkopfAITest, SecondDulleRanksAboveTheFirstOnlyWithTheOption) {
  const TCard dulle = card("h10");
  TCardPattern p{patternClass, 6, 0, -1, 0, false, dulle};
  for (uint8_t option : {0, 1}) {
    doppelkopfArea->options.secondDulle = option;
    EXPECT_EQ(doppelkopfAI().matches(dulle, p), option == 1);
  }
}

TEST_F(DoppelkopfAITest, KnownCardsNeverOutnumberTheCardsThere) {
  setHand(1, "c9 s9 d10 dK");
  setHand(2, "cQ cQ h10");
  setHand(3, "c10 cA");
  setHand(4, "s10 sA");
  saved(3).isVoid[6] = saved(4).isVoid[6] = 1;
  doppelkopfArea->views[1].party[2] = partyRe;
  doppelkopfAIBuildView(1);
  const THand& known = doppelkopfAIView.seats[2].knownCards;
  EXPECT_EQ(countCard(known, card("cQ")), 2);
  EXPECT_EQ(handUsed(known), 3);
  EXPECT_EQ(doppelkopfAIProbHoldsSuit(2, 6), 1.0f);
  for (int cls : {1, 2, 3, 4, 6})
    for (int seat : {2, 3, 4}) {
      const float p = doppelkopfAIProbIsVoid(seat, cls);
      EXPECT_TRUE(p >= 0.0f && p <= 1.0f) << seat << " " << cls;
    }
  EXPECT_EQ(doppelkopfAIProbHoldsSuit(7, 6), 0.0f);
}

TEST_F(DoppelkopfAITest, DulleCostsMoreBeforeThePartyIsShown) {
  setHand(1, "h10 h10 c9 s9");
  setHand(2, "cQ sQ c10 cA");
  setHand(3, "hQ dQ cK sK");
  setHand(4, "cJ sJ s10 sA");
  for (uint8_t shown : {0, 1}) {
    doppelkopfArea->views[1].shownParty = shown;
    doppelkopfAIBuildView(1);
    TCandidateRatings r{};
    doppelkopfAITrickWinChances(r);
    EXPECT_EQ(cardText(doppelkopfAIView.legalCards.k[1]), "h10");
    EXPECT_EQ(r[1].trumpCost, shown ? 160.0f : 180.0f);
  }
}

// Position 2 is worth exactly `other`; the first candidate wins ties.
int32_t choiceAgainst(const TCandidateRating& first, int32_t other) {
  TCandidateRatings r{};
  r[1] = first;
  r[2].trumpCost = float(-other);
  doppelkopfAIView.legalCards = handOf("c9 s9");
  doppelkopfAIView.viewSeat = 1;
  return doppelkopfAIEvaluateCandidates(r);
}

TEST_F(DoppelkopfAITest, WorkedExampleIsWorth62) {
  TCandidateRating c{};
  c.winChance = 0.75f;
  c.trickValue = 16;
  c.trumpCost = 20;
  c.catchValue = 1;
  EXPECT_EQ(choiceAgainst(c, 62), 1);
  EXPECT_EQ(debugLabelText(debugLabelOfSeat(1)), ">,62,62");
  EXPECT_EQ(debugLabelText(debugLabelChoice), "Sp1#_win+120#_win-40#_verlust40# zock22");
  EXPECT_EQ(choiceAgainst(c, 63), 2);
}

TEST_F(DoppelkopfAITest, SpecialPointsCountFivefoldUpToFiftyAndTwentyfoldBeyond) {
  struct Case {
    int32_t gain, worth;
  } cases[] = {{50, 250}, {51, 1020}, {-50, -250}, {-51, -1020}};
  for (const Case& c : cases) {
    TCandidateRating r{};
    r.specialGainA = c.gain;
    EXPECT_EQ(choiceAgainst(r, c.worth), 1) << c.gain;
    EXPECT_EQ(choiceAgainst(r, c.worth + 1), 2) << c.gain;
  }
}

// A Re seat whose partner takes the trick gives it the Zehn and says so in its line.
TEST_F(DoppelkopfAITest, AZehnForThePartnerShowsTheParty) {
  setHand(1, "cQ c10 cK s9");
  setHand(2, "s10 sK");
  setHand(3, "sA hA");
  setHand(4, "hK h9");
  nothingKnown();
  doppelkopfArea->views[1].party[1] = doppelkopfArea->views[1].party[3] = partyRe;
  trickCards = handOf("c9#2 cA#3 c9#4");
  aiDebugText.clear();
  doppelkopfAIBuildView(1);
  TCandidateRatings r{};
  doppelkopfAITrickWinChances(r);
  ASSERT_EQ(handText(doppelkopfAIView.legalCards), "c10 cK");
  EXPECT_EQ(r[1].revealValue, rankTen);
  EXPECT_EQ(r[2].revealValue, 0);
  EXPECT_EQ(aiDebugText, "Hier, du mich auch!");
}

// A led Ass stands unless another seat holds a higher card or can trump it.
TEST_F(DoppelkopfAITest, AnAssLedStandsUnlessAnotherSeatCanTrumpIt) {
  struct Case {
    const char* seat2;
    const char* seat3;
    const char* seat4;
    float chance;
    const char* led;
    const char* text;
  } cases[] = {
      {"c9 s9", "cK sK", "c10 s10", 1.0f, "cA", "Wkt: 1.00"},  // everybody follows, nobody trumps
      {"dQ dJ", "hQ sQ", "cJ sJ", 0.0f, "c9", ""},             // nobody follows, everybody trumps
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.led);
    setHand(1, "cA c9");
    setHand(2, c.seat2);
    setHand(3, c.seat3);
    setHand(4, c.seat4);
    nothingKnown();
    doppelkopfArea->views[1].party[1] = partyKontra;  // no Kreuz-Dame
    doppelkopfAIBuildView(1);
    EXPECT_FLOAT_EQ(doppelkopfAI().aceTrickChance(card("cA")), c.chance);
    EXPECT_EQ(cardText(doppelkopfAIChooseCard()), c.led);
    EXPECT_EQ(debugLabelText(debugLabelOfSeat(1)), "#");
    EXPECT_EQ(aiDebugText, c.text);
  }
}

TEST_F(DoppelkopfAITest, TheDebugLabelsShowTheViews) {
  nothingKnown();
  doppelkopfArea->views[2].party[2] = partyKontra;
  doppelkopfArea->views[2].party[4] = partyRe;
  doppelkopfRefreshPlayers();
  EXPECT_EQ(debugLabelText(2), " [K] R");
}

// Eighteen unseen trumps and an unseen Kreuz-Zehn and Kreuz-Ass: only those two rank below the
// lowest trump, and their 21 points are shared by all twenty unseen cards.
TEST_F(DoppelkopfAITest, CatchValueDividesByEveryUnseenCard) {
  setHand(1, "d9 c9");
  setHand(2, "h10 h10 cQ cQ sQ sQ hQ");
  setHand(3, "hQ dQ dQ cJ cJ sJ sJ");
  setHand(4, "hJ hJ dJ dJ c10 cA");
  nothingKnown();
  doppelkopfAIBuildView(1);
  TCandidateRatings r{};
  doppelkopfAITrickWinChances(r);
  ASSERT_EQ(handText(doppelkopfAIView.legalCards), "d9 c9");
  EXPECT_FLOAT_EQ(r[1].catchValue, 1.05f);
  EXPECT_EQ(r[2].catchValue, 0.0f);
}

// Seat 1, out of Kreuz, plays the last card: the Dulle or the Pik-Ass. At the last card the chance is 0, 0.9 or 1 before noise, so a trick of 40 or more gives -100 or 100.
TEST_F(DoppelkopfAITest, ABigTrickWeighsByItsChance) {
  doppelkopfArea->options.doppelkopf = 1;
  setHand(1, "h10 sA");
  setHand(2, "s10 sK");
  setHand(3, "hA h9");
  setHand(4, "hK h9");
  nothingKnown();
  doppelkopfArea->views[1].party[1] = partyKontra;
  struct Case {
    const char* trick;
    int32_t dulle, ass;  // specialGainB of the two candidates
  } cases[] = {
      {"cA#2 c10#3 cA#4", 100, -100},  // 42 points taken, 43 given
      {"c10#2 cK#3 c10#4", 0, 0},      // 34 and 35
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.trick);
    trickCards = handOf(c.trick);
    doppelkopfAIBuildView(1);
    TCandidateRatings r{};
    doppelkopfAITrickWinChances(r);
    ASSERT_EQ(handText(doppelkopfAIView.legalCards), "h10 sA");
    EXPECT_EQ(r[1].specialGainB, c.dulle);
    EXPECT_EQ(r[2].specialGainB, c.ass);
  }
}

// Seat 2 plays into the trick; seats 1 and 4 believe themselves Kontra, seat 3 Re. The rows
// show evidence[2][v] in the views v = 1, 3 and 4.
TEST_F(DoppelkopfAITest, KreuzDameAndDulleRules) {
  struct Case {
    const char* what;
    const char* trick;
    const char* card;
    int32_t publicParty;  // seat 2's entry in the public view
    int32_t inView1, inView3, inView4;
  } cases[] = {
      {"a lead shows nothing", "", "s9", partyUndecided, 0, 0, 0},
      {"a discard while no Re is known: Kontra", "cA#1", "s9", partyUndecided, 100, -100, 100},
      {"a Kreuz-Dame on a plain suit is no discard", "cA#1", "cQ", partyUndecided, 0, 0, 0},
      {"a public seat's Dulle over a Kreuz-Dame", "cQ#1", "h10", partyRe, 100, -100, 100},
      {"an open seat's Dulle over the Fuchs", "dA#1", "h10", partyUndecided, 60, -60, 60},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    setHand(1, "c10 sA hA");
    setHand(2, "s9 cQ h10 c9");
    setHand(3, "cK sK hK");
    setHand(4, "d9 dK s10");
    nothingKnown();
    for (TPartyView& v : doppelkopfArea->views)
      for (int& e : v.evidence) e = 0;
    doppelkopfArea->views[0].party[2] = c.publicParty;
    doppelkopfArea->views[1].party[1] = partyKontra;
    doppelkopfArea->views[3].party[3] = partyRe;
    doppelkopfArea->views[4].party[4] = partyKontra;
    trickCards = handOf(c.trick);
    TCard played = card(c.card);
    played.hi = 2;
    doppelkopfAI().inferParties(played);
    EXPECT_EQ(doppelkopfArea->views[1].evidence[4 * 1 + 1], c.inView1);
    EXPECT_EQ(doppelkopfArea->views[3].evidence[4 * 1 + 3], c.inView3);
    EXPECT_EQ(doppelkopfArea->views[4].evidence[4 * 1 + 4], c.inView4);
  }
}

}  // namespace
