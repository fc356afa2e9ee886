// The computer's search: node budgets by frame rate, guesses by strength, the back-up pass
// and the closing scale, the node limit, slicing that never changes the move, the back-up
// spread over frames, a frame's 4 ms, trees of another position or seat left unused, the
// trump exchange taken first, and endgames (the talon run out or closed) where its move
// reaches what an exhaustive minimax finds.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/family/schnapsen_fixture.h"

namespace {

int64_t fakeUs = 0;
int64_t tenMicrosecondsPerReading() { return fakeUs += 10; }

class SchnapsenSearch : public SchnapsenFixture {
 public:
  void SetUp() override {
    SchnapsenFixture::SetUp();
    setSearchClock(tenMicrosecondsPerReading);
  }
  void TearDown() override {
    setSearchSliceBudget(0);
    schnapsenResetSearch();
    SchnapsenFixture::TearDown();
  }

  // The computer seat 2 searches until it answers; the answer (kind, value), or (-1, calls).
  static std::pair<int, int32_t> searchedAnswer(int32_t strength, int limit = 200000) {
    cg.gs.seatProfiles[2].strength = strength;
    for (int call = 0; call < limit; call++) {
      if (cg.gs.awaitingAction != 2) return {cg.gs.getBlender.kind, cg.gs.getBlender.res_ii};
      advanceFakeTick(1);
      schnapsenAIMove();
    }
    return {-1, limit};
  }

  // Slices, one frame each, until the tree is finished.
  static void finishSearch() {
    for (int f = 0; f < 100000 && baumBuilder.state != 3; f++) {
      advanceFakeTick(1);
      schnapsenAIMove();
    }
    ASSERT_EQ(baumBuilder.state, 3);
  }

