// Win probability: exact counts against the reference rating, the category chain, a seeded
// Monte Carlo, the preflop path and the draw formula.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "games/casino/poker_fast_eval.h"
#include "games/casino/poker_preflop.h"
#include "games/casino/poker_winprob.h"
#include "platform/random.h"
#include "tests/casino/poker_table_fixture.h"

namespace {

std::vector<int> codesOf(const std::string& text) {
  const THand64 h = hand64Of(text);
  std::vector<int> codes;
  for (int i = 1; i <= h.anz; i++) codes.push_back(pokerFastCode(h.k[i]));
  return codes;
}

}  // namespace

class PokerWinProb : public PokerTableFixture {
 public:
  void deal(const std::string& hole, const std::string& board) {
    setCards(2, hole);
    setCards(12, board);
  }
};

// On the river the chance against one opponent is the share of holdings that do not beat the
// seat, counted here with the reference rating; n opponents give that share to the n-th power.
TEST_F(PokerWinProb, RiverEqualsReferenceCount) {
  struct Case {
    const char* hole;
    const char* board;
  } cases[] = {
      {"h9 c9", "s2 d7 cJ hQ s4"},
      {"c7 d2", "sA sK sQ sJ s10"},  // the board plays: every holding ties, ties count as won
      {"sA hA", "dA cA sK h7 d2"},
      {"h5 h4", "hA hK d3 c2 s9"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.hole) + " / " + c.board);
    deal(c.hole, c.board);
    const THand64 seven = hand64Of(std::string(c.hole) + " " + c.board);
    THand64 unseen = hand64Of("");
    for (int code = 0; code < 52; code++) {
      const TCard card = pokerFastCard(code);
      bool known = false;
      for (int i = 1; i <= seven.anz; i++) known |= seven.k[i].t == card.t && seven.k[i].f == card.f;
      if (!known) unseen.k[++unseen.anz] = card;
    }
    int beating = 0, holdings = 0;
    for (int i = 1; i <= unseen.anz; i++)
      for (int j = i + 1; j <= unseen.anz; j++) {
        THand64 other = hand64Of(c.board);
        other.k[++other.anz] = unseen.k[i];
        other.k[++other.anz] = unseen.k[j];
        beating += comparePokerHands(other, seven) == 1;
        holdings++;
      }
    const double x = double(beating) / holdings;
    for (int players : {2, 4, 7})
      EXPECT_NEAR(pokerWinProbability(2, players, false), std::pow(1 - x, players - 1), 1e-6) << players;
  }
}

// The chain over the categories gives the mean over the boards still to come, and on the
// river only the made category has make 1.
TEST_F(PokerWinProb, ChainAddsUpTheBoards) {
  deal("hK dQ", "sJ h10 c2 d7");
  const std::vector<int> hole = codesOf("hK dQ"), board = codesOf("sJ h10 c2 d7");
  TPokerBoardOdds odds;
  pokerCountBoards(hole.data(), board.data(), 4, nullptr, odds);
  ASSERT_EQ(odds.category.size(), 46u);
  for (int players : {2, 3, 6}) {
    double mean = 0;
    for (float x : odds.beaten) mean += std::pow(1.0 - x, players - 1);
    EXPECT_NEAR(pokerWinProbability(2, players, false), mean / 46, 1e-6);
  }
  deal("hK dQ", "sJ h10 c2 d7 sA");
  const std::vector<int> river = codesOf("sJ h10 c2 d7 sA");
  pokerCountBoards(hole.data(), river.data(), 5, nullptr, odds);
  for (int c = 10; c >= 1; c--) {
    const TPokerMakeWin mw = enumerateHandOdds(odds, 1, uint8_t(c));
    EXPECT_EQ(mw.make, c == pkStraight ? 1.0 : 0.0) << c;
    EXPECT_LE(mw.win, mw.make);
  }
}

// The count rates each set of unseen cards once for every split into board and holding; per
// board completion it gives what rating every holding of one opponent on that board gives.
TEST(PokerBoardCount, EqualsOneRatingPerBoardAndHolding) {
  const float rising[13] = {0, 0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f, 0.9f, 1, 1, 1};
  struct Case {
    const char* hole;
    const char* board;
    const float* weight;
  } cases[] = {
      {"sA dJ", "hJ c8 s3", nullptr}, {"h5 h4", "hA hK d3", rising}, {"c7 d2", "sA sK sQ sJ", nullptr},
      {"hK dQ", "sJ h10 c2 d7", rising}, {"sA hA", "dA cA sK h7 d2", nullptr},
  };
  const TPokerFastTables& t = pokerFastTables();
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.hole) + " / " + c.board);
    const std::vector<int> hole = codesOf(c.hole), board = codesOf(c.board);
    TPokerBoardOdds odds;
    pokerCountBoards(hole.data(), board.data(), int(board.size()), c.weight, odds);
    std::vector<int> unseen;
    for (int code = 0; code < 52; code++)
      if (std::count(hole.begin(), hole.end(), code) + std::count(board.begin(), board.end(), code) == 0)
        unseen.push_back(code);
    const int n = int(unseen.size()), toCome = 5 - int(board.size());
    size_t index = 0;
    auto check = [&](std::vector<int> full) {
      std::vector<int> own = full;
      own.insert(own.end(), hole.begin(), hole.end());
      const int mine = pokerFastRateCodes(own.data(), 7);
      int beating = 0, holdings = 0;
      for (int i = 0; i < n; i++)
        for (int j = i + 1; j < n; j++) {
          if (std::count(full.begin(), full.end(), unseen[i]) + std::count(full.begin(), full.end(), unseen[j]) > 0)
            continue;
          std::vector<int> other = full;
          other.push_back(unseen[i]);
          other.push_back(unseen[j]);
          beating += pokerFastRateCodes(other.data(), 7) > mine;
          holdings++;
        }
      ASSERT_LT(index, odds.category.size());
      EXPECT_EQ(odds.category[index], t.classes[mine].category);
      EXPECT_EQ(odds.beaten[index], float(beating) / float(holdings));
      float w = 1;
      if (c.weight) {
        float sum = 0;
        for (size_t k = board.size(); k < 5; k++) sum += c.weight[full[k] / 4];
        w = 0.2f + 0.8f * sum / float(toCome);
      }
      EXPECT_EQ(odds.weight[index], w);
      index++;
    };
    if (toCome == 0) check(board);
    for (int a = 0; toCome >= 1 && a < n; a++) {
      std::vector<int> full = board;
      full.push_back(unseen[a]);
      if (toCome == 1) check(full);
      for (int b = a + 1; toCome == 2 && b < n; b++) {
        std::vector<int> two = full;
        two.push_back(unseen[b]);
        check(two);
      }
    }
    EXPECT_EQ(index, odds.category.size());
  }
}

