// Jass played headless through the core's tick by computer seats, with a random answerer that
// gives every seat now and then an offered answer or a legal card, and now and then one that
// must be refused: every option, mode and counting order, with and without a target.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "core/card_ai.h"
#include "games/family/jass_ai.h"
#include "games/family/jass_results.h"
#include "platform/alert.h"
#include "platform/random.h"
#include "shell/shell_state.h"
#include "tests/family/jass_fixture.h"

namespace {

struct TJassStats {
  int deals = 0, refused = 0, badAccepted = 0, goodRefused = 0, targetEnds = 0, weis = 0, stoeck = 0, pushes = 0;
  std::set<int32_t> modes;
};

bool offered(int32_t v) {
  const TDecisionBlock& b = cg.gs.bl;
  if (!b.showOptions) return false;
  for (int i = 1; i <= b.optionCount; i++)
    if (b.optionValues[i] == v) return true;
  return false;
}

// One answer for the seat to act: an offered option or a legal card, every sixth one that
// must be refused (a value not offered, a card not legal or not there).
void randomAnswer(TJassStats& st) {
  const TDecisionBlock& b = cg.gs.bl;
  const int32_t seat = cg.gs.akspieler, n = stackUsed(sp[seat]);
  std::vector<std::pair<int, int32_t>> good, bad;
  if (b.showOptions)
    for (int i = 1; i <= b.optionCount; i++) good.push_back({2, b.optionValues[i]});
  // Decision 114 (a further Weis) takes only its options, though the panel accepts cards.
  const bool cardsTaken = b.cardsSelectable && b.decisionKind != 114;
  if (cardsTaken)
    for (int i = 1; i <= handUsed(jassArea().legalCards); i++) good.push_back({0, jassArea().legalCards.k[i].hi});
  for (int32_t v : {0, 5, 15, 16, 17, 72, 99})
    if (!offered(v)) bad.push_back({2, v});
  for (int k = 1; k <= n; k++)
    if (!cardsTaken || !jassIsInLegalList(sp[seat].slots[k].card)) bad.push_back({0, k});
  bad.push_back({0, n + 1});
  const bool giveBad = randomBelow(6) == 0;
  if (good.empty() && !giveBad) return;
  const auto& pool = giveBad ? bad : good;
  auto [kind, v] = pool[size_t(randomBelow(int32_t(pool.size())))];
  cg.submitAction(kind, 0, v);
  const bool refused = cg.gs.awaitingAction == 2;
  st.refused += refused;
  if (giveBad && !refused) st.badAccepted++;
  if (!giveBad && refused) st.goodRefused++;
}

// Every card of the deck lies in exactly one of Jass's stacks: hands 1..4, taken tricks
// 7..10, stock 11, trick 12.
std::string misplacedCards() {
  std::multiset<int> seen;
  for (int s : {1, 2, 3, 4, 7, 8, 9, 10, 11, 12})
    for (int k = 1; k <= stackUsed(sp[s]); k++)
      if (!isNoCard(sp[s].slots[k].card)) seen.insert(sp[s].slots[k].card.t * 8 + sp[s].slots[k].card.f);
  if (seen.size() != 36 || std::set<int>(seen.begin(), seen.end()).size() != 36)
  {
    std::string where;
    for (int s : {1, 2, 3, 4, 7, 8, 9, 10, 11, 12}) {
      syncHandFromSlots(sp[s]);
      where += " " + std::to_string(s) + ":" + jassCodes(sp[s].hand);
    }
    return std::to_string(seen.size()) + " cards, " + std::to_string(std::set<int>(seen.begin(), seen.end()).size()) +
           " different; phase " + std::to_string(cg.gs.phase) + " sub " + std::to_string(cg.gs.subState) + where;
  }
  return {};
}

struct TVariant {
  bool weis, stoeck, obenabe, undenufe, slalom;
  int32_t order, pointsLimit, roundLimit, dealMode, direction, strength;
};

class JassPlay : public JassTable {
 protected:
  // One deal; false when it stalled.
  bool playDeal(bool newList, const TVariant& v, TJassStats& st) {
    screenMode = 1;
    cg.startGame(gidJass, newList ? 0 : 1);
    for (int s = 1; s <= 4; s++) {
      cg.seatRecords[s].kind = seatKindComputer;
      cg.gs.seatProfiles[s].strength = s == 1 ? 3 : v.strength;
    }
    std::string misplaced;
    for (int f = 0; f < 60000 && cg.gs.phase != 5; f++) {
      if (cg.gs.awaitingAction == 2 && randomBelow(3) == 0) {
        const int32_t before = cg.gs.bl.decisionKind;
        randomAnswer(st);
        if (before == 110 && cg.gs.awaitingAction != 2 && cg.gs.getBlender.res_ii == jassPushAnswer) st.pushes++;
      }
      headlessFrame();
      advanceFakeTick(50);
      // While a card flies, the table keeps its slot for Jass's own stored card; the cards are
      // counted once the deal is over (see the report of this change for the frames between).
    }
    if (cg.gs.phase != 5) return false;
    // Every card ends in exactly one place: the won piles hold each card once.
    misplaced = misplacedCards();
    EXPECT_TRUE(misplaced.empty()) << misplaced;
    const TJassState& a = jassArea();
    st.deals++;
    st.modes.insert(a.mode);
    EXPECT_EQ(cg.gs.listTotals[1], cg.gs.listTotals[3]);
    EXPECT_EQ(cg.gs.listTotals[2], cg.gs.listTotals[4]);
    const bool weis1 = a.weisPoints[1] + a.weisPoints[3] > 0, weis2 = a.weisPoints[2] + a.weisPoints[4] > 0;
    EXPECT_FALSE(weis1 && weis2) << "both teams scored Weis";
    st.weis += weis1 || weis2;
    int32_t tricks = 0, bonus = 0;
    for (int s = 1; s <= 4; s++) {
      EXPECT_EQ(a.stoeckPoints[s] % 20, 0);
      st.stoeck += a.stoeckPoints[s] / 20;
      tricks += a.trickPoints[s];
      bonus += a.lastTrickBonus[s];
    }
    if (a.lastTrickSeat != 0) {
      EXPECT_EQ(tricks, 152) << "mode " << a.mode;
      EXPECT_EQ(bonus, 5);
    } else {
      EXPECT_TRUE(jassTargetReached()) << "a deal ends early only at the target";
      st.targetEnds++;
    }
    return true;
  }
};

TEST_F(JassPlay, ListsOfComputerAndRandomSeatsEndCleanly) {
  const TVariant variants[] = {
      {true, true, true, true, true, 1, 0, 3, 1, 1, 3},        {true, true, true, true, true, 2, 1000, jassNoRoundLimit, 2, 1, 2},
      {true, true, false, false, false, 3, 500, jassNoRoundLimit, 1, 2, 1}, {false, true, true, false, true, 3, 0, 2, 2, 2, 3},
      {true, false, false, true, true, 1, 500, 4, 1, 1, 2},   {false, false, true, true, true, 2, 750, jassNoRoundLimit, 1, 1, 3},
  };
  int alerts = 0;
  setAlertSink([&alerts](const std::string&) { alerts++; });
  TJassStats st;
  randomFixSeed(2412);  // every game start draws its seed from here, not from the clock
  randomSeed(2412);
  for (const TVariant& v : variants) {
    setHeadlessDisplay(v.dealMode);
    setTopIndex(dlgDisplay, elSeatOrderList, v.direction);
    bool newList = true;
    int lists = 0;
    for (int g = 0; g < 40 && lists < 3; g++) {
      if (newList) {
        TJassState& a = jassArea();
        a.weisOn = v.weis, a.stoeckOn = v.stoeck;
        a.obenabeAllowed = v.obenabe, a.undenufeAllowed = v.undenufe, a.slalomAllowed = v.slalom;
        a.countingOrder = v.order, a.pointsLimit = v.pointsLimit, a.roundLimit = v.roundLimit;
      }
      ASSERT_TRUE(playDeal(newList, v, st)) << "stalled in deal " << g;
      newList = cg.gs.listOver != 0;
      lists += newList;
    }
  }
  setAlertSink(nullptr);
  randomReleaseSeed();
  EXPECT_EQ(alerts, 0);
  EXPECT_GT(st.refused, 0);
  EXPECT_EQ(st.badAccepted, 0);
  EXPECT_EQ(st.goodRefused, 0);
  EXPECT_GT(st.weis, 0);
  EXPECT_GT(st.stoeck, 0);
  EXPECT_GT(st.targetEnds, 0);
  for (int32_t mode : {1, 2, 3, 4, 15, 16, 18, 19}) EXPECT_EQ(st.modes.count(mode), 1u) << "mode " << mode;
}

class JassFlow : public JassTable {
 protected:
  void startList() {
    setHeadlessDisplay(1);
    TJassState& a = jassArea();
    a.weisOn = a.stoeckOn = a.obenabeAllowed = a.undenufeAllowed = a.slalomAllowed = 1;
    screenMode = 1;
    cg.startGame(gidJass, 0);
    for (int s = 1; s <= 4; s++) {
      cg.seatRecords[s].kind = seatKindComputer;
      cg.gs.seatProfiles[s].strength = 3;
    }
  }
  // Frames until the condition holds (no moves pending) or the limit.
  static bool runTo(bool (*cond)(), int limit = 20000) {
    for (int f = 0; f < limit; f++) {
      if (pendingMoveCount <= 0 && cg.gs.pendingMove == 0 && cond()) return true;
      headlessFrame();
      advanceFakeTick(50);
    }
    return false;
  }
};

bool modeAsked() { return cg.gs.awaitingAction == 2 && cg.gs.phase == jassPhaseMode; }

TEST_F(JassFlow, RefusedAnswersChangeNothing) {
  startList();
  jassArea().obenabeAllowed = 0;
  ASSERT_TRUE(runTo(modeAsked));
  const int32_t seat = cg.gs.akspieler;
  for (int32_t v : {0, 5, 15, 18, 99}) cg.submitAction(2, 0, v);
  cg.submitAction(0, 0, 1);  // a card while the mode is asked
  EXPECT_EQ(cg.gs.awaitingAction, 2);
  EXPECT_EQ(cg.gs.akspieler, seat);
  EXPECT_EQ(jassArea().mode, jassModeNone);
  cg.submitAction(2, 0, jassPushAnswer);
  ASSERT_NE(cg.gs.awaitingAction, 2);
  ASSERT_TRUE(runTo(modeAsked));
  EXPECT_EQ(cg.gs.akspieler, jassPartner(seat)) << "the push goes to the partner";
  EXPECT_FALSE(offered(jassPushAnswer)) << "one push only";
  cg.submitAction(2, 0, jassPushAnswer);
  EXPECT_EQ(cg.gs.awaitingAction, 2);
  cg.submitAction(2, 0, 16);
  ASSERT_TRUE(runTo([] { return cg.gs.awaitingAction == 2 && cg.gs.phase == jassPhaseTricks; }));
  EXPECT_EQ(jassArea().mode, jassUndenufe);
  EXPECT_EQ(cg.gs.akspieler, seat) << "the pushing seat leads";
  // A card that is not in the hand, and a Weis class not offered.
  cg.submitAction(0, 0, 10);
  cg.submitAction(2, 0, 300);
  EXPECT_EQ(cg.gs.awaitingAction, 2);
  EXPECT_EQ(handUsed(jassArea().trick), 0);
  EXPECT_EQ(jassArea().declaredWeis[seat], 0);
}

// Fixed hands: seats 1 and 2 each hold a three-card run (20), seats 3 and 4 nothing.
void dealTieHands() {
  const THand hands[5] = {THand{}, jassCards({"6c", "7c", "8c", "Ts", "Qs", "7h", "9h", "Jd", "Kd"}),
                          jassCards({"6s", "7s", "8s", "Tc", "Qc", "6h", "8h", "Td", "Qd"}),
                          jassCards({"9c", "Jc", "Kc", "9s", "Js", "Ks", "7d", "Qh", "Ah"}),
                          jassCards({"Ac", "As", "Jh", "Kh", "6d", "Th", "8d", "9d", "Ad"})};
  for (int s = 1; s <= 4; s++) {
    sp[s].hand = hands[s];
    renumberHand(sp[s].hand);
    syncSlotsFromHand(sp[s]);
    jassArea().dealtHands[s] = hands[s];
  }
}

TEST_F(JassFlow, TheWeisPhaseBreaksATieAndOnlyTheWinnersTeamScores) {
  randomSeed(31);
  startList();
  ASSERT_TRUE(runTo(modeAsked));
  dealTieHands();
  cg.submitAction(2, 0, 3);  // hearts: neither run is trump, so the tie goes to level 4
  ASSERT_TRUE(runTo([] { return cg.gs.phase == 5; }, 60000));
  const TJassState& a = jassArea();
  EXPECT_EQ(a.weisPoints[1] + a.weisPoints[2], 20);
  EXPECT_EQ(a.weisPoints[3] + a.weisPoints[4], 0);
  const int32_t winner = a.weisWinner;
  ASSERT_TRUE(winner == 1 || winner == 2);
  EXPECT_EQ(a.weisPoints[winner], 20);
  EXPECT_EQ(a.weisPoints[3 - winner], 0) << "the other team scores no Weis";
  // The announcement order decides: the seat nearer after the trump chooser in playing order.
  const int32_t chooser = a.trumpChooser;
  int32_t first = 0;
  for (int k = 0; k < 4 && first == 0; k++) {
    int32_t s = k == 0 ? chooser : seatBefore(chooser, k);
    if (s == 1 || s == 2) first = s;
  }
  EXPECT_EQ(winner, first);
}

TEST_F(JassFlow, ComputerChoosesTheLongestSuitAndPushesToAStrongerPartner) {
  cg.gs.akspieler = 1;
  setHand(1, jassCards({"6c", "7c", "8c", "6s", "7s", "8s", "6h", "7h", "6d"}));
  setHand(3, jassCards({"9s", "Js", "As", "Ks", "Qs", "6d", "7d", "8d", "9d"}));
  // Clubs and spades are equally long: no nine or jack among them, so the first stays.
  EXPECT_EQ(jassChooseTrump(1, false), 1);
  EXPECT_EQ(jassChooseTrump(3, false), 2) << "the longer suit with its nine and jack";
  EXPECT_EQ(jassChooseTrump(1, true), -1) << "the partner holds five spades";
  EXPECT_EQ(jassChooseTrump(1, true, false), 1) << "no push after a push";
  setHand(1, jassCards({"6c", "Jc", "8c", "6s", "7s", "9s", "6h", "7h", "6d"}));
  EXPECT_EQ(jassChooseTrump(1, false), 2) << "equally long: the suit with the nine or jack, the last one found";
}

TEST_F(JassFlow, ThePlayRules) {
  setMode(3);
  jassArea().trickPosition = 4;
  struct Case {
    const char* name;
    THand trick;  // led by seat 2: seats 2, 1 played... the seat to act is 1 after seats 4, 3, 2
    THand hand;
    const char* card;
  } cases[] = {
      {"partner wins last: add the fattest non-trump", jassCards({"6c", "Ac", "7c"}), jassCards({"Tc", "8c", "Kh"}), "Tc"},
      {"opponent wins last: take it cheaply", jassCards({"Ac", "6c", "Tc"}), jassCards({"7h", "Jh", "8c"}), "7h"},
      {"nothing wins: the cheapest card", jassCards({"Ac", "6c", "Kc"}), jassCards({"8c", "Qc", "Tc"}), "8c"},
  };
  for (const Case& c : cases) {
    // Seat 1 plays last; seat 3 is its partner; seats 4, 3, 2 play before it.
    clearHand(jassArea().trick);
    const int order[3] = {4, 3, 2};
    for (int i = 1; i <= 3; i++) {
      TCard k = c.trick.k[i];
      k.hi = int16_t(order[i - 1]);
      handaddk(jassArea().trick, k);
    }
    setHand(1, c.hand);
    cg.gs.akspieler = 1;
    jassLegalCards(1, 0, jassArea().legalCards);
    const int32_t slot = jassChooseCardSlot();
    ASSERT_GE(slot, 1) << c.name;
    EXPECT_EQ(jassCodes(jassCards({c.card})), jassCodes([&] { THand h{}; handaddk(h, sp[1].slots[slot].card); return h; }()))
        << c.name;
  }
}

TEST_F(JassFlow, TheTargetSearchPlaysTheCardThatReachesIt) {
  setMode(3);
  jassArea().pointsLimit = 1000;
  cg.gs.listTotals[1] = cg.gs.listTotals[3] = 980;
  jassArea().tricksDone = 3;
  clearHand(jassArea().trick);
  for (auto [code, seat] : {std::pair{"Ac", 4}, std::pair{"Tc", 3}, std::pair{"Kc", 2}}) {
    TCard k = jassCard(code);
    k.hi = int16_t(seat);
    handaddk(jassArea().trick, k);
  }
  jassArea().trickPosition = 4;
  setHand(1, jassCards({"6c", "6h", "8d"}));
  cg.gs.akspieler = 1;
  jassLegalCards(1, 0, jassArea().legalCards);
  const int32_t slot = jassFindWinningCard();
  ASSERT_GE(slot, 1);
  EXPECT_EQ(sp[1].slots[slot].card.f, suitHearts) << "the trump takes 25 points: 1005";
  jassArea().pointsLimit = 0;
  EXPECT_EQ(jassFindWinningCard(), 0) << "without a target the play rules decide";
}

TEST_F(JassFlow, ListTextsResultMessageAndHighscore) {
  jassArea().pointsLimit = 1000;
  cg.gs.gamesPlayed = 1;
  cg.gs.listTotals[1] = 420;
  std::string text;
  jassListText(1, text);
  EXPECT_EQ(text, "1 Runde gespielt, 420 von 1000 Punkten erreicht");
  jassArea().pointsLimit = 0;
  cg.gs.gamesPlayed = 3;
  jassListText(1, text);
  EXPECT_EQ(text, "3 Runden gespielt, 420 von unbegrenzt Punkten erreicht");
  // The target reached with equal scores: team 2 wins.
  jassArea().pointsLimit = 500;
  cg.gs.listTotals[1] = cg.gs.listTotals[3] = cg.gs.listTotals[2] = cg.gs.listTotals[4] = 500;
  EXPECT_NE(jassResultMessage().find(cg.seatName(2) + " und " + cg.seatName(4) + " erreichen zuerst 500"),
            std::string::npos)
      << jassResultMessage();
  // The match end names the target only when a team reached it.
  cg.gs.matchScore = cg.gs.listTotals;
  EXPECT_NE(jassMatchEndText("X").find("haben zuerst 500"), std::string::npos);
  jassArea().pointsLimit = 0;
  EXPECT_EQ(jassMatchEndText("X").find("haben zuerst"), std::string::npos);
  EXPECT_EQ(jassMatchEndText("X").substr(0, 2), "X.");
  // A margin of 0 or less is not entered.
  cg.gs.listTotals[1] = 400;
  jassEnterHighscore(text);
  EXPECT_EQ(text, "");
}

}  // namespace