  // A mid-game position with seat 2 to lead.
  static void midGame() {
    options(false);
    position("hJ cA sK dQ d10", "hQ hK cJ s10 dA", "cQ dK sA sJ cK h10 dJ", "hA", suitHearts, 2, "c10 sQ", "");
  }
};

TEST_F(SchnapsenSearch, NodeBudgetByFrameRate) {
  struct { float fps; int32_t nodes; } cases[] = {{0, 80000}, {0.4f, 80000}, {50, 1600}, {150, 667}, {300, 400}, {1000, 288}};
  for (auto c : cases) EXPECT_EQ(searchNodeBudget(c.fps), c.nodes) << "fps " << c.fps;
}

TEST_F(SchnapsenSearch, StrongSeatsSeeTheHiddenCardsBeginnersGuess) {
  int guessed = 0;
  for (int32_t strength : {1, 3})
    for (uint64_t seed = 1; seed <= 8; seed++) {
      randomSeed(seed);
      midGame();
      ASSERT_TRUE(toDecision());
      cg.gs.seatProfiles[2].strength = strength;
      schnapsenAIMove();
      const TSearchNode& r = baumBuilder.root();
      THand25 mine = r.hands[1], theirs = r.hands[0];
      EXPECT_EQ(mine.anz, 5);
      EXPECT_EQ(theirs.anz, 5);
      EXPECT_EQ(r.stock.anz, 7);
      bool same = true;
      for (int i = 1; i <= 5; i++) same &= cardsEqual(cardAt(theirs, i), sp[1].slots[i].card);
      if (strength == 3) {
        EXPECT_TRUE(same) << "seed " << seed;
      }
      if (strength == 1 && !same) guessed++;
      EXPECT_TRUE(cardsEqual(cardAt(r.stock, 1), sp[schnapsenStock].slots[1].card)) << "the stock's bottom card stays";
    }
  EXPECT_GE(guessed, 6);
}

TEST_F(SchnapsenSearch, BackUpTakesTheBestChildAndScalesClosing) {
  tBaumBuilder& t = baumBuilder;
  t.allocate();
  auto node = [&](int32_t i, int32_t parent, uint8_t side, uint8_t depth, uint8_t move, float win, float avg) {
    TSearchNode& n = t.nodes[i];
    n = TSearchNode{};
    n.parent = parent;
    n.side = side;
    n.depth = depth;
    n.moveIndex = move;
    n.win = win;
    n.avg = avg;
    if (parent >= 0) t.nodes[parent].children[t.nodes[parent].childCount++] = i;
  };
  struct { uint8_t rootSide; float closeWin; int32_t best; float win; } cases[] = {
      {1, 0.5f, 1, 0.8f},   // closing at depth 1: 0.5 * 1.6 = 0.8 beats the card's 0.7
      {1, 0.3f, 2, 0.7f},   // 0.48 < 0.7
      {0, 0.5f, 2, 0.7f},   // the opponent moves: the lower value
      {0, -0.5f, 1, -0.8f},
  };
  for (auto c : cases) {
    node(0, -1, c.rootSide, 0, 100, 0, 0);
    node(1, 0, c.rootSide, 1, 0, c.closeWin, c.closeWin);
    node(2, 0, 1 - c.rootSide, 1, 1, 0.7f, 0.7f);
    t.backUpTreeValues(0);
    EXPECT_EQ(t.nodes[0].bestChild, c.best) << "closing " << c.closeWin << " side " << int(c.rootSide);
    EXPECT_FLOAT_EQ(t.nodes[0].win, c.win);
    EXPECT_FLOAT_EQ(t.nodes[0].avg, (c.closeWin + 0.7f) / 2);
  }
  // Deeper closings count less: 1.4 at depth 2, 1.2 at depth 3, plain below.
  for (auto [depth, factor] : {std::pair{2, 1.4f}, {3, 1.2f}, {4, 1.0f}}) {
    node(0, -1, 1, uint8_t(depth - 1), 1, 0, 0);
    node(1, 0, 1, uint8_t(depth), 0, 0.5f, 0.5f);
    t.backUpTreeValues(0);
    EXPECT_FLOAT_EQ(t.nodes[0].win, 0.5f * factor) << "depth " << depth;
  }
}

TEST_F(SchnapsenSearch, ThePoolsLimitStopsTheTree) {
  setSearchClock([] { return fakeUs += 1; });  // time never ends this search first
  randomSeed(3);
  options(false);
  startGame(true, 0, false);
  ASSERT_TRUE(toDecision());
  cg.gs.seatProfiles[2].strength = 3;
  cg.gs.akspieler = 2;
  tBaumBuilder& t = baumBuilder;
  schnapsenAIMove();
  t.nodeLimit = 3000;
  int calls = 0;
  while (t.state != 3 && calls++ < 100000) {
    advanceFakeTick(1);
    schnapsenAIMove();
  }
  EXPECT_EQ(t.state, 3);
  EXPECT_LE(t.usedNodes, 3000);
  EXPECT_GT(t.processed, 0);
}

TEST_F(SchnapsenSearch, SlicingNeverChangesTheMove) {
  for (uint64_t seed : {11u, 12u, 13u}) {
    std::vector<std::pair<int, int32_t>> answers;
    std::vector<int32_t> processed;
    for (int32_t budget : {1, 20, 10000}) {
      randomSeed(seed);
      midGame();
      ASSERT_TRUE(toDecision());
      setSearchSliceBudget(budget);
      fakeUs = 0;
      answers.push_back(searchedAnswer(3));
      processed.push_back(baumBuilder.processed);
    }
    EXPECT_EQ(answers[0], answers[1]) << "seed " << seed;
    EXPECT_EQ(answers[0], answers[2]) << "seed " << seed;
    EXPECT_EQ(processed[0], processed[2]) << "seed " << seed;
    EXPECT_NE(answers[0].first, -1);
  }
}

TEST_F(SchnapsenSearch, TheFinishedTreeIsBackedUpOverFramesToTheWholeTreesValues) {
  setSearchClock([] { return fakeUs += 1; });  // the pool's limit ends this search first
  randomSeed(4);
  midGame();
  ASSERT_TRUE(toDecision());
  cg.gs.seatProfiles[2].strength = 3;
  tBaumBuilder& t = baumBuilder;
  schnapsenAIMove();
  t.nodeLimit = 3000;
  setSearchSliceBudget(20);
  for (int f = 0; f < 100000 && t.state != 4 && t.state != 3; f++) {
    advanceFakeTick(1);
    schnapsenAIMove();
  }
  ASSERT_EQ(t.state, 4) << "the last expansion leaves the back-up to the next slices";
  const std::vector<TSearchNode> expanded(&t.nodes[0], &t.nodes[0] + t.usedNodes);
  int frames = 0;
  for (; frames < 100000 && t.state == 4; frames++) {
    advanceFakeTick(1);
    schnapsenAIMove();
  }
  ASSERT_EQ(t.state, 3);
  EXPECT_GT(frames, 1);
  const std::vector<TSearchNode> sliced(&t.nodes[0], &t.nodes[0] + t.usedNodes);
  std::copy(expanded.begin(), expanded.end(), &t.nodes[0]);
  t.backUpTreeValues(0);
  for (int32_t i = 0; i < t.usedNodes; i++) {
    ASSERT_EQ(sliced[size_t(i)].win, t.nodes[i].win) << "node " << i;
    ASSERT_EQ(sliced[size_t(i)].avg, t.nodes[i].avg) << "node " << i;
    ASSERT_EQ(sliced[size_t(i)].bestChild, t.nodes[i].bestChild) << "node " << i;
  }
}

TEST_F(SchnapsenSearch, AFrameGivesTheSearchAtMostFourMilliseconds) {
  // The clock advances 10 us a reading, once a step; at any budget a frame stops at 4 ms,
  // the back-up's frames too.
  randomSeed(6);
  midGame();
  ASSERT_TRUE(toDecision());
  cg.gs.seatProfiles[2].strength = 3;
  setSearchSliceBudget(1000000);
  tBaumBuilder& t = baumBuilder;
  int backUpFrames = 0;
  for (int f = 0; f < 100000 && cg.gs.awaitingAction == 2; f++) {
    advanceFakeTick(1);
    const int64_t before = fakeUs;
    backUpFrames += t.state == 4;
    schnapsenAIMove();
    // One reading opens the slice; the steps it counts fill 4 ms at most.
    EXPECT_LE(fakeUs - before, 4000 + 10) << "frame " << f;
  }
  EXPECT_NE(cg.gs.awaitingAction, 2);
  EXPECT_GT(backUpFrames, 0);
}

TEST_F(SchnapsenSearch, ATreeOfAnotherPositionOrSeatIsNotUsed) {
  randomSeed(5);
  midGame();
  ASSERT_TRUE(toDecision());
  cg.gs.seatProfiles[2].strength = 3;
  tBaumBuilder& t = baumBuilder;
  finishSearch();
  // The position changes under the finished tree: a card of seat 1 went to its won pile.
  put(7, "c10 sQ hJ");
  put(1, "cA sK dQ d10");
  schnapsenAIMove();
  EXPECT_EQ(cg.gs.awaitingAction, 2) << "no move from the stale tree";
  EXPECT_EQ(t.state, 1) << "a new search began";
  // A tree searched for seat 1 is not seat 2's answer either.
  midGame();
  cg.gs.akspieler = 1;
  finishSearch();
  cg.gs.akspieler = 2;
  ASSERT_TRUE(toDecision());
  schnapsenAIMove();
  EXPECT_EQ(t.state, 1);
  EXPECT_EQ(t.searchSeat, 2);
}

TEST_F(SchnapsenSearch, TheTrumpExchangeIsTakenFirst) {
  options(false);
  position("hQ cA sK dQ d10", "hJ hK cJ s10 dA", "cQ dK sA sJ cK h10 dJ", "hA", suitHearts, 2);
  ASSERT_TRUE(toDecision());
  EXPECT_EQ(cg.gs.bl.decisionKind, 108);
  EXPECT_EQ(searchedAnswer(3), (std::pair<int, int32_t>{2, schnapsenOptExchange}));
}

// [SECTION] endgames against an exhaustive minimax

struct TEnd {
  std::vector<TCard> hand[3];
  int32_t total[3] = {0, 0, 0};
  TCard lead{};
  bool led = false;
  int32_t toMove = 2;
  int32_t closer = 0;  // the seat that closed the talon, 0 when the stock ran out
};

int32_t trumpSuit = suitHearts;

bool legal(const TEnd& s, const TCard& c) {
  THand h{};
  for (const TCard& x : s.hand[s.toMove]) handaddk(h, x);
  return schnapsenAnswerIsLegal(c, s.led ? s.lead : noCard(), h, true);
}

int32_t decidedSeat(const TEnd& s) { return s.total[2] >= 66 ? 2 : s.total[1] >= 66 ? 1 : 0; }

// +1 when seat 2 wins with best play of both seats, -1 when it loses.
int solve(const TEnd& s);

int afterMove(TEnd s, size_t i) {
  const int32_t p = s.toMove, o = 3 - p;
  TCard c = s.hand[p][i];
  s.hand[p].erase(s.hand[p].begin() + long(i));
  if (!s.led) {
    s.lead = c;
    s.led = true;
    if (c.t == rankQueen || c.t == rankKing)
      for (const TCard& x : s.hand[p])
        if (x.f == c.f && x.t == (c.t == rankQueen ? rankKing : rankQueen)) s.total[p] += c.f == trumpSuit ? 40 : 20;
    s.toMove = o;
  } else {
    int32_t w = schnapsenTrickWinner(s.lead, c, p);
    s.total[w] += schnapsenCardPoints(s.lead) + schnapsenCardPoints(c);
    s.led = false;
    s.toMove = w;
    // The hands played out without 66: the last trick wins, or, the talon closed, the closer loses.
    if (decidedSeat(s) == 0 && s.hand[1].empty() && s.hand[2].empty()) {
      const int32_t winner = s.closer != 0 ? 3 - s.closer : w;
      return winner == 2 ? 1 : -1;
    }
  }
  if (int32_t d = decidedSeat(s)) return d == 2 ? 1 : -1;
  return solve(s);
}

int solve(const TEnd& s) {
  int best = s.toMove == 2 ? -2 : 2;
  for (size_t i = 0; i < s.hand[s.toMove].size(); i++) {
    if (!legal(s, s.hand[s.toMove][i])) continue;
    int v = afterMove(s, i);
    best = s.toMove == 2 ? std::max(best, v) : std::min(best, v);
  }
  return best;
}

TEST_F(SchnapsenSearch, EndgameMovesReachTheMinimaxOutcome) {
  int checked = 0, wins = 0, closedChecked = 0;
  for (uint64_t seed = 1; seed <= 120; seed++) {
    randomSeed(seed);
    const int cards = 1 + int(seed % 4);
    // Seeds above 60 close the talon with two to four cards left in the stock; below, it ran out.
    const int32_t closer = seed > 60 ? 1 + int32_t(seed % 2) : 0;
    const bool answer = seed % 3 == 0;
    options(false);
    schnapsenArea().trumpSuit = trumpSuit;
    resetTable();
    sp[schnapsenStock] = TSpieler{};
    schnapsenBuildDeck();
    syncHandFromSlots(sp[schnapsenStock]);
    std::vector<TCard> deck;
    for (int i = 1; i <= 20; i++) deck.push_back(sp[schnapsenStock].hand.k[i]);
    auto text = [](const std::vector<TCard>& v) {
      std::string t;
      for (const TCard& c : v) t += (t.empty() ? "" : " ") + cardText(c);
      return t;
    };
    // Seat 1 holds the card it led, if any, among its `cards`.
    std::vector<TCard> h1(deck.begin(), deck.begin() + cards);
    std::vector<TCard> h2(deck.begin() + 10, deck.begin() + 10 + cards);
    std::vector<TCard> won1, won2;
    for (int i = cards; i < 10; i++) won1.push_back(deck[size_t(i)]);
    for (int i = 10 + cards; i < 20; i++) won2.push_back(deck[size_t(i)]);
    std::vector<TCard> stock;
    if (closer != 0) {
      const long left = 2 + long(seed % 3);
      stock.assign(won1.begin(), won1.begin() + left);
      won1.erase(won1.begin(), won1.begin() + left);
    }
    TEnd s;
    s.closer = closer;
    for (const TCard& c : won1) s.total[1] += schnapsenCardPoints(c);
    for (const TCard& c : won2) s.total[2] += schnapsenCardPoints(c);
    if (s.total[1] >= 66 || s.total[2] >= 66 || s.total[1] == 0 || s.total[2] == 0) continue;
    std::string trick;
    if (answer) {
      s.lead = h1.back();
      s.led = true;
      trick = cardText(h1.back());
      h1.pop_back();
    }
    s.hand[1] = h1;
    s.hand[2] = h2;
    position(text(h1), text(h2), text(stock), "", trumpSuit, 2, text(won1), text(won2), trick);
    if (closer != 0) {
      TSchnapsenState& a = schnapsenArea();
      a.closed = a.strictRules = 1;
      a.closer = closer;
    }
    ASSERT_TRUE(toDecision()) << "seed " << seed;
    auto [kind, slot] = searchedAnswer(3);
    ASSERT_EQ(kind, 0) << "seed " << seed;
    const int best = solve(s);
    // The chosen card in the test's own terms.
    TCard chosen = sp[2].slots[slot].card;
    size_t i = 0;
    while (i < s.hand[2].size() && !cardsEqual(s.hand[2][i], chosen)) i++;
    ASSERT_LT(i, s.hand[2].size());
    EXPECT_EQ(afterMove(s, i), best) << "seed " << seed << ": " << text(h2) << " against " << text(h1)
                                     << (answer ? " led " + trick : "");
    checked++;
    closedChecked += closer != 0;
    wins += best > 0;
  }
  EXPECT_GE(checked, 80);
  EXPECT_GE(closedChecked, 40);
  EXPECT_GT(wins, 0);
  EXPECT_LT(wins, checked);
}

}  // namespace