// Heads-up on the flop the count is exact; a seeded Monte Carlo of random opponents and
// boards lands within three standard errors.
TEST_F(PokerWinProb, FlopMatchesMonteCarlo) {
  deal("sA dJ", "hJ c8 s3");
  const float exact = pokerWinProbability(2, 2, false);
  const std::vector<int> known = codesOf("sA dJ hJ c8 s3");
  std::vector<int> deck;
  for (int c = 0; c < 52; c++)
    if (std::find(known.begin(), known.end(), c) == known.end()) deck.push_back(c);
  randomFixSeed(2201);
  randomSeed(2201);
  const int deals = 40000;
  int won = 0;
  for (int d = 0; d < deals; d++) {
    for (int i = 0; i < 4; i++) std::swap(deck[i], deck[i + randomBelow(int(deck.size()) - i)]);
    const int mine[7] = {known[0], known[1], known[2], known[3], known[4], deck[0], deck[1]};
    const int theirs[7] = {deck[2], deck[3], known[2], known[3], known[4], deck[0], deck[1]};
    won += pokerFastRate7(theirs) <= pokerFastRate7(mine);
  }
  randomReleaseSeed();
  const double share = double(won) / deals;
  EXPECT_NEAR(exact, share, 3 * std::sqrt(share * (1 - share) / deals));
}

TEST_F(PokerWinProb, VariantsAgreeAndOrder) {
  deal("hQ dQ", "s9 c5 d2");
  for (int s = 2; s <= 6; s++) cg.gs.seatProfiles[s].strength = 2;
  TPokerWinPair pair;
  pokerWinProbabilityB(2, 3, 6, pair);
  EXPECT_FLOAT_EQ(pair.a, pokerWinProbability(2, 3, false));
  EXPECT_FLOAT_EQ(pair.b, pokerWinProbability(2, 6, false));
  EXPECT_GT(pair.a, pair.b);  // falls with the number of players
  const float queens = pair.a;
  deal("h7 d4", "s9 c5 d2");
  EXPECT_LT(pokerWinProbability(2, 3, false), queens);  // grows with the seat's cards
}

TEST_F(PokerWinProb, BeforeTheFlopReadsTheTable) {
  preflopTable().fill(0);
  preflopTable()[preflopOffset(12, 12, 0, 2)] = 217;
  preflopTable()[preflopOffset(5, 0, 1, 4)] = 51;
  EXPECT_EQ(preflopOffset(12, 12, 0, 2), 2016);
  deal("sA hA", "");
  EXPECT_FLOAT_EQ(pokerWinProbability(2, 2, false), 217 / 255.0f);
  deal("h7 h2", "");
  TPokerWinPair pair;
  pokerWinProbabilityB(2, 4, 2, pair);
  EXPECT_FLOAT_EQ(pair.a, 51 / 255.0f);
  EXPECT_FLOAT_EQ(pair.b, 0);
}

TEST_F(PokerWinProb, TraceListsTheChain) {
  deal("sA hA", "dA cA sK h7 d2");
  pokerWinTrace.clear();
  EXPECT_FLOAT_EQ(pokerWinProbability(2, 3, true), 1.0f);
  EXPECT_NE(pokerWinTrace.find("\n\r100.000%, win: 100.000%"), std::string::npos) << pokerWinTrace;
  EXPECT_NE(pokerWinTrace.find("SUMME: 100.000%, WINWK: 100.000%"), std::string::npos) << pokerWinTrace;
}

TEST(PokerDraws, AtLeastFromDraw) {
  EXPECT_NEAR(atLeastFromDraw(9, 47, 2, 1), 1 - 703.0 / 1081, 1e-12);  // nine outs, flop to river
  EXPECT_NEAR(atLeastFromDraw(9, 47, 2, 2), 36.0 / 1081, 1e-12);
  EXPECT_NEAR(atLeastFromDraw(4, 46, 1, 1), 4.0 / 46, 1e-12);
  EXPECT_EQ(atLeastFromDraw(4, 46, 1, 2), 0);
}
